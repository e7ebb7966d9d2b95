// The deal panel: the four hands, the undealt pack, points, vulnerability,
// the deal buttons, and what clicks on the cards do.
#include <QAction>
#include <QFontMetrics>
#include <QFrame>
#include <QSpinBox>

#include "app/vrekhp.h"
#include "core/dealview.h"
#include "platform/uiutil.h"

using namespace vrek;

namespace {

// Prefixes of seats and suffixes of suits in control names.
const char *const kSeatPrefix[4] = {"No", "Es", "Su", "Ou"};
const char *const kSuitSuffix[4] = {"Tr", "Ca", "Co", "Pi"};
// Glyph label names: [seat-1][suit-1].
const char *const kGlyphName[4][4] = {{"TN", "KN", "CN", "PN"},
                                      {"TE", "KE", "CE", "PE"},
                                      {"TS", "KS", "CS", "PS"},
                                      {"TOU", "KO", "CO", "PO"}};
const char *const kPackName[4] = {"trefle", "Carreau", "Coeur", "Pique"};
const char *const kPackGlyph[4] = {"TT", "KT", "CT", "PT"};
// Suit signs on screen.
const QString kSuitSign[4] = {QString(QChar(0x2663)), QString(QChar(0x2666)), QString(QChar(0x2665)),
                              QString(QChar(0x2660))};
const char *const kPointsName[4] = {"PointsN", "PointsE", "PointsS", "PointsO"};
const char *const kPointsHint[4] = {"Points Honneurs Longueurs de Nord", "Points Honneurs Longueurs d'Est",
                                    "Points Honneurs Longueurs de Sud", "Points Honneurs Longueurs d'Ouest"};
const char *const kVulName[4] = {"VulN", "VulE", "VulS", "VulO"};
const char *const kSeatText[4] = {"N", "E", "S", "O"};

// Designed geometry of the deal panel (350 x 419 units): top-left of each
// seat's block of four labels, spades first.
const int kBlockX[4] = {128, 236, 128, 6};
const int kBlockY[4] = {6, 128, 222, 128};
const int kRowH = 17;
const int kHandW = 100;

bool suitIsRed(int suit) { return suit == Diamonds || suit == Hearts; }

vrek::Button buttonOf(Qt::MouseButton b) {
    if (b == Qt::RightButton) return vrek::Button::Right;
    if (b == Qt::MiddleButton) return vrek::Button::Middle;
    return vrek::Button::Left;
}

}  // namespace

