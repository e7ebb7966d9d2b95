// The import and insertion commands driven through the menus and the dialog,
// headless, with the scripted platform answering the file dialogs and boxes.
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

#include "app/vrekhp.h"
#include "app/windows.h"
#include "core/fileio.h"
#include "core/seriesfile.h"
#include "formats/exports.h"
#include "formats/vrkImport.h"
#include "scriptedplatform.h"
#include "testutil.h"
#include "verify/vranalysis.h"

using namespace vrek;

class ImportTest : public QObject {
    Q_OBJECT
    std::unique_ptr<testutil::TempDir> dir;
    std::unique_ptr<ScriptedPlatform> plat;
    std::unique_ptr<TForm1> w;
    TVrkFImport *dlg = nullptr;
    Series source;  // the deals of the exported files
    Series start;   // the series open in the window

    QString path(const std::string &name) const { return QString::fromStdString(dir->file(name)); }
    QString exportTo(ExportFormat f, const std::string &name, int boards = 96) {
        Selection sel{};
        for (int b = 0; b < boards; ++b) sel[b] = true;
        ExportOptions o;
        o.date = "2024.03.07";
        testutil::writeFile(dir->file(name), exportSeries(f, source, sel, o).bytes);
        return path(name);
    }
    void open(const QString &series) {
        w = std::make_unique<TForm1>(QStringList{series});
        createWindows(*w);
        w->show();
        dlg = w->findChild<TVrkFImport *>("VrkFImport");
        QVERIFY(dlg);
    }
    void choose(std::initializer_list<int> boards) {
        QTest::mouseClick(dlg->Deselection, Qt::LeftButton);
        for (int b : boards) dlg->Main[b - 1]->setChecked(true);
    }
    int count(RecordedMessage::Kind k) const {
        int n = 0;
        for (const auto &m : plat->messages) n += m.kind == k;
        return n;
    }

private slots:
    void init() {
        dir = std::make_unique<testutil::TempDir>();
        plat = std::make_unique<ScriptedPlatform>();
        plat->folder = QString::fromStdString(dir->path()) + "/";
        for (int b = 1; b <= 96; ++b) source.deal(b) = testutil::shuffledDeal(500 + b);
        start = Series();
        for (int b = 1; b <= 96; ++b) start.deal(b) = testutil::shuffledDeal(900 + b);
        start.setLine(0, "Mardi");
        for (int i = 1; i < kTextLines; ++i) start.setLine(i, "t" + std::to_string(i));
        QCOMPARE(QString::fromStdString(saveSeries(dir->file("Mardi.vrk"), start)), QString());
        open(path("Mardi.vrk"));
    }
    void cleanup() {
        w.reset();
        plat.reset();
        dir.reset();
    }

