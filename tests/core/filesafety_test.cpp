// Saves that replace the pair whole or not at all, whatever the disk does:
// a rename that fails half-way, read-only files, symbolic links, huge files.
#include <gtest/gtest.h>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/fileio.h"
#include "core/seriesfile.h"
#include "testutil.h"

using namespace vrek;
using testutil::readFile;
using testutil::TempDir;
using testutil::writeFile;

namespace {

Series numbered(const std::string &title) {
    Series s;
    s.clear();
    s.setLine(0, title);
    s.deal(1) = testutil::shuffledDeal(title.size());
    return s;
}

int entriesIn(const std::string &dir) {
    int n = 0;
    for (auto &e : std::filesystem::directory_iterator(dir)) (void)e, ++n;
    return n;
}

bool endsWith(const char *s, const char *tail) {
    size_t a = std::strlen(s), b = std::strlen(tail);
    return a >= b && std::strcmp(s + a - b, tail) == 0;
}

// The second rename of a pair (the text file) fails as on a full or removed disk.
int failOnText(const char *from, const char *to) {
    if (endsWith(to, ".VRT")) {
        errno = EIO;
        return -1;
    }
    return ::rename(from, to);
}

struct RenameFault {
    explicit RenameFault(testhooks::RenameFn fn) : old(testhooks::setRename(fn)) {}
    ~RenameFault() { testhooks::setRename(old); }
    testhooks::RenameFn old;
};

// A save killed before its n-th step: the hook stops it there, as a kill would.
int stopAt = 0, stepsSeen = 0;
bool untilStop(const char *) { return ++stepsSeen != stopAt; }

// The text file's rename fails, and so does putting the deal file back.
int failOnTextAndBack(const char *from, const char *to) {
    if (endsWith(to, ".VRT") || std::strstr(from, ".old")) {
        errno = EIO;
        return -1;
    }
    return ::rename(from, to);
}

}  // namespace

// Whatever step a save is killed at, the next open makes the pair wholly old
// or wholly new and says so when it had to; a reader meanwhile reads what
// the open will make, and nothing of the save is left behind.
TEST(PairSave, AKillAtAnyStepLeavesAWholePair) {
    const Series before = numbered("avant"), after = numbered("après, plus long");
    // Steps: two temporary files, the old deal file kept, the journal, two
    // renames, the journal removed, the old deal file removed.
    const bool completed[] = {false, false, false, false, true, true, true, true};
    const bool told[] = {false, false, false, false, true, true, true, false};
    for (stopAt = 1; stopAt <= 9; ++stopAt) {
        TempDir d;
        const std::string file = d.file("s.vrk");
        ASSERT_EQ(saveSeries(file, before), "");
        stepsSeen = 0;
        testhooks::setStep(&untilStop);
        const std::string e = saveSeries(file, after);
        testhooks::setStep(nullptr);
        if (stopAt == 9) {  // nothing stopped it
            EXPECT_EQ(e, "");
            break;
        }
        Series read, opened;
        LoadResult r = readSeries(file, read);
        ASSERT_TRUE(r.ok) << stopAt << r.error;
        EXPECT_EQ(r.notice.empty(), !told[stopAt - 1]) << stopAt;
        r = loadSeries(file, opened);
        ASSERT_TRUE(r.ok) << stopAt << r.error;
        EXPECT_EQ(opened, completed[stopAt - 1] ? after : before) << stopAt;
        EXPECT_EQ(read, opened) << stopAt;
        EXPECT_EQ(r.notice.find("avait été interrompu : il a été achevé") != std::string::npos, told[stopAt - 1])
            << stopAt << r.notice;
        EXPECT_EQ(entriesIn(d.path()), 2) << stopAt;
    }
    EXPECT_EQ(stopAt, 9);
}

