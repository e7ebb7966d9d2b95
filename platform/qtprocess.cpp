// The desktop's processes: QProcess behind the ChildProcess interface, and
// the one-shot dialogue every platform builds on startProcess().
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

#include "platform/platform.h"

namespace {

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

// What the process object's signals share with the handle. It outlives the
// handle while a callback runs, so that a callback may destroy the handle.
struct Shared {
    ProcessEvents events;
    bool done = false;          // ended, failed to start or killed: nothing more is told
    bool starting = false;      // within QProcess::start()
    bool pendingFailure = false;
    int depth = 0;              // callbacks running
    long told = 0;              // callbacks made
};

void tell(const std::shared_ptr<Shared> &s, const std::function<void()> &call) {
    ++s->depth;
    ++s->told;
    call();
    --s->depth;
}

void readOutput(const std::shared_ptr<Shared> &s, QProcess *p) {
    if (s->done) return;
    const QByteArray bytes = p->readAllStandardOutput();
    if (!bytes.isEmpty() && s->events.output) tell(s, [&] { s->events.output(bytes); });
}

void failToStart(const std::shared_ptr<Shared> &s) {
    if (s->done) return;
    if (s->starting) {
        // The caller does not hold the handle yet: told later, as any other news.
        s->pendingFailure = true;
        return;
    }
    s->done = true;
    s->pendingFailure = false;
    if (s->events.failedToStart) tell(s, [&] { s->events.failedToStart(); });
}

class QtChildProcess : public ChildProcess {
public:
    QtChildProcess(const QString &program, const QStringList &args, ProcessEvents events)
        : s_(std::make_shared<Shared>()), p_(new QProcess) {
        s_->events = std::move(events);
        p_->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p_->setProgram(program);
        p_->setArguments(args);
#ifdef Q_OS_UNIX
        const QByteArray folder = nativeProgramFolder();
        if (!folder.isEmpty() && QDir(QCoreApplication::applicationDirPath()).filePath(QFileInfo(program).fileName()) == program &&
            QFile::encodeName(QFile::decodeName(folder)) != folder) {
            // Started by its name from inside its folder, entered by the folder's real name.
            p_->setProgram(QStringLiteral("./") + QFileInfo(program).fileName());
            p_->setChildProcessModifier([folder] {
                if (::chdir(folder.constData()) != 0) ::_exit(127);
            });
        }
#endif
        std::shared_ptr<Shared> s = s_;
        QProcess *p = p_;
        QObject::connect(p, &QProcess::readyReadStandardOutput, [s, p] { readOutput(s, p); });
        QObject::connect(p, &QProcess::finished, [s, p](int code, QProcess::ExitStatus status) {
            readOutput(s, p);
            if (s->done) return;
            s->done = true;
            const bool crashed = status != QProcess::NormalExit;
            if (s->events.ended) tell(s, [&] { s->events.ended(crashed ? -1 : code, crashed); });
        });
        QObject::connect(p, &QProcess::errorOccurred, [s](QProcess::ProcessError e) {
            if (e == QProcess::FailedToStart) failToStart(s);
        });
        s->starting = true;
        p->start(QIODevice::ReadWrite);
        s->starting = false;
        if (s->pendingFailure)
            QMetaObject::invokeMethod(p, [s] { if (s->pendingFailure) failToStart(s); }, Qt::QueuedConnection);
    }

    ~QtChildProcess() override {
        kill();
        // Inside one of its own signals the process object must outlive the call.
        if (s_->depth > 0) p_->deleteLater();
        else delete p_;
    }

    void write(const QByteArray &bytes) override {
        if (!s_->done && !s_->pendingFailure) p_->write(bytes);
    }
    void closeInput() override {
        if (!s_->done && !s_->pendingFailure) p_->closeWriteChannel();
    }
    void kill() override {
        s_->done = true;
        s_->pendingFailure = false;
        if (p_->state() != QProcess::NotRunning) {
            p_->kill();
            p_->waitForFinished(1000);
        }
    }
    bool running() const override { return !s_->done; }

    bool waitForActivity(int ms) override {
        const std::shared_ptr<Shared> s = s_;  // `this` may go in a callback
        if (s->pendingFailure) {
            failToStart(s);
            return true;
        }
        if (s->done) return false;
        const long before = s->told;
        QProcess *p = p_;
        if (p->state() == QProcess::Starting) {
            if (p->waitForStarted(ms)) return true;
        } else if (p->state() == QProcess::Running) {
            p->waitForReadyRead(ms);
        }
        return s->told != before;
    }

private:
    std::shared_ptr<Shared> s_;
    QProcess *p_;
};

}  // namespace

std::unique_ptr<ChildProcess> Platform::startProcess(const QString &program, const QStringList &args,
                                                     ProcessEvents events) {
    return std::make_unique<QtChildProcess>(program, args, std::move(events));
}

ProcessResult Platform::runProcess(const QString &program, const QStringList &args, const QByteArray &input,
                                   int timeoutMs, const std::function<bool(const QByteArray &)> &onOutput) {
    ProcessResult res;
    bool ended = false, failed = false, enough = false;
    ProcessEvents events;
    events.output = [&](const QByteArray &b) {
        res.output += b;
        if (onOutput && !onOutput(res.output)) enough = true;
    };
    events.ended = [&](int code, bool) {
        ended = true;
        res.exitCode = code;
    };
    events.failedToStart = [&] { failed = true; };
    std::unique_ptr<ChildProcess> p = startProcess(program, args, std::move(events));
    p->write(input);
    p->closeInput();
    QElapsedTimer clock;
    clock.start();
    for (qint64 left; !ended && !failed && !enough && (left = timeoutMs - clock.elapsed()) > 0;)
        p->waitForActivity(static_cast<int>(std::min<qint64>(left, 100)));
    res.started = !failed;
    res.finished = ended;
    if (!ended) p->kill();
    return res;
}
