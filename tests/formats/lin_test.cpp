#include "formats/lin.h"

#include <gtest/gtest.h>

#include "exportfixture.h"

using namespace vrek;

namespace {
Deal withVoids() {
    return testutil::dealFrom("JT98765.AKQJ.AK.-", "432.T98765.Q5.AK", "AKQ.-.JT9876.5432", "-.432.432.QJT9876");
}
}  // namespace

TEST(LinExport, HeaderAndBoardOne) {
    Series s = fixture::series(1);
    s.setLine(0, "Lundi soir");
    fixture::setContract(s, 1, "4P S");
    ExportOutput out = writeLin(s, fixture::boards({1}), {});
    EXPECT_EQ(out.count, 1);
    EXPECT_EQ(out.bytes, fixture::crlf({
                             "vg|Lundi soir|",
                             "nt|4P S" + std::string(46, ' ') + "|",
                             "qx|o1|md|3S765H432DAKQJCT98,S432H765DT98CAKQJ,SAKQJHT98D765C432|rh||ah|Etui 1|sv|0|pg||",
                         }));
}

TEST(LinExport, DealerDigitsVulnerabilityAndVoids) {
    Deal d = withVoids();
    EXPECT_EQ(linHand(d.hand(South)), "SAKQHDJT9876C5432");
    EXPECT_EQ(linHand(d.hand(West)), "SH432D432CQJT9876");
    EXPECT_EQ(linDealLine(d, 2).substr(0, 10), "qx|o2|md|4");
    EXPECT_EQ(linDealLine(d, 3).substr(0, 10), "qx|o3|md|1");
    EXPECT_EQ(linDealLine(d, 4).substr(0, 10), "qx|o4|md|2");
    auto tail = [&](int b) {
        std::string l = linDealLine(d, b);
        return l.substr(l.find("|sv|"));
    };
    EXPECT_EQ(tail(2), "|sv|N|pg||");
    EXPECT_EQ(tail(3), "|sv|E|pg||");
    EXPECT_EQ(tail(4), "|sv|B|pg||");
    EXPECT_EQ(tail(16), "|sv|E|pg||");
    EXPECT_EQ(linDealLine(d, 12), "qx|o12|md|2SAKQHDJT9876C5432,SH432D432CQJT9876,SJT98765HAKQJDAKC|rh||ah|Etui 12|sv|N|pg||");
}

TEST(LinExport, AppendAddsASecondHeaderAndKeepsDealNumbers) {
    Series s = fixture::series(3);
    s.setLine(0, "Mardi");
    const std::string old = writeLin(s, fixture::boards({1}), {}).bytes;
    ExportOutput out = writeLin(s, fixture::boards({2, 3}), fixture::appendTo(old));
    EXPECT_EQ(out.count, 2);
    ASSERT_EQ(out.bytes.substr(0, old.size()), old);
    auto added = fixture::crlfLines(out.bytes.substr(old.size()));
    ASSERT_EQ(added.size(), 5u);
    EXPECT_EQ(added[0], "vg|Mardi|");
    EXPECT_EQ(added[2].substr(0, 6), "qx|o2|");
    EXPECT_EQ(added[4].substr(0, 6), "qx|o3|");
}
