// The dialogue with the solver program as a real process (Qt Core): start it,
// wait for its prompt, write the command, wait for its end within the bound.
#pragma once
#include <QString>
#include <string>

#include "verify/solveroutput.h"

namespace vrek {

// Runs `program` once with no arguments. Standard error is passed through.
// A process still running at `timeoutMs` (counted from the start) is killed.
SolverRun runSolverProcess(const QString &program, const std::string &command, int timeoutMs);

}  // namespace vrek
