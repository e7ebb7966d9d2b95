// The lock a program takes on a series while it may write it, so that two
// windows or commands never interleave their saves. It is a lock file
// beside the series holding the holder's process and machine, locked with
// flock(): the system lets go of it when the holder ends, even by a crash.
#pragma once
#include <string>
#include <sys/types.h>

namespace vrek {

class SeriesLock {
public:
    SeriesLock() = default;
    ~SeriesLock() { release(); }
    SeriesLock(SeriesLock &&o) noexcept;
    SeriesLock &operator=(SeriesLock &&o) noexcept;
    SeriesLock(const SeriesLock &) = delete;
    SeriesLock &operator=(const SeriesLock &) = delete;

    // Takes the lock of the series (the pair NAME.vrk / NAME.VRT), letting
    // go of any other it held. Returns "" or the French refusal naming the
    // holder, or the lock file when it exists but cannot serve (another
    // user's that cannot be opened, a link, a folder). Only a folder where
    // no lock file can be created at all (read-only media) means working
    // unlocked: `notice` then receives the French remark, once per series.
    std::string acquire(const std::string &seriesFile, std::string *notice = nullptr);
    void release();
    bool held() const { return fd_ >= 0; }
    // Whether this object already holds the lock of that series.
    bool covers(const std::string &seriesFile) const;

private:
    int fd_ = -1;
    std::string path_;
    std::string unlockedFor_;  // the lock file that could not be made, when working without
};

// The lock file of a series: ".NAME.vrek-verrou" beside the pair, the name
// taken after any symbolic link so that every way to the series meets it.
std::string lockFileName(const std::string &seriesFile);

namespace testhooks {
// The open() the lock uses; tests swap it to meet what other users' files do.
using LockOpenFn = int (*)(const char *path, int flags, mode_t mode);
LockOpenFn setLockOpen(LockOpenFn fn);  // returns the previous one
int lockOpen(const char *path, int flags, mode_t mode);
}  // namespace testhooks

}  // namespace vrek
