#include <gtest/gtest.h>
#include <cstring>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include "core/seriesfile.h"
#include "testutil.h"

using namespace vrek;
using testutil::readFile;
using testutil::TempDir;
using testutil::writeFile;

namespace {
std::string crlfLines(int n, const std::string &prefix = "L") {
    std::string s;
    for (int i = 0; i < n; ++i) s += prefix + std::to_string(i) + "\r\n";
    return s;
}
}  // namespace

TEST(SeriesFile, TextFileNameDropsTheExtension) {
    EXPECT_EQ(textFileName("/x/Lundi.vrk"), "/x/Lundi.VRT");
    EXPECT_EQ(textFileName("Lundi.VRK"), "Lundi.VRT");
}

TEST(SeriesFile, LoadingANewNameCreatesAnEmptyPair) {
    TempDir d;
    Series s;
    LoadResult r = loadSeries(d.file("Nouveau.vrk"), s);
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_TRUE(r.created);
    EXPECT_EQ(readFile(d.file("Nouveau.vrk")), std::string(15360, '\0'));
    std::string text = readFile(d.file("Nouveau.VRT"));
    EXPECT_EQ(text.size(), 2882u);
    std::string expected;
    for (int i = 0; i < 1441; ++i) expected += "\r\n";
    EXPECT_EQ(text, expected);
    EXPECT_EQ(s.lines.size(), 1441u);
}

TEST(SeriesFile, SaveWritesNinetySixRecordsAndCrLfLines) {
    TempDir d;
    Series s;
    s.clear();
    s.deal(1) = testutil::shuffledDeal(1);
    s.deal(96) = testutil::shuffledDeal(2);
    s.setLine(0, "Club \xE9t\xE9");
    s.setLine(1440, "fin");
    ASSERT_EQ(saveSeries(d.file("a.vrk"), s), "");
    std::string deals = readFile(d.file("a.vrk"));
    ASSERT_EQ(deals.size(), 15360u);
    EXPECT_EQ(std::memcmp(deals.data(), &s.deal(1), 160), 0);
    EXPECT_EQ(std::memcmp(deals.data() + 160 * 95, &s.deal(96), 160), 0);
    std::string text = readFile(d.file("a.VRT"));
    EXPECT_EQ(text.substr(0, 10), "Club \xE9t\xE9\r\n");
    EXPECT_EQ(text.substr(text.size() - 5), "fin\r\n");

    Series back;
    ASSERT_TRUE(loadSeries(d.file("a.vrk"), back).ok);
    EXPECT_EQ(back.deals, s.deals);
    EXPECT_EQ(back.lines, s.lines);
}

TEST(SeriesFile, AnOlderThirtyTwoBoardSeriesGrowsToNinetySix) {
    TempDir d;
    std::string deals;
    for (int i = 0; i < 32; ++i) {
        Deal x = testutil::shuffledDeal(100 + i);
        deals.append(reinterpret_cast<const char *>(&x), 160);
    }
    writeFile(d.file("old.vrk"), deals);
    writeFile(d.file("old.VRT"), crlfLines(481));
    Series s;
    ASSERT_TRUE(loadSeries(d.file("old.vrk"), s).ok);
    EXPECT_TRUE(s.deal(32).complete());
    EXPECT_TRUE(s.deal(33).empty());
    EXPECT_EQ(s.lines.size(), 1889u);
    EXPECT_EQ(s.line(480), "L480");
    ASSERT_EQ(saveSeries(d.file("old.vrk"), s), "");
    EXPECT_EQ(readFile(d.file("old.vrk")).size(), 15360u);
    EXPECT_EQ(splitTextLines(readFile(d.file("old.VRT"))).size(), 1889u);
}

