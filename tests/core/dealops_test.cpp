#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "core/dealops.h"
#include "testutil.h"

using namespace vrek;
using testutil::dealFrom;

namespace {
constexpr int W = 8;  // character width used for the click geometry
// x of the middle of the k-th card of a label.
int at(int k) { return (k + 1) * W + W / 2; }

// Every card at most once, no holding above 9, no hand above 13.
::testing::AssertionResult sound(const Deal &d) {
    int seen[5][15] = {};
    for (int seat = 1; seat <= 4; ++seat) {
        if (d.hand(seat).cards() > 13) return ::testing::AssertionFailure() << "hand " << seat << " above 13";
        for (int suit = 1; suit <= 4; ++suit) {
            const Holding &h = d.holding(seat, suit);
            if (h.count > 9) return ::testing::AssertionFailure() << "holding above 9";
            for (int k = 1; k <= h.count; ++k) {
                if (h.rank(k) < 2 || h.rank(k) > 14) return ::testing::AssertionFailure() << "bad rank";
                if (k > 1 && h.rank(k) >= h.rank(k - 1)) return ::testing::AssertionFailure() << "not descending";
                if (seen[suit][h.rank(k)]++) return ::testing::AssertionFailure() << "card twice";
            }
        }
    }
    return ::testing::AssertionSuccess();
}
}  // namespace

TEST(PackClick, FillsNorthThenTheNextSeats) {
    Deal d;
    ASSERT_TRUE(packClick(d, Spades, at(1), W));
    EXPECT_EQ(d.holding(North, Spades).rank(1), 14);
    // The pack now starts at the king.
    ASSERT_TRUE(packClick(d, Spades, at(1), W));
    EXPECT_EQ(d.holding(North, Spades).rank(2), 13);
    for (int i = 0; i < 9; ++i) packClick(d, Hearts, at(1), W);
    for (int i = 0; i < 2; ++i) packClick(d, Diamonds, at(1), W);
    EXPECT_EQ(d.hand(North).cards(), 13);
    ASSERT_TRUE(packClick(d, Diamonds, at(1), W));
    EXPECT_EQ(d.holding(East, Diamonds).count, 1);
    EXPECT_EQ(d.holding(East, Diamonds).rank(1), 12);
}

TEST(PackClick, ANineCardSuitPassesToTheNextSeat) {
    Deal d = dealFrom("-.-.-.AKQJT9876", "-.-.-.-", "-.-.-.-", "-.-.-.-");
    ASSERT_TRUE(packClick(d, Clubs, at(1), W));
    EXPECT_EQ(d.holding(North, Clubs).count, 9);
    EXPECT_EQ(d.holding(East, Clubs).rank(1), 5);
    // Nine clubs in every hand cannot happen, but full hands: nobody takes it.
    Deal full = testutil::shuffledDeal(4);
    Holding &h = full.holding(West, Diamonds);
    int r = h.rank(1);
    h.removeAt(1);
    full.hand(West).suit(Spades).count = 0;  // West short of cards, other seats full
    EXPECT_TRUE(packClick(full, Diamonds, at(1), W));
    EXPECT_TRUE(full.holding(West, Diamonds).holds(r));
}

TEST(PackClick, LabelEdges) {
    Deal d;
    // 13 cards shown: characters 2 .. 14.
    EXPECT_FALSE(packClick(d, Hearts, 2 * W - 1, W));    // on the blank
    EXPECT_TRUE(packClick(d, Hearts, 2 * W, W));         // first card's left edge
    EXPECT_EQ(d.holding(North, Hearts).rank(1), 14);
    d.clear();
    EXPECT_TRUE(packClick(d, Hearts, 14 * W + W - 1, W));  // the two, right edge
    EXPECT_EQ(d.holding(North, Hearts).rank(1), 2);
    d.clear();
    EXPECT_FALSE(packClick(d, Hearts, 15 * W + 1, W));   // past the label's text
    EXPECT_TRUE(d.empty());
}

TEST(HandClick, LeftClickTakesTheCardBack) {
    Deal d = dealFrom("AKQJT.-.-.-", "-.-.-.-", "-.-.-.-", "-.-.-.-");
    PendingExchange p;
    ASSERT_TRUE(handClick(d, p, North, Spades, at(3), W, Button::Left));
    EXPECT_EQ(d.holding(North, Spades).count, 4);
    EXPECT_FALSE(d.holding(North, Spades).holds(12));
    EXPECT_FALSE(handClick(d, p, North, Spades, at(5), W, Button::Left));  // only 4 shown now
    EXPECT_FALSE(handClick(d, p, North, Spades, W, W, Button::Middle));    // on the suit letter
    EXPECT_TRUE(handClick(d, p, North, Spades, at(4), W, Button::Middle));
    EXPECT_EQ(d.holding(North, Spades).count, 3);
}

