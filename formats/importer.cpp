#include "formats/importer.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "core/cp1252.h"
#include "core/fileio.h"
#include "core/seriesfile.h"
#include "formats/bri.h"
#include "formats/dge.h"
#include "formats/dlmimport.h"
#include "formats/dupimport.h"
#include "formats/linimport.h"
#include "formats/pbnimport.h"
#include "formats/seriesimport.h"

namespace vrek {

namespace {
const std::string kImportCaption = "Importation des mains du fichier ";
const std::string kInsertCaption = "Insertion des mains du fichier ";
// Far above any deal file (a PBN file of 96 commented deals is a few hundred
// kilobytes); a bigger file is refused rather than read into memory.
constexpr uintmax_t kMaxFileSize = 64u << 20;

char upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

std::string extension(const std::string &fileName) {
    if (fileName.size() < 4) return {};
    std::string e = fileName.substr(fileName.size() - 4);
    for (char &c : e) c = upper(c);
    return e;
}

std::string stem(const std::string &fileName) {
    return fileName.size() >= 4 ? fileName.substr(0, fileName.size() - 4) : fileName;
}

std::string baseName(const std::string &path) {
    size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The whole file, or an error; `missing` tells a file that is not there.
std::string readImport(const std::string &file, std::string &bytes, bool *missing = nullptr) {
    std::error_code ec;
    const uintmax_t size = std::filesystem::file_size(file, ec);
    if (!ec && size > kMaxFileSize)
        return "Le fichier " + file + " est trop grand (" + std::to_string(size) +
               " octets) pour être un fichier de donnes.";
    std::string err;
    switch (readWholeFile(file, bytes, err)) {
    case ReadStatus::Ok: return {};
    case ReadStatus::Missing:
        if (missing) *missing = true;
        return "Le fichier " + file + " n'existe pas.";
    case ReadStatus::Failed: return err;
    }
    return err;
}

std::string capitalised(std::string s) {
    if (!s.empty()) s[0] = upper(s[0]);
    return s;
}

std::string withFile(const std::string &file, const std::string &fault) {
    return "Fichier " + file + "\r\r" + capitalised(fault) + ".\r\rLa série n'est pas modifiée.";
}
}  // namespace

std::optional<ImportFormat> importFormatOf(const std::string &fileName) {
    const std::string e = extension(fileName);
    for (const auto &d : formatTable())
        if (d.imports && e == d.extension) return d.imports->format;
    return std::nullopt;
}

std::string importDialogCaption(bool insert, const std::string &file) {
    return (insert ? kInsertCaption : kImportCaption) + file;
}

std::string fileOfImportCaption(bool insert, const std::string &caption) {
    const size_t from = (insert ? kInsertCaption : kImportCaption).size();
    return caption.size() > from ? caption.substr(from) : std::string();
}

std::string importedCaption(const std::string &seriesFile) { return "Distribution memorisée dans " + seriesFile; }
std::string emptyFileMessage() { return " Le fichier est vide "; }
std::string saveQuestion(const std::string &seriesFile) { return " Faut-il enregistrer " + seriesFile; }

std::string derivedSeriesName(const std::string &importFile) { return stem(importFile) + ".VRK"; }

bool sameSeries(const std::string &a, const std::string &b) {
    return a.size() == b.size() && stem(a) == stem(b) && extension(a) == extension(b);
}

std::string importedSeriesName(const std::string &importFile, const std::string &currentSeries) {
    const std::string derived = derivedSeriesName(importFile);
    if (sameSeries(derived, currentSeries)) return currentSeries;
    if (fileExists(derived)) return derived;
    std::error_code ec;
    const std::filesystem::path p(derived);
    const std::filesystem::path folder = p.has_parent_path() ? p.parent_path() : std::filesystem::path(".");
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = (folder / it->path().filename()).string();
        if (sameSeries(name, derived)) return name;
    }
    return derived;
}

std::string replaceQuestion(const std::string &importFile, const std::string &currentSeries) {
    const std::string name = importedSeriesName(importFile, currentSeries);
    if (sameSeries(name, currentSeries) || sameFile(name, currentSeries)) return {};
    if (!fileExists(name) && !fileExists(findTextFile(name))) return {};
    return " Le fichier " + name + " existe déjà : la série importée le remplacera au prochain enregistrement. "
           "Faut-il continuer ? ";
}

std::string importTitle(const std::string &importFile) {
    const std::string name = baseName(importFile);
    if (auto b = utf8ToCp1252(name)) return *b;
    std::string out;
    for (char c : name) out += static_cast<unsigned char>(c) < 0x80 ? c : '?';
    return out;
}

std::string modeRefusal(ImportFormat f, bool insert) {
    if (f == ImportFormat::Vrk && !insert)
        return "Les donnes d'une autre série Vrek s'insèrent par le menu « Insérer » : "
               "elles ne remplacent pas la série.";
    return {};
}

ImportScan scanImportFile(ImportFormat f, const std::string &file) {
    ImportScan scan;
    std::string bytes;
    scan.error = readImport(file, bytes);
    if (!scan.error.empty()) return scan;
    switch (f) {
    case ImportFormat::Dup: scan = scanDup(bytes); break;
    case ImportFormat::Dlm: scan = scanDlm(bytes); break;
    case ImportFormat::Pbn: scan = scanPbn(bytes); break;
    case ImportFormat::Bri: scan = scanBri(bytes); break;
    case ImportFormat::Dge: scan = scanDge(bytes); break;
    case ImportFormat::Lin: scan = scanLin(bytes); break;
    case ImportFormat::Vrk: scan = scanSeriesRecords(bytes); break;
    }
    if (!scan.error.empty()) scan.error = "Fichier " + file + "\r\r" + capitalised(scan.error) + ".";
    return scan;
}

std::vector<int> chosenBoards(const Availability &available, const Selection &checked) {
    std::vector<int> boards;
    for (int b = 1; b <= kBoards; ++b)
        if (available[b - 1] && checked[b - 1]) boards.push_back(b);
    return boards;
}

ImportRead readImportFile(ImportFormat f, const std::string &file, const std::vector<int> &boards) {
    ImportRead read;
    std::string bytes;
    read.error = readImport(file, bytes);
    if (!read.ok()) return read;
    switch (f) {
    case ImportFormat::Dup: read = readDup(bytes, boards); break;
    case ImportFormat::Dlm: read = readDlm(bytes, boards); break;
    case ImportFormat::Pbn: read = readPbn(bytes, boards); break;
    case ImportFormat::Bri: read = readBri(bytes, boards); break;
    case ImportFormat::Dge: read = readDge(bytes, boards); break;
    case ImportFormat::Lin: read = readLin(bytes, boards); break;
    case ImportFormat::Vrk: {
        const std::string textFile = findTextFile(file);
        std::string texts;
        bool missing = false;
        std::string err = readImport(textFile, texts, &missing);
        if (!err.empty() && !missing) {
            read.error = err;
            return read;
        }
        if (missing) texts.clear();  // a series without its text file has empty texts
        if (std::string fault = textLinesFault(textFile, texts); !fault.empty()) {
            read.error = fault;
            return read;
        }
        read = readSeriesRecords(bytes, texts, boards);
        break;
    }
    }
    if (!read.ok()) read.error = withFile(file, read.error);
    return read;
}

std::string insertionRefusal(int position, int count) {
    if (position < 1 || position > kBoards)
        return "La position d'insertion " + std::to_string(position) + " n'est pas une donne de 1 à 96.";
    if (count > 0 && position + count - 1 > kBoards)
        return "Insertion impossible : " + std::to_string(count) + " donnes à partir de la position " +
               std::to_string(position) + " iraient jusqu'à la donne " + std::to_string(position + count - 1) +
               ", or la série s'arrête à la donne 96.\r\rLa série n'est pas modifiée.";
    return {};
}

namespace {
std::string listed(const std::vector<std::string> &lines, size_t more = 0) {
    constexpr size_t kShown = 20;  // a message box, not a log
    std::string t;
    for (size_t i = 0; i < lines.size() && i < kShown; ++i) t += "\r" + lines[i];
    if (lines.size() + more > kShown) t += "\r… et " + std::to_string(lines.size() + more - kShown) + " autres";
    return t;
}

std::string deals(size_t n) { return std::to_string(n) + (n > 1 ? " donnes" : " donne"); }
}  // namespace

ImportResult importDeals(Series &s, const ImportRequest &r) {
    ImportResult res;
    res.error = modeRefusal(r.format, r.insertAt != 0);
    if (!res.ok()) return res;
    ImportRead read = readImportFile(r.format, r.file, r.boards);
    if (!read.ok()) {
        res.error = read.error;
        return res;
    }
    res.skipped = std::move(read.skipped);
    res.unlisted = read.unlisted;
    res.notes = std::move(read.notes);
    std::vector<ImportedDeal> in;
    for (auto &d : read.deals) {
        // One deal per board: a second deal under the same number would
        // replace the first without a word.
        const bool taken = !r.insertAt && std::any_of(in.begin(), in.end(), [&](auto &o) { return o.board == d.board; });
        if (taken) res.skipped.push_back("donne " + std::to_string(d.board) +
                                         " : le fichier la donne une seconde fois avec d'autres cartes ; "
                                         "la première est gardée");
        else in.push_back(std::move(d));
    }
    if (in.empty()) {
        res.error = withFile(r.file, "aucune des donnes choisies n'a pu être lue" +
                                         (res.skipped.empty() ? std::string()
                                                              : " :" + listed(res.skipped, static_cast<size_t>(res.unlisted))));
        return res;
    }
    const int k = static_cast<int>(in.size());
    if (r.insertAt) {
        res.error = insertionRefusal(r.insertAt, k);
        if (!res.ok()) return res;
    }
    // Everything is read and fits: only now does the series change.
    Series next = s;
    next.ensureLines();
    if (!r.insertAt) {
        next.reset();
        next.lines[0] = r.title;
    }
    for (int i = 0; i < k; ++i) {
        const ImportedDeal &d = in[i];
        const int target = r.insertAt ? r.insertAt + i : d.board;
        next.deal(target) = d.deal;
        if (r.insertAt)
            for (int j = 0; j < 15; ++j)
                next.lines[15 * target - 14 + j] = j < static_cast<int>(d.lines.size()) ? d.lines[j] : std::string();
        // The par holds for a dealer and a vulnerability: those of the board it goes to.
        if (d.analysis && d.analysis->dealer == dealerOf(target) && d.analysis->vul == vulnerabilityOf(target))
            res.analyses[target] = d.analysis->analysis;
    }
    s = std::move(next);
    res.count = k;
    return res;
}

std::string skippedReport(const ImportResult &r) {
    std::string t;
    const size_t n = r.skipped.size() + static_cast<size_t>(r.unlisted);
    if (n) t += deals(n) + (n > 1 ? " écartées :" : " écartée :") + listed(r.skipped, static_cast<size_t>(r.unlisted));
    for (const auto &n : r.notes) t += (t.empty() ? "" : "\r") + n;
    return t;
}

std::string importReport(const ImportResult &r, const std::string &file, bool insert) {
    const std::string report = skippedReport(r);
    if (report.empty()) return {};
    return std::string(insert ? "Insertion de " : "Importation de ") + deals(r.count) + " du fichier \r\r" + file +
           "\r\r" + report;
}

}  // namespace vrek
