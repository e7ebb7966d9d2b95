#include "formats/dlm.h"

#include <gtest/gtest.h>

#include "exportfixture.h"

using namespace vrek;

namespace {
// North the spades, East the hearts, South the diamonds, West the clubs.
CardOwners suitPerSeat() {
    CardOwners o{};
    for (int i = 0; i < 52; ++i) o[i] = static_cast<uint8_t>(i / 13 + 1);
    return o;
}

const std::string kTurnedLetters = "aafgkpnfeapokkkpmafhpokfea";

std::vector<std::string> header(int boards, int checksum) {
    return {"[Document]",
            "Headline=Lundi soir",
            "Status=Edit",
            "Duplicates=1",
            "From board=1",
            "To board=" + std::to_string(boards),
            "Next board to duplimate=1",
            "PrintOuts=0",
            "Crypto key=0",
            "Checksum=" + std::to_string(checksum)};
}

Series titled(int complete) {
    Series s = fixture::series(complete);
    s.setLine(0, "Lundi soir");
    return s;
}
}  // namespace

TEST(DlmLetters, WorkedExampleAndChecksums) {
    const std::string letters = dlmBoardLetters(suitPerSeat());
    EXPECT_EQ(letters, "aaaaaabffffffkkkkkklpppppp");
    EXPECT_EQ(dlmBoardLine(1, letters), "Board 01=aaaaaabffffffkkkkkklpppppp015");
    EXPECT_EQ(dlmBoardLine(10, letters), "Board 10=aaaaaabffffffkkkkkklpppppp004");
    EXPECT_EQ(dlmBoardLine(96, letters), "Board 96=aaaaaabffffffkkkkkklpppppp110");
    EXPECT_EQ(dlmChecksum(96, "ab"), 99);
    EXPECT_EQ(dlmChecksum(32, "ab"), 35);
    EXPECT_EQ(dlmBoardLetters(*cardOwners(fixture::turnedDeal())), kTurnedLetters);
}

TEST(DlmNewFile, OneBoardWithFillers) {
    ExportOutput out = writeDlm(titled(1), fixture::firstBoards(1), {});
    ASSERT_TRUE(out.ok()) << out.error;
    EXPECT_EQ(out.count, 1);
    std::vector<std::string> want = header(1, 2);
    want.push_back("Duplicates 01=0");
    want.push_back("Board 01=" + kTurnedLetters + "007");
    want.push_back("Board 02=" + kTurnedLetters + "004");
    want.push_back("Board 03=" + kTurnedLetters + "005");
    auto lines = fixture::crlfLines(out.bytes);
    ASSERT_EQ(lines.size(), 10u + 2 + 98);
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 14), want);
    EXPECT_EQ(lines[15].substr(0, 9), "Board 05=");
    EXPECT_EQ(lines[20].substr(0, 9), "Board 10=");
    EXPECT_EQ(lines.back(), "Board 99=" + kTurnedLetters + "101");
}

TEST(DlmNewFile, RunsOf32And96) {
    Series s = titled(96);
    auto lines = fixture::crlfLines(writeDlm(s, fixture::firstBoards(32), {}).bytes);
    ASSERT_EQ(lines.size(), 10u + 64 + 67);
    EXPECT_EQ(lines[5], "To board=32");
    EXPECT_EQ(lines[9], "Checksum=35");
    EXPECT_EQ(lines[10 + 62], "Duplicates 32=0");
    EXPECT_EQ(lines[10 + 64].substr(0, 9), "Board 33=");
    // Fillers copy the last deal of the run.
    const std::string last = dlmBoardLetters(*cardOwners(s.deal(32)));
    EXPECT_EQ(lines[10 + 63].substr(9, 26), last);
    EXPECT_EQ(lines.back().substr(9, 26), last);

    lines = fixture::crlfLines(writeDlm(s, fixture::firstBoards(96), {}).bytes);
    ASSERT_EQ(lines.size(), 10u + 192 + 3);
    EXPECT_EQ(lines[9], "Checksum=99");
    EXPECT_EQ(lines[10].substr(0, 14), "Duplicates 01=");
    EXPECT_EQ(lines[11], "Board 01=" + kTurnedLetters + "007");
    EXPECT_EQ(lines[202].substr(0, 9), "Board 97=");
}

