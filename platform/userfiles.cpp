#include "platform/userfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

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
    const QString dir = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    for (const char *system : {"/usr", "/opt", "/bin", "/sbin", "/lib", "/lib64", "/snap"}) {
        const QString s = QString::fromLatin1(system);
        if (dir == s || dir.startsWith(s + '/')) return false;
    }
    // Asking for the permission bits would say yes to root everywhere, and
    // no on a read-only mount only by luck: creating a file tells.
    QTemporaryFile probe(withSlash(dir) + QStringLiteral(".vrek-XXXXXX"));
    return probe.open();
}

}  // namespace ui

bool Platform::programFolderWritable() { return ui::canKeepFilesIn(programFolder()); }

namespace ui {

QString settingsFile(Platform &pf, bool forWriting) {
    const QString beside = pf.programFolder() + QString::fromLatin1(kSettingsName);
    if (pf.programFolderWritable()) return beside;
    if (!forWriting) {
        const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
        const QString mine = base + QStringLiteral("/vrek/") + QString::fromLatin1(kSettingsName);
        return !base.isEmpty() && QFileInfo::exists(mine) ? mine : beside;
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
