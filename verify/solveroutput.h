// Reading the solver program's standard output: the prompt "line:", then the
// line holding "after" with the tricks of North-South at its characters 5 to 10.
#pragma once
#include <string>
#include <string_view>

namespace vrek {

constexpr size_t kMaxSolverOutput = 1 << 20;  // a solver that floods is cut off

// Output gathered over successive reads; a marker may straddle two reads.
class SolverOutput {
public:
    void append(std::string_view chunk);
    bool hasPrompt() const;
    bool hasAnswer() const;  // "after" seen after the prompt
    const std::string &text() const { return text_; }

private:
    std::string text_;
};

// What the process dialogue saw of one run.
struct SolverRun {
    bool started = false;
    bool timedOut = false;  // still running at the bound, then killed
    int exitCode = -1;      // when it ended by itself; -1 for a crash
    std::string output;     // standard output, all of it (up to the cut-off)
};

enum class SolverFailure { None, NotStarted, TimedOut, NoPrompt, NoAnswer, BadNumber, BadExit, Exchange };

struct SolverAnswer {
    SolverFailure failure = SolverFailure::None;
    int nsTricks = -1;    // 0 .. 13 when ok
    std::string message;  // French, when not ok
    bool ok() const { return failure == SolverFailure::None; }
};

// The tricks in an output; NoPrompt, NoAnswer or BadNumber when they are not there.
SolverAnswer readSolverAnswer(const std::string &output);
// The whole run: not started, time-out, the output as above, then an exit
// in error after a good answer (BadExit).
// `program` names the solver in the messages.
SolverAnswer interpretSolverRun(const SolverRun &run, const std::string &program, int timeoutMs);

}  // namespace vrek