// A save whose old file could not be put back keeps its journal: the next
// open puts it back.
TEST(PairSave, AnUndoneSaveIsFinishedByTheNextOpen) {
    TempDir d;
    const Series before = numbered("avant");
    ASSERT_EQ(saveSeries(d.file("p.vrk"), before), "");
    std::string e;
    {
        RenameFault fault(&failOnTextAndBack);
        e = saveSeries(d.file("p.vrk"), numbered("après"));
    }
    EXPECT_NE(e.find("L'ancien contenu de " + d.file("p.vrk") + " est gardé dans"), std::string::npos) << e;
    Series opened;
    const LoadResult r = loadSeries(d.file("p.vrk"), opened);
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(opened, before);
    EXPECT_NE(r.notice.find("il a été annulé"), std::string::npos) << r.notice;
    EXPECT_EQ(entriesIn(d.path()), 2);
}

// What killed saves leave beside the pair goes at the next open or save;
// nothing else does, and nothing of it is ever read as a series.
TEST(PairLoad, LeftoversOfKilledSavesGo) {
    TempDir d;
    ASSERT_EQ(saveSeries(d.file("s.vrk"), numbered("s")), "");
    const std::vector<std::string> leftovers = {"s.vrk.tmpAb12Cd", "s.VRT.tmp000000", "s.vrk.oldXyZ123",
                                                ".s.vrek-journal.tmpqwerty"},
                                   others = {"s.vrk.tmp12345", "s.vrk.tmpAb1-Cd", "t.vrk.tmpAb12Cd", "s.tmpAbCdEf.vrk"};
    for (const std::string &f : leftovers) writeFile(d.file(f), "x");
    for (const std::string &f : others) writeFile(d.file(f), "garde");
    Series s;
    ASSERT_TRUE(loadSeries(d.file("s.vrk"), s).ok);
    EXPECT_EQ(s, numbered("s"));
    writeFile(d.file("s.VRT.oldZZZZZZ"), "x");
    ASSERT_EQ(saveSeries(d.file("s.vrk"), s), "");
    for (const std::string &f : leftovers) EXPECT_FALSE(fileExists(d.file(f))) << f;
    EXPECT_FALSE(fileExists(d.file("s.VRT.oldZZZZZZ")));
    for (const std::string &f : others) EXPECT_EQ(readFile(d.file(f)), "garde") << f;
}

TEST(PairSave, ASecondRenameThatFailsPutsTheFirstFileBack) {
    TempDir d;
    ASSERT_EQ(saveSeries(d.file("p.vrk"), numbered("avant")), "");
    const std::string deals = readFile(d.file("p.vrk")), texts = readFile(d.file("p.VRT"));
    std::string e;
    {
        RenameFault fault(&failOnText);
        e = saveSeries(d.file("p.vrk"), numbered("après, plus long"));
    }
    EXPECT_NE(e.find(d.file("p.VRT")), std::string::npos) << e;
    EXPECT_NE(e.find(d.file("p.vrk") + " et " + d.file("p.VRT")), std::string::npos) << e;
    EXPECT_NE(e.find("restés tels qu'ils étaient"), std::string::npos) << e;
    EXPECT_EQ(readFile(d.file("p.vrk")), deals);
    EXPECT_EQ(readFile(d.file("p.VRT")), texts);
    EXPECT_EQ(entriesIn(d.path()), 2);  // no temporary or kept copy left

    // A pair that did not exist is not left half-created either.
    {
        RenameFault fault(&failOnText);
        EXPECT_NE(saveSeries(d.file("neuf.vrk"), numbered("x")), "");
    }
    EXPECT_FALSE(fileExists(d.file("neuf.vrk")));
    EXPECT_EQ(entriesIn(d.path()), 2);
}

