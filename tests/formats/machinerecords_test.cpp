// BRI and DGE files equal, byte for byte, the records their description
// gives (built here, card by card, not by the writers), are the two halves
// of the DUP records, and read back with their blank and damaged records.
#include <gtest/gtest.h>

#include "formats/bri.h"
#include "formats/dge.h"
#include "formats/dup.h"
#include "importfixture.h"

using namespace vrek;

namespace {

// Card 1 = spade ace .. 13 = spade two, 14 = heart ace .. 52 = club two.
std::string cardNumbers(const Hand &h) {
    std::string s;
    const int suits[4] = {Spades, Hearts, Diamonds, Clubs};
    for (int i = 0; i < 4; ++i)
        for (int k = 1; k <= h.suit(suits[i]).count; ++k) {
            const int n = i * 13 + (14 - h.suit(suits[i]).rank(k)) + 1;
            s += static_cast<char>('0' + n / 10);
            s += static_cast<char>('0' + n % 10);
        }
    return s;
}

std::string rankLetters(const Hand &h) {
    std::string s;
    const int suits[4] = {Spades, Hearts, Diamonds, Clubs};
    const char marks[4] = {0x06, 0x03, 0x04, 0x05};
    for (int i = 0; i < 4; ++i) {
        s += marks[i];
        for (int k = 1; k <= h.suit(suits[i]).count; ++k) s += "  23456789TJQKA"[h.suit(suits[i]).rank(k)];
    }
    return s;
}

std::string described(ExportFormat f, const Series &s, int n) {
    std::string out;
    for (int b = 1; b <= n; ++b) {
        const Deal &d = s.deal(b);
        if (f == ExportFormat::Bri)
            out += cardNumbers(d.hand(North)) + cardNumbers(d.hand(East)) + cardNumbers(d.hand(South)) +
                   std::string(32, ' ') + std::string(18, '\0');
        else
            out += rankLetters(d.hand(North)) + rankLetters(d.hand(East)) + rankLetters(d.hand(South)) +
                   rankLetters(d.hand(West)) + std::string(60, '\0');
    }
    return out;
}

TEST(MachineRecords, BriAndDgeAsDescribedAndAsTheHalvesOfDup) {
    const Series s = fixture::series(96);
    // Board 1 by hand: North holds AKQJ of spades, T98 of hearts, 765 of diamonds, 432 of clubs.
    EXPECT_EQ(importfix::exported(ExportFormat::Bri, s, fixture::firstBoards(1)).substr(0, 26),
              "01020304181920343536505152");
    EXPECT_EQ(importfix::exported(ExportFormat::Dge, s, fixture::firstBoards(1)).substr(0, 17),
              "\x06" "AKQJ\x03T98\x04" "765\x05" "432");
    const std::string dup = importfix::exported(ExportFormat::Dup, s, fixture::firstBoards(96));
    for (int n : {1, 24, 96}) {
        const std::string bri = importfix::exported(ExportFormat::Bri, s, fixture::firstBoards(n));
        const std::string dge = importfix::exported(ExportFormat::Dge, s, fixture::firstBoards(n));
        ASSERT_EQ(bri.size(), 128u * n);
        EXPECT_EQ(bri, described(ExportFormat::Bri, s, n)) << n;
        EXPECT_EQ(dge, described(ExportFormat::Dge, s, n)) << n;
        for (int b = 0; b < n; ++b) {
            EXPECT_EQ(bri.substr(128 * b, 78), dup.substr(156 * b, 78)) << b + 1;
            EXPECT_EQ(dge.substr(128 * b, 68), dup.substr(156 * b + 78, 68)) << b + 1;
        }
    }
}

TEST(MachineRecords, LeadingRunAppendAndRefusals) {
    const Series s = fixture::series(96);
    for (ExportFormat f : {ExportFormat::Bri, ExportFormat::Dge}) {
        const std::string all = importfix::exported(f, s, fixture::firstBoards(96));
        // Boards 1, 2 and 4: the run 1 .. 2.
        EXPECT_EQ(importfix::exported(f, s, fixture::boards({1, 2, 4})), all.substr(0, 256));
        ExportOutput out = exportSeries(f, s, fixture::boards({2, 3}), {});
        EXPECT_TRUE(out.nothing);
        // "à partir de 97": after exactly 96 records, the new ones are 97, 98.
        out = exportSeries(f, s, fixture::firstBoards(2), fixture::appendTo(all, "/c/x"));
        EXPECT_EQ(out.bytes, all + all.substr(0, 256));
        EXPECT_EQ(out.count, 2);
        out = exportSeries(f, s, fixture::firstBoards(2), fixture::appendTo(all.substr(128), "/c/x"));
        EXPECT_EQ(out.error, not96BoardsMessage("/c/x"));
        EXPECT_EQ(out.bytes, "");
        Series holed = s;
        holed.deal(2).hand(West).suit(Clubs).count = 0;
        EXPECT_NE(exportSeries(f, holed, fixture::firstBoards(3), {}).error.find("La donne 2 n'est pas complète"),
                  std::string::npos);
    }
}

TEST(MachineRecords, BlankRecordsAreNoBoardsAndDamagedOnesAreNamed) {
    const Series s = fixture::series(4);
    std::string bri = std::string(128, ' ') + importfix::exported(ExportFormat::Bri, s, fixture::firstBoards(4));
    bri[128 * 3 + 30] = 'x';  // record 4: East's third card
    const std::string badIndex = std::string("x") + bri[128 * 3 + 31];
    std::string dge = std::string(128, '\0') + importfix::exported(ExportFormat::Dge, s, fixture::firstBoards(4));
    dge.erase(128 + 33, 1);  // East's last club of board 2
    dge.insert(128 + 127, 1, '\0');
    struct Case {
        const std::string &bytes;
        ImportScan (*scan)(const std::string &);
        ImportRead (*read)(const std::string &, const std::vector<int> &);
        std::string skipped;
        int first;  // the series' board read first
    } cases[] = {
        {bri, scanBri, readBri, "enregistrement 4 : l'indice de carte « " + badIndex + " » d'Est n'est pas un nombre de 01 à 52", 1},
        {dge, scanDge, readDge, "enregistrement 2 : la donne n'a que 12 cartes en Est", 2},
    };
    for (const Case &c : cases) {
        const ImportScan scan = c.scan(c.bytes);
        ASSERT_EQ(scan.error, "");
        EXPECT_EQ(scan.count(), 4);
        EXPECT_FALSE(scan.available[0]);  // the leading blank record
        const ImportRead r = c.read(c.bytes, {2, 3, 4, 5});
        ASSERT_EQ(r.skipped, std::vector<std::string>{c.skipped});
        ASSERT_EQ(r.deals.size(), 3u);
        EXPECT_EQ(r.deals[0].deal, s.deal(c.first));
    }
}

}  // namespace
