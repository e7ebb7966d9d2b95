#include <gtest/gtest.h>

#include "core/series.h"

using namespace vrek;

TEST(LineMap, BoardsOwnFifteenLinesAfterTheTitle) {
    EXPECT_EQ(themeLine(1), 1);
    EXPECT_EQ(contractLine(1), 2);
    EXPECT_EQ(commentLine(1, 0), 3);
    EXPECT_EQ(commentLine(1, 11), 14);
    EXPECT_EQ(provenanceLine(1), 15);
    EXPECT_EQ(themeLine(96), 1426);
    EXPECT_EQ(provenanceLine(96), 1440);
}

TEST(ContractLine, CountsAndTextRoundTrip) {
    std::string l = makeContractLine("4P S entame RC", {4, 3, 5});
    ASSERT_EQ(l.size(), 66u);
    EXPECT_EQ(l.substr(50, 12), "04   03   05");
    EXPECT_EQ(l.substr(62), "    ");
    EXPECT_EQ(lineCountsOf(l), (LineCounts{4, 3, 5}));
    EXPECT_EQ(contractTextOf(l), "4P S entame RC");
    EXPECT_EQ(contractTextOf("   3SA   "), "3SA");
}

TEST(ContractLine, ShortLinesUseTheDefaultCounts) {
    EXPECT_EQ(lineCountsOf(std::string(50, 'x')), (LineCounts{3, 3, 6}));
    EXPECT_EQ(lineCountsOf(""), (LineCounts{3, 3, 6}));
    // 51 .. 61 characters: each missing count keeps its default.
    std::string partial = std::string(50, ' ') + "12   0";
    EXPECT_EQ(lineCountsOf(partial), (LineCounts{12, 3, 6}));
    std::string garbage = std::string(50, ' ') + "ab   99   07";
    EXPECT_EQ(lineCountsOf(garbage), (LineCounts{3, 3, 7}));
}

TEST(Series, ClearResetAndWipe) {
    Series s;
    s.deal(5).holding(North, Spades).insert(14);
    s.setLine(0, "Titre");
    s.setLine(themeLine(5), "Thème");
    s.setLine(2000, "extra");
    EXPECT_EQ(s.lines.size(), 2001u);
    EXPECT_EQ(s.line(5000), "");

    Series w = s;
    w.wipeDeals();
    EXPECT_TRUE(w.deal(5).empty());
    EXPECT_EQ(w.line(themeLine(5)), "Thème");

    Series r = s;
    r.reset();
    EXPECT_TRUE(r.deal(5).empty());
    EXPECT_EQ(r.line(0), "");
    EXPECT_EQ(r.line(themeLine(5)), "");
    EXPECT_EQ(r.line(2000), "extra");  // lines past board 96 belong to no board

    s.clear();
    EXPECT_EQ(s.lines.size(), 1441u);
    EXPECT_TRUE(s.deal(5).empty());
}
