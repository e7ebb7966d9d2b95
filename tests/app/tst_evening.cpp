// The evening's size through the windows: kept in vrek.ini, shown and set in
// the board bar; at 24 the series commands and the first choices of the
// dialogs take boards 1-24, and boards 25-96 stay exactly as they were.
#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

#include "app/vreksoiree.h"
#include "app/vrekhp.h"
#include "formats/exportfile.h"
#include "core/series.h"
#include "dealing/VrekCle.h"
#include "dealing/dealkey.h"
#include "formats/vrkexport.h"
#include "printing/VrkEtiq.h"
#include "printing/vrkcom.h"
#include "printing/vrkfiche.h"
#include "stats/VrekStat.h"
#include "verify/vrkverif.h"
#include "fakesolver.h"
#include "verify/vranalysis.h"
#include "verify/vrkanalyse.h"
#include "windowbed.h"

using namespace vrek;

namespace {
Deal topCards() {
    return testutil::dealFrom("AKQJ.AKQ.AKQ.AKQ", "T98.JT9.JT9.JT98", "765.876.8765.765", "432.5432.432.432");
}
// The deal and the fifteen text lines of each board from `from` on.
std::vector<std::string> boardsFrom(const Series &s, int from) {
    std::vector<std::string> out;
    for (int b = from; b <= kBoards; ++b) {
        std::string t(reinterpret_cast<const char *>(&s.deal(b)), sizeof(Deal));
        for (int l = 15 * b - 14; l <= 15 * b; ++l) t += '|' + s.line(l);
        out.push_back(t);
    }
    return out;
}
}  // namespace

class EveningTest : public QObject {
    Q_OBJECT
    std::unique_ptr<WindowBed> bed;
    TForm1 *w = nullptr;

    std::string ini() const { return testutil::readFile(bed->dir.file("vrek.ini")); }
    void start(const Series &s, const std::string &settings) {
        bed = std::make_unique<WindowBed>();
        testutil::writeFile(bed->dir.file("vrek.ini"), settings);
        w = &bed->start(s, "Mardi.vrk");
        w->show();
    }

private slots:
    void cleanup() { bed.reset(); }

    void theSizeIsKeptAndShownInTheBoardBar() {
        Series s;
        s.clear();
        start(s, "[Soiree]\r\nNombreDonnes=24\r\n");
        QCOMPARE(w->EdSoiree->value(), 24);
        QCOMPARE(w->EdSoiree->text(), QString("/ 24"));
        QVERIFY(w->EdSoiree->isVisible());
        // From the menu the field takes the keys; a value is written at once.
        w->action("NombreDonnes1")->trigger();
        w->EdSoiree->selectAll();
        QTest::keyClicks(w->EdSoiree, "18");
        QCOMPARE(w->model().settings().nombreDonnes, 18);  // no Return needed
        w->EdSoiree->setValue(30);
        QCOMPARE(w->model().settings().nombreDonnes, 30);
        QVERIFY(ini().find("[Soiree]\r\nNombreDonnes=30\r\n") != std::string::npos);
        w = &bed->start("Mardi.vrk");
        QCOMPARE(w->EdSoiree->value(), 30);
        // The exit write keeps it, and a file without the key is the whole series.
        w->close();
        QVERIFY(ini().find("NombreDonnes=30") != std::string::npos);
        testutil::writeFile(bed->dir.file("vrek.ini"), "");
        w = &bed->start("Mardi.vrk");
        QCOMPARE(w->model().settings().nombreDonnes, kBoards);
        w->close();
        QVERIFY(ini().find("Soiree") == std::string::npos);
    }

