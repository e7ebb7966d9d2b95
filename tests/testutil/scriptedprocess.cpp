#include "scriptedprocess.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QTimer>
#include <deque>

namespace {
enum Kind { Print, Exit, Crash };
}

struct ScriptedProcess::Core {
    struct Step {
        qint64 due;
        int kind;
        QByteArray bytes;
        int code;
    };
    ProcessEvents events;
    std::deque<Step> steps;
    QElapsedTimer clock;
    qint64 lastDue = 0;
    bool done = false;

    // Tells the caller what is due, in order. A callback may destroy the
    // handle; the caller of this holds the core.
    void deliverDue() {
        while (!done && !steps.empty() && steps.front().due <= clock.elapsed()) {
            const Step st = steps.front();
            steps.pop_front();
            if (st.kind == Print) {
                if (events.output) events.output(st.bytes);
            } else {
                done = true;
                steps.clear();
                if (events.ended) events.ended(st.kind == Crash ? -1 : st.code, st.kind == Crash);
            }
        }
    }
};

ScriptedProcess::ScriptedProcess(const QString &program, const QStringList &args, ProcessEvents events)
    : program(program), args(args), core_(std::make_shared<Core>()) {
    core_->events = std::move(events);
    core_->clock.start();
}

ScriptedProcess::~ScriptedProcess() {
    kill();
    if (onGone) onGone();
}

void ScriptedProcess::schedule(int kind, const QByteArray &bytes, int code, int afterMs) {
    Core &c = *core_;
    if (c.done) return;
    // Like a pipe: nothing overtakes what was said before.
    c.lastDue = std::max(c.lastDue, c.clock.elapsed()) + std::max(0, afterMs);
    c.steps.push_back({c.lastDue, kind, bytes, code});
    std::weak_ptr<Core> weak = core_;
    QTimer::singleShot(static_cast<int>(std::max<qint64>(0, c.lastDue - c.clock.elapsed())), QCoreApplication::instance(),
                       [weak] {
                           if (std::shared_ptr<Core> c = weak.lock()) c->deliverDue();
                       });
}

void ScriptedProcess::print(const QByteArray &bytes, int afterMs) { schedule(Print, bytes, 0, afterMs); }
void ScriptedProcess::exit(int code, int afterMs) { schedule(Exit, {}, code, afterMs); }
void ScriptedProcess::crash(int afterMs) { schedule(Crash, {}, -1, afterMs); }

void ScriptedProcess::write(const QByteArray &bytes) {
    if (core_->done || inputClosed) return;
    input += bytes;
    if (onInput) onInput(bytes);
}

void ScriptedProcess::closeInput() {
    if (core_->done || inputClosed) return;
    inputClosed = true;
    if (onInputClosed) onInputClosed();
}

void ScriptedProcess::kill() {
    if (core_->done) return;
    core_->done = true;
    core_->steps.clear();
    if (onKill) onKill();
}

bool ScriptedProcess::running() const { return !core_->done; }

bool ScriptedProcess::waitForActivity(int ms) {
    const std::shared_ptr<Core> c = core_;  // `this` may go in a callback
    if (c->done) return false;
    const qint64 wait = c->steps.empty() ? ms + 1 : c->steps.front().due - c->clock.elapsed();
    if (wait > ms) {
        QThread::msleep(static_cast<unsigned long>(std::max(0, ms)));
        return false;
    }
    if (wait > 0) QThread::msleep(static_cast<unsigned long>(wait));
    c->deliverDue();
    return true;
}
