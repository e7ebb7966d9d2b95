// Damaged and foreign files: every deal that cannot be read is named with
// its line or record and the fault, the others are imported; when none can
// be, or the file is not of its format, the series stays exactly as it was.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "formats/dlm.h"
#include "importfixture.h"

using namespace vrek;
using importfix::request;

namespace {

class ImportDamage : public ::testing::Test {
protected:
    testutil::TempDir dir;
    Series source = importfix::randomSeries(11);
    Series before = [] {
        Series s = importfix::randomSeries(12);
        s.lines = importfix::textedSeries("avant").lines;
        return s;
    }();

    std::string write(const std::string &name, const std::string &bytes) {
        testutil::writeFile(dir.file(name), bytes);
        return dir.file(name);
    }
    // Runs the import or insertion of the damaged `board` alone, which is
    // refused with every `parts` and changes nothing; then with board 2 too,
    // which is imported while the damaged one is named in the report.
    void refused(ImportFormat f, const std::string &file, std::vector<int> boards, int insertAt,
                 std::initializer_list<std::string> parts) {
        for (int at : {0, insertAt}) {
            if (f == ImportFormat::Vrk && !at) continue;
            Series s = before;
            ImportResult r = importDeals(s, request(f, file, boards, at));
            EXPECT_FALSE(r.ok()) << file;
            for (const auto &p : parts) EXPECT_NE(r.error.find(p), std::string::npos) << r.error << " / " << p;
            EXPECT_TRUE(importfix::sameSeries(s, before)) << r.error;
            if (f == ImportFormat::Vrk || std::find(boards.begin(), boards.end(), 2) != boards.end() ||
                !scanImportFile(f, file).available[1])
                continue;
            boards.insert(boards.begin(), 2);
            r = importDeals(s, request(f, file, boards, at));
            ASSERT_TRUE(r.ok()) << r.error;
            EXPECT_EQ(r.count, 1);
            EXPECT_EQ(s.deal(at ? at : 2), source.deal(2));
            const std::string report = skippedReport(r);
            EXPECT_EQ(report.rfind("1 donne écartée :\r", 0), 0u) << report;
            for (const auto &p : parts) EXPECT_NE(report.find(p), std::string::npos) << report << " / " << p;
            boards.erase(boards.begin());
        }
    }
    std::string dup(int n = 96) { return importfix::exported(ExportFormat::Dup, source, fixture::firstBoards(n)); }
    std::string dlm(int n = 96) { return importfix::exported(ExportFormat::Dlm, source, fixture::firstBoards(n)); }
    std::string pbn() { return importfix::exported(ExportFormat::PbnAll, source, fixture::firstBoards(96)); }
};

TEST_F(ImportDamage, DupCardIndices) {
    std::string bad = dup();
    bad.replace(156 * 4 + 26 + 4, 2, "53");  // East's third card of board 5
    refused(ImportFormat::Dup, write("a.dup", bad), {5}, 1, {"enregistrement 5 :", "« 53 » d'Est", "01 à 52"});
    bad = dup();
    bad.replace(156 * 2, 2, "00");
    refused(ImportFormat::Dup, write("b.dup", bad), {3}, 1, {"enregistrement 3 :", "« 00 »"});
    bad = dup();
    bad.replace(156 * 2 + 10, 2, "x7");
    refused(ImportFormat::Dup, write("c.dup", bad), {3}, 1, {"enregistrement 3 :", "« x7 »"});
    // A card given twice: South repeats North's first card.
    bad = dup();
    bad.replace(156 * 6 + 52, 2, bad.substr(156 * 6, 2));
    refused(ImportFormat::Dup, write("d.dup", bad), {7}, 1, {"enregistrement 7 :", "figure deux fois", "Nord et Sud"});
    // A line that stops inside the cards of the board (the file changed after the scan).
    refused(ImportFormat::Dup, write("e.dup", dup().substr(0, 156 + 50)), {2}, 1, {"enregistrement 2 :", "s'arrête"});
}

TEST_F(ImportDamage, DupSuitOfTenCards) {
    // North: ten spades and three hearts; the rest as they fall.
    std::string rec;
    for (int i : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 14, 15, 16}) rec += (i < 10 ? "0" : "") + std::to_string(i);
    for (int i = 17; i <= 42; ++i) rec += std::to_string(i);
    rec += std::string(156 - rec.size(), ' ');
    refused(ImportFormat::Dup, write("f.dup", rec), {1}, 1, {"enregistrement 1 :", "Nord", "plus de 9 cartes à pique"});
}

