// Time of the statistics of a full 96-board series: the theory computed once
// per run, then the tables computed in the process
// (each mode), and `vrek stats` as a whole command beside `vrek --version`,
// which shows what starting the program costs on this machine.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "core/seriesfile.h"
#include "stats/statistics.h"

using namespace vrek;
using Clock = std::chrono::steady_clock;

namespace {

Series randomSeries() {
    std::mt19937 rng(96);
    Series s;
    s.clear();
    for (int b = 1; b <= kBoards; ++b) {
        // A suit of 10 or more does not fit a record: deal again.
        for (bool ok = false; !ok;) {
            std::vector<int> pack(52);
            for (int i = 0; i < 52; ++i) pack[i] = i;
            std::shuffle(pack.begin(), pack.end(), rng);
            Deal d;
            ok = true;
            for (int i = 0; i < 52 && ok; ++i) {
                Holding &h = d.holding(i / 13 + 1, pack[i] / 13 + 1);
                ok = !h.full();
                if (ok) h.insert(pack[i] % 13 + 2);
            }
            if (ok) s.deal(b) = d;
        }
    }
    return s;
}

double ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

// Median wall time of a shell command, in milliseconds.
double commandMs(const std::string &cmd, int runs) {
    std::vector<double> t;
    for (int i = 0; i < runs; ++i) {
        const auto start = Clock::now();
        if (std::system(cmd.c_str()) != 0) return -1;
        t.push_back(ms(Clock::now() - start));
    }
    std::sort(t.begin(), t.end());
    return t[t.size() / 2];
}

}  // namespace

int main() {
    const Series s = randomSeries();
    using stats::Mode;
    {
        // Computed once per run, at the first activation of the window.
        const auto start = Clock::now();
        const long double sum = stats::dealTheory()[0] + stats::handTheory()[0];
        std::printf("theory of the deal and hand counters, once: %.1f ms (%.3Lf)\n", ms(Clock::now() - start), sum);
    }
    for (Mode m : {Mode::Observed, Mode::FullRecord, Mode::Theory}) {
        const int runs = 200;
        const std::clock_t cpu = std::clock();
        const auto start = Clock::now();
        size_t bytes = 0;
        for (int i = 0; i < runs; ++i) bytes += stats::statisticsReport(stats::computeStatistics(s, m, ",")).size();
        std::printf("%-12s %7.3f ms per computation and report (%.3f ms of processor time), %zu bytes\n",
                    m == Mode::Observed ? "observed" : m == Mode::FullRecord ? "full record" : "theory",
                    ms(Clock::now() - start) / runs, 1000.0 * double(std::clock() - cpu) / CLOCKS_PER_SEC / runs,
                    bytes / runs);
    }

    const std::filesystem::path dir = std::filesystem::temp_directory_path() / "vrek-bench-stats";
    std::filesystem::create_directories(dir);
    const std::string series = (dir / "s96.vrk").string();
    if (!saveSeries(series, s).empty()) return 1;
    const std::string vrek = (std::filesystem::canonical("/proc/self/exe").parent_path() / "vrek").string();
    std::printf("vrek --version          %7.1f ms (median of 21 runs)\n",
                commandMs(vrek + " --version >/dev/null", 21));
    std::printf("vrek stats (96 boards)  %7.1f ms (median of 21 runs)\n",
                commandMs(vrek + " stats " + series + " >/dev/null", 21));
    std::filesystem::remove_all(dir);
    return 0;
}
