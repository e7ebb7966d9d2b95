#include <gtest/gtest.h>

#include "teach/auctionpad.h"

using namespace vrek;

using Lines = std::vector<std::string>;

TEST(AuctionPad, CallsGoIntoTheColumnOfThePlayerInTurn) {
    AuctionPad a;
    a.activate(1);
    EXPECT_EQ(a.dealer(), 0);
    a.bid(1, 1);
    a.pass();
    a.bid(1, 4);
    a.pass();
    a.bid(2, 4);
    EXPECT_EQ(a.memo(), (Lines{"\t1 T\t---\t1 P\t---", "\t2 P"}));

    // Board 2: East deals; after West's call a new line starts.
    a.activate(2);
    EXPECT_EQ(a.dealer(), 1);
    a.bid(1, 5);
    EXPECT_EQ(a.memo(), (Lines{"\t\t1SA"}));
    a.doubleCall();
    a.redouble();
    EXPECT_EQ(a.memo(), (Lines{"\t\t1SA\t X \tX X", ""}));
    a.pass();
    EXPECT_EQ(a.memo(), (Lines{"\t\t1SA\t X \tX X", "\t---"}));

    // Board 16: West deals, and his call ends the first line at once.
    a.activate(16);
    a.bid(1, 3);
    EXPECT_EQ(a.memo(), (Lines{"\t\t\t\t1 C", ""}));
}

TEST(AuctionPad, ABidClosesItselfAndEveryLowerBid) {
    AuctionPad a;
    a.activate(5);
    a.bid(3, 3);
    for (int l = 1; l <= kBidLevels; ++l)
        for (int s = 1; s <= kStrains; ++s)
            EXPECT_EQ(a.bidOpen(l, s), l > 3 || (l == 3 && s > 3)) << l << s;
    a.pass();
    a.doubleCall();
    EXPECT_FALSE(a.bidOpen(3, 3));
    EXPECT_TRUE(a.bidOpen(3, 4));
    a.activate(5);
    EXPECT_TRUE(a.bidOpen(1, 1));
    EXPECT_EQ(AuctionPad::bidCaption(1, 1), "1 T");
    EXPECT_EQ(AuctionPad::bidCaption(4, 2), "4 K");
    EXPECT_EQ(AuctionPad::bidCaption(7, 5), "7SA");
}

TEST(AuctionPad, TheDealerCanBeChosenOnlyBeforeTheFirstCall) {
    AuctionPad a;
    a.activate(1);
    a.chooseDealer(2);
    EXPECT_EQ(a.dealer(), 2);
    a.bid(1, 1);
    EXPECT_TRUE(a.dealerLocked());
    a.chooseDealer(0);
    EXPECT_EQ(a.dealer(), 2);
    a.pass();
    EXPECT_EQ(a.memo(), (Lines{"\t\t\t1 T\t---", ""}));

    // On board 7 (South deals) choosing West and then North.
    a.activate(7);
    a.chooseDealer(3);
    EXPECT_EQ(a.dealer(), 3);
    a.chooseDealer(0);
    EXPECT_EQ(a.dealer(), 0);
}

TEST(AuctionPad, FinAddsThreePasses) {
    AuctionPad a;
    a.activate(1);
    a.bid(1, 5);
    a.finish(false);
    EXPECT_EQ(a.memo(), (Lines{"\t1SA\t---\t---\t---", ""}));

    a.activate(3);
    a.bid(2, 2);
    a.finish(true);
    EXPECT_EQ(a.memo(), (Lines{"\t N\t E\t S\t O", "\t\t\t2 K\t---", "\t---\t---"}));
    EXPECT_EQ(a.lines(), (Lines{"\t\t\t2 K\t---", "\t---\t---"}));
}

TEST(AuctionMemo, TheBlockFollowsTheLineCounts) {
    Series s;
    s.clear();
    s.setLine(contractLine(2), makeContractLine("4P", {2, 3, 7}));
    setAuctionMemo(s, 2, {"\t1 T", "\t2 T", ""});
    EXPECT_EQ(s.line(commentLine(2, 5)), "\t1 T");
    EXPECT_EQ(s.line(commentLine(2, 6)), "\t2 T");
    EXPECT_EQ(auctionMemo(s, 2), (Lines{"\t1 T", "\t2 T", "", "", "", "", ""}));

    // Default counts 3, 3, 6; lines past the count are not kept.
    Lines nine(9, "\t---");
    setAuctionMemo(s, 3, nine);
    EXPECT_EQ(auctionMemo(s, 3), Lines(6, "\t---"));
    EXPECT_EQ(s.line(provenanceLine(3)), "");
    EXPECT_EQ(s.line(commentLine(3, 5)), "");
    EXPECT_EQ(s.line(commentLine(3, 6)), "\t---");

    // An empty memo clears the block.
    setAuctionMemo(s, 3, {});
    EXPECT_EQ(auctionMemo(s, 3), Lines(6, ""));
}
