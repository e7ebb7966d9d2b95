#include "stats/VrekEquite.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>

#include "core/seriesfile.h"
#include "core/workspace.h"
#include "platform/platform.h"
#include "stats/fairnessprint.h"

using namespace vrek;
using namespace vrek::fairness;

namespace {

QString qs(const std::string &s) { return QString::fromStdString(s); }

QTableWidget *table(QWidget *parent, const char *name, const QStringList &heads) {
    auto *g = new QTableWidget(parent);
    g->setObjectName(name);
    g->setColumnCount(static_cast<int>(heads.size()));
    g->setHorizontalHeaderLabels(heads);
    g->verticalHeader()->hide();
    g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    g->verticalHeader()->setDefaultSectionSize(20);
    g->horizontalHeader()->setStretchLastSection(true);
    return g;
}

void put(QTableWidget *g, int r, int c, const QString &text, bool red = false) {
    auto *item = new QTableWidgetItem(text);
    item->setTextAlignment(c == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignRight | Qt::AlignVCenter);
    if (red) item->setForeground(Qt::red);
    g->setItem(r, c, item);
}

}  // namespace

TVrekEquite::TVrekEquite(Workspace &ws, Platform &pf, QWidget *parent) : QWidget(parent), ws_(ws), pf_(pf) {
    setObjectName("TabEquite");
    LbSeries = new QLabel(this);
    LbSeries->setObjectName("LbSeries");
    GrTests = table(this, "GrTests", {"Test", "Unités", "Classes", "Khi-deux", "ddl", "p"});
    GrTests->setColumnWidth(0, 200);
    GrTests->setSelectionBehavior(QAbstractItemView::SelectRows);
    GrTests->setSelectionMode(QAbstractItemView::SingleSelection);
    GrTests->setFixedHeight(20 * kTests + 28);
    LbVerdict = new QLabel(this);
    LbVerdict->setObjectName("LbVerdict");
    LbVerdict->setWordWrap(true);
    QFont bold = LbVerdict->font();
    bold.setBold(true);
    LbVerdict->setFont(bold);
    LbNote = new QLabel(this);
    LbNote->setObjectName("LbNote");
    LbNote->setWordWrap(true);
    GrClasses = table(this, "GrClasses", {"Classe", "Observé", "Attendu"});
    GrClasses->setColumnWidth(0, 380);
    BtAjouter = new QPushButton(QStringLiteral("Ajouter une série…"), this);
    BtAjouter->setObjectName("BtAjouter");
    BtSeule = new QPushButton(QStringLiteral("Série seule"), this);
    BtSeule->setObjectName("BtSeule");
    CbImprimer = new QCheckBox(QStringLiteral("Joindre cette page à l'impression"), this);
    CbImprimer->setObjectName("CbImprimer");

    auto *g = new QGridLayout(this);
    g->addWidget(LbSeries, 0, 0, 1, 3);
    g->addWidget(GrTests, 1, 0, 1, 3);
    g->addWidget(LbVerdict, 2, 0, 1, 3);
    g->addWidget(LbNote, 3, 0, 1, 3);
    g->addWidget(GrClasses, 4, 0, 1, 3);
    g->addWidget(BtAjouter, 5, 0);
    g->addWidget(BtSeule, 5, 1);
    g->addWidget(CbImprimer, 5, 2);
    g->setRowStretch(4, 1);

    connect(BtAjouter, &QPushButton::clicked, this, [this] { BtAjouterClick(); });
    connect(BtSeule, &QPushButton::clicked, this, [this] { BtSeuleClick(); });
    connect(GrTests, &QTableWidget::currentCellChanged, this, [this](int row) { showClasses(row); });
}

void TVrekEquite::refresh() {
    point_ = QLocale().decimalPoint().toStdString();
    Sample sample;
    // The evening's boards of each series, as the other tabs count them.
    const std::vector<int> boards = eveningBoards(ws_.settings());
    sample.add(ws_.series(), boards);
    for (const Series &s : others_) sample.add(s, boards);
    report_ = fairnessReport(sample);
    QString series = qs(sampleLine(report_));
    if (!otherNames_.isEmpty()) series += QStringLiteral(" (avec ") + otherNames_.join(QStringLiteral(", ")) + ")";
    LbSeries->setText(series);
    BtSeule->setEnabled(!others_.empty());

    GrTests->setRowCount(kTests);
    for (int t = 0; t < kTests; ++t) {
        const TestResult &r = report_.tests[static_cast<size_t>(t)];
        const bool tested = r.df > 0;
        const QString none = QStringLiteral("-");
        put(GrTests, t, 0, QString::fromUtf8(testName(r.test)), r.departs);
        put(GrTests, t, 1, QString::number(r.units) + ' ' + QString::fromUtf8(unitName(r.test)), r.departs);
        put(GrTests, t, 2, QString::number(r.classes.size()), r.departs);
        put(GrTests, t, 3, tested ? QLocale().toString(r.statistic, 'f', 2) : none, r.departs);
        put(GrTests, t, 4, tested ? QString::number(r.df) : none, r.departs);
        put(GrTests, t, 5, tested ? qs(pText(r.p, point_)) : none, r.departs);
    }
    const std::string v = verdict(report_, point_);
    LbVerdict->setText(qs(v));
    bool departs = false;
    for (const TestResult &t : report_.tests) departs = departs || t.departs;
    LbVerdict->setStyleSheet(departs ? QStringLiteral("color: red") : QStringLiteral("color: darkgreen"));
    LbNote->setText(qs(levelNote(report_, point_)));
    const int row = std::max(0, GrTests->currentRow());
    GrTests->setCurrentCell(row, 0);
    showClasses(row);
}

void TVrekEquite::showClasses(int row) {
    if (row < 0 || row >= static_cast<int>(report_.tests.size())) return;
    const TestResult &t = report_.tests[static_cast<size_t>(row)];
    GrClasses->setRowCount(static_cast<int>(t.classes.size()));
    for (size_t k = 0; k < t.classes.size(); ++k) {
        const ClassCount &c = t.classes[k];
        const bool worst = t.departs && static_cast<int>(k) == t.worst;
        const int r = static_cast<int>(k);
        put(GrClasses, r, 0, qs(c.label), worst);
        put(GrClasses, r, 1, QString::number(c.observed), worst);
        put(GrClasses, r, 2, QLocale().toString(c.expected, 'f', 1), worst);
    }
}

void TVrekEquite::BtAjouterClick() {
    FileDialogOptions o;
    o.title = QStringLiteral("Ajouter une série au test d'équité");
    o.defaultSuffix = QStringLiteral("vrk");
    o.filter = QStringLiteral("VRK|*.vrk");
    const QString file = pf_.openFileName(this, o);
    if (file.isEmpty()) return;
    Series s;
    const LoadResult r = readSeries(file.toStdString(), s);
    if (!r.ok) {
        pf_.error(this, qs(r.error));
        return;
    }
    Sample alone;
    alone.add(s);
    if (alone.deals.empty()) {
        pf_.warning(this, QStringLiteral("La série ") + file + QStringLiteral(" n'a aucune donne complète : elle n'est "
                                                                             "pas ajoutée."));
        return;
    }
    others_.push_back(std::move(s));
    otherNames_ << file.section('/', -1);
    refresh();
}

void TVrekEquite::BtSeuleClick() {
    others_.clear();
    otherNames_.clear();
    refresh();
}

std::function<void(Canvas &)> TVrekEquite::printedPage() const {
    if (!CbImprimer->isChecked()) return {};
    return [report = report_, point = point_](Canvas &c) { drawFairnessPage(c, report, point); };
}
