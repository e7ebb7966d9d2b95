// One verification of a deal's contract through the solver program, and the
// run over a list of boards. The process itself is started by the caller's
// runner, so that the window, the batch command and the tests share the rules.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "core/series.h"
#include "verify/contractline.h"
#include "verify/score.h"
#include "verify/solveroutput.h"

namespace vrek {

constexpr int kSolverTimeoutMs = 7000;

// Why the deal cannot be verified with that declarer (French), or "".
std::string refusalOf(const Deal &deal, int declarer);

// Starts the solver, writes `command` once it has prompted, waits within the
// bound and returns what it saw.
using SolverRunner = std::function<SolverRun(const std::string &command)>;

struct Verification {
    bool ok = false;
    std::string error;  // French, when !ok
    int lead = 0;       // the lead actually used
    int nsTricks = 0;   // the solver's count
    int tricks = 0;     // of the declaring side
    int score = 0;      // of the declaring side
    std::string result; // the result text
};

// Writes the exchange file at `exchangePath`, runs the solver and scores the
// result. The exchange file is removed whatever happens. `choice.lead` is
// replaced by the default lead when the leader does not hold it.
Verification verifyContract(const Deal &deal, int board, const ContractChoice &choice,
                            const std::string &exchangePath, const SolverRunner &runner,
                            const std::string &program);

// Stores a result text as the board's contract line, keeping its line counts.
void storeResult(Series &s, int board, const std::string &result);

struct BoardResult {
    int board = 0;
    ContractChoice choice;  // with the lead used
    Verification v;
};

struct BoardsRun {
    std::vector<BoardResult> done;
    std::vector<int> skipped;  // incomplete deals
    int failedBoard = 0;       // the board the solver failed on, then `error`
    std::string error;
    bool ok() const { return failedBoard == 0; }
};

// Verifies each board of `boards` from its own contract line, as the
// automatic verification does; incomplete deals are skipped. Stops at the
// first solver failure. The series is not changed.
BoardsRun verifyBoards(const Series &s, const std::vector<int> &boards, const std::string &exchangePath,
                       const SolverRunner &runner, const std::string &program,
                       const std::function<void(const BoardResult &)> &onBoard = {});

// "Donnes non vérifiées car incomplètes : 3, 7, 12." ("" for none).
std::string skippedMessage(const std::vector<int> &boards);

// One line of the batch report: board, contract, declarer, lead, tricks,
// score and result text.
std::string reportLine(const BoardResult &r);

}  // namespace vrek
