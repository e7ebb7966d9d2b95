#include "verify/vrsolverprocess.h"

#include <QElapsedTimer>
#include <algorithm>
#include <QProcess>

namespace vrek {

SolverRun runSolverProcess(const QString &program, const std::string &command, int timeoutMs) {
    SolverRun run;
    QElapsedTimer clock;
    clock.start();
    auto left = [&] { return std::max(0, timeoutMs - static_cast<int>(clock.elapsed())); };

    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p.setProgram(program);
    p.setArguments({});
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
