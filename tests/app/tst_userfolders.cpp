// Where the settings file and the solver's exchange file go: beside the
// program when its folder can take them, in the user's folders when it
// cannot (an installed program), the user's settings read first.
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QStandardPaths>
#include <QtTest>
#include <unistd.h>

#include "app/vrekhp.h"
#include "app/windows.h"
#include "core/seriesfile.h"
#include "platform/userfiles.h"
#include "fakesolver.h"
#include "scriptedplatform.h"
#include "testutil.h"
#include "verify/vrkverif.h"

using namespace vrek;

namespace {

// The tests run as root, who may write into any folder: an installed
// program's folder is one the probe refuses, so here it is refused outright.
class InstalledPlatform : public ScriptedPlatform {
public:
    bool programFolderWritable() override { return false; }
};

QString q(const std::string &s) { return QString::fromStdString(s); }

std::string readOrEmpty(const QString &path) {
    return QFileInfo::exists(path) ? testutil::readFile(path.toStdString()) : std::string();
}

}  // namespace

class UserFoldersTest : public QObject {
    Q_OBJECT
    std::unique_ptr<testutil::TempDir> dir;
    QString configDir, cacheDir, programDir;
    const std::string adminIni = "[Fonctionnement]\r\nZoom=14\r\n";

    // The program's folder, with the settings an administrator left there, read-only.
    void installWithSettings(ScriptedPlatform &plat) {
        QDir().mkpath(programDir);
        testutil::writeFile((programDir + "vrek.ini").toStdString(), adminIni);
        QFile::setPermissions(programDir + "vrek.ini", QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        plat.folder = programDir;
    }

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        configDir = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/vrek/";
        cacheDir = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + "/vrek/";
    }
    void init() {
        dir = std::make_unique<testutil::TempDir>();
        programDir = q(dir->path()) + "/usr-lib-vrek/";
        QDir(configDir).removeRecursively();
        QDir(cacheDir).removeRecursively();
    }
    void cleanup() {
        dir.reset();
        QDir(configDir).removeRecursively();
        QDir(cacheDir).removeRecursively();
    }

