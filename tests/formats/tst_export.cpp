// The export dialog driven as a user would: menu item, boxes, numbering,
// file dialogs and messages through the scripted platform, and the bytes on disk.
#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "app/vrekhp.h"
#include "app/windows.h"
#include "core/seriesfile.h"
#include "exportfixture.h"
#include "formats/vrkexport.h"
#include "scriptedplatform.h"

using namespace vrek;

Q_DECLARE_METATYPE(vrek::ExportFormat)

class ExportDialogTest : public QObject {
    Q_OBJECT
    std::unique_ptr<testutil::TempDir> dir;
    std::unique_ptr<ScriptedPlatform> plat;
    std::unique_ptr<TForm1> w;
    TVrekexpot *dlg = nullptr;

    QString path(const std::string &name) const { return QString::fromStdString(dir->file(name)); }
    std::string bytesOf(const QString &p) const { return testutil::readFile(p.toStdString()); }

    // Opens a series with boards 1 .. complete dealt, as the user would.
    void start(int complete, const std::vector<int> &incomplete = {}) {
        Series s = fixture::series(complete);
        for (int b : incomplete) s.deal(b).clear();
        s.setLine(0, "Club du lundi");
        fixture::setContract(s, 1, "4P S  RC");
        fixture::setContract(s, 2, "3SA O");
        fixture::setContract(s, 4, "2C \"E\" \\");
        saveSeries(dir->file("Lundi.VRK"), s);
        w = std::make_unique<TForm1>(QStringList{path("Lundi.VRK")});
        createWindows(*w);
        dlg = w->findChild<TVrekexpot *>();
        QVERIFY(dlg);
    }
    void open(const char *item) {
        w->action(item)->trigger();
        QVERIFY(dlg->isVisible());
    }
    void click(QAbstractButton *b) { QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(8, b->height() / 2)); }
    void choose(const std::vector<int> &boards) {
        click(dlg->Deselection);
        for (int b : boards) click(dlg->Main[b - 1]);
    }
    ExportOptions options(bool rotate = false) {
        ExportOptions o;
        o.rotate = rotate;
        o.date = "2024.03.07";  // the scripted platform's today, set in init()
        return o;
    }