TEST(HandClick, RightClicksExchangeCards) {
    Deal d = testutil::shuffledDeal(21);
    Deal before = d;
    PendingExchange p;
    // North's first spade and East's last heart.
    int ns = d.holding(North, Spades).rank(1);
    int eh = d.holding(East, Hearts).rank(d.holding(East, Hearts).count);
    ASSERT_GT(d.holding(East, Hearts).count, 0);
    ASSERT_GT(d.holding(North, Spades).count, 0);
    handClick(d, p, North, Spades, at(1), W, Button::Right);
    EXPECT_TRUE(p.active);
    handClick(d, p, East, Hearts, at(d.holding(East, Hearts).count), W, Button::Right);
    EXPECT_FALSE(p.active);
    EXPECT_TRUE(d.holding(North, Hearts).holds(eh));
    EXPECT_TRUE(d.holding(East, Spades).holds(ns));
    EXPECT_EQ(d.hand(North).cards(), 13);
    EXPECT_EQ(d.hand(East).cards(), 13);
    EXPECT_TRUE(sound(d));
    EXPECT_NE(d, before);

    // Two right clicks in one hand give both cards back.
    Deal e = testutil::shuffledDeal(22);
    Deal e0 = e;
    handClick(e, p, South, Clubs, at(1), W, Button::Right);
    handClick(e, p, South, Diamonds, at(1), W, Button::Right);
    EXPECT_EQ(e, e0);
}

TEST(HandClick, AnExchangeIsWholeOrNothing) {
    Deal d = dealFrom("-.-.-.AKQJT9876", "5.-.-.-", "-.-.-.-", "-.-.-.-");
    PendingExchange p;
    EXPECT_FALSE(handClick(d, p, East, Spades, at(1), W, Button::Right));  // the five of spades waits in its hand
    EXPECT_TRUE(d.holding(East, Spades).holds(5));
    EXPECT_TRUE(handClick(d, p, North, Clubs, at(1), W, Button::Right));   // North's ace of clubs
    EXPECT_TRUE(d.holding(East, Clubs).holds(14));
    EXPECT_TRUE(d.holding(North, Spades).holds(5));
    // Within one suit a nine-card holding gives one card and takes one.
    Deal f = dealFrom("-.-.-.AKQJT9876", "-.-.-.5", "-.-.-.-", "-.-.-.-");
    handClick(f, p, North, Clubs, at(1), W, Button::Right);
    handClick(f, p, East, Clubs, at(1), W, Button::Right);
    EXPECT_TRUE(f.holding(North, Clubs).holds(5));
    EXPECT_TRUE(f.holding(East, Clubs).holds(14));
    // A club for a hand that holds nine: no exchange at all, no card in the pack.
    Deal g = dealFrom("-.-.2.AKQJT9876", "-.-.-.5", "-.-.-.-", "-.-.-.-");
    const Deal g0 = g;
    handClick(g, p, North, Diamonds, at(1), W, Button::Right);
    EXPECT_FALSE(handClick(g, p, East, Clubs, at(1), W, Button::Right));
    EXPECT_FALSE(p.active);
    EXPECT_EQ(g, g0);
}

TEST(HandClick, LeftClickCancelsTheExchange) {
    Deal d = dealFrom("AK.-.-.-", "Q.-.-.-", "-.-.-.-", "-.-.-.-");
    PendingExchange p;
    handClick(d, p, North, Spades, at(1), W, Button::Right);
    handClick(d, p, East, Spades, at(1), W, Button::Left);
    EXPECT_FALSE(p.active);
    EXPECT_EQ(d.seatOf(Spades, 14), North);  // the first card stays in its hand
    EXPECT_EQ(d.seatOf(Spades, 12), 0);
    // A card that left its hand while it waited is not exchanged.
    handClick(d, p, North, Spades, at(1), W, Button::Right);  // the ace waits
    d.holding(North, Spades).removeAt(1);
    d.holding(South, Spades).insert(14);
    d.holding(West, Spades).insert(2);
    EXPECT_FALSE(handClick(d, p, West, Spades, at(1), W, Button::Right));
    EXPECT_EQ(d.seatOf(Spades, 14), South);
    EXPECT_TRUE(sound(d));
}

TEST(DealButtons, RotationAndSwapRestoreTheDeal) {
    Deal d = testutil::shuffledDeal(33);
    Deal r = d;
    rotate(r);
    EXPECT_EQ(r.hand(East).suit(Spades).count, d.hand(North).suit(Spades).count);
    EXPECT_TRUE(r.hand(North).suits[0].count == d.hand(West).suits[0].count);
    for (int i = 0; i < 3; ++i) rotate(r);
    EXPECT_EQ(r, d);
    Deal s = d;
    swapNorthSouth(s);
    EXPECT_EQ(std::memcmp(&s.hand(North), &d.hand(South), 40), 0);
    swapNorthSouth(s);
    EXPECT_EQ(s, d);
}

