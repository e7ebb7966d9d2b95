// The diagram pages with "Avec l'analyse au double mort": the boards
// analysed first by the real solver program, then printed with their table
// and par; stopping or failing analysis prints nothing; unticked pages as
// they always were.
#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QtTest>

#include "app/vrekhp.h"
#include "app/windows.h"
#include "core/seriesfile.h"
#include "platform/recordingcanvas.h"
#include "printing/diagramanalysis.h"
#include "printing/printjob.h"
#include "printing/vrkcom.h"
#include "fakesolver.h"
#include "windowbed.h"
#include "verify/vranalysis.h"
#include "verify/vrkanalyse.h"

using namespace vrek;

namespace {
QString q(const std::string &s) { return QString::fromStdString(s); }
// North holds every top card: 7SA for North-South on board 1, nobody vulnerable.
Deal topCards() {
    return testutil::dealFrom("AKQJ.AKQ.AKQ.AKQ", "T98.JT9.JT9.JT98", "765.876.8765.765", "432.5432.432.432");
}
std::vector<std::string> parLines(const RecordingCanvas &c) {
    std::vector<std::string> v;
    for (const DrawOp &t : c.texts())
        if (t.text.rfind("Par : ", 0) == 0) v.push_back(t.text);
    return v;
}
std::string dump(const RecordingCanvas &c) {
    std::string s;
    for (const DrawOp &d : c.ops)
        s += std::to_string(d.kind) + ' ' + std::to_string(d.x1) + ' ' + std::to_string(d.y1) + ' ' +
             std::to_string(d.x2) + ' ' + std::to_string(d.y2) + ' ' + d.text + ' ' + d.font.name + ' ' +
             std::to_string(d.font.size) + ' ' + std::to_string(d.font.colour.r) + ' ' +
             std::to_string(d.font.colour.b) + '\n';
    return s;
}
}  // namespace

class PrintAnalysisTest : public QObject {
    Q_OBJECT
    std::unique_ptr<WindowBed> bed;
    testutil::TempDir *dir = nullptr;
    ScriptedPlatform *plat = nullptr;
    TForm1 *w = nullptr;
    TVrekcom *com = nullptr;
    VrAnalysis *analysis = nullptr;
    TVrekanalyse *progress = nullptr;

    QString path(const std::string &name) const { return q(dir->file(name)); }
    void printTo(const std::string &name) {
        plat->printAccepted = true;
        plat->printTo = path(name);
    }

private slots:
    void initTestCase() {
        const QString bridge = QDir(QCoreApplication::applicationDirPath()).filePath("bridge");
        QVERIFY2(QFileInfo(bridge).isExecutable(), "the solver program bridge must be built beside the test");
    }
    void init() {
        bed = std::make_unique<WindowBed>();
        dir = &bed->dir;
        plat = &bed->plat;
        Series s;
        s.clear();
        s.deal(1) = topCards();
        s.deal(2) = testutil::shuffledDeal(2);
        s.deal(3) = testutil::shuffledDeal(3);
        s.deal(4) = testutil::dealFrom("AK.-.-.-", "-.-.-.-", "-.-.-.-", "-.-.-.-");  // incomplete
        s.setLine(0, "Club");
        w = &bed->start(s, "Club.vrk");
        w->show();
        w->gotoDeal(1);
        com = w->findChild<TVrekcom *>();
        analysis = w->findChild<VrAnalysis *>();
        progress = w->findChild<TVrekanalyse *>();
        QVERIFY(com && analysis && progress);
        // The main window's grid asks for the current deal on its own: keep
        // that out of what these tests count.
        analysis->cancel();
    }
    void cleanup() { bed.reset(); }

    void untickedPagesAreAsBefore() {
        w->action("Diagrammes1")->trigger();
        QCOMPARE(com->AvecAnalyse->text(), QString("Avec l'analyse au double mort"));
        QVERIFY(com->AvecAnalyse->isVisible() && !com->AvecAnalyse->isChecked());
        const size_t known = analysis->cache().size();
        analysis->solverProgram = path("absent");  // never needed
        printTo("sans.pdf");
        com->Imprimer->click();
        QVERIFY(QFile::exists(path("sans.pdf")));
        QVERIFY(plat->messages.isEmpty());
        QCOMPARE(analysis->cache().size(), known);

        RecordingCanvas dialog, plain;
        QVERIFY(com->draw(dialog));
        DiagramOptions o;
        o.style.colour = com->options().style.colour;
        QVERIFY(printDiagramSheets(plain, w->model().series(), {1}, o));
        QCOMPARE(dump(dialog), dump(plain));
        QVERIFY(parLines(dialog).empty());
    }

