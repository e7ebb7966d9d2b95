// Time to answer one position of the play (what each legal card makes)
// through the solver's play mode, as the master display asks it, beside
// DDS's SolveBoard alone in this process on the same 500 random positions,
// in the same run. The answers must agree.
// Build: cmake --build build --target bench_play   (bridge is built with it)
#include <QCoreApplication>
#include <dds/dll.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>

#include "platform/platform.h"
#include "verify/bridge/randomplay.h"
#include "verify/vrplayanalysis.h"

using namespace vrek;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int kPositions = 500;

double ms(Clock::time_point since) { return std::chrono::duration<double, std::milli>(Clock::now() - since).count(); }

double quantile(std::vector<double> v, double q) {
    std::sort(v.begin(), v.end());
    return v[static_cast<size_t>(q * (v.size() - 1) + 0.5)];
}

}  // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    std::mt19937 g(500);
    std::vector<testutil::PlayState> states;
    for (int i = 0; i < kPositions; ++i) states.push_back(testutil::randomPlay(g, i % 5));

    // Through the solver process, one position at a time; started before the clock runs.
    VrPlayAnalysis solver(platform());
    std::vector<PlayAnalysis> answers(kPositions);
    std::vector<double> viaProcess, alone;
    QString error;
    PlayAnalysis warmUp;
    if (!solver.analyseAndWait(testutil::randomPlay(g, 0).position(), warmUp, error)) {
        std::fprintf(stderr, "%s\n", error.toStdString().c_str());
        return 1;
    }
    for (int i = 0; i < kPositions; ++i) {
        const auto t = Clock::now();
        if (!solver.analyseAndWait(states[i].position(), answers[i], error)) {
            std::fprintf(stderr, "%s\n", error.toStdString().c_str());
            return 1;
        }
        viaProcess.push_back(ms(t));
    }

    // DDS alone, as the solver asks it: one thread, every card scored.
    SetResources(160, 1);
    int mismatches = 0;
    for (int i = 0; i < kPositions; ++i) {
        const testutil::PlayState &st = states[i];
        deal d{};
        d.trump = st.strain;
        d.first = st.leader;
        for (size_t k = 0; k < st.trick.size(); ++k) {
            d.currentTrickSuit[k] = st.trick[k].first;
            d.currentTrickRank[k] = st.trick[k].second;
        }
        std::memcpy(d.remainCards, st.cards, sizeof d.remainCards);
        futureTricks f{};
        const auto t = Clock::now();
        const int rc = SolveBoard(d, -1, 3, 1, &f, 0);
        alone.push_back(ms(t));
        if (rc != RETURN_NO_FAULT) return std::fprintf(stderr, "SolveBoard: %d\n", rc), 1;
        // Same cards, and the same order of merit.
        size_t cards = 0;
        for (int k = 0; k < f.cards; ++k) cards += 1 + std::popcount(static_cast<unsigned>(f.equals[k]));
        const int best = bestTricks(answers[i], st.declarer + 1);
        const bool declaring = st.onTurn() % 2 == st.declarer % 2;
        const int ddsBest = st.won + (declaring ? f.score[0] : st.held(st.onTurn()) - f.score[0]);
        if (cards != answers[i].cards.size() || best != ddsBest) ++mismatches;
    }

    const double pm = quantile(viaProcess, 0.5), p95 = quantile(viaProcess, 0.95);
    const double am = quantile(alone, 0.5), a95 = quantile(alone, 0.95);
    const auto over1s = std::count_if(viaProcess.begin(), viaProcess.end(), [](double x) { return x >= 1000; });
    std::printf("%d random positions of the play, one answer each (ms)   median   95th pct\n", kPositions);
    std::printf("  play mode through the solver process              %8.2f   %8.2f\n", pm, p95);
    std::printf("  SolveBoard alone in this process                  %8.2f   %8.2f\n", am, a95);
    std::printf("aim: process at most 1.2 x alone + 5 ms: median %.2f <= %.2f %s, 95th %.2f <= %.2f %s\n", pm,
                1.2 * am + 5, pm <= 1.2 * am + 5 ? "yes" : "NO", p95, 1.2 * a95 + 5, p95 <= 1.2 * a95 + 5 ? "yes" : "NO");
    std::printf("positions answered in 1 s or more: %ld of %d (slowest %.1f ms, alone %.1f ms)\n",
                static_cast<long>(over1s), kPositions, *std::max_element(viaProcess.begin(), viaProcess.end()),
                *std::max_element(alone.begin(), alone.end()));
    if (mismatches) std::printf("DISAGREEMENT on %d positions\n", mismatches);
    return mismatches ? 1 : 0;
}
