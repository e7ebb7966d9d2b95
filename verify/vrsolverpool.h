// Solver processes kept for the whole automatic verification: one per core,
// each started once with "-suite" and asked one board after the other.
#pragma once
#include <QString>
#include <string>
#include <vector>

#include "verify/verification.h"

class Platform;

namespace vrek {

struct SolverPoolOptions {
    Platform *platform = nullptr;           // that starts the processes; the desktop when null
    QString program;                        // the solver program
    std::vector<std::string> exchangePaths; // one per process, at most this many processes
    int timeoutMs = kSolverTimeoutMs;       // for each question, from its asking
    std::string programName;                // the solver's name in the messages
};

// Asks the texts through up to exchangePaths.size() processes and gives the
// answers in order (see SeriesSolver). A process that ends or falls silent
// while asked is started again once and asked the same question again;
// after that its failure is the answer. Pending window events are
// processed meanwhile, except the user's input.
void runSolverPool(const SolverPoolOptions &o, const std::vector<std::string> &exchangeTexts, const AnswerSink &onAnswer);

// The SeriesSolver of a pool.
SeriesSolver solverPool(const SolverPoolOptions &o);

// How many solver processes a run of `boards` questions uses: one per core.
int poolSize(int boards);

}  // namespace vrek
