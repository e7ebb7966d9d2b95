// The double-dummy analysis through the windows: the current deal's grid,
// "Analyse au double mort de la série" with its progress and its stop, and
// the PBN export's option, with the real solver program and fake ones.
#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "app/ddtable.h"
#include "app/vrekhp.h"
#include "app/windows.h"
#include "core/seriesfile.h"
#include "formats/exports.h"
#include "formats/vrkexport.h"
#include "fakesolver.h"
#include "windowbed.h"
#include "verify/vranalysis.h"
#include "verify/vrkanalyse.h"

using namespace vrek;

namespace {
QString q(const std::string &s) { return QString::fromStdString(s); }
// North holds every top card.
Deal topCards() {
    return testutil::dealFrom("AKQJ.AKQ.AKQ.AKQ", "T98.JT9.JT9.JT98", "765.876.8765.765", "432.5432.432.432");
}
}  // namespace

class AnalyseTest : public QObject {
    Q_OBJECT
    std::unique_ptr<WindowBed> bed;
    testutil::TempDir *dir = nullptr;
    ScriptedPlatform *plat = nullptr;
    TForm1 *w = nullptr;
    VrAnalysis *analysis = nullptr;
    TVrekanalyse *dlg = nullptr;
    DdTableView *grid = nullptr;

    void setDeal(int n, const Deal &d) {
        w->model().edit(ChangeSeries, [&](Series &s) { s.deal(n) = d; });
    }

private slots:
    void init() {
        bed = std::make_unique<WindowBed>();
        dir = &bed->dir;
        plat = &bed->plat;
        Series s;
        s.clear();
        w = &bed->start(s, "Lundi.vrk");
        w->show();
        analysis = w->findChild<VrAnalysis *>();
        dlg = w->findChild<TVrekanalyse *>();
        grid = w->findChild<DdTableView *>("DdTable");
        QVERIFY(analysis && dlg && grid);
    }
    void cleanup() { bed.reset(); }

    void gridFollowsTheCurrentDeal() {
        QVERIFY(grid->isHidden());  // an empty board: nothing
        setDeal(1, topCards());
        // Asked in the background; the window goes on meanwhile.
        QTRY_VERIFY(!grid->isHidden());
        QCOMPARE(grid->text(), QString("   SA  P  C  K  T\n"
                                       "N  13 13 12 13 12\n"
                                       "S  13 13 12 13 12\n"
                                       "E   0  0  1  0  1\n"
                                       "O   0  0  1  0  1\n"
                                       "Par : 7SA NS\n"
                                       "      +1520 NS"));
        w->gotoDeal(2);
        QVERIFY(grid->isHidden());
        // A card moved: the old analysis no longer applies.
        w->gotoDeal(1);
        QVERIFY(!grid->isHidden());
        Deal d = topCards();
        std::swap(d.hands[North - 1], d.hands[West - 1]);
        setDeal(1, d);
        QVERIFY(grid->isHidden());
        QTRY_VERIFY(!grid->isHidden());
        QVERIFY2(grid->text().startsWith("   SA  P  C  K  T\nN   0  0  0  0  0"), qPrintable(grid->text()));
    }

    void seriesCommandAnalysesEveryCompleteBoard() {
        for (int n : {2, 3, 5}) setDeal(n, testutil::shuffledDeal(40 + n));
        setDeal(7, testutil::dealFrom("AK.-.-.-", "-.-.-.-", "-.-.-.-", "-.-.-.-"));
        int steps = 0;
        connect(analysis, &VrAnalysis::analysed, this, [&] { ++steps; });
        w->action("AnalyseDoubleMort")->trigger();
        QCOMPARE(plat->lastMessage(), QString("Analyse au double mort terminée : 3 donne(s).\n"
                                              "Donne non analysée car incomplète : 7."));
        QVERIFY(steps >= 3);
        for (int n : {2, 3, 5}) QVERIFY(analysis->find(w->model().series().deal(n), n));
        QVERIFY(!dlg->isVisible());
        // Known results come back at once, without the solver.
        analysis->solverProgram = q(dir->file("absent"));
        plat->messages.clear();
        w->action("AnalyseDoubleMort")->trigger();
        QCOMPARE(plat->lastMessage().left(41), QString("Analyse au double mort terminée : 3 donne"));
    }

