#include <gtest/gtest.h>

#include <cstring>

#include "dealing/keyentry.h"
#include "testutil.h"

using namespace vrek;
using testutil::dealFrom;

namespace {
bool sameHand(const Hand &a, const Hand &b) { return std::memcmp(&a, &b, sizeof a) == 0; }
}  // namespace

TEST(KeyEntry, CursorNamesTheHolding) {
    EXPECT_EQ(cursorSeat(1), North);
    EXPECT_EQ(cursorSuit(1), Spades);
    EXPECT_EQ(cursorSuit(4), Clubs);
    EXPECT_EQ(cursorSeat(5), East);
    EXPECT_EQ(cursorSuit(5), Spades);
    EXPECT_EQ(cursorSeat(16), West);
    EXPECT_EQ(cursorSuit(16), Clubs);
}

TEST(KeyEntry, KeyTable) {
    const std::pair<std::string, int> ranks[] = {
        {"1Aa", 14}, {"/Rr", 13}, {"*Dd", 12}, {"-Vv", 11}, {"+Xx", 10}, {"9", 9}, {"8", 8}, {"7", 7},
        {"6", 6},    {"5", 5},    {"4", 4},    {"3", 3},    {"2", 2},
    };
    for (const auto &[keys, rank] : ranks)
        for (char c : keys) {
            KeyAction a = keyAction(c);
            EXPECT_EQ(a.kind, KeyKind::Rank) << c;
            EXPECT_EQ(a.rank, rank) << c;
        }
    for (char c : std::string(" 0")) EXPECT_EQ(keyAction(c).kind, KeyKind::Next) << c;
    for (char c : std::string(".<")) EXPECT_EQ(keyAction(c).kind, KeyKind::Previous) << c;
    for (char c : std::string("BKQJTbkqjt>,=\t\r\n\xC3\xA9")) EXPECT_EQ(keyAction(c).kind, KeyKind::Ignored) << c;
}

TEST(KeyEntry, TypingRanksAndMovingOn) {
    Deal d;
    int c = startCursor(d);
    EXPECT_EQ(c, 1);
    EntryResult r = typeKeys(d, c, "AR2");
    EXPECT_TRUE(r.changed);
    EXPECT_EQ(r.cursor, 1);
    r = typeKeys(d, r.cursor, "0");
    EXPECT_EQ(r.cursor, 2);
    EXPECT_FALSE(r.changed);
    r = typeKeys(d, r.cursor, "1");
    EXPECT_EQ(r.cursor, 2);
    EXPECT_TRUE(sameHand(d.hand(North), testutil::handFrom("AK2.A.-.-")));
    EXPECT_EQ(d.cards(), 4);

    // Tens in three spellings, into three holdings.
    Deal t;
    r = typeKeys(t, 1, "+ X x");
    EXPECT_TRUE(sameHand(t.hand(North), testutil::handFrom("T.T.T.-")));
    EXPECT_EQ(r.cursor, 3);
}

TEST(KeyEntry, PlacedCardsAndFullHoldingsAreIgnored) {
    Deal d = dealFrom("-", "A.-.-.-", "-", "-");
    Deal before = d;
    EntryResult r = typeKeys(d, 1, "A");
    EXPECT_FALSE(r.changed);
    EXPECT_TRUE(d == before);
    EXPECT_EQ(r.cursor, 1);

    // A ninth spade leaves North's spades without room: the cursor moves on.
    Deal n;
    r = typeKeys(n, 1, "ARDVX9876");
    EXPECT_EQ(n.holding(North, Spades).count, 9);
    EXPECT_EQ(r.cursor, 2);
    r = typeKeys(n, 1, "5");  // no room there any more
    EXPECT_EQ(n.holding(North, Spades).count, 9);
    EXPECT_EQ(r.cursor, 2);
}

