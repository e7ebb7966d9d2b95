// The statistics, split and line-of-play windows opened from their menu
// items, as a user would: cells, labels, sort menus, printing, clicks.
#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QtTest>

#include "app/vrekhp.h"
#include "app/windows.h"
#include "core/seriesfile.h"
#include "core/workspace.h"
#include "platform/widgets.h"
#include "windowbed.h"
#include "stats/VrekMod.h"
#include "stats/VrekProb.h"
#include "stats/VrekEquite.h"
#include "stats/VrekStat.h"
#include "stats/fairness.h"
#include "stats/statspdf.h"

using namespace vrek;

namespace {

QString q(const std::string &s) { return QString::fromStdString(s); }
QString cell(QTableWidget *g, int r, int c) { return g->item(r, c) ? g->item(r, c)->text() : QString(); }

}  // namespace

class StatsWindowsTest : public QObject {
    Q_OBJECT
    std::unique_ptr<WindowBed> bed;
    testutil::TempDir *dir = nullptr;
    ScriptedPlatform *plat = nullptr;
    TForm1 *w = nullptr;

    void openForm(int completeDeals, bool withSeries = true) {
        bed = std::make_unique<WindowBed>();
        dir = &bed->dir;
        plat = &bed->plat;
        Series s;
        s.clear();
        s.setLine(0, "Lundi");
        for (int b = 1; b <= completeDeals; ++b) s.deal(b) = testutil::shuffledDeal(unsigned(b) * 31u);
        saveSeries(dir->file("s.vrk"), s);
        w = &bed->start(withSeries ? "s.vrk" : "");
        w->show();
    }
    void trigger(const char *item) {
        QAction *a = w->action(item);
        QVERIFY2(a, item);
        QVERIFY2(a->isEnabled(), item);
        a->trigger();
    }
    TvrekFStat *stat() { return w->findChild<TvrekFStat *>(); }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::French, QLocale::France)); }
    void cleanup() { bed.reset(); }

    void observedStatistics() {
        openForm(32);
        trigger("StatistiquesdelaSrie1");
        TvrekFStat *f = stat();
        QVERIFY(f && f->isVisible());
        QCOMPARE(f->windowTitle(), QString("Statistiques de la Série Lundi"));
        QCOMPARE(f->PageControl1->tabText(0), QString("distributions des mains"));
        QCOMPARE(f->PageControl1->tabText(3), QString("des points H par Orientation"));
        QVERIFY(f->PageControl1->isTabVisible(4));
        QTableWidget *g1 = f->StringGrid[0];
        QCOMPARE(cell(g1, 0, 0), QString("Main"));
        QCOMPARE(cell(g1, 0, 2), QString("Réel en %"));
        QCOMPARE(g1->rowCount(), int(f->statistics().tabs[0].grid.rows.size()) + 2);  // header and spare row
        QCOMPARE(cell(g1, g1->rowCount() - 1, 0), QString());
        QCOMPARE(g1->toolTip(), QString("Pour trier: touche droite de la souris"));
        QCOMPARE(f->LabelNbMain->text(), QString("128 mains sont prises en compte"));
        QCOMPARE(f->LabelNbLigne->text(), QString("64 lignes sont prises en compte"));
        QVERIFY(f->LabelTypeMain->text().endsWith(" types de mains différentes"));
        QCOMPARE(f->LabelNb[0]->text(), QString("32"));
        QVERIFY(f->LabelAvg[2]->text().contains(','));
        QCOMPARE(f->LabelNbDonnes->text(), QString("Sur 32, nombre de donnes possédant :"));
        QCOMPARE(cell(f->StringGrid[4], 0, 1), QString("Nbre"));
        QCOMPARE(cell(f->StringGrid[4], 1, 0), QString("7ème et plus "));
        QCOMPARE(cell(f->StringGrid[7], 3, 3), QString("2,209"));
        for (int c = 0; c < 4; ++c) QVERIFY(f->sortAction(0, c, true)->isEnabled());
        QCOMPARE(f->PopupMenu[3]->actions().at(1)->text(), QString("Par ordre Croissant"));

        // Sorting the seat tab by North through its pop-up entry.
        f->sortAction(3, 0, true)->trigger();
        QTableWidget *g4 = f->StringGrid[3];
        for (int r = 2; r < g4->rowCount() - 1; ++r) QVERIFY(cell(g4, r - 1, 0).toInt() >= cell(g4, r, 0).toInt());

        // The print menu's item opens the same view; the window follows the series.
        f->hide();
        w->model().edit(ChangeDeals, [](Series &s) { s.deal(40) = testutil::shuffledDeal(4); });
        trigger("Statistiques");
        QCOMPARE(f->LabelNbMain->text(), QString("132 mains sont prises en compte"));
    }

    void fullRecordAndTheory() {
        openForm(8);
        trigger("Relev1");
        TvrekFStat *f = stat();
        QCOMPARE(f->windowTitle(), QString("Relevé des statistiques de la Série Lundi"));
        QCOMPARE(f->StringGrid[1]->rowCount(), 38 + 2);
        QCOMPARE(cell(f->StringGrid[1], 1, 0), QString("37"));
        QCOMPARE(cell(f->StringGrid[1], 1, 1), QString("0"));
        QCOMPARE(cell(f->StringGrid[0], 1, 0), QString(" 4- 3- 3- 3"));
        QCOMPARE(f->LabelTypeMain->text(), QString("39 types de mains différentes"));

        // Theory from the same window, left on the seats' tab: another
        // caption, the first tab, tab 5 gone, counts not sortable.
        f->PageControl1->setCurrentIndex(3);
        f->close();
        trigger("Probabilits1");
        QCOMPARE(f->windowTitle(), QString("Probabilités de distribution"));
        QCOMPARE(f->PageControl1->currentIndex(), 0);
        QVERIFY(!f->PageControl1->isTabVisible(4));
        QVERIFY(!f->LabelNbDonnes->isVisible());
        QCOMPARE(cell(f->StringGrid[0], 0, 0), QString("Mains"));
        QCOMPARE(cell(f->StringGrid[0], 1, 3), QString("10,536130"));
        QCOMPARE(cell(f->StringGrid[1], 1, 0), QString("10"));
        QCOMPARE(f->LabelNbMain->text(), QString("39 mains sont prises en compte"));
        QCOMPARE(cell(f->StringGrid[3], 1, 3), QString("10"));
        QCOMPARE(f->LabelAvg[0]->text(), QString("10,000"));
        for (int t = 0; t < 3; ++t)
            for (bool d : {true, false}) {
                QVERIFY(!f->sortAction(t, 1, d)->isEnabled());
                QVERIFY(!f->sortAction(t, 2, d)->isEnabled());
                QVERIFY(f->sortAction(t, 3, d)->isEnabled());
            }
        QVERIFY(f->sortAction(3, 1, true)->isEnabled());
        f->sortAction(1, 0, false)->trigger();
        QCOMPARE(cell(f->StringGrid[1], 1, 0), QString("0"));
    }

    void printing() {
        openForm(96);
        trigger("StatistiquesdelaSrie1");
        TvrekFStat *f = stat();
        const QString pdf = q(dir->file("stats.pdf"));
        plat->printTo = pdf;
        plat->printAccepted = false;
        f->ButImprime->click();
        QVERIFY(!QFile::exists(pdf));  // cancelled
        plat->printAccepted = true;
        f->ButImprime->click();
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().startsWith("%PDF"));
        QVERIFY(plat->messages.isEmpty());
    }

    void statisticsIntoAPdfFile() {
        openForm(0);
        Series s;
        s.clear();
        for (int b = 1; b <= 96; ++b) s.deal(b) = testutil::shuffledDeal(unsigned(b));
        const QString pdf = q(dir->file("stats.pdf"));
        testutil::writeFile(pdf.toStdString(), "old");
        QString err;
        QVERIFY2(writeStatisticsPdf(pdf, s, stats::Mode::FullRecord, &err), qPrintable(err));
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("%PDF"));
        QVERIFY(bytes.contains("/Count 2"));  // the full record takes two pages
        QCOMPARE(QDir(q(dir->path())).entryList({"*.pdf*"}, QDir::Files | QDir::Hidden), QStringList{"stats.pdf"});
        // A folder that does not exist: a French message and nothing written.
        const QString nowhere = q(dir->file("absent/stats.pdf"));
        QVERIFY(!writeStatisticsPdf(nowhere, s, stats::Mode::Observed, &err));
        QVERIFY(!err.isEmpty());
        QVERIFY(!QFile::exists(nowhere));
    }

    void withoutSeries() {
        openForm(0, false);
        QVERIFY(!w->action("StatistiquesdelaSrie1")->isEnabled());
        QVERIFY(!w->action("Relev1")->isEnabled());
        QVERIFY(!w->action("Statistiques")->isEnabled());
        trigger("Probabilits1");
        QCOMPARE(stat()->LabelNbLigne->text(), QString("41 lignes sont prises en compte"));
        // Opened by other means on the empty store: nothing counted, nothing divided.
        stat()->openAs(stats::Mode::Observed);
        QCOMPARE(stat()->LabelNbMain->text(), QString("0 mains sont prises en compte"));
        QVERIFY(!stat()->LabelTypeMain->isVisible());
        QCOMPARE(cell(stat()->StringGrid[5], 0, 2), QString("0,000"));
        QCOMPARE(stat()->LabelAvg[3]->text(), QString("0,000"));
    }

    void splitCalculator() {
        openForm(0);
        trigger("Probabilit1");
        auto *p = w->findChild<TVrekFProb *>();
        QVERIFY(p && p->isVisible());
        QCOMPARE(p->windowTitle(), QString("Probabilités de distribution d'un couleur dans les mains adverses"));
        QCOMPARE(p->LabelPoss->text(), QString("8"));
        QCOMPARE(p->LabelRep->text(), QString("Les 5 cartes se répartissent"));
        QVERIFY(!p->ButImprime->isEnabled());
        QCOMPARE(p->rows(), 6);
        QCOMPARE(p->GC[2]->text(), QString("2"));
        QCOMPARE(p->PR[2]->text(), QString("33,913"));
        QCOMPARE(p->GP[2]->text(), QString("16,957"));
        QCOMPARE(p->DC[2]->text(), QString("3"));
        QCOMPARE(p->RC[0]->text(), QString("5/0"));
        QCOMPARE(p->RP[2]->text(), QString("67,826"));
        QCOMPARE(p->RC[3]->text(), QString());
        QCOMPARE(p->Panel1->height(), 1 + 6 * 24);

        p->UpDownPoss->upButton()->click();
        QCOMPARE(p->LabelPoss->text(), QString("9"));
        QCOMPARE(p->LabelRep->text(), QString("Les 4 cartes se répartissent"));
        QCOMPARE(p->mergedRows(), 3);
        QCOMPARE(p->RC[2]->text(), QString("2/2"));
        for (int i = 0; i < 5; ++i) p->UpDownPoss->click(+1);
        QCOMPARE(p->LabelPoss->text(), QString("12"));  // the top of the range
        QCOMPARE(p->RP[0]->text(), QString("100,000"));

        for (int i = 0; i < 13; ++i) p->UpDownConGauche->click(+1);
        QCOMPARE(p->LabelConGauche->text(), QString("13"));
        QCOMPARE(p->rows(), 1);
        QCOMPARE(p->PR[0]->text(), QString("100,000"));
        QCOMPARE(p->DC[0]->text(), QString("1"));
        p->ButQuitte->click();
        QVERIFY(!p->isVisible());
    }

    void lineOfPlay() {
        openForm(0);
        trigger("Approchestatistique1");
        auto *m = w->findChild<TVrekFMod *>();
        QVERIFY(m && m->isVisible());
        QCOMPARE(m->windowTitle(), QString("Approche de la meilleure ligne de jeu"));
        QCOMPARE(m->TabControl1->tabText(3), QString(" Quatième  "));
        QCOMPARE(m->Carte->text(), QString("8"));
        QCOMPARE(m->Label3->text(), QString("Les 5 cartes manquantes peuvent se répartir"));
        QVERIFY(!m->PourcEntrant->isEnabled());
        QVERIFY(m->ChoixItem[0]->isChecked());

        // The 3-2 and 2-3 rows counted with the mouse: all their cards on both sides.
        const int k = SplitGrid::kCell;
        for (int row : {2, 3})
            for (int col = 0; col < 13; ++col) {
                const QPoint at(col * k + k / 2, row * k + k / 2);
                if (m->RepGauche->cell(row, col)) QTest::mouseClick(m->RepGauche, Qt::LeftButton, {}, at);
                if (m->RepDroit->cell(row, col)) QTest::mouseClick(m->RepDroit, Qt::LeftButton, {}, at);
            }
        QTest::mouseClick(m->RepGauche, Qt::RightButton, {}, QPoint(12 * k + 2, 2 * k + 2));  // ignored
        QCOMPARE(m->RepGauche->cell(2, 12), uint8_t(stats::Counted));
        QCOMPARE(m->PourcLocal->text(), QString("67,826"));
        m->ChoixItem[2]->click();
        QCOMPARE(m->resultat->text(), QString("67,83 %"));
        m->ChoixItem[1]->click();
        QCOMPARE(m->resultat->text(), QString("0,00 %"));

        // Another tab shows its own condition; what came in is shown there.
        m->ChoixItem[2]->click();
        m->TabControl1->setCurrentIndex(1);
        QVERIFY(m->PourcEntrant->isEnabled());
        QCOMPARE(m->PourcEntrant->text(), QString("67,826"));
        QCOMPARE(m->RepGauche->cell(2, 12), uint8_t(stats::NotCounted));
        m->Button1->click();  // "Placé" on the left grid
        QCOMPARE(m->RepGauche->cell(5, 8), uint8_t(stats::Counted));
        m->TabControl1->setCurrentIndex(0);
        m->UpCarte->click(+1);  // one card more: the condition starts again
        QCOMPARE(m->Carte->text(), QString("9"));
        QVERIFY(m->ChoixItem[0]->isChecked());
        QCOMPARE(m->PourcLocal->text(), QString("0,000"));
        QCOMPARE(m->resultat->text(), QString("0,00 %"));
        for (int i = 0; i < 3; ++i) m->UpCarte->click(+1);
        QCOMPARE(m->Label3->text(), QString("la carte manquante peut se répartir"));

        m->ButEt->click();
        QCOMPARE(m->Carte->text(), QString("8"));
        QCOMPARE(m->TabControl1->currentIndex(), 0);
        m->Plus->click();
        QVERIFY(!m->isVisible());
        trigger("Approchestatistique1");
        QCOMPARE(m->Carte->text(), QString("8"));
    }

    // The "Équité" tab: the report of the open series, another series added
    // for a season (a damaged one refused, the report kept), hidden with the
    // theory, and its page at the end of the printout when ticked.
    void fairnessTab() {
        openForm(96);
        trigger("StatistiquesdelaSrie1");
        TvrekFStat *f = stat();
        TVrekEquite *e = f->Equite;
        QCOMPARE(f->PageControl1->tabText(5), QString("Équité"));
        f->ButEquite->click();
        QCOMPARE(f->PageControl1->currentWidget(), e);
        fairness::Sample sample;
        sample.add(w->model().series());
        const fairness::Report r = fairness::fairnessReport(sample);
        QCOMPARE(e->LbSeries->text(), QString("1 série, 96 donnes complètes, 384 mains"));
        QCOMPARE(e->LbVerdict->text(), q(fairness::verdict(r, ",")));
        QCOMPARE(e->GrTests->rowCount(), fairness::kTests);
        QCOMPARE(cell(e->GrTests, 3, 0), QString("Plus courte couleur"));
        QCOMPARE(cell(e->GrTests, 3, 5), q(fairness::pText(r.tests[3].p, ",")));
        e->GrTests->setCurrentCell(1, 0);
        QCOMPARE(e->GrClasses->rowCount(), int(r.tests[1].classes.size()));
        QCOMPARE(cell(e->GrClasses, 0, 0), q(r.tests[1].classes[0].label));

        testutil::writeFile(dir->file("court.vrk"), "trop court");
        QDir(q(dir->path())).mkdir("dossier.vrk");
        for (const char *bad : {"court.vrk", "dossier.vrk", "absente.vrk"}) {
            plat->fileNames.enqueue(q(dir->file(bad)));
            e->BtAjouter->click();
        }
        QCOMPARE(plat->messages.size(), 3);
        QCOMPARE(plat->messages[0].text, "La série " + q(dir->file("court.vrk")) +
                                             " n'a aucune donne complète : elle n'est pas ajoutée.");
        QVERIFY(plat->messages[1].text.contains("ce n'est pas un fichier ordinaire"));
        QVERIFY(plat->messages[2].text.contains("n'existe pas"));
        QCOMPARE(e->LbSeries->text(), QString("1 série, 96 donnes complètes, 384 mains"));
        Series other;
        for (int b = 1; b <= 48; ++b) other.deal(b) = testutil::shuffledDeal(unsigned(b) * 7u);
        saveSeries(dir->file("autre.vrk"), other);
        plat->fileNames.enqueue(q(dir->file("autre.vrk")));
        e->BtAjouter->click();
        QCOMPARE(e->LbSeries->text(), QString("2 séries, 144 donnes complètes, 576 mains (avec autre.vrk)"));
        e->BtSeule->click();
        QCOMPARE(e->LbSeries->text(), QString("1 série, 96 donnes complètes, 384 mains"));

        const QString pdf = q(dir->file("stats.pdf"));
        plat->printTo = pdf;
        plat->printAccepted = true;
        e->CbImprimer->setChecked(true);
        f->ButImprime->click();
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains("/Count 2"));  // the statistics' page and the report's

        trigger("Probabilits1");
        QVERIFY(!f->PageControl1->isTabVisible(5));
        QVERIFY(!f->ButEquite->isVisible());
    }
};

QTEST_MAIN(StatsWindowsTest)
#include "tst_stats.moc"