TEST(SeriesFile, TextSplitRules) {
    auto l = splitTextLines("a\r\nb\rc\nd");
    EXPECT_EQ(l, (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(splitTextLines("a\r\n").size(), 1u);
    EXPECT_EQ(splitTextLines("a\r\n\r\n").size(), 2u);
    EXPECT_TRUE(splitTextLines("").empty());
}

TEST(SeriesFile, ShortTextsArePaddedSoEveryBoardHasItsLines) {
    std::vector<std::string> a(481), b(482), c(0), e(2000);
    padLoadedText(a);
    padLoadedText(b);
    padLoadedText(c);
    padLoadedText(e);
    EXPECT_EQ(a.size(), 1889u);
    EXPECT_EQ(b.size(), 1441u);
    EXPECT_EQ(c.size(), 1441u);
    EXPECT_EQ(e.size(), 2000u);
}

TEST(SeriesFile, OversizedAndTruncatedDealFilesKeepWholeRecordsOnly) {
    TempDir d;
    Deal x = testutil::shuffledDeal(5);
    std::string rec(reinterpret_cast<const char *>(&x), 160);
    std::string big;
    for (int i = 0; i < 100; ++i) big += rec;
    writeFile(d.file("big.vrk"), big);
    Series s;
    ASSERT_TRUE(loadSeries(d.file("big.vrk"), s).ok);
    EXPECT_EQ(s.deal(96), x);

    writeFile(d.file("cut.vrk"), rec + rec.substr(0, 70));
    Series t;
    ASSERT_TRUE(loadSeries(d.file("cut.vrk"), t).ok);
    EXPECT_EQ(t.deal(1), x);
    EXPECT_TRUE(t.deal(2).empty());
}

TEST(SeriesFile, AMissingTextFileIsCreatedAndAnExistingOneIsKept) {
    TempDir d;
    writeFile(d.file("s.vrk"), std::string(15360, '\0'));
    Series s;
    ASSERT_TRUE(loadSeries(d.file("s.vrk"), s).ok);
    EXPECT_EQ(readFile(d.file("s.VRT")).size(), 2882u);

    // Deal file gone, texts still there: the texts are not thrown away.
    TempDir e;
    writeFile(e.file("t.VRT"), "Titre\r\n");
    Series t;
    LoadResult r = loadSeries(e.file("t.vrk"), t);
    ASSERT_TRUE(r.ok);
    EXPECT_TRUE(r.created);
    EXPECT_EQ(t.line(0), "Titre");
    EXPECT_EQ(readFile(e.file("t.VRT")), "Titre\r\n");
}

TEST(SeriesFile, AnUnreadableSeriesIsReportedNeverOverwritten) {
    TempDir d;
    ::mkdir(d.file("dossier.vrk").c_str(), 0755);
    Series s;
    s.setLine(0, "avant");
    LoadResult r = loadSeries(d.file("dossier.vrk"), s);
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(r.error.empty());
    EXPECT_EQ(s.line(0), "avant");  // the stores are untouched

    if (::geteuid() != 0) {  // root reads anything
        writeFile(d.file("secret.vrk"), std::string(160, '\x01'));
        ::chmod(d.file("secret.vrk").c_str(), 0);
        EXPECT_FALSE(loadSeries(d.file("secret.vrk"), s).ok);
        EXPECT_EQ(readFile(d.file("secret.vrk")).size(), 160u);
    }
}

TEST(SeriesFile, AFailedSaveLeavesThePreviousPairWhole) {
    TempDir d;
    Series s;
    s.clear();
    s.setLine(0, "premier");
    ASSERT_EQ(saveSeries(d.file("p.vrk"), s), "");
    // The text file's name is taken by a folder: nothing may be replaced.
    ::rename(d.file("p.VRT").c_str(), d.file("keep.VRT").c_str());
    ::mkdir(d.file("p.VRT").c_str(), 0755);
    s.deal(1) = testutil::shuffledDeal(3);
    std::string e = saveSeries(d.file("p.vrk"), s);
    EXPECT_FALSE(e.empty());
    EXPECT_EQ(readFile(d.file("p.vrk")), std::string(15360, '\0'));
    // No temporary file left behind.
    int entries = 0;
    for (auto &p : std::filesystem::directory_iterator(d.path())) (void)p, ++entries;
    EXPECT_EQ(entries, 3);
}

TEST(SeriesFile, ReadForBatchUseNeverCreatesFiles) {
    TempDir d;
    Series s;
    LoadResult r = readSeries(d.file("absent.vrk"), s);
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(testutil::readFile(d.file("absent.vrk")).size());
    EXPECT_FALSE(std::filesystem::exists(d.file("absent.vrk")));
    writeFile(d.file("x.vrk"), std::string(160, '\0'));
    ASSERT_TRUE(readSeries(d.file("x.vrk"), s).ok);
    EXPECT_FALSE(std::filesystem::exists(d.file("x.VRT")));
    EXPECT_EQ(s.lines.size(), 1441u);
}
