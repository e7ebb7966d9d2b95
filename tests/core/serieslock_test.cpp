// One writer per series at a time: the lock file, its holder's name in the
// refusal, a crashed holder that leaves nothing stuck, and the model that
// holds the lock of the open series.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "core/fileio.h"
#include "core/serieslock.h"
#include "core/workspace.h"
#include "testutil.h"

using namespace vrek;
using testutil::TempDir;

TEST(SeriesLock, ASecondHolderIsRefusedUntilTheFirstLetsGo) {
    TempDir d;
    SeriesLock a, b;
    ASSERT_EQ(a.acquire(d.file("Lundi.vrk")), "");
    EXPECT_TRUE(a.held());
    EXPECT_TRUE(fileExists(d.file(".Lundi.vrek-verrou")));
    // The same pair by another spelling of its extension is the same series.
    std::string e = b.acquire(d.file("Lundi.VRK"));
    EXPECT_NE(e.find("La série " + d.file("Lundi.VRK") + " est en cours d'utilisation"), std::string::npos) << e;
    EXPECT_NE(e.find("(processus " + std::to_string(::getpid())), std::string::npos) << e;
    EXPECT_FALSE(b.held());
    // Another series is free.
    SeriesLock c;
    EXPECT_EQ(c.acquire(d.file("Mardi.vrk")), "");

    a.release();
    EXPECT_FALSE(fileExists(d.file(".Lundi.vrek-verrou")));
    EXPECT_EQ(b.acquire(d.file("Lundi.vrk")), "");
    // Taking the lock of another series lets go of the first.
    EXPECT_EQ(b.acquire(d.file("Jeudi.vrk")), "");
    EXPECT_EQ(a.acquire(d.file("Lundi.vrk")), "");
}

TEST(SeriesLock, ACrashedHolderLeavesNothingStuck) {
    TempDir d;
    const std::string series = d.file("s.vrk");
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        SeriesLock l;
        if (!l.acquire(series).empty()) ::_exit(1);
        ::_exit(0);  // no release: the process just ends
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_EQ(WEXITSTATUS(status), 0);
    EXPECT_TRUE(fileExists(d.file(".s.vrek-verrou")));  // left behind, yet free
    SeriesLock l;
    EXPECT_EQ(l.acquire(series), "");
}

TEST(SeriesLock, TheWindowHoldsTheOpenSeries) {
    TempDir d;
    Workspace first, second;
    ASSERT_EQ(first.open(d.file("a.vrk"), "cap"), "");
    // Reopening one's own series is no conflict.
    ASSERT_EQ(first.open(d.file("a.vrk"), "cap"), "");
    EXPECT_NE(second.open(d.file("a.vrk"), "cap"), "");
    EXPECT_FALSE(second.fileOpen());
    SeriesLock batch;
    EXPECT_NE(batch.acquire(d.file("a.vrk")), "");

    // Saving under another name moves the lock there.
    ASSERT_EQ(first.saveAs(d.file("b.vrk"), "cap"), "");
    EXPECT_NE(batch.acquire(d.file("b.vrk")), "");
    EXPECT_EQ(second.open(d.file("a.vrk"), "cap"), "");
    // A save refused by the lock writes nothing and keeps the series modified.
    ASSERT_EQ(first.open(d.file("c.vrk"), "cap"), "");
    ASSERT_EQ(batch.acquire(d.file("d.vrk")), "");
    first.setLine(0, "titre");
    EXPECT_NE(first.saveAs(d.file("d.vrk"), "cap"), "");
    EXPECT_FALSE(fileExists(d.file("d.vrk")));
    EXPECT_EQ(first.seriesFileName(), d.file("c.vrk"));
    EXPECT_TRUE(first.modified());
}

namespace {
// Another user's lock file (mode 0600 or 000) and a folder that takes no new
// file: root meets neither, so they are played through the lock's own open.
int refused(const char *path, int flags, mode_t mode) {
    const std::string p = path;
    if (p.find("/.autre.") != std::string::npos || p.find("/plein/") != std::string::npos) return errno = EACCES, -1;
    return ::open(path, flags, mode);
}
}  // namespace

// A lock file that exists but cannot serve is a refusal naming it, never a
// run without a lock; only a folder that takes no lock file at all means
// working unlocked, and then the user is told once.
TEST(SeriesLock, ALockFileThatCannotServeRefuses) {
    TempDir d;
    const auto old = testhooks::setLockOpen(&refused);
    testutil::writeFile(d.file(".autre.vrek-verrou"), "4242 autre\n");
    testutil::writeFile(d.file("cible"), "");
    ::symlink(d.file("cible").c_str(), d.file(".lien.vrek-verrou").c_str());
    ::symlink("/nulle/part", d.file(".perdu.vrek-verrou").c_str());
    ::mkdir(d.file(".dossier.vrek-verrou").c_str(), 0755);
    ::mkfifo(d.file(".tube.vrek-verrou").c_str(), 0644);
    for (const auto &[name, why] : {std::pair{"autre", "ne peut pas être ouvert (accès refusé)"},
                                    {"lien", "est un lien symbolique"}, {"perdu", "est un lien symbolique"},
                                    {"dossier", "est un dossier"}, {"tube", "n'est pas un fichier ordinaire"}}) {
        const std::string series = d.file(std::string(name) + ".vrk");
        SeriesLock l;
        const std::string e = l.acquire(series);
        EXPECT_NE(e.find("le fichier de verrou " + lockFileName(series) + " " + why), std::string::npos) << e;
        Workspace w;
        EXPECT_NE(w.open(series, "cap"), "") << name;
        EXPECT_FALSE(fileExists(series)) << name;
    }
    ::mkdir(d.file("plein").c_str(), 0755);
    SeriesLock l;
    std::string notice;
    EXPECT_EQ(l.acquire(d.file("plein/s.vrk"), &notice), "");
    EXPECT_NE(notice.find("La série " + d.file("plein/s.vrk") + " n'est pas verrouillée"), std::string::npos);
    notice.clear();
    EXPECT_EQ(l.acquire(d.file("plein/s.vrk"), &notice), "");
    EXPECT_EQ(notice, "");  // once
    testhooks::setLockOpen(old);
}
