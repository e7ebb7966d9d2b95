#include "stats/VrekStat.h"

#include <QAction>
#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QPrinter>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>

#include "core/cp1252.h"
#include "core/workspace.h"
#include "platform/platform.h"
#include "platform/uiutil.h"
#include "stats/VrekEquite.h"
#include "stats/statspdf.h"
#include "stats/statsprint.h"

using namespace vrek;
using namespace vrek::stats;

namespace {

QString qs(const std::string &s) { return QString::fromStdString(s); }

QTableWidget *grid(QWidget *parent, const QString &name, int x, int y, int w, int h) {
    auto *g = new QTableWidget(parent);
    g->setObjectName(name);
    g->setGeometry(x, y, w, h);
    g->setColumnCount(4);
    g->horizontalHeader()->hide();
    g->verticalHeader()->hide();
    g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    g->setSelectionMode(QAbstractItemView::NoSelection);
    for (int c = 0; c < 4; ++c) g->setColumnWidth(c, (w - 24) / 4);
    g->verticalHeader()->setDefaultSectionSize(20);
    return g;
}

constexpr int kGridRight = 766;  // right edge of the grids in their tab
constexpr int kSeatGridX = 80;
constexpr int kSeatColumn = (kGridRight - kSeatGridX - 24) / 4;

QLabel *label(QWidget *parent, const char *name, int x, int y, int w) {
    auto *l = new QLabel(parent);
    l->setObjectName(name);
    l->setGeometry(x, y, w, 18);
    return l;
}

}  // namespace

TvrekFStat::TvrekFStat(vrek::Workspace &ws, Platform &pf, QWidget *parent) : QDialog(parent), ws_(ws), pf_(pf) {
    setObjectName("vrekFStat");
    setFixedSize(800, 560);

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName("PageControl1");
    PageControl1->setGeometry(8, 8, 784, 500);
    PageControl1->setUsesScrollButtons(false);
    for (int t = 0; t < kTabs; ++t) {
        TabSheet[t] = new QWidget;
        TabSheet[t]->setObjectName(QString("TabSheet%1").arg(t + 1));
        PageControl1->addTab(TabSheet[t], QString::fromUtf8(kTabCaptions[t]));
    }
    for (int t = 0; t < 4; ++t) buildTab(t);
    Equite = new TVrekEquite(ws_, pf_, nullptr);
    PageControl1->addTab(Equite, QStringLiteral("Équité"));
    // Six tabs are wider than the window: arrows scroll them, and a button
    // goes straight to the sixth.
    PageControl1->setUsesScrollButtons(true);

    // Tab 1-3 labels.
    LabelNbMain = label(TabSheet[0], "LabelNbMain", 10, 418, 300);
    LabelTypeMain = label(TabSheet[0], "LabelTypeMain", 10, 438, 300);
    LabelNBMainHonn = label(TabSheet[1], "LabelNBMainHonn", 10, 418, 300);
    LabelTypeHonn = label(TabSheet[1], "LabelTypeHonn", 10, 438, 300);
    LabelNbLigne = label(TabSheet[2], "LabelNbLigne", 10, 418, 300);
    LabelTypeLigne = label(TabSheet[2], "LabelTypeLigne", 10, 438, 300);
    // Tab 4: hands and average under each seat's column.
    const char *seats[4] = {"Nord", "Est", "Sud", "Ouest"};
    auto *hands = label(TabSheet[3], "LabelMains", 4, 418, 60);
    hands->setText(QStringLiteral("Mains"));
    auto *avg = label(TabSheet[3], "LabelMoyenne", 4, 438, 60);
    avg->setText(QStringLiteral("Moyenne"));
    for (int k = 0; k < 4; ++k) {
        const int x = kSeatGridX + kSeatColumn * k;
        LabelNb[k] = label(TabSheet[3], QString("LabelNb%1").arg(seats[k]).toLatin1().constData(), x, 418,
                           kSeatColumn);
        LabelAvg[k] = label(TabSheet[3], QString("Label%1").arg(seats[k]).toLatin1().constData(), x, 438,
                            kSeatColumn);
        LabelNb[k]->setAlignment(Qt::AlignCenter);
        LabelAvg[k]->setAlignment(Qt::AlignCenter);
    }
    // Tab 5: four small grids under the deal count.
    LabelNbDonnes = label(TabSheet[4], "LabelNbDonnes", 10, 10, 400);
    const int rows[4] = {3, 1, 1, 4};
    int y = 40;
    for (int k = 0; k < 4; ++k) {
        StringGrid[4 + k] = grid(TabSheet[4], QString("StringGrid%1").arg(5 + k), 10, y, kGridRight - 10, rows[k] * 20 + 4);
        StringGrid[4 + k]->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        StringGrid[4 + k]->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        for (int c = 0; c < 4; ++c) StringGrid[4 + k]->setColumnWidth(c, c == 0 ? 250 : 120);
        y += rows[k] * 20 + 16;
    }

    // The boards taken, when the evening is not the whole series.
    LabelSoiree = label(this, "LabelSoiree", 12, 526, 470);
    LabelSoiree->hide();

    Button2 = new QPushButton(QStringLiteral("Quitter"), this);
    Button2->setObjectName("Button2");
    Button2->setGeometry(600, 520, 90, 28);
    ButImprime = new QPushButton(QStringLiteral("Imprimer"), this);
    ButImprime->setObjectName("ButImprime");
    ButImprime->setGeometry(700, 520, 90, 28);
    ButEquite = new QPushButton(QStringLiteral("Équité"), this);
    ButEquite->setObjectName("ButEquite");
    ButEquite->setGeometry(500, 520, 90, 28);
    connect(ButEquite, &QPushButton::clicked, this, [this] { PageControl1->setCurrentWidget(Equite); });
    connect(Button2, &QPushButton::clicked, this, &QDialog::close);
    connect(ButImprime, &QPushButton::clicked, this, &TvrekFStat::ButImprimeClick);

    listener_ = ws_.subscribe([this](unsigned what) {
        if (what & (ChangeSeries | ChangeFile | ChangeSettings)) stale_ = true;
    });
}

