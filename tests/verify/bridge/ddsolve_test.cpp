#include <dds/dll.h>
#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "verify/bridge/ddsolve.h"

using bridge::Problem;

namespace {

Problem randomProblem(std::mt19937 &g) {
    std::vector<int> cards(52);
    for (int i = 0; i < 52; ++i) cards[i] = i;
    std::shuffle(cards.begin(), cards.end(), g);
    Problem p;
    for (int i = 0; i < 52; ++i) p.cards[i / 13][cards[i] / 13] |= 1u << (cards[i] % 13 + 2);
    return p;
}

int tricksAfter(Problem p, int suit, int rank) {
    p.leadSuit = suit;
    p.leadRank = rank;
    std::string error;
    int ns = bridge::nsTricksAfterLead(p, error);
    EXPECT_GE(ns, 0) << error;
    return p.declarer % 2 == 0 ? ns : 13 - ns;
}

}  // namespace

// For each deal, strain and declarer tried: the best lead holds the declarer to
// exactly DDS's table value, and no lead holds him to fewer tricks.
TEST(SolverAgreesWithDdsTable, RandomDeals) {
    std::mt19937 g(20240607);
    int combinations = 0;
    for (int deal = 0; deal < 16; ++deal) {
        Problem base = randomProblem(g);
        ddTableDeal td{};
        std::memcpy(td.cards, base.cards, sizeof td.cards);
        ddTableResults table{};
        ASSERT_EQ(CalcDDtable(td, &table), RETURN_NO_FAULT);
        // Three strain and declarer pairs per deal: each of the twenty comes up twice or more.
        for (int k = 0; k < 3; ++k, ++combinations) {
            Problem p = base;
            p.strain = combinations % 5;
            p.declarer = (combinations / 5) % 4;
            const int expected = table.resTable[p.strain][p.declarer];
            int best = 14;
            for (int suit = 0; suit < 4; ++suit)
                for (int rank = 2; rank <= 14; ++rank)
                    if (p.cards[p.leader()][suit] & (1u << rank)) {
                        int t = tricksAfter(p, suit, rank);
                        EXPECT_GE(t, expected) << "deal " << deal << " strain " << p.strain << " declarer "
                                               << p.declarer << " lead " << suit << "/" << rank;
                        best = std::min(best, t);
                    }
            EXPECT_EQ(best, expected) << "deal " << deal << " strain " << p.strain << " declarer " << p.declarer;
        }
    }
}

TEST(Solver, TopCardsTakeEverything) {
    // North holds the AKQJ of spades and the AKQ of the other suits: North-South
    // take all thirteen tricks in no-trump whoever declares and whatever the lead.
    Problem p;
    p.cards[0][0] = 0xf << 11;
    for (int s = 1; s < 4; ++s) p.cards[0][s] = 0x7 << 12;
    int next = 1;
    for (int s = 0; s < 4; ++s)
        for (int r = 2; r <= 14; ++r)
            if (!(p.cards[0][s] & (1u << r))) {
                p.cards[next][s] |= 1u << r;
                next = next % 3 + 1;
            }
    std::string error;
    p.strain = 4;
    p.declarer = 2;  // South: West leads
    for (int s = 0; s < 4; ++s)
        for (int r = 2; r <= 14; ++r)
            if (p.cards[3][s] & (1u << r)) {
                p.leadSuit = s;
                p.leadRank = r;
                EXPECT_EQ(bridge::nsTricksAfterLead(p, error), 13) << s << "/" << r;
            }
    p.declarer = 3;  // West declares: North leads
    p.leadSuit = 0;
    p.leadRank = 14;
    EXPECT_EQ(bridge::nsTricksAfterLead(p, error), 13);
    p.strain = 0;    // spades trumps, East declares: South leads a low card
    p.declarer = 1;
    for (int s = 0; s < 4; ++s)
        for (int r = 2; r <= 14; ++r)
            if (p.cards[2][s] & (1u << r)) {
                p.leadSuit = s;
                p.leadRank = r;
            }
    EXPECT_EQ(bridge::nsTricksAfterLead(p, error), 13);
}
