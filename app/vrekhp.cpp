// The main window's frame: the model it listens to, the zoomed layout, and
// what is shown again after each change.
#include "app/vrekhp.h"

#include <QAction>
#include <QCloseEvent>
#include <QFrame>
#include <QMenu>
#include <QMenuBar>

#include "platform/uiutil.h"
#include "platform/platform.h"

using namespace vrek;

std::function<bool(TForm1 &)> TForm1::updateCheck;

TForm1::TForm1(const QStringList &args, QWidget *parent) : QMainWindow(parent), pf_(::platform()) {
    setObjectName("Form1");
    buildMenus();
    auto *central = new QWidget(this);
    central->setObjectName("central");
    setCentralWidget(central);
    Table = ui::panel(central, "Table");
    ui::setColours(Table, ui::kGreen, Qt::black);
    Panel5 = ui::panel(central, "Panel5");
    Panel6 = ui::panel(central, "Panel6");
    buildDealPanel();
    buildTextPanel();
    ScrollBar1 = new QScrollBar(Qt::Horizontal, Panel6);
    ScrollBar1->setObjectName("ScrollBar1");
    ScrollBar1->setRange(1, kBoards);
    ScrollBar1->setPageStep(1);
    ScrollBar1->hide();
    connect(ScrollBar1, &QScrollBar::valueChanged, this, [this](int v) { navigated(v); });
    showDealControls(false);
    listener_ = ws_.subscribe([this](unsigned what) { changed(what); });
    startUp(args);
}

TForm1::~TForm1() { ws_.unsubscribe(listener_); }

QAction *TForm1::action(const QString &name) const {
    const auto all = findChildren<QAction *>(name);
    for (QAction *a : all)
        if (!a->menu()) return a;
    return all.isEmpty() ? nullptr : all.first();
}

QMenu *TForm1::menu(const QString &name) const { return findChild<QMenu *>(name); }

// ---------------------------------------------------------------- the model

void TForm1::changed(unsigned what) {
    if (what & ChangeFile) {
        showCaption();
        if (ws_.fileOpen()) enableSeriesCommands();
    }
    if (!ws_.fileOpen()) return;
    if (what & ChangeCurrentDeal) {
        const int n = ws_.currentDeal();
        action("Recopielediagramme")
            ->setText(QStringLiteral("&Recopie le diagramme donne ") + QString::number(n) +
                      QStringLiteral(" jusque 96"));
    }
    if (what & (ChangeCurrentDeal | ChangeDeals | ChangeCursor | ChangeFile)) showDeal();
    // A field that is storing its own typing is already up to date.
    if ((what & (ChangeCurrentDeal | ChangeFile)) || ((what & ChangeTexts) && !storing_)) {
        const int n = ws_.currentDeal();
        if (n >= 1 && n <= kBoards) {
            LineCounts c = lineCountsOf(ws_.series().line(contractLine(n)));
            UpAttaquant->setPosition(c.a);
            UpDefense->setPosition(c.d);
            UpEncheres->setPosition(c.e);
        }
        showTexts();
    }
}

void TForm1::redraw() {
    const int n = ws_.currentDeal();
    if (n < 1 || n > kBoards) return;
    showDeal();
    LineCounts c = lineCountsOf(ws_.series().line(contractLine(n)));
    UpAttaquant->setPosition(c.a);
    UpDefense->setPosition(c.d);
    UpEncheres->setPosition(c.e);
    showTexts();
}

void TForm1::showCaption() {
    if (!ws_.caption().empty()) setWindowTitle(QString::fromStdString(ws_.caption()));
}

void TForm1::gotoDeal(int n) {
    n = std::clamp(n, 1, kBoards);
    if (ScrollBar1->value() == n) navigated(n);
    else ScrollBar1->setValue(n);
}

void TForm1::navigated(int n) {
    if (!ws_.fileOpen()) return;
    ws_.setCurrentDeal(n);
}

// ---------------------------------------------------------------- layout

void TForm1::place(QWidget *w, int x, int y, int wd, int ht, double fontPt) {
    w->setGeometry(qRound(x * sx_), qRound(y * sy_), qRound(wd * sx_), qRound(ht * sy_));
    if (fontPt > 0) {
        QFont f = w->font();
        f.setPointSizeF(std::max(1.0, fontPt * sx_));
        w->setFont(f);
    }
}

void TForm1::layoutForZoom(int zoom) {
    const double z = zoom / 10.0;
    // Wide enough for the whole menu bar, which cannot wrap as the designed one did.
    const int clientW = std::max(qRound(700 * z), menuBar()->sizeHint().width() + 8);
    const int clientH = qRound(516 * z);
    const int menuH = menuBar()->sizeHint().height();
    const int bottomH = qRound(24 * z);
    const int tableW = qRound(350 * z);
    const int tableH = clientH - menuH - bottomH;
    resize(clientW, clientH);
    Table->setGeometry(0, 0, tableW, tableH);
    Panel5->setGeometry(tableW, 0, clientW - tableW, tableH);
    Panel6->setGeometry(0, tableH, clientW, bottomH);
    ScrollBar1->setGeometry(4, 2, clientW - 8, bottomH - 4);
    sx_ = z;
    sy_ = tableH / 419.0;
    layoutDealPanel();
    layoutTextPanel(tableH);
    showTexts();
}

// ---------------------------------------------------------------- exit

void TForm1::closeEvent(QCloseEvent *e) {
    exitSequence();
    e->accept();
}
