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
// What another user's lock file (mode 0600 or 000) does to us; root meets
// no such refusal, so it is played through the lock's own open.
int othersFile(const char *path, int flags, mode_t mode) {
    if (fileExists(path)) {
        errno = EACCES;
        return -1;
    }
    return ::open(path, flags, mode);
}
// A folder that takes no new file at all.
int noNewFile(const char *path, int flags, mode_t mode) {
    if (flags & O_CREAT && !fileExists(path)) {
        errno = EACCES;
        return -1;
    }
    return ::open(path, flags, mode);
}
struct LockOpen {
    explicit LockOpen(testhooks::LockOpenFn fn) : old(testhooks::setLockOpen(fn)) {}
    ~LockOpen() { testhooks::setLockOpen(old); }
    testhooks::LockOpenFn old;
};
}  // namespace

// A lock file that exists but cannot serve is a refusal naming it, never a
// run without a lock; only a folder that takes no lock file at all means
// working unlocked, and then the user is told once.
TEST(SeriesLock, ALockFileThatCannotServeRefuses) {
    struct Case {
        const char *what;
        void (*make)(const std::string &lock);
        testhooks::LockOpenFn open;
        const char *why;
    };
    const Case cases[] = {
        {"another user's", [](const std::string &l) { testutil::writeFile(l, "4242 autre\n"); }, &othersFile,
         "ne peut pas être ouvert (accès refusé)"},
        {"a link",
         [](const std::string &l) {
             testutil::writeFile(l + "-cible", "");
             ::symlink((l + "-cible").c_str(), l.c_str());
         },
         nullptr, "est un lien symbolique"},
        {"a dangling link", [](const std::string &l) { ::symlink("/nulle/part", l.c_str()); }, nullptr,
         "est un lien symbolique"},
        {"a folder", [](const std::string &l) { ::mkdir(l.c_str(), 0755); }, nullptr, "est un dossier"},
        {"a pipe", [](const std::string &l) { ::mkfifo(l.c_str(), 0644); }, nullptr, "n'est pas un fichier ordinaire"},
    };
    for (const Case &c : cases) {
        TempDir d;
        const std::string lock = d.file(".s.vrek-verrou");
        c.make(lock);
        LockOpen fault(c.open);
        SeriesLock l;
        std::string notice;
        const std::string e = l.acquire(d.file("s.vrk"), &notice);
        EXPECT_NE(e.find("le fichier de verrou " + lock + " " + c.why), std::string::npos) << c.what << ": " << e;
        EXPECT_FALSE(l.covers(d.file("s.vrk"))) << c.what;
        EXPECT_EQ(notice, "") << c.what;
        Workspace w;
        EXPECT_NE(w.open(d.file("s.vrk"), "cap"), "") << c.what;
        EXPECT_FALSE(fileExists(d.file("s.vrk"))) << c.what;
    }

    TempDir d;
    LockOpen fault(&noNewFile);
    SeriesLock l;
    std::string notice;
    EXPECT_EQ(l.acquire(d.file("s.vrk"), &notice), "");
    EXPECT_NE(notice.find("La série " + d.file("s.vrk") + " n'est pas verrouillée"), std::string::npos) << notice;
    notice.clear();
    EXPECT_EQ(l.acquire(d.file("s.vrk"), &notice), "");
    EXPECT_EQ(notice, "");  // once
}