    void importReplacesTheSeries() {
        const QString dup = exportTo(ExportFormat::Dup, "Lundi.dup");
        plat->fileNames.enqueue(dup);
        w->action("HundyDup1")->trigger();
        QCOMPARE(plat->dialogs.size(), 1);
        QCOMPARE(plat->dialogs[0].title, QString("Ouverture d'un fichier de donnes"));
        QCOMPARE(plat->dialogs[0].defaultSuffix, QString("DUP"));
        QCOMPARE(plat->dialogs[0].filter, QString("DUP|*.dup"));
        QCOMPARE(plat->dialogs[0].initialName, QString::fromStdString(w->model().workingFileName()));
        QVERIFY(dlg->isVisible());
        QCOMPARE(dlg->windowTitle(), "Importation des mains du fichier " + dup);
        QCOMPARE(dlg->tag(), 0);
        QCOMPARE(dlg->Label1->text(), QString("Importer à"));
        QCOMPARE(dlg->Label2->text(), QString("Partir de"));
        QCOMPARE(dlg->Label3->text(), QString("la position"));
        QCOMPARE(dlg->Importe->text(), QString("I&mporter"));
        QCOMPARE(dlg->SpEd_Insertion->value(), 1);
        QVERIFY(!dlg->SpEd_Insertion->isEnabled() && !dlg->Panel2->isEnabled());
        QVERIFY(dlg->Importe->isEnabled() && dlg->Selection->isEnabled() && dlg->Deselection->isEnabled());
        QCOMPARE(dlg->Main[0]->text(), QString("Main  1"));
        QCOMPARE(dlg->Main[95]->objectName(), QString("Main96"));
        for (int b = 1; b <= 96; ++b) QVERIFY(dlg->Main[b - 1]->isChecked() && dlg->Main[b - 1]->isEnabled());

        choose({5, 7});
        // Nothing changed in Mardi.vrk: nothing to ask before it is replaced.
        QTest::mouseClick(dlg->Importe, Qt::LeftButton);
        QCOMPARE(plat->messages.size(), 0);
        QVERIFY(!dlg->isVisible());
        for (int b = 1; b <= 96; ++b) {
            if (b == 5 || b == 7) QVERIFY(w->model().series().deal(b) == source.deal(b));
            else QVERIFY2(w->model().series().deal(b).empty(), qPrintable(QString::number(b)));
        }
        QCOMPARE(QString::fromStdString(w->model().series().line(0)), QString("Lundi.dup"));
        QCOMPARE(QString::fromStdString(w->model().series().line(themeLine(7))), QString());
        QCOMPARE(w->seriesFileName(), path("Lundi.VRK"));
        QCOMPARE(w->windowTitle(), "Distribution memorisée dans " + path("Lundi.VRK"));
        QCOMPARE(w->model().currentDeal(), 1);
        QCOMPARE(w->Titre->text(), QString("Lundi.dup"));
        // Answered No: the old series on disk is as it was, and nothing new was written.
        Series disk;
        QVERIFY(readSeries(dir->file("Mardi.vrk"), disk).ok);
        QVERIFY(disk.deals == start.deals && disk.lines == start.lines);
        QVERIFY(!fileExists(dir->file("Lundi.VRK")));
        QVERIFY(!w->action("FFBrsultats1")->isEnabled());
    }

    void importOfTheSameSeriesAsksNothing() {
        const QString dlm = exportTo(ExportFormat::Dlm, "Mardi.dlm", 32);
        plat->fileNames.enqueue(dlm);
        w->action("Duplimate2")->trigger();
        QCOMPARE(plat->dialogs[0].defaultSuffix, QString("DLM"));
        QCOMPARE(plat->dialogs[0].filter, QString("DLM|*.dlm"));
        // A run of 32: the filler boards are not offered.
        for (int b = 1; b <= 96; ++b) {
            QCOMPARE(dlg->Main[b - 1]->isEnabled(), b <= 32);
            QCOMPARE(dlg->Main[b - 1]->isChecked(), b <= 32);
        }
        QTest::mouseClick(dlg->Deselection, Qt::LeftButton);
        for (int b = 1; b <= 96; ++b) QVERIFY(!dlg->Main[b - 1]->isChecked() && dlg->Main[b - 1]->isEnabled() == (b <= 32));
        QTest::mouseClick(dlg->Selection, Qt::LeftButton);
        for (int b = 1; b <= 96; ++b) QCOMPARE(dlg->Main[b - 1]->isChecked(), b <= 32);
        QTest::mouseClick(dlg->Importe, Qt::LeftButton);
        QCOMPARE(plat->messages.size(), 0);
        // The series keeps its own name (Mardi.vrk, not Mardi.VRK beside it).
        QCOMPARE(w->seriesFileName(), path("Mardi.vrk"));
        for (int b = 1; b <= 96; ++b) QVERIFY(w->model().series().deal(b) == (b <= 32 ? source.deal(b) : Deal{}));
    }

