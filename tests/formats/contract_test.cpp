#include "formats/contract.h"

#include <gtest/gtest.h>

#include "core/series.h"

using vrek::readContract;

namespace {
vrek::ContractReading storedLine(const std::string &text) {
    // As the main window stores it: padded to 50 columns, counts after.
    return readContract(vrek::makeContractLine(text, {3, 3, 6}));
}
}  // namespace

TEST(ContractReader, LevelStrainAndDeclarer) {
    auto r = storedLine("4P S");
    EXPECT_EQ(r.contract, "4S");
    EXPECT_EQ(r.declarer, vrek::South);
    EXPECT_EQ(r.leader, vrek::West);
    EXPECT_EQ(r.lead, "");  // the digits of the counts after column 50 are no lead

    r = readContract("4P S");
    EXPECT_EQ(r.contract, "4S");
    EXPECT_EQ(r.declarer, vrek::South);
    EXPECT_EQ(r.lead, "");

    r = storedLine("2K O");
    EXPECT_EQ(r.contract, "2D");
    EXPECT_EQ(r.declarer, vrek::West);
    EXPECT_EQ(r.leader, vrek::North);

    r = storedLine("5T E");
    EXPECT_EQ(r.contract, "5C");
    EXPECT_EQ(r.leader, vrek::South);

    r = storedLine("6C N");
    EXPECT_EQ(r.contract, "6H");
    EXPECT_EQ(r.leader, vrek::East);
}

TEST(ContractReader, NoTrumpAndLead) {
    auto r = readContract("3SA N  RP");
    EXPECT_EQ(r.contract, "3NT");
    EXPECT_EQ(r.declarer, vrek::North);
    EXPECT_EQ(r.leader, vrek::East);
    EXPECT_EQ(r.lead, "SK");

    r = storedLine("4P S entame XC");
    EXPECT_EQ(r.contract, "4S");
    EXPECT_EQ(r.lead, "HT");

    r = storedLine("3SA O entame 4T");
    EXPECT_EQ(r.contract, "3NT");
    EXPECT_EQ(r.declarer, vrek::West);
    EXPECT_EQ(r.lead, "C4");
}

TEST(ContractReader, EmptyAndShortLines) {
    for (std::string line : {std::string(), std::string("4")}) {
        auto r = readContract(line);
        EXPECT_EQ(r.contract, "") << line;
        EXPECT_EQ(r.declarer, 0) << line;
        EXPECT_EQ(r.leader, 0) << line;
        EXPECT_EQ(r.lead, "") << line;
    }
    // A stored empty contract: no level digit, no contract.
    auto r = storedLine("");
    EXPECT_EQ(r.contract, "");
    EXPECT_EQ(r.declarer, 0);
    EXPECT_EQ(r.lead, "");
}

TEST(ContractReader, OnlyTheFirstFiftyColumnsCount) {
    // A declarer letter past column 50 is not part of the contract text.
    std::string line = "4P" + std::string(48, ' ') + "S";
    auto r = readContract(line);
    EXPECT_EQ(r.contract, "4S");
    EXPECT_EQ(r.declarer, 0);
}

TEST(ContractReader, OnlyAWholeContractAndAWholeLeadAreRead) {
    // Texts without a level digit, or a level without a strain, name no contract.
    for (std::string text : {"Passe", "Donne de d\xe9" "fense", "Z", "4 N", "Passe 4"}) {
        auto r = storedLine(text);
        EXPECT_EQ(r.contract, "") << text;
        EXPECT_EQ(r.declarer, 0) << text;
        EXPECT_EQ(r.lead, "") << text;
        EXPECT_EQ(readContract(text).contract, "") << text;
    }
    // A suit without a rank, or a rank without a suit, is no lead.
    for (std::string text : {"4P S entame C", "3SA N entame R", "4P S  RV"}) {
        auto r = storedLine(text);
        EXPECT_EQ(r.declarer != 0, true) << text;
        EXPECT_EQ(r.lead, "") << text;
    }
    EXPECT_EQ(storedLine("4P S  RC").lead, "HK");
}
