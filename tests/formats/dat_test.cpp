#include "formats/dat.h"

#include <gtest/gtest.h>

#include "exportfixture.h"

using namespace vrek;

TEST(DatExport, TenLinesPerDeal) {
    Series s = fixture::series(1);
    s.setLine(0, "Lundi soir");
    fixture::setContract(s, 1, "4P S");
    ExportOutput out = writeDat(s, fixture::boards({1}), {});
    EXPECT_EQ(out.count, 1);
    EXPECT_EQ(out.bytes, fixture::crlf({
                             "Deal: 1" + std::string(37, ' ') + "AKQJ T98 765 432 ",
                             "Contract: 4S-South     432 765 T98 AKQJ " + std::string(17, ' ') + "T98 AKQJ 432 765 ",
                             "OnLead: West" + std::string(26, ' ') + "765 432 AKQJ T98 ",
                             "Lead: Any",
                             "Result: makes",
                             "Commentary:",
                             "Lundi soir",
                             "",
                             "",
                             "",
                         }));
}

TEST(DatExport, LeadFallbackAndVoids) {
    Series s;
    s.deal(1) = testutil::dealFrom("JT98765.AKQJ.AK.-", "432.T98765.Q5.AK", "AKQ.-.JT9876.5432", "-.432.432.QJT9876");
    s.deal(2) = s.deal(1);
    s.deal(3) = s.deal(1);
    fixture::setContract(s, 1, "3SA N  RP");
    s.setLine(contractLine(2), "");
    fixture::setContract(s, 3, "Passe");
    auto lines = fixture::crlfLines(writeDat(s, fixture::boards({1, 2, 3}), {}).bytes);
    ASSERT_EQ(lines.size(), 30u);
    EXPECT_EQ(lines[0], "Deal: 1" + std::string(37, ' ') + "JT98765 AKQJ AK - ");
    EXPECT_EQ(lines[1], "Contract: 3NT-North     - 432 432 QJT9876 " + std::string(17, ' ') + "432 T98765 Q5 AK ");
    EXPECT_EQ(lines[2], "OnLead: East" + std::string(26, ' ') + "AKQ - JT9876 5432 ");
    EXPECT_EQ(lines[3], "Lead: SK");
    // No contract, or no declarer: 1NT by South.
    EXPECT_EQ(lines[11].substr(0, 24), "Contract: 1NT-South     ");
    EXPECT_EQ(lines[12].substr(0, 13), "OnLead: West ");
    EXPECT_EQ(lines[13], "Lead: Any");
    EXPECT_EQ(lines[21].substr(0, 24), "Contract: 1NT-South     ");
}

TEST(DatExport, AppendNumbersFrom97) {
    Series s = fixture::series(5);
    const std::string old = writeDat(s, fixture::boards({1}), {}).bytes;
    ExportOutput out = writeDat(s, fixture::boards({5}), fixture::appendTo(old));
    ASSERT_EQ(out.bytes.substr(0, old.size()), old);
    EXPECT_EQ(out.bytes.substr(old.size(), 10), "Deal: 101 ");
}
