// Time of one verification through the solver process and of the automatic
// verification of 96 random complete boards (solver processes kept for the
// run, one per core), beside one process per board and DDS alone on one
// thread for the same solves, in the same run. The results must agree.
// Build: cmake --build build --target bench_verify   (bridge is built with it)
#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>

#include "platform/platform.h"
#include "verify/bridge/ddsolve.h"
#include "verify/bridge/exchangereader.h"
#include "verify/exchange.h"
#include "verify/lead.h"
#include "verify/verification.h"
#include "verify/vrsolverpool.h"
#include "verify/vrsolverprocess.h"

using namespace vrek;
using Clock = std::chrono::steady_clock;

namespace {

double ms(Clock::time_point since) { return std::chrono::duration<double, std::milli>(Clock::now() - since).count(); }

Deal randomDeal(std::mt19937 &g) {
    for (;;) {
        std::vector<int> cards(52);
        for (int i = 0; i < 52; ++i) cards[i] = i;
        std::shuffle(cards.begin(), cards.end(), g);
        Deal d;
        bool ok = true;
        for (int i = 0; i < 52 && ok; ++i) {
            Holding &h = d.holding(i / 13 + 1, cards[i] / 13 + 1);
            if (h.full()) ok = false;
            else h.insert(cards[i] % 13 + 2);
        }
        if (ok) return d;
    }
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    const QString program = QDir(QCoreApplication::applicationDirPath()).filePath("bridge");
    QTemporaryDir work;
    const std::string exchange = work.filePath(kExchangeFileName).toStdString();
    SolverRunner runner = [&](const std::string &command) {
        return runSolverProcess(platform(), program, command, kSolverTimeoutMs);
    };

    std::mt19937 g(7);
    Series s;
    const char *strains = "SPCKT", *seats = "NESO";
    for (int b = 1; b <= kBoards; ++b) {
        s.deal(b) = randomDeal(g);
        std::string text = std::to_string(1 + g() % 7) + strains[g() % 5] + " " + seats[g() % 4];
        s.setLine(contractLine(b), makeContractLine(text, {}));
    }

    // The process alone: start, library set-up, prompt, refusal of an empty command.
    std::vector<double> bare;
    // The refusal goes to standard error, which the solver shares with us.
    int savedErr = ::dup(2), devNull = ::open("/dev/null", O_WRONLY);
    ::dup2(devNull, 2);
    for (int i = 0; i < 10; ++i) {
        auto t = Clock::now();
        SolverRun r = runSolverProcess(platform(), program, std::string(kSolverCommandSize, '\0'), kSolverTimeoutMs);
        bare.push_back(ms(t));
        if (!r.started) {
            ::dup2(savedErr, 2);
            std::fprintf(stderr, "bridge introuvable : %s\n", program.toStdString().c_str());
            return 1;
        }
    }

    ::dup2(savedErr, 2);
    ::close(savedErr);
    ::close(devNull);

    // One verification, from writing the exchange file to the scored result.
    std::vector<double> one;
    ContractChoice c = parseContractLine(s.line(contractLine(1)));
    for (int i = 0; i < 10; ++i) {
        auto t = Clock::now();
        Verification v = verifyContract(s.deal(1), 1, c, exchange, runner, program.toStdString());
        one.push_back(ms(t));
        if (!v.ok) {
            std::fprintf(stderr, "%s\n", v.error.c_str());
            return 1;
        }
    }

    // Best of three rounds, so that other work on the machine weighs less.
    std::vector<int> boards(kBoards);
    for (int i = 0; i < kBoards; ++i) boards[i] = i + 1;
    SolverPoolOptions pool;
    pool.program = program;
    pool.programName = program.toStdString();
    for (int i = 0; i < poolSize(kBoards); ++i)
        pool.exchangePaths.push_back(work.filePath(QString("vrek%1.txt").arg(i + 1)).toStdString());
    const SeriesSolver perBoard = oneProcessPerBoard(exchange, runner, program.toStdString());
    double pooled96 = 1e12, process96 = 1e12, dds96 = 1e12;
    int mismatches = 0;
    for (int round = 0; round < 3; ++round) {
        auto t = Clock::now();
        BoardsRun all = verifyBoards(s, boards, solverPool(pool));
        pooled96 = std::min(pooled96, ms(t));
        t = Clock::now();
        BoardsRun one = verifyBoards(s, boards, perBoard);
        process96 = std::min(process96, ms(t));
        if (!all.ok() || !one.ok()) {
            std::fprintf(stderr, "donne %d : %s\n", all.ok() ? one.failedBoard : all.failedBoard,
                         (all.ok() ? one.error : all.error).c_str());
            return 1;
        }
        // DDS alone on the same 96 solves, in this process, on one thread.
        std::vector<bridge::Problem> problems;
        for (const BoardResult &r : all.done) {
            bridge::Problem p;
            std::string error;
            bridge::parseExchange(exchangeText(s.deal(r.board), r.choice.declarer, r.choice.strain, r.choice.lead),
                                  p, error);
            problems.push_back(p);
        }
        t = Clock::now();
        std::vector<int> alone;
        for (const bridge::Problem &p : problems) {
            std::string error;
            alone.push_back(bridge::nsTricksAfterLead(p, error));
        }
        dds96 = std::min(dds96, ms(t));
        if (all.done.size() != one.done.size()) ++mismatches;
        for (size_t i = 0; i < all.done.size() && i < one.done.size(); ++i)
            if (all.done[i].v.result != one.done[i].v.result || all.done[i].v.nsTricks != alone[i]) ++mismatches;
    }

    std::printf("bridge process alone (start, DDS set-up, prompt), median of 10: %7.1f ms\n", median(bare));
    std::printf("one verification through the process, median of 10:           %7.1f ms\n", median(one));
    std::printf("96 boards, %d solver processes kept for the run, best of 3: %8.1f ms  (%5.1f ms per board)\n",
                poolSize(kBoards), pooled96, pooled96 / kBoards);
    std::printf("96 boards, one process per board, best of 3:          %8.1f ms  (%5.1f ms per board)\n", process96,
                process96 / kBoards);
    std::printf("96 boards, DDS alone on one thread, best of 3:        %8.1f ms  (%5.1f ms per board)\n", dds96,
                dds96 / kBoards);
    std::printf("kept processes / DDS alone: %.2f (aim: at most 0.70); one per board / DDS alone: %.2f\n",
                pooled96 / dds96, process96 / dds96);
    if (mismatches) std::printf("DISAGREEMENT on %d boards\n", mismatches);
    return mismatches ? 1 : 0;
}
