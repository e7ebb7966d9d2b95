#include <gtest/gtest.h>

#include "core/dealview.h"
#include "core/evaluation.h"
#include "testutil.h"

using namespace vrek;
using testutil::handFrom;

TEST(HandValue, HonoursAndLengthInSuitsWithThreeHonourPoints) {
    EXPECT_EQ(handValue(handFrom("A.A.A.A")), 16);
    EXPECT_EQ(handValue(handFrom("AK5432.765.87.32")), 9);
    EXPECT_EQ(handValue(handFrom("QJ5432.765.87.32")), 5);
    EXPECT_EQ(handValue(handFrom("J65432.765.87.32")), 1);
    EXPECT_EQ(handValue(handFrom("K5432.765.87.432")), 4);  // three honour points are enough
    EXPECT_EQ(handValue(handFrom("Q5432.765.87.432")), 2);  // two are not
    EXPECT_EQ(handValue(handFrom("-.-.-.-")), 0);
}

TEST(SideValue, FitSuitAndShortnessPoints) {
    // 5 + 3 spades, both with a doubleton club: 0 + 1 + 1.
    SideValue v = sideValue(handFrom("AK432.Q43.K43.43"), handFrom("765.AK52.QJ52.52"));
    EXPECT_EQ(fitSuit(handFrom("AK432.Q43.K43.43"), handFrom("765.AK52.QJ52.52")), Spades);
    EXPECT_EQ(v.extra, 2);
    EXPECT_EQ(v.text(), std::to_string(v.hl) + " - " + std::to_string(v.hl + 2));
    // Eight clubs are no fit: a minor needs nine.
    EXPECT_EQ(sideValue(handFrom("432.432.432.5432"), handFrom("765.765.8765.876")).extra, 0);
    // Spades and hearts eight each: spades is the fit, hearts adds 8 - 7.
    Hand a = handFrom("AK43.AK43.43.432"), b = handFrom("7652.7652.765.65");
    EXPECT_EQ(fitSuit(a, b), Spades);
    EXPECT_EQ(sideValue(a, b).extra, 0 + 1 + 1 + 1);  // hearts length, diamonds doubleton, clubs doubleton
    // A ten-card fit adds 2; the fit suit's singleton adds nothing.
    Hand c = handFrom("AKQJ432.432.43.4"), e = handFrom("765.7652.765.652");
    EXPECT_EQ(fitSuit(c, e), Spades);
    EXPECT_EQ(sideValue(c, e).extra, 2 + 1 + 2);
    Hand f = handFrom("AKQJ432.432.432.-"), g = handFrom("5.765.765.765432");
    EXPECT_EQ(sideValue(f, g).extra, 0 + 3);  // 8 spades split 7-1: only the club void counts
}

TEST(DealView, LabelsPackAndVisibility) {
    Deal d;
    d.holding(North, Spades).insert(14);
    d.holding(North, Spades).insert(10);
    d.holding(East, Hearts).insert(2);
    DealView v = viewOf(d, 16, cursorOf(North, Spades));
    EXPECT_EQ(v.hand[0][3], "P AX");
    EXPECT_EQ(v.hand[1][2], "C 2");
    EXPECT_EQ(v.hand[2][0], "T ");
    EXPECT_EQ(v.pack[3], "P RDV98765432");
    EXPECT_EQ(v.pack[2], "C ARDVX9876543");
    EXPECT_TRUE(v.handHighlighted[0][3]);
    EXPECT_TRUE(v.packHighlighted[3]);
    EXPECT_FALSE(v.packHighlighted[2]);
    EXPECT_EQ(v.dealer, West);
    EXPECT_TRUE(v.ewVul);
    EXPECT_FALSE(v.nsVul);
    EXPECT_FALSE(v.complete);
    EXPECT_EQ(v.points[0], 4);

    DealView full = viewOf(testutil::shuffledDeal(9), 1, 0);
    EXPECT_TRUE(full.complete);
    for (auto &p : full.pack) EXPECT_EQ(p.size(), 2u);

    Deal bad;
    bad.holding(South, Clubs).count = 1;
    bad.holding(South, Clubs).ranks[0] = 1;
    EXPECT_TRUE(viewOf(bad, 1, 0).damaged);
}

TEST(LineCountSpinners, KeepTheSumAtTwelve) {
    EXPECT_EQ(balanceCounts({3, 3, 6}, 0, +1), (LineCounts{4, 3, 5}));
    EXPECT_EQ(balanceCounts({12, 0, 0}, 0, +1), (LineCounts{12, 0, 0}));
    EXPECT_EQ(balanceCounts({12, 0, 0}, 1, +1), (LineCounts{11, 1, 0}));
    EXPECT_EQ(balanceCounts({3, 3, 6}, 1, -1), (LineCounts{3, 2, 7}));
    EXPECT_EQ(balanceCounts({0, 6, 6}, 0, -1), (LineCounts{0, 6, 6}));
    EXPECT_EQ(balanceCounts({5, 7, 0}, 0, +1), (LineCounts{6, 6, 0}));
}

TEST(Zoom, StepsAndTheLowerRule) {
    EXPECT_EQ(zoomAfter(5, -1), 3);
    EXPECT_EQ(zoomAfter(6, -1), 5);
    EXPECT_EQ(zoomAfter(10, -5), 5);
    EXPECT_EQ(zoomAfter(3, -1), 3);
    EXPECT_EQ(zoomAfter(30, +5), 35);
}