TEST(DealInvariants, RandomClicksAndOperationsNeverBreakADeal) {
    std::mt19937 g(12345);
    Deal d;
    PendingExchange p;
    for (int step = 0; step < 20000; ++step) {
        int op = g() % 10;
        int seat = g() % 4 + 1, suit = g() % 4 + 1, x = g() % (17 * W);
        int before = d.cards();
        switch (op) {
        case 0: case 1: case 2: case 3:
            p = {};
            packClick(d, suit, x, W);
            break;
        case 4: case 5:
            handClick(d, p, seat, suit, x, W, Button::Right);
            break;
        case 6:
            handClick(d, p, seat, suit, x, W, g() % 2 ? Button::Left : Button::Middle);
            break;
        case 7: rotate(d); break;
        case 8: swapNorthSouth(d); break;
        case 9:
            if (g() % 50 == 0) d.clear();
            break;
        }
        ASSERT_TRUE(sound(d)) << "step " << step << " op " << op;
        // Cards leave hands only by a take-back or a pending exchange.
        if (op == 7 || op == 8) ASSERT_EQ(d.cards(), before);
        if (op <= 3) ASSERT_GE(d.cards(), before);
    }
}

namespace {
Series numbered() {
    Series s;
    s.clear();
    for (int n = 1; n <= 96; ++n) {
        s.deal(n) = testutil::shuffledDeal(n);
        for (int j = 0; j < 15; ++j) s.setLine(15 * n - j, "b" + std::to_string(n) + "l" + std::to_string(j));
    }
    s.setLine(0, "titre");
    return s;
}
}  // namespace

TEST(BoardMoves, InsertShiftsBoardsWithTheirTexts) {
    for (int n : {1, 10, 96}) {
        Series s = numbered(), o = s;
        insertBoard(s, n);
        EXPECT_TRUE(s.deal(n).empty());
        for (int j = 0; j < 15; ++j) EXPECT_EQ(s.line(15 * n - j), "");
        for (int k = n + 1; k <= 96; ++k) {
            EXPECT_EQ(s.deal(k), o.deal(k - 1));
            EXPECT_EQ(s.line(contractLine(k)), o.line(contractLine(k - 1)));
        }
        for (int k = 1; k < n; ++k) EXPECT_EQ(s.deal(k), o.deal(k));
        EXPECT_EQ(s.line(0), "titre");
    }
}

TEST(BoardMoves, DeleteShiftsBoardsBack) {
    for (int n : {1, 10, 96}) {
        Series s = numbered(), o = s;
        deleteBoard(s, n);
        for (int k = n; k < 96; ++k) {
            EXPECT_EQ(s.deal(k), o.deal(k + 1));
            EXPECT_EQ(s.line(provenanceLine(k)), o.line(provenanceLine(k + 1)));
            EXPECT_EQ(s.line(themeLine(k)), o.line(themeLine(k + 1)));
        }
        EXPECT_TRUE(s.deal(96).empty());
        EXPECT_EQ(s.line(1426), "");
        EXPECT_EQ(s.line(1440), "");
        EXPECT_EQ(s.line(0), "titre");
    }
}

TEST(BoardMoves, CopyForwardFromBoardFive) {
    Series s = numbered(), o = s;
    std::string cl = makeContractLine("4P S", {4, 3, 5});
    copyForward(s, 5, cl);
    for (int k = 1; k < 5; ++k) EXPECT_EQ(s.deal(k), o.deal(k));
    for (int k = 5; k <= 96; ++k) {
        EXPECT_EQ(s.deal(k), o.deal(5));
        EXPECT_EQ(s.line(themeLine(k)), o.line(themeLine(5)));
        EXPECT_EQ(s.line(contractLine(k)), cl);
        for (int i = 0; i < 12; ++i) EXPECT_EQ(s.line(commentLine(k, i)), o.line(commentLine(5, i)));
        EXPECT_EQ(s.line(provenanceLine(k)), o.line(provenanceLine(5)));
    }
}

TEST(BoardMoves, SwapAndCopyOfTwoBoards) {
    Series s = numbered(), o = s;
    exchangeBoards(s, 3, 7, true);
    EXPECT_EQ(s.deal(3), o.deal(7));
    EXPECT_EQ(s.deal(7), o.deal(3));
    for (int j = 0; j < 15; ++j) {
        EXPECT_EQ(s.line(45 - j), o.line(105 - j));
        EXPECT_EQ(s.line(105 - j), o.line(45 - j));
    }
    EXPECT_EQ(s.deal(4), o.deal(4));
    Series c = numbered();
    exchangeBoards(c, 3, 7, false);
    EXPECT_EQ(c.deal(3), o.deal(7));
    EXPECT_EQ(c.deal(7), o.deal(7));
    EXPECT_EQ(c.line(45), o.line(105));
    Series same = numbered();
    exchangeBoards(same, 9, 9, true);
    exchangeBoards(same, 9, 9, false);
    EXPECT_EQ(same.deals, o.deals);
    EXPECT_EQ(same.lines, o.lines);
}
