#include "dealing/vrekcon.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QTabBar>
#include <algorithm>

#include "platform/platform.h"
#include "core/workspace.h"
#include "platform/widgets.h"

using namespace vrek;

namespace {
// Rows from the top: spades, hearts, diamonds, clubs, then the whole hand.
int rowOfByte(int byte) {
    if (byte < 4) return 4;
    int suit = (byte - 4) / 4 + 1;
    return 4 - suit;
}
// Columns: points minimum, points maximum, length minimum, length maximum.
int columnOfByte(int byte) { return byte < 4 ? byte : (byte - 4) % 4; }

void paint(QWidget *l, const QColor &bg) {
    QPalette p = l->palette();
    p.setColor(QPalette::Window, bg);
    p.setColor(QPalette::Base, bg);
    l->setPalette(p);
    l->setAutoFillBackground(true);
}
}  // namespace

TContraint::TContraint(vrek::Workspace &ws, Platform &pf, QWidget *parent)
    : QDialog(parent), ws_(ws), pf_(pf), t_(ws.constraints()) {
    setObjectName("Contraint");
    setWindowTitle(QStringLiteral("Contraintes de distribution"));
    setFixedSize(420, 330);

    Niveau = new QTabBar(this);
    Niveau->setObjectName("Niveau");
    Niveau->setToolTip(QStringLiteral("Niveaux des Contraintes"));
    Niveau->setGeometry(10, 8, 400, 26);
    Niveau->setExpanding(false);
    Joueur = new QTabBar(this);
    Joueur->setObjectName("Joueur");
    Joueur->setToolTip(QStringLiteral("Caractèristiques de chaque main"));
    Joueur->setGeometry(10, 40, 400, 26);
    for (int i = 0; i < kSeatTabs; ++i) Joueur->addTab(QString::fromUtf8(seatTabCaption(i)));

    auto *points = new QLabel(QStringLiteral("Nombre de points"), this);
    points->setObjectName("LbPoints");
    points->setGeometry(60, 76, 150, 18);
    auto *cards = new QLabel(QStringLiteral("Nombre de cartes"), this);
    cards->setObjectName("LbCartes");
    cards->setGeometry(230, 76, 150, 18);

    const char *names[4] = {"Pique", "Coeur", "Carreau", "Trefle"};
    QLabel **heads[4] = {&Pique, &Coeur, &Carreau, &Trefle};
    for (int i = 0; i < 4; ++i) {
        QLabel *h = new QLabel(this);
        h->setObjectName(names[i]);
        h->setGeometry(20, 100 + i * 34, 30, 26);
        *heads[i] = h;
    }
    auto *hand = new QLabel(QStringLiteral("Main"), this);
    hand->setObjectName("LbMain");
    hand->setGeometry(14, 100 + 4 * 34 + 4, 40, 20);

    for (int i = 0; i < kConstraintFields; ++i) {
        const ConstraintField &f = constraintField(i);
        const int col = columnOfByte(f.byte);
        const int x = col >= 2 ? 230 + (col - 2) * 85 : 60 + col * 85;
        int y = 100 + rowOfByte(f.byte) * 34;
        // Typed, or stepped with the arrows (the keyboard's too).
        auto *v = new QLineEdit(this);
        v->setObjectName(f.label);
        v->setAlignment(Qt::AlignCenter);
        v->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,3}")), v));
        v->setGeometry(x, y, 34, 24);
        v->installEventFilter(this);
        paint(v, Qt::white);
        auto *u = new UpDown(this);
        u->setObjectName(f.updown);
        u->setToolTip(QString::fromUtf8(f.hint));
        u->setGeometry(x + 36, y, 16, 24);
        // Tab goes from value to value, not through the arrows.
        u->upButton()->setFocusPolicy(Qt::NoFocus);
        u->downButton()->setFocusPolicy(Qt::NoFocus);
        const int byte = f.byte;
        connect(u, &UpDown::clicked, this, [this, byte](int delta) {
            settle();
            stepValue(t_.edited(), byte, delta);
            refresh();
        });
        connect(v, &QLineEdit::textEdited, this, [this, i](const QString &t) { typed(i, t); });
        connect(v, &QLineEdit::editingFinished, this, [this] {
            settle();
            refresh();
        });
        value[i] = v;
        updown[i] = u;
    }
    // Tab follows the rows as they are shown: spades to clubs, then the hand.
    std::vector<int> order(kConstraintFields);
    for (int i = 0; i < kConstraintFields; ++i) order[i] = i;
    std::sort(order.begin(), order.end(), [](int a, int b) {
        const int ba = constraintField(a).byte, bb = constraintField(b).byte;
        return std::pair(rowOfByte(ba), columnOfByte(ba)) < std::pair(rowOfByte(bb), columnOfByte(bb));
    });
    for (int k = 1; k < kConstraintFields; ++k) setTabOrder(value[order[k - 1]], value[order[k]]);

    cmi = new QLabel(QStringLiteral("14"), this);
    cmi->setObjectName("cmi");
    cmi->setGeometry(230, 100 + 4 * 34 + 4, 30, 20);
    cma = new QLabel(QStringLiteral("12"), this);
    cma->setObjectName("cma");
    cma->setGeometry(315, 100 + 4 * 34 + 4, 30, 20);
    for (QLabel *w : {cmi, cma}) {
        QPalette p = w->palette();
        p.setColor(QPalette::WindowText, Qt::red);
        w->setPalette(p);
        w->hide();
    }

    auto button = [this](const char *name, const char *caption, const char *hint, int x, int y) {
        auto *b = new QPushButton(QString::fromUtf8(caption), this);
        b->setObjectName(name);
        if (hint) b->setToolTip(QString::fromUtf8(hint));
        b->setGeometry(x, y, 128, 26);
        return b;
    };
    Plus = button("Plus", "Plus de contrainte", "Augmente le nombre de main qui peuvent répondre", 10, 262);
    Moins = button("Moins", "Moins de contrainte", "Diminue le nombre de main qui peuvent répondre", 146, 262);
    Initialiser = button("Initialiser", "Initialiser",
                         "Ré-initialise tous les niveaux de contraintes de toutes les mains", 282, 262);
    Button1 = button("Button1", "Ouvrir", "Ouvre un fichier de contraintes", 10, 294);
    Button3 = button("Button3", "Enregistrer", "Mémorise dans un un fichier les contraintes", 146, 294);
    Button2 = button("Button2", "Quitter", nullptr, 282, 294);

    // A typed value is settled before anything else reads the table or shows another record.
    for (QPushButton *b : {Plus, Moins, Initialiser, Button1, Button3, Button2})
        connect(b, &QPushButton::pressed, this, [this] { settle(); });
    connect(Plus, &QPushButton::clicked, this, [this] { plusClick(); });
    connect(Moins, &QPushButton::clicked, this, [this] { moinsClick(); });
    connect(Initialiser, &QPushButton::clicked, this, [this] { initialiserClick(); });
    connect(Button1, &QPushButton::clicked, this, [this] { ouvrirClick(); });
    connect(Button3, &QPushButton::clicked, this, [this] { enregistrerClick(); });
    connect(Button2, &QPushButton::clicked, this, &QDialog::hide);
    connect(Niveau, &QTabBar::currentChanged, this, [this](int i) {
        if (building_ || i < 0) return;
        settle();
        t_.editSet = static_cast<uint8_t>(i + 1);
        refresh();
    });
    connect(Joueur, &QTabBar::currentChanged, this, [this](int i) {
        if (building_ || i < 0) return;
        settle();
        t_.editSeat = static_cast<uint8_t>(seatOfTab(i));
        refresh();
    });

}

