// A program the scripted platform plays in-process instead of starting it:
// the test's code sees what is written to it and answers through it at
// once, after a delay, in pieces, or never; it may end, crash or hang.
#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

#include "platform/process.h"

class ScriptedProcess : public ChildProcess {
public:
    ScriptedProcess(const QString &program, const QStringList &args, ProcessEvents events);
    ~ScriptedProcess() override;

    // The program's side, for the code that plays it.
    const QString program;
    const QStringList args;
    QByteArray input;  // everything written to it so far
    bool inputClosed = false;
    std::function<void(const QByteArray &)> onInput;  // after each write
    std::function<void()> onInputClosed;
    std::function<void()> onKill;  // killed while it ran
    std::function<void()> onGone;  // the handle is destroyed
    // What it does, in the order asked, each `afterMs` after the one before.
    void print(const QByteArray &bytes, int afterMs = 0);
    void exit(int code, int afterMs = 0);
    void crash(int afterMs = 0);

    // The caller's side.
    void write(const QByteArray &bytes) override;
    void closeInput() override;
    void kill() override;
    bool running() const override;
    bool waitForActivity(int ms) override;

    struct Core;

private:
    std::shared_ptr<Core> core_;
    void schedule(int kind, const QByteArray &bytes, int code, int afterMs);
};
