#include <gtest/gtest.h>

#include "teach/display.h"
#include "testutil.h"

using namespace vrek;

namespace {

// A complete deal where each hand holds one suit's top cards somewhere:
// North AKQJ spades, East the hearts, and so on.
Deal sample() {
    return testutil::dealFrom("AKQJ.432.T98.765", "T98.AKQJ.432.432", "765.T98.AKQJ.T98", "432.765.765.AKQJ");
}

// The slot of a rank in a position's holding, or 0.
int slotOf(const TeachDisplay &d, int p, int s, int rank) {
    for (int k = 1; k <= kMaxHolding; ++k)
        if (d.rankAt(p, s, k) == rank) return k;
    return 0;
}

bool play(TeachDisplay &d, int p, int s, int rank) {
    const int k = slotOf(d, p, s, rank);
    return k && d.play(p, s, k);
}

TeachDisplay loaded(const std::string &contract = "4P= par S sur entame 5T",
                    const std::vector<std::string> &auction = {}) {
    TeachDisplay d;
    d.load(sample(), 1, contract, auction, "/tmp/s.vrk");
    return d;
}

}  // namespace

TEST(TeachDisplay, LoadShowsNothingYetWithTheSeatNamesAndTheContractSplit) {
    TeachDisplay d = loaded();
    for (bool v : d.visible) EXPECT_FALSE(v);
    EXPECT_EQ(d.names, (std::array<std::string, 4>{"Nord", "Est", "Sud", "Ouest"}));
    EXPECT_EQ(d.marksText(), "");
    EXPECT_EQ(d.contract, "4P");
    EXPECT_EQ(d.lead, "= par S sur entame 5T");
    EXPECT_EQ(d.caption, "/tmp/s.vrk     Donne : 1");
    EXPECT_EQ(d.cardsLeft(Upper), 13);

    // The sign that follows the contract cuts it, whatever signs come later.
    const struct {
        const char *text, *contract, *rest;
    } cases[] = {
        {"3SA+1-2 par N", "3SA", "+1-2 par N"},
        {"4P-1 par S entame 5-T", "4P", "-1 par S entame 5-T"},
        {"4P*= par S sur entame 5T", "4P*", "= par S sur entame 5T"},
        {"7SAXX -2", "7SAXX", "-2"},
        // Not verified yet: the first word still names the contract and its trumps.
        {"4P S entame RC", "4P", " S entame RC"},
        {"4P S entame 5-T", "4P", " S entame 5-T"},
        {"3SA** E", "3SA**", " E"},
        {"2C", "2C", ""},
        {"8P S", "", "8P S"},
        {"4PS", "", "4PS"},
        {"Passe, puis 1SA=", "Passe, puis 1SA", "="},
        {"Donne libre", "", "Donne libre"},
        {"", "", ""},
    };
    for (const auto &k : cases) {
        EXPECT_EQ(splitContract(k.text).contract, k.contract) << k.text;
        EXPECT_EQ(splitContract(k.text).rest, k.rest) << k.text;
    }
}

TEST(TeachDisplay, LoadReadsTheAuctionColumnsAndIgnoresStaleBytes) {
    Deal d = sample();
    d.holding(North, Clubs).ranks[3] = 14;  // stale byte past the count of 3
    TeachDisplay t;
    t.load(d, 2, "", {"x\t1 T\t---\t1 P", "\t\t\t\t---\tapres", "\t2SA*"}, "s");
    EXPECT_EQ(t.cells[0][0].text, "1 T");
    EXPECT_EQ(t.cells[0][1].text, "---");
    EXPECT_EQ(t.cells[0][2].text, "1 P");
    EXPECT_EQ(t.cells[0][3].text, "");
    EXPECT_EQ(t.cells[1][3].text, "---");
    EXPECT_EQ(t.cells[2][0].text, "2SA*");
    EXPECT_FALSE(t.cells[0][0].revealed);
    EXPECT_EQ(t.cells[0][0].background, kHiddenCell);
    EXPECT_EQ(t.cardsLeft(Upper), 13);
    EXPECT_EQ(t.rankAt(Upper, Clubs, 4), 0);
}

