#include "core/fileio.h"

#include <cerrno>
#include <climits>
#include <cstring>
#include <string_view>
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
    case EFBIG: return "fichier trop grand pour ce support";
    case EISDIR: return "c'est un dossier et non un fichier";
    case ENOTDIR: return "un élément du chemin n'est pas un dossier";
    case ENAMETOOLONG: return "nom de fichier trop long";
    case ELOOP: return "trop de liens symboliques (les liens forment une boucle)";
    case EXDEV: return "le fichier et son dossier de travail sont sur deux supports différents";
    case EBUSY: return "fichier ou support occupé par un autre programme";
    case ETXTBSY: return "fichier en cours d'utilisation par un programme";
    case EEXIST: return "le fichier existe déjà";
    case ENOTEMPTY: return "le dossier n'est pas vide";
    case EMLINK: return "trop de liens vers ce fichier";
    case EIO: return "erreur d'entrée/sortie (support défectueux ou retiré ?)";
    case ENXIO:
    case ENODEV: return "périphérique absent";
    case ESTALE: return "fichier réseau devenu inaccessible";
    case ETIMEDOUT: return "délai d'attente dépassé";
    case EAGAIN: return "ressource momentanément indisponible";
    case ENOLCK: return "verrouillage impossible sur ce support";
    case ENOTSUP: return "opération non prise en charge par ce support";
    case ENOMEM: return "mémoire insuffisante";
    case EINVAL: return "nom ou opération invalide";
    case EOVERFLOW: return "fichier trop grand";
    case EMFILE:
    case ENFILE: return "trop de fichiers ouverts";
    default: return "erreur du système (code " + std::to_string(e) + ")";
    }
}

bool fileExists(const std::string &path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0;
}

bool sameFile(const std::string &a, const std::string &b) {
    struct stat sa, sb;
    return ::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}

std::string safeFileName(const std::string &name) {
    std::string out;
    for (char ch : name) {
        const unsigned char c = static_cast<unsigned char>(ch);
        const bool refused = c < 0x20 || c == 0x7f || std::string_view("\\/:*?\"<>|").find(ch) != std::string_view::npos;
        if (refused || ch == ' ') {
            if (!out.empty() && out.back() != ' ') out += ' ';
        } else {
            out += ch;
        }
    }
    while (!out.empty() && (out.back() == ' ' || out.back() == '.')) out.pop_back();
    return out.empty() ? "Vrek" : out;
}

std::string followLinks(const std::string &path, int &err) {
    err = 0;
    std::string p = path;
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st;
        if (::lstat(p.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return p;
        std::string target(PATH_MAX, '\0');
        ssize_t n = ::readlink(p.c_str(), target.data(), target.size());
        if (n < 0) return p;
        target.resize(static_cast<size_t>(n));
        if (!target.empty() && target[0] != '/') {
            const auto slash = p.find_last_of('/');
            if (slash != std::string::npos) target = p.substr(0, slash + 1) + target;
        }
        p = target;
    }
    err = ELOOP;
    return {};
}

namespace {

// "64 Mo", "1 Mo", "720 octets": the bound as the user reads it.
std::string sizeText(size_t bytes) {
    if (bytes >= (size_t(1) << 20) && bytes % (size_t(1) << 20) == 0) return std::to_string(bytes >> 20) + " Mo";
    if (bytes >= 1024 && bytes % 1024 == 0) return std::to_string(bytes >> 10) + " Ko";
    return std::to_string(bytes) + " octets";
}

ReadStatus readUpTo(const std::string &path, size_t maxBytes, bool refuseLonger, std::string &out,
                    std::string &err) {
    out.clear();
    auto failed = [&](int e) {
        err = "Impossible de lire le fichier " + path + " : " + errnoText(e);
        return ReadStatus::Failed;
    };
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        if (errno == ENOENT) return ReadStatus::Missing;
        return failed(errno);
    }
    struct stat st;
    if (::fstat(fd, &st) != 0) {
        int e = errno;
        ::close(fd);
        return failed(e);
    }
    if (!S_ISREG(st.st_mode)) {
        ::close(fd);
        err = "Impossible de lire " + path + " : ce n'est pas un fichier ordinaire";
        return ReadStatus::Failed;
    }
    auto tooBig = [&](uintmax_t size) {
        err = "Le fichier " + path + " est trop grand (" + std::to_string(size) +
              " octets) : Vrek n'en lit pas de plus de " + sizeText(maxBytes) + ".";
        ::close(fd);
        return ReadStatus::Failed;
    };
    if (refuseLonger && static_cast<uintmax_t>(st.st_size) > maxBytes) return tooBig(st.st_size);
    if (st.st_size > 0) out.reserve(std::min<uintmax_t>(st.st_size, maxBytes));
    char buf[65536];
    for (;;) {
        size_t want = std::min(sizeof buf, maxBytes - out.size());
        // One byte past the bound tells a file that grew while it was read.
        if (refuseLonger && want < sizeof buf) ++want;
        if (want == 0) break;
        ssize_t n = ::read(fd, buf, want);
        if (n < 0) {
            if (errno == EINTR) continue;
            int e = errno;
            ::close(fd);
            return failed(e);
        }
        if (n == 0) break;
        out.append(buf, static_cast<size_t>(n));
        if (refuseLonger && out.size() > maxBytes) return tooBig(out.size());
    }
    ::close(fd);
    return ReadStatus::Ok;
}

}  // namespace

ReadStatus readWholeFile(const std::string &path, std::string &out, std::string &err, size_t maxBytes) {
    return readUpTo(path, maxBytes, true, out, err);
}

ReadStatus readFilePrefix(const std::string &path, size_t maxBytes, std::string &out, std::string &err) {
    return readUpTo(path, maxBytes, false, out, err);
}

}  // namespace vrek
