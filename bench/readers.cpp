// Time of each reader on a megabyte of one repeated pattern (best of 3):
// a reader whose time grows faster than its input shows here as seconds
// where the others take milliseconds. The import readers scan, then read
// every board, as the import does.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "core/inifile.h"
#include "core/seriesfile.h"
#include "core/settings.h"
#include "formats/bri.h"
#include "formats/dge.h"
#include "formats/dlmimport.h"
#include "formats/dupimport.h"
#include "formats/linimport.h"
#include "formats/pbnimport.h"
#include "formats/seriesimport.h"
#include "verify/ddanalysis.h"
#include "verify/solveroutput.h"

namespace {

constexpr size_t kSize = 1 << 20;

std::string repeated(const std::string &head, const std::string &unit) {
    std::string s = head;
    while (s.size() < kSize) s += unit;
    return s;
}

std::vector<int> allBoards() {
    std::vector<int> b(vrek::kBoards);
    for (int i = 0; i < vrek::kBoards; ++i) b[i] = i + 1;
    return b;
}

template <class Scan, class Read>
std::function<void(const std::string &)> importer(Scan scan, Read read) {
    return [=](const std::string &bytes) {
        scan(bytes);
        read(bytes, allBoards());
    };
}

}  // namespace

int main() {
    const std::vector<std::pair<const char *, std::string>> patterns = {
        {"\\n", repeated("", "\n")},
        {"\\r", repeated("", "\r")},
        {"espaces", repeated("", " ")},
        {"NUL", repeated("", std::string(1, '\0'))},
        {"a", repeated("", "a")},
        {"[", repeated("", "[")},
        {"{", repeated("", "{")},
        {"\"", repeated("[Deal \"", "\"")},
        {"|", repeated("", "|")},
        {"md|S \\n", repeated("md|S", "\n")},
        {"md|S |", repeated("md|S", " |")},
        {"Board 01=", repeated("To board=96\n", "Board 01=")},
        {"[Board \"1\"]", repeated("", "[Board \"1\"]\n")},
        {"[Deal]", repeated("", "[Deal \"N:AKQJT98765432...\"]\n")},
        {"[Deal \"#\"]", repeated("", "[Deal \"#\"]\n")},
        {"[OptimumResultTable]", repeated("[OptimumResultTable \"\"]\n", "N S 7\n")},
        {"line: after", repeated("line:", "after")},
        {"x=y", repeated("[Etiquettes]\n", "x=y\n")},
    };
    const std::vector<std::pair<const char *, std::function<void(const std::string &)>>> readers = {
        {"DUP", importer(vrek::scanDup, vrek::readDup)},
        {"DLM", importer(vrek::scanDlm, vrek::readDlm)},
        {"PBN", importer(vrek::scanPbn, vrek::readPbn)},
        {"LIN", importer(vrek::scanLin, vrek::readLin)},
        {"BRI", importer(vrek::scanBri, vrek::readBri)},
        {"DGE", importer(vrek::scanDge, vrek::readDge)},
        {"série", [](const std::string &b) { vrek::seriesFromBytes(b.substr(0, 15360), b); }},
        {"insertion", [](const std::string &b) { vrek::readSeriesRecords(std::string(15360, '\0'), b, allBoards()); }},
        {"vrek.ini", [](const std::string &b) { vrek::settingsFromBytes(b, vrek::DateFormat::french()); }},
        {"solveur", [](const std::string &b) { vrek::readSolverAnswer(b); }},
        {"table", [](const std::string &b) {
             std::string tag, error;
             vrek::DealAnalysis a;
             vrek::parseTableAnswerLine(b, tag, a, error);
         }},
    };
    std::printf("%-22s", "motif (1 Mo)");
    for (const auto &r : readers) std::printf(" %9s", r.first);
    std::printf("\n");
    for (const auto &[name, bytes] : patterns) {
        std::printf("%-22s", name);
        for (const auto &r : readers) {
            double best = 1e9;
            for (int run = 0; run < 3; ++run) {
                const auto t0 = std::chrono::steady_clock::now();
                r.second(bytes);
                best = std::min(best, std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
            }
            std::printf(" %9.1f", best);
        }
        std::printf("\n");
        std::fflush(stdout);
    }
    std::printf("(ms)\n");
}