TEST(PairSave, AReadOnlyFileIsNeverReplaced) {
    TempDir d;
    ASSERT_EQ(saveSeries(d.file("r.vrk"), numbered("garde")), "");
    const std::string texts = readFile(d.file("r.VRT"));
    ::chmod(d.file("r.VRT").c_str(), 0444);
    std::string e = saveSeries(d.file("r.vrk"), numbered("remplace"));
    EXPECT_EQ(e, "Impossible d'écrire le fichier " + d.file("r.VRT") +
                     " : le fichier est en lecture seule. Les fichiers " + d.file("r.vrk") + " et " +
                     d.file("r.VRT") + " sont restés tels qu'ils étaient.");
    EXPECT_EQ(readFile(d.file("r.VRT")), texts);

    // An export over a read-only file is refused the same way.
    writeFile(d.file("x.pbn"), "ancien");
    ::chmod(d.file("x.pbn").c_str(), 0400);
    EXPECT_NE(writeFileAtomic(d.file("x.pbn"), "nouveau").find("lecture seule"), std::string::npos);
    EXPECT_EQ(readFile(d.file("x.pbn")), "ancien");
    EXPECT_EQ(entriesIn(d.path()), 3);
}

TEST(PairSave, ALinkIsWrittenThroughAndStaysALink) {
    TempDir d;
    ::mkdir(d.file("vrai").c_str(), 0755);
    ASSERT_EQ(saveSeries(d.file("vrai/s.vrk"), numbered("un")), "");
    ::symlink("vrai/s.vrk", d.file("s.vrk").c_str());
    ::symlink(d.file("vrai/s.VRT").c_str(), d.file("s.VRT").c_str());
    const Series two = numbered("deux");
    ASSERT_EQ(saveSeries(d.file("s.vrk"), two), "");
    EXPECT_TRUE(std::filesystem::is_symlink(d.file("s.vrk")));
    EXPECT_TRUE(std::filesystem::is_symlink(d.file("s.VRT")));
    Series back;
    ASSERT_TRUE(loadSeries(d.file("vrai/s.vrk"), back).ok);
    EXPECT_EQ(back, two);
    EXPECT_EQ(entriesIn(d.file("vrai")), 2);
    // An export through a link to a file not written yet creates that file.
    ::symlink("vrai/nouveau.pbn", d.file("lien.pbn").c_str());
    ASSERT_EQ(writeFileAtomic(d.file("lien.pbn"), "x"), "");
    EXPECT_EQ(readFile(d.file("vrai/nouveau.pbn")), "x");
    EXPECT_TRUE(std::filesystem::is_symlink(d.file("lien.pbn")));
}

TEST(PairSave, SystemFaultsAreToldInFrenchWords) {
    TempDir d;
    ::symlink("boucle.vrk", d.file("boucle.vrk").c_str());
    std::string e = saveSeries(d.file("boucle.vrk"), numbered("x"));
    EXPECT_NE(e.find("boucle"), std::string::npos) << e;
    EXPECT_EQ(e.find("erreur"), std::string::npos) << e;
    for (int err : {ELOOP, EXDEV, EBUSY, EFBIG, ETXTBSY, EEXIST, ESTALE, ENOLCK})
        EXPECT_EQ(errnoText(err).find("erreur"), std::string::npos) << err;
}

