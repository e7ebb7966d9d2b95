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

// What the automatic verification does with a board.
enum class BoardStatus { Verify, Empty, Incomplete, NoContract };
// Empty deals are passed over without a word; incomplete deals and contract
// texts without a level digit are named at the end.
BoardStatus boardStatus(const Series &s, int board);

// Solver processes kept for a whole run: asks each exchange text in turn and
// gives the answers back in the order of the texts, until `onAnswer` returns
// false. A failure is given as the answer of the first text that failed.
using AnswerSink = std::function<bool(size_t index, const SolverAnswer &answer)>;
using SeriesSolver = std::function<void(const std::vector<std::string> &exchangeTexts, const AnswerSink &onAnswer)>;

// The same questions asked one solver process at a time through `runner`,
// with the exchange file at `exchangePath`, as a single verification asks.
SeriesSolver oneProcessPerBoard(const std::string &exchangePath, const SolverRunner &runner, const std::string &program);

struct BoardsRun {
    std::vector<BoardResult> done;
    std::vector<int> skipped;     // incomplete deals
    std::vector<int> noContract;  // no level digit in the contract text
    int failedBoard = 0;          // the board the solver failed on, then `error`
    std::string error;
    bool ok() const { return failedBoard == 0; }
};

// Verifies each board of `boards` from its own contract line, as the
// automatic verification does. Stops at the first solver failure. The
// series is not changed; `onBoard` sees each result in board order.
BoardsRun verifyBoards(const Series &s, const std::vector<int> &boards, const SeriesSolver &solver,
                       const std::function<void(const BoardResult &)> &onBoard = {});

// The score and result text of a board from the solver's answer.
Verification scoreAnswer(int board, const ContractChoice &choice, int lead, const SolverAnswer &answer);

// Writes the exchange text where the solver reads it: a scratch file, not
// flushed to disk. Returns "" or a French error.
std::string writeExchangeFile(const std::string &path, const std::string &text);

// "Donnes non vérifiées car incomplètes : 3, 7, 12." then, on its own line,
// "Donnes non vérifiées car sans contrat : 5." ("" for none).
std::string skippedMessage(const std::vector<int> &incomplete, const std::vector<int> &noContract = {});

// One line of the batch report: board, contract, declarer, lead, tricks,
// score and result text.
std::string reportLine(const BoardResult &r);

}  // namespace vrek