void TContraint::openEditor() {
    activate();
    show();
    raise();
}

void TContraint::initialiseAllClick() {
    settle();
    t_.initialiseAll();
    ws_.notify(vrek::ChangeConstraints);
    if (isVisible()) activate();
}

void TContraint::showEvent(QShowEvent *e) {
    if (QScreen *s = QGuiApplication::primaryScreen()) move(s->availableGeometry().center() - rect().center());
    QDialog::showEvent(e);
}

void TContraint::rebuildLevels() {
    building_ = true;
    while (Niveau->count() > 0) Niveau->removeTab(0);
    for (int k = 1; k <= t_.activeSets(); ++k) Niveau->addTab(QString::number(k));
    Niveau->setCurrentIndex(t_.editSet - 1);
    building_ = false;
}

void TContraint::activate() {
    // Suit headings: the suit signs, hearts and diamonds in red.
    const char16_t signs[4] = {0x2660, 0x2665, 0x2666, 0x2663};
    QLabel *heads[4] = {Pique, Coeur, Carreau, Trefle};
    for (int i = 0; i < 4; ++i) {
        heads[i]->setText(QString(QChar(signs[i])));
        QFont f(QStringLiteral("DejaVu Sans"), 16);
        heads[i]->setFont(f);
        QPalette p = heads[i]->palette();
        p.setColor(QPalette::WindowText, i == 1 || i == 2 ? Qt::red : Qt::black);
        heads[i]->setPalette(p);
    }
    if (t_.editSet < 1 || t_.editSet > t_.activeSets()) t_.editSet = static_cast<uint8_t>(t_.activeSets());
    rebuildLevels();
    building_ = true;
    Joueur->setCurrentIndex(tabOfSeat(t_.editSeat));
    building_ = false;
    refresh();
}