void TForm1::buildDealPanel() {
    QFont courier("Courier New", 10);
    courier.setStyleHint(QFont::TypeWriter);
    for (int seat = 1; seat <= 4; ++seat)
        for (int suit = 1; suit <= 4; ++suit) {
            auto *l = new ClickLabel(Table);
            l->setObjectName(QString(kSeatPrefix[seat - 1]) + kSuitSuffix[suit - 1]);
            l->setToolTip(QStringLiteral("Cliquer pour enlever une carte"));
            l->setFont(courier);
            l->setContextMenuPolicy(Qt::PreventContextMenu);
            ui::setColours(l, ui::kWhite, Qt::black);
            hand[seat - 1][suit - 1] = l;
            connect(l, &ClickLabel::pressed, this, [this, seat, suit](int x, Qt::MouseButton b) {
                emit handPressed(seat, suit, x, b);
                handPressedAt(seat, suit, x, b);
            });
            auto *g = new QLabel(kSuitSign[suit - 1], Table);
            g->setObjectName(kGlyphName[seat - 1][suit - 1]);
            g->setAlignment(Qt::AlignCenter);
            g->setAttribute(Qt::WA_TransparentForMouseEvents);
            ui::setColours(g, ui::kWhite, suitIsRed(suit) ? ui::kRed : QColor(Qt::black));
            handGlyph[seat - 1][suit - 1] = g;
        }
    for (int seat = 1; seat <= 4; ++seat) {
        auto *p = new QLabel(Table);
        p->setObjectName(kPointsName[seat - 1]);
        p->setToolTip(QString::fromUtf8(kPointsHint[seat - 1]));
        ui::setColours(p, QColor(), ui::kWhite);
        points[seat - 1] = p;
    }
    Panel1 = ui::panel(Table, "Panel1");
    ui::setColours(Panel1, QColor(192, 192, 192), Qt::black);
    Panel1Caption = new QLabel(Panel1);
    Panel1Caption->setObjectName("Panel1Caption");
    Panel1Caption->setAlignment(Qt::AlignCenter);
    for (int seat = 1; seat <= 4; ++seat) {
        auto *v = new QLabel(kSeatText[seat - 1], Panel1);
        v->setObjectName(kVulName[seat - 1]);
        v->setAlignment(Qt::AlignCenter);
        ui::setColours(v, ui::kGreen, Qt::black);
        vul[seat - 1] = v;
    }
    Panel2 = ui::panel(Table, "Panel2");
    ui::setColours(Panel2, ui::kGreen, Qt::black);
    for (int suit = 1; suit <= 4; ++suit) {
        auto *l = new ClickLabel(Panel2);
        l->setObjectName(kPackName[suit - 1]);
        l->setToolTip(QStringLiteral("Cliquer sur la carte à distribuer"));
        l->setFont(courier);
        l->setContextMenuPolicy(Qt::PreventContextMenu);
        ui::setColours(l, ui::kWhite, Qt::black);
        pack[suit - 1] = l;
        connect(l, &ClickLabel::pressed, this,
                [this, suit](int x, Qt::MouseButton b) {
                    emit packPressed(suit, x, b);
                    packPressedAt(suit, x, b);
                });
        auto *g = new QLabel(kSuitSign[suit - 1], Panel2);
        g->setObjectName(kPackGlyph[suit - 1]);
        g->setAlignment(Qt::AlignCenter);
        g->setAttribute(Qt::WA_TransparentForMouseEvents);
        ui::setColours(g, ui::kWhite, suitIsRed(suit) ? ui::kRed : QColor(Qt::black));
        packGlyph[suit - 1] = g;
    }
    const QString sideHint = QStringLiteral("Points Honneurs Longueurs - Points Distributions Soutiens");
    Panel3 = ui::panel(Table, "Panel3");
    Panel4 = ui::panel(Table, "Panel4");
    Label2 = new QLabel(QStringLiteral("N S"), Panel3);
    Label2->setObjectName("Label2");
    PoinsNS = new QLabel(Panel3);
    PoinsNS->setObjectName("PoinsNS");
    Label3 = new QLabel(QStringLiteral("E O"), Panel4);
    Label3->setObjectName("Label3");
    PointsEO = new QLabel(Panel4);
    PointsEO->setObjectName("PointsEO");
    for (QWidget *w : {static_cast<QWidget *>(Panel3), static_cast<QWidget *>(Panel4),
                       static_cast<QWidget *>(PoinsNS), static_cast<QWidget *>(PointsEO)})
        w->setToolTip(sideHint);

    auto button = [this](const char *name, const char *caption, const char *hint) {
        auto *b = new QPushButton(QString::fromUtf8(caption), Table);
        b->setObjectName(name);
        if (hint) b->setToolTip(QString::fromUtf8(hint));
        b->setEnabled(false);
        return b;
    };
    Inverser = button("Inverser", "Inverser", "Inverser le jeu de Sud avec celui de Nord");
    Rotation = button("Rotation", "Rotation", "Faire tourner les jeux");
    Distribution = button("Distribution", "Distribution", "Distribuer le reste des cartes");
    Nouvelle = button("Nouvelle", "Effacer", "Enlever les cartes de la table");
    BtClavier = button("BtClavier", "Saisie Clavier", nullptr);

    auto onDeal = [this](void (*op)(Deal &)) { ws_.editDeal(op); };
    connect(Inverser, &QPushButton::clicked, this, [onDeal] { onDeal(swapNorthSouth); });
    connect(Rotation, &QPushButton::clicked, this, [onDeal] { onDeal(rotate); });
    connect(Nouvelle, &QPushButton::clicked, this, [onDeal] { onDeal([](Deal &d) { d.clear(); }); });
    connect(Distribution, &QPushButton::clicked, this, [this] {
        if (!ws_.fileOpen() || ws_.currentDeal() < 1) return;
        if (Distribution->text() == QStringLiteral("Distribution")) {
            if (distribute) distribute();
        } else if (verify) {
            verify();
        }
    });
    connect(BtClavier, &QPushButton::clicked, this, [this] {
        if (keyboardEntry) keyboardEntry();
    });
}

