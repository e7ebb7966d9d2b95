#include "core/fileio.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vrek {

std::string errnoText(int e) {
    switch (e) {
    case ENOENT: return "fichier ou dossier introuvable";
    case EACCES:
    case EPERM: return "accès refusé";
    case EROFS: return "support protégé en écriture";
    case ENOSPC: return "disque plein";
    case EDQUOT: return "quota disque dépassé";
    case EISDIR: return "c'est un dossier et non un fichier";
    case ENOTDIR: return "un élément du chemin n'est pas un dossier";
    case ENAMETOOLONG: return "nom de fichier trop long";
    case EIO: return "erreur d'entrée/sortie";
    case EMFILE:
    case ENFILE: return "trop de fichiers ouverts";
    default: return std::string("erreur système ") + std::to_string(e);
    }
}

bool fileExists(const std::string &path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0;
}

ReadStatus readWholeFile(const std::string &path, std::string &out, std::string &err) {
    out.clear();
    struct stat st;
    if (::stat(path.c_str(), &st) != 0) {
        if (errno == ENOENT) return ReadStatus::Missing;
        err = "Impossible de lire le fichier " + path + " : " + errnoText(errno);
        return ReadStatus::Failed;
    }
    if (!S_ISREG(st.st_mode)) {
        err = "Impossible de lire " + path + " : ce n'est pas un fichier ordinaire";
        return ReadStatus::Failed;
    }
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        err = "Impossible de lire le fichier " + path + " : " + errnoText(errno);
        return ReadStatus::Failed;
    }
    char buf[65536];
    for (;;) {
        ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0) {
            if (errno == EINTR) continue;
            err = "Impossible de lire le fichier " + path + " : " + errnoText(errno);
            ::close(fd);
            return ReadStatus::Failed;
        }
        if (n == 0) break;
        out.append(buf, static_cast<size_t>(n));
    }
    ::close(fd);
    return ReadStatus::Ok;
}

namespace {

std::string dirOf(const std::string &path) {
    auto p = path.find_last_of('/');
    if (p == std::string::npos) return ".";
    if (p == 0) return "/";
    return path.substr(0, p);
}

bool writeAll(int fd, const std::string &bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

}  // namespace

std::string writeFilesAtomic(const std::vector<std::pair<std::string, std::string>> &files) {
    std::vector<std::string> temps;
    auto cleanup = [&] {
        for (auto &t : temps) ::unlink(t.c_str());
    };
    for (const auto &[path, bytes] : files) {
        struct stat st;
        if (::stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) {
            cleanup();
            return "Impossible d'écrire " + path + " : ce n'est pas un fichier ordinaire";
        }
        std::string tmpl = path + ".tmpXXXXXX";
        std::vector<char> name(tmpl.begin(), tmpl.end());
        name.push_back('\0');
        int fd = ::mkstemp(name.data());
        if (fd < 0) {
            int e = errno;
            cleanup();
            return "Impossible d'écrire le fichier " + path + " : " + errnoText(e);
        }
        temps.emplace_back(name.data());
        // Keep the old file's permissions; a new file gets the usual ones.
        mode_t mode;
        if (::stat(path.c_str(), &st) == 0) {
            mode = st.st_mode & 07777;
        } else {
            mode_t mask = ::umask(0);
            ::umask(mask);
            mode = 0666 & ~mask;
        }
        ::fchmod(fd, mode);
        bool ok = writeAll(fd, bytes) && ::fsync(fd) == 0;
        int e = errno;
        if (::close(fd) != 0 && ok) {
            ok = false;
            e = errno;
        }
        if (!ok) {
            cleanup();
            return "Impossible d'écrire le fichier " + path + " : " + errnoText(e);
        }
    }
    for (size_t i = 0; i < files.size(); ++i) {
        if (::rename(temps[i].c_str(), files[i].first.c_str()) != 0) {
            int e = errno;
            for (size_t j = i; j < temps.size(); ++j) ::unlink(temps[j].c_str());
            return "Impossible de remplacer le fichier " + files[i].first + " : " + errnoText(e);
        }
    }
    // Make the renames themselves durable.
    std::string last;
    for (const auto &f : files) {
        std::string d = dirOf(f.first);
        if (d == last) continue;
        last = d;
        int dfd = ::open(d.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (dfd >= 0) {
            ::fsync(dfd);
            ::close(dfd);
        }
    }
    return {};
}

}  // namespace vrek
