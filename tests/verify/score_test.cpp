#include <gtest/gtest.h>

#include "verify/score.h"

using namespace vrek;

namespace {

struct Row {
    int level;
    Strain strain;
    Doubling dbl;
    bool vul;
    int tricks;
    int score;
};

constexpr auto NT = Strain::NoTrump, S = Strain::Spades, H = Strain::Hearts, D = Strain::Diamonds, C = Strain::Clubs;
constexpr auto U = Doubling::None, X = Doubling::Doubled, XX = Doubling::Redoubled;

void expectRows(const std::vector<Row> &rows) {
    for (const Row &r : rows)
        EXPECT_EQ(duplicateScore(r.level, r.strain, r.dbl, r.vul, r.tricks), r.score)
            << r.level << strainText(r.strain) << " dbl " << int(r.dbl) << (r.vul ? " vul" : " nv") << " tricks "
            << r.tricks;
}

// Contracts made exactly, from the standard duplicate scoring table:
// {not vulnerable, vulnerable} for levels 1 .. 7.
struct MadeTable {
    Strain strain;
    Doubling dbl;
    int nv[7], v[7];
};

const MadeTable kMade[] = {
    {C, U, {70, 90, 110, 130, 400, 920, 1440}, {70, 90, 110, 130, 600, 1370, 2140}},
    {D, U, {70, 90, 110, 130, 400, 920, 1440}, {70, 90, 110, 130, 600, 1370, 2140}},
    {H, U, {80, 110, 140, 420, 450, 980, 1510}, {80, 110, 140, 620, 650, 1430, 2210}},
    {S, U, {80, 110, 140, 420, 450, 980, 1510}, {80, 110, 140, 620, 650, 1430, 2210}},
    {NT, U, {90, 120, 400, 430, 460, 990, 1520}, {90, 120, 600, 630, 660, 1440, 2220}},
    {C, X, {140, 180, 470, 510, 550, 1090, 1630}, {140, 180, 670, 710, 750, 1540, 2330}},
    {D, X, {140, 180, 470, 510, 550, 1090, 1630}, {140, 180, 670, 710, 750, 1540, 2330}},
    {H, X, {160, 470, 530, 590, 650, 1210, 1770}, {160, 670, 730, 790, 850, 1660, 2470}},
    {S, X, {160, 470, 530, 590, 650, 1210, 1770}, {160, 670, 730, 790, 850, 1660, 2470}},
    {NT, X, {180, 490, 550, 610, 670, 1230, 1790}, {180, 690, 750, 810, 870, 1680, 2490}},
    {C, XX, {230, 560, 640, 720, 800, 1380, 1960}, {230, 760, 840, 920, 1000, 1830, 2660}},
    {H, XX, {520, 640, 760, 880, 1000, 1620, 2240}, {720, 840, 960, 1080, 1200, 2070, 2940}},
    {NT, XX, {560, 680, 800, 920, 1040, 1660, 2280}, {760, 880, 1000, 1120, 1240, 2110, 2980}},
};

}  // namespace

TEST(DuplicateScore, EveryContractMadeExactly) {
    for (const MadeTable &t : kMade)
        for (int level = 1; level <= 7; ++level) {
            SCOPED_TRACE(std::to_string(level) + strainText(t.strain) + " dbl " + std::to_string(int(t.dbl)));
            EXPECT_EQ(duplicateScore(level, t.strain, t.dbl, false, level + 6), t.nv[level - 1]);
            EXPECT_EQ(duplicateScore(level, t.strain, t.dbl, true, level + 6), t.v[level - 1]);
        }
}

TEST(DuplicateScore, Overtricks) {
    expectRows({
        {1, NT, U, false, 9, 150},   {3, NT, U, false, 10, 430},  {3, NT, U, true, 10, 630},
        {4, S, U, false, 11, 450},   {4, H, U, true, 12, 680},    {2, C, U, false, 11, 150},
        {5, D, U, true, 13, 640},    {6, S, U, false, 13, 1010},  {1, C, X, false, 8, 240},
        {1, C, X, true, 8, 340},     {2, S, X, false, 10, 670},   {2, S, X, true, 11, 1270},
        {3, NT, X, false, 13, 950},  {1, H, XX, false, 8, 720},   {1, H, XX, true, 9, 1520},
        {6, NT, XX, true, 13, 2510},
    });
}