void TForm1::layoutDealPanel() {
    for (int seat = 1; seat <= 4; ++seat) {
        for (int suit = 4; suit >= 1; --suit) {
            int row = 4 - suit;
            int x = kBlockX[seat - 1], y = kBlockY[seat - 1] + row * kRowH;
            place(hand[seat - 1][suit - 1], x, y, kHandW, kRowH - 1, 10);
            // The glyph covers the suit letter: one character of the hand font.
            int w = QFontMetrics(hand[seat - 1][suit - 1]->font()).horizontalAdvance('X');
            QLabel *g = handGlyph[seat - 1][suit - 1];
            g->setGeometry(hand[seat - 1][suit - 1]->x(), hand[seat - 1][suit - 1]->y(), w + 1,
                           hand[seat - 1][suit - 1]->height());
            QFont gf("DejaVu Sans");
            gf.setPointSizeF(std::max(1.0, 9 * sx_));
            g->setFont(gf);
            g->raise();
        }
    }
    place(points[0], 232, 6, 40, 16, 9);
    place(points[1], 236, 108, 40, 16, 9);
    place(points[2], 232, 222, 40, 16, 9);
    place(points[3], 6, 108, 40, 16, 9);
    place(Panel1, 132, 98, 90, 106);
    place(Panel1Caption, 20, 30, 50, 46, 14);
    place(vul[0], 36, 2, 18, 18, 10);
    place(vul[1], 70, 44, 18, 18, 10);
    place(vul[2], 36, 86, 18, 18, 10);
    place(vul[3], 2, 44, 18, 18, 10);
    for (QLabel *v : vul) {
        QFont f = v->font();
        f.setBold(true);
        v->setFont(f);
    }
    place(Panel2, 6, 300, 232, 80);
    for (int suit = 4; suit >= 1; --suit) {
        int row = 4 - suit;
        place(pack[suit - 1], 4, 3 + row * 19, 222, 17, 10);
        int w = QFontMetrics(pack[suit - 1]->font()).horizontalAdvance('X');
        packGlyph[suit - 1]->setGeometry(pack[suit - 1]->x(), pack[suit - 1]->y(), w + 1, pack[suit - 1]->height());
        QFont gf("DejaVu Sans");
        gf.setPointSizeF(std::max(1.0, 9 * sx_));
        packGlyph[suit - 1]->setFont(gf);
        packGlyph[suit - 1]->raise();
    }
    place(Panel3, 244, 300, 100, 38);
    place(Label2, 4, 2, 90, 16, 8);
    place(PoinsNS, 4, 19, 90, 16, 9);
    place(Panel4, 244, 342, 100, 38);
    place(Label3, 4, 2, 90, 16, 8);
    place(PointsEO, 4, 19, 90, 16, 9);
    place(Inverser, 4, 388, 60, 26, 8);
    place(Rotation, 66, 388, 60, 26, 8);
    place(Distribution, 128, 388, 72, 26, 8);
    place(Nouvelle, 202, 388, 56, 26, 8);
    place(BtClavier, 260, 388, 86, 26, 8);

}

void TForm1::showDealControls(bool on) {
    for (auto &row : hand)
        for (auto *l : row) l->setVisible(on);
    for (auto &row : handGlyph)
        for (auto *l : row) l->setVisible(on);
    for (auto *l : pack) l->setVisible(on);
    for (auto *l : packGlyph) l->setVisible(on);
    for (QWidget *w : std::initializer_list<QWidget *>{Titre, Theme, Contrat, Attaquant, Defense, Encheres,
                                                       Provenance, UpAttaquant, UpDefense, UpEncheres, EdAttaquant,
                                                       EdDefense, EdEncheres, BtEncheres})
        w->setVisible(on);
    if (!on) {
        for (auto *p : points) p->hide();
        PoinsNS->hide();
        PointsEO->hide();
    }
}

