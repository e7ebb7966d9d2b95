// Random byte mutations of valid files: every reader either reads deals the
// store can hold or refuses with a message, and never crashes. The number
// of inputs per reader can be raised with VREK_FUZZ_INPUTS.
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

#include "core/seriesfile.h"
#include "formats/bri.h"
#include "formats/dge.h"
#include "formats/dlmimport.h"
#include "formats/dupimport.h"
#include "formats/linimport.h"
#include "formats/pbnimport.h"
#include "formats/seriesimport.h"
#include "importfixture.h"

using namespace vrek;

namespace {

int inputsPerReader() {
    const char *env = std::getenv("VREK_FUZZ_INPUTS");
    int n = env ? std::atoi(env) : 0;
    return n > 0 ? n : 2500;
}

// Characters the formats give a meaning to, to reach past the first check.
const std::string kTokens = std::string("0123456789abcdefghijklmnopqrstuvwxyzAKQJTNESW.:- \"[]{};%#|,=\r\n\x06\x03\x04\x05\xff") + '\0';

std::string mutate(std::string s, std::mt19937 &g) {
    const int edits = 1 + static_cast<int>(g() % 8);
    for (int e = 0; e < edits; ++e) {
        const size_t at = s.empty() ? 0 : g() % s.size();
        const char token = kTokens[g() % kTokens.size()];
        switch (g() % 7) {
        case 0: if (!s.empty()) s[at] = static_cast<char>(g()); break;
        case 1: if (!s.empty()) s[at] = token; break;
        case 2: s.insert(at, 1, token); break;
        case 3: if (!s.empty()) s.erase(at, 1 + g() % 40); break;
        case 4: s.resize(at); break;
        case 5: if (!s.empty()) s.insert(at, s.substr(g() % s.size(), g() % 200)); break;
        case 6: if (!s.empty()) std::swap(s[at], s[g() % s.size()]); break;
        }
    }
    return s;
}

std::vector<int> allOffered(const ImportScan &scan) {
    std::vector<int> v;
    for (int b = 1; b <= kBoards; ++b)
        if (scan.available[b - 1]) v.push_back(b);
    return v;
}

// What every read must give: a refusal of the whole file only when it is
// not of the format, each deal left out named by where it stands, and
// deals the store can show.
void checkRead(const ImportRead &r, const std::string &what) {
    if (!r.ok()) {
        ASSERT_EQ(r.error.rfind("ce n'est pas un fichier", 0), 0u) << what << ": " << r.error;
        return;
    }
    for (const auto &why : r.skipped)
        ASSERT_TRUE(why.rfind("ligne ", 0) == 0 || why.rfind("enregistrement ", 0) == 0 || why.rfind("donne ", 0) == 0)
            << what << ": " << why;
    for (const auto &d : r.deals) {
        ASSERT_EQ(recordFault(d.deal), "") << what << " donne " << d.board;
        ASSERT_GE(d.board, 1);
        ASSERT_LE(d.board, kBoards);
    }
}

template <class Scan, class Read>
int fuzz(const std::vector<std::string> &seeds, unsigned seed, Scan scan, Read read, const char *what) {
    std::mt19937 g(seed);
    const int n = inputsPerReader();
    int readClean = 0;
    for (int i = 0; i < n; ++i) {
        const std::string input = mutate(seeds[i % seeds.size()], g);
        ImportScan s = scan(input);
        if (!s.error.empty()) continue;
        EXPECT_EQ(s.empty, s.count() == 0);
        // Every offered board, and boards the scan did not offer too.
        ImportRead r = read(input, allOffered(s));
        checkRead(r, what);
        readClean += r.ok();
        checkRead(read(input, {1, 50, 96}), what);
        if (::testing::Test::HasFatalFailure()) return readClean;
    }
    std::printf("[ fuzz     ] %s: %d inputs, %d read cleanly\n", what, n, readClean);
    return readClean;
}

class ImportFuzz : public ::testing::Test {
protected:
    Series s = importfix::randomSeries(21);
    std::vector<std::string> seeds(ExportFormat f) {
        return {importfix::exported(f, s, fixture::firstBoards(96)), importfix::exported(f, s, fixture::firstBoards(3)),
                importfix::exported(f, s, fixture::boards({1, 2, 40}))};
    }
};

TEST_F(ImportFuzz, Dup) {
    int clean = fuzz(seeds(ExportFormat::Dup), 1, scanDup, readDup, "DUP");
    EXPECT_GT(clean, 0);
}

TEST_F(ImportFuzz, Dlm) {
    int clean = fuzz(seeds(ExportFormat::Dlm), 2, scanDlm, readDlm, "DLM");
    EXPECT_GT(clean, 0);
}

TEST_F(ImportFuzz, Pbn) {
    int clean = fuzz(seeds(ExportFormat::PbnAll), 3, scanPbn, readPbn, "PBN");
    EXPECT_GT(clean, 0);
}

TEST_F(ImportFuzz, Bri) { EXPECT_GT(fuzz(seeds(ExportFormat::Bri), 6, scanBri, readBri, "BRI"), 0); }

TEST_F(ImportFuzz, Dge) { EXPECT_GT(fuzz(seeds(ExportFormat::Dge), 7, scanDge, readDge, "DGE"), 0); }

TEST_F(ImportFuzz, Lin) { EXPECT_GT(fuzz(seeds(ExportFormat::Lin), 8, scanLin, readLin, "LIN"), 0); }

TEST_F(ImportFuzz, SeriesRecordsAndTexts) {
    Series texted = s;
    texted.lines = importfix::textedSeries("f").lines;
    const std::string texts = serializeTexts(texted);
    std::mt19937 g(4);
    auto read = [&](const std::string &records, const std::vector<int> &boards) {
        return readSeriesRecords(records, mutate(texts, g), boards);
    };
    int clean = fuzz({serializeDeals(s), serializeDeals(s).substr(0, 32 * 160)}, 5, scanSeriesRecords, read, "VRK");
    EXPECT_GT(clean, 0);
}

}  // namespace
