// Export then import gives the same deals; insertion writes the chosen deals
// one after the other and touches nothing else.
#include <gtest/gtest.h>

#include <cstring>

#include "importfixture.h"

using namespace vrek;
using importfix::range;
using importfix::request;

namespace {

struct RoundTrip {
    ExportFormat writer;
    ImportFormat reader;
    const char *name;
};

class ImportRoundTrip : public ::testing::TestWithParam<RoundTrip> {
protected:
    testutil::TempDir dir;
    std::string file;
    Series source = importfix::randomSeries(7);

    void SetUp() override {
        file = dir.file(std::string("Lundi.") + GetParam().name);
        testutil::writeFile(file, importfix::exported(GetParam().writer, source, fixture::firstBoards(96)));
    }
};

TEST_P(ImportRoundTrip, NinetySixRandomDealsComeBackWhole) {
    ImportScan scan = scanImportFile(GetParam().reader, file);
    ASSERT_TRUE(scan.error.empty()) << scan.error;
    EXPECT_FALSE(scan.empty);
    EXPECT_EQ(scan.count(), 96);

    Series s = importfix::textedSeries("ancienne");
    ImportResult r = importDeals(s, request(GetParam().reader, file, chosenBoards(scan.available, fixture::firstBoards(96))));
    ASSERT_TRUE(r.ok()) << r.error;
    EXPECT_EQ(r.count, 96);
    for (int b = 1; b <= 96; ++b) EXPECT_EQ(s.deal(b), source.deal(b)) << "donne " << b;
    // The import is a new series: its title is the file's name, every text is gone.
    EXPECT_EQ(s.line(0), std::string("Lundi.") + GetParam().name);
    for (int i = 1; i < kTextLines; ++i) ASSERT_EQ(s.line(i), "") << i;
}

TEST_P(ImportRoundTrip, ImportOfTwoBoardsLeavesTheOthersEmpty) {
    Series s = importfix::randomSeries(3);
    ImportResult r = importDeals(s, request(GetParam().reader, file, {5, 7}));
    ASSERT_TRUE(r.ok()) << r.error;
    for (int b = 1; b <= 96; ++b) {
        if (b == 5 || b == 7) EXPECT_EQ(s.deal(b), source.deal(b)) << b;
        else EXPECT_TRUE(s.deal(b).empty()) << b;
    }
}

TEST_P(ImportRoundTrip, InsertionOfBoardsFiveAndSevenAtTwenty) {
    Series before = importfix::randomSeries(5);
    before.lines = importfix::textedSeries("x").lines;
    Series s = before;
    ImportResult r = importDeals(s, request(GetParam().reader, file, {5, 7}, 20));
    ASSERT_TRUE(r.ok()) << r.error;
    EXPECT_EQ(r.count, 2);
    EXPECT_EQ(s.deal(20), source.deal(5));
    EXPECT_EQ(s.deal(21), source.deal(7));
    for (int b = 1; b <= 96; ++b) {
        if (b == 20 || b == 21) continue;
        EXPECT_EQ(s.deal(b), before.deal(b)) << b;
    }
    // The two targets lose their texts (these files carry none); the rest stays.
    for (int i = 0; i < kTextLines; ++i) {
        bool target = i >= themeLine(20) && i <= provenanceLine(21);
        EXPECT_EQ(s.line(i), target ? std::string() : before.line(i)) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Formats, ImportRoundTrip,
                         ::testing::Values(RoundTrip{ExportFormat::Dup, ImportFormat::Dup, "dup"},
                                           RoundTrip{ExportFormat::Dlm, ImportFormat::Dlm, "dlm"},
                                           RoundTrip{ExportFormat::PbnAll, ImportFormat::Pbn, "pbn"},
                                           RoundTrip{ExportFormat::PbnBoth, ImportFormat::Pbn, "PBN"},
                                           RoundTrip{ExportFormat::Bri, ImportFormat::Bri, "bri"},
                                           RoundTrip{ExportFormat::Dge, ImportFormat::Dge, "dge"},
                                           RoundTrip{ExportFormat::Lin, ImportFormat::Lin, "lin"}),
                         [](const auto &info) { return std::string(info.param.name) + (info.index == 3 ? "Gib" : ""); });

TEST(ImportRoundTripPbn, IncompleteDealsKeepTheCardsTheyHave) {
    testutil::TempDir dir;
    Series source;
    source.deal(1) = testutil::dealFrom("AK5.-.T98.-", "-.QJ2.-.-", "-.-.-.7654", "Q.-.-.-");
    source.deal(2) = testutil::shuffledDeal(2);
    const std::string file = dir.file("partiel.pbn");
    testutil::writeFile(file, importfix::exported(ExportFormat::PbnAll, source, fixture::boards({1, 2})));
    Series s;
    ImportResult r = importDeals(s, request(ImportFormat::Pbn, file, {1, 2}));
    ASSERT_TRUE(r.ok()) << r.error;
    EXPECT_EQ(s.deal(1), source.deal(1));
    EXPECT_EQ(s.deal(2), source.deal(2));
}

TEST(ImportRoundTripPbn, AppendedBoardsAreNotOfferedAndDoNotOverwrite) {
    testutil::TempDir dir;
    Series first = importfix::randomSeries(1), second = importfix::randomSeries(2);
    std::string bytes = importfix::exported(ExportFormat::PbnAll, first, fixture::firstBoards(96));
    ExportOptions o = fixture::appendTo(bytes);
    o.date = "2024.03.07";
    bytes = exportSeries(ExportFormat::PbnAll, second, fixture::firstBoards(96), o).bytes;
    const std::string file = dir.file("suite.pbn");
    testutil::writeFile(file, bytes);

    ImportScan scan = scanImportFile(ImportFormat::Pbn, file);
    EXPECT_EQ(scan.count(), 96);
    Series s;
    ASSERT_TRUE(importDeals(s, request(ImportFormat::Pbn, file, range(1, 96))).ok());
    for (int b = 1; b <= 96; ++b) EXPECT_EQ(s.deal(b), first.deal(b)) << b;
}

TEST(ImportFromSeries, InsertionCopiesRecordsAndTheirFifteenLines) {
    testutil::TempDir dir;
    Series other = importfix::textedSeries("autre");
    other.deal(3) = testutil::shuffledDeal(33);
    other.deal(9) = testutil::shuffledDeal(99);
    other.deal(10) = testutil::dealFrom("AK.-.-.-", "-.-.-.-", "-.-.-.-", "-.-.-.-");  // not complete
    const std::string file = dir.file("Autre.vrk");
    ASSERT_EQ(saveSeries(file, other), "");

    ImportScan scan = scanImportFile(ImportFormat::Vrk, file);
    ASSERT_TRUE(scan.error.empty()) << scan.error;
    EXPECT_EQ(scan.count(), 2);
    EXPECT_TRUE(scan.available[2] && scan.available[8] && !scan.available[9]);

    Series before = importfix::randomSeries(4);
    before.lines = importfix::textedSeries("ici").lines;
    Series s = before;
    ImportResult r = importDeals(s, request(ImportFormat::Vrk, file, {3, 9}, 95));
    ASSERT_TRUE(r.ok()) << r.error;
    EXPECT_EQ(std::memcmp(&s.deal(95), &other.deal(3), 160), 0);
    EXPECT_EQ(std::memcmp(&s.deal(96), &other.deal(9), 160), 0);
    for (int j = 0; j < 15; ++j) {
        EXPECT_EQ(s.line(15 * 95 - 14 + j), other.line(15 * 3 - 14 + j));
        EXPECT_EQ(s.line(15 * 96 - 14 + j), other.line(15 * 9 - 14 + j));
    }
    EXPECT_EQ(s.line(0), before.line(0));
    for (int b = 1; b <= 94; ++b) EXPECT_EQ(s.deal(b), before.deal(b));
    for (int i = 0; i < 15 * 94 + 1; ++i) ASSERT_EQ(s.line(i), before.line(i)) << i;
}

TEST(ImportFromSeries, MissingTextFileGivesEmptyLinesAndOldSeriesAreShort) {
    testutil::TempDir dir;
    // An older series of 32 records and no text file.
    Series old;
    for (int b = 1; b <= 32; ++b) old.deal(b) = testutil::shuffledDeal(b);
    const std::string file = dir.file("Vieille.VRK");
    testutil::writeFile(file, serializeDeals(old).substr(0, 32 * 160));
    ImportScan scan = scanImportFile(ImportFormat::Vrk, file);
    ASSERT_TRUE(scan.error.empty()) << scan.error;
    EXPECT_EQ(scan.count(), 32);
    Series s = importfix::textedSeries("ici");
    ImportResult r = importDeals(s, request(ImportFormat::Vrk, file, {32}, 1));
    ASSERT_TRUE(r.ok()) << r.error;
    EXPECT_EQ(s.deal(1), old.deal(32));
    for (int i = 1; i <= 15; ++i) EXPECT_EQ(s.line(i), "");
    EXPECT_EQ(s.line(16), "ici ligne 16");
}

TEST(ImportNames, DerivedNameTitleAndSameSeries) {
    EXPECT_EQ(derivedSeriesName("/club/Lundi.dup"), "/club/Lundi.VRK");
    EXPECT_EQ(importTitle("/club/Lundi.dup"), "Lundi.dup");
    EXPECT_EQ(importTitle("/club/Soirée.pbn"), "Soir\xE9" "e.pbn");
    EXPECT_TRUE(sameSeries("/club/Lundi.vrk", "/club/Lundi.VRK"));
    EXPECT_FALSE(sameSeries("/club/lundi.VRK", "/club/Lundi.VRK"));
    EXPECT_FALSE(sameSeries("/club/Lundi.vrk", "/club/Lundi2.vrk"));
    EXPECT_EQ(importFormatOf("a.Dup"), ImportFormat::Dup);
    EXPECT_EQ(importFormatOf("a.dlm"), ImportFormat::Dlm);
    EXPECT_EQ(importFormatOf("a.PBN"), ImportFormat::Pbn);
    EXPECT_EQ(importFormatOf("a.vrk"), ImportFormat::Vrk);
    EXPECT_EQ(importFormatOf("a.txt"), std::nullopt);
    EXPECT_EQ(importFormatOf("dup"), std::nullopt);
    EXPECT_EQ(fileOfImportCaption(false, importDialogCaption(false, "/a/b c.dup")), "/a/b c.dup");
    EXPECT_EQ(fileOfImportCaption(true, importDialogCaption(true, "/a/b.pbn")), "/a/b.pbn");
    EXPECT_EQ(importDialogCaption(false, "x").size(), 34u);
    EXPECT_EQ(importDialogCaption(true, "x").size(), 32u);
}

TEST(ImportNames, AnExistingPairKeepsItsSpelling) {
    testutil::TempDir dir;
    const std::string dup = dir.file("Lundi.dup");
    // Nothing on disk: the derived name.
    EXPECT_EQ(importedSeriesName(dup, dir.file("Autre.vrk")), dir.file("Lundi.VRK"));
    // The current series is the same pair: its own spelling.
    EXPECT_EQ(importedSeriesName(dup, dir.file("Lundi.vrk")), dir.file("Lundi.vrk"));
    // Lundi.vrk on disk shares Lundi.VRT with Lundi.VRK: use its name.
    testutil::writeFile(dir.file("Lundi.vrk"), "");
    EXPECT_EQ(importedSeriesName(dup, dir.file("Autre.vrk")), dir.file("Lundi.vrk"));
    testutil::writeFile(dir.file("Lundi.VRK"), "");
    EXPECT_EQ(importedSeriesName(dup, dir.file("Autre.vrk")), dir.file("Lundi.VRK"));
}

}  // namespace
