// The line-of-play calculator: split rows, counted cards, the chain.
#include <gtest/gtest.h>

#include "stats/lineofplay.h"

using namespace vrek::stats;

namespace {

// Counts every card of the row with j cards on the left.
void countRow(LineOfPlay &l, int c, int row) {
    for (int col = 0; col < kSplitRows; ++col) {
        if (l.condition(c).left[row][col] != NoCard) l.clickCard(c, false, row, col);
        if (l.condition(c).right[row][col] != NoCard) l.clickCard(c, true, row, col);
    }
}

}  // namespace

TEST(LineOfPlay, StartsWithFiveMissingAndSixRows) {
    LineOfPlay l;
    const Condition &c = l.condition(0);
    EXPECT_EQ(c.missing, 5);
    EXPECT_EQ(c.mode, Inactive);
    // Row 2: two cards on the left (rightmost cells), three on the right (leftmost).
    for (int col = 0; col < kSplitRows; ++col) {
        EXPECT_EQ(c.left[2][col], col >= 11 ? NotCounted : NoCard);
        EXPECT_EQ(c.right[2][col], col < 3 ? NotCounted : NoCard);
    }
    EXPECT_NEAR(double(c.split[2]), 0.33913, 5e-6);
    EXPECT_EQ(c.split[6], 0);
    EXPECT_EQ(c.left[6][12], NoCard);
    EXPECT_EQ(missingText(5), "Les 5 cartes manquantes peuvent se répartir");
}

TEST(LineOfPlay, ChainWithOrAndEt) {
    LineOfPlay l;
    l.setHeld(0, 8);
    countRow(l, 0, 2);
    countRow(l, 0, 3);
    l.setMode(0, Or);
    EXPECT_EQ(resultText(l.result(), ","), "67,83 %");
    EXPECT_EQ(l.condition(5).incoming, l.result());
    l.setMode(0, And);  // nothing comes in to the first condition
    EXPECT_EQ(resultText(l.result(), ","), "0,00 %");
    // A second condition with "Et" takes its share of what comes in.
    l.setMode(0, Or);
    l.place(1, false);  // all the left opponent's cards of the second condition
    l.setMode(1, And);
    EXPECT_NEAR(double(l.condition(1).local), 0.5, 1e-15);
    EXPECT_NEAR(double(l.result()), double(l.condition(0).outgoing) * 0.5, 1e-15);
}

TEST(LineOfPlay, CountedCardsGiveTheirShare) {
    LineOfPlay l;
    l.clickCard(0, false, 2, 11);
    l.clickCard(0, false, 2, 12);
    EXPECT_NEAR(double(l.condition(0).local), 0.33913 * 2 / 5, 5e-6);
    l.clickCard(0, false, 2, 12);  // clicked again: not counted
    EXPECT_NEAR(double(l.condition(0).local), 0.33913 / 5, 5e-6);
    l.clickCard(0, false, 2, 0);   // no card there
    EXPECT_EQ(l.condition(0).left[2][0], NoCard);
}

TEST(LineOfPlay, PlaceTogglesTheWholeGrid) {
    LineOfPlay l;
    l.place(0, true);
    long double all = 0;
    for (int r = 0; r < 6; ++r) all += l.condition(0).split[r] * (5 - r) / 5;
    EXPECT_NEAR(double(l.condition(0).local), double(all), 1e-15);
    l.place(0, true);  // as many counted as not: all back to not counted
    EXPECT_EQ(l.condition(0).local, 0);
    EXPECT_EQ(l.condition(0).right[0][0], NotCounted);
}

TEST(LineOfPlay, TwelveHeldAndChangesMakeTheConditionInactive) {
    LineOfPlay l;
    l.setHeld(2, 12);
    EXPECT_EQ(missingText(l.condition(2).missing), "la carte manquante peut se répartir");
    EXPECT_EQ(l.condition(2).left[1][12], NotCounted);
    EXPECT_EQ(l.condition(2).right[0][0], NotCounted);
    EXPECT_EQ(l.condition(2).left[2][12], NoCard);
    EXPECT_NEAR(double(l.condition(2).split[0] + l.condition(2).split[1]), 1.0, 1e-15);

    l.setMode(0, Or);
    countRow(l, 0, 2);
    l.setMode(0, And);
    l.setHeld(0, 7);
    EXPECT_EQ(l.condition(0).mode, Inactive);
    EXPECT_EQ(l.condition(0).local, 0);
    EXPECT_EQ(l.condition(0).missing, 6);
    EXPECT_EQ(l.condition(0).left[2][11], NotCounted);
    l.setKnownLeft(1, 13);  // the left hand is all known: only the split with everything on the right
    EXPECT_NEAR(double(l.condition(1).split[0]), 1.0, 1e-15);
    EXPECT_EQ(l.condition(1).split[1], 0);
    l.reset();
    EXPECT_EQ(l.condition(1).knownLeft, 0);
    EXPECT_EQ(l.condition(0).missing, 5);
}
