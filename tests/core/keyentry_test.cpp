#include <gtest/gtest.h>

#include <string>

#include "core/dealview.h"
#include "core/keyentry.h"
#include "testutil.h"

using namespace vrek;

namespace {
void type(Deal &d, int &cursor, const std::string &keys) {
    for (char c : keys) applyKey(d, cursor, c);
}
}  // namespace

TEST(KeyEntry, CursorNamesHandAndSuit) {
    EXPECT_EQ(seatOfCursor(1), North);
    EXPECT_EQ(suitOfCursor(1), Spades);
    EXPECT_EQ(suitOfCursor(4), Clubs);
    EXPECT_EQ(seatOfCursor(5), East);
    EXPECT_EQ(seatOfCursor(16), West);
    EXPECT_EQ(suitOfCursor(16), Clubs);
    for (int c = 1; c <= 16; ++c) EXPECT_EQ(cursorOf(seatOfCursor(c), suitOfCursor(c)), c);
}

TEST(KeyEntry, KeyTable) {
    const std::pair<const char *, int> ranks[] = {{"1Aa", 14}, {"/Rr", 13}, {"*Dd", 12}, {"-Vv", 11},
                                                  {"+Xx", 10}, {"9", 9},     {"2", 2}};
    for (auto &[keys, rank] : ranks)
        for (const char *k = keys; *k; ++k) {
            int r = 0;
            EXPECT_EQ(keyEffect(*k, r), KeyEffect::AddRank) << *k;
            EXPECT_EQ(r, rank) << *k;
        }
    int r;
    for (char c : std::string(" 0")) EXPECT_EQ(keyEffect(c, r), KeyEffect::Next);
    for (char c : std::string(".<")) EXPECT_EQ(keyEffect(c, r), KeyEffect::Previous);
    for (char c : std::string("BZ\t!=1")) {
        if (c == '1') continue;
        EXPECT_EQ(keyEffect(c, r), KeyEffect::Ignored) << c;
    }
}

TEST(KeyEntry, TypingAHandOnAnEmptyDeal) {
    Deal d;
    int cursor = 1;
    type(d, cursor, "AR2");
    type(d, cursor, "0");
    type(d, cursor, "1");
    EXPECT_EQ(holdingText(Spades, d.holding(North, Spades)), "P AR2");
    EXPECT_EQ(holdingText(Hearts, d.holding(North, Hearts)), "C A");
    EXPECT_EQ(cursor, cursorOf(North, Hearts));
    // The ace of hearts is taken: typing it again changes nothing.
    KeyOutcome o = applyKey(d, cursor, 'a');
    EXPECT_FALSE(o.changed);
    EXPECT_EQ(d.cards(), 4);
}

TEST(KeyEntry, ThirteenthCardMovesToEast) {
    Deal d;
    int cursor = 1;
    type(d, cursor, "ARDVX9876");
    EXPECT_EQ(d.holding(North, Spades).count, 9);
    EXPECT_EQ(cursor, 2);  // moved on once the holding was full
    type(d, cursor, "A5");
    type(d, cursor, "5");  // taken already: ignored, the cursor stays
    EXPECT_EQ(cursor, 2);
    type(d, cursor, "32");
    EXPECT_EQ(d.hand(North).cards(), 13);
    EXPECT_EQ(cursor, cursorOf(East, Spades));
}

TEST(KeyEntry, PreviousWrapsToTheLastHoldingWithRoom) {
    Deal d;
    int cursor = 1;
    applyKey(d, cursor, '.');
    EXPECT_EQ(cursor, 16);
    Deal e = testutil::dealFrom("-.-.-.-", "-.-.-.-", "-.-.-.-", "AKQJ.AKQJ.AKQJ.A");  // West full
    int c = 1;
    applyKey(e, c, '<');
    EXPECT_EQ(c, 12);  // South's clubs
    applyKey(e, c, ' ');
    EXPECT_EQ(c, 1);  // past West, wrapped
}

TEST(KeyEntry, TheFiftySecondCardFinishes) {
    Deal d = testutil::shuffledDeal(8);
    int seat = West, suit = Clubs;
    while (d.holding(seat, suit).count == 0) --suit;
    int rank = d.holding(seat, suit).rank(1);
    d.holding(seat, suit).removeAt(1);
    int cursor = forwardToRoom(d, 1);
    EXPECT_EQ(cursor, cursorOf(West, Spades));  // the first holding of West
    cursor = cursorOf(West, suit);
    KeyOutcome o = applyKey(d, cursor, rank == 10 ? 'X' : rank > 10 ? "VDRA"[rank - 11] : char('0' + rank));
    EXPECT_TRUE(o.changed);
    EXPECT_TRUE(o.finished);
    EXPECT_EQ(cursor, kEntryFinished);
    EXPECT_TRUE(d.complete());
    EXPECT_EQ(forwardToRoom(d, 1), kEntryFinished);
    EXPECT_EQ(backwardToRoom(d, 16), kEntryFinished);
}
