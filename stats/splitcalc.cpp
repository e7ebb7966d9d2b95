#include "stats/splitcalc.h"

#include <algorithm>

#include "core/probability.h"
#include "stats/statistics.h"

namespace vrek::stats {

SplitTables splitTables(int held, int knownLeft, int knownRight) {
    held = std::clamp(held, 0, 12);
    const int kL = std::clamp(knownLeft, 0, 13), kR = std::clamp(knownRight, 0, 13);
    SplitTables t;
    const int n = t.missing = 13 - held;
    const int unknown = 26 - n - kL - kR;
    for (int i = 0; i <= n; ++i) {
        if (i > 13 - kL || n - i > 13 - kR) continue;
        SplitRow r;
        r.left = i;
        r.right = n - i;
        r.leftValue = splitHalfProbability(i, n, 13 - kL - i, unknown);
        r.rightValue = splitHalfProbability(n - i, n, 13 - kR - (n - i), unknown);
        t.rows.push_back(r);
    }
    // Each split joins the earlier row that is its mirror image (3-2 and 2-3),
    // whichever rows the known cards left possible.
    for (const SplitRow &r : t.rows) {
        auto mirror = std::find_if(t.merged.begin(), t.merged.end(),
                                   [&](const MergedRow &m) { return m.left == r.right && m.right == r.left; });
        if (mirror != t.merged.end() && r.left != r.right) mirror->value += r.combined();
        else t.merged.push_back({r.right, r.left, r.combined()});
    }
    return t;
}

std::array<std::string, 5> splitRowTexts(const SplitRow &r, const std::string &dp) {
    return {std::to_string(r.left), fixed(r.leftValue * 100, 3, dp), fixed(r.combined() * 100, 3, dp),
            fixed(r.rightValue * 100, 3, dp), std::to_string(r.right)};
}

std::array<std::string, 2> mergedRowTexts(const MergedRow &r, const std::string &dp) {
    return {std::to_string(r.right) + "/" + std::to_string(r.left), fixed(r.value * 100, 3, dp)};
}

std::string repartitionText(int held) { return "Les " + std::to_string(13 - held) + " cartes se répartissent"; }

std::string splitReport(const SplitTables &t, const std::string &dp) {
    std::string out = "Gauche\tDans la main\t%\tDans la main\tDroite\n";
    for (const SplitRow &r : t.rows) {
        const auto c = splitRowTexts(r, dp);
        out += c[0] + '\t' + c[1] + '\t' + c[2] + '\t' + c[3] + '\t' + c[4] + '\n';
    }
    out += "les répartitions\tsont en %\n";
    for (const MergedRow &m : t.merged) {
        const auto c = mergedRowTexts(m, dp);
        out += c[0] + '\t' + c[1] + '\n';
    }
    return out;
}

}  // namespace vrek::stats
