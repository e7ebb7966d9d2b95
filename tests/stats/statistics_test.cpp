// The statistics tables in the three modes, their labels, the special hands
// and deals, and the window's sort.
#include <gtest/gtest.h>

#include <numeric>

#include "core/evaluation.h"
#include "core/series.h"
#include "stats/statistics.h"
#include "statsfixture.h"
#include "testutil.h"

using namespace vrek;
using namespace vrek::stats;
using statsfixture::dealOfLengths;

namespace {

int sumColumn(const Grid &g, int c) {
    int n = 0;
    for (const Row &r : g.rows) n += std::stoi(r[c]);
    return n;
}

const Row *rowOf(const Grid &g, const std::string &key) {
    for (const Row &r : g.rows)
        if (r[0] == key) return &r;
    return nullptr;
}

Series seriesOf(int completeDeals) {
    Series s;
    s.clear();
    for (int b = 1; b <= completeDeals; ++b) s.deal(b) = testutil::shuffledDeal(unsigned(b) * 7919u);
    return s;
}

// Four deals with special hands (spades, hearts, diamonds, clubs per seat).
Series specialSeries() {
    const int regular[4][4] = {{5, 4, 2, 2}, {2, 5, 4, 2}, {2, 2, 5, 4}, {4, 2, 2, 5}};
    const int voidAndSingleton[4][4] = {{6, 4, 3, 0}, {1, 4, 4, 4}, {3, 3, 3, 4}, {3, 2, 3, 5}};
    const int twoSixes[4][4] = {{6, 6, 1, 0}, {3, 3, 4, 3}, {2, 2, 4, 5}, {2, 2, 4, 5}};
    const int fourFourFourOne[4][4] = {{4, 4, 4, 1}, {3, 3, 3, 4}, {3, 3, 3, 4}, {3, 3, 3, 4}};
    Series s;
    s.clear();
    s.deal(1) = dealOfLengths(regular);
    s.deal(2) = dealOfLengths(voidAndSingleton);
    s.deal(3) = dealOfLengths(twoSixes);
    s.deal(4) = dealOfLengths(fourFourFourOne);
    return s;
}

}  // namespace

TEST(Statistics, ModeFollowsTheCaptionsFirstLetter) {
    EXPECT_EQ(modeOfCaption(captionFor(Mode::Observed, "Lundi")), Mode::Observed);
    EXPECT_EQ(modeOfCaption(captionFor(Mode::FullRecord, "")), Mode::FullRecord);
    EXPECT_EQ(modeOfCaption(captionFor(Mode::Theory, "x")), Mode::Theory);
    EXPECT_EQ(captionFor(Mode::Observed, "Lundi"), "Statistiques de la Série Lundi");
    EXPECT_EQ(captionFor(Mode::FullRecord, "Lundi"), "Relevé des statistiques de la Série Lundi");
    EXPECT_EQ(modeOfCaption(""), Mode::Theory);
}

TEST(Statistics, NumbersAndCells) {
    EXPECT_EQ(fixed(10.5365L, 3, ","), "10,537");
    EXPECT_EQ(fixed(0, 3, ","), "0,000");
    EXPECT_EQ(fixed(2.0L / 3, 6, "."), "0.666667");
    EXPECT_EQ(cellValue("13- 0- 0- 0", true), 13000);
    EXPECT_EQ(cellValue(" 5- 4- 2- 2", true), 5422);
    EXPECT_DOUBLE_EQ(double(cellValue("10,536000", false)), 10.536);
    EXPECT_DOUBLE_EQ(double(cellValue("0.125", false)), 0.125);
    EXPECT_LT(cellValue("", false), 0);  // blank cells sort below every value
    EXPECT_LT(cellValue("", true), 0);
}

TEST(Statistics, TheoryTables) {
    Series s;
    s.clear();
    const Statistics st = computeStatistics(s, Mode::Theory, ",");
    const Grid &patterns = st.tabs[0].grid;
    EXPECT_EQ(patterns.header[0], "Mains");
    ASSERT_EQ(patterns.rows.size(), 39u);
    EXPECT_EQ(patterns.rows.front()[0], " 4- 3- 3- 3");  // pattern ascending
    EXPECT_EQ(patterns.rows.front()[3], "10,536130");
    EXPECT_EQ(patterns.rows.back()[0], "13- 0- 0- 0");
    EXPECT_EQ(patterns.rows.front()[1], "");
    EXPECT_EQ(st.tabs[0].countLabel, "39 mains sont prises en compte");
    ASSERT_EQ(st.tabs[1].grid.rows.size(), 38u);
    EXPECT_EQ(st.tabs[1].grid.rows.front()[0], "10");  // the likeliest total first
    EXPECT_EQ(st.tabs[1].countLabel, "38 mains sont prises en compte");
    ASSERT_EQ(st.tabs[2].grid.rows.size(), 41u);
    EXPECT_EQ(st.tabs[2].grid.rows.front()[0], "20");
    EXPECT_EQ(st.tabs[2].countLabel, "41 lignes sont prises en compte");
    ASSERT_EQ(st.seats.rows.size(), 1u);
    EXPECT_EQ(st.seats.rows[0], (Row{"10", "10", "10", "10"}));
    EXPECT_EQ(st.seatCounts[3], "1");
    EXPECT_EQ(st.seatAverages[0], "10,000");
    EXPECT_FALSE(st.dealsVisible);
}

