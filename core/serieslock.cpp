#include "core/serieslock.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/fileio.h"

namespace vrek {

namespace {
bool sameInode(int fd, const std::string &path) {
    struct stat a, b;
    return ::fstat(fd, &a) == 0 && ::stat(path.c_str(), &b) == 0 && a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// "processus 1234 sur la machine club" from the holder's "1234 club".
std::string holderOf(int fd) {
    char buf[256];
    ssize_t n = ::pread(fd, buf, sizeof buf - 1, 0);
    if (n <= 0) return {};
    std::string s(buf, static_cast<size_t>(n));
    s = s.substr(0, s.find('\n'));
    const auto blank = s.find(' ');
    if (blank == std::string::npos || blank == 0) return {};
    const std::string pid = s.substr(0, blank), host = s.substr(blank + 1);
    if (pid.find_first_not_of("0123456789") != std::string::npos) return {};
    return " (processus " + pid + (host.empty() ? std::string() : " sur la machine " + host) + ")";
}
}  // namespace

std::string lockFileName(const std::string &seriesFile) {
    int e = 0;
    std::string path = followLinks(seriesFile, e);
    if (e) path = seriesFile;
    const auto slash = path.find_last_of('/');
    const std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    if (name.size() >= 4) name.resize(name.size() - 4);  // the pair shares one lock
    return folder + "." + name + ".vrek-verrou";
}

SeriesLock::SeriesLock(SeriesLock &&o) noexcept
    : fd_(o.fd_), path_(std::move(o.path_)), unlockedFor_(std::move(o.unlockedFor_)) {
    o.fd_ = -1;
    o.unlockedFor_.clear();
}

SeriesLock &SeriesLock::operator=(SeriesLock &&o) noexcept {
    if (this != &o) {
        release();
        fd_ = o.fd_;
        path_ = std::move(o.path_);
        unlockedFor_ = std::move(o.unlockedFor_);
        o.fd_ = -1;
        o.unlockedFor_.clear();
    }
    return *this;
}

bool SeriesLock::covers(const std::string &seriesFile) const {
    if (fd_ < 0) return !unlockedFor_.empty() && unlockedFor_ == lockFileName(seriesFile);
    return sameInode(fd_, lockFileName(seriesFile));
}

void SeriesLock::release() {
    unlockedFor_.clear();
    if (fd_ < 0) return;
    // Removed while still locked, so that nobody locks a file on its way out.
    if (sameInode(fd_, path_)) ::unlink(path_.c_str());
    ::close(fd_);
    fd_ = -1;
    path_.clear();
}

std::string SeriesLock::acquire(const std::string &seriesFile, std::string *notice) {
    if (covers(seriesFile)) return {};
    const std::string path = lockFileName(seriesFile);
    auto refused = [&](const std::string &why) {
        return "La série " + seriesFile + " ne peut pas être verrouillée : le fichier de verrou " + path + " " + why +
               ". Sans verrou, un autre programme Vrek pourrait la modifier en même temps : rien n'est fait. "
               "Supprimez ce fichier s'il n'est pas celui d'un programme Vrek en cours.";
    };
    // Working without a lock, said once for the series.
    auto unlocked = [&](const std::string &why) {
        release();
        unlockedFor_ = path;
        if (notice)
            *notice = "La série " + seriesFile + " n'est pas verrouillée : " + why +
                      ". Veillez à ce qu'aucun autre programme Vrek ne la modifie en même temps.";
        return std::string();
    };
    // A few rounds: the holder may remove the file between our open and lock.
    for (int round = 0; round < 8; ++round) {
        bool writable = true;
        const int flags = O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK;
        int fd = testhooks::lockOpen(path.c_str(), O_RDWR | O_CREAT | flags, 0666);
        if (fd < 0) {
            const int e = errno;
            struct stat st;
            if (::lstat(path.c_str(), &st) != 0) {
                // The folder itself does not exist: the open or save says so.
                if (e == ENOENT || e == ENOTDIR) {
                    release();
                    return {};
                }
                return unlocked("aucun fichier de verrou ne peut être créé dans son dossier (" + errnoText(e) + ")");
            }
            if (S_ISLNK(st.st_mode)) return refused("est un lien symbolique");
            if (S_ISDIR(st.st_mode)) return refused("est un dossier");
            // Another user's lock that we may read still locks (flock needs no
            // write access); one we may not even read is a refusal.
            if (e == EACCES || e == EPERM || e == EROFS) {
                writable = false;
                fd = testhooks::lockOpen(path.c_str(), O_RDONLY | flags, 0);
            }
            if (fd < 0) return refused("ne peut pas être ouvert (" + errnoText(errno) + ")");
        }
        struct stat st;
        if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
            ::close(fd);
            return refused("n'est pas un fichier ordinaire");
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int e = errno;
            if (e == EWOULDBLOCK) {
                std::string who = holderOf(fd);
                ::close(fd);
                return "La série " + seriesFile + " est en cours d'utilisation par un autre programme Vrek" + who +
                       " : deux programmes ne peuvent pas la modifier à la fois. Réessayez quand il l'aura libérée.";
            }
            ::close(fd);
            return unlocked("son support ne permet pas de verrouiller un fichier (" + errnoText(e) + ")");
        }
        if (sameInode(fd, path)) {
            if (writable) {
                char host[256] = {};
                ::gethostname(host, sizeof host - 1);
                const std::string who = std::to_string(::getpid()) + " " + host + "\n";
                // Only for the refusal's text: a failure here changes nothing.
                if (::ftruncate(fd, 0) != 0 || ::pwrite(fd, who.data(), who.size(), 0) < 0) {
                }
            }
            release();
            fd_ = fd;
            path_ = path;
            return {};
        }
        ::close(fd);
    }
    return "La série " + seriesFile + " n'a pas pu être verrouillée : réessayez.";
}

namespace testhooks {
namespace {
int systemOpen(const char *path, int flags, mode_t mode) { return ::open(path, flags, mode); }
LockOpenFn openFn = &systemOpen;
}  // namespace

int lockOpen(const char *path, int flags, mode_t mode) { return openFn(path, flags, mode); }

LockOpenFn setLockOpen(LockOpenFn fn) {
    LockOpenFn old = openFn;
    openFn = fn ? fn : &systemOpen;
    return old;
}
}  // namespace testhooks

}  // namespace vrek
