#include "stats/VrekMod.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>

#include "platform/widgets.h"
#include "stats/statistics.h"

using namespace vrek::stats;

SplitGrid::SplitGrid(QWidget *parent) : QWidget(parent) { setFixedSize(kSplitRows * kCell + 1, kSplitRows * kCell + 1); }

void SplitGrid::setCells(const uint8_t (*cells)[kSplitRows]) {
    cells_ = cells;
    update();
}

void SplitGrid::setCurrent(int row, int column) {
    row_ = row;
    col_ = column;
}

bool SplitGrid::cellAt(const QPoint &p, int &row, int &column) {
    if (p.x() < 0 || p.y() < 0) return false;
    row = p.y() / kCell;
    column = p.x() / kCell;
    return row < kSplitRows && column < kSplitRows;
}

void SplitGrid::paintEvent(QPaintEvent *) {
    QPainter p(this);
    const QColor green(0, 128, 0);
    p.fillRect(rect(), green);
    for (int r = 0; r < kSplitRows; ++r)
        for (int c = 0; c < kSplitRows; ++c) {
            // The cell less 3 pixels on the right and bottom, filled and outlined.
            const QRect box(c * kCell + 1, r * kCell + 1, kCell - 3, kCell - 3);
            switch (cell(r, c)) {
            case Counted:
                p.setPen(Qt::black);
                p.setBrush(Qt::black);
                break;
            case NotCounted:
                p.setPen(Qt::black);
                p.setBrush(Qt::white);
                break;
            default:
                p.setPen(green);
                p.setBrush(green);
                break;
            }
            p.drawRect(box);
        }
}

void SplitGrid::mousePressEvent(QMouseEvent *e) {
    int r, c;
    if (cellAt(e->position().toPoint(), r, c)) emit cellPressed(r, c, e->button());
}

namespace {

QLabel *label(QWidget *parent, const char *name, const QString &text, int x, int y, int w) {
    auto *l = new QLabel(text, parent);
    if (name) l->setObjectName(name);
    l->setGeometry(x, y, w, 20);
    return l;
}

UpDown *upDown(QWidget *parent, const char *name, int lo, int hi, int x, int y) {
    auto *u = new UpDown(parent);
    u->setObjectName(name);
    u->setRange(lo, hi);
    u->setGeometry(x, y, 18, 30);
    return u;
}

QLineEdit *field(QWidget *parent, const char *name, int x, int y, int w) {
    auto *e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setReadOnly(true);
    e->setAlignment(Qt::AlignRight);
    e->setGeometry(x, y, w, 24);
    return e;
}

}  // namespace

TVrekFMod::TVrekFMod(vrek::Workspace &, Platform &, QWidget *parent) : QDialog(parent) {
    setObjectName("VrekFMod");
    setWindowTitle(QStringLiteral("Approche de la meilleure ligne de jeu"));
    setFixedSize(600, 560);

    TabControl1 = new QTabBar(this);
    TabControl1->setObjectName("TabControl1");
    TabControl1->setGeometry(8, 8, 584, 28);
    for (const char *t : {"Première condition", " Deuxième  ", " Troisième  ", " Quatième  ", "Cinquième ", "  Sixième  "})
        TabControl1->addTab(QString::fromUtf8(t));
    TabControl1->setExpanding(false);

    label(this, nullptr, QStringLiteral("Cartes possédées dans la ligne:"), 20, 50, 200);
    Carte = label(this, "Carte", {}, 220, 50, 30);
    UpCarte = upDown(this, "UpCarte", 1, 12, 250, 45);
    label(this, nullptr, QStringLiteral("<-Cartes connues->"), 195, 90, 130)->setAlignment(Qt::AlignCenter);
    CarteGauche = label(this, "CarteGauche", {}, 140, 90, 30);
    UpGauche = upDown(this, "UpGauche", 0, 13, 170, 85);
    CarteDroite = label(this, "CarteDroite", {}, 335, 90, 30);
    UpDroit = upDown(this, "UpDroit", 0, 13, 365, 85);
    Label3 = label(this, "Label3", {}, 20, 124, 320);

    Choix = new QGroupBox(this);
    Choix->setObjectName("Choix");
    Choix->setGeometry(480, 42, 100, 96);
    choixGroup_ = new QButtonGroup(this);
    const char *modes[3] = {"Inactif", "Et", "Ou"};
    for (int k = 0; k < 3; ++k) {
        ChoixItem[k] = new QRadioButton(QString::fromUtf8(modes[k]), Choix);
        ChoixItem[k]->setGeometry(12, 12 + 26 * k, 80, 22);
        choixGroup_->addButton(ChoixItem[k], k);
    }
    connect(choixGroup_, &QButtonGroup::idClicked, this, &TVrekFMod::modeClick);

    RepGauche = new SplitGrid(this);
    RepGauche->setObjectName("RepGauche");
    RepGauche->move(60, 154);
    RepDroit = new SplitGrid(this);
    RepDroit->setObjectName("RepDroit");
    RepDroit->move(340, 154);
    connect(RepGauche, &SplitGrid::cellPressed, this,
            [this](int r, int c, Qt::MouseButton b) { cardPress(false, r, c, b); });
    connect(RepDroit, &SplitGrid::cellPressed, this,
            [this](int r, int c, Qt::MouseButton b) { cardPress(true, r, c, b); });
    Button1 = new QPushButton(QStringLiteral("Placé"), this);
    Button1->setObjectName("Button1");
    Button1->setGeometry(110, 354, 90, 26);
    Button2 = new QPushButton(QStringLiteral("Placé"), this);
    Button2->setObjectName("Button2");
    Button2->setGeometry(390, 354, 90, 26);
    connect(Button1, &QPushButton::clicked, this, [this] { placeClick(false); });
    connect(Button2, &QPushButton::clicked, this, [this] { placeClick(true); });

    label(this, nullptr, QStringLiteral("Entrant"), 60, 396, 100);
    label(this, nullptr, QStringLiteral("Local"), 240, 396, 100);
    label(this, nullptr, QStringLiteral("Sortant"), 420, 396, 100);
    PourcEntrant = field(this, "PourcEntrant", 60, 418, 110);
    PourcLocal = field(this, "PourcLocal", 240, 418, 110);
    PourcSortant = field(this, "PourcSortant", 420, 418, 110);
    label(this, nullptr, QStringLiteral("Chances du contrât :"), 60, 468, 150);
    resultat = field(this, "resultat", 240, 466, 110);

    ButEt = new QPushButton(QStringLiteral("&Initialiser"), this);
    ButEt->setObjectName("ButEt");
    ButEt->setGeometry(380, 520, 100, 28);
    Plus = new QPushButton(QStringLiteral("&Quitter"), this);
    Plus->setObjectName("Plus");
    Plus->setGeometry(490, 520, 100, 28);
    connect(ButEt, &QPushButton::clicked, this, &TVrekFMod::ButEtClick);
    connect(Plus, &QPushButton::clicked, this, &QWidget::hide);

    connect(TabControl1, &QTabBar::currentChanged, this, &TVrekFMod::selectTab);
    connect(UpCarte, &UpDown::clicked, this, [this](int d) { upDownClick(UpCarte, d); });
    connect(UpGauche, &UpDown::clicked, this, [this](int d) { upDownClick(UpGauche, d); });
    connect(UpDroit, &UpDown::clicked, this, [this](int d) { upDownClick(UpDroit, d); });
    ButEtClick();
}

