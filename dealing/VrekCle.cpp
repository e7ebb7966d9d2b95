#include "dealing/VrekCle.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/workspace.h"
#include "dealing/vrekinf.h"
#include "platform/platform.h"

using namespace vrek;

namespace {
const QString kFilter = QStringLiteral("Clé de distribution|*.txt");
}

TVrekCle::TVrekCle(Workspace &ws, Platform &pf, TInformation &dealer, QWidget *parent)
    : QDialog(parent), ws_(ws), pf_(pf), dealer_(dealer) {
    setObjectName("VrekCle");
    setWindowTitle(QStringLiteral("Distribution avec une clé"));
    auto button = [this](const char *name, const QString &caption) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(name);
        b->setAutoDefault(false);
        return b;
    };
    LbFichier = new QLabel(this);
    LbFichier->setObjectName("LbFichier");
    auto *lbEmpreinte = new QLabel(QStringLiteral("Empreinte à publier avant la compétition :"), this);
    EdEmpreinte = new QLineEdit(this);
    EdEmpreinte->setObjectName("EdEmpreinte");
    EdEmpreinte->setReadOnly(true);  // selectable, so that it can be copied
    EdEmpreinte->setMinimumWidth(EdEmpreinte->fontMetrics().horizontalAdvance(QString(66, QLatin1Char('0'))));
    BtCreer = button("BtCreer", QStringLiteral("&Créer une clé…"));
    BtChoisir = button("BtChoisir", QStringLiteral("C&hoisir une clé…"));
    BtDonne = button("BtDonne", QStringLiteral("Distribuer la donne &courante"));
    BtSerie = button("BtSerie", QStringLiteral("Distribuer toute la &série"));
    BtQuitter = button("BtQuitter", QStringLiteral("&Quitter"));
    auto *note = new QLabel(QStringLiteral("La clé reste secrète jusqu'après la compétition ; elle n'est gardée ni "
                                           "dans la série ni dans les réglages."),
                            this);
    note->setWordWrap(true);

    auto *g = new QGridLayout(this);
    g->addWidget(LbFichier, 0, 0, 1, 3);
    g->addWidget(lbEmpreinte, 1, 0, 1, 3);
    g->addWidget(EdEmpreinte, 2, 0, 1, 3);
    g->addWidget(BtCreer, 3, 0);
    g->addWidget(BtChoisir, 3, 1);
    g->addWidget(BtDonne, 4, 0);
    g->addWidget(BtSerie, 4, 1);
    g->addWidget(BtQuitter, 4, 2);
    g->addWidget(note, 5, 0, 1, 3);
    g->setSizeConstraint(QLayout::SetFixedSize);

    connect(BtCreer, &QPushButton::clicked, this, [this] { BtCreerClick(); });
    connect(BtChoisir, &QPushButton::clicked, this, [this] { BtChoisirClick(); });
    connect(BtDonne, &QPushButton::clicked, this, [this] { BtDonneClick(); });
    connect(BtSerie, &QPushButton::clicked, this, [this] { BtSerieClick(); });
    connect(BtQuitter, &QPushButton::clicked, this, &QDialog::hide);
    // A series opened or closed while the window is up: the deal buttons follow.
    listener_ = ws_.subscribe([this](unsigned what) {
        if (what & ChangeFile) refresh();
    });
    refresh();
}

TVrekCle::~TVrekCle() { ws_.unsubscribe(listener_); }

void TVrekCle::open() {
    refresh();
    show();
    raise();
    activateWindow();
}

void TVrekCle::refresh() {
    LbFichier->setText(key_ ? QStringLiteral("Clé : ") + file_ : QStringLiteral("Aucune clé choisie."));
    EdEmpreinte->setText(key_ ? QString::fromStdString(fingerprintOf(*key_)) : QString());
    BtDonne->setEnabled(key_ && ws_.fileOpen());
    BtSerie->setEnabled(key_ && ws_.fileOpen());
}

void TVrekCle::use(const DealingKey &k, const QString &file) {
    key_ = k;
    file_ = file;
    refresh();
}

void TVrekCle::BtCreerClick() {
    FileDialogOptions o;
    o.title = QStringLiteral("Nouvelle clé de distribution");
    o.defaultSuffix = QStringLiteral("txt");
    o.filter = kFilter;
    o.initialName = QStringLiteral("cle.txt");
    const QString file = pf_.saveFileName(this, o);
    if (file.isEmpty()) return;
    const DealingKey k = newDealingKey();
    if (std::string e = writeKeyFile(file.toStdString(), k); !e.empty()) {
        pf_.error(this, QString::fromStdString(e));
        return;
    }
    use(k, file);
    pf_.information(this, QStringLiteral("Clé de distribution créée dans ") + file +
                              QStringLiteral(".\nEmpreinte à publier avant la compétition :\n") +
                              QString::fromStdString(fingerprintOf(k)));
}

void TVrekCle::BtChoisirClick() {
    FileDialogOptions o;
    o.title = QStringLiteral("Choisir une clé de distribution");
    o.defaultSuffix = QStringLiteral("txt");
    o.filter = kFilter;
    const QString file = pf_.openFileName(this, o);
    if (file.isEmpty()) return;
    std::string err;
    auto k = readKeyFile(file.toStdString(), err);
    if (!k) {
        pf_.error(this, QString::fromStdString(err));
        return;
    }
    use(*k, file);
}

void TVrekCle::ranWith() {
    pf_.information(this, QStringLiteral("Distribution faite avec la clé d'empreinte :\n") +
                              QString::fromStdString(fingerprintOf(*key_)));
}

void TVrekCle::BtDonneClick() {
    if (!key_ || !ws_.fileOpen()) return;
    const int n = ws_.currentDeal();
    if (ws_.series().deal(n).complete()) {
        pf_.information(this, QStringLiteral("La donne %1 est complète : rien à distribuer.").arg(n));
        return;
    }
    if (dealer_.dealCurrentBoardWith(*key_)) ranWith();
}

void TVrekCle::BtSerieClick() {
    if (!key_ || !ws_.fileOpen()) return;
    dealer_.n3ClickWith(*key_);
    ranWith();
}

std::string TVrekCle::fingerprint(bool ask) {
    if (!key_ && ask) BtChoisirClick();
    return key_ ? fingerprintOf(*key_) : std::string();
}