TEST(TeachDisplay, OneTrickInTurnAndOutOfTurnClicksIgnored) {
    TeachDisplay d = loaded();
    ASSERT_TRUE(play(d, Upper, Spades, 14));
    EXPECT_FALSE(play(d, Lower, Spades, 7));
    EXPECT_FALSE(play(d, Left, Spades, 4));
    EXPECT_FALSE(play(d, Upper, Spades, 13));
    EXPECT_EQ(d.cardsPlayed(), 1);
    EXPECT_TRUE(play(d, Right, Spades, 10));
    EXPECT_TRUE(play(d, Lower, Spades, 7));
    EXPECT_TRUE(play(d, Left, Spades, 4));
    EXPECT_EQ(d.tricks[0][0], 1000 + 414);
    EXPECT_EQ(d.tricks[0][3], 4000 + 404);
    EXPECT_EQ(d.marksText(), "+");
    // The ace's byte is gone and the holding re-sorted, its count kept.
    EXPECT_EQ(d.rankAt(Upper, Spades, 1), 13);
    EXPECT_EQ(d.rankAt(Upper, Spades, 4), 0);
    EXPECT_EQ(d.deal.holding(Upper, Spades).count, 4);
    EXPECT_EQ(d.cardsLeft(Upper), 12);

    // Any position leads the next trick; a trick led from the left runs into columns 4 .. 7.
    EXPECT_TRUE(play(d, Left, Spades, 3));
    EXPECT_EQ(d.tricks[1][3], 4000 + 403);
    EXPECT_FALSE(play(d, Lower, Spades, 6));
    EXPECT_TRUE(play(d, Upper, Spades, 13));
    EXPECT_EQ(d.tricks[1][4], 1000 + 413);
    EXPECT_TRUE(play(d, Right, Spades, 9));
    EXPECT_TRUE(play(d, Lower, Spades, 6));
    EXPECT_EQ(d.tricks[1][6], 3000 + 406);
    EXPECT_EQ(d.marksText(), "++");  // won by the king in column 5
}

TEST(TeachDisplay, TrumpsBeatTheLedSuit) {
    // Hearts led by the upper position: ♥A, ♠2 by the right position, ♥K, ♥Q.
    const Deal ruff = testutil::dealFrom("-.A.-.-", "2.-.-.-", "-.K.-.-", "-.Q.-.-");
    TeachDisplay spades, notrump;
    spades.load(ruff, 1, "4P", {}, "s");
    notrump.load(ruff, 1, "3SA", {}, "s");
    for (TeachDisplay *d : {&spades, &notrump}) {
        ASSERT_TRUE(play(*d, Upper, Hearts, 14));
        ASSERT_TRUE(play(*d, Right, Spades, 2));
        ASSERT_TRUE(play(*d, Lower, Hearts, 13));
        ASSERT_TRUE(play(*d, Left, Hearts, 12));
    }
    EXPECT_EQ(spades.marksText(), "-");
    EXPECT_EQ(notrump.marksText(), "+");
    EXPECT_EQ(trumpOf("4P"), Spades);
    EXPECT_EQ(trumpOf("2T"), Clubs);
    EXPECT_EQ(trumpOf("3SA"), 0);
    EXPECT_EQ(trumpOf("P"), 0);
}

TEST(TeachDisplay, TakingBackTheSecondCardOfTrickThreeReturnsEverythingAfterIt) {
    TeachDisplay d = loaded();
    // Five tricks of spades, clubs, spades, clubs, spades, each led by the upper position.
    const int order[5] = {Spades, Clubs, Spades, Clubs, Spades};
    for (int s : order)
        for (int p = Upper; p <= Left; ++p) ASSERT_TRUE(d.play(p, s, 1)) << p << " " << s;
    EXPECT_EQ(d.marksText().size(), 5u);
    const Deal before3 = [&] {
        TeachDisplay e = loaded();
        for (int i = 0; i < 2; ++i)
            for (int p = Upper; p <= Left; ++p) e.play(p, order[i], 1);
        e.play(Upper, Spades, 1);
        return e.deal;
    }();
    EXPECT_FALSE(d.takeBack(6, 1));  // an empty cell
    ASSERT_TRUE(d.takeBack(3, 2));
    EXPECT_EQ(d.cardsPlayed(), 9);
    EXPECT_EQ(d.marksText().size(), 2u);
    EXPECT_EQ(d.marks[2], ' ');
    EXPECT_EQ(d.marks[3], ' ');
    EXPECT_EQ(d.lastTrick(), 3);
    EXPECT_EQ(d.lastColumn(), 1);
    EXPECT_EQ(d.deal, before3);
    // Play goes on from the right position.
    EXPECT_FALSE(d.play(Lower, Spades, 1));
    EXPECT_TRUE(d.play(Right, Spades, 1));
}

