#include "app/VrekDiagramme.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "platform/platform.h"
#include "core/workspace.h"
#include "core/keyentry.h"
#include "dealing/vrekinf.h"

using namespace vrek;

namespace {
struct Key {
    const char *top;   // the key
    const char *name;  // what it enters
    int row, col, rows, cols;
};

// A keyboard picture: a grid of framed keys, each naming its card.
QFrame *picture(QWidget *parent, const char *name, const std::vector<Key> &keys) {
    auto *f = new QFrame(parent);
    f->setObjectName(name);
    f->setFrameShape(QFrame::Panel);
    f->setFrameShadow(QFrame::Sunken);
    auto *g = new QGridLayout(f);
    g->setSpacing(3);
    g->setContentsMargins(6, 6, 6, 6);
    for (const Key &k : keys) {
        auto *l = new QLabel(QString::fromUtf8(k.top) + "\n" + QString::fromUtf8(k.name), f);
        l->setAlignment(Qt::AlignCenter);
        l->setFrameShape(QFrame::Box);
        l->setMinimumSize(44, 36);
        QFont font = l->font();
        font.setPointSize(8);
        l->setFont(font);
        g->addWidget(l, k.row, k.col, k.rows, k.cols);
    }
    return f;
}
}  // namespace

TVrekFDiagramme::TVrekFDiagramme(vrek::Workspace &ws, Platform &pf, TInformation *dealer, QWidget *parent)
    : QDialog(parent), ws_(ws), pf_(pf), dealer_(dealer) {
    setObjectName("VrekFDiagramme");
    setWindowTitle(QStringLiteral("Saisie au clavier ET/OU au pavé numérique"));
    setModal(false);

    Saisit = new QLineEdit(this);
    Saisit->setObjectName("Saisit");
    connect(Saisit, &QLineEdit::textChanged, this, [this](const QString &t) {
        if (!clearing_) typed(t);
    });

    QFrame *pad = picture(this, "Pave",
                          {{"Verr", "Num", 0, 0, 1, 1},
                           {"/", "Roi", 0, 1, 1, 1},
                           {"*", "Dame", 0, 2, 1, 1},
                           {"-", "Valet", 0, 3, 1, 1},
                           {"7", "sept", 1, 0, 1, 1},
                           {"8", "huit", 1, 1, 1, 1},
                           {"9", "neuf", 1, 2, 1, 1},
                           {"+", "Dix", 1, 3, 2, 1},
                           {"4", "quatre", 2, 0, 1, 1},
                           {"5", "cinq", 2, 1, 1, 1},
                           {"6", "six", 2, 2, 1, 1},
                           {"1", "As", 3, 0, 1, 1},
                           {"2", "Deux", 3, 1, 1, 1},
                           {"3", "trois", 3, 2, 1, 1},
                           {"Entrée", "", 3, 3, 2, 1},
                           {"0", "Changement", 4, 0, 1, 2},
                           {".", "Retour", 4, 2, 1, 1}});
    QFrame *letters = picture(this, "Clavier",
                              {{"A", "As", 0, 0, 1, 1},
                               {"R", "Roi", 0, 1, 1, 1},
                               {"D", "Dame", 0, 2, 1, 1},
                               {"V", "Valet", 0, 3, 1, 1},
                               {"X", "Dix", 0, 4, 1, 1},
                               {"9 … 2", "neuf … Deux", 1, 0, 1, 2},
                               {"Espace", "Changement", 1, 2, 1, 2},
                               {"<", "Retour", 1, 4, 1, 1}});

    BtQuitter = new QPushButton(QStringLiteral("Quitter"), this);
    BtQuitter->setObjectName("BtQuitter");
    BtCompleter = new QPushButton(QStringLiteral("Quitter en complétant le diagramme"), this);
    BtCompleter->setObjectName("BtCompleter");
    BtDiagrammeSuivant = new QPushButton(QStringLiteral("Compléter le diagramme et passer au suivant"), this);
    BtDiagrammeSuivant->setObjectName("BtDiagrammeSuivant");
    for (QPushButton *b : {BtQuitter, BtCompleter, BtDiagrammeSuivant}) b->setAutoDefault(false);
    connect(BtQuitter, &QPushButton::clicked, this, [this] { quitterClick(); });
    connect(BtCompleter, &QPushButton::clicked, this, [this] { completerClick(); });
    connect(BtDiagrammeSuivant, &QPushButton::clicked, this, [this] { suivantClick(); });

    auto *g = new QGridLayout(this);
    g->addWidget(Saisit, 0, 0, 1, 2);
    g->addWidget(pad, 1, 0);
    g->addWidget(letters, 1, 1, Qt::AlignTop);
    g->addWidget(BtQuitter, 2, 0, 1, 2);
    g->addWidget(BtCompleter, 3, 0, 1, 2);
    g->addWidget(BtDiagrammeSuivant, 4, 0, 1, 2);
}

