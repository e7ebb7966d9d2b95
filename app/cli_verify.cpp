// `vrek verify`: the automatic verification of a series without a window.
#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>

#include "app/cli.h"
#include "core/boardlist.h"
#include "core/seriesfile.h"
#include "platform/platform.h"
#include "verify/exchange.h"
#include "verify/verification.h"
#include "verify/vrsolverpool.h"
#include "verify/vrsolverprocess.h"

namespace {

int verify(const std::vector<std::string> &args);

cli::CliRegistrar reg({"verify", "verify SERIES.vrk [--boards LIST]",
                       "vérifie les contrats au double mort et écrit les résultats dans la série", verify});

int verify(const std::vector<std::string> &args) {
    const cli::Command &me = cli::command("verify");
    cli::Options o;
    std::string err;
    if (!cli::parseOptions(args, {"--boards"}, {}, o, err) || o.positional.size() != 1) return cli::usageError(me, err);
    auto list = cli::boardsOrEvening(o, err);
    if (!list) return cli::usageError(me, err);
    const std::vector<int> &boards = *list;
    const std::string seriesFile = o.positional[0];
    vrek::Series s;
    vrek::SeriesLock lock;
    if (int rc = cli::takeSeries(seriesFile, s, lock)) return rc;

    // The program's folder and process handling need an application object.
    const auto app = batchApplication();
    const QString program = vrek::solverBesideProgram();
    // A private folder for the exchange files: the program's folder may be
    // read-only, and a window verifying at the same time uses its own files.
    QTemporaryDir work(QDir::tempPath() + "/vrek-verify-XXXXXX");
    if (!work.isValid()) return cli::fail("Impossible de créer un dossier temporaire pour le fichier d'échange.");

    vrek::SolverPoolOptions pool;
    pool.platform = &platform();
    pool.program = program;
    pool.programName = program.toStdString();
    for (int i = 0; i < vrek::poolSize(static_cast<int>(boards.size())); ++i)
        pool.exchangePaths.push_back(
            work.filePath(i ? QString("vrek%1.txt").arg(i + 1) : QString(vrek::kExchangeFileName)).toStdString());
    vrek::BoardsRun run = vrek::verifyBoards(s, boards, vrek::solverPool(pool), [](const vrek::BoardResult &b) {
        std::printf("%s\n", vrek::reportLine(b).c_str());
        std::fflush(stdout);
    });
    if (!run.ok())
        return cli::fail("Donne " + std::to_string(run.failedBoard) + " : " + run.error +
                         "\nLa série n'a pas été modifiée.");

    if (!run.done.empty()) {
        for (const vrek::BoardResult &b : run.done) vrek::storeResult(s, b.board, b.v.result);
        std::string saveError = vrek::saveSeries(seriesFile, s);
        if (!saveError.empty()) return cli::fail(saveError);
    }
    const std::string skipped = vrek::skippedMessage(run.skipped, run.noContract);
    if (!skipped.empty()) std::printf("%s\n", skipped.c_str());
    return 0;
}

}  // namespace
