#include "verify/vrsolverprocess.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <algorithm>
#include <memory>

#include "platform/platform.h"

namespace vrek {

QString solverBesideProgram() {
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("bridge"));
}

SolverRun runSolverProcess(Platform &pf, const QString &program, const std::string &command, int timeoutMs) {
    SolverRun run;
    SolverOutput out;
    bool ended = false, failed = false, sent = false;
    std::unique_ptr<ChildProcess> p;
    ProcessEvents events;
    events.output = [&](const QByteArray &b) {
        out.append(std::string_view(b.constData(), static_cast<size_t>(b.size())));
        if (sent || !out.hasPrompt()) return;
        sent = true;
        p->write(QByteArray(command.data(), static_cast<qsizetype>(command.size())));
        p->closeInput();
    };
    events.ended = [&](int code, bool crashed) {
        ended = true;
        run.exitCode = crashed ? -1 : code;
    };
    events.failedToStart = [&] { failed = true; };
    p = pf.startProcess(program, {}, std::move(events));

    QElapsedTimer clock;
    clock.start();
    for (qint64 left; !ended && !failed && (left = timeoutMs - clock.elapsed()) > 0;)
        p->waitForActivity(static_cast<int>(std::min<qint64>(left, 100)));
    if (failed) return run;
    run.started = true;
    if (!ended) {
        run.timedOut = true;
        p->kill();
    }
    run.output = out.text();
    return run;
}

}  // namespace vrek