    void insertionFromPbnAtTheCurrentDeal() {
        const QString pbn = exportTo(ExportFormat::PbnAll, "Lundi.pbn");
        w->gotoDeal(20);
        plat->fileNames.enqueue(pbn);
        w->action("WBridge5Insert")->trigger();
        QCOMPARE(plat->dialogs[0].defaultSuffix, QString("PBN"));
        QCOMPARE(plat->dialogs[0].filter, QString("PBN|*.pbn"));
        QCOMPARE(dlg->windowTitle(), "Insertion des mains du fichier " + pbn);
        QCOMPARE(dlg->tag(), 20);
        QCOMPARE(dlg->SpEd_Insertion->value(), 20);
        QVERIFY(dlg->SpEd_Insertion->isEnabled() && dlg->Panel2->isEnabled());
        QCOMPARE(dlg->Label1->text(), QString("Insérer à"));
        QCOMPARE(dlg->Importe->text(), QString("I&nsert"));
        choose({5, 7});
        QTest::mouseClick(dlg->Importe, Qt::LeftButton);
        QCOMPARE(plat->messages.size(), 0);
        QVERIFY(w->model().series().deal(20) == source.deal(5));
        QVERIFY(w->model().series().deal(21) == source.deal(7));
        for (int b = 1; b <= 96; ++b)
            if (b != 20 && b != 21) QVERIFY(w->model().series().deal(b) == start.deal(b));
        QCOMPARE(QString::fromStdString(w->model().series().line(themeLine(20))), QString());
        QCOMPARE(QString::fromStdString(w->model().series().line(themeLine(22))), QString("t%1").arg(themeLine(22)));
        QCOMPARE(QString::fromStdString(w->model().series().line(0)), QString("Mardi"));
        QCOMPARE(w->seriesFileName(), path("Mardi.vrk"));
        QCOMPARE(w->windowTitle(), "Distribution memorisée dans " + path("Mardi.vrk"));
        QCOMPARE(w->model().currentDeal(), 20);
        QVERIFY(!dlg->isVisible());
    }

    void insertionFromAnotherSeriesWithItsTexts() {
        Series other;
        other.deal(4) = source.deal(4);
        for (int i = 0; i < kTextLines; ++i) other.setLine(i, "autre " + std::to_string(i));
        QCOMPARE(QString::fromStdString(saveSeries(dir->file("Autre.vrk"), other)), QString());
        w->gotoDeal(9);
        plat->fileNames.enqueue(path("Autre.vrk"));
        w->action("Vrk1Insert")->trigger();
        QCOMPARE(plat->dialogs[0].defaultSuffix, QString("VRK"));
        QCOMPARE(plat->dialogs[0].filter, QString("VRK|*.vrk"));
        for (int b = 1; b <= 96; ++b) QCOMPARE(dlg->Main[b - 1]->isEnabled(), b == 4);
        // The position is the user's to change.
        dlg->SpEd_Insertion->setValue(12);
        QTest::mouseClick(dlg->Importe, Qt::LeftButton);
        QVERIFY(w->model().series().deal(12) == source.deal(4));
        for (int j = 0; j < 15; ++j)
            QCOMPARE(QString::fromStdString(w->model().series().line(15 * 12 - 14 + j)), QString("autre %1").arg(15 * 4 - 14 + j));
        QCOMPARE(w->model().currentDeal(), 12);
        QCOMPARE(w->Theme->text(), QString("autre %1").arg(themeLine(4)));
    }

    void emptyAndUnknownFiles() {
        testutil::writeFile(dir->file("vide.dup"), "");
        plat->fileNames.enqueue(path("vide.dup"));
        plat->answers.enqueue(true);
        w->action("HundyDup1Insert")->trigger();
        QCOMPARE(plat->messages.size(), 1);
        QCOMPARE(plat->messages[0].kind, RecordedMessage::Question);
        QCOMPARE(plat->messages[0].text, QString(" Le fichier est vide "));
        QVERIFY(!dlg->isVisible());
        QVERIFY(!dlg->Importe->isEnabled());
        QVERIFY(dlg->derivedName().isEmpty());

        testutil::writeFile(dir->file("a.txt"), "x");
        plat->fileNames.enqueue(path("a.txt"));
        w->action("GIB2")->trigger();
        QCOMPARE(count(RecordedMessage::Error), 1);
        QVERIFY(plat->lastMessage().contains(".DUP, .DLM, .PBN"));
        QVERIFY(!dlg->isVisible());

        // A series file chosen through an import item: series are inserted only.
        plat->fileNames.enqueue(path("Mardi.vrk"));
        w->action("WBridge51")->trigger();
        QCOMPARE(count(RecordedMessage::Error), 2);
        QVERIFY(plat->lastMessage().contains("Insérer"));

        // A cancelled file dialog shows nothing.
        w->action("Duplimate1Insert")->trigger();
        QVERIFY(!dlg->isVisible());
        QCOMPARE(plat->messages.size(), 3);
        QVERIFY(w->model().series().deals == start.deals && w->model().series().lines == start.lines);
    }

