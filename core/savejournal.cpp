#include "core/savejournal.h"

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/fileio.h"

namespace vrek {

namespace {

constexpr const char *kHeader = "vrek-journal 1";
// A journal names a few files; anything longer is not one.
constexpr size_t kMaxJournalSize = 4096;
constexpr size_t kMaxEntries = 16;

bool isRegular(const std::string &path) {
    struct stat st;
    return ::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

std::string targetOf(const std::string &name) {
    int e = 0;
    std::string p = followLinks(name, e);
    return e ? name : p;
}

std::vector<std::string> lines(const std::string &bytes) {
    std::vector<std::string> out;
    size_t start = 0;
    while (start < bytes.size()) {
        const size_t end = bytes.find('\n', start);
        if (end == std::string::npos) {
            out.push_back(bytes.substr(start));  // no line end: cut short
            out.push_back({});
            break;
        }
        out.push_back(bytes.substr(start, end - start));
        start = end + 1;
    }
    return out;
}

}  // namespace

bool isWorkSuffix(const std::string &suffix, const char *what) {
    if (suffix.size() != 10 || suffix[0] != '.' || suffix.compare(1, 3, what) != 0) return false;
    for (size_t i = 4; i < suffix.size(); ++i) {
        const char c = suffix[i];
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))) return false;
    }
    return true;
}

std::string serializeJournal(const Journal &j) {
    std::string out = std::string(kHeader) + "\n" + (j.rollBack ? "annuler" : "achever") + "\n" +
                      std::to_string(j.entries.size()) + "\n";
    for (const JournalEntry &e : j.entries)
        out += e.tmp + " " + (e.old.empty() ? "-" : e.old) + " " + (e.existed ? "1" : "0") + "\n";
    return out + "fin\n";
}

std::optional<Journal> parseJournal(const std::string &bytes) {
    if (bytes.size() > kMaxJournalSize) return std::nullopt;
    const std::vector<std::string> l = lines(bytes);
    if (l.size() < 4 || l[0] != kHeader || (l[1] != "achever" && l[1] != "annuler")) return std::nullopt;
    if (l[2].empty() || l[2].size() > 2 || l[2].find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    const size_t n = std::stoul(l[2]);
    if (n == 0 || n > kMaxEntries || l.size() != n + 4 || l[n + 3] != "fin") return std::nullopt;
    Journal j;
    j.rollBack = l[1] == "annuler";
    for (size_t i = 0; i < n; ++i) {
        const std::string &line = l[3 + i];
        // ".tmpXXXXXX .oldXXXXXX 1" or ".tmpXXXXXX - 0"
        const size_t a = line.find(' '), b = a == std::string::npos ? a : line.find(' ', a + 1);
        if (b == std::string::npos) return std::nullopt;
        JournalEntry e;
        e.tmp = line.substr(0, a);
        e.old = line.substr(a + 1, b - a - 1);
        const std::string existed = line.substr(b + 1);
        if (e.old == "-") e.old.clear();
        if (!isWorkSuffix(e.tmp, "tmp") || (!e.old.empty() && !isWorkSuffix(e.old, "old")) ||
            (existed != "0" && existed != "1"))
            return std::nullopt;
        e.existed = existed == "1";
        j.entries.push_back(e);
    }
    return j;
}

void removeLeftovers(const std::vector<std::string> &files) {
    for (const std::string &name : files) {
        const std::string path = targetOf(name);
        const auto slash = path.find_last_of('/');
        const std::string dir = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
        const std::string base = slash == std::string::npos ? path : path.substr(slash + 1);
        DIR *d = ::opendir(dir.c_str());
        if (!d) continue;
        std::vector<std::string> doomed;
        while (const dirent *e = ::readdir(d)) {
            const std::string f = e->d_name;
            if (f.size() != base.size() + 10 || f.compare(0, base.size(), base) != 0) continue;
            const std::string suffix = f.substr(base.size());
            if (isWorkSuffix(suffix, "tmp") || isWorkSuffix(suffix, "old")) doomed.push_back(dir + "/" + f);
        }
        ::closedir(d);
        for (const std::string &f : doomed)
            if (isRegular(f)) ::unlink(f.c_str());
    }
}

Recovery recoverGroup(const std::vector<std::string> &files, const std::string &journal) {
    Recovery r;
    std::vector<std::string> cleanup = files;
    cleanup.push_back(journal);
    std::string bytes, err;
    switch (readWholeFile(journal, bytes, err, kMaxJournalSize)) {
    case ReadStatus::Missing: removeLeftovers(cleanup); return r;
    case ReadStatus::Failed: r.error = err; return r;  // not ours to remove
    case ReadStatus::Ok: break;
    }
    const std::optional<Journal> j = parseJournal(bytes);
    if (!j || j->entries.size() != files.size()) {
        // Written before any rename and cut short: every file is still the old one.
        ::unlink(journal.c_str());
        removeLeftovers(cleanup);
        r.what = Recovered::Discarded;
        return r;
    }
    for (size_t i = 0; i < files.size(); ++i) {
        const std::string target = targetOf(files[i]);
        const std::string tmp = target + j->entries[i].tmp, old = target + j->entries[i].old;
        const bool renamed = !isRegular(tmp);
        int failed = 0;
        if (!j->rollBack) {
            if (!renamed && ::rename(tmp.c_str(), target.c_str()) != 0) failed = errno;
        } else if (!renamed) {
            ::unlink(tmp.c_str());
        } else if (!j->entries[i].old.empty() && isRegular(old)) {
            if (::rename(old.c_str(), target.c_str()) != 0) failed = errno;
        } else if (!j->entries[i].existed && ::unlink(target.c_str()) != 0 && errno != ENOENT) {
            failed = errno;
        }
        if (failed) {
            // The journal stays: the next attempt takes it up again.
            r.error = "Impossible de rétablir le fichier " + files[i] + " : " + errnoText(failed);
            return r;
        }
    }
    if (::unlink(journal.c_str()) != 0 && errno != ENOENT) {
        r.error = "Impossible de supprimer le journal " + journal + " : " + errnoText(errno);
        return r;
    }
    removeLeftovers(cleanup);
    r.what = j->rollBack ? Recovered::RolledBack : Recovered::Completed;
    return r;
}

std::vector<std::string> recoveredView(const std::vector<std::string> &files, const std::string &journal,
                                       bool &pending) {
    pending = false;
    std::string bytes, err;
    if (readWholeFile(journal, bytes, err, kMaxJournalSize) != ReadStatus::Ok) return files;
    pending = true;
    const std::optional<Journal> j = parseJournal(bytes);
    if (!j || j->entries.size() != files.size()) return files;
    std::vector<std::string> view;
    for (size_t i = 0; i < files.size(); ++i) {
        const std::string target = targetOf(files[i]);
        const std::string tmp = target + j->entries[i].tmp, old = target + j->entries[i].old;
        const bool renamed = !isRegular(tmp);
        if (!j->rollBack) view.push_back(renamed ? files[i] : tmp);
        else if (!renamed) view.push_back(files[i]);
        else if (!j->entries[i].old.empty() && isRegular(old)) view.push_back(old);
        else view.push_back(j->entries[i].existed ? files[i] : std::string());
    }
    return view;
}

}  // namespace vrek