void TVrekFMod::selectTab(int c) {
    if (c < 0 || c >= kConditions) return;
    tab_ = c;
    if (TabControl1->currentIndex() != c) TabControl1->setCurrentIndex(c);
    refresh();
}

void TVrekFMod::upDownClick(UpDown *u, int delta) {
    const int before = u->position();
    u->setPosition(before + delta);
    if (u->position() == before) return;
    if (u == UpCarte) line_.setHeld(tab_, u->position());
    else if (u == UpGauche) line_.setKnownLeft(tab_, u->position());
    else line_.setKnownRight(tab_, u->position());
    refresh();
}

void TVrekFMod::cardPress(bool rightGrid, int row, int column, Qt::MouseButton button) {
    if (button != Qt::LeftButton) return;
    line_.clickCard(tab_, rightGrid, row, column);
    refresh();
}

void TVrekFMod::placeClick(bool rightGrid) {
    line_.place(tab_, rightGrid);
    refresh();
}

void TVrekFMod::modeClick(int mode) {
    line_.setMode(tab_, static_cast<ConditionMode>(std::clamp(mode, 0, 2)));
    refresh();
}

void TVrekFMod::ButEtClick() {
    line_.reset();
    tab_ = 0;
    TabControl1->setCurrentIndex(0);
    refresh();
}

void TVrekFMod::refresh() {
    const std::string dp = QLocale().decimalPoint().toStdString();
    const Condition &k = line_.condition(tab_);
    PourcEntrant->setText(QString::fromStdString(fixed(k.incoming * 100, 3, dp)));
    PourcLocal->setText(QString::fromStdString(fixed(k.local * 100, 3, dp)));
    PourcSortant->setText(QString::fromStdString(fixed(k.outgoing * 100, 3, dp)));
    PourcEntrant->setEnabled(tab_ > 0);
    resultat->setText(QString::fromStdString(resultText(line_.result(), dp)));
    ChoixItem[std::clamp(int(k.mode), 0, 2)]->setChecked(true);
    UpCarte->setPosition(13 - k.missing);
    UpGauche->setPosition(k.knownLeft);
    UpDroit->setPosition(k.knownRight);
    Carte->setText(QString::number(UpCarte->position()));
    CarteGauche->setText(QString::number(k.knownLeft));
    CarteDroite->setText(QString::number(k.knownRight));
    Label3->setText(QString::fromStdString(missingText(k.missing)));
    RepGauche->setCells(k.left);
    RepDroit->setCells(k.right);
    RepGauche->setCurrent(kSplitRows - 1, 0);
    RepDroit->setCurrent(kSplitRows - 1, kSplitRows - 1);
}