    void aDamagedDealIsLeftOutAndNamed() {
        const QString pbn = exportTo(ExportFormat::PbnAll, "Casse.pbn");
        const std::string good = testutil::readFile(pbn.toStdString());
        auto broken = [&](int board) {
            std::string bytes = good;
            for (int b = board ? board : 1; b <= (board ? board : 96); ++b) {
                const size_t deal = bytes.find("[Deal \"", bytes.find("[Board \"" + std::to_string(b) + "\"]"));
                bytes.replace(deal + 9, 1, "Z");
            }
            return bytes;
        };
        const std::string bytes = broken(6);
        const size_t deal6 = bytes.find("[Deal \"", bytes.find("[Board \"6\"]"));
        const QString line6 = QString("ligne %1 : ").arg(std::count(bytes.begin(), bytes.begin() + deal6, '\n') + 1);
        testutil::writeFile(pbn.toStdString(), bytes);
        plat->fileNames.enqueue(pbn);
        w->action("GIB2")->trigger();
        QCOMPARE(plat->dialogs[0].filter, QString("PBN|*.pbn"));
        QVERIFY(dlg->isVisible());
        // The deal that cannot be read is not offered.
        for (int b = 1; b <= 96; ++b) QCOMPARE(dlg->Main[b - 1]->isEnabled(), b != 6);
        QVERIFY(!dlg->VerifAnalyse->isHidden());

        // The file is damaged further before "Importer": no deal can be read
        // now. With a change, the save of Mardi.vrk is offered first.
        testutil::writeFile(pbn.toStdString(), broken(0));
        w->Titre->setText("Mardi soir");
        plat->choices.enqueue(Platform::Answer::Yes);
        QTest::mouseClick(dlg->Importe, Qt::LeftButton);
        QCOMPARE(plat->messages.size(), 2);
        QCOMPARE(plat->messages[0].text, " Faut-il enregistrer " + path("Mardi.vrk"));
        QCOMPARE(plat->messages[1].kind, RecordedMessage::Error);
        QVERIFY2(plat->messages[1].text.contains("Aucune des donnes choisies n'a pu être lue") &&
                     plat->messages[1].text.contains("« Z »"),
                 qPrintable(plat->messages[1].text));
        w->Titre->setText("Mardi");
        QVERIFY(w->model().series().deals == start.deals && w->model().series().lines == start.lines);
        QCOMPARE(w->seriesFileName(), path("Mardi.vrk"));
        QVERIFY(dlg->isVisible());

        // As it was when offered: the other 95 deals come in, the left-out one is named.
        testutil::writeFile(pbn.toStdString(), bytes);
        plat->messages.clear();
        plat->choices.enqueue(Platform::Answer::No);
        QTest::mouseClick(dlg->Importe, Qt::LeftButton);
        QVERIFY(!dlg->isVisible());
        QCOMPARE(plat->messages.size(), 2);
        QCOMPARE(plat->messages[1].kind, RecordedMessage::Information);
        QCOMPARE(plat->messages[1].text, "Importation de 95 donnes du fichier \r\r" + pbn + "\r\r1 donne écartée :\r" +
                                             line6 + "caractère « Z » inattendu à la place d'une carte");
        QVERIFY(w->model().series().deal(6).empty());
        QVERIFY(w->model().series().deal(7) == source.deal(7));
        QCOMPARE(w->seriesFileName(), path("Casse.VRK"));
    }