    void seriesCommandsTakeTheEveningsBoards() {
        Series s;
        s.clear();
        for (int b = 25; b <= kBoards; ++b) {
            s.deal(b) = b <= 30 ? topCards() : testutil::shuffledDeal(b);
            s.setLine(contractLine(b), makeContractLine("4P S", {4, 3, 5}));
            s.setLine(provenanceLine(b), "ancien");
        }
        start(s, "[Soiree]\r\nNombreDonnes=24\r\n");
        const std::vector<std::string> above = boardsFrom(w->model().series(), 25);

        w->action("N3")->trigger();
        for (int b = 1; b <= 24; ++b) QVERIFY(w->model().series().deal(b).complete());
        QCOMPARE(boardsFrom(w->model().series(), 25), above);

        // The real solver on easy deals: the verification and the analysis.
        const QString bridge = QDir(QCoreApplication::applicationDirPath()).filePath("bridge");
        w->findChild<TVrekverif *>()->solverProgram = bridge;
        w->model().edit(ChangeSeries, [](Series &t) {
            for (int b = 1; b <= 24; ++b) {
                t.deal(b) = topCards();
                t.setLine(contractLine(b), makeContractLine("4P S", {4, 3, 5}));
            }
        });
        w->action("Verif_Auto")->trigger();
        QVERIFY2(bed->plat.messages.isEmpty(), qPrintable(bed->plat.lastMessage()));
        QCOMPARE(w->model().series().line(contractLine(24)), makeContractLine("4P+3 par S sur entame 2P", {4, 3, 5}));
        QCOMPARE(boardsFrom(w->model().series(), 25), above);
        w->action("AnalyseDoubleMort")->trigger();
        QCOMPARE(bed->plat.lastMessage(), QString("Analyse au double mort terminée : 24 donne(s)."));

        w->action("StatistiquesdelaSrie1")->trigger();
        auto *st = w->findChild<TvrekFStat *>();
        QCOMPARE(st->LabelSoiree->text(), QString("24 donnes sont prises en compte"));
        QCOMPARE(st->LabelNbMain->text(), QString("96 mains sont prises en compte"));
        st->hide();

        // First choices of the dialogs: the evening's boards, any other by hand.
        w->action("Duplimate1")->trigger();
        auto *ex = w->findChild<TVrekexpot *>();
        for (int b = 1; b <= kBoards; ++b) {
            QVERIFY(ex->Main[b - 1]->isEnabled());
            QCOMPARE(ex->Main[b - 1]->isChecked(), b <= 24);
        }
        ex->hide();
        w->action("Diagrammes1")->trigger();
        auto *com = w->findChild<TVrekcom *>();
        for (int n = 1; n <= 24; ++n) QCOMPARE(com->Feuille[n - 1]->isChecked(), n <= 6);
        com->hide();
        w->action("Surfeuillesvierges1")->trigger();
        auto *fiche = w->findChild<Tvrekfiche *>();
        for (int n = 1; n <= kTravellerPairs; ++n) QCOMPARE(fiche->Fiche[n - 1]->isChecked(), n <= 12);
        fiche->hide();
        w->action("Imprime1")->trigger();
        auto *etiq = w->findChild<TVrekEtiq *>();
        QCOMPARE(etiq->Diagr_deb->value(), 1);
        QCOMPARE(etiq->Diagr_fin->value(), 24);
    }

