#include <gtest/gtest.h>

#include "core/cards.h"
#include "testutil.h"

using namespace vrek;

TEST(Holding, InsertKeepsDescendingOrder) {
    Holding h;
    h.insert(2);
    EXPECT_EQ(h.count, 1);
    EXPECT_EQ(h.rank(1), 2);

    Holding k;
    for (int r : {13, 12, 5}) k.insert(r);
    k.insert(14);
    ASSERT_EQ(k.count, 4);
    EXPECT_EQ(k.rank(1), 14);
    EXPECT_EQ(k.rank(2), 13);
    EXPECT_EQ(k.rank(3), 12);
    EXPECT_EQ(k.rank(4), 5);
    k.insert(7);
    EXPECT_EQ(k.rank(4), 7);
    EXPECT_EQ(k.rank(5), 5);
}

TEST(Holding, RemoveAtShiftsAndClearsTheLastSlot) {
    Holding h;
    for (int r : {14, 11, 3}) h.insert(r);
    h.removeAt(2);
    ASSERT_EQ(h.count, 2);
    EXPECT_EQ(h.rank(1), 14);
    EXPECT_EQ(h.rank(2), 3);
    EXPECT_EQ(h.ranks[2], 0);
    h.removeAt(5);  // no such position: nothing happens
    EXPECT_EQ(h.count, 2);
    EXPECT_TRUE(h.remove(14));
    EXPECT_FALSE(h.remove(14));
    EXPECT_EQ(h.count, 1);
}

TEST(Holding, NineCardsRefuseATenth) {
    Holding h;
    for (int r = 2; r <= 10; ++r) h.insert(r);
    EXPECT_TRUE(h.full());
    h.insert(14);
    EXPECT_EQ(h.count, 9);
    EXPECT_FALSE(h.holds(14));
}

TEST(Deal, RecordLayoutIsTheFileLayout) {
    Deal d;
    d.holding(South, Hearts).insert(12);
    const auto *bytes = reinterpret_cast<const uint8_t *>(&d);
    // seat 3, suit 3: offset 40 * 2 + 10 * 2
    EXPECT_EQ(bytes[100], 1);
    EXPECT_EQ(bytes[101], 12);
    d.clear();
    EXPECT_TRUE(d.empty());
}

TEST(Deal, CompletenessDamageAndSeatOfACard) {
    Deal d = testutil::shuffledDeal(7);
    EXPECT_TRUE(d.complete());
    EXPECT_FALSE(d.damaged());
    for (int s = 1; s <= 4; ++s)
        for (int r = 2; r <= 14; ++r) EXPECT_NE(d.seatOf(s, r), 0);
    d.holding(West, Clubs).ranks[0] = 15;
    EXPECT_TRUE(d.damaged());
    Deal e;
    e.holding(North, Spades).count = 1;  // a count with a zero rank
    EXPECT_TRUE(e.damaged());
    Deal f;
    f.holding(North, Spades).count = 12;  // more than a holding can store
    EXPECT_TRUE(f.damaged());
}

TEST(Board, DealerAndVulnerabilityFollowTheBoardNumber) {
    EXPECT_EQ(dealerOf(1), North);
    EXPECT_EQ(vulnerabilityOf(1), Vul::None);
    EXPECT_EQ(dealerOf(16), West);
    EXPECT_EQ(vulnerabilityOf(16), Vul::EW);
    for (int n = 1; n <= 96; ++n) {
        EXPECT_EQ(dealerOf(n), dealerOf((n - 1) % 16 + 1));
        EXPECT_EQ(vulnerabilityOf(n), vulnerabilityOf((n - 1) % 16 + 1));
    }
    const Vul expected[16] = {Vul::None, Vul::NS, Vul::EW, Vul::Both, Vul::NS, Vul::EW, Vul::Both, Vul::None,
                              Vul::EW,   Vul::Both, Vul::None, Vul::NS, Vul::Both, Vul::None, Vul::NS, Vul::EW};
    for (int n = 1; n <= 16; ++n) EXPECT_EQ(vulnerabilityOf(n), expected[n - 1]) << n;
    EXPECT_TRUE(nsVulnerable(4));
    EXPECT_TRUE(ewVulnerable(4));
    EXPECT_FALSE(nsVulnerable(3));
}

TEST(Converters, RankAndContractLetters) {
    EXPECT_EQ(englishRank(10), "T");
    EXPECT_EQ(englishRank(14), "A");
    EXPECT_EQ(englishRank(7), "7");
    EXPECT_EQ(easiRank(10), "0");
    EXPECT_EQ(easiRank(11), "V");
    EXPECT_EQ(easiRank(13), "R");
    EXPECT_EQ(frenchRank(10), 'X');
    EXPECT_EQ(frenchRank(12), 'D');
    EXPECT_EQ(frenchRank(0), ' ');
    EXPECT_EQ(frenchRank(15), ' ');
    EXPECT_EQ(contractLetter('4') + contractLetter('P'), "4S");
    EXPECT_EQ(contractLetter('3') + contractLetter('S') + contractLetter('A'), "3NTA");
    EXPECT_EQ(contractLetter('C'), "H");
    EXPECT_EQ(contractLetter('K'), "D");
    EXPECT_EQ(contractLetter('T'), "C");
    EXPECT_EQ(contractLetter('R'), "K");
    EXPECT_EQ(contractLetter('x'), "");
    EXPECT_EQ(contractLetter('1'), "");
}

TEST(Pack, UndealtTableMarksHeldCards) {
    Deal d;
    d.holding(East, Spades).insert(14);
    d.holding(North, Clubs).insert(2);
    PackTable t = undealt(d);
    EXPECT_EQ(t[3][12], 0);
    EXPECT_EQ(t[0][0], 0);
    EXPECT_EQ(t[3][11], 13);
    EXPECT_EQ(t[1][5], 7);
}
