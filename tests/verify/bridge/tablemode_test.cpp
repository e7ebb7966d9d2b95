// The program's table mode against DDS's own table and par, and against the
// single-lead answers, on random deals; damaged lines answered one by one.
#include <dds/dll.h>
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstring>
#include <sstream>

#include "testutil.h"
#include "verify/bridge/ddsolve.h"
#include "verify/ddanalysis.h"

using namespace vrek;

namespace {

std::string runTable(const testutil::TempDir &dir, const std::string &input, int &exitCode) {
    testutil::writeFile(dir.file("in"), input);
    std::string cmd = std::string("'") + BRIDGE_PROGRAM + "' -table <'" + dir.file("in") + "' >'" + dir.file("out") + "'";
    int status = std::system(cmd.c_str());
    exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return testutil::readFile(dir.file("out"));
}

ddTableDeal ddsDeal(const Deal &d) {
    ddTableDeal t{};
    for (int seat = North; seat <= West; ++seat)
        for (int suit = Clubs; suit <= Spades; ++suit) {
            const Holding &h = d.holding(seat, suit);
            for (int k = 1; k <= h.count; ++k) t.cards[seat - 1][Spades - suit] |= 1u << h.rank(k);
        }
    return t;
}

int ddsVulnerable(int board) {
    switch (vulnerabilityOf(board)) {
    case Vul::None: return 0;
    case Vul::Both: return 1;
    case Vul::NS: return 2;
    case Vul::EW: return 3;
    }
    return 0;
}

}  // namespace

TEST(TableMode, AgreesWithDdsTableAndParOnRandomDeals) {
    testutil::TempDir dir;
    constexpr int kDeals = 24;
    std::string input;
    std::vector<Deal> deals;
    for (int i = 0; i < kDeals; ++i) {
        deals.push_back(testutil::shuffledDeal(5000 + i));
        input += tableRequestLine(std::to_string(i + 1), deals.back(), i + 1) + "\n";
    }
    int rc = 0;
    std::istringstream out(runTable(dir, input, rc));
    EXPECT_EQ(rc, 0);
    int seen = 0;
    for (std::string line; std::getline(out, line); ++seen) {
        std::string tag, error;
        DealAnalysis a;
        ASSERT_TRUE(parseTableAnswerLine(line, tag, a, error)) << line;
        ASSERT_TRUE(error.empty()) << error;
        ASSERT_EQ(tag, std::to_string(seen + 1));  // in the order asked
        const int board = seen + 1;
        ddTableResults table{};
        ASSERT_EQ(CalcDDtable(ddsDeal(deals[static_cast<size_t>(seen)]), &table), RETURN_NO_FAULT);
        const int ddsStrain[kStrains] = {4, 0, 1, 2, 3};  // NT S H D C in DDS's order
        for (int seat = North; seat <= West; ++seat)
            for (int st = 0; st < kStrains; ++st)
                EXPECT_EQ(a.tricks[seat - 1][st], table.resTable[ddsStrain[st]][seat - 1])
                    << "board " << board << " seat " << seat << " strain " << st;
        // DDS's Par gives the score for either side starting the bidding: the dealer's side counts.
        parResults par{};
        ASSERT_EQ(Par(&table, &par, ddsVulnerable(board)), RETURN_NO_FAULT);
        const int side = (dealerOf(board) - 1) % 2;  // 0 North-South, 1 East-West
        std::string score = par.parScore[side];
        ASSERT_EQ(score.substr(0, 3), side ? "EW " : "NS ") << score;
        const int dealerView = std::stoi(score.substr(3));
        EXPECT_EQ(a.parScore, side ? -dealerView : dealerView) << "board " << board << " " << line;
        EXPECT_EQ(a.par.empty(), a.parScore == 0) << line;
    }
    EXPECT_EQ(seen, kDeals);
}

