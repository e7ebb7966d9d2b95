#include "formats/importer.h"

#include <filesystem>
#include <system_error>

#include "core/cp1252.h"
#include "core/fileio.h"
#include "core/seriesfile.h"
#include "formats/dlmimport.h"
#include "formats/dupimport.h"
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
    if (e == ".DUP") return ImportFormat::Dup;
    if (e == ".DLM") return ImportFormat::Dlm;
    if (e == ".PBN") return ImportFormat::Pbn;
    if (e == ".VRK") return ImportFormat::Vrk;
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
    case ImportFormat::Vrk: {
        std::string texts;
        bool missing = false;
        std::string err = readImport(findTextFile(file), texts, &missing);
        if (!err.empty() && !missing) {
            read.error = err;
            return read;
        }
        if (missing) texts.clear();  // a series without its text file has empty texts
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

ImportResult importDeals(Series &s, const ImportRequest &r) {
    ImportResult res;
    res.error = modeRefusal(r.format, r.insertAt != 0);
    if (!res.ok()) return res;
    ImportRead read = readImportFile(r.format, r.file, r.boards);
    if (!read.ok()) {
        res.error = read.error;
        return res;
    }
    const int k = static_cast<int>(read.deals.size());
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
        for (const auto &d : read.deals) next.deal(d.board) = d.deal;
    } else {
        for (int i = 0; i < k; ++i) {
            const int target = r.insertAt + i;
            next.deal(target) = read.deals[i].deal;
            for (int j = 0; j < 15; ++j) {
                const auto &src = read.deals[i].lines;
                next.lines[15 * target - 14 + j] = j < static_cast<int>(src.size()) ? src[j] : std::string();
            }
        }
    }
    s = std::move(next);
    res.count = k;
    return res;
}

}  // namespace vrek
