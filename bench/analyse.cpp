// Time of the double-dummy analysis (table and par) of 96 random complete
// boards through the solver's table mode on every core, beside DDS's
// CalcDDtable alone on one thread for the same deals, in the same run.
// Build: cmake --build build --target bench_analyse   (bridge is built with it)
#include <QCoreApplication>
#include <dds/dll.h>

#include <chrono>
#include <cstdio>
#include <thread>

#include "testutil.h"
#include "verify/vranalysis.h"

using namespace vrek;
using Clock = std::chrono::steady_clock;

namespace {
double ms(Clock::time_point since) { return std::chrono::duration<double, std::milli>(Clock::now() - since).count(); }
}  // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    double table = 1e12, alone = 1e12;
    int mismatches = 0;
    for (int round = 0; round < 2; ++round) {
        std::vector<std::pair<Deal, int>> deals;
        for (int b = 1; b <= kBoards; ++b) deals.emplace_back(testutil::shuffledDeal(9000 + 100 * round + b), b);

        // Through the solver program, as the window and vrek analyse do: start, all cores.
        VrAnalysis analysis;
        QString error;
        auto t = Clock::now();
        if (!analysis.analyseAndWait(deals, error)) {
            std::fprintf(stderr, "%s\n", error.toStdString().c_str());
            return 1;
        }
        table = std::min(table, ms(t));

        // DDS alone, one thread, the same deals.
        SetResources(0, 1);
        t = Clock::now();
        for (const auto &[d, b] : deals) {
            ddTableDeal td{};
            for (int seat = North; seat <= West; ++seat)
                for (int suit = Clubs; suit <= Spades; ++suit)
                    for (int k = 1; k <= d.holding(seat, suit).count; ++k)
                        td.cards[seat - 1][Spades - suit] |= 1u << d.holding(seat, suit).rank(k);
            ddTableResults r{};
            CalcDDtable(td, &r);
            const DealAnalysis *a = analysis.find(d, b);
            const int st[kStrains] = {4, 0, 1, 2, 3};
            for (int seat = 0; seat < 4; ++seat)
                for (int s = 0; s < kStrains; ++s)
                    if (!a || a->tricks[seat][s] != r.resTable[st[s]][seat]) ++mismatches;
        }
        alone = std::min(alone, ms(t));
    }
    std::printf("96 boards, table mode on %u cores (process start included), best of 2: %8.1f ms\n",
                std::thread::hardware_concurrency(), table);
    std::printf("96 boards, CalcDDtable alone on one thread, best of 2:                %8.1f ms\n", alone);
    std::printf("table mode / CalcDDtable alone: %.2f (aim: at most 0.60)\n", table / alone);
    if (mismatches) std::printf("DISAGREEMENT on %d counts\n", mismatches);
    return mismatches ? 1 : 0;
}
