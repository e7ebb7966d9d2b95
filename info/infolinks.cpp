#include "info/infolinks.h"

#include <QFileInfo>
#include <QUrl>
#include <QWidget>

#include "core/cp1252.h"
#include "core/workspace.h"
#include "info/updatecheck.h"
#include "platform/platform.h"

using namespace vrek;

namespace {
QString fromSetting(const std::string &bytes) { return QString::fromStdString(cp1252ToUtf8(bytes)); }
}  // namespace

const std::pair<const char *, const char *> InfoLinks::kHelpItems[7] = {
    {"Aide6", "Vrek.pdf"},  {"Aide1", "VrekF.pdf"}, {"Aide2", "VrekE.pdf"}, {"Aide3", "VrekI.pdf"},
    {"Aide4", "VrekC.pdf"}, {"Aide5", "VrekS.pdf"}, {"Aide7", "VrekZ.pdf"},
};

InfoLinks::InfoLinks(Workspace &ws, Platform &pf, const QString &version, QWidget *parent)
    : QObject(parent), ws_(ws), pf_(pf), parent_(parent), version_(version) {
    setObjectName("InfoLinks");
}

QString InfoLinks::mailFailure() {
    return QStringLiteral("Le courier électronique par défaut\n\nn'est pas installé correctement");
}

QString InfoLinks::browserFailure() {
    return QStringLiteral("Le logiciel de surff par défaut\n\nn'est pas installé correctement");
}

void InfoLinks::CourierClick() {
    const std::string link =
        info::mailLink(cp1252ToUtf8(ws_.settings().courriel), "Vrek " + version_.toStdString());
    if (!pf_.openUrl(QString::fromStdString(link))) pf_.warning(parent_, mailFailure());
}

void InfoLinks::Information1Click() {
    if (!pf_.openUrl(fromSetting(ws_.settings().pageInformations))) pf_.warning(parent_, browserFailure());
}

void InfoLinks::helpClick(const QString &fileName) {
    const QString path = pf_.programFolder() + fileName;
    // Said rather than left silent: a click that does nothing looks like a
    // program that does not work.
    if (!QFileInfo(path).isFile()) {
        pf_.warning(parent_, QStringLiteral("Le fichier d'aide ") + path + QStringLiteral(" est introuvable."));
        return;
    }
    if (!pf_.openUrl(QUrl::fromLocalFile(path).toString()))
        pf_.warning(parent_, QStringLiteral("Le lecteur de documents PDF par défaut\n\nn'est pas installé correctement"));
}

bool InfoLinks::runUpdateCheck(const Settings &s, Platform &pf, QWidget *parent, const QString &version) {
    const std::string site = cp1252ToUtf8(s.site);
    auto exists = [&pf](const std::string &url) {
        return pf.httpGet(QString::fromStdString(url), kProbeTimeoutMs) == 200;
    };
    if (info::checkForUpdate(site, version.toStdString(), exists) != info::UpdateState::NewVersion) return false;
    if (!pf.question(parent, QString::fromStdString(info::newVersionQuestion(site)))) return false;
    // The program ends only when the download page is open in front of the user.
    if (pf.openUrl(fromSetting(s.pageTelechargement))) return true;
    pf.warning(parent, browserFailure());
    return false;
}
