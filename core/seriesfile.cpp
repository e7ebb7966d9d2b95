#include "core/seriesfile.h"

#include <algorithm>
#include <cstring>
#include <filesystem>

#include "core/fileio.h"
#include "core/savejournal.h"
#include "core/serieslock.h"

namespace vrek {

std::string textFileName(const std::string &seriesFile) {
    std::string base = seriesFile.size() >= 4 ? seriesFile.substr(0, seriesFile.size() - 4) : seriesFile;
    return base + ".VRT";
}

std::string findTextFile(const std::string &seriesFile) {
    const std::string name = textFileName(seriesFile);
    if (fileExists(name)) return name;
    // Another spelling of the extension: "lundi.vrt", "Lundi.Vrt".
    const std::filesystem::path p(name);
    const std::string stem = p.filename().string().substr(0, p.filename().string().size() - 4);
    const std::filesystem::path folder = p.has_parent_path() ? p.parent_path() : std::filesystem::path(".");
    std::vector<std::string> found;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string f = it->path().filename().string();
        if (f.size() != stem.size() + 4 || f.compare(0, stem.size(), stem) != 0) continue;
        std::string ext = f.substr(stem.size());
        for (char &c : ext) c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
        if (ext == ".VRT") found.push_back(f);
    }
    if (found.empty()) return name;
    std::sort(found.begin(), found.end());
    return p.has_parent_path() ? (p.parent_path() / found.front()).string() : found.front();
}

namespace {
// Folder, stem and capital extension of a name, made absolute.
struct NameParts {
    std::string folder, stem, ext;
    bool operator==(const NameParts &) const = default;
};
NameParts partsOf(const std::string &name) {
    std::error_code ec;
    std::filesystem::path p = std::filesystem::absolute(name, ec).lexically_normal();
    NameParts n;
    n.folder = p.parent_path().string();
    std::string f = p.filename().string();
    if (f.size() >= 4) {
        n.stem = f.substr(0, f.size() - 4);
        n.ext = f.substr(f.size() - 4);
        for (char &c : n.ext) c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    } else {
        n.stem = f;
    }
    return n;
}
}  // namespace

bool isSeriesFile(const std::string &seriesFile, const std::string &target) {
    if (sameFile(target, seriesFile) || sameFile(target, findTextFile(seriesFile))) return true;
    // Not there yet, but the very name the series' files take, directly or
    // at the end of a chain of links.
    int err = 0;
    const std::string end = followLinks(target, err);
    const NameParts s = partsOf(seriesFile);
    for (const std::string &name : {target, end}) {
        if (name.empty()) continue;
        const NameParts t = partsOf(name);
        if (t.folder == s.folder && t.stem == s.stem && (t.ext == ".VRK" || t.ext == ".VRT")) return true;
    }
    return false;
}

std::string serializeDeals(const Series &s) {
    std::string out(sizeof(Deal) * kBoards, '\0');
    std::memcpy(out.data(), s.deals.data(), out.size());
    return out;
}

std::string serializeTexts(const Series &s) {
    size_t total = 0;
    for (const auto &l : s.lines) total += l.size() + 2;
    // Sized once and filled in place: 1441 appends each check the capacity.
    std::string out(total, '\0');
    char *p = out.data();
    for (const auto &l : s.lines) {
        std::memcpy(p, l.data(), l.size());
        p += l.size();
        *p++ = '\r';
        *p++ = '\n';
    }
    return out;
}

