// What every harness asks of a reader besides not crashing: a fault found is
// a deliberate abort, so that libFuzzer keeps the input that shows it.
//
// A harness is written once with VREK_FUZZ_TARGET(name) { ... data, size ... }:
// under libFuzzer (VREK_LIBFUZZER) it is the fuzzer's entry; in the ordinary
// build it registers itself with the corpus runner, which feeds it every
// file of tests/fuzz/corpus/name through the same checks.
#pragma once
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "formats/importdeal.h"

namespace fuzzcheck {

using Entry = void (*)(const uint8_t *data, size_t size);
// The corpus runner's table of harnesses (corpusrun.cpp).
bool registerHarness(const char *name, Entry entry);

inline void require(bool ok, const char *what) {
    if (!ok) {
        std::fprintf(stderr, "fuzz: %s\n", what);
        std::abort();
    }
}

inline std::vector<int> offered(const vrek::ImportScan &scan) {
    std::vector<int> v;
    for (int b = 1; b <= vrek::kBoards; ++b)
        if (scan.available[b - 1]) v.push_back(b);
    return v;
}

// An analysis as the program shows it: counts and contracts a deal can have.
inline void requireSoundAnalysis(const vrek::DealAnalysis &a) {
    for (const auto &seat : a.tricks)
        for (int t : seat) require(t >= 0 && t <= 13, "a trick count out of range");
    require(a.parScore >= -7600 && a.parScore <= 7600, "a par score out of range");
    for (const auto &c : a.par) {
        require(c.level >= 1 && c.level <= 7 && c.strain >= 0 && c.strain < vrek::kStrains, "a par contract out of range");
        require(c.overTricks + c.level + 6 <= 13 && c.level + 6 - c.underTricks >= 0, "a par contract of impossible tricks");
    }
}

// Scans, then reads every offered board and a few the scan did not offer,
// in one read as the import does; each deal read must be one asked for and
// one the store can hold.
template <class Scan, class Read>
void scanAndRead(const std::string &bytes, Scan scan, Read read) {
    const vrek::ImportScan s = scan(bytes);
    if (!s.error.empty()) return;
    require(s.empty == (s.count() == 0), "empty flag disagrees with the count");
    std::vector<int> boards = offered(s);
    for (int b : {1, 50, 96})
        if (!s.available[b - 1]) boards.push_back(b);
    std::sort(boards.begin(), boards.end());  // the import asks in board order
    const vrek::ImportRead r = read(bytes, boards);
    if (!r.ok()) {
        require(r.error.rfind("ce n'est pas un fichier", 0) == 0, "a whole file refused for another reason");
        return;
    }
    for (const auto &why : r.skipped)
        require(why.rfind("ligne ", 0) == 0 || why.rfind("enregistrement ", 0) == 0 || why.rfind("donne ", 0) == 0,
                "a deal left out without its line or record");
    for (const auto &d : r.deals) {
        require(std::find(boards.begin(), boards.end(), d.board) != boards.end(), "a deal of a board not asked for");
        require(vrek::recordFault(d.deal).empty(), "a deal the store cannot hold");
        if (d.analysis) {
            requireSoundAnalysis(d.analysis->analysis);
            require(d.analysis->dealer >= 1 && d.analysis->dealer <= 4, "an analysis of no dealer");
        }
    }
}

}  // namespace fuzzcheck

#ifdef VREK_LIBFUZZER
#define VREK_FUZZ_TARGET(name)                                                   \
    static void name##Input(const uint8_t *data, size_t size);                   \
    extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {     \
        name##Input(data, size);                                                 \
        return 0;                                                                \
    }                                                                            \
    static void name##Input(const uint8_t *data, size_t size)
#else
#define VREK_FUZZ_TARGET(name)                                                   \
    static void name##Input(const uint8_t *data, size_t size);                   \
    [[maybe_unused]] static const bool name##Registered =                        \
        fuzzcheck::registerHarness(#name, name##Input);                          \
    static void name##Input(const uint8_t *data, size_t size)
#endif
