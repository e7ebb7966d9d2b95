#include "formats/exports.h"

#include <cstdio>
#include <ctime>
#include <filesystem>

#include "core/fileio.h"
#include "core/seriesfile.h"

#include "formats/bri.h"
#include "formats/dat.h"
#include "formats/dge.h"
#include "formats/dlm.h"
#include "formats/dup.h"
#include "formats/easi.h"
#include "formats/lin.h"
#include "formats/pbn.h"
#include "formats/rtf.h"

namespace vrek {

std::string pbnToday() {
    std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d.%02d.%02d", tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday);
    return buf;
}

std::vector<int> incompleteBoards(ExportFormat f, const Series &s, const Selection &sel) {
    std::vector<int> out;
    for (int b : exportedBoards(f, sel))
        if (!s.deal(b).complete()) out.push_back(b);
    return out;
}

std::string incompleteMessage(const std::vector<int> &boards) {
    if (boards.empty()) return {};
    std::string list;
    for (size_t i = 0; i < boards.size(); ++i) {
        if (i) list += i + 1 == boards.size() ? " et " : ", ";
        list += std::to_string(boards[i]);
    }
    const bool one = boards.size() == 1;
    return std::string(one ? "La donne " : "Les donnes ") + list + (one ? " n'est pas complète" : " ne sont pas complètes") +
           " : seules les donnes complètes s'exportent. Rien n'est exporté.";
}

std::string overwritesSeries(const std::string &seriesFile, const std::string &target) {
    if (!isSeriesFile(seriesFile, target)) return {};
    return "Le fichier " + target + " est un fichier de la série exportée : l'exportation ne le remplace pas. "
           "Rien n'est exporté.";
}

ExportOutput exportSeries(ExportFormat f, const Series &s, const Selection &sel, ExportOptions opt) {
    if (!appendsTo(f, opt.numbering)) opt.numbering = Numbering::FromOne;
    switch (f) {
    case ExportFormat::Dat: return writeDat(s, sel, opt);
    case ExportFormat::PbnAll: opt.pbn = PbnVariant::All; return writePbn(s, sel, opt);
    case ExportFormat::PbnBoth: opt.pbn = PbnVariant::Both; return writePbn(s, sel, opt);
    case ExportFormat::Lin: return writeLin(s, sel, opt);
    case ExportFormat::Easi: return writeEasi(s, sel, opt);
    case ExportFormat::Rtf: return writeRtf(s, sel, opt);
    case ExportFormat::Dup: return writeDup(s, sel, opt);
    case ExportFormat::Dlm: return writeDlm(s, sel, opt);
    case ExportFormat::Bri: return writeBri(s, sel, opt);
    case ExportFormat::Dge: return writeDge(s, sel, opt);
    }
    return {};
}

}  // namespace vrek
