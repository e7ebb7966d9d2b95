// Start-up, the settings file and the exit sequence of the main window, and
// the program's event loop.
#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "app/vrekhp.h"
#include "app/windows.h"
#include "core/fileio.h"
#include "platform/platform.h"
#include "platform/uiutil.h"
#include "platform/userfiles.h"

using namespace vrek;

void TForm1::startUp(const QStringList &args) {
    // The caption, then the settings.
    setWindowTitle(QStringLiteral("DISTRIBUTEUR DE MAIN DE BRIDGE Version ") + kVersion);
    ws_.setIniFileName(ui::settingsFile(pf_).toStdString());
    readSettings();
    const Settings &s = ws_.settings();
    action("PoliceArial1")->setChecked(s.arial);
    action("PaliceArialBlack1")->setChecked(!s.arial);
    action("Automatiser1")->setChecked(s.automatise);
    action("EnregistrementAutomatique1")->setChecked(s.enregistrement);
    action("Nepasvrifierlamisejour1")->setChecked(s.noValide);
    // Layout for the zoom read now; later changes wait for the next start.
    layoutZoom = s.zoom;
    layoutForZoom(layoutZoom);
    // The update check.
    if (!s.noValide && updateCheck) endRequested = updateCheck(*this);
    // A series named on the command line.
    if (!args.isEmpty() && QFileInfo(args.first()).suffix().toUpper() == "VRK" &&
        args.first().toUpper().endsWith(".VRK")) {
        if (openSeries(QFileInfo(args.first()).absoluteFilePath())) {
            ws_.setWorkingFileName(ws_.seriesFileName());
            writeExitSettings();
            ws_.cancelPendingExchange();
        }
    } else if (ws_.settings().automatise) {
        // Else the remembered working file, at the remembered board.
        const int donne = ws_.settings().donne;
        const int board = donne >= 1 && donne <= kBoards ? donne : 1;
        if (openSeries(QString::fromStdString(ws_.workingFileName()))) {
            if (board != ws_.currentDeal()) gotoDeal(board);
        }
    }
    // Automatic saving is offered only with the remembered working file.
    action("EnregistrementAutomatique1")->setEnabled(action("Automatiser1")->isChecked());
}

void TForm1::readSettings() {
    // An unreadable file gives the defaults; the first write that would
    // replace it says why it cannot.
    vrek::loadSettings(ws_.iniFileName(), ui::localeDateFormat(), ws_.settings());
    ws_.setWorkingFileName(ui::pathFromSettings(ws_.settings().travail).toStdString());
    if (expireUpdateOptOut(ws_.settings(), ui::todayNumber()))
        writeIniValue([](IniFile &f) { writeNoValide(f, false); });
}

bool TForm1::writeIniValue(const std::function<void(IniFile &)> &edit) {
    std::string e = ws_.writeIni(edit);
    if (!e.empty()) {
        pf_.error(this, QString::fromStdString(e));
        return false;
    }
    return true;
}

bool TForm1::writeExitSettings() {
    Settings &s = ws_.settings();
    s.travail = ui::pathToSettings(QString::fromStdString(ws_.workingFileName()));
    s.donne = ws_.currentDeal();
    s.automatise = action("Automatiser1")->isChecked();
    s.enregistrement = action("EnregistrementAutomatique1")->isChecked();
    s.arial = action("PoliceArial1")->isChecked();
    const bool withWorkingFile = ws_.fileOpen();
    return writeIniValue([&s, withWorkingFile](IniFile &f) { vrek::writeExitSettings(f, s, withWorkingFile); });
}

bool TForm1::exitSequence() {
    if (exited_) return true;
    if (closeKeyboardEntry) closeKeyboardEntry();
    if (ws_.fileOpen()) {
        const bool automatic = action("EnregistrementAutomatique1")->isChecked();
        if (automatic && !ws_.modified()) {
            // The automatic save's own question, with nothing to lose either way.
            if (pf_.question(this, QStringLiteral("Enregistrement du fichier ") + seriesFileName()) && !saveSeries())
                return false;
        } else if (!mayDropSeries(automatic ? QStringLiteral("Enregistrement du fichier ") + seriesFileName()
                                            : QStringLiteral("La série ") + seriesFileName() +
                                                  QStringLiteral(" a été modifiée.\nFaut-il l'enregistrer ?"))) {
            return false;
        }
    }
    exited_ = true;
    writeExitSettings();
    if (hideProjector) hideProjector();
    return true;
}

int runApplication(int argc, char **argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Distributeur"));
    // The program's own face: Arial (its metric twin where Arial is absent),
    // narrow enough for the whole menu bar to fit the designed width.
    QApplication::setFont(QFont(QStringLiteral("Arial"), 9));
    // The toolkit's own dialogs (file, print, colour) in French.
    static QTranslator qtFrench;
    if (qtFrench.load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtFrench);
    QStringList args = QApplication::arguments();
    args.removeFirst();
    installStartupHooks();
    TForm1 form(args);
    createWindows(form);
    if (form.endRequested) return 0;
    form.show();
    return QApplication::exec();
}