// The table's value is what the best lead holds the declarer to, as the
// verification's single-lead question answers it.
TEST(TableMode, BestLeadGivesTheTablesValue) {
    testutil::TempDir dir;
    const Deal d = testutil::shuffledDeal(77);
    int rc = 0;
    std::string tag, error;
    DealAnalysis a;
    ASSERT_TRUE(parseTableAnswerLine(runTable(dir, tableRequestLine("x", d, 1) + "\n", rc), tag, a, error));
    for (int declarer = North; declarer <= West; ++declarer) {
        const int st = declarer % kStrains;  // a few strains
        bridge::Problem p;
        for (int seat = North; seat <= West; ++seat)
            for (int suit = Clubs; suit <= Spades; ++suit) {
                const Holding &h = d.holding(seat, suit);
                for (int k = 1; k <= h.count; ++k) p.cards[seat - 1][Spades - suit] |= 1u << h.rank(k);
            }
        p.declarer = declarer - 1;
        p.strain = st == 0 ? 4 : st - 1;
        int best = 14;
        for (int suit = 0; suit < 4; ++suit)
            for (int rank = 2; rank <= 14; ++rank)
                if (p.cards[p.leader()][suit] & (1u << rank)) {
                    p.leadSuit = suit;
                    p.leadRank = rank;
                    int ns = bridge::nsTricksAfterLead(p, error);
                    ASSERT_GE(ns, 0) << error;
                    best = std::min(best, p.declarer % 2 == 0 ? ns : 13 - ns);
                }
        EXPECT_EQ(best, a.tricks[declarer - 1][st]) << "declarer " << declarer << " strain " << st;
    }
}

TEST(TableMode, DamagedLinesAreAnsweredOneByOne) {
    testutil::TempDir dir;
    const Deal d = testutil::shuffledDeal(3);
    const std::string good = tableRequestLine("7", d, 7);
    // West holds North's cards again.
    const size_t north = good.find(' ', good.find(' ', good.find(' ') + 1) + 1) + 1;
    std::string twice = good.substr(0, good.rfind(' ') + 1) + good.substr(north, good.find(' ', north) - north);
    int rc = 0;
    std::string out = runTable(dir,
                               "1 n none AKQ\n" + good + "\r\n\n2 x none " + good.substr(good.find(' ', 8) + 1) + "\n" +
                                   "3" + twice.substr(1) + "\n4 s many" + good.substr(good.find(' ', 6)) + "\n",
                               rc);
    EXPECT_EQ(rc, 0);
    std::istringstream in(out);
    std::vector<std::string> lines;
    for (std::string l; std::getline(in, l);) lines.push_back(l);
    ASSERT_EQ(lines.size(), 5u) << out;
    EXPECT_EQ(lines[0], "1 ! 7 champs attendus (repère, donneur, vulnérabilité, quatre mains), 4 reçus");
    std::string tag, error;
    DealAnalysis a;
    EXPECT_TRUE(parseTableAnswerLine(lines[1], tag, a, error) && error.empty() && tag == "7");
    EXPECT_EQ(lines[2].substr(0, 4), "2 ! ");
    EXPECT_EQ(lines[3], "3 ! carte en double dans la main de W");
    EXPECT_EQ(lines[4], "4 ! vulnérabilité inconnue « many » (none, ns, ew ou all)");
}

TEST(TableMode, AnswerLinesWithImpossibleParAreRefused) {
    const std::string head = "b1 0123456789abcd012345 -420 ";
    const struct {
        const char *par;
        bool read;
    } cases[] = {
        {"EW:4SX-2,N:3NX+1", true}, {"N:7N", true},    {"NS:1C+6", true},  {"N:7N+1", false},
        {"N:3NX+7", false},         {"EW:1D-8", false}, {"S:4H+1-1", false}, {"W:2S-7", true},
    };
    for (const auto &c : cases) {
        std::string tag, error;
        DealAnalysis a;
        EXPECT_EQ(parseTableAnswerLine(head + c.par, tag, a, error), c.read) << c.par;
    }
}
