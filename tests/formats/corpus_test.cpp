// PBN and LIN files written the ways other programs write them: every deal
// is read under its number, every refused deal is named by its line.
#include <gtest/gtest.h>

#include "formats/linimport.h"
#include "formats/pbnimport.h"
#include "importfixture.h"

using namespace vrek;

namespace {

// The four hands of the turned deal; D1 has them North .. West, D2 turned once more.
const char *H1 = "AKQJ.T98.765.432", *H2 = "T98.AKQJ.432.765", *H3 = "765.432.AKQJ.T98", *H4 = "432.765.T98.AKQJ";
const Deal D1 = testutil::dealFrom(H1, H2, H3, H4), D2 = testutil::dealFrom(H2, H3, H4, H1);
std::string pbn(const std::string &first, const std::string &hands) { return "[Deal \"" + first + ":" + hands + "\"]"; }
const std::string N1 = std::string(H1) + " " + H2 + " " + H3 + " " + H4;  // D1 from North
// LIN hands: South, West, North, then East (left out).
const std::string L1 = "S765H432DAKQJCT98,S432H765DT98CAKQJ,SAKQJHT98D765C432,";
const std::string L2 = "S432H765DT98CAKQJ,SAKQJHT98D765C432,ST98HAKQJD432C765,";

struct Corpus {
    const char *name;
    std::string bytes;
    ImportRead (*read)(const std::string &, const std::vector<int> &);
    std::vector<std::pair<int, Deal>> deals;
    std::vector<std::string> skipped;
};

const std::vector<Corpus> &corpus() {
    static const std::vector<Corpus> c = {
        {"PBN : commentaires et lignes d'échappement",
         "% PBN 2.1\r\n% EXPORT\r\n{ un commentaire\r\n[Board \"77\"] sur deux lignes }\r\n; [Deal \"N:- - - -\"]\r\n"
         "[Event \"Club\"] ; fin de ligne\r\n[Board \"5\"] {5 bis}\r\n" + pbn("N", N1) + "\r\n",
         readPbn, {{5, D1}}, {}},
        {"PBN : valeurs héritées et inconnues, premier joueur, trois mains",
         "[Event \"Soirée\"]\n[Board \"1\"]\n[Dealer \"E\"]\n" + pbn("E", std::string(H2) + " " + H3 + " " + H4 + " " + H1) +
             "\n\n[Event \"#\"]\n[Board \"?\"]\n[Deal \"#\"]\n\n[Board \"3\"]\n" + pbn("S", std::string(H3) + " " + H4 + " - " + H2) +
             "\n\n[Board \"4\"]\n" + pbn("W", std::string(H4) + " " + H1 + " " + H2 + " ...") + "\n",
         readPbn, {{1, D1}, {2, D1}, {3, D1}, {4, D1}}, {}},
        {"PBN : sans ligne vide ni [Board], fins de ligne CR, minuscules",
         pbn("n", "akqj.t98.765.432 t98.akqj.432.765 765.432.akqj.t98 432.765.t98.akqj") + "\r" + pbn("N", "- - - -") + "\r" +
             pbn("N", std::string(H2) + " " + H3 + " " + H4 + " " + H1) + "\r",
         readPbn, {{1, D1}, {3, D2}}, {"ligne 2 : la donne ne contient aucune carte"}},
        {"PBN : refus nommés par leur ligne",
         "[Board \"1\"]\n" + pbn("N", std::string("AKQJ.T98.765.43 ") + H2 + " " + H3 + " " + H4) + "\n\n[Board \"2\"]\n" +
             pbn("N", std::string(H1) + " T98.AKQJ.432.76 " + H3 + " " + H4) + "\n\n[Board \"3\"]\n" +
             pbn("N", std::string(H1) + " " + H2 + " " + H3 + " AKQJ.765.T98.AKQJ") + "\n\n[Board \"4\"]\n[Deal \"N:AKQ\n" +
             "[Board \"5\"]\n" + pbn("N", N1) + "\n[Board \"6\"]\n\n",
         readPbn, {{5, D1}},
         {"ligne 2 : la donne n'a que 12 cartes en Nord", "ligne 5 : la donne n'a que 12 cartes en Est",
          "ligne 8 : l'as de pique figure deux fois (Nord et Ouest)", "ligne 11 : la balise [Deal] est mal formée",
          "ligne 14 : la partie n'a pas de balise [Deal]"}},
        {"LIN : fichier BBO, deux salles, ah|Board N|",
         "vg|Club,Soirée,I,1,2,A,0,B,0|\r\npn|Sud,Ouest,Nord,Est|st||\r\nqx|o1|md|3" + L1 + "|sv|o|pg||\r\n"
         "qx|c1|pn|a,b,c,d|md|3" + L1 + "|sv|o|mb|p|pg||\r\nmd|4" + L2 + "|rh||ah|Board 7|sv|b|pg||\r\n",
         readLin, {{1, D1}, {7, D2}}, {}},
        {"LIN : lignes sans barre finale, minuscules, 10",
         "md|1s765h432dakqjc1098,s432h765d1098cakqj,sakqjh1098d765c432|sv|o\nmd|2" + L2 + "\nnt|commentaire|\n"
         "md|3S765H432DAKQJCT98,S432H765DT98CAKQ,SAKQJHT98D765C432,|\nmd|3S76XH432,,,|\n",
         readLin, {{1, D1}, {2, D2}},
         {"ligne 4 : la donne n'a que 12 cartes en Ouest",
          "ligne 5 : caractère « X » inattendu dans la donne « md| »"}},
        {"LIN : longues suites de fins de ligne dans une valeur et avant une clé",
         "md|3S765H432DAKQJCT98," + std::string(3000, '\n') + " \r\n  S432H765DT98CAKQJ,SAKQJHT98D765C432,|" +
             std::string(3000, '\n') + "md|4" + L2 + std::string(3000, '\n') + "  ah|Board 7|",
         readLin, {{1, D1}, {7, D2}}, {}},
    };
    return c;
}

TEST(Corpus, EveryDealReadEveryRefusalNamedByItsLine) {
    for (const Corpus &c : corpus()) {
        const ImportRead r = c.read(c.bytes, importfix::range(1, 96));
        ASSERT_TRUE(r.ok()) << c.name << ": " << r.error;
        EXPECT_EQ(r.skipped, c.skipped) << c.name;
        ASSERT_EQ(r.deals.size(), c.deals.size()) << c.name;
        for (size_t i = 0; i < c.deals.size(); ++i) {
            EXPECT_EQ(r.deals[i].board, c.deals[i].first) << c.name;
            EXPECT_EQ(r.deals[i].deal, c.deals[i].second) << c.name << " donne " << c.deals[i].first;
        }
    }
}

// The analysis tags come back as the board's analysis when the deal goes to
// a board of the same dealer and vulnerability, and not otherwise.
TEST(Corpus, PbnAnalysisFollowsItsBoard) {
    testutil::TempDir dir;
    Series s = fixture::series(3);
    std::map<int, DealAnalysis> given;
    for (int b = 1; b <= 3; ++b) {
        DealAnalysis &a = given[b];
        for (int seat = 0; seat < 4; ++seat)
            for (int st = 0; st < kStrains; ++st) a.tricks[seat][st] = (seat * 5 + st + b) % 14;
        a.parScore = b == 3 ? 0 : 420 * (b == 1 ? 1 : -1);
        if (b != 3) a.par = {ParContract{4, 1, b == 1 ? "NS" : "E", b == 2}};
    }
    ExportOptions o;
    o.date = "2024.03.07";
    o.analysis = &given;
    const std::string file = dir.file("a.pbn");
    std::string bytes = exportSeries(ExportFormat::PbnAll, s, fixture::firstBoards(3), o).bytes;
    // Board 3 told by its results table only.
    const size_t dd3 = bytes.find("[DoubleDummyTricks", bytes.find("[Board \"3\"]"));
    bytes.erase(dd3, bytes.find("\r\n", dd3) + 2 - dd3);
    testutil::writeFile(file, bytes);

    Series in;
    ImportResult r = importDeals(in, importfix::request(ImportFormat::Pbn, file, {1, 2, 3}));
    ASSERT_TRUE(r.ok()) << r.error;
    EXPECT_EQ(r.analyses, given);
    // Inserted at 17 and 18, the same dealers and vulnerabilities as 1 and 2: kept.
    r = importDeals(in, importfix::request(ImportFormat::Pbn, file, {1, 2}, 17));
    EXPECT_EQ(r.analyses, (std::map<int, DealAnalysis>{{17, given[1]}, {18, given[2]}}));
    // At 2 and 3 the par of boards 1 and 2 does not hold.
    r = importDeals(in, importfix::request(ImportFormat::Pbn, file, {1, 2}, 2));
    EXPECT_TRUE(r.ok() && r.analyses.empty());
}

// A par the deal cannot have drops the file's analysis, not the deal.
TEST(Corpus, PbnParOfImpossibleTricksIsNotKept) {
    const struct {
        const char *par;
        bool kept;
    } cases[] = {{"NS 4S", true}, {"N 7NT", true}, {"EW 1C-7", true}, {"N 7NT+1", false},
                 {"S 3NT+8", false}, {"EW 1D-8", false}, {"NS 4SX-10", true}};
    for (const auto &c : cases) {
        const std::string game = "[Board \"1\"]\n" + pbn("N", N1) + "\n[DoubleDummyTricks \"0123456789abcd012345\"]\n"
                                 "[OptimumScore \"NS 420\"]\n[ParContract \"" + c.par + "\"]\n";
        const ImportRead r = readPbn(game, {1});
        ASSERT_EQ(r.deals.size(), 1u) << c.par;
        EXPECT_EQ(r.deals[0].analysis.has_value(), c.kept) << c.par;
    }
}

}  // namespace
