// The evening's bundle: what it refuses before writing anything (the files
// themselves are checked through vrek bundle and the window).
#include <gtest/gtest.h>

#include <filesystem>

#include "evening/bundle.h"
#include "testutil.h"

using namespace vrek;
using namespace vrek::bundle;

namespace {

Job eveningJob(const testutil::TempDir &dir) {
    Job job;
    job.series.clear();
    for (int b = 1; b <= 30; ++b) job.series.deal(b) = testutil::shuffledDeal(b);
    job.seriesFile = dir.file("mardi.vrk");
    for (int b = 1; b <= 24; ++b) job.boards.push_back(b);
    for (const ItemInfo &i : items())
        if (i.item != Item::Fingerprint) job.chosen.push_back(i.item);
    job.folder = proposedFolder(job.seriesFile);
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
