// Files other programs read stay well-formed whatever the user typed, and an
// export or an import never writes where it was not asked to.
#include <gtest/gtest.h>
#include <unistd.h>

#include "core/seriesfile.h"
#include "exportfixture.h"
#include "formats/dat.h"
#include "formats/importer.h"
#include "formats/lin.h"
#include "formats/pbn.h"

using namespace vrek;

namespace {
ExportOptions dated() {
    ExportOptions o;
    o.date = "2024.03.07";
    return o;
}

std::vector<std::string> fields(const std::string &line) {
    std::vector<std::string> f;
    size_t start = 0;
    for (size_t bar; (bar = line.find('|', start)) != std::string::npos; start = bar + 1)
        f.push_back(line.substr(start, bar - start));
    f.push_back(line.substr(start));
    return f;
}
}  // namespace

TEST(PbnContract, TextsThatAreNoContractWriteAnEmptyContractAndNoLead) {
    Series s = fixture::series(4);
    fixture::setContract(s, 1, "Passe");
    fixture::setContract(s, 2, "");
    fixture::setContract(s, 3, "3SA N entame C");
    fixture::setContract(s, 4, "Donne de d\xe9" "fense");
    auto lines = fixture::crlfLines(writePbn(s, fixture::boards({1, 2, 3, 4}), dated()).bytes);
    ASSERT_EQ(lines.size(), 64u);
    for (int d = 0; d < 4; ++d) {
        EXPECT_EQ(lines[16 * d + 9], d == 2 ? "[Contract \"3NT\"]" : "[Contract \"\"]") << d;
        EXPECT_EQ(lines[16 * d + 13], "") << d;  // no lead line
    }
    EXPECT_EQ(lines[16 * 2 + 12], "[Play \"E\"]");

    // DAT: a lead without its rank is no lead either.
    auto dat = fixture::crlfLines(writeDat(s, fixture::boards({3}), {}).bytes);
    EXPECT_EQ(dat[3], "Lead: Any");
}

TEST(LinText, ABarInATextCannotSplitAField) {
    Series plain = fixture::series(2), barred = plain;
    plain.setLine(0, "Lundi / mardi");
    barred.setLine(0, "Lundi | mardi");
    fixture::setContract(plain, 1, "4P S / entame RC");
    fixture::setContract(barred, 1, "4P S | entame RC");
    fixture::setContract(plain, 2, "3SA//");
    fixture::setContract(barred, 2, "3SA||");
    const std::string a = writeLin(plain, fixture::boards({1, 2}), {}).bytes;
    const std::string b = writeLin(barred, fixture::boards({1, 2}), {}).bytes;
    EXPECT_EQ(a, b);
    auto lines = fixture::crlfLines(b);
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(fields(lines[0]).size(), 3u);
    EXPECT_EQ(fields(lines[1]).size(), 3u);
    EXPECT_EQ(fields(lines[3]).size(), 3u);
    EXPECT_EQ(linText("a|b||"), "a/b//");
}

TEST(ExportRules, OnlyCompleteBoardsAreExported) {
    Series s = fixture::series(10);
    s.deal(12).hand(North) = testutil::handFrom("AKQ.-.-.-");
    // 11 empty, 12 with three cards, 13 empty.
    EXPECT_EQ(incompleteBoards(ExportFormat::Lin, s, fixture::boards({9, 10, 11, 12, 13})),
              (std::vector<int>{11, 12, 13}));
    EXPECT_EQ(incompleteMessage({11, 12, 13}),
              "Les donnes 11, 12 et 13 ne sont pas complètes : seules les donnes complètes s'exportent. "
              "Rien n'est exporté.");
    EXPECT_EQ(incompleteMessage({5}), "La donne 5 n'est pas complète : seules les donnes complètes s'exportent. "
                                      "Rien n'est exporté.");
    // The machine files take the leading run only: a board after a gap is not exported.
    EXPECT_TRUE(incompleteBoards(ExportFormat::Dup, s, fixture::boards({1, 2, 12})).empty());
    EXPECT_TRUE(incompleteBoards(ExportFormat::PbnAll, s, completeBoards(s)).empty());
}

TEST(ExportRules, AnExportNeverReplacesTheSeriesItReads) {
    testutil::TempDir d;
    Series s = fixture::series(2);
    ASSERT_EQ(saveSeries(d.file("Lundi.vrk"), s), "");
    for (const std::string t : {"Lundi.vrk", "Lundi.VRT", "Lundi.VRK", "Lundi.vrt", "./Lundi.vrk"})
        EXPECT_NE(overwritesSeries(d.file("Lundi.vrk"), d.file(t)), "") << t;
    ::symlink(d.file("Lundi.VRT").c_str(), d.file("lien.pbn").c_str());
    EXPECT_NE(overwritesSeries(d.file("Lundi.vrk"), d.file("lien.pbn")), "");
    EXPECT_EQ(overwritesSeries(d.file("Lundi.vrk"), d.file("Lundi.PBN")), "");
    EXPECT_EQ(overwritesSeries(d.file("Lundi.vrk"), d.file("lundi.vrk")), "");
    EXPECT_EQ(overwritesSeries(d.file("Lundi.vrk"), d.file("Lundi.vrk")),
              "Le fichier " + d.file("Lundi.vrk") +
                  " est un fichier de la série exportée : l'exportation ne le remplace pas. Rien n'est exporté.");
}

TEST(ImportTarget, AnImportAsksBeforeItsSeriesNameReplacesAnotherFile) {
    testutil::TempDir d;
    testutil::writeFile(d.file("Lundi.pbn"), "[Board \"1\"]\n");
    // Nothing there yet, or the open series itself: no question.
    EXPECT_EQ(replaceQuestion(d.file("Lundi.pbn"), d.file("Autre.vrk")), "");
    EXPECT_EQ(replaceQuestion(d.file("Lundi.pbn"), d.file("Lundi.vrk")), "");
    ASSERT_EQ(saveSeries(d.file("Lundi.VRK"), fixture::series(1)), "");
    EXPECT_EQ(replaceQuestion(d.file("Lundi.pbn"), d.file("Autre.vrk")),
              " Le fichier " + d.file("Lundi.VRK") +
                  " existe déjà : la série importée le remplacera au prochain enregistrement. Faut-il continuer ? ");
    EXPECT_EQ(replaceQuestion(d.file("Lundi.pbn"), d.file("Lundi.VRK")), "");
    // A text file alone is a file to keep too.
    testutil::writeFile(d.file("Mardi.vrt"), "titre\r\n");
    EXPECT_NE(replaceQuestion(d.file("Mardi.dup"), d.file("Autre.vrk")), "");
}