namespace {
bool isPadding(char c) { return c == '\0' || c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
}  // namespace

std::vector<std::string> splitTextLines(const std::string &bytes) {
    // A NUL followed by nothing but padding ends the text; a stray NUL
    // among the lines is dropped, so that the texts after it survive.
    size_t lastText = bytes.size();
    while (lastText > 0 && isPadding(bytes[lastText - 1])) --lastText;
    size_t end = bytes.find('\0', lastText);
    if (end == std::string::npos) end = bytes.size();
    std::vector<std::string> lines;
    lines.reserve(kTextLines);
    std::string cur;
    bool open = false;  // a line has started since the last line end
    const char *const b = bytes.data();
    for (size_t i = 0; i < end;) {
        // Whole runs of text at a time: strcspn also stops at a NUL, and
        // bytes[end] is one (or the string's terminator).
        const size_t stop = i + std::strcspn(b + i, "\r\n");
        if (stop > i) {
            cur.append(b + i, stop - i);
            open = true;
        }
        if (stop == end) break;
        const char c = b[stop];
        i = stop + 1;
        if (c == '\0') continue;
        lines.push_back(std::move(cur));
        cur.clear();
        open = false;
        if (c == '\r' && i < end && b[i] == '\n') ++i;
    }
    if (open) lines.push_back(std::move(cur));
    return lines;
}

std::string textLinesFault(const std::string &name, const std::string &bytes) {
    // Line ends as splitTextLines counts them, CR LF as one; the last line
    // may have none.
    size_t lines = 0;
    const char *p = bytes.data(), *const end = p + bytes.size();
    for (; p != end && lines <= kMaxTextLines; ++p)
        if (*p == '\n' || (*p == '\r' && (p + 1 == end || p[1] != '\n'))) ++lines;
    if (!bytes.empty() && bytes.back() != '\n' && bytes.back() != '\r') ++lines;
    if (lines <= kMaxTextLines) return {};
    return "Le fichier " + name + " compte plus de 100 000 lignes : ce n'est pas le texte d'une série, qui en a 1 441.";
}

void padLoadedText(std::vector<std::string> &lines) {
    // An older 32-board text (481 lines or fewer) gets the 1408 lines of
    // boards 33 .. 96; any text still short of 1441 lines is filled up so
    // that every board has its 15 lines.
    if (lines.size() < 482) lines.resize(lines.size() + 1408);
    if (lines.size() < static_cast<size_t>(kTextLines)) lines.resize(kTextLines);
}

std::string journalFileName(const std::string &seriesFile) {
    std::string lock = lockFileName(seriesFile);
    return lock.substr(0, lock.size() - std::strlen(".vrek-verrou")) + ".vrek-journal";
}

namespace {
std::vector<std::string> pairOf(const std::string &seriesFile) { return {seriesFile, findTextFile(seriesFile)}; }
}  // namespace

std::string saveSeries(const std::string &seriesFile, const Series &s) {
    const std::vector<std::string> pair = pairOf(seriesFile);
    const std::string journal = journalFileName(seriesFile);
    // What an earlier save left is put right first, so that this one starts
    // from a whole pair.
    const Recovery r = recoverGroup(pair, journal);
    if (!r.error.empty()) return r.error;
    return writeFilesAtomic({{pair[0], serializeDeals(s)}, {pair[1], serializeTexts(s)}}, journal);
}

Series seriesFromBytes(const std::string &deals, const std::optional<std::string> &texts) {
    std::vector<std::string> lines;
    if (texts) {
        lines = splitTextLines(*texts);
        padLoadedText(lines);
    } else {
        lines.resize(kTextLines);
    }
    // Built with its lines rather than over 1441 default ones; the records
    // start zeroed.
    Series s{{}, std::move(lines)};
    // Whole records only, and no more than the 96 the store holds.
    const size_t records = std::min<size_t>(deals.size() / sizeof(Deal), kBoards);
    std::memcpy(static_cast<void *>(s.deals.data()), deals.data(), records * sizeof(Deal));
    return s;
}

namespace {

std::string recoveryNotice(const std::string &seriesFile, Recovered what) {
    const std::string head = "Le dernier enregistrement de la série " + seriesFile + " avait été interrompu";
    switch (what) {
    case Recovered::Completed: return head + " : il a été achevé, la série est celle qu'il enregistrait.";
    case Recovered::RolledBack: return head + " : il a été annulé, la série est celle d'avant cet enregistrement.";
    case Recovered::Discarded:
        return head + " avant d'avoir rien remplacé : la série est celle d'avant cet enregistrement.";
    case Recovered::Nothing: break;
    }
    return {};
}

LoadResult load(const std::string &seriesFile, Series &out, bool create) {
    LoadResult r;
    const std::vector<std::string> pair = pairOf(seriesFile);
    const std::string journal = journalFileName(seriesFile);
    // The writer puts right what a killed save left; a reader reads the
    // pair as that would leave it, and changes nothing.
    std::vector<std::string> from = pair;
    if (create) {
        const Recovery rec = recoverGroup(pair, journal);
        if (!rec.error.empty()) {
            r.error = rec.error;
            return r;
        }
        r.notice = recoveryNotice(seriesFile, rec.what);
    } else {
        bool pending = false;
        from = recoveredView(pair, journal, pending);
        if (pending)
            r.notice = "Le dernier enregistrement de la série " + seriesFile +
                       " a été interrompu ou n'est pas terminé : la série est lue telle qu'il l'aura laissée ; "
                       "il sera achevé à sa prochaine ouverture.";
    }
    std::string bytes, err;
    // The store holds 96 records: nothing past them is read.
    switch (from[0].empty() ? ReadStatus::Missing : readFilePrefix(from[0], sizeof(Deal) * kBoards, bytes, err)) {
    case ReadStatus::Missing: {
        if (!create) {
            r.error = "Le fichier " + seriesFile + " n'existe pas";
            return r;
        }
        // A new series: write the empty deal file. An existing text file of
        // the same name is kept and read below rather than overwritten.
        std::string e = writeFileAtomic(seriesFile, serializeDeals(seriesFromBytes({}, {})));
        if (!e.empty()) {
            r.error = e;
            return r;
        }
        r.created = true;
        break;
    }
    case ReadStatus::Failed:
        r.error = err;
        return r;
    case ReadStatus::Ok:
        break;
    }

    const std::string &textName = from[1].empty() ? pair[1] : from[1];
    std::string text;
    std::optional<std::string> texts;
    switch (from[1].empty() ? ReadStatus::Missing : readWholeFile(textName, text, err, kMaxTextFileSize)) {
    case ReadStatus::Ok:
        if (std::string fault = textLinesFault(textName, text); !fault.empty()) {
            r.error = fault;
            return r;
        }
        texts = std::move(text);
        break;
    case ReadStatus::Missing:
        if (!create) break;
        if (std::string e = writeFileAtomic(textName, serializeTexts(seriesFromBytes({}, {}))); !e.empty())
            r.error = e;  // the series still opens, texts empty
        break;
    case ReadStatus::Failed:
        // Never replace an existing text file that could not be read.
        r.error = err;
        return r;
    }
    out = seriesFromBytes(bytes, texts);
    r.ok = true;
    return r;
}

}  // namespace

LoadResult loadSeries(const std::string &seriesFile, Series &out) { return load(seriesFile, out, true); }
LoadResult readSeries(const std::string &seriesFile, Series &out) { return load(seriesFile, out, false); }

}  // namespace vrek