    void theEveningInOneStep() {
        Series s;
        s.clear();
        for (int b = 1; b <= 30; ++b) s.deal(b) = topCards();
        start(s, "[Soiree]\r\nNombreDonnes=24\r\n");
        auto *d = w->findChild<TVrekSoiree *>();
        w->action("PreparerSoiree1")->trigger();
        QVERIFY(d->isVisible());
        const QString folder = bed->path("Mardi");
        QCOMPARE(d->EdDossier->text(), folder);
        QCOMPARE(d->LbDonnes->text(), QString("Donnes de la soirée : 1-24 (24 donnes)"));
        for (const auto &[item, box] : d->Choix)
            QCOMPARE(box->isChecked(), item != bundle::Item::Fingerprint);  // no key dealt here

        // "Annuler" in the analysis' progress window: nothing written, the dialog stays.
        auto *analysis = w->findChild<VrAnalysis *>();
        auto *progress = w->findChild<TVrekanalyse *>();
        const QString solver = analysis->solverProgram;
        {
            FakeSolver silent(bed->plat, analysis->solverProgram = "/fake/bridge");  // never answers
            QTimer::singleShot(300, progress, [progress] { progress->Annuler->click(); });
            QVERIFY(!d->BtPreparerClick());
            QVERIFY(bed->plat.messages.isEmpty());
            QVERIFY(!QFileInfo::exists(folder));
            QVERIFY(d->isVisible());
        }
        analysis->solverProgram = solver;

        // The PBN file and the diagrams need the analysis: the real solver, easy deals.
        d->BtPreparer->click();
        QVERIFY2(bed->plat.messages.size() == 1, qPrintable(bed->plat.lastMessage()));
        QCOMPARE(bed->plat.messages[0].kind, RecordedMessage::Information);
        QVERIFY(bed->plat.lastMessage().startsWith("La soirée est prête : 11 fichiers écrits dans " + folder));
        QVERIFY(!d->isVisible());
        const std::string dlm = testutil::readFile(bed->dir.file("Mardi/Mardi.DLM"));
        const std::string pbn = testutil::readFile(bed->dir.file("Mardi/Mardi.PBN"));
        QCOMPARE(QString::fromStdString(pbn).count("[DoubleDummyTricks "), 24);
        const std::string again = bed->dir.file("again.DLM");
        QVERIFY(exportToFile("dlm", w->model().series(), bed->dir.file("Mardi.vrk"),
                             selectionOf(eveningBoards(w->model().settings())), {}, again)
                    .ok);
        QCOMPARE(dlm, testutil::readFile(again));

        // A second run asks first; "Non" leaves every file as it was.
        testutil::writeFile(bed->dir.file("Mardi/Mardi.DLM"), "ancien");
        w->action("PreparerSoiree1")->trigger();
        bed->plat.messages.clear();
        QVERIFY(!d->BtPreparerClick());
        QCOMPARE(bed->plat.messages.size(), 1);
        QCOMPARE(bed->plat.messages[0].kind, RecordedMessage::Question);
        QVERIFY(bed->plat.lastMessage().startsWith("Le dossier " + folder + " contient déjà des fichiers de la soirée :\n"));
        QCOMPARE(testutil::readFile(bed->dir.file("Mardi/Mardi.DLM")), std::string("ancien"));

        // "Oui", with the DUP file unwritable: named, the others replaced.
        QFile::remove(bed->path("Mardi/Mardi.DUP"));
        QDir().mkpath(bed->path("Mardi/Mardi.DUP"));
        bed->plat.answers.enqueue(true);
        bed->plat.messages.clear();
        QVERIFY(!d->BtPreparerClick());
        QCOMPARE(bed->plat.messages.last().kind, RecordedMessage::Error);
        QVERIFY2(bed->plat.lastMessage().startsWith("Ces fichiers n'ont pas pu être écrits :\nMardi.DUP : "),
                 qPrintable(bed->plat.lastMessage()));
        QVERIFY(bed->plat.lastMessage().contains("Les autres sont écrits dans " + folder));
        QCOMPARE(testutil::readFile(bed->dir.file("Mardi/Mardi.DLM")), dlm);
        QVERIFY(d->isVisible());
    }

    // A key that dealt the evening gives its tick: its fingerprint is written, never the key.
    void theKeysFingerprintJoinsWhenAKeyDealt() {
        Series s;
        s.clear();
        start(s, "[Soiree]\r\nNombreDonnes=24\r\n");
        auto *cle = w->findChild<TVrekCle *>();
        w->action("DistributionCle")->trigger();
        bed->plat.fileNames.enqueue(bed->path("cle.txt"));
        cle->BtCreer->click();
        cle->BtSerie->click();
        cle->hide();
        std::string err;
        const auto key = readKeyFile(bed->dir.file("cle.txt"), err);
        QVERIFY2(key, err.c_str());

        auto *d = w->findChild<TVrekSoiree *>();
        w->action("PreparerSoiree1")->trigger();
        for (const auto &[item, box] : d->Choix) {
            QVERIFY(box->isEnabled() && box->isChecked());
            box->setChecked(item == bundle::Item::Fingerprint);
        }
        bed->plat.messages.clear();
        QVERIFY2(d->BtPreparerClick(), qPrintable(bed->plat.lastMessage()));
        const std::string written = testutil::readFile(bed->dir.file("Mardi/Mardi-empreinte.txt"));
        QVERIFY(written.find(fingerprintOf(*key)) != std::string::npos);
        QVERIFY(written.find(testutil::readFile(bed->dir.file("cle.txt")).substr(0, 64)) == std::string::npos);
    }
};

QTEST_MAIN(EveningTest)
#include "tst_evening.moc"
