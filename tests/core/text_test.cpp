#include <gtest/gtest.h>

#include "core/boardlist.h"
#include "core/boardtext.h"
#include "core/cp1252.h"
#include "testutil.h"

using namespace vrek;

TEST(Cp1252, BothWays) {
    EXPECT_EQ(cp1252ToUtf8("R\xE9pertoire \x80 \x9C"), "Répertoire € œ");
    EXPECT_EQ(utf8ToCp1252("Répertoire € œ").value_or("?"), "R\xE9pertoire \x80 \x9C");
    EXPECT_FALSE(utf8ToCp1252("♠").has_value());
    EXPECT_FALSE(utf8ToCp1252("\xC3").has_value());  // cut sequence
    for (int b = 0; b < 256; ++b) {
        std::string one(1, static_cast<char>(b));
        if (b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D) continue;
        EXPECT_EQ(utf8ToCp1252(cp1252ToUtf8(one)).value_or("?"), one) << b;
    }
}

TEST(BoardList, RangesAndErrors) {
    EXPECT_EQ(parseBoardList("1-3,40,2").value(), (std::vector<int>{1, 2, 3, 40}));
    EXPECT_EQ(parseBoardList("96").value(), (std::vector<int>{96}));
    EXPECT_FALSE(parseBoardList("0").has_value());
    EXPECT_FALSE(parseBoardList("97").has_value());
    EXPECT_FALSE(parseBoardList("5-3").has_value());
    EXPECT_FALSE(parseBoardList("1,,2").has_value());
    EXPECT_FALSE(parseBoardList("a").has_value());
    EXPECT_FALSE(parseBoardList("").has_value());
    // Written back the short way, and read again as the same boards.
    for (const char *text : {"1-24", "1-3,7", "5", "1,3,5-6,96"})
        EXPECT_EQ(boardListText(parseBoardList(text).value()), text);
}

TEST(BoardText, PrintsWhatTheWindowShows) {
    Series s;
    s.deal(2) = testutil::dealFrom("AK5432.765.87.32", "-.-.-.-", "-.-.-.-", "-.-.-.-");
    s.setLine(0, "S\xE9rie");
    s.setLine(contractLine(2), makeContractLine("4P S", {4, 3, 5}));
    std::string t = boardText(s, 2);
    EXPECT_NE(t.find("Donne 2  donneur E  vulnérabilité NS"), std::string::npos);
    EXPECT_NE(t.find("N :  P AR5432  C 765  K 87  T 32   (9)"), std::string::npos) << t;
    EXPECT_NE(t.find("N S : 9 - 9"), std::string::npos);
    EXPECT_NE(t.find("Titre : Série"), std::string::npos);
    EXPECT_NE(t.find("Contrat : 4P S"), std::string::npos);
    EXPECT_NE(t.find("Lignes : 4 3 5"), std::string::npos);
    EXPECT_EQ(vulnerabilityLetters(4), "NSEO");
    EXPECT_EQ(vulnerabilityLetters(1), "-");

    s.deal(3).holding(North, Clubs).count = 1;
    EXPECT_NE(boardText(s, 3).find("endommagée"), std::string::npos);
}