    void linThroughItsMenuItemAndAFileOfAnotherFormat() {
        const QString lin = exportTo(ExportFormat::Lin, "Lundi.lin", 12);
        w->gotoDeal(30);
        plat->fileNames.enqueue(lin);
        w->action("FormatLINInsert")->trigger();
        QCOMPARE(plat->dialogs[0].filter, QString("LIN|*.lin"));
        QCOMPARE(plat->dialogs[0].defaultSuffix, QString("LIN"));
        for (int b = 1; b <= 96; ++b) QCOMPARE(dlg->Main[b - 1]->isChecked(), b <= 12);
        QVERIFY(dlg->VerifAnalyse->isHidden());
        QTest::mouseClick(dlg->Importe, Qt::LeftButton);
        QCOMPARE(plat->messages.size(), 0);
        for (int b = 1; b <= 12; ++b) QVERIFY(w->model().series().deal(29 + b) == source.deal(b));
        // A PBN file named as a DUP file: not read at all, and the message says why.
        const QString dup = path("faux.dup");
        QFile::copy(exportTo(ExportFormat::PbnAll, "vrai.pbn"), dup);
        plat->fileNames.enqueue(dup);
        w->action("HundyDup1")->trigger();
        QCOMPARE(plat->messages.size(), 1);
        QCOMPARE(plat->messages[0].kind, RecordedMessage::Error);
        QVERIFY2(plat->messages[0].text.contains("Ce n'est pas un fichier DUP"), qPrintable(plat->messages[0].text));
        QVERIFY(!dlg->isVisible());
    }

    void aFileAnalysisIsKeptOrCheckedOnRequest() {
        auto *analysis = w->findChild<VrAnalysis *>();
        QVERIFY(analysis);
        QString err;
        QVERIFY2(analysis->analyseAndWait({{source.deal(1), 1}, {source.deal(2), 2}}, err), qPrintable(err));
        std::map<int, DealAnalysis> given = {{1, *analysis->find(source.deal(1), 1)},
                                             {2, *analysis->find(source.deal(2), 2)}};
        given[2].tricks[0][0] ^= 1;  // North in no-trump: one trick off
        ExportOptions o;
        o.date = "2024.03.07";
        o.analysis = &given;
        const QString pbn = path("Analyse.pbn");
        testutil::writeFile(pbn.toStdString(), exportSeries(ExportFormat::PbnAll, source, selectionOf({1, 2}), o).bytes);
        // Taken as it is: the wrong analysis is the board's until it is checked.
        for (bool check : {false, true}) {
            plat->fileNames.enqueue(pbn);
            w->action("WBridge5Insert")->trigger();
            QVERIFY(!dlg->VerifAnalyse->isHidden());
            dlg->VerifAnalyse->setChecked(check);
            dlg->SpEd_Insertion->setValue(1);
            QTest::mouseClick(dlg->Importe, Qt::LeftButton);
            QVERIFY(w->model().series().deal(2) == source.deal(2));
            QCOMPARE(*analysis->find(source.deal(2), 2) == given[2], !check);
        }
        QCOMPARE(plat->messages.size(), 1);
        QCOMPARE(plat->messages[0].text.split('\n').last(),
                 QString("Analyses du fichier vérifiées : 1 conforme au solveur, 1 différente."));
        QVERIFY2(plat->messages[0].text.startsWith("Donne 2 : l'analyse du fichier diffère de celle du solveur : N à SA : "),
                 qPrintable(plat->messages[0].text));
    }

    void aFailedSaveStopsTheImport() {
        const QString dup = exportTo(ExportFormat::Dup, "Lundi.dup", 2);
        w->model().rename(path("absent/Mardi.vrk").toStdString(), {});  // a folder that is not there
        plat->fileNames.enqueue(dup);
        w->action("HundyDup1")->trigger();
        w->model().edit(ChangeSeries, [&](Series &s) { s.setLine(0, "x"); });
        plat->choices.enqueue(Platform::Answer::Yes);
        QTest::mouseClick(dlg->Importe, Qt::LeftButton);
        QCOMPARE(plat->messages.size(), 2);
        QCOMPARE(plat->messages[1].kind, RecordedMessage::Error);
        QCOMPARE(w->model().series().line(0), std::string("x"));
        w->model().undo();
        QVERIFY(w->model().series().deals == start.deals && w->model().series().lines == start.lines);
        // "Annuler" stops the import too, and asks nothing more.
        w->model().edit(ChangeSeries, [&](Series &s) { s.setLine(0, "y"); });
        plat->choices.enqueue(Platform::Answer::Cancel);
        QTest::mouseClick(dlg->Importe, Qt::LeftButton);
        QCOMPARE(plat->messages.size(), 3);
        QCOMPARE(w->model().series().line(0), std::string("y"));
        QCOMPARE(w->seriesFileName(), path("absent/Mardi.vrk"));
    }

