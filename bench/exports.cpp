// Time to build each export file for 96 complete boards (best of 20 runs).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>

#include "formats/exports.h"

namespace {

// A complete deal: a shuffled pack dealt 13 cards a seat, reshuffled while
// some hand would get ten cards of one suit.
vrek::Deal randomDeal(std::mt19937 &g) {
    for (;;) {
        int cards[52];
        for (int i = 0; i < 52; ++i) cards[i] = i;
        std::shuffle(cards, cards + 52, g);
        vrek::Deal d;
        bool ok = true;
        for (int i = 0; i < 52 && ok; ++i) {
            vrek::Holding &h = d.holding(i / 13 + 1, cards[i] / 13 + 1);
            if (h.full()) ok = false;
            else h.insert(cards[i] % 13 + 2);
        }
        if (ok) return d;
    }
}

}  // namespace

int main() {
    std::mt19937 g(20230301);
    vrek::Series s;
    s.setLine(0, "Tournoi du lundi");
    for (int b = 1; b <= vrek::kBoards; ++b) {
        s.deal(b) = randomDeal(g);
        s.setLine(vrek::contractLine(b), vrek::makeContractLine("3SA N entame RP", {3, 3, 6}));
    }
    vrek::Selection all;
    all.fill(true);

    struct Item {
        const char *name;
        vrek::ExportFormat format;
        bool append;
    };
    const Item items[] = {
        {"DLM", vrek::ExportFormat::Dlm, false}, {"DUP", vrek::ExportFormat::Dup, false},
        {"PBN", vrek::ExportFormat::PbnAll, false}, {"PBN (GIB)", vrek::ExportFormat::PbnBoth, false},
        {"LIN", vrek::ExportFormat::Lin, false}, {"DAT", vrek::ExportFormat::Dat, false},
        {"EASI", vrek::ExportFormat::Easi, false}, {"RTF", vrek::ExportFormat::Rtf, false},
        {"DLM 96+2", vrek::ExportFormat::Dlm, true}, {"DUP 96+3", vrek::ExportFormat::Dup, true},
        {"RTF 96+96", vrek::ExportFormat::Rtf, true},
    };
    std::printf("%-12s %10s %10s\n", "format", "octets", "ms");
    for (const Item &it : items) {
        vrek::ExportOptions opt;
        opt.date = "2024.03.07";
        vrek::Selection sel = all;
        if (it.append) {
            opt.existing = vrek::exportSeries(it.format, s, all, opt).bytes;
            opt.existingName = "bench";
            opt.numbering = vrek::Numbering::From97;
            if (it.format == vrek::ExportFormat::Dlm) sel = vrek::selectionOf({1, 2});
            if (it.format == vrek::ExportFormat::Dup) sel = vrek::selectionOf({1, 2, 3});
        }
        double best = 1e9;
        size_t size = 0;
        for (int run = 0; run < 20; ++run) {
            auto t0 = std::chrono::steady_clock::now();
            vrek::ExportOutput out = vrek::exportSeries(it.format, s, sel, opt);
            auto t1 = std::chrono::steady_clock::now();
            if (!out.ok()) {
                std::printf("%-12s échec : %s\n", it.name, out.error.c_str());
                return 1;
            }
            size = out.bytes.size();
            best = std::min(best, std::chrono::duration<double, std::milli>(t1 - t0).count());
        }
        std::printf("%-12s %10zu %10.3f\n", it.name, size, best);
    }
    return 0;
}