void TContraint::typed(int field, const QString &text) {
    // The field shows what the table holds at every keystroke: "1" on the way
    // to "15" is stored as 1, even below the minimum of a maximum; the pair's
    // order is settled when the field is left, as the arrows keep it.
    const int byte = constraintField(field).byte;
    const int stored = typeValue(t_.edited(), byte, text.toInt());
    typing_ = field;
    refresh(field);
    const QString shown = QString::number(stored);
    if (text != shown) {
        value[field]->setText(shown);
        // Emptied, or past the field's top (not a mere leading zero): the
        // stored value is selected so that the next digits replace it.
        if (text.isEmpty() || text.toInt() != stored) value[field]->selectAll();
    }
}

void TContraint::settle() {
    if (typing_ < 0) return;
    const int byte = constraintField(typing_).byte;
    typing_ = -1;
    setValue(t_.edited(), byte, t_.edited()[byte]);
    refresh();
}

void TContraint::hideEvent(QHideEvent *e) {
    settle();
    QDialog::hideEvent(e);
}

bool TContraint::eventFilter(QObject *watched, QEvent *e) {
    if (e->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(e)->key();
        for (int i = 0; i < kConstraintFields; ++i)
            if (watched == value[i] && (key == Qt::Key_Up || key == Qt::Key_Down)) {
                updown[i]->click(key == Qt::Key_Up ? +1 : -1);
                value[i]->selectAll();
                return true;
            }
    }
    return QDialog::eventFilter(watched, e);
}

void TContraint::refresh(int typing) {
    const ConstraintRecord &r = t_.edited();
    for (int i = 0; i < kConstraintFields; ++i) {
        int byte = constraintField(i).byte;
        ValueBounds b = boundsOf(r, byte);
        if (i != typing) value[i]->setText(QString::number(r[byte]));
        updown[i]->setRange(b.lo, b.hi);
        updown[i]->setPosition(r[byte]);
    }
    ConstraintWarnings w = warningsOf(r);
    cmi->setVisible(w.minLengths);
    cma->setVisible(w.maxLengths);
    paint(value[kConstraintFields - 2], w.minPoints ? Qt::red : Qt::white);  // pmi
    paint(value[kConstraintFields - 1], w.maxPoints ? Qt::red : Qt::white);  // pma
}

void TContraint::plusClick() {
    if (!addSet(t_)) return;
    rebuildLevels();
    refresh();
}

void TContraint::moinsClick() {
    if (!removeSet(t_)) return;
    rebuildLevels();
    refresh();
}

void TContraint::initialiserClick() {
    initialiseEditedSet(t_);
    building_ = true;
    Joueur->setCurrentIndex(tabOfSeat(3));
    building_ = false;
    refresh();
}

void TContraint::ouvrirClick() {
    FileDialogOptions o;
    o.title = QStringLiteral("Ouverture d'un fichier de contraintes");
    o.defaultSuffix = "vrc";
    o.filter = "VRC|*.vrc";
    QString name = pf_.openFileName(this, o);
    if (name.isEmpty()) return;
    std::string e = openConstraints(name.toStdString(), t_);
    if (!e.empty()) {
        pf_.error(this, QString::fromStdString(e));
        return;
    }
    activate();
}

void TContraint::enregistrerClick() {
    FileDialogOptions o;
    o.title = QStringLiteral("Enregistrement d'un fichier de contraintes");
    o.defaultSuffix = "vrc";
    o.filter = "VRC|*.vrc";
    o.overwritePrompt = true;
    QString name = pf_.saveFileName(this, o);
    if (name.isEmpty()) return;
    std::string e = saveConstraints(name.toStdString(), t_);
    if (!e.empty()) pf_.error(this, QString::fromStdString(e));
    refresh();
}
