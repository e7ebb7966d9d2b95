#include "formats/pbn.h"

#include <gtest/gtest.h>

#include <regex>

#include "exportfixture.h"

using namespace vrek;

namespace {
ExportOptions dated(Numbering n = Numbering::FromOne) {
    ExportOptions o;
    o.numbering = n;
    o.date = "2024.03.07";
    return o;
}

const std::string kTurned = "AKQJ.T98.765.432 T98.AKQJ.432.765 765.432.AKQJ.T98 432.765.T98.AKQJ";
}  // namespace

TEST(PbnExport, BoardOneAllSixteenLines) {
    Series s = fixture::series(1);
    fixture::setContract(s, 1, "4P S  RC");
    ExportOutput out = writePbn(s, fixture::boards({1}), dated());
    ASSERT_TRUE(out.ok());
    EXPECT_EQ(out.count, 1);
    EXPECT_EQ(out.bytes, fixture::crlf({
                             "[Event \"4P S  RC" + std::string(42, ' ') + "\"]",
                             "[Site \"#\"]",
                             "[Date \"2024.03.07\"]",
                             "[Board \"1\"]",
                             "[Dealer \"N\"]",
                             "[Vulnerable \"None\"]",
                             "[Deal \"N:" + kTurned + "\"]",
                             "[Scoring \"IMP\"]",
                             "[Declarer \"S\"]",
                             "[Contract \"4S\"]",
                             "[Result \"\"]",
                             "[Auction \"\"]",
                             "[Play \"W\"]",
                             "HK *",
                             "",
                             "",
                         }));
}

TEST(PbnExport, DealerOrderAndVulnerabilityWords) {
    Series s;
    for (int b = 1; b <= 4; ++b) s.deal(b) = fixture::turnedDeal();
    EXPECT_EQ(pbnDealString(s.deal(2), East), "E:T98.AKQJ.432.765 765.432.AKQJ.T98 432.765.T98.AKQJ AKQJ.T98.765.432");
    EXPECT_EQ(pbnDealString(s.deal(3), South),
              "S:765.432.AKQJ.T98 432.765.T98.AKQJ AKQJ.T98.765.432 T98.AKQJ.432.765");

    ExportOptions o = dated();
    auto all = fixture::crlfLines(exportSeries(ExportFormat::PbnAll, s, fixture::boards({3, 4}), o).bytes);
    auto both = fixture::crlfLines(exportSeries(ExportFormat::PbnBoth, s, fixture::boards({3, 4}), o).bytes);
    ASSERT_EQ(all.size(), 32u);
    EXPECT_EQ(all[4], "[Dealer \"S\"]");
    EXPECT_EQ(all[5], "[Vulnerable \"EW\"]");
    EXPECT_EQ(all[16 + 4], "[Dealer \"W\"]");
    EXPECT_EQ(all[16 + 5], "[Vulnerable \"All\"]");
    EXPECT_EQ(both[16 + 5], "[Vulnerable \"Both\"]");
    all[16 + 5] = both[16 + 5];
    EXPECT_EQ(all, both);  // the variants differ in that word only
}

TEST(PbnExport, NoContractStaysEmpty) {
    Series s = fixture::series(2);
    s.setLine(contractLine(2), "");
    auto lines = fixture::crlfLines(writePbn(s, fixture::boards({2}), dated()).bytes);
    EXPECT_EQ(lines[0], "[Event \"\"]");
    EXPECT_EQ(lines[8], "[Declarer \"\"]");
    EXPECT_EQ(lines[9], "[Contract \"\"]");
    EXPECT_EQ(lines[12], "[Play \"\"]");
    EXPECT_EQ(lines[13], "");
}

TEST(PbnExport, QuotesAndBackslashesAreEscaped) {
    Series s = fixture::series(1);
    fixture::setContract(s, 1, "4P S \"vu\" a\\b");
    auto lines = fixture::crlfLines(writePbn(s, fixture::boards({1}), dated()).bytes);
    EXPECT_EQ(lines[0], "[Event \"4P S \\\"vu\\\" a\\\\b" + std::string(37, ' ') + "\"]");
    EXPECT_EQ(pbnTag("Event", "\xe9t\xe9"), "[Event \"\xe9t\xe9\"]");  // other bytes untouched
}

TEST(PbnExport, AppendNumbersFrom97) {
    Series s = fixture::series(4);
    const std::string old = writePbn(s, fixture::boards({1, 2}), dated()).bytes;
    ExportOptions o = fixture::appendTo(old);
    o.date = "2024.03.07";
    ExportOutput out = writePbn(s, fixture::boards({1, 4}), o);
    EXPECT_EQ(out.count, 2);
    ASSERT_EQ(out.bytes.substr(0, old.size()), old);
    auto added = fixture::crlfLines(out.bytes.substr(old.size()));
    ASSERT_EQ(added.size(), 32u);
    EXPECT_EQ(added[3], "[Board \"97\"]");
    EXPECT_EQ(added[4], "[Dealer \"N\"]");
    EXPECT_EQ(added[16 + 3], "[Board \"100\"]");
    EXPECT_EQ(added[16 + 4], "[Dealer \"W\"]");
    EXPECT_EQ(added[16 + 5], "[Vulnerable \"All\"]");

    // A file without a last line end still gets the new deals on lines of their own.
    out = writePbn(s, fixture::boards({1}), fixture::appendTo("% old"));
    EXPECT_EQ(out.bytes.substr(0, 8), "% old\r\n[");
}

TEST(PbnExport, IncompleteDealAndToday) {
    Series s;
    s.deal(1) = testutil::dealFrom("AK.-.-.-", "-", "Q.-.-.2", "-");
    auto lines = fixture::crlfLines(writePbn(s, fixture::boards({1}), dated()).bytes);
    EXPECT_EQ(lines[6], "[Deal \"N:AK... ... Q...2 ...\"]");
    EXPECT_TRUE(std::regex_match(pbnToday(), std::regex(R"(\d{4}\.\d{2}\.\d{2})"))) << pbnToday();
}
