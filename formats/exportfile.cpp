#include "formats/exportfile.h"

#include <filesystem>

#include "core/fileio.h"

namespace vrek {

namespace {
std::string absolute(const std::string &path) {
    std::error_code ec;
    auto p = std::filesystem::absolute(path, ec);
    return ec ? path : p.lexically_normal().string();
}

ExportFileResult refused(std::string why) { return {false, std::move(why), 0}; }
}  // namespace

std::string exportRefusal(ExportFormat f, const Series &s, const std::string &seriesFile, const Selection &sel,
                          const std::string &path) {
    if (exportsNothing(f, sel))
        return "La donne 1 n'est pas choisie : un fichier pour machine à distribuer commence "
               "toujours à la donne 1. Rien n'est exporté.";
    if (auto bad = incompleteBoards(f, s, sel); !bad.empty()) return incompleteMessage(bad);
    return overwritesSeries(seriesFile, path);
}

ExportFileResult exportToFile(const std::string &word, const Series &s, const std::string &seriesFile,
                              const Selection &sel, ExportOptions opt, const std::string &path) {
    const auto f = exportFormatOfWord(word);
    if (!f) return refused("Format d'exportation inconnu : " + word);
    if (std::string why = exportRefusal(*f, s, seriesFile, sel, path); !why.empty()) return refused(why);

    const std::string shown = absolute(path);
    const bool append = appendsTo(*f, opt.numbering);
    if (append) {
        std::string err;
        switch (readWholeFile(path, opt.existing, err, kMaxTextFileSize)) {
        case ReadStatus::Ok: break;
        case ReadStatus::Missing: return refused("Le fichier à compléter n'existe pas : " + shown);
        case ReadStatus::Failed: return refused(err);
        }
        opt.existingName = shown;
    }
    const ExportOutput out = exportSeries(*f, s, sel, opt);
    if (!out.error.empty()) return refused(out.error);
    if (std::string written = writeFileAtomic(path, out.bytes); !written.empty()) return refused(written);
    return {true, append ? appendMessage(out.count, shown) : newFileMessage(out.count, shown), out.count};
}

}  // namespace vrek
