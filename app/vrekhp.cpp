// The main window's frame: the model it listens to, the zoomed layout, and
// what is shown again after each change.
#include "app/vrekhp.h"

#include <QAction>
#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QSpinBox>

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
    LbDonne = new QLabel(QStringLiteral("Donne n°"), Panel6);
    LbDonne->setObjectName("LbDonne");
    EdDonne = new QSpinBox(Panel6);
    EdDonne->setObjectName("EdDonne");
    EdDonne->setRange(1, kBoards);
    EdDonne->setToolTip(QStringLiteral("Aller à la donne"));
    EdDonne->setKeyboardTracking(false);
    LbDonne->hide();
    EdDonne->hide();
    connect(EdDonne, &QSpinBox::valueChanged, this, [this](int v) {
        if (ws_.fileOpen() && v != ws_.currentDeal()) gotoDeal(v);
    });
    // "Donne n° 5 / 24": the evening's size beside the board, set here too.
    EdSoiree = new QSpinBox(Panel6);
    EdSoiree->setObjectName("EdSoiree");
    EdSoiree->setRange(1, kBoards);
    EdSoiree->setValue(kBoards);
    EdSoiree->setPrefix(QStringLiteral("/ "));
    EdSoiree->setToolTip(QStringLiteral("Nombre de donnes de la soirée"));
    // Kept as typed: a command run before Return takes what the field shows.
    EdSoiree->hide();
    connect(EdSoiree, &QSpinBox::valueChanged, this, [this](int v) { setEveningSize(v); });
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
    if (what & (ChangeSeries | ChangeFile)) updateHistoryItems();
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
            LineCounts c = normalizedCounts(lineCountsOf(ws_.series().line(contractLine(n))));
            UpAttaquant->setPosition(c.a);
            UpDefense->setPosition(c.d);
            UpEncheres->setPosition(c.e);
        }
        showTexts();
    }
}

void TForm1::updateHistoryItems() {
    action("Annuler1")->setEnabled(ws_.canUndo());
    action("Retablir1")->setEnabled(ws_.canRedo());
}

void TForm1::undoClick() {
    // The field being typed in loses nothing: its text is in the model already.
    ws_.undo();
}

void TForm1::redoClick() { ws_.redo(); }

void TForm1::redraw() {
    const int n = ws_.currentDeal();
    if (n < 1 || n > kBoards) return;
    showDeal();
    LineCounts c = normalizedCounts(lineCountsOf(ws_.series().line(contractLine(n))));
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

bool TForm1::eventFilter(QObject *watched, QEvent *e) {
    if (e->type() != QEvent::ShortcutOverride && e->type() != QEvent::KeyPress)
        return QMainWindow::eventFilter(watched, e);
    auto *k = static_cast<QKeyEvent *>(e);
    const bool ctrl = k->modifiers() & Qt::ControlModifier;
    const bool windowKey = k->matches(QKeySequence::Undo) || k->matches(QKeySequence::Redo) ||
                           (ctrl && k->key() == Qt::Key_Y) || k->key() == Qt::Key_PageUp ||
                           k->key() == Qt::Key_PageDown || (ctrl && (k->key() == Qt::Key_Home || k->key() == Qt::Key_End));
    if (!windowKey) return QMainWindow::eventFilter(watched, e);
    // Not taken by the field: the window's shortcut runs instead.
    e->ignore();
    return true;
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
    // Below this the text panel no longer holds its fields: a smaller zoom
    // lays out as this one.
    const double z = std::max(zoom, kSmallestLayoutZoom) / 10.0;
    // Wide enough for the whole menu bar, which cannot wrap as the designed one did.
    const int clientW = std::max(qRound(700 * z), menuBar()->sizeHint().width() + 8);
    const int clientH = qRound(516 * z);
    laidOut_ = false;
    setMinimumSize(std::min(clientW, menuBar()->sizeHint().width() + 8), qRound(516 * kSmallestLayoutZoom / 10.0));
    resize(clientW, clientH);
    layoutForScale(z);
    laidOut_ = true;
}

void TForm1::layoutForScale(double z) {
    layoutScale_ = z;
    const int clientW = std::max(width(), qRound(700 * z));
    const int clientH = height();
    const int menuH = menuBar()->sizeHint().height();
    // The board bar keeps room for the scroll bar and the board field.
    const int bottomH = std::max(qRound(24 * z), 24);
    const int tableW = qRound(350 * z);
    const int tableH = clientH - menuH - bottomH;
    Table->setGeometry(0, 0, tableW, tableH);
    Panel5->setGeometry(tableW, 0, clientW - tableW, tableH);
    Panel6->setGeometry(0, tableH, clientW, bottomH);
    const int fieldW = 60, labelW = 56, eveningW = 64;
    ScrollBar1->setGeometry(4, 2, clientW - 20 - fieldW - labelW - eveningW, bottomH - 4);
    LbDonne->setGeometry(clientW - 12 - fieldW - labelW - eveningW, 2, labelW, bottomH - 4);
    LbDonne->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    EdDonne->setGeometry(clientW - 8 - fieldW - eveningW, 2, fieldW, bottomH - 4);
    EdSoiree->setGeometry(clientW - 4 - eveningW, 2, eveningW, bottomH - 4);
    sx_ = z;
    sy_ = tableH / 419.0;
    layoutDealPanel();
    layoutTextPanel(tableH);
    showTexts();
}

void TForm1::resizeEvent(QResizeEvent *e) {
    QMainWindow::resizeEvent(e);
    if (!laidOut_) return;
    // Resizing or maximising scales the panels as a zoom would.
    const double z = std::max(std::min(width() / 700.0, height() / 516.0), kSmallestLayoutZoom / 10.0);
    if (std::abs(z - layoutScale_) > 0.005 || width() != Panel6->width()) layoutForScale(z);
}

// ---------------------------------------------------------------- exit

void TForm1::closeEvent(QCloseEvent *e) {
    // Cancelled, or the save failed: the window stays with the series.
    if (exitSequence()) e->accept();
    else e->ignore();
}