void TVrekFDiagramme::placeBesideMainWindow() {
    if (!parentWidget()) return;
    QRect r = parentWidget()->frameGeometry();
    move(r.left() + r.width() / 2, r.top());
}

void TVrekFDiagramme::open() {
    tag_ = isVisible() ? 1 : 0;
    if (!isVisible()) {
        placeBesideMainWindow();
        show();
        onShow();
    }
    raise();
    activateWindow();
    onActivate();
}

void TVrekFDiagramme::onShow() {
    walkForward(1);
    clearing_ = true;
    Saisit->clear();
    clearing_ = false;
    Saisit->setFocus();
}

void TVrekFDiagramme::onActivate() {
    if (!isVisible()) return;
    clearing_ = true;
    Saisit->clear();
    clearing_ = false;
    Saisit->setFocus();
    if (!pf_.capsLock()) pf_.setCapsLock(true);
    if (!pf_.numLock()) pf_.setNumLock(true);
    if (tag_ == 0) {
        tag_ = 1;
        walkForward(1);
    }
}

void TVrekFDiagramme::changeEvent(QEvent *e) {
    if (e->type() == QEvent::ActivationChange && isActiveWindow()) onActivate();
    QDialog::changeEvent(e);
}

void TVrekFDiagramme::walkForward(int from) {
    if (!ws_.fileOpen() || ws_.currentDeal() < 1) return;
    const int c = forwardToRoom(ws_.series().deal(ws_.currentDeal()), from);
    if (c == kEntryFinished) finish();
    else ws_.setEntryCursor(c);
}

void TVrekFDiagramme::typed(const QString &text) {
    if (ws_.fileOpen() && ws_.currentDeal() >= 1) {
        const int n = ws_.currentDeal();
        int cursor = ws_.entryCursor();
        ws_.edit(ChangeDeals, [&](Series &s) {
            Deal &d = s.deal(n);
            for (QChar ch : text) {
                if (ch.unicode() > 0x7f) continue;
                if (cursor < 1 || cursor > 16) cursor = forwardToRoom(d, 1);
                if (cursor == kEntryFinished) break;
                KeyOutcome o = applyKey(d, cursor, static_cast<char>(ch.unicode()));
                if (o.finished) break;
            }
        });
        if (cursor == kEntryFinished) finish();
        else ws_.setEntryCursor(cursor);
    }
    clearing_ = true;
    Saisit->clear();
    clearing_ = false;
}

void TVrekFDiagramme::restoreLocks() {
    if (pf_.capsLock()) pf_.setCapsLock(false);
    if (!pf_.numLock()) pf_.setNumLock(true);
}

void TVrekFDiagramme::finish() {
    restoreLocks();
    ws_.setEntryCursor(0);
    hide();
}

void TVrekFDiagramme::quitterClick() { finish(); }

void TVrekFDiagramme::reject() { finish(); }

void TVrekFDiagramme::closeEvent(QCloseEvent *e) {
    finish();
    QDialog::closeEvent(e);
}

void TVrekFDiagramme::completerClick() {
    if (dealer_) dealer_->dealCurrentBoard(false);
    quitterClick();
}

void TVrekFDiagramme::suivantClick() {
    hide();
    if (dealer_) dealer_->dealCurrentBoard(false);
    if (ws_.currentDeal() < kBoards) ws_.setCurrentDeal(ws_.currentDeal() + 1);
    ws_.setEntryCursor(0);
    // The keyboard entry goes on while the next board has room for cards.
    if (ws_.fileOpen() && !ws_.series().deal(ws_.currentDeal()).complete()) open();
}