void TForm1::showDeal() {
    const int n = ws_.currentDeal();
    if (n < 1 || n > kBoards || !ws_.fileOpen()) return;
    // 1. Show.
    Panel1Caption->setText(QString::number(n));
    {
        QSignalBlocker b(ScrollBar1);
        ScrollBar1->setValue(n);
    }
    ScrollBar1->show();
    {
        QSignalBlocker b(EdDonne);
        EdDonne->setValue(n);
    }
    {
        QSignalBlocker b(EdSoiree);
        EdSoiree->setValue(ws_.settings().nombreDonnes);
    }
    LbDonne->show();
    EdDonne->show();
    EdSoiree->show();
    action("Permutation")->setText(QStringLiteral("&Permutation du diagramme ") + QString::number(n));
    showDealControls(true);
    for (QPushButton *b : {Inverser, Rotation, Nouvelle, BtClavier}) b->setEnabled(true);
    Distribution->setText(QStringLiteral("Vérification"));
    for (auto *p : points) p->hide();
    PoinsNS->hide();
    PointsEO->hide();
    for (QLabel *v : vul) ui::setColours(v, ui::kGreen, Qt::black);

    // 2. The deal.
    DealView v = viewOf(ws_.series().deal(n), n, ws_.entryCursor());
    if (v.damaged) {
        // A damaged record cannot be shown: empty its hands, as "Effacer" does.
        // The model shows the emptied deal again when it tells of the change.
        ws_.editDeal([](Deal &d) { d.clear(); });
        return;
    }
    for (int seat = 1; seat <= 4; ++seat)
        for (int suit = 1; suit <= 4; ++suit) {
            ClickLabel *l = hand[seat - 1][suit - 1];
            l->setText(QString::fromLatin1(v.hand[seat - 1][suit - 1]));
            ui::setColours(l, v.handHighlighted[seat - 1][suit - 1] ? ui::kYellow : ui::kWhite, Qt::black);
            l->setMarked(-1);
        }
    // The card waiting for an exchange is framed in its hand.
    if (const PendingExchange &p = ws_.pending(); p.active) {
        const Holding &h = ws_.series().deal(n).holding(p.seat, p.suit);
        for (int k = 1; k <= std::min<int>(h.count, kMaxHolding); ++k)
            if (h.rank(k) == p.rank) hand[p.seat - 1][p.suit - 1]->setMarked(k + 1);
    }
    for (int suit = 1; suit <= 4; ++suit) {
        pack[suit - 1]->setText(QString::fromLatin1(v.pack[suit - 1]));
        ui::setColours(pack[suit - 1], v.packHighlighted[suit - 1] ? ui::kYellow : ui::kWhite, Qt::black);
    }
    if (v.complete) {
        BtClavier->setEnabled(false);
        Distribution->setText(QStringLiteral("Vérification"));
    } else {
        Distribution->setText(QStringLiteral("Distribution"));
        BtClavier->setEnabled(true);
    }
    // e. Vulnerability: the vulnerable side's letters in red.
    for (int seat = 1; seat <= 4; ++seat) {
        bool ns = seat == North || seat == South;
        bool red = ns ? v.nsVul : v.ewVul;
        ui::setColours(vul[seat - 1], ui::kGreen, red ? ui::kRed : QColor(Qt::black));
    }
    // f. Hand points.
    for (int seat = 1; seat <= 4; ++seat) {
        points[seat - 1]->setText(QString::number(v.points[seat - 1]));
        points[seat - 1]->setVisible(v.points[seat - 1] > 0);
    }
    // g. The dealer's letter loses its green background.
    {
        QLabel *d = vul[v.dealer - 1];
        ui::setColours(d, QColor(), d->palette().color(QPalette::WindowText));
    }
    // h. Side totals.
    PoinsNS->setText(QString::fromStdString(v.ns.text()));
    PoinsNS->setVisible(v.ns.total() > 0);
    PointsEO->setText(QString::fromStdString(v.ew.text()));
    PointsEO->setVisible(v.ew.total() > 0);
    Panel3->setVisible(true);
    Panel4->setVisible(true);
}

int TForm1::charWidth() const { return QFontMetrics(hand[0][0]->font()).horizontalAdvance('X'); }

void TForm1::packPressedAt(int suit, int x, Qt::MouseButton) {
    if (!ws_.fileOpen() || ws_.currentDeal() < 1) return;
    const bool waiting = ws_.pending().active;
    ws_.cancelPendingExchange();
    const int c = pack[suit - 1]->charAt(x);
    if (!ws_.editDeal([&](Deal &d) { packClick(d, suit, c, 1); }) && waiting) showDeal();
}

void TForm1::handPressedAt(int seat, int suit, int x, Qt::MouseButton b) {
    if (!ws_.fileOpen() || ws_.currentDeal() < 1) return;
    const int c = hand[seat - 1][suit - 1]->charAt(x);
    // The first click of an exchange changes no card but marks it for the second.
    const bool waiting = ws_.pending().active;
    if (!ws_.editDeal([&](Deal &d) { handClick(d, ws_.pending(), seat, suit, c, 1, buttonOf(b)); }) &&
        (waiting || ws_.pending().active))
        showDeal();
}

void TForm1::copyForward() {
    const int n = ws_.currentDeal();
    if (!ws_.fileOpen() || n < 1) return;
    const std::string title = ui::toStore(Titre->text());
    const std::string contract = makeContractLine(ui::toStore(Contrat->text()), counts());
    ws_.edit(ChangeSeries, [&](Series &s) {
        if (n == 1) s.setLine(0, title);
        vrek::copyForward(s, n, contract);
    });
}

void TForm1::insertBoard() {
    const int n = ws_.currentDeal();
    if (!ws_.fileOpen() || n < 1) return;
    ws_.edit(ChangeSeries, [n](Series &s) { vrek::insertBoard(s, n); });
}

void TForm1::deleteBoard() {
    const int n = ws_.currentDeal();
    if (!ws_.fileOpen() || n < 1) return;
    ws_.edit(ChangeSeries, [n](Series &s) { vrek::deleteBoard(s, n); });
}

