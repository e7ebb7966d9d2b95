// The "&Fichier" commands of the main window: new, open, save, save as, the
// working-file ticks, and the two commands that empty the series.
#include <QAction>

#include "app/vrekhp.h"
#include "platform/platform.h"

using namespace vrek;

bool TForm1::openSeries(const QString &name, const QString &captionPrefix) {
    std::string warning, notice;
    const std::string e = ws_.open(name.toStdString(), (captionPrefix + name).toStdString(), &warning, &notice);
    if (!e.empty()) {
        pf_.error(this, QString::fromStdString(e));
        return false;
    }
    if (!notice.empty()) pf_.information(this, QString::fromStdString(notice));
    if (!warning.empty()) pf_.error(this, QString::fromStdString(warning));
    return true;
}

void TForm1::openSeriesDialog(bool isNew) {
    // Unsaved changes first: the file dialog comes once the series may go.
    // The same name too: opening it again reads it back from the disk.
    if (!mayDropSeries(QStringLiteral(" Faut-il enregistrer ") + seriesFileName())) return;
    FileDialogOptions o;
    o.title = isNew ? QStringLiteral("Nouveau fichier de donnes") : QStringLiteral("Ouverture d'un fichier de donnes");
    o.defaultSuffix = "VRK";
    o.filter = "VRK|*.vrk";
    o.initialName = QString::fromStdString(ws_.workingFileName());
    o.createPrompt = true;
    QString name = pf_.openFileName(this, o);
    if (name.isEmpty()) return;
    if (!openSeries(name)) return;
    ws_.setWorkingFileName(ws_.seriesFileName());
    ws_.cancelPendingExchange();
}

bool TForm1::mayDropSeries(const QString &text) {
    if (!ws_.fileOpen() || !ws_.modified()) return true;
    switch (pf_.questionCancel(this, text)) {
    case Platform::Answer::Yes: return saveSeries();
    case Platform::Answer::No: return true;
    case Platform::Answer::Cancel: break;
    }
    return false;
}

bool TForm1::saveSeries() {
    if (!ws_.fileOpen()) return false;
    std::string e = ws_.save();
    if (!e.empty()) {
        pf_.error(this, QString::fromStdString(e));
        return false;
    }
    return true;
}

void TForm1::saveAs() {
    FileDialogOptions o;
    o.title = QStringLiteral("Enregistre un fichier de donnes");
    o.defaultSuffix = "vrk";
    o.filter = "VRK|*.VRK";
    o.overwritePrompt = true;
    o.initialName = seriesFileName();
    QString name = pf_.saveFileName(this, o);
    if (name.isEmpty()) return;
    // On failure the series stays attached to the file it came from.
    std::string e = ws_.saveAs(name.toStdString(), (QStringLiteral("VREK : ") + name).toStdString());
    if (!e.empty()) pf_.error(this, QString::fromStdString(e));
}

void TForm1::toggleAutomatiser() {
    QAction *a = action("Automatiser1");
    QAction *b = action("EnregistrementAutomatique1");
    Settings &s = ws_.settings();
    // The action toggled itself before this runs: decide from the stored state.
    if (s.automatise) {
        s.automatise = false;
        s.enregistrement = false;
    } else if (ws_.fileOpen()) {
        s.automatise = true;
    }
    a->setChecked(s.automatise);
    b->setChecked(s.enregistrement);
    b->setEnabled(s.automatise);
}

void TForm1::toggleEnregistrementAutomatique() {
    Settings &s = ws_.settings();
    s.enregistrement = !s.enregistrement;
    action("EnregistrementAutomatique1")->setChecked(s.enregistrement);
}

void TForm1::resetSeries() {
    if (!ws_.fileOpen()) return;
    ws_.edit(ChangeSeries, [](Series &s) { s.reset(); });
    gotoDeal(1);
}

void TForm1::wipeDeals() {
    if (!ws_.fileOpen()) return;
    ws_.edit(ChangeDeals, [](Series &s) { s.wipeDeals(); });
    gotoDeal(1);
}
