#include "formats/dup.h"

#include <gtest/gtest.h>

#include "exportfixture.h"

using namespace vrek;

namespace {
const std::string kTurnedRecord =
    "010203041819203435365051520506071415161737383947484908091024252627282930444546"
    "\x06" "AKQJ\x03T98\x04" "765\x05" "432"
    "\x06T98\x03" "AKQJ\x04" "432\x05" "765"
    "\x06" "765\x03" "432\x04" "AKQJ\x05T98"
    "\x06" "432\x03" "765\x04T98\x05" "AKQJ"
    "YN1  1 1  ";

std::string countOf(const std::string &line, int record) { return line.substr(record * 156 + 153, 2); }
}  // namespace

TEST(DupRecord, WorkedExampleAndTurnedDeal) {
    CardOwners suitPerSeat{};
    for (int i = 0; i < 52; ++i) suitPerSeat[i] = static_cast<uint8_t>(i / 13 + 1);
    std::string want;
    for (int i = 1; i <= 39; ++i) want += (i < 10 ? "0" : "") + std::to_string(i);
    want += "\x06" "AKQJT98765432" "\x03\x04\x05";
    want += "\x06\x03" "AKQJT98765432" "\x04\x05";
    want += "\x06\x03\x04" "AKQJT98765432" "\x05";
    want += "\x06\x03\x04\x05" "AKQJT98765432";
    want += "YN1  1 1  ";
    EXPECT_EQ(dupRecord(suitPerSeat, 1), want);
    EXPECT_EQ(dupRecord(*cardOwners(fixture::turnedDeal()), 1), kTurnedRecord);
    EXPECT_EQ(dupRecord(suitPerSeat, 12).substr(146), "YN1  1 12 ");
}

TEST(DupNewFile, NoLineEndAndFixedRecords) {
    Series s = fixture::series(96);
    ExportOutput one = writeDup(s, fixture::firstBoards(1), {});
    ASSERT_TRUE(one.ok()) << one.error;
    EXPECT_EQ(one.bytes, kTurnedRecord);
    EXPECT_EQ(one.bytes.size(), 156u);
    EXPECT_EQ(one.bytes.substr(154), "  ");

    ExportOutput twelve = writeDup(s, fixture::firstBoards(12), {});
    EXPECT_EQ(twelve.count, 12);
    ASSERT_EQ(twelve.bytes.size(), 1872u);
    for (int r = 0; r < 12; ++r) EXPECT_EQ(twelve.bytes.substr(r * 156 + 146, 10), "YN1  1 12 ") << r;
    EXPECT_EQ(twelve.bytes.find('\r'), std::string::npos);
    EXPECT_EQ(twelve.bytes.find('\n'), std::string::npos);
    EXPECT_EQ(twelve.bytes.substr(156, 156), dupRecord(*cardOwners(s.deal(2)), 12));
}

TEST(DupAppend, ThreeBoardsAfter96) {
    Series s = fixture::series(96);
    const std::string old = writeDup(s, fixture::firstBoards(96), {}).bytes;
    ExportOutput out = writeDup(s, fixture::firstBoards(3), fixture::appendTo(old));
    ASSERT_TRUE(out.ok()) << out.error;
    EXPECT_EQ(out.count, 3);
    ASSERT_EQ(out.bytes.size(), 99u * 156 + 2);
    EXPECT_EQ(out.bytes.substr(99 * 156), "\r\n");
    for (int r = 0; r < 99; ++r) EXPECT_EQ(countOf(out.bytes, r), "99") << r;

    std::string want = old;
    for (int r = 0; r < 96; ++r) want.replace(r * 156 + 153, 2, "99");
    for (int d = 1; d <= 3; ++d) want += dupRecord(*cardOwners(s.deal(d)), 99);
    EXPECT_EQ(out.bytes, want + "\r\n");
}

TEST(DupAppend, RefusesWhatDoesNotFit) {
    Series s = fixture::series(96);
    const std::string name = "/club/Lundi.DUP";
    const std::string old = writeDup(s, fixture::firstBoards(96), {}).bytes;

    // 100 boards would not fit the two-character count.
    ExportOutput out = writeDup(s, fixture::firstBoards(4), fixture::appendTo(old, name));
    EXPECT_NE(out.error.find("99"), std::string::npos) << out.error;
    EXPECT_NE(out.error.find(name), std::string::npos);
    EXPECT_TRUE(out.bytes.empty());

    const std::string not96 = "Il n'y a pas 96 mains dans le fichier \r\r" + name;
    const std::string of32 = writeDup(s, fixture::firstBoards(32), {}).bytes;
    EXPECT_EQ(writeDup(s, fixture::firstBoards(1), fixture::appendTo(of32, name)).error, not96);
    EXPECT_EQ(writeDup(s, fixture::firstBoards(1), fixture::appendTo("", name)).error, not96);
    // Counted 96 but cut short: rewriting 96 counts would run off its end.
    EXPECT_EQ(writeDup(s, fixture::firstBoards(1), fixture::appendTo(old.substr(0, 156), name)).error, not96);
    // A 97-board file (appended once already) is no longer a 96-board file.
    const std::string of97 = writeDup(s, fixture::firstBoards(1), fixture::appendTo(old, name)).bytes;
    EXPECT_EQ(writeDup(s, fixture::firstBoards(1), fixture::appendTo(of97, name)).error, not96);
}

TEST(DupExport, BoxOneUncheckedAndIncompleteDeals) {
    Series s = fixture::series(3);
    EXPECT_TRUE(writeDup(s, fixture::boards({2, 3}), {}).nothing);
    s.deal(3).holding(West, Hearts).removeAt(1);
    ExportOutput out = writeDup(s, fixture::firstBoards(3), {});
    EXPECT_NE(out.error.find("La donne 3 "), std::string::npos) << out.error;
    // Only the leading run counts: board 3 after a gap is not exported, so no refusal.
    EXPECT_TRUE(writeDup(s, fixture::boards({1, 3}), {}).ok());
}
