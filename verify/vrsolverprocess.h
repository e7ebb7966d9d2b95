// The dialogue with the solver program as a real process (Qt Core): start it,
// wait for its prompt, write the command, wait for its end within the bound.
#pragma once
#include <QString>
#include <QStringList>
#include <string>

#include "verify/solveroutput.h"

class QProcess;

namespace vrek {

// Runs `program` once with no arguments. Standard error is passed through.
// A process still running at `timeoutMs` (counted from the start) is killed.
SolverRun runSolverProcess(const QString &program, const std::string &command, int timeoutMs);

// The solver program beside the running program.
QString solverBesideProgram();

// Sets `p` up to run `program` with `args`, standard error passed through.
// The solver beside the running program is found even when its folder's
// name is not valid UTF-8 (then it is started from inside that folder).
void prepareSolverProcess(QProcess &p, const QString &program, const QStringList &args);

}  // namespace vrek
