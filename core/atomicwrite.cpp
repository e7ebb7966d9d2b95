// Replacing files whole: each new content goes to a temporary file beside its
// target and is renamed over it only once every file of the group is ready.
// When a later rename fails, the files already replaced get their old
// content back from a hard link (or a copy) kept until the end. A group with
// a journal survives a kill at any step: see savejournal.h.
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/fileio.h"
#include "core/savejournal.h"

namespace vrek {

namespace testhooks {
namespace {
int systemRename(const char *from, const char *to) { return ::rename(from, to); }
RenameFn renameFn = &systemRename;
StepFn stepFn = nullptr;
}  // namespace

RenameFn setRename(RenameFn fn) {
    RenameFn old = renameFn;
    renameFn = fn ? fn : &systemRename;
    return old;
}

StepFn setStep(StepFn fn) {
    StepFn old = stepFn;
    stepFn = fn;
    return old;
}
}  // namespace testhooks

namespace {

struct Target {
    std::string name;    // as the caller gave it, for the messages
    std::string path;    // where the bytes go: the end of any link chain
    std::string temp;    // the new content, beside it
    std::string backup;  // the old content while later renames are pending
    bool existed = false;
    mode_t mode = 0;
};

std::string dirOf(const std::string &path) {
    auto p = path.find_last_of('/');
    if (p == std::string::npos) return ".";
    if (p == 0) return "/";
    return path.substr(0, p);
}

bool writeAll(int fd, const char *data, size_t size) {
    size_t done = 0;
    while (done < size) {
        ssize_t n = ::write(fd, data + done, size - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

std::string writeError(const Target &t, int e) { return "Impossible d'écrire le fichier " + t.name + " : " + errnoText(e); }

// Follows links, checks that the target may be replaced and writes the new
// content to a temporary file beside it. Returns "" or the error.
std::string prepare(Target &t, const std::string &bytes) {
    int e = 0;
    t.path = followLinks(t.name, e);
    if (e) return writeError(t, e);
    struct stat st;
    if (::stat(t.path.c_str(), &st) == 0) {
        if (!S_ISREG(st.st_mode)) return "Impossible d'écrire " + t.name + " : ce n'est pas un fichier ordinaire";
        // A file made read-only keeps its content, even for a user whom the
        // folder would let replace it.
        bool readOnly = (st.st_mode & 0222) == 0;
        int denied = 0;
        if (!readOnly && ::access(t.path.c_str(), W_OK) != 0) {
            denied = errno;
            readOnly = denied != ENOENT;
        }
        if (denied == EROFS) return writeError(t, EROFS);
        if (readOnly) return "Impossible d'écrire le fichier " + t.name + " : le fichier est en lecture seule";
        t.existed = true;
        t.mode = st.st_mode & 07777;
    } else if (errno != ENOENT) {
        return writeError(t, errno);
    } else {
        mode_t mask = ::umask(0);
        ::umask(mask);
        t.mode = 0666 & ~mask;
    }
    std::string tmpl = t.path + ".tmpXXXXXX";
    int fd = ::mkstemp(tmpl.data());
    if (fd < 0) return writeError(t, errno);
    t.temp = tmpl;
    ::fchmod(fd, t.mode);
    bool ok = writeAll(fd, bytes.data(), bytes.size()) && ::fsync(fd) == 0;
    e = errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        e = errno;
    }
    return ok ? std::string() : writeError(t, e);
}

bool copyFile(const std::string &from, const std::string &to, mode_t mode) {
    int in = ::open(from.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0) return false;
    int out = ::open(to.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (out < 0) {
        ::close(in);
        return false;
    }
    char buf[65536];
    bool ok = true;
    for (;;) {
        ssize_t n = ::read(in, buf, sizeof buf);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            ok = n == 0;
            break;
        }
        if (!writeAll(out, buf, static_cast<size_t>(n))) {
            ok = false;
            break;
        }
    }
    ::fchmod(out, mode);
    ok = ok && ::fsync(out) == 0;
    ok = ::close(out) == 0 && ok;
    ::close(in);
    if (!ok) ::unlink(to.c_str());
    return ok;
}

// Keeps the old content under a new name beside the target: a hard link
// costs nothing; a folder that has none (a FAT key) gets a copy.
bool keepOld(Target &t) {
    std::string name = t.path + ".oldXXXXXX";
    int fd = ::mkstemp(name.data());
    if (fd < 0) return false;
    ::close(fd);
    ::unlink(name.c_str());
    if (::link(t.path.c_str(), name.c_str()) != 0 && !copyFile(t.path, name, t.mode)) return false;
    t.backup = name;
    return true;
}

std::string namesOf(const std::vector<Target> &ts) {
    std::string s;
    for (size_t i = 0; i < ts.size(); ++i) {
        if (i) s += i + 1 == ts.size() ? " et " : ", ";
        s += ts[i].name;
    }
    return s;
}


void syncFolder(const std::string &d) {
    int dfd = ::open(d.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd >= 0) {
        ::fsync(dfd);
        ::close(dfd);
    }
}

// Makes the renames themselves durable.
void syncFolders(const std::vector<Target> &ts) {
    std::string last;
    for (const auto &t : ts) {
        std::string d = dirOf(t.path);
        if (d == last) continue;
        last = d;
        syncFolder(d);
    }
}

Journal journalOf(const std::vector<Target> &ts, bool rollBack) {
    Journal j;
    j.rollBack = rollBack;
    for (const Target &t : ts) {
        JournalEntry e;
        // The temporary file of a target already renamed is gone: any name
        // of the right form that does not exist says so.
        e.tmp = t.temp.empty() ? ".tmp000000" : t.temp.substr(t.path.size());
        e.old = t.backup.empty() ? std::string() : t.backup.substr(t.path.size());
        e.existed = t.existed;
        j.entries.push_back(e);
    }
    return j;
}

// Writes the journal whole and durably before any rename depends on it; a
// journal that is replaced goes through a temporary file of its own, so
// that a kill leaves the old one or the new one.
std::string writeJournal(const std::string &path, const Journal &j, bool replace) {
    Target t;
    t.name = t.path = path;
    std::string written = path;
    int fd;
    if (replace) {
        written += ".tmpXXXXXX";
        fd = ::mkstemp(written.data());
        if (fd >= 0) ::fchmod(fd, 0644);
    } else {
        fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0644);
    }
    if (fd < 0) return writeError(t, errno);
    const std::string bytes = serializeJournal(j);
    bool ok = writeAll(fd, bytes.data(), bytes.size()) && ::fsync(fd) == 0;
    int e = errno;
    if (::close(fd) != 0 && ok) ok = false, e = errno;
    if (ok && replace && ::rename(written.c_str(), path.c_str()) != 0) ok = false, e = errno;
    if (!ok) {
        ::unlink(written.c_str());
        return writeError(t, e);
    }
    syncFolder(dirOf(path));
    return {};
}

bool step(const char *what) { return !testhooks::stepFn || testhooks::stepFn(what); }

}  // namespace

std::string writeFilesAtomic(const std::vector<std::pair<std::string, std::string>> &files,
                             const std::string &journal) {
    std::vector<Target> ts(files.size());
    for (size_t i = 0; i < files.size(); ++i) ts[i].name = files[i].first;
    auto cleanup = [&] {
        for (auto &t : ts) {
            if (!t.temp.empty()) ::unlink(t.temp.c_str());
            if (!t.backup.empty()) ::unlink(t.backup.c_str());
            t.temp.clear();
            t.backup.clear();
        }
    };
    auto untouched = [&](std::string message) {
        cleanup();
        if (ts.size() > 1) message += ". Les fichiers " + namesOf(ts) + " sont restés tels qu'ils étaient.";
        return message;
    };
    const std::string killed = "Enregistrement interrompu";

    for (size_t i = 0; i < ts.size(); ++i) {
        if (!step("temp")) return killed;
        if (std::string e = prepare(ts[i], files[i].second); !e.empty()) return untouched(e);
    }
    // Every file but the last may have to be put back.
    for (size_t i = 0; i + 1 < ts.size(); ++i) {
        if (!ts[i].existed) continue;
        if (!step("old")) return killed;
        if (!keepOld(ts[i]))
            return untouched("Impossible de préparer le remplacement du fichier " + ts[i].name + " : " +
                             errnoText(errno));
    }
    const bool journaled = !journal.empty();
    if (journaled) {
        if (!step("journal")) return killed;
        if (std::string e = writeJournal(journal, journalOf(ts, false), false); !e.empty()) return untouched(e);
    }

    for (size_t i = 0; i < ts.size(); ++i) {
        if (!step("rename")) return killed;
        if (testhooks::renameFn(ts[i].temp.c_str(), ts[i].path.c_str()) == 0) {
            ts[i].temp.clear();
            continue;
        }
        const int e = errno;
        std::string message = "Impossible de remplacer le fichier " + ts[i].name + " : " + errnoText(e);
        // From here a kill must lead back to the old files, not on to the new.
        if (journaled && !writeJournal(journal, journalOf(ts, true), true).empty())
            // Everything stays as it is: the journal completes the write later.
            return message + ". L'enregistrement sera achevé à la prochaine ouverture de la série.";
        std::string stuck;
        for (size_t j = i; j-- > 0;) {
            bool back = ts[j].existed ? testhooks::renameFn(ts[j].backup.c_str(), ts[j].path.c_str()) == 0
                                      : ::unlink(ts[j].path.c_str()) == 0;
            if (back) {
                ts[j].backup.clear();
            } else if (ts[j].existed) {
                stuck += " L'ancien contenu de " + ts[j].name + " est gardé dans " + ts[j].backup + ".";
                ts[j].backup.clear();  // the user's only copy: never removed
            } else {
                stuck += " Le fichier " + ts[j].name + " a été écrit seul.";
            }
        }
        if (stuck.empty()) {
            if (journaled) ::unlink(journal.c_str());
            return untouched(message);
        }
        // The journal stays, so that the next opening puts the old files back.
        cleanup();
        return message + "." + stuck;
    }
    syncFolders(ts);
    if (journaled) {
        if (!step("end")) return killed;
        ::unlink(journal.c_str());
    }
    for (auto &t : ts)
        if (!t.backup.empty() && !step("forget")) return killed;
    cleanup();
    return {};
}

}  // namespace vrek
