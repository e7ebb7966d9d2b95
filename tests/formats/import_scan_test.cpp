// Which boards each scan offers, and the deal readers' own rules.
#include <gtest/gtest.h>

#include "formats/dlm.h"
#include "formats/dlmimport.h"
#include "formats/dupimport.h"
#include "formats/pbnimport.h"
#include "formats/seriesimport.h"
#include "importfixture.h"

using namespace vrek;

namespace {

std::vector<int> offered(const ImportScan &s) {
    std::vector<int> v;
    for (int b = 1; b <= 96; ++b)
        if (s.available[b - 1]) v.push_back(b);
    return v;
}

TEST(DupScan, RecordCountingWithThePartialRecordRule) {
    Series s = importfix::randomSeries(1);
    const std::string all = importfix::exported(ExportFormat::Dup, s, fixture::firstBoards(96));
    EXPECT_EQ(offered(scanDup(all)), importfix::range(1, 96));
    EXPECT_EQ(offered(scanDup(all + "\r\n")), importfix::range(1, 96));  // as the append mode leaves it
    // 156 k + r: one more record when r exceeds 78.
    EXPECT_EQ(scanDup(all.substr(0, 2 * 156 + 78)).count(), 2);
    EXPECT_EQ(scanDup(all.substr(0, 2 * 156 + 79)).count(), 3);
    EXPECT_EQ(scanDup(all.substr(0, 156)).count(), 1);
    EXPECT_EQ(scanDup(all + all).count(), 96);
    // The partial record's cards are all there: it reads.
    ImportRead r = readDup(all.substr(0, 2 * 156 + 79), {3});
    ASSERT_TRUE(r.ok()) << r.error;
    EXPECT_EQ(r.deals[0].deal, s.deal(3));
    // Only the first line counts.
    EXPECT_EQ(scanDup(all.substr(0, 156) + "\r\n" + all).count(), 1);
}

TEST(DupScan, EmptyFileAndShortLine) {
    EXPECT_TRUE(scanDup("").empty);
    EXPECT_TRUE(scanDup("\r\n").empty);
    EXPECT_TRUE(scanDup(std::string(78, '0')).empty);
    EXPECT_FALSE(scanDup(std::string(78, '0') + '\x06').empty);
    // Not a DUP record: a PBN file, a DLM file, a BRI record (blanks after the cards).
    for (const std::string &other : {std::string("[Event \"\"]\r\n"), std::string("[Document]\r\n"),
                                     std::string(78, '1') + std::string(50, ' ')}) {
        const ImportScan scan = scanDup(other);
        EXPECT_NE(scan.error.find("ce n'est pas un fichier DUP"), std::string::npos) << other;
        EXPECT_TRUE(scan.empty);
    }
}

TEST(DlmScan, TheRunOfToBoardAndNotTheFillers) {
    Series s = importfix::randomSeries(2);
    const std::string run32 = importfix::exported(ExportFormat::Dlm, s, fixture::firstBoards(32));
    ASSERT_NE(run32.find("To board=32\r\n"), std::string::npos);
    ASSERT_NE(run32.find("Board 99="), std::string::npos);
    EXPECT_EQ(offered(scanDlm(run32)), importfix::range(1, 32));
    ImportRead r = readDlm(run32, importfix::range(1, 32));
    ASSERT_TRUE(r.ok()) << r.error;
    for (int b = 1; b <= 32; ++b) EXPECT_EQ(r.deals[b - 1].deal, s.deal(b)) << b;

    // The last "To board=" line counts; more than 96 offers 96.
    EXPECT_EQ(scanDlm("To board=5\r\nTo board=3\r\n").count(), 3);
    EXPECT_EQ(scanDlm("To board=98\r\n").count(), 96);
    EXPECT_EQ(scanDlm("To board=32   \r\n").count(), 32);
    // Only a line that begins with it.
    EXPECT_TRUE(scanDlm(" To board=32\r\n").empty);
    EXPECT_TRUE(scanDlm("To board=0\r\n").empty);
    EXPECT_TRUE(scanDlm("").empty);
    EXPECT_TRUE(scanDlm("[Document]\r\n").empty);
    EXPECT_NE(scanDlm("To board=3x\r\n").error, "");
    EXPECT_NE(scanDlm("To board=\r\n").error, "");
}

TEST(DlmRead, LettersGiveTheOwnersOfCardPairs) {
    // Spades A K Q J North, T 9 8 East, 7 6 5 South, 4 3 2 West: the fourth
    // pair (J, T) is North then East, 'a' + 4 x 0 + 1.
    const Deal turned = fixture::turnedDeal();
    const std::string letters = dlmBoardLetters(*cardOwners(turned));
    EXPECT_EQ(letters.substr(0, 7), "aafgkpn");
    ImportRead r = readDlm("To board=1\r\nBoard 01=" + letters + "000\r\n", {1});
    ASSERT_TRUE(r.ok()) << r.error;
    EXPECT_EQ(r.deals[0].deal, turned);
    // Boards above 9 are looked up without the leading zero; the checksum is not read.
    EXPECT_TRUE(readDlm("Board 10=" + letters + "999\r\n", {10}).ok());
    EXPECT_TRUE(readDlm("Board 010=" + letters + "999\r\n", {10}).deals.empty());
    // The worked example of the writer holds 13 cards of a suit in each hand: the store cannot.
    ImportRead w = readDlm("Board 01=aaaaaabffffffkkkkkklpppppp015\r\n", {1});
    ASSERT_EQ(w.skipped.size(), 1u);
    EXPECT_EQ(w.skipped[0].rfind("ligne 1 : ", 0), 0u) << w.skipped[0];
    EXPECT_NE(w.skipped[0].find("plus de 9 cartes à pique"), std::string::npos) << w.skipped[0];
}

TEST(PbnScan, BoardNumbersOfTheReadableDeals) {
    const std::string deal = "[Deal \"N:AKQJ.T98.765.432 - - -\"]\r\n";
    // A comment's digits are no board number; a tag that only begins like
    // [Board is another tag; a game without [Board] takes its place among the deals.
    const std::string file = "[Board \"3\"] {2}\r\n" + deal + "\r\n[BoardFoo \"5\"]\r\n" + deal + "\r\n" +
                             "[Board \"97\"]\r\n" + deal + "\r\n[Board \"96\"]\r\n" + deal + "\r\n" +
                             "[Board \"12\"]\r\n[Deal \"?\"]\r\n";
    EXPECT_EQ(offered(scanPbn(file)), (std::vector<int>{2, 3, 96}));
    EXPECT_TRUE(scanPbn("").empty);
    // Only boards from 97 on: nothing to offer.
    EXPECT_TRUE(scanPbn("[Board \"97\"]\r\n" + deal).empty);
    // No [Deal] at all: not a PBN file.
    EXPECT_NE(scanPbn("%PDF-1.4\r\n[0 0 612 792]\r\n").error, "");
}

TEST(PbnRead, DealStringsFromAnySeat) {
    auto read = [](const std::string &value, Deal &d) {
        DealBuilder b("ligne 1");
        const bool ok = pbnDealCards(value, b);
        d = b.deal();
        return ok ? std::string() : b.error();
    };
    Deal d;
    // South first, then West, North, East.
    ASSERT_EQ(read("S:AKQJ.T98.765.432 T98.AKQJ.432.765 765.432.AKQJ.T98 432.765.T98.AKQJ", d), "");
    EXPECT_EQ(d, testutil::dealFrom("765.432.AKQJ.T98", "432.765.T98.AKQJ", "AKQJ.T98.765.432", "T98.AKQJ.432.765"));
    // Voids, an unknown hand '-', lower-case letters, and blanks in a row.
    ASSERT_EQ(read("N:AK..q2.-  - .T.", d), "");
    EXPECT_EQ(d, testutil::dealFrom("AK.-.Q2.-", "-.-.-.-", "-.T.-.-", "-.-.-.-"));
    // Cards out of order are stored highest first.
    ASSERT_EQ(read("W:2A...", d), "");
    EXPECT_EQ(d.holding(West, Spades).rank(1), 14);
    EXPECT_EQ(d.holding(West, Spades).rank(2), 2);
    EXPECT_NE(read("", d), "");
    EXPECT_NE(read("AKQ... - - -", d).find("N:, E:, S: ou W:"), std::string::npos);
}

TEST(PbnRead, EachBoardTakesTheDealBeforeTheNextBoard) {
    const std::string file =
        "[Event \"\"]\r\n[Board \"2\"]\r\n[Dealer \"E\"]\r\n[Deal \"E:AK... - - -\"]\r\n\r\n"
        "[Board \"4\"]\r\n[Deal \"N:Q... - - -\"]\r\n"
        "[Board \"2\"]\r\n[Deal \"N:J... - - -\"]\r\n";
    ImportRead r = readPbn(file, {2});
    ASSERT_TRUE(r.ok()) << r.error;
    // A board named twice is read twice, in file order.
    ASSERT_EQ(r.deals.size(), 2u);
    EXPECT_EQ(r.deals[0].deal, testutil::dealFrom("-.-.-.-", "AK.-.-.-", "-.-.-.-", "-.-.-.-"));
    EXPECT_EQ(r.deals[1].deal, testutil::dealFrom("J.-.-.-", "-.-.-.-", "-.-.-.-", "-.-.-.-"));
    // Trailing blanks after the tag do not count as cards.
    ImportRead t = readPbn("[Board \"1\"]\n[Deal \"N:A... - - -\"]   \n", {1});
    ASSERT_TRUE(t.ok()) << t.error;
    EXPECT_EQ(t.deals[0].deal.cards(), 1);
}

TEST(SeriesScan, CompleteRecordsOnly) {
    Series s;
    s.deal(2) = testutil::shuffledDeal(2);
    s.deal(50) = testutil::shuffledDeal(50);
    s.deal(51) = testutil::dealFrom("AK.-.-.-", "-.-.-.-", "-.-.-.-", "-.-.-.-");
    EXPECT_EQ(offered(scanSeriesRecords(serializeDeals(s))), (std::vector<int>{2, 50}));
    EXPECT_TRUE(scanSeriesRecords(serializeDeals(Series{})).empty);
    EXPECT_TRUE(scanSeriesRecords("").empty);
    EXPECT_EQ(scanSeriesRecords(serializeDeals(s).substr(0, 160 * 2)).count(), 1);
    EXPECT_NE(scanSeriesRecords(serializeDeals(s) + "x").error, "");
    EXPECT_NE(scanSeriesRecords(serializeDeals(s) + std::string(160, '\0')).error, "");
}

}  // namespace
