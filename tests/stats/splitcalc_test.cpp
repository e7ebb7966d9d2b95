// The split calculator's two tables.
#include <gtest/gtest.h>

#include "stats/splitcalc.h"

using namespace vrek::stats;

namespace {

std::vector<std::string> merged(const SplitTables &t) {
    std::vector<std::string> out;
    for (const MergedRow &m : t.merged) {
        const auto c = mergedRowTexts(m, ",");
        out.push_back(c[0] + " " + c[1]);
    }
    return out;
}

}  // namespace

TEST(SplitCalculator, FiveMissingNothingKnown) {
    const SplitTables t = splitTables(8, 0, 0);
    ASSERT_EQ(t.rows.size(), 6u);
    EXPECT_EQ(t.rows[0].left, 0);
    EXPECT_EQ(t.rows[0].right, 5);
    for (const SplitRow &r : t.rows) {
        EXPECT_EQ(r.leftValue, r.rightValue);  // each half of the whole
        const auto c = splitRowTexts(r, ",");
        EXPECT_EQ(c[1], c[3]);
    }
    EXPECT_EQ(splitRowTexts(t.rows[2], ","), (std::array<std::string, 5>{"2", "16,957", "33,913", "16,957", "3"}));
    EXPECT_EQ(merged(t), (std::vector<std::string>{"5/0 3,913", "4/1 28,261", "3/2 67,826"}));
    EXPECT_EQ(repartitionText(8), "Les 5 cartes se répartissent");
}

TEST(SplitCalculator, EvenSplitStaysAlone) {
    EXPECT_EQ(merged(splitTables(9, 0, 0)), (std::vector<std::string>{"4/0 9,565", "3/1 49,739", "2/2 40,696"}));
}

TEST(SplitCalculator, EdgesOfTheRanges) {
    EXPECT_EQ(merged(splitTables(12, 0, 0)), (std::vector<std::string>{"1/0 100,000"}));
    const SplitTables left13 = splitTables(8, 13, 0);
    ASSERT_EQ(left13.rows.size(), 1u);
    EXPECT_EQ(splitRowTexts(left13.rows[0], ","), (std::array<std::string, 5>{"0", "50,000", "100,000", "50,000", "5"}));
    EXPECT_EQ(merged(left13), (std::vector<std::string>{"5/0 100,000"}));
    EXPECT_TRUE(splitTables(0, 13, 13).rows.empty());  // no room for 13 cards
    EXPECT_EQ(splitTables(0, 0, 0).rows.size(), 14u);
    EXPECT_EQ(splitTables(0, 0, 0).merged.size(), 7u);
}

TEST(SplitCalculator, MirrorsMergeWhateverSideIsKnown) {
    // The right opponent has only three free places: the splits run from 2-3 to 5-0.
    for (auto [kl, kr] : {std::pair{0, 10}, std::pair{10, 0}, std::pair{4, 9}}) {
        const SplitTables t = splitTables(8, kl, kr);
        long double all = 0, shown = 0;
        for (const SplitRow &r : t.rows) all += r.combined();
        for (const MergedRow &m : t.merged) shown += m.value;
        EXPECT_NEAR(double(all), 1.0, 1e-15);
        EXPECT_NEAR(double(shown), 1.0, 1e-15);
        for (size_t i = 0; i < t.merged.size(); ++i)
            for (size_t j = 0; j < i; ++j)
                EXPECT_FALSE(t.merged[i].left == t.merged[j].right && t.merged[i].right == t.merged[j].left);
    }
    EXPECT_EQ(merged(splitTables(8, 0, 10)).size(), 3u);
}

TEST(SplitCalculator, Report) {
    EXPECT_EQ(splitReport(splitTables(12, 0, 0), "."),
              "Gauche\tDans la main\t%\tDans la main\tDroite\n"
              "0\t25.000\t50.000\t25.000\t1\n"
              "1\t25.000\t50.000\t25.000\t0\n"
              "les répartitions\tsont en %\n"
              "1/0\t100.000\n");
}