TEST(Statistics, ThirtyTwoCompleteDeals) {
    Series s = seriesOf(32);
    s.deal(40).holding(North, Spades).insert(14);  // an incomplete deal counts nowhere
    const Statistics st = computeStatistics(s, Mode::Observed, ",");
    EXPECT_EQ(st.tabs[0].units, 128);
    EXPECT_EQ(st.tabs[1].units, 128);
    EXPECT_EQ(st.tabs[2].units, 64);
    EXPECT_EQ(sumColumn(st.tabs[0].grid, 1), 128);
    EXPECT_EQ(sumColumn(st.tabs[2].grid, 1), 64);
    EXPECT_EQ(st.tabs[2].countLabel, "64 lignes sont prises en compte");
    EXPECT_EQ(st.tabs[0].typesLabel, std::to_string(st.tabs[0].grid.rows.size()) + " types de mains différentes");
    EXPECT_TRUE(st.tabs[0].typesVisible);
    EXPECT_EQ(st.seatCounts, (std::array<std::string, 4>{"32", "32", "32", "32"}));
    EXPECT_EQ(st.completeDeals, 32);
    EXPECT_EQ(st.dealsLabel, "Sur 32, nombre de donnes possédant :");
    // Observed mode: sorted by probability, descending; percentages of the units.
    const auto &rows = st.tabs[1].grid.rows;
    for (size_t i = 1; i < rows.size(); ++i) EXPECT_GE(cellValue(rows[i - 1][3], false), cellValue(rows[i][3], false));
    for (const Row &r : rows) EXPECT_EQ(r[2], fixed(std::stoi(r[1]) * 100.0L / 128, 3, ","));
    // North's average over its 32 hands.
    int north = 0;
    for (int b = 1; b <= 32; ++b) north += highCardPoints(s.deal(b).hand(North));
    EXPECT_EQ(st.seatAverages[0], fixed(north / 32.0L, 3, ","));
}

TEST(Statistics, ObservedAndFullRecordRows) {
    const Series s = seriesOf(32);
    const Statistics seen = computeStatistics(s, Mode::Observed, ",");
    const Statistics full = computeStatistics(s, Mode::FullRecord, ",");
    EXPECT_EQ(seen.tabs[0].grid.header[0], "Main");
    // No hand of 37 points: a row only in the full record, counted 0, theory to 6 decimals.
    EXPECT_EQ(rowOf(seen.tabs[1].grid, "37"), nullptr);
    const Row *top = rowOf(full.tabs[1].grid, "37");
    ASSERT_NE(top, nullptr);
    EXPECT_EQ((*top)[1], "0");
    EXPECT_EQ((*top)[2], "0,000");
    EXPECT_EQ((*top)[3].size(), std::string("0,000000").size());
    // A row made by an observed value carries the theory to 3 decimals.
    const Row &made = seen.tabs[1].grid.rows.front();
    EXPECT_EQ(made[3].substr(made[3].find(',')).size(), 4u);
    EXPECT_EQ(full.tabs[0].grid.rows.size(), 39u);
    EXPECT_EQ(full.tabs[1].grid.rows.size(), 38u);
    EXPECT_EQ(full.tabs[2].grid.rows.size(), 41u);
    EXPECT_EQ(sumColumn(full.tabs[1].grid, 1), 128);
    EXPECT_EQ(full.tabs[1].typesLabel, "38 forces de mains différentes");
    // Full record's initial sort: patterns ascending, points descending, North descending.
    EXPECT_EQ(full.tabs[0].grid.rows.front()[0], " 4- 3- 3- 3");
    EXPECT_EQ(full.tabs[1].grid.rows.front()[0], "37");
    EXPECT_EQ(full.tabs[2].grid.rows.back()[0], "0");
    const auto &seats = full.seats.rows;
    for (size_t i = 1; i < seats.size(); ++i) EXPECT_GE(std::stoi(seats[i - 1][0]), std::stoi(seats[i][0]));
}