    void cancelStopsTheSolverAtOnce() {
        FakeSolver solver(*plat, analysis->solverProgram = "/fake/bridge");  // never answers
        for (int n = 1; n <= 4; ++n) setDeal(n, testutil::shuffledDeal(n));
        analysis->cancel();  // what the grid asked for the deal shown
        const int asked = solver.requests, killed = solver.kills;
        QTimer::singleShot(300, dlg, [this] {
            QVERIFY(dlg->isVisible());
            QCOMPARE(dlg->Progression->value(), 0);
            dlg->Annuler->click();
        });
        QElapsedTimer clock;
        clock.start();
        w->action("AnalyseDoubleMort")->trigger();
        QVERIFY(clock.elapsed() < 5000);
        QVERIFY(plat->messages.isEmpty());
        QVERIFY(!dlg->isVisible());
        QCOMPARE(analysis->pending(), 0);
        // The solver was asked the four deals, then stopped.
        QCOMPARE(solver.requests - asked, 4);
        QCOMPARE(solver.kills - killed, 1);
        QCOMPARE(solver.held, 0);
    }

    void solverFailuresAreReported() {
        analysis->solverProgram = q(dir->file("absent"));
        setDeal(1, topCards());  // the grid's own attempt fails without a word
        w->action("AnalyseDoubleMort")->trigger();
        QCOMPARE(plat->messages.size(), 1);
        QCOMPARE(plat->messages[0].kind, RecordedMessage::Error);
        QCOMPARE(plat->lastMessage(), "Le programme de calcul « " + analysis->solverProgram +
                                          " » est introuvable ou ne peut pas être lancé.");
        plat->messages.clear();
        setDeal(2, topCards());
        FakeSolver solver(*plat, analysis->solverProgram = "/fake/bridge");
        solver.table = [](const std::string &request) {
            return request.substr(0, request.find(' ')) + " ffffffffffffffffffff 0 pass";  // 15 tricks
        };
        w->action("AnalyseDoubleMort")->trigger();
        QVERIFY(plat->lastMessage().startsWith("Le programme de calcul a donné une réponse illisible : « "));
    }

    void pbnExportWithTheAnalysis() {
        setDeal(1, topCards());
        setDeal(2, testutil::shuffledDeal(2));
        auto *expot = w->findChild<TVrekexpot *>();
        QVERIFY(expot);
        const QString plain = q(dir->file("plain.PBN")), withIt = q(dir->file("avec.PBN"));
        w->action("Wbridge1")->trigger();
        QVERIFY(!expot->AvecAnalyse->isHidden());
        QVERIFY(!expot->AvecAnalyse->isChecked());
        plat->fileNames.enqueue(plain);
        expot->Exporte->click();
        w->action("Wbridge1")->trigger();
        expot->AvecAnalyse->setChecked(true);
        plat->fileNames.enqueue(withIt);
        expot->Exporte->click();
        const std::string a = testutil::readFile(plain.toStdString()), b = testutil::readFile(withIt.toStdString());
        QVERIFY(a.find("DoubleDummyTricks") == std::string::npos);
        QVERIFY(b.find("[DoubleDummyTricks \"ddcdcddcdc0010100101\"]\r\n[OptimumScore \"NS 1520\"]\r\n"
                       "[ParContract \"NS 7NT\"]\r\n") != std::string::npos);
        QVERIFY2(b.size() > 0, qPrintable(plat->lastMessage()));
        QCOMPARE(std::count(b.begin(), b.end(), '\n') - std::count(a.begin(), a.end(), '\n'), 2L * 24);
        // Not offered for the other formats.
        w->action("Baco1")->trigger();
        QVERIFY(expot->AvecAnalyse->isHidden());
        expot->hide();
    }
};

QTEST_MAIN(AnalyseTest)
#include "tst_analyse.moc"