TEST_F(ImportDamage, DlmLettersAndLines) {
    std::string bad = dlm();
    size_t at = bad.find("Board 04=");
    bad[at + 9 + 3] = 'q';
    refused(ImportFormat::Dlm, write("a.dlm", bad), {4}, 1, {"ligne 18 :", "« q »", "a à p"});
    bad = dlm();
    at = bad.find("Board 12=");
    bad.erase(at + 9 + 20, 9);  // 20 letters, then the line end
    refused(ImportFormat::Dlm, write("b.dlm", bad), {12}, 1, {"ligne 34 :", "trop courte", "20 lettres"});
    bad = dlm();
    at = bad.find("Board 30=");
    bad.replace(at, 9, "Bored 30=");
    refused(ImportFormat::Dlm, write("c.dlm", bad), {30}, 1, {"donne 30 :", "« Board 30= »", "manque"});
    // 26 'a': North would get every card.
    refused(ImportFormat::Dlm, write("d.dlm", "To board=1\r\nBoard 01=" + std::string(26, 'a') + "000\r\n"), {1}, 1,
            {"ligne 2 :", "Nord", "plus de 9 cartes à pique"});
    // North 14 cards without a long suit, the others shared out in turn.
    CardOwners owners{};
    int next = 0;
    for (int i = 1; i <= 52; ++i) {
        bool north = (i >= 1 && i <= 4) || (i >= 14 && i <= 17) || (i >= 27 && i <= 29) || (i >= 40 && i <= 42);
        owners[i - 1] = static_cast<uint8_t>(north ? North : East + next++ % 3);
    }
    refused(ImportFormat::Dlm, write("e.dlm", "To board=1\r\n" + dlmBoardLine(1, dlmBoardLetters(owners)) + "\r\n"), {1},
            1, {"ligne 2 :", "la main de Nord aurait plus de 13 cartes"});
}

TEST_F(ImportDamage, PbnDeals) {
    const std::string good = pbn();
    auto dealOf = [&](int b) {
        size_t board = good.find("[Board \"" + std::to_string(b) + "\"]");
        size_t deal = good.find("[Deal \"", board);
        return std::make_pair(deal, good.find("\r\n", deal) - deal);
    };
    auto lineOf = [&](size_t offset) {
        return "ligne " + std::to_string(std::count(good.begin(), good.begin() + offset, '\n') + 1) + " :";
    };
    auto [d8, n8] = dealOf(8);
    const std::string at8 = lineOf(d8);
    std::string bad = good;
    bad.replace(d8, n8, "[Deal \"N:AAKQJ.T98.765.432 T98.KQJ.432.765 765.432.AKQJ.T98 432.765.T98.AKQJ\"]");
    refused(ImportFormat::Pbn, write("a.pbn", bad), {8}, 1, {at8, "l'as de pique figure deux fois"});
    bad = good;
    bad.replace(d8, n8, "[Deal \"N:AKQJT.98765.432.A T98.KQJ.432.765 - -\"]");
    refused(ImportFormat::Pbn, write("b.pbn", bad), {8}, 1, {at8, "plus de 13 cartes"});
    bad = good;
    bad.replace(d8, n8, "[Deal \"N:AKQX.T98.765.432 - - -\"]");
    refused(ImportFormat::Pbn, write("c.pbn", bad), {8}, 1, {at8, "« X »", "à la place d'une carte"});
    bad = good;
    bad.replace(d8, n8, "[Deal \"N:AK.Q.J.T.9 - - -\"]");
    refused(ImportFormat::Pbn, write("d.pbn", bad), {8}, 1, {at8, "plus de quatre couleurs"});
    bad = good;
    bad.replace(d8, n8, "[Deal \"N:AKQJT98765.2.3.4 - - -\"]");
    refused(ImportFormat::Pbn, write("e.pbn", bad), {8}, 1, {at8, "plus de 9 cartes à pique"});
    // A board without its deal does not borrow the next board's.
    bad = good;
    bad.replace(d8, n8, "[Dial \"\"]");
    refused(ImportFormat::Pbn, write("f.pbn", bad), {8}, 1, {lineOf(good.rfind("[Event", d8)), "[Deal]"});
    auto [d96, n96] = dealOf(96);
    bad = good.substr(0, d96);
    refused(ImportFormat::Pbn, write("g.pbn", bad), {96}, 1, {lineOf(good.rfind("[Event", d96)), "[Deal]"});
}

