#include "platform/userfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "core/userfolders.h"
#include "platform/platform.h"

namespace ui {

namespace {

constexpr const char *kSettingsName = "vrek.ini";

QString withSlash(QString d) { return d.endsWith('/') ? d : d + '/'; }

// A folder of the user's, created when missing; empty when it cannot be.
QString userFolder(QStandardPaths::StandardLocation where) {
    const QString base = QStandardPaths::writableLocation(where);
    if (base.isEmpty()) return {};
    const QString dir = base + QStringLiteral("/vrek");
    return QDir().mkpath(dir) ? withSlash(dir) : QString();
}

}  // namespace

bool canKeepFilesIn(const QString &folder) {
    return vrek::canKeepFilesIn(QDir::cleanPath(QFileInfo(folder).absoluteFilePath()).toStdString());
}

}  // namespace ui

bool Platform::programFolderWritable() { return ui::canKeepFilesIn(programFolder()); }

namespace ui {

QString settingsFile(Platform &pf, bool forWriting) {
    const QString beside = pf.programFolder() + QString::fromLatin1(kSettingsName);
    if (pf.programFolderWritable()) return beside;
    if (!forWriting) {
        const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
        return QString::fromStdString(vrek::settingsFileToRead(pf.programFolder().toStdString(), false,
                                                               base.isEmpty() ? std::string() : base.toStdString() + '/'));
    }
    const QString folder = userFolder(QStandardPaths::GenericConfigLocation);
    if (folder.isEmpty()) return beside;
    const QString mine = folder + QString::fromLatin1(kSettingsName);
    if (!QFileInfo::exists(mine) && QFileInfo(beside).isFile() && QFile::copy(beside, mine)) {
        // The copy keeps the installed file's bits; the user's own is written.
        QFile copy(mine);
        copy.setPermissions(copy.permissions() | QFileDevice::WriteOwner | QFileDevice::ReadOwner);
    }
    return mine;
}

QString scratchFolder(Platform &pf) {
    if (pf.programFolderWritable()) return pf.programFolder();
    const QString folder = userFolder(QStandardPaths::GenericCacheLocation);
    return folder.isEmpty() ? withSlash(QDir::tempPath()) : folder;
}

}  // namespace ui