TEST(KeyEntry, ThirteenthCardMovesToEastsSpades) {
    Deal d;
    EntryResult r = typeKeys(d, 1, "ARDVX 98765 43 ");
    EXPECT_EQ(d.hand(North).cards(), 12);
    EXPECT_EQ(r.cursor, 4);
    r = typeKeys(d, r.cursor, "A");
    EXPECT_EQ(d.hand(North).cards(), 13);
    EXPECT_EQ(r.cursor, 5);
    r = typeKeys(d, r.cursor, "A2");  // North holds the spade ace, not the two
    EXPECT_TRUE(sameHand(d.hand(East), testutil::handFrom("2.-.-.-")));
    EXPECT_EQ(r.cursor, 5);
}

TEST(KeyEntry, WalkingBackward) {
    Deal d;
    EXPECT_EQ(typeKeys(d, 1, ".").cursor, 16);  // wraps to West's clubs
    EXPECT_EQ(typeKeys(d, 16, "<").cursor, 15);
    EXPECT_EQ(typeKeys(d, 16, " ").cursor, 1);  // and forward past 16 to 1

    // West's clubs full (West has 13 cards): "." goes to the nearest earlier holding with room.
    Deal w = dealFrom("-", "-", "AKQ.-.-.-", "-.-.AKQJ.AKQJT9876");
    w.holding(West, Clubs).removeAt(9);
    ASSERT_EQ(w.hand(West).cards(), 12);
    EXPECT_EQ(typeKeys(w, 1, ".").cursor, 16);
    w = dealFrom("-", "-", "-", "-.-.AKQJ.AKQJT9876");
    ASSERT_EQ(w.hand(West).cards(), 13);
    EXPECT_EQ(typeKeys(w, 1, ".").cursor, 12);
    EXPECT_EQ(moveBackward(w, 14), 12);
    EXPECT_EQ(moveForward(w, 13), 1);
}

TEST(KeyEntry, The52ndCardFinishes) {
    Deal full = testutil::shuffledDeal(3);
    Deal d = full;
    // Take out West's lowest club (or any last card) and type it back.
    int suit = 1;
    while (d.holding(West, suit).count == 0) ++suit;
    Holding &h = d.holding(West, suit);
    int rank = h.rank(h.count);
    h.removeAt(h.count);
    EXPECT_EQ(startCursor(d), 13);  // West's first holding, which has room as West has 12 cards
    const char *letters = "??23456789XVDRA";
    EntryResult r = typeKeys(d, 13 + (4 - suit), std::string(1, letters[rank]) + "ARD");  // the rest is ignored
    EXPECT_TRUE(r.finished);
    EXPECT_EQ(r.cursor, kNoEntry);
    EXPECT_TRUE(d.complete());
    EXPECT_TRUE(d == full);

    EXPECT_EQ(startCursor(full), kEntryFinished);
    EXPECT_EQ(moveBackward(full, 5), kEntryFinished);
    r = typeKeys(full, 5, " ");
    EXPECT_TRUE(r.finished);
}

TEST(KeyEntry, NothingIsTypedOffTheHoldings) {
    Deal d, before;
    for (int c : {kNoEntry, kEntryFinished, -3, 40}) {
        EntryResult r = typeKeys(d, c, "A 1.2");
        EXPECT_FALSE(r.changed);
        EXPECT_EQ(r.cursor, c);
        EXPECT_TRUE(d == before);
    }
    EXPECT_FALSE(hasRoom(d, 0));
    EXPECT_FALSE(hasRoom(d, 17));
}

TEST(KeyEntry, CompleteAndNextStaysOnBoard96) {
    Random rng(Random::Key{7});
    ConstraintTable t;
    Series s;
    s.setLine(provenanceLine(96), "x");
    s.deal(96).holding(North, Spades).insert(14);
    EXPECT_EQ(completeAndNext(s, 96, t, rng), 96);
    EXPECT_TRUE(s.deal(96).complete());
    EXPECT_EQ(s.deal(96).seatOf(Spades, 14), North);
    EXPECT_EQ(s.line(provenanceLine(96)), "x");  // the count is not recorded
    EXPECT_EQ(completeAndNext(s, 95, t, rng), 96);
    EXPECT_TRUE(s.deal(95).complete());
    EXPECT_EQ(completeBoard(s, 4, t, rng), 1u);
    EXPECT_TRUE(s.deal(4).complete());
}