TEST_F(ImportDamage, SeriesFiles) {
    Series other = importfix::randomSeries(13);
    std::string records = serializeDeals(other);
    const std::string vrt = serializeTexts(importfix::textedSeries("autre"));
    write("a.VRT", vrt);
    refused(ImportFormat::Vrk, write("a.vrk", records + "abc"), {1}, 1, {"a.vrk", "multiple de 160"});
    write("b.VRT", vrt);
    refused(ImportFormat::Vrk, write("b.vrk", records + records.substr(0, 160)), {1}, 1, {"97 donnes"});
    write("e.VRT", std::string(kMaxTextLines + 1, '\n'));
    refused(ImportFormat::Vrk, write("e.vrk", records), {1}, 1, {"e.VRT compte plus de 100 000 lignes"});
    // A stored record with a count of 12, a rank of 15, a card twice.
    for (auto [offset, value, fault] : {std::tuple<int, int, const char *>{0, 12, "12 cartes à trèfle"},
                                       {1, 15, "rang 15"},
                                       {41, 0, "figure deux fois"}}) {
        std::string damaged = records;
        const int board = 6;
        char *rec = damaged.data() + 160 * (board - 1);
        if (offset == 41) {
            // East's first club becomes North's first club.
            rec[41] = rec[1];
            ASSERT_GT(static_cast<unsigned char>(rec[0]), 0);
            ASSERT_GT(static_cast<unsigned char>(rec[40]), 0);
        } else {
            rec[offset] = static_cast<char>(value);
        }
        write("c.VRT", vrt);
        refused(ImportFormat::Vrk, write("c.vrk", damaged), {board}, 1, {"enregistrement 6 :", fault});
    }
    // A series is inserted, never imported.
    Series s = before;
    ImportResult r = importDeals(s, request(ImportFormat::Vrk, write("d.vrk", records), {1}, 0));
    EXPECT_NE(r.error.find("Insérer"), std::string::npos);
    EXPECT_TRUE(importfix::sameSeries(s, before));
}

TEST_F(ImportDamage, InsertionPastBoard96AndMissingFiles) {
    const std::string file = write("a.dup", dup());
    Series s = before;
    ImportResult r = importDeals(s, request(ImportFormat::Dup, file, {1, 2, 3}, 95));
    EXPECT_NE(r.error.find("3 donnes à partir de la position 95"), std::string::npos) << r.error;
    EXPECT_TRUE(importfix::sameSeries(s, before));
    // The last one that fits.
    r = importDeals(s, request(ImportFormat::Dup, file, {1, 2}, 95));
    EXPECT_TRUE(r.ok()) << r.error;
    EXPECT_EQ(s.deal(96), source.deal(2));

    s = before;
    r = importDeals(s, request(ImportFormat::Pbn, dir.file("absent.pbn"), {1}, 0));
    EXPECT_NE(r.error.find("n'existe pas"), std::string::npos);
    EXPECT_TRUE(importfix::sameSeries(s, before));
    ImportScan scan = scanImportFile(ImportFormat::Dup, dir.path());
    EXPECT_NE(scan.error, "");
    EXPECT_EQ(scanImportFile(ImportFormat::Dlm, dir.file("absent.dlm")).error,
              "Le fichier " + dir.file("absent.dlm") + " n'existe pas.");
}

}  // namespace