TEST(PairLoad, ReadersReadWhatTheyNeed) {
    TempDir d;
    // A 3 GiB sparse deal file: the first 96 records only.
    Series one = numbered("titre");
    ASSERT_EQ(saveSeries(d.file("g.vrk"), one), "");
    ASSERT_EQ(::truncate(d.file("g.vrk").c_str(), off_t(3) << 30), 0);
    const auto t0 = std::chrono::steady_clock::now();
    Series s;
    LoadResult r = loadSeries(d.file("g.vrk"), s);
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - t0);
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(s.deal(1), one.deal(1));
    EXPECT_LT(ms.count(), 1000);

    // A text file past 64 MB is refused and the stores stay as they were.
    ASSERT_EQ(::truncate(d.file("g.VRT").c_str(), off_t(65) << 20), 0);
    Series kept = numbered("gardé");
    Series target = kept;
    r = loadSeries(d.file("g.vrk"), target);
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.error.find("trop grand"), std::string::npos) << r.error;
    EXPECT_EQ(target, kept);
    EXPECT_EQ(std::filesystem::file_size(d.file("g.VRT")), uintmax_t(65) << 20);

    // A text of more lines than any series has is refused before it is
    // split: 64 MB of line ends would be 64 million lines.
    const std::string over = "Le fichier " + d.file("g.VRT") + " compte plus de 100 000 lignes";
    for (const auto &[text, refused] : std::vector<std::pair<std::string, bool>>{
             {std::string(kMaxTextLines * 2, '\r'), true},  // CR CR: two lines each
             {std::string(kMaxTextLines, '\n'), false},
             {std::string(kMaxTextLines - 1, '\n') + "x", false},
             {std::string(kMaxTextLines, '\n') + "x", true},
             {[] { std::string t; for (size_t i = 0; i < kMaxTextLines; ++i) t += "a\r\n"; return t; }(), false},
             {std::string((size_t(64) << 20) - 1, '\n'), true}}) {
        writeFile(d.file("g.VRT"), text);
        for (auto read : {loadSeries, readSeries}) {
            target = kept;
            r = read(d.file("g.vrk"), target);
            EXPECT_EQ(r.ok, !refused) << text.size();
            EXPECT_EQ(r.error.rfind(over, 0) == 0, refused) << r.error;
            if (refused) {
                EXPECT_EQ(target, kept);
            }
        }
        EXPECT_EQ(readFile(d.file("g.VRT")), text);
    }
}

TEST(PairLoad, TheTextFileIsFoundWhateverTheCaseOfItsExtension) {
    TempDir d;
    writeFile(d.file("lundi.vrk"), std::string(15360, '\0'));
    writeFile(d.file("lundi.vrt"), "Lundi soir\r\nth\xe8me\r\n");
    Series s;
    ASSERT_TRUE(loadSeries(d.file("lundi.vrk"), s).ok);
    EXPECT_EQ(s.line(0), "Lundi soir");
    EXPECT_EQ(s.line(1), "th\xe8me");
    EXPECT_FALSE(fileExists(d.file("lundi.VRT")));
    s.setLine(0, "Mardi");
    ASSERT_EQ(saveSeries(d.file("lundi.vrk"), s), "");
    EXPECT_EQ(readFile(d.file("lundi.vrt")).substr(0, 7), "Mardi\r\n");
    EXPECT_FALSE(fileExists(d.file("lundi.VRT")));
    EXPECT_EQ(findTextFile(d.file("lundi.vrk")), d.file("lundi.vrt"));
    // Only the extension's case is free: another stem is another series.
    EXPECT_EQ(findTextFile(d.file("Lundi.vrk")), d.file("Lundi.VRT"));
}

TEST(PairLoad, AStrayNulKeepsTheTextsAfterIt) {
    using L = std::vector<std::string>;
    EXPECT_EQ(splitTextLines(std::string("a\r\nb\0c\r\nd", 9)), (L{"a", "bc", "d"}));
    // Padding after a NUL still ends the text.
    EXPECT_EQ(splitTextLines(std::string("a\r\nb\0\0 \r\n\0", 10)), (L{"a", "b"}));
    EXPECT_EQ(splitTextLines(std::string("a\r\n\0\0\0", 6)), (L{"a"}));

    // The whole path: one NUL in line 2 of 1441 costs no theme at the next save.
    TempDir d;
    Series s;
    s.clear();
    for (int b = 1; b <= kBoards; ++b) s.setLine(themeLine(b), "Thème " + std::to_string(b));
    ASSERT_EQ(saveSeries(d.file("n.vrk"), s), "");
    std::string text = readFile(d.file("n.VRT"));
    text.insert(text.find("Th"), 1, '\0');
    writeFile(d.file("n.VRT"), text);
    Series back;
    ASSERT_TRUE(loadSeries(d.file("n.vrk"), back).ok);
    ASSERT_EQ(saveSeries(d.file("n.vrk"), back), "");
    ASSERT_TRUE(loadSeries(d.file("n.vrk"), back).ok);
    EXPECT_EQ(back, s);
}
