// The dialogue with the solver program for one question, through the
// platform's processes: start it, wait for its prompt, write the command,
// wait for its end within the bound.
#pragma once
#include <QString>
#include <string>

#include "verify/solveroutput.h"

class Platform;

namespace vrek {

// Runs `program` once with no arguments. A process still running at
// `timeoutMs` (counted from the start) is killed.
SolverRun runSolverProcess(Platform &pf, const QString &program, const std::string &command, int timeoutMs);

// The solver program beside the running program.
QString solverBesideProgram();

}  // namespace vrek