    void anImportAsksBeforeItsNameReplacesAnotherSeries() {
        Series other;
        other.setLine(0, "Autre");
        QCOMPARE(QString::fromStdString(saveSeries(dir->file("Lundi.VRK"), other)), QString());
        const std::string before = testutil::readFile(dir->file("Lundi.VRK")) + testutil::readFile(dir->file("Lundi.VRT"));
        const QString dup = exportTo(ExportFormat::Dup, "Lundi.dup", 2);
        plat->fileNames.enqueue(dup);
        w->action("HundyDup1")->trigger();
        QTest::mouseClick(dlg->Importe, Qt::LeftButton);  // No
        QCOMPARE(plat->messages.size(), 1);
        QCOMPARE(plat->messages[0].kind, RecordedMessage::Question);
        QCOMPARE(plat->messages[0].text, " Le fichier " + path("Lundi.VRK") +
                                             " existe déjà : la série importée le remplacera au prochain "
                                             "enregistrement. Faut-il continuer ? ");
        QVERIFY(dlg->isVisible());
        QCOMPARE(w->seriesFileName(), path("Mardi.vrk"));
        QVERIFY(w->model().series().deals == start.deals && w->model().series().lines == start.lines);

        // Yes, then (the open series having changed) No to saving it: the
        // series takes the name, and the file changes only when the user saves.
        w->Titre->setText("Mardi soir");
        plat->answers.enqueue(true);
        plat->choices.enqueue(Platform::Answer::No);
        QTest::mouseClick(dlg->Importe, Qt::LeftButton);
        QCOMPARE(plat->messages.size(), 3);
        QCOMPARE(plat->messages[2].text, " Faut-il enregistrer " + path("Mardi.vrk"));
        QCOMPARE(w->seriesFileName(), path("Lundi.VRK"));
        QVERIFY(w->model().series().deal(2) == source.deal(2));
        QCOMPARE(testutil::readFile(dir->file("Lundi.VRK")) + testutil::readFile(dir->file("Lundi.VRT")), before);
    }

    void insertionPastBoard96IsRefused() {
        const QString dup = exportTo(ExportFormat::Dup, "Lundi.dup", 3);
        w->gotoDeal(95);
        plat->fileNames.enqueue(dup);
        w->action("HundyDup1Insert")->trigger();
        for (int b = 1; b <= 96; ++b) QCOMPARE(dlg->Main[b - 1]->isChecked(), b <= 3);
        QTest::mouseClick(dlg->Importe, Qt::LeftButton);
        QCOMPARE(plat->messages.size(), 1);
        QCOMPARE(plat->messages[0].kind, RecordedMessage::Error);
        QVERIFY(plat->messages[0].text.contains("3 donnes à partir de la position 95"));
        QVERIFY(w->model().series().deals == start.deals && w->model().series().lines == start.lines);
        QCOMPARE(w->model().currentDeal(), 95);
        dlg->SpEd_Insertion->setValue(94);
        QTest::mouseClick(dlg->Importe, Qt::LeftButton);
        QVERIFY(w->model().series().deal(96) == source.deal(3));
        QCOMPARE(w->model().currentDeal(), 94);
    }

    void annuleHidesAndEachShowingScansAgain() {
        const QString dup = exportTo(ExportFormat::Dup, "Lundi.dup", 10);
        plat->fileNames.enqueue(dup);
        w->action("HundyDup1")->trigger();
        dlg->Main[2]->setChecked(false);
        QTest::mouseClick(dlg->Annule, Qt::LeftButton);
        QVERIFY(!dlg->isVisible());
        exportTo(ExportFormat::Dup, "Lundi.dup", 4);
        plat->fileNames.enqueue(dup);
        w->action("HundyDup1")->trigger();
        for (int b = 1; b <= 96; ++b) QCOMPARE(dlg->Main[b - 1]->isChecked(), b <= 4);
        QVERIFY(w->model().series().deals == start.deals);
    }
};

QTEST_MAIN(ImportTest)
#include "tst_import.moc"
