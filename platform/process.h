// A program started through the platform and talked to through its standard
// input and output for as long as it runs: a solver asked one question, or
// kept for a whole series, or asked again and again while the user works.
#pragma once
#include <QByteArray>
#include <functional>

// What the process does, told on the user-interface thread: from the event
// loop, or from waitForActivity() for a caller that must block. A callback
// may write to the process, kill it or destroy it.
struct ProcessEvents {
    std::function<void(const QByteArray &)> output;          // more of its standard output
    std::function<void(int exitCode, bool crashed)> ended;  // it ended by itself
    std::function<void()> failedToStart;                     // it could not be started
};

class ChildProcess {
public:
    virtual ~ChildProcess() = default;  // implementations kill a process still running

    virtual void write(const QByteArray &bytes) = 0;
    virtual void closeInput() = 0;  // its standard input comes to an end
    // Ends the process now and waits for it to go; nothing is told after.
    virtual void kill() = 0;
    // Starting or started, not ended, not killed, not failed to start.
    virtual bool running() const = 0;
    // Waits up to `ms` for what the process does next and tells it; false
    // when nothing happened in that time.
    virtual bool waitForActivity(int ms) = 0;
};