    void whichFoldersTakeFiles() {
        const QString tmp = q(dir->path());
        QVERIFY(ui::canKeepFilesIn(tmp + "/"));
        // The probe leaves nothing behind.
        QVERIFY(QDir(tmp).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).isEmpty());
        // Installed programs never write beside themselves, whoever runs them.
        for (const char *system : {"/usr/lib/vrek/", "/usr/local/lib/vrek", "/opt/vrek/", "/usr"})
            QVERIFY2(!ui::canKeepFilesIn(system), system);
        QVERIFY(ui::canKeepFilesIn(tmp + "/../" + QFileInfo(tmp).fileName()));
        // Folders nobody can create a file in, root included.
        testutil::writeFile(dir->file("plain"), "x");
        QVERIFY(!ui::canKeepFilesIn(tmp + "/plain/sub/"));
        QVERIFY(!ui::canKeepFilesIn(tmp + "/missing/"));
        if (geteuid() != 0) {
            QDir().mkdir(tmp + "/locked");
            QFile::setPermissions(tmp + "/locked", QFile::ReadOwner | QFile::ExeOwner);
            QVERIFY(!ui::canKeepFilesIn(tmp + "/locked"));
        }
    }

    void aWritableFolderKeepsEverythingBeside() {
        ScriptedPlatform plat;
        plat.folder = q(dir->path()) + "/";
        QCOMPARE(ui::settingsFile(plat), plat.folder + "vrek.ini");
        QCOMPARE(ui::scratchFolder(plat), plat.folder);
        QVERIFY(!QFileInfo::exists(configDir));
    }

    void anInstalledProgramUsesTheUserFolders() {
        InstalledPlatform plat;
        installWithSettings(plat);
        // The first time, the user's file starts as the administrator's, and can be written.
        const QString mine = ui::settingsFile(plat);
        QCOMPARE(mine, configDir + "vrek.ini");
        QCOMPARE(testutil::readFile(mine.toStdString()), adminIni);
        QVERIFY(QFileInfo(mine).permissions() & QFile::WriteOwner);
        // Afterwards the user's own settings stay.
        testutil::writeFile(mine.toStdString(), "[Fonctionnement]\r\nZoom=12\r\n");
        QCOMPARE(ui::settingsFile(plat), mine);
        QCOMPARE(testutil::readFile(mine.toStdString()), std::string("[Fonctionnement]\r\nZoom=12\r\n"));

        QCOMPARE(ui::scratchFolder(plat), cacheDir);
        QVERIFY(QFileInfo(cacheDir).isDir());
    }

    void theMainWindowReadsAndWritesTheUserSettings() {
        InstalledPlatform plat;
        installWithSettings(plat);
        {
            TForm1 w({});
            QCOMPARE(w.model().settings().zoom, 14);
            w.zoomBy(1);
            QVERIFY(w.exitSequence());
        }
        QVERIFY(readOrEmpty(configDir + "vrek.ini").find("Zoom=15") != std::string::npos);
        QCOMPARE(readOrEmpty(programDir + "vrek.ini"), adminIni);
        QCOMPARE(plat.messages.size(), 1);  // the zoom's own message, no error
        {
            TForm1 w({});
            QCOMPARE(w.model().settings().zoom, 15);
        }
    }

    // A second program, refused the series another holds, and a program that
    // never opens one leave the working file's keys as they are.
    void aProgramWithoutItsSeriesLeavesTheSettingsAlone() {
        ScriptedPlatform plat;
        plat.folder = q(dir->path()) + "/";
        Series empty;
        empty.clear();
        saveSeries(dir->file("s.vrk"), empty);
        Settings kept;  // the file as the first program's exit writes it
        kept.travail = dir->file("s.vrk");
        kept.donne = 5;
        kept.automatise = true;
        IniFile f;
        writeExitSettings(f, kept);
        testutil::writeFile(dir->file("vrek.ini"), f.serialize());
        TForm1 first({});
        QCOMPARE(first.model().currentDeal(), 5);
        QVERIFY(TForm1({}).exitSequence());
        QVERIFY(plat.lastMessage().contains("est en cours d'utilisation"));
        QCOMPARE(testutil::readFile(dir->file("vrek.ini")), f.serialize());

        testutil::writeFile(dir->file("vrek.ini"), "[Fonctionnement]\r\nZoom=12\r\n");
        QVERIFY(TForm1({}).exitSequence());
        QVERIFY(testutil::readFile(dir->file("vrek.ini")).find("Travail") == std::string::npos);
    }

    void theVerificationExchangesThroughTheUserCache() {
        InstalledPlatform plat;
        installWithSettings(plat);
        Series s;
        s.clear();
        s.deal(1) = testutil::dealFrom("AKQJ.AKQ.AKQ.AKQ", "T98.JT9.JT9.JT98", "765.876.8765.765", "432.5432.432.432");
        s.setLine(contractLine(1), makeContractLine("4P S", {3, 3, 6}));
        saveSeries(dir->file("s.vrk"), s);
        TForm1 w({q(dir->file("s.vrk"))});
        createWindows(w);
        auto *v = w.findChild<TVrekverif *>();
        QVERIFY(v);
        FakeSolver solver(plat, v->solverProgram = "/fake/bridge");
        w.Distribution->click();
        v->verifier->click();

        QCOMPARE(solver.commands.size(), size_t(1));
        QCOMPARE(QString::fromLatin1(solver.commands[0].c_str()), "-dcq " + cacheDir + "vrek.txt");
        QVERIFY(solver.exchanges[0].find("n AKQJ.AKQ.AKQ.AKQ") == 0);
        QVERIFY(!QFileInfo::exists(cacheDir + "vrek.txt"));
        QVERIFY(QDir(programDir).entryList({"vrek*.txt"}).isEmpty());
        QCOMPARE(plat.messages.size(), 1);
        QVERIFY(plat.messages[0].text.startsWith("13 levées par Sud"));
    }
};

QTEST_MAIN(UserFoldersTest)
#include "tst_userfolders.moc"