TEST(TeachDisplay, RotationMovesHandsNamesAuctionAndPlayedCards) {
    TeachDisplay d = loaded("4P", {"\t-\t1 T\t\t", "\t\t\t\t7SA"});
    d.visible.fill(true);
    d.auctionShown = true;
    d.clickCell(1, 1);
    ASSERT_TRUE(play(d, Upper, Spades, 14));
    d.rotate();
    EXPECT_EQ(d.names, (std::array<std::string, 4>{"Ouest", "Nord", "Est", "Sud"}));
    EXPECT_EQ(d.rankAt(Upper, Clubs, 1), 14);   // West's clubs
    EXPECT_EQ(d.rankAt(Right, Spades, 1), 13);  // North's spades less the ace
    EXPECT_EQ(d.rankAt(Lower, Hearts, 1), 14);  // East's hearts
    EXPECT_EQ(d.rankAt(Left, Diamonds, 1), 14); // South's diamonds
    for (bool v : d.visible) EXPECT_FALSE(v);
    EXPECT_FALSE(d.auctionShown);
    EXPECT_EQ(d.cells[0][0].text, "");
    EXPECT_EQ(d.cells[0][1].text, "-");
    EXPECT_EQ(d.cells[0][2].text, "1 T");
    EXPECT_EQ(d.cells[2][0].text, "7SA");  // from cell 24 across the row end
    EXPECT_FALSE(d.cells[0][1].revealed);
    EXPECT_EQ(d.rotationOffset(), 1);

    // The ace led from the upper position now lies with North on the right,
    // and taking it back returns it to North's hand.
    EXPECT_EQ(d.tricks[0][1], 2000 + 414);
    EXPECT_TRUE(play(d, Lower, Hearts, 14));
    EXPECT_TRUE(d.takeBack(1, 2));
    EXPECT_EQ(d.rankAt(Right, Spades, 1), 14);
    EXPECT_EQ(d.cardsLeft(Lower), 13);

    // A first row left empty moves the rows up.
    TeachDisplay e = loaded("", {"\t\t\t\t-", "\t1 T"});
    e.rotate();
    EXPECT_EQ(e.cells[0][0].text, "-");
    EXPECT_EQ(e.cells[0][1].text, "1 T");
    EXPECT_EQ(e.cells[0][2].text, "");
    for (int i = 0; i < 3; ++i) e.rotate();
    EXPECT_EQ(e.names[0], "Nord");
    EXPECT_EQ(e.rankAt(Upper, Spades, 1), 14);
}

TEST(TeachDisplay, CellsRevealUpToAClickAndHideFromIt) {
    TeachDisplay d = loaded();
    d.clickCell(2, 3);
    for (int r = 1; r <= kAuctionRows; ++r)
        for (int k = 1; k <= kAuctionColumns; ++k)
            EXPECT_EQ(d.cells[r - 1][k - 1].revealed, r == 1 || (r == 2 && k <= 3)) << r << k;
    d.clickCell(1, 2);
    for (int r = 1; r <= kAuctionRows; ++r)
        for (int k = 1; k <= kAuctionColumns; ++k)
            EXPECT_EQ(d.cells[r - 1][k - 1].revealed, r == 1 && k == 1) << r << k;
    EXPECT_EQ(d.cells[0][1].background, kHiddenCell);
}

TEST(TeachDisplay, RevealedCellColours) {
    const auto is = [](const char *t, Rgb bg, Rgb fg) {
        const CellColours c = revealedColours(t);
        EXPECT_EQ(c.background, bg) << t;
        EXPECT_EQ(c.font, fg) << t;
    };
    is("X X", colour::red, colour::black);
    is(" X ", colour::red, colour::black);
    is("XX", colour::blue, colour::black);
    is("1SA", colour::white, colour::green);
    is("---", colour::green, colour::black);
    is("2 T", colour::white, colour::navy);
    is("2 K", colour::white, colour::maroon);
    is("2 C", colour::white, colour::red);
    is("2 P", colour::white, colour::black);
    is(" N", colour::white, colour::black);
    is("", colour::white, colour::black);
}

TEST(TeachDisplay, VulnerabilityAxesAndDealerArrow) {
    TeachDisplay d = loaded();
    VulnerabilityDrawing v = d.vulnerability();
    EXPECT_FALSE(v.verticalVulnerable);
    EXPECT_FALSE(v.horizontalVulnerable);
    EXPECT_EQ(v.dealerEnd, 0);

    d.load(sample(), 7, "", {}, "s");
    v = d.vulnerability();
    EXPECT_TRUE(v.verticalVulnerable);
    EXPECT_TRUE(v.horizontalVulnerable);
    EXPECT_EQ(v.dealerEnd, 2);

    // Board 2 (East deals, North-South vulnerable) turned once: West is upper,
    // so the vertical axis is East-West and East sits lower.
    d.load(sample(), 2, "", {}, "s");
    d.rotate();
    v = d.vulnerability();
    EXPECT_EQ(v.offset, 1);
    EXPECT_FALSE(v.verticalVulnerable);
    EXPECT_TRUE(v.horizontalVulnerable);
    EXPECT_EQ(v.dealerEnd, 2);

    // An imposed number ignores both the board and the rotation.
    d.imposed = true;
    d.imposedNumber = 3;
    v = d.vulnerability();
    EXPECT_EQ(v.board, 3);
    EXPECT_EQ(v.offset, 0);
    EXPECT_FALSE(v.verticalVulnerable);
    EXPECT_TRUE(v.horizontalVulnerable);
    EXPECT_EQ(v.dealerEnd, 2);
    d.toggleVulnerability();
    EXPECT_FALSE(d.imposed);
    EXPECT_FALSE(d.vulnerabilityShown);
}