TEST(DuplicateScore, Undertricks) {
    std::vector<Row> rows;
    // Undoubled: 50 or 100 a trick.
    for (int d = 1; d <= 7; ++d) {
        rows.push_back({7, NT, U, false, 13 - d, -50 * d});
        rows.push_back({7, C, U, true, 13 - d, -100 * d});
    }
    const int dblNv[] = {100, 300, 500, 800, 1100, 1400, 1700};
    const int dblV[] = {200, 500, 800, 1100, 1400, 1700, 2000};
    for (int d = 1; d <= 7; ++d) {
        rows.push_back({7, S, X, false, 13 - d, -dblNv[d - 1]});
        rows.push_back({7, D, X, true, 13 - d, -dblV[d - 1]});
        rows.push_back({7, H, XX, false, 13 - d, -2 * dblNv[d - 1]});
        rows.push_back({7, NT, XX, true, 13 - d, -2 * dblV[d - 1]});
    }
    // Thirteen down, the worst case.
    rows.push_back({7, NT, X, false, 0, -3500});
    rows.push_back({7, NT, X, true, 0, -3800});
    rows.push_back({1, C, U, false, 0, -350});
    expectRows(rows);
}

TEST(DuplicateScore, ExamplesOfTheVerification) {
    expectRows({
        {4, S, U, false, 9, -50},     // solver 9, 4P by South
        {3, NT, U, false, 10, 430},   // solver 3, 3SA by East: 10 tricks
        {3, NT, U, true, 10, 630},
        {2, D, X, false, 8, 180},
        {7, NT, U, true, 13, 2220},
        {3, C, X, true, 5, -1100},
    });
}

TEST(DuplicateScore, OutOfRangeGivesZero) {
    EXPECT_EQ(duplicateScore(0, NT, U, false, 7), 0);
    EXPECT_EQ(duplicateScore(8, NT, U, false, 13), 0);
    EXPECT_EQ(duplicateScore(3, NT, U, false, 14), 0);
    EXPECT_EQ(duplicateScore(3, NT, U, false, -1), 0);
}

TEST(DeclaringSide, TricksAndVulnerability) {
    EXPECT_EQ(declarerTricks(9, 3), 9);   // South
    EXPECT_EQ(declarerTricks(9, 1), 9);   // North
    EXPECT_EQ(declarerTricks(3, 2), 10);  // East
    EXPECT_EQ(declarerTricks(13, 4), 0);  // West
    // Board 2: North-South vulnerable; board 3: East-West; board 4: both; board 17 as board 1.
    EXPECT_TRUE(declarerVulnerable(2, 1));
    EXPECT_FALSE(declarerVulnerable(2, 2));
    EXPECT_TRUE(declarerVulnerable(3, 4));
    EXPECT_FALSE(declarerVulnerable(3, 3));
    EXPECT_TRUE(declarerVulnerable(4, 3) && declarerVulnerable(4, 2));
    EXPECT_FALSE(declarerVulnerable(17, 1) || declarerVulnerable(17, 2));
}

TEST(ResultText, ExactOverAndUnder) {
    EXPECT_EQ(resultText(4, S, U, 3, 10, 105), "4P= par S sur entame 5T");
    EXPECT_EQ(resultText(3, NT, X, 4, 7, 313), "3SA*-2 par O sur entame RC");
    EXPECT_EQ(resultText(6, H, U, 1, 13, 414), "6C+1 par N sur entame AP");
    EXPECT_EQ(resultText(4, S, U, 3, 9, 402), "4P-1 par S sur entame 2P");
    EXPECT_EQ(resultText(2, D, X, 2, 8, 210), "2K*= par E sur entame XK");
    EXPECT_EQ(resultText(1, C, XX, 2, 13, 111), "1T**+6 par E sur entame VT");
    EXPECT_EQ(resultText(7, NT, U, 1, 0, 0), "7SA-13 par N sur entame ");
}

TEST(QuestionText, TricksDeclarerScoreAndResult) {
    EXPECT_EQ(questionText(10, 3, 420, "4P= par S sur entame 5T"), "10 levées par Sud\r\r420\r\r4P= par S sur entame 5T");
    EXPECT_EQ(questionText(9, 4, -50, "x"), "9 levées par Ouest\r\r-50\r\rx");
    EXPECT_EQ(questionText(0, 2, -650, "y"), "0 levées par Est\r\r-650\r\ry");
    EXPECT_STREQ(seatName(1), "Nord");
}