    void tickedAnalysesThenPrints() {
        w->action("Diagrammes1")->trigger();
        com->AvecAnalyse->setChecked(true);
        printTo("avec.pdf");
        bool shown = false;
        connect(analysis, &VrAnalysis::analysed, this, [&] { shown = shown || progress->isVisible(); });
        com->Imprimer->click();
        QVERIFY2(plat->messages.isEmpty(), qPrintable(plat->lastMessage()));
        QVERIFY(shown);  // under the analysis' progress window
        QVERIFY(!progress->isVisible());
        QVERIFY(QFile::exists(path("avec.pdf")));
        for (int b = 1; b <= 3; ++b) QVERIFY(analysis->find(w->model().series().deal(b), b));

        RecordingCanvas c;
        QVERIFY(com->draw(c));
        const auto pars = parLines(c);
        QCOMPARE(pars.size(), size_t(3));  // board 4 is incomplete
        QCOMPARE(q(pars[0]), QString("Par : 7SA NS, +1520 pour NS"));
        const DealAnalysis *a = analysis->find(w->model().series().deal(2), 2);
        QCOMPARE(pars[1], parLine(*a));

        // Chosen deals: only those; known already, so no solver is needed.
        analysis->solverProgram = path("absent");
        w->action("Diagrammeschoisis1")->trigger();
        QVERIFY(com->AvecAnalyse->isChecked());
        com->Don[0]->setValue(2);
        com->Don[2]->setValue(4);
        printTo("choisies.pdf");
        com->Imprimer->click();
        QVERIFY(QFile::exists(path("choisies.pdf")));
        QVERIFY(plat->messages.isEmpty());
        RecordingCanvas chosen;
        QVERIFY(com->draw(chosen));
        QCOMPARE(parLines(chosen), std::vector<std::string>{parLine(*a)});

        // A deal changed since its analysis prints without it.
        w->model().edit(ChangeSeries, [](Series &s) { std::swap(s.deal(2).hands[0], s.deal(2).hands[1]); });
        RecordingCanvas changed;
        QVERIFY(com->draw(changed));
        QVERIFY(parLines(changed).empty());
    }

    void stoppingTheAnalysisPrintsNothing() {
        FakeSolver solver(*plat, analysis->solverProgram = "/fake/bridge");  // never answers
        w->action("Diagrammes1")->trigger();
        com->AvecAnalyse->setChecked(true);
        printTo("arret.pdf");
        QTimer::singleShot(300, progress, [this] {
            QVERIFY(progress->isVisible());
            progress->Annuler->click();
        });
        com->Imprimer->click();
        QVERIFY(!QFile::exists(path("arret.pdf")));
        QVERIFY(plat->messages.isEmpty());
        QVERIFY(com->isVisible());  // to try again, or untick
        QCOMPARE(analysis->pending(), 0);

        // The preview waits for the analysis as well.
        QTimer::singleShot(300, progress, [this] { progress->Annuler->click(); });
        com->Apercu->click();
        QVERIFY(!com->findChild<printing::PrintPreview *>());
    }

    void solverFailureIsReportedAndNothingPrinted() {
        analysis->solverProgram = path("absent");
        w->action("Diagrammes1")->trigger();
        com->AvecAnalyse->setChecked(true);
        printTo("echec.pdf");
        com->Imprimer->click();
        QVERIFY(!QFile::exists(path("echec.pdf")));
        QCOMPARE(plat->messages.size(), 1);
        QCOMPARE(plat->messages[0].kind, RecordedMessage::Error);
        QVERIFY(plat->lastMessage().contains("introuvable"));
    }
};

QTEST_MAIN(PrintAnalysisTest)
#include "tst_printanalysis.moc"
