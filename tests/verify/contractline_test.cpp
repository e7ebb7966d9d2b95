#include <gtest/gtest.h>

#include "core/series.h"
#include "testutil.h"
#include "verify/contractline.h"
#include "verify/lead.h"
#include "verify/score.h"

using namespace vrek;

namespace {

ContractChoice choice(int level, Strain s, int declarer, bool doubled, int lead) {
    ContractChoice c;
    c.level = level;
    c.strain = s;
    c.declarer = declarer;
    c.doubled = doubled;
    c.lead = lead;
    return c;
}

}  // namespace

TEST(ContractLine, TypedContracts) {
    EXPECT_EQ(parseContractLine("4P S entame RC"), choice(4, Strain::Spades, South, false, 313));
    EXPECT_EQ(parseContractLine("3SA N"), choice(3, Strain::NoTrump, North, false, 0));
    EXPECT_EQ(parseContractLine("4P S  RC"), choice(4, Strain::Spades, South, false, 313));
    EXPECT_EQ(parseContractLine("3SA N entame RP"), choice(3, Strain::NoTrump, North, false, 413));
    EXPECT_EQ(parseContractLine("2K* O"), choice(2, Strain::Diamonds, West, true, 0));
    EXPECT_EQ(parseContractLine("5T E entame XK"), choice(5, Strain::Clubs, East, false, 210));
    EXPECT_EQ(parseContractLine("6C"), choice(6, Strain::Hearts, North, false, 0));
    EXPECT_EQ(parseContractLine("  7 SA par E"), choice(7, Strain::NoTrump, East, false, 0));
}

TEST(ContractLine, ResultTextsReadBack) {
    EXPECT_EQ(parseContractLine("4P= par S sur entame 5T"), choice(4, Strain::Spades, South, false, 105));
    EXPECT_EQ(parseContractLine("3SA*-2 par O sur entame RC"), choice(3, Strain::NoTrump, West, true, 313));
    EXPECT_EQ(parseContractLine("6C+1 par N sur entame AP"), choice(6, Strain::Hearts, North, false, 414));
    // Every result text the verification writes gives its own contract back.
    for (int level = 1; level <= 7; ++level)
        for (int s = 0; s <= 4; ++s)
            for (int decl = 1; decl <= 4; ++decl)
                for (int lead : {102, 210, 311, 414})
                    for (bool dbl : {false, true}) {
                        Strain strain = static_cast<Strain>(s);
                        std::string text = resultText(level, strain, dbl ? Doubling::Doubled : Doubling::None, decl,
                                                      (level + decl + s) % 14, lead);
                        EXPECT_EQ(parseContractLine(text), choice(level, strain, decl, dbl, lead)) << text;
                    }
}

TEST(ContractLine, MissingPartsKeepTheirDefaults) {
    EXPECT_EQ(parseContractLine(""), ContractChoice{});
    EXPECT_EQ(parseContractLine("Pas de contrat"), ContractChoice{});  // no level: nothing else is read
    EXPECT_EQ(parseContractLine("8P S"), ContractChoice{});
    EXPECT_EQ(parseContractLine("4"), choice(4, Strain::NoTrump, North, false, 0));
    EXPECT_EQ(parseContractLine("4p s"), choice(4, Strain::NoTrump, North, false, 0));  // capitals only
    EXPECT_EQ(parseContractLine("4P"), choice(4, Strain::Spades, North, false, 0));
    // A rank without a suit, or "10" for the ten, names no lead.
    EXPECT_EQ(parseContractLine("4P S entame R"), choice(4, Strain::Spades, South, false, 0));
    EXPECT_EQ(parseContractLine("4P S entame RX"), choice(4, Strain::Spades, South, false, 0));
    EXPECT_EQ(parseContractLine("4P S entame 10C"), choice(4, Strain::Spades, South, false, 0));
    // Windows-1252 accents never match a letter.
    EXPECT_EQ(parseContractLine("4P S \xe9ntame \xc9"), choice(4, Strain::Spades, South, false, 0));
}

TEST(ContractLine, OnlyTheContractTextIsRead) {
    // The line counts after column 50 hold digits that must not become a level or a lead.
    LineCounts counts{4, 3, 5};
    EXPECT_EQ(parseContractLine(makeContractLine("", counts)), ContractChoice{});
    EXPECT_EQ(parseContractLine(makeContractLine("4P S", counts)), choice(4, Strain::Spades, South, false, 0));
    EXPECT_EQ(parseContractLine(makeContractLine("3SA N  RP", counts)), choice(3, Strain::NoTrump, North, false, 413));
    std::string star(60, ' ');
    star[55] = '*';
    EXPECT_FALSE(parseContractLine("4P S" + star).doubled);
    EXPECT_TRUE(parseContractLine("4P** S").doubled);
}

TEST(Lead, LeaderIsTheNextSeatClockwise) {
    EXPECT_EQ(leaderOf(North), East);
    EXPECT_EQ(leaderOf(East), South);
    EXPECT_EQ(leaderOf(South), West);
    EXPECT_EQ(leaderOf(West), North);
}

TEST(Lead, DefaultIsTheLowestSpadeThenHeartDiamondClub) {
    EXPECT_EQ(defaultLead(testutil::handFrom("KJ4.A2.T98.7654")), 404);
    EXPECT_EQ(defaultLead(testutil::handFrom("-.AQ92.T98.76543")), 302);
    EXPECT_EQ(defaultLead(testutil::handFrom("-.-.T98.7654")), 208);
    EXPECT_EQ(defaultLead(testutil::handFrom("-.-.-.7654")), 104);
    EXPECT_EQ(defaultLead(Hand{}), 0);
}

TEST(Lead, NamedLeadOnlyWhenTheLeaderHoldsIt) {
    // West leads against South; West holds the king of hearts but not the ace of spades.
    Deal d = testutil::dealFrom("AKQ2.AQJ.AKQ.AKQ", "JT9.T98.JT9.JT98", "876.765.8765.765", "543.K432.432.432");
    EXPECT_EQ(leadFor(d, South, 313), 313);
    EXPECT_EQ(leadFor(d, South, 414), 403);  // West's lowest spade instead
    EXPECT_EQ(leadFor(d, South, 0), 403);
    EXPECT_EQ(leadFor(d, South, 999), 403);
    EXPECT_EQ(leadFor(d, North, 313), 409);  // East leads, no king of hearts
    Deal empty;
    EXPECT_EQ(leadFor(empty, North, 313), 0);
}