TEST(Statistics, SpecialHandsAndDeals) {
    const Statistics st = computeStatistics(specialSeries(), Mode::Observed, ",");
    const HandCounters &c = st.counters;
    EXPECT_EQ(c.hands, 16);
    EXPECT_EQ(c.suits6, 3);  // two in one hand count twice
    EXPECT_EQ(c.suits7, 0);
    EXPECT_EQ(c.regular, 12);  // 5-4-2-2 is regular, 4-4-4-1 is not
    EXPECT_EQ(c.noShortness, 12);
    EXPECT_EQ(c.voids[0], 2);
    EXPECT_EQ(c.totalVoids(), 2);
    EXPECT_EQ(st.completeDeals, 4);
    EXPECT_EQ(st.deals[0].rows[0], (Row{"7ème et plus ", "0", "0,000", "14,629"}));
    EXPECT_EQ(st.deals[0].rows[1], (Row{"6ème", "2", "50,000", "49,845"}));  // the two-sixes deal once
    EXPECT_EQ(st.deals[1].rows[0][1], "1");
    EXPECT_EQ(st.deals[2].rows[0], (Row{"régulière", "1", "25,000", "16,121"}));
    EXPECT_EQ(st.deals[3].rows[0][1], "2");  // 6-6-1-0 and 4-4-4-1 alone
    EXPECT_EQ(st.deals[3].rows[1][1], "1");  // a void and a singleton in two hands
    EXPECT_EQ(st.deals[3].rows[2][1], "0");
    EXPECT_EQ(st.deals[3].rows[3][1], "0");
    ASSERT_NE(rowOf(st.tabs[0].grid, " 6- 6- 1- 0"), nullptr);
    EXPECT_EQ(rowOf(st.tabs[0].grid, " 3- 3- 3- 4"), nullptr);  // keys are sorted patterns
    ASSERT_NE(rowOf(st.tabs[0].grid, " 4- 3- 3- 3"), nullptr);
    EXPECT_EQ((*rowOf(st.tabs[0].grid, " 4- 3- 3- 3"))[1], "5");
}

TEST(Statistics, NoCompleteDealDividesByNothing) {
    Series s;
    s.clear();
    s.deal(3).holding(East, Hearts).insert(12);
    for (Mode m : {Mode::Observed, Mode::FullRecord}) {
        const Statistics st = computeStatistics(s, m, ",");
        EXPECT_EQ(st.tabs[0].units, 0);
        EXPECT_EQ(st.tabs[0].countLabel, "0 mains sont prises en compte");
        EXPECT_FALSE(st.tabs[0].typesVisible);
        EXPECT_EQ(st.seatAverages[1], "0,000");
        EXPECT_EQ(st.seatCounts[1], "0");
        EXPECT_TRUE(st.seats.rows.empty());
        EXPECT_EQ(st.deals[3].rows[1][2], "0,000");
        EXPECT_EQ(st.dealsLabel, "Sur 0, nombre de donnes possédant :");
    }
    EXPECT_TRUE(computeStatistics(s, Mode::Observed, ",").tabs[1].grid.rows.empty());
}

TEST(Statistics, TheExchangeSortOrdersTiesItsOwnWay) {
    Grid g;
    g.rows = {{"a", "1", "", ""}, {"b", "2", "", ""}, {"c", "1", "", ""}, {"d", "2", "", ""}, {"e", "3", "", ""}};
    Grid down = g, up = g;
    sortGrid(down, 1, true, false);
    sortGrid(up, 1, false, false);
    auto keys = [](const Grid &x) {
        std::string k;
        for (const Row &r : x.rows) k += r[0];
        return k;
    };
    EXPECT_EQ(keys(down), "edbac");
    EXPECT_EQ(keys(up), "acdbe");
}

TEST(Statistics, SortingTheSeatTabMovesWholeRows) {
    Statistics st = computeStatistics(seriesOf(12), Mode::Observed, ",");
    const auto before = st.seats.rows;
    sortTab(st, 3, 0, true);
    for (size_t i = 1; i < st.seats.rows.size(); ++i)
        EXPECT_GE(std::stoi(st.seats.rows[i - 1][0]), std::stoi(st.seats.rows[i][0]));
    // Each row is still one of the rows it was.
    for (const Row &r : st.seats.rows) EXPECT_NE(std::find(before.begin(), before.end(), r), before.end());
    sortTab(st, 0, 0, false);  // patterns by their key
    for (size_t i = 1; i < st.tabs[0].grid.rows.size(); ++i)
        EXPECT_LE(cellValue(st.tabs[0].grid.rows[i - 1][0], true), cellValue(st.tabs[0].grid.rows[i][0], true));
}

TEST(Statistics, ReportListsTheTabsInOrder) {
    const std::string r = statisticsReport(computeStatistics(specialSeries(), Mode::Observed, ","));
    const auto at = [&r](const std::string &t) { return r.find(t); };
    EXPECT_EQ(at("distributions des mains\n"), 0u);
    EXPECT_LT(at("\ndes points H par main\n"), at("\ndes points H par ligne\n"));
    EXPECT_LT(at("\ndes points H par Orientation\n"), at("\ndistributions des donnes\n"));
    EXPECT_NE(at("\n 4- 3- 3- 3\t5\t31,250\t"), std::string::npos);
    EXPECT_NE(at("\nMains\t4\t4\t4\t4\n"), std::string::npos);  // complete hands per seat
    EXPECT_NE(at("\nMoyenne\t"), std::string::npos);
    EXPECT_NE(at("\n6ème\t2\t50,000\t49,845\n"), std::string::npos);
    EXPECT_NE(at("Sur 4, nombre de donnes possédant :\n"), std::string::npos);
    const std::string theory = statisticsReport(computeStatistics(Series{}, Mode::Theory, ","));
    EXPECT_EQ(theory.find("distributions des donnes"), std::string::npos);
}