TvrekFStat::~TvrekFStat() { ws_.unsubscribe(listener_); }

void TvrekFStat::buildTab(int t) {
    // The seat tab leaves room on the left for the names of its two label rows.
    const int x = t == 3 ? kSeatGridX : 10;
    auto *g = StringGrid[t] = grid(TabSheet[t], QString("StringGrid%1").arg(t + 1), x, 10, kGridRight - x,
                                   400);
    g->setToolTip(QStringLiteral("Pour trier: touche droite de la souris"));
    g->setContextMenuPolicy(Qt::CustomContextMenu);
    auto *menu = PopupMenu[t] = new QMenu(this);
    menu->setObjectName(QString("PopupMenu%1").arg(t + 1));
    const char *names[4][4] = {{"Mains", "Nombre", "Réel", "Probabilité"},
                               {"Points", "Nombre", "Réel", "Probabilité"},
                               {"Points", "Nombre", "Réel", "Probabilité"},
                               {"Nord", "Est", "Sud", "Ouest"}};
    for (bool descending : {true, false}) {
        QMenu *sub = menu->addMenu(descending ? QStringLiteral("Par ordre décroissant")
                                              : QStringLiteral("Par ordre Croissant"));
        for (int c = 0; c < 4; ++c) {
            QAction *a = sub->addAction(QString::fromUtf8(names[t][c]));
            a->setObjectName(QString("%1%2%3").arg(menu->objectName(), descending ? "Dec" : "Cro").arg(c));
            sort_[t][descending][c] = a;
            connect(a, &QAction::triggered, this, [this, t, c, descending] { sortClick(t, c, descending); });
        }
    }
    connect(g, &QWidget::customContextMenuRequested, this,
            [g, menu](const QPoint &pos) { menu->popup(g->viewport()->mapToGlobal(pos)); });
}

void TvrekFStat::openAs(Mode mode) {
    const std::string title = cp1252ToUtf8(ws_.series().line(0));
    setWindowTitle(qs(captionFor(mode, title)));
    // The theory opens on the patterns, not on the tab the statistics were left on.
    if (mode == Mode::Theory) PageControl1->setCurrentIndex(0);
    if (isVisible()) activate();  // another item while the window is up
    show();
    raise();
    activateWindow();
}