private slots:
    void init() {
        dir = std::make_unique<testutil::TempDir>();
        plat = std::make_unique<ScriptedPlatform>();
        plat->folder = QString::fromStdString(dir->path()) + "/";
        plat->date = QDate(2024, 3, 7);
    }
    void cleanup() {
        w.reset();
        plat.reset();
        dir.reset();
    }

    void activationFollowsCompleteDeals() {
        start(10);
        open("Duplimate1");
        QCOMPARE(dlg->windowTitle(), "Exportation des mains dans le fichier " + path("Lundi.DLM"));
        for (int n = 1; n <= 96; ++n) {
            QCOMPARE(dlg->Main[n - 1]->isEnabled(), n <= 10);
            QCOMPARE(dlg->Main[n - 1]->isChecked(), n <= 10);
        }
        QCOMPARE(dlg->Main[0]->text(), QString("Main  1"));
        QCOMPARE(dlg->Main[95]->text(), QString("Main 96"));
        QCOMPARE(dlg->Main[31]->parentWidget(), dlg->Panel1);
        QCOMPARE(dlg->Main[32]->parentWidget(), dlg->Panel3);
        QCOMPARE(dlg->Main[64]->parentWidget(), dlg->Panel4);
        QCOMPARE(dlg->Main[40]->toolTip(), QString("Choisir les mains à exporter"));
        QVERIFY(dlg->CompleteItem[0]->isChecked());
        QCOMPARE(dlg->Exporte->text(), QString("E&xporter"));

        // The mode stays between showings; the boxes are recomputed from the series.
        click(dlg->CompleteItem[1]);
        QCOMPARE(dlg->Exporte->text(), QString("Compléter E&xportation"));
        click(dlg->Main[2]);
        QVERIFY(!dlg->Main[2]->isChecked());
        QTest::mouseClick(dlg->Annule, Qt::LeftButton);
        QVERIFY(!dlg->isVisible());
        w->model().edit(vrek::ChangeSeries, [&](vrek::Series &s) { s.deal(20) = testutil::shuffledDeal(20); });
        w->model().edit(vrek::ChangeSeries, [&](vrek::Series &s) { s.deal(5).clear(); });
        open("GIB1");
        QCOMPARE(dlg->windowTitle(), "Exportation des mains dans le fichier " + path("Lundi.PBN"));
        QVERIFY(dlg->Main[2]->isChecked());
        QVERIFY(dlg->Main[19]->isEnabled() && dlg->Main[19]->isChecked());
        QVERIFY(!dlg->Main[4]->isEnabled() && !dlg->Main[4]->isChecked());
        QVERIFY(dlg->CompleteItem[1]->isChecked());
        QCOMPARE(dlg->Exporte->text(), QString("Compléter E&xportation"));
    }

    void selectionButtons() {
        start(70, {20, 50});
        open("Baco1");
        auto checked = [&] {
            std::vector<int> v;
            for (int n = 1; n <= 96; ++n)
                if (dlg->Main[n - 1]->isChecked()) v.push_back(n);
            return v;
        };
        auto completeIn = [](int from, int to) {
            std::vector<int> v;
            for (int n = from; n <= std::min(to, 70); ++n)
                if (n != 20 && n != 50) v.push_back(n);
            return v;
        };
        click(dlg->Deselection);
        QVERIFY(checked().empty());
        click(dlg->Main[19]);  // incomplete deal: its box cannot be ticked
        click(dlg->Main[65]);
        click(dlg->Select1);
        std::vector<int> expect = completeIn(1, 64);
        expect.push_back(66);
        QCOMPARE(checked(), expect);
        click(dlg->Select2);
        QCOMPARE(checked(), completeIn(1, 96));
        click(dlg->Deselect2);
        QCOMPARE(checked(), completeIn(1, 64));
        click(dlg->Deselect1);
        QCOMPARE(checked(), completeIn(1, 32));
        click(dlg->Selection);
        QCOMPARE(checked(), completeIn(1, 96));
    }

    // Every menu item with boxes 1, 2 and 4: the machines take 1 and 2, the others all three.
    void newFileForEveryItem_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<ExportFormat>("format");
        QTest::addColumn<QString>("ext");
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("rotate");
        QTest::addColumn<QString>("probe");  // text the file must hold
        QTest::newRow("DAT") << "Baco1" << ExportFormat::Dat << "DAT" << 3 << false << "Contract: 3NT-West";
        QTest::newRow("PBN All") << "Wbridge1" << ExportFormat::PbnAll << "PBN" << 3 << false
                                 << "[Vulnerable \"All\"]\r\n";
        QTest::newRow("PBN Both") << "GIB1" << ExportFormat::PbnBoth << "PBN" << 3 << false
                                  << "[Date \"2024.03.07\"]\r\n";
        QTest::newRow("LIN") << "BridgeBaseOnline1" << ExportFormat::Lin << "LIN" << 3 << false
                             << "vg|Club du lundi|\r\n";
        QTest::newRow("EASI") << "FormatSimultansEASI1" << ExportFormat::Easi << "TXT" << 3 << false << "#FIN\r\n";
        QTest::newRow("RTF turned") << "Traitementdetexte1" << ExportFormat::Rtf << "RTF" << 3 << true << "\\par }";
        QTest::newRow("RTF plain") << "Traitementdetexte1" << ExportFormat::Rtf << "RTF" << 3 << false << "\\par }";
        QTest::newRow("HandyDup") << "HandyDup1" << ExportFormat::Dup << "DUP" << 2 << false << "YN1  1 2  ";
        QTest::newRow("Dealer4") << "Dealer41" << ExportFormat::Dup << "DUP" << 2 << false << "YN1  1 2  ";
        QTest::newRow("DLM") << "Duplimate1" << ExportFormat::Dlm << "DLM" << 2 << false << "To board=2\r\n";
        QTest::newRow("BRI") << "FormatBRI1" << ExportFormat::Bri << "BRI" << 2 << false << "01020304181920343536505152";
        QTest::newRow("DGE") << "FormatDGE1" << ExportFormat::Dge << "DGE" << 2 << false << "\x06" "AKQJ\x03T98\x04" "765";
    }
    void newFileForEveryItem() {
        QFETCH(QString, item);
        QFETCH(ExportFormat, format);
        QFETCH(QString, ext);
        QFETCH(int, count);
        QFETCH(bool, rotate);
        QFETCH(QString, probe);
        start(96);
        const QString target = path("sortie." + ext.toStdString());
        testutil::writeFile(target.toStdString(), "ancien contenu plus long que rien");  // replaced unasked
        open(item.toUtf8().constData());
        QCOMPARE(dlg->windowTitle().right(3).toUpper(), ext);
        QCOMPARE(dlg->formatTag(), std::optional(format));
        choose({1, 2, 4});
        plat->answers.enqueue(rotate);
        plat->fileNames.enqueue(target);
        QTest::mouseClick(dlg->Exporte, Qt::LeftButton);

        QVERIFY(!dlg->isVisible());
        QCOMPARE(plat->dialogs.size(), 1);
        const FileDialogOptions &d = plat->dialogs[0];
        QCOMPARE(d.title, QString("Exportation de %1 mains").arg(count));
        QCOMPARE(d.filter, QString::fromStdString(saveFilter(format)));
        QCOMPARE(d.initialName, path("Lundi." + ext.toStdString()));
        QVERIFY(!d.overwritePrompt);
        QCOMPARE(plat->messages.size(), format == ExportFormat::Rtf ? 2 : 1);
        if (format == ExportFormat::Rtf) QCOMPARE(plat->messages[0].text, QString::fromStdString(rotationQuestion()));
        QCOMPARE(plat->messages.last().kind, RecordedMessage::Information);
        QCOMPARE(plat->lastMessage(), QString("Exportation de %1 main(s) dans le fichier \r\r").arg(count) + target);

        const std::string bytes = bytesOf(target);
        QCOMPARE(bytes, exportSeries(format, w->model().series(), selectionOf({1, 2, 4}), options(rotate)).bytes);
        QVERIFY(bytes.find(probe.toStdString()) != std::string::npos);
        if (format == ExportFormat::Dup) QCOMPARE(bytes.size(), size_t(2 * 156));
        if (format == ExportFormat::Bri || format == ExportFormat::Dge) QCOMPARE(bytes.size(), size_t(2 * 128));
        if (format == ExportFormat::Rtf)  // board 2 is played by West: turned, East sits above
            QCOMPARE(bytes != exportSeries(format, w->model().series(), selectionOf({1, 2, 4}), options(!rotate)).bytes, true);
    }

    void appendForEveryFormat_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<ExportFormat>("format");
        QTest::addColumn<QString>("probe");
        QTest::newRow("DAT") << "Baco1" << ExportFormat::Dat << "Deal: 98 ";
        QTest::newRow("PBN") << "Wbridge1" << ExportFormat::PbnAll << "[Board \"97\"]";
        QTest::newRow("GIB") << "GIB1" << ExportFormat::PbnBoth << "[Board \"98\"]";
        QTest::newRow("LIN") << "BridgeBaseOnline1" << ExportFormat::Lin << "|ah|Etui 2|";
        QTest::newRow("RTF") << "Traitementdetexte1" << ExportFormat::Rtf << "Donne : 98";
        QTest::newRow("DUP") << "HandyDup1" << ExportFormat::Dup << "YN1  1 98 ";
        QTest::newRow("DLM") << "Duplimate1" << ExportFormat::Dlm << "To board=98\r\n";
        QTest::newRow("BRI") << "FormatBRI1" << ExportFormat::Bri << "01020304181920343536505152";
        QTest::newRow("DGE") << "FormatDGE1" << ExportFormat::Dge << "\x06" "AKQJ\x03T98\x04" "765";
    }
    void appendForEveryFormat() {
        QFETCH(QString, item);
        QFETCH(ExportFormat, format);
        QFETCH(QString, probe);
        start(96);
        const QString old = path("ancien.fic");
        const std::string before = exportSeries(format, w->model().series(), completeBoards(w->model().series()), options()).bytes;
        testutil::writeFile(old.toStdString(), before);
        open(item.toUtf8().constData());
        choose({1, 2});
        click(dlg->CompleteItem[1]);
        QCOMPARE(dlg->Exporte->text(), QString("Compléter E&xportation"));
        plat->answers.enqueue(false);
        plat->fileNames.enqueue(old);
        QTest::mouseClick(dlg->Exporte, Qt::LeftButton);

        QCOMPARE(plat->dialogs.size(), 1);  // written back without a save dialog
        QCOMPARE(plat->dialogs[0].title, QString("Compléte le fichier"));
        QCOMPARE(plat->dialogs[0].filter, QString::fromStdString(openFilter(format)));
        QCOMPARE(plat->dialogs[0].initialName, QString::fromStdString(defaultExportName(dir->file("Lundi.VRK"), format)));
        QCOMPARE(plat->lastMessage(), "Exportation de 2 main(s) supplémentaires dans le fichier \r\r" + old);
        ExportOptions o = fixture::appendTo(before, old.toStdString());
        o.date = "2024.03.07";
        const std::string after = bytesOf(old);
        QCOMPARE(after, exportSeries(format, w->model().series(), selectionOf({1, 2}), o).bytes);
        QVERIFY(after.find(probe.toStdString()) != std::string::npos);
        if (format == ExportFormat::Bri || format == ExportFormat::Dge) QCOMPARE(after.substr(96 * 128, 128), before.substr(0, 128));
    }

    void easiAlwaysMakesANewFile() {
        start(5);
        open("FormatSimultansEASI1");
        click(dlg->CompleteItem[1]);
        plat->fileNames.enqueue(path("f.TXT"));
        QTest::mouseClick(dlg->Exporte, Qt::LeftButton);
        QCOMPARE(plat->dialogs[0].title, QString("Exportation de 5 mains"));
        QCOMPARE(plat->lastMessage(), "Exportation de 5 main(s) dans le fichier \r\r" + path("f.TXT"));
        QCOMPARE(bytesOf(path("f.TXT")), exportSeries(ExportFormat::Easi, w->model().series(), completeBoards(w->model().series()), {}).bytes);
    }

    void refusedExportsLeaveTheFileAsItWas() {
        start(96);
        Series s = w->model().series();
        const QString f = path("machine.fic");
        const std::string dlm32 = exportSeries(ExportFormat::Dlm, s, fixture::firstBoards(32), {}).bytes;
        std::string dlmBadSum = exportSeries(ExportFormat::Dlm, s, completeBoards(s), {}).bytes;
        dlmBadSum.replace(dlmBadSum.find("Checksum=99"), 11, "Checksum=98");
        const std::string dup96 = exportSeries(ExportFormat::Dup, s, completeBoards(s), {}).bytes;
        struct Case {
            const char *item;
            std::string bytes;
            std::vector<int> boards;
        } cases[] = {{"Duplimate1", dlm32, {1, 2}}, {"Duplimate1", dlmBadSum, {1}}, {"Dealer41", dup96, {1, 2, 3, 4}}};
        for (const Case &c : cases) {
            testutil::writeFile(f.toStdString(), c.bytes);
            plat->messages.clear();
            open(c.item);
            choose(c.boards);
            click(dlg->CompleteItem[1]);
            plat->fileNames.enqueue(f);
            QTest::mouseClick(dlg->Exporte, Qt::LeftButton);
            QVERIFY(!dlg->isVisible());
            QCOMPARE(plat->messages.size(), 1);
            QVERIFY(!plat->lastMessage().startsWith("Exportation"));
            QVERIFY(plat->lastMessage().contains(f));
            QCOMPARE(bytesOf(f), c.bytes);
            if (&c == cases) QCOMPARE(plat->lastMessage(), "Il n'y a pas 96 mains dans le fichier \r\r" + f);
        }
        // A deal emptied while the dialog stays open: refused before any save dialog.
        open("HandyDup1");
        click(dlg->CompleteItem[0]);
        w->model().edit(vrek::ChangeSeries, [&](vrek::Series &s) { s.deal(2).clear(); });
        plat->fileNames.enqueue(path("x.DUP"));
        QTest::mouseClick(dlg->Exporte, Qt::LeftButton);
        QCOMPARE(plat->dialogs.size(), 3);
        QVERIFY(plat->lastMessage().startsWith("La donne 2 "));
        QVERIFY(!QFile::exists(path("x.DUP")));

        // The series' own files, picked in the save or the open dialog, are never written.
        const std::string pair = bytesOf(path("Lundi.VRK")) + bytesOf(path("Lundi.VRT"));
        plat->fileNames.clear();
        for (int mode : {0, 1}) {
            open("BridgeBaseOnline1");
            click(dlg->CompleteItem[mode]);
            plat->fileNames.enqueue(path(mode ? "Lundi.VRK" : "Lundi.VRT"));
            QTest::mouseClick(dlg->Exporte, Qt::LeftButton);
            QCOMPARE(plat->messages.last().kind, RecordedMessage::Error);
            QVERIFY(plat->lastMessage().contains("est un fichier de la série exportée"));
        }
        QCOMPARE(bytesOf(path("Lundi.VRK")) + bytesOf(path("Lundi.VRT")), pair);
    }

    void cancelAndSilentCasesWriteNothing() {
        start(10);
        const auto filesBefore = QDir(QString::fromStdString(dir->path())).entryList(QDir::Files);
        // Cancelled save dialog, cancelled open dialog (after the RTF question).
        for (const char *item : {"Wbridge1", "Duplimate1", "Traitementdetexte1"}) {
            open(item);
            QTest::mouseClick(dlg->Exporte, Qt::LeftButton);
            QVERIFY(!dlg->isVisible());
        }
        open("Traitementdetexte1");
        click(dlg->CompleteItem[1]);
        QTest::mouseClick(dlg->Exporte, Qt::LeftButton);
        QCOMPARE(plat->dialogs.size(), 4);
        QCOMPARE(plat->dialogs[3].title, QString("Compléte le fichier"));
        QCOMPARE(plat->messages.size(), 2);  // the two rotation questions
        QCOMPARE(plat->messages[1].kind, RecordedMessage::Question);
        // Machine files without box 1: no dialog, no message at all.
        for (const char *item : {"Duplimate1", "HandyDup1"}) {
            open(item);
            choose({2, 3});
            plat->fileNames.enqueue(path("x.DLM"));
            QTest::mouseClick(dlg->Exporte, Qt::LeftButton);
            QVERIFY(!dlg->isVisible());
            plat->fileNames.clear();
        }
        QCOMPARE(plat->dialogs.size(), 4);
        QCOMPARE(plat->messages.size(), 2);
        QCOMPARE(QDir(QString::fromStdString(dir->path())).entryList(QDir::Files), filesBefore);
    }

    void emptySelectionAndFailures() {
        start(10);
        open("Wbridge1");
        click(dlg->Deselection);
        plat->fileNames.enqueue(path("vide.PBN"));
        QTest::mouseClick(dlg->Exporte, Qt::LeftButton);
        QCOMPARE(plat->dialogs[0].title, QString("Exportation de 0 mains"));
        QCOMPARE(plat->lastMessage(), "Exportation de 0 main(s) dans le fichier \r\r" + path("vide.PBN"));
        QVERIFY(QFile::exists(path("vide.PBN")));
        // An unwritable target and a vanished file to append to are errors, not successes.
        plat->messages.clear();
        open("Baco1");
        plat->fileNames.enqueue(path("absent/x.DAT"));
        QTest::mouseClick(dlg->Exporte, Qt::LeftButton);
        QCOMPARE(plat->messages.size(), 1);
        QCOMPARE(plat->messages[0].kind, RecordedMessage::Error);
        open("Baco1");
        click(dlg->CompleteItem[1]);
        plat->fileNames.enqueue(path("absent.DAT"));
        QTest::mouseClick(dlg->Exporte, Qt::LeftButton);
        QCOMPARE(plat->messages.size(), 2);
        QCOMPARE(plat->lastMessage(), "Le fichier à compléter n'existe pas : " + path("absent.DAT"));
        QVERIFY(!QFile::exists(path("absent.DAT")));
    }
};

QTEST_MAIN(ExportDialogTest)
#include "tst_export.moc"