TEST(DlmAppend, TwoBoardsAfter96) {
    Series s = titled(96);
    const std::string old = writeDlm(s, fixture::firstBoards(96), {}).bytes;
    ExportOutput out = writeDlm(s, fixture::firstBoards(2), fixture::appendTo(old));
    ASSERT_TRUE(out.ok()) << out.error;
    EXPECT_EQ(out.count, 2);

    std::vector<std::string> want = fixture::crlfLines(old);
    want.resize(want.size() - 3);  // fillers 97 .. 99 give way
    want[5] = "To board=98";
    want[9] = "Checksum=97";
    const std::string second = dlmBoardLetters(*cardOwners(s.deal(2)));
    want.push_back("Duplicates 97=0");
    want.push_back("Board 97=" + kTurnedLetters + "103");
    want.push_back("Duplicates 98=0");
    want.push_back(dlmBoardLine(98, second));
    want.push_back(dlmBoardLine(99, second));
    EXPECT_EQ(out.bytes, fixture::crlf(want));
}

TEST(DlmAppend, ThreeOrMoreBoardsNeedNoFiller) {
    Series s = titled(96);
    const std::string old = writeDlm(s, fixture::firstBoards(96), {}).bytes;
    auto lines = fixture::crlfLines(writeDlm(s, fixture::firstBoards(4), fixture::appendTo(old)).bytes);
    EXPECT_EQ(lines[5], "To board=100");
    EXPECT_EQ(lines[9], "Checksum=103");
    EXPECT_EQ(lines[lines.size() - 2], "Duplicates 100=0");
    EXPECT_EQ(lines.back().substr(0, 10), "Board 100=");
    EXPECT_EQ(lines.size(), 10u + 192 + 8);
}

TEST(DlmAppend, RefusesFilesThatAreNot96Boards) {
    Series s = titled(96);
    const std::string name = "/club/Lundi.DLM";
    const std::string of32 = writeDlm(s, fixture::firstBoards(32), {}).bytes;
    ExportOutput out = writeDlm(s, fixture::firstBoards(2), fixture::appendTo(of32, name));
    EXPECT_EQ(out.error, "Il n'y a pas 96 mains dans le fichier \r\r/club/Lundi.DLM");
    EXPECT_TRUE(out.bytes.empty());
    EXPECT_EQ(writeDlm(s, fixture::firstBoards(2), fixture::appendTo("", name)).error, out.error);

    // The board count says 96 but the header checksum line is not the one of 96 boards.
    std::string tampered = writeDlm(s, fixture::firstBoards(96), {}).bytes;
    tampered.replace(tampered.find("Checksum=99"), 11, "Checksum=98");
    out = writeDlm(s, fixture::firstBoards(2), fixture::appendTo(tampered, name));
    EXPECT_NE(out.error.find("Checksum=99"), std::string::npos) << out.error;
    EXPECT_NE(out.error.find(name), std::string::npos);
    EXPECT_TRUE(out.bytes.empty());
}

TEST(DlmExport, BoxOneUncheckedDoesNothing) {
    ExportOutput out = writeDlm(titled(5), fixture::boards({2, 3}), {});
    EXPECT_TRUE(out.nothing);
    EXPECT_TRUE(out.error.empty());
    EXPECT_TRUE(out.bytes.empty());
}

TEST(DlmExport, RefusesADealAMachineCannotDeal) {
    Series s = titled(3);
    s.deal(2).holding(North, Spades).removeAt(1);  // 51 cards
    ExportOutput out = writeDlm(s, fixture::firstBoards(3), {});
    EXPECT_NE(out.error.find("La donne 2 "), std::string::npos) << out.error;
    EXPECT_TRUE(out.bytes.empty());

    // A card held twice is no deal either, even with 52 cards.
    s = titled(3);
    s.deal(1).holding(East, Clubs).ranks[0] = 4;  // North holds the four too
    EXPECT_NE(writeDlm(s, fixture::firstBoards(3), {}).error.find("La donne 1 "), std::string::npos);
}
