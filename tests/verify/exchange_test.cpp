#include <gtest/gtest.h>

#include "testutil.h"
#include "verify/exchange.h"

using namespace vrek;

TEST(ExchangeFile, SixLinesByteExact) {
    Deal d = testutil::dealFrom("AK2.QJT9.876.54", "QJT9.8765.-.AKQJ", "876.AK432.AKQ.T9", "543.-.JT95432.876");
    // Voids write nothing between their dots.
    EXPECT_EQ(exchangeText(d, South, Strain::Hearts, 405),
              "n AK2.QJT9.876.54\r\n"
              "e QJT9.8765..AKQJ\r\n"
              "s 876.AK432.AKQ.T9\r\n"
              "w 543..JT95432.876\r\n"
              "s H\r\n"
              "S5\r\n");
}

TEST(ExchangeFile, DeclarerStrainAndLeadLetters) {
    Deal d = testutil::shuffledDeal(1);
    auto lines = [&](int decl, Strain s, int lead) {
        std::string t = exchangeText(d, decl, s, lead);
        size_t fifth = 0;
        for (int i = 0; i < 4; ++i) fifth = t.find("\r\n", fifth) + 2;
        return t.substr(fifth);
    };
    EXPECT_EQ(lines(North, Strain::NoTrump, 114), "n N\r\nCA\r\n");
    EXPECT_EQ(lines(East, Strain::Spades, 213), "e S\r\nDK\r\n");
    EXPECT_EQ(lines(South, Strain::Diamonds, 312), "s D\r\nHQ\r\n");
    EXPECT_EQ(lines(West, Strain::Clubs, 411), "w C\r\nSJ\r\n");
    EXPECT_EQ(lines(West, Strain::Clubs, 410), "w C\r\nST\r\n");
}

TEST(SolverCommand, PaddedTo255Bytes) {
    auto c = solverCommand("/tmp/x/vrek.txt");
    ASSERT_TRUE(c);
    EXPECT_EQ(c->size(), 255u);
    EXPECT_EQ(c->substr(0, 20), std::string("-dcq /tmp/x/vrek.txt"));
    EXPECT_EQ(c->find_first_not_of('\0', 20), std::string::npos);

    EXPECT_TRUE(solverCommand(std::string(250, 'a')));
    EXPECT_EQ(solverCommand(std::string(250, 'a'))->back(), 'a');
    EXPECT_FALSE(solverCommand(std::string(251, 'a')));  // would be cut short
    EXPECT_FALSE(solverCommand(""));
    EXPECT_FALSE(solverCommand(std::string("/tmp/a\0b", 8)));
}
