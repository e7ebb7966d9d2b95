#include "verify/vrsolverprocess.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <algorithm>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace vrek {

namespace {

constexpr const char *kSolverName = "bridge";

// The running program's folder as the file system names it. Qt reads names
// as UTF-8, so a folder whose name is not cannot be reached through QString.
QByteArray nativeProgramFolder() {
#ifdef Q_OS_LINUX
    char buf[4096];
    ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf);
    if (n <= 0 || n >= static_cast<ssize_t>(sizeof buf)) return {};
    QByteArray path(buf, static_cast<int>(n));
    return path.left(path.lastIndexOf('/'));
#else
    return {};
#endif
}

}  // namespace

QString solverBesideProgram() {
    return QDir(QCoreApplication::applicationDirPath()).filePath(QString::fromLatin1(kSolverName));
}

void prepareSolverProcess(QProcess &p, const QString &program, const QStringList &args) {
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p.setProgram(program);
    p.setArguments(args);
#ifdef Q_OS_UNIX
    const QByteArray folder = nativeProgramFolder();
    if (!folder.isEmpty() && program == solverBesideProgram() && QFile::encodeName(QFile::decodeName(folder)) != folder) {
        // Started by its name from its own folder, entered by its real name.
        p.setProgram(QStringLiteral("./") + QString::fromLatin1(kSolverName));
        p.setChildProcessModifier([folder] {
            if (::chdir(folder.constData()) != 0) ::_exit(127);
        });
    }
#endif
}

SolverRun runSolverProcess(const QString &program, const std::string &command, int timeoutMs) {
    SolverRun run;
    QElapsedTimer clock;
    clock.start();
    auto left = [&] { return std::max(0, timeoutMs - static_cast<int>(clock.elapsed())); };

    QProcess p;
    prepareSolverProcess(p, program, {});
    p.start(QIODevice::ReadWrite);
    if (!p.waitForStarted(timeoutMs)) return run;
    run.started = true;

    SolverOutput out;
    auto drain = [&] {
        QByteArray b = p.readAllStandardOutput();
        out.append(std::string_view(b.constData(), static_cast<size_t>(b.size())));
    };
    while (!out.hasPrompt() && p.state() == QProcess::Running && left() > 0) {
        p.waitForReadyRead(std::min(left(), 100));
        drain();
    }
    drain();
    if (out.hasPrompt() && p.state() == QProcess::Running) {
        p.write(command.data(), static_cast<qint64>(command.size()));
        p.closeWriteChannel();
    }
    // The output keeps arriving while we wait; QProcess buffers it.
    while (p.state() == QProcess::Running && left() > 0) {
        p.waitForFinished(std::min(left(), 100));
        drain();
    }
    drain();
    if (p.state() != QProcess::NotRunning) {
        run.timedOut = true;
        p.kill();
        p.waitForFinished(1000);
    } else {
        run.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    }
    drain();
    run.output = out.text();
    return run;
}

}  // namespace vrek
