// The evening's bundle: what it refuses before writing anything, and a run
// where one file cannot be written while the others are, and say so.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/fileio.h"
#include "core/seriesfile.h"
#include "evening/bundle.h"
#include "formats/exportfile.h"
#include "platform/recordingcanvas.h"
#include "testutil.h"

using namespace vrek;
using namespace vrek::bundle;

namespace {

// Pages counted on the recording canvas; the file holds their number.
std::string fakePdf(const std::string &path, const std::function<bool(Canvas &)> &draw, int &pages) {
    RecordingCanvas c;
    if (!draw(c)) return "rien à imprimer";
    pages = c.pages();
    return writeFileAtomic(path, "%PDF " + std::to_string(pages));
}

Job eveningJob(const testutil::TempDir &dir) {
    Job job;
    job.series.clear();
    for (int b = 1; b <= 30; ++b) job.series.deal(b) = testutil::shuffledDeal(b);
    job.seriesFile = dir.file("mardi.vrk");
    saveSeries(job.seriesFile, job.series);
    for (int b = 1; b <= 24; ++b) job.boards.push_back(b);
    for (const ItemInfo &i : items())
        if (i.item != Item::Fingerprint) job.chosen.push_back(i.item);
    job.folder = proposedFolder(job.seriesFile);
    job.date = "08/12/2026";
    job.pbnDate = "2026.12.08";
    for (int b : analysedBoards(job)) job.analysis[b] = DealAnalysis{};
    return job;
}

}  // namespace

TEST(Bundle, RefusesBeforeWritingAnything) {
    testutil::TempDir dir;
    testutil::writeFile(dir.file("fichier"), "x");
    struct Case {
        const char *what;
        std::function<void(Job &)> change;
        std::string message;
    };
    const Case cases[] = {
        {"no item", [](Job &j) { j.chosen.clear(); }, "Aucun fichier n'est choisi."},
        {"no board", [](Job &j) { j.boards.clear(); }, "Aucune donne n'est choisie."},
        {"incomplete", [](Job &j) { j.boards = {23, 24, 31, 32, 40}; }, "Les donnes 31-32,40 ne sont pas complètes."},
        {"fingerprint without key", [](Job &j) { j.chosen.push_back(Item::Fingerprint); },
         "Aucune clé de distribution n'a servi : il n'y a pas d'empreinte à écrire."},
        {"folder is a file", [&](Job &j) { j.folder = dir.file("fichier"); },
         "« " + dir.file("fichier") + " » est un fichier, pas un dossier."},
    };
    for (const Case &c : cases) {
        Job job = eveningJob(dir);
        c.change(job);
        const std::string why = refusal(job);
        EXPECT_NE(why.find(c.message), std::string::npos) << c.what << ": " << why;
        EXPECT_NE(why.find("La soirée n'est pas préparée."), std::string::npos) << c.what;
    }
    EXPECT_EQ(refusal(eveningJob(dir)), "");
    EXPECT_FALSE(std::filesystem::exists(dir.file("mardi")));
}

TEST(Bundle, OneFailureIsNamedAndTheOthersAreWritten) {
    testutil::TempDir dir;
    const Job job = eveningJob(dir);
    // A folder where the DUP file goes: that one cannot be written.
    std::filesystem::create_directories(pathOf(job, Item::Dup));
    EXPECT_EQ(existingFiles(job), std::vector<std::string>{pathOf(job, Item::Dup)});

    const std::vector<Outcome> done = write(job, fakePdf);
    ASSERT_EQ(done.size(), job.chosen.size() + 1);
    std::map<std::string, Outcome> by;
    for (const Outcome &o : done) by[std::filesystem::path(o.path).filename().string()] = o;
    for (const auto &[name, o] : by) EXPECT_EQ(o.ok(), name != "mardi.DUP") << name << ": " << o.error;
    EXPECT_EQ(by["mardi-diagrammes.pdf"].pages, 6);
    EXPECT_EQ(by["mardi-fiches.pdf"].pages, 12);
    EXPECT_EQ(by["mardi-etiquettes.pdf"].pages, 2);
    EXPECT_EQ(by["mardi.PBN"].deals, 24);
    EXPECT_EQ(outcomeLine(by["mardi.LIN"]), "Écrit : " + pathOf(job, Item::Lin) + " (24 donnes)");

    // The same bytes as the export of the same boards.
    const std::string again = dir.file("again.DLM");
    ASSERT_TRUE(exportToFile("dlm", job.series, job.seriesFile, selectionOf(job.boards), {}, again).ok);
    EXPECT_EQ(testutil::readFile(pathOf(job, Item::Dlm)), testutil::readFile(again));

    const std::string list = testutil::readFile(listPath(job));
    EXPECT_EQ(list.rfind("Soirée préparée le 08/12/2026 par Vrek\r\n", 0), 0u) << list;
    EXPECT_NE(list.find("\r\n24 donnes : 1-24\r\n"), std::string::npos);
    EXPECT_NE(list.find("\r\nmardi-fiches.pdf : les fiches ambulantes, 12 pages\r\n"), std::string::npos);
    EXPECT_NE(list.find("\r\nNon écrits :\r\nmardi.DUP : "), std::string::npos);
    EXPECT_EQ(list.find("mardi.DUP : pour"), std::string::npos);
}
