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

namespace {
// North-South take 10 tricks in spades, 9 in no-trump; East-West the rest.
DealAnalysis handMadeAnalysis() {
    DealAnalysis a;
    const int ns[kStrains] = {9, 10, 8, 6, 5};
    for (int st = 0; st < kStrains; ++st) {
        a.tricks[North - 1][st] = a.tricks[South - 1][st] = ns[st];
        a.tricks[East - 1][st] = a.tricks[West - 1][st] = 13 - ns[st];
    }
    a.tricks[South - 1][2] = 7;  // hearts: South one fewer
    a.tricks[West - 1][2] = 6;
    a.parScore = 420;
    a.par = {ParContract{4, 1, "NS", false, 0, 0}};
    return a;
}
}  // namespace

TEST(PbnExport, AnalysisTagsAfterEachDealsTags) {
    Series s = fixture::series(2);
    fixture::setContract(s, 1, "4P S  RC");
    fixture::setContract(s, 2, "3SA N");  // no lead named
    std::map<int, DealAnalysis> analysis{{1, handMadeAnalysis()}, {2, handMadeAnalysis()}};
    analysis[2].parScore = -300;
    analysis[2].par = {ParContract{5, 3, "EW", true, 0, 2}, ParContract{5, 4, "EW", true, 0, 2}};
    ExportOptions o = dated();
    const std::string without = writePbn(s, fixture::boards({1, 2, 3}), o).bytes;
    o.analysis = &analysis;
    auto lines = fixture::crlfLines(writePbn(s, fixture::boards({1, 2, 3}), o).bytes);
    const std::vector<std::string> table = {
        "[OptimumResultTable \"Declarer;Denomination\\2R;Result\\2R\"]",
        "N NT  9", "N  S 10", "N  H  8", "N  D  6", "N  C  5",
        "S NT  9", "S  S 10", "S  H  7", "S  D  6", "S  C  5",
        "E NT  4", "E  S  3", "E  H  5", "E  D  7", "E  C  8",
        "W NT  4", "W  S  3", "W  H  6", "W  D  7", "W  C  8"};
    // Board 1: the tags come after the lead, before the blank lines that end the deal.
    ASSERT_GE(lines.size(), 16u + 24u);
    EXPECT_EQ(lines[12], "[Play \"W\"]");
    EXPECT_EQ(lines[13], "HK *");
    EXPECT_EQ(lines[14], "[DoubleDummyTricks \"9a8659a7654357843678\"]");
    EXPECT_EQ(lines[15], "[OptimumScore \"NS 420\"]");
    EXPECT_EQ(lines[16], "[ParContract \"NS 4S\"]");
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 17, lines.begin() + 38), table);
    EXPECT_EQ(lines[38], "");
    EXPECT_EQ(lines[39], "");
    // Board 2, no lead: the tags follow [Play], then the empty lead line.
    EXPECT_EQ(lines[40], "[Event \"3SA N" + std::string(45, ' ') + "\"]");
    EXPECT_EQ(lines[52], "[Play \"E\"]");
    EXPECT_EQ(lines[54], "[OptimumScore \"NS -300\"]");
    EXPECT_EQ(lines[55], "[ParContract \"EW 5DX\"]");
    EXPECT_EQ(lines[77], "");
    EXPECT_EQ(lines[78], "");
    EXPECT_EQ(lines[79], "");
    // Board 3 is empty: no analysis, the same 16 lines as ever; without the
    // analysis the file is what it always was.
    EXPECT_EQ(lines.size(), 80u + 16u);
    o.analysis = nullptr;
    EXPECT_EQ(writePbn(s, fixture::boards({1, 2, 3}), o).bytes, without);
    std::map<int, DealAnalysis> none;
    o.analysis = &none;
    EXPECT_EQ(writePbn(s, fixture::boards({1, 2, 3}), o).bytes, without);
}

TEST(PbnExport, PassedOutPar) {
    DealAnalysis a = handMadeAnalysis();
    a.par.clear();
    a.parScore = 0;
    auto lines = pbnAnalysisLines(a);
    EXPECT_EQ(lines[1], "[OptimumScore \"NS 0\"]");
    EXPECT_EQ(lines[2], "[ParContract \"Pass\"]");
}