void TvrekFStat::showEvent(QShowEvent *e) {
    QDialog::showEvent(e);
    activate();
}

void TvrekFStat::changeEvent(QEvent *e) {
    QDialog::changeEvent(e);
    // Coming back to the window after the series changed shows the new figures.
    if (e->type() == QEvent::ActivationChange && isActiveWindow() && stale_) activate();
}

void TvrekFStat::activate() {
    const Mode mode = modeOfCaption(windowTitle().toStdString());
    st_ = computeStatistics(ws_.series(), mode, QLocale().decimalPoint().toStdString(),
                            eveningBoards(ws_.settings()));
    stale_ = false;
    const bool theory = mode == Mode::Theory;
    for (int t = 0; t < 4; ++t)
        for (int d = 0; d < 2; ++d)
            for (int c = 0; c < 4; ++c) sort_[t][d][c]->setEnabled(!(theory && t < 3 && (c == 1 || c == 2)));
    PageControl1->setTabVisible(4, !theory);
    PageControl1->setTabVisible(5, !theory);
    ButEquite->setVisible(!theory);
    if (!theory) Equite->refresh();
    LabelNbDonnes->setVisible(!theory);
    fill();
}

void TvrekFStat::sortClick(int tab, int column, bool descending) {
    if (!sort_[tab][descending][column]->isEnabled()) return;
    sortTab(st_, tab, column, descending);
    fill();
}

void TvrekFStat::fillGrid(QTableWidget *g, const Grid &grid, bool header, bool spare) {
    const int rows = int(grid.rows.size()) + (header ? 1 : 0) + (spare ? 1 : 0);
    g->clearContents();
    g->setRowCount(rows);
    const bool seats = g == StringGrid[3];
    auto put = [g, seats](int r, const Row &row, bool fixedRow) {
        for (int c = 0; c < 4; ++c) {
            auto *item = new QTableWidgetItem(qs(row[c]));
            item->setTextAlignment(seats ? Qt::AlignCenter
                                   : c == 0 ? Qt::AlignLeft | Qt::AlignVCenter
                                            : Qt::AlignRight | Qt::AlignVCenter);
            if (fixedRow) item->setBackground(QColor(212, 208, 200));
            g->setItem(r, c, item);
        }
    };
    int r = 0;
    if (header) put(r++, grid.header, true);
    for (const Row &row : grid.rows) put(r++, row, false);
    if (spare) put(r, Row{}, false);
}

void TvrekFStat::fill() {
    for (int t = 0; t < 3; ++t) fillGrid(StringGrid[t], st_.tabs[t].grid, true, true);
    fillGrid(StringGrid[3], st_.seats, true, true);
    QLabel *count[3] = {LabelNbMain, LabelNBMainHonn, LabelNbLigne};
    QLabel *types[3] = {LabelTypeMain, LabelTypeHonn, LabelTypeLigne};
    for (int t = 0; t < 3; ++t) {
        count[t]->setText(qs(st_.tabs[t].countLabel));
        types[t]->setText(qs(st_.tabs[t].typesLabel));
        types[t]->setVisible(st_.tabs[t].typesVisible);
    }
    for (int k = 0; k < 4; ++k) {
        LabelNb[k]->setText(qs(st_.seatCounts[k]));
        LabelAvg[k]->setText(qs(st_.seatAverages[k]));
    }
    for (int k = 0; k < 4; ++k) fillGrid(StringGrid[4 + k], st_.deals[k], k == 0, false);
    LabelNbDonnes->setText(qs(st_.dealsLabel));
    LabelSoiree->setText(qs(st_.boardsLabel));
    LabelSoiree->setVisible(!st_.boardsLabel.empty());
}

void TvrekFStat::ButImprimeClick() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Portrait);
    ui::offerPdfFile(printer, qs(statisticsJobTitle(st_.mode)), ui::seriesFolder(ws_));
    if (!pf_.printDialog(this, printer)) return;
    if (!printStatisticsOn(printer, st_, windowTitle(), Equite->printedPage()))
        pf_.error(this, QStringLiteral("L'impression des statistiques n'a pas pu se faire."));
}
