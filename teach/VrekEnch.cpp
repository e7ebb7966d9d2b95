#include "teach/VrekEnch.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "core/workspace.h"

using namespace vrek;

TVrekFEnch::TVrekFEnch(Workspace &ws, Platform &pf, QWidget *parent) : QDialog(parent), ws_(ws), pf_(pf) {
    setObjectName("VrekFEnch");
    setWindowTitle(QStringLiteral("Tableau d'enchères"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(330, 406);

    auto *donneur = new QLabel(QStringLiteral("Donneur : "), this);
    donneur->setGeometry(10, 14, 70, 18);
    Cb_Donneur = new QComboBox(this);
    Cb_Donneur->setObjectName("Cb_Donneur");
    Cb_Donneur->setGeometry(80, 10, 60, 24);
    Cb_Donneur->addItems({"N", "E", "S", "O"});
    connect(Cb_Donneur, &QComboBox::activated, this, [this](int i) { pad_.chooseDealer(i); });

    for (int l = 1; l <= kBidLevels; ++l)
        for (int s = 1; s <= kStrains; ++s) {
            auto *b = Pn[l - 1][s - 1] = new QPushButton(QString::fromStdString(AuctionPad::bidCaption(l, s)), this);
            b->setObjectName(QStringLiteral("Pn%1%2").arg(l).arg(s));
            b->setGeometry(10 + 64 * (s - 1), 44 + 36 * (l - 1), 60, 32);
            connect(b, &QPushButton::clicked, this, [this, l, s] { bidClick(l, s); });
        }
    auto button = [this](QPushButton *&b, const char *name, const QString &caption, int x, int y, int w) {
        b = new QPushButton(caption, this);
        b->setObjectName(name);
        b->setGeometry(x, y, w, 28);
    };
    button(Pn00, "Pn00", QStringLiteral("Passe"), 10, 300, 100);
    button(Pn01, "Pn01", QStringLiteral("Contre"), 114, 300, 100);
    button(Pn02, "Pn02", QStringLiteral("SurContre"), 218, 300, 100);
    button(Pn03, "Pn03", QStringLiteral("Fin"), 10, 334, 100);
    button(BtQuitter, "BtQuitter", QStringLiteral("Quitter"), 218, 334, 100);
    button(Pn04, "Pn04", QStringLiteral("Fin en ajoutant les titres des colonnes"), 10, 368, 308);
    connect(Pn00, &QPushButton::clicked, this, [this] { Pn00Click(); });
    connect(Pn01, &QPushButton::clicked, this, [this] { Pn01Click(); });
    connect(Pn02, &QPushButton::clicked, this, [this] { Pn02Click(); });
    connect(Pn03, &QPushButton::clicked, this, [this] { Pn03Click(); });
    connect(Pn04, &QPushButton::clicked, this, [this] { Pn04Click(); });
    connect(BtQuitter, &QPushButton::clicked, this, &QDialog::hide);
}

void TVrekFEnch::open() {
    if (!ws_.fileOpen() || ws_.currentDeal() < 1 || ws_.currentDeal() > kBoards) return;
    if (QWidget *w = parentWidget()) {
        const QRect g = w->frameGeometry();
        move(g.x() + g.width() / 2, g.y() + g.height() / 9);
    }
    activate();
    show();
    raise();
    activateWindow();
}

void TVrekFEnch::activate() {
    pad_.activate(ws_.currentDeal());
    storeMemo();
    Cb_Donneur->setEnabled(true);
    Cb_Donneur->setCurrentIndex(pad_.dealer());
    showBids();
}

void TVrekFEnch::showBids() {
    for (int l = 1; l <= kBidLevels; ++l)
        for (int s = 1; s <= kStrains; ++s) {
            QPushButton *b = Pn[l - 1][s - 1];
            const bool open = pad_.bidOpen(l, s);
            QFont f = b->font();
            f.setBold(open);
            f.setPointSize(open ? 14 : 10);
            b->setFont(f);
            b->setEnabled(open);
        }
}

void TVrekFEnch::storeMemo() {
    const int n = pad_.board();
    if (!ws_.fileOpen() || n < 1 || n > kBoards) return;
    const std::vector<std::string> memo = pad_.memo();
    // The whole auction is one step of the undo history.
    ws_.edit(ChangeTexts, [&](Series &s) { setAuctionMemo(s, n, memo); }, "TableauEncheres:" + std::to_string(n));
}

void TVrekFEnch::called() {
    storeMemo();
    Cb_Donneur->setEnabled(false);
}

void TVrekFEnch::bidClick(int level, int strain) {
    pad_.bid(level, strain);
    showBids();
    called();
}

void TVrekFEnch::Pn00Click() {
    pad_.pass();
    called();
}

void TVrekFEnch::Pn01Click() {
    pad_.doubleCall();
    called();
}

void TVrekFEnch::Pn02Click() {
    pad_.redouble();
    called();
}

void TVrekFEnch::Pn03Click() {
    pad_.finish(false);
    called();
    hide();
}

void TVrekFEnch::Pn04Click() {
    pad_.finish(true);
    called();
    hide();
}
