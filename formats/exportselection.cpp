#include "formats/exportselection.h"

namespace vrek {

namespace {
struct MenuEntry {
    const char *name;
    const char *caption;
    const char *extension;
    ExportFormat format;
};

// Extension put in the dialog caption; its last three characters are the tag.
const MenuEntry kMenu[kExportMenuItems] = {
    {"Baco1", "Deep&Finesse                 (DAT)", ".DAT", ExportFormat::Dat},
    {"Wbridge1", "Wbridge5    Vull->All     (PNB)", ".Pbn", ExportFormat::PbnAll},
    {"GIB1", "G. I. B.    Vull->Both     (PNB)", ".PBN", ExportFormat::PbnBoth},
    {"BridgeBaseOnline1", "Bridge Base Online         (LIN)", ".LIN", ExportFormat::Lin},
    {"FormatSimultansEASI1", "Simultanés EASI             (TXT)", ".TXT", ExportFormat::Easi},
    {"Traitementdetexte1", "Traitement de texte      (RTF)", ".RTF", ExportFormat::Rtf},
    {"HandyDup1", "HandyDup                     (DUP)", ".DUP", ExportFormat::Dup},
    {"Dealer41", "Dealer4                          (DUP)", ".DUP", ExportFormat::Dup},
    {"Duplimate1", "Duplimate                       (DLM)", ".DLM", ExportFormat::Dlm},
};

const MenuEntry &entry(ExportMenuItem item) { return kMenu[static_cast<int>(item)]; }
}  // namespace

std::string menuItemName(ExportMenuItem item) { return entry(item).name; }
std::string menuItemCaption(ExportMenuItem item) { return entry(item).caption; }
ExportFormat formatOf(ExportMenuItem item) { return entry(item).format; }
std::string captionExtension(ExportMenuItem item) { return entry(item).extension; }

std::string seriesStem(const std::string &seriesFile) {
    return seriesFile.size() > 4 ? seriesFile.substr(0, seriesFile.size() - 4) : std::string();
}

std::string exportDialogCaption(const std::string &seriesFile, ExportMenuItem item) {
    return "Exportation des mains dans le fichier " + seriesStem(seriesFile) + captionExtension(item);
}

std::optional<ExportFormat> formatOfCaption(const std::string &caption) {
    if (caption.size() < 3) return std::nullopt;
    const std::string tag = caption.substr(caption.size() - 3);
    // "Pbn" and "PBN" differ by case only and mean two variants.
    if (tag == "DAT") return ExportFormat::Dat;
    if (tag == "Pbn") return ExportFormat::PbnAll;
    if (tag == "PBN") return ExportFormat::PbnBoth;
    if (tag == "LIN") return ExportFormat::Lin;
    if (tag == "RTF") return ExportFormat::Rtf;
    if (tag == "TXT") return ExportFormat::Easi;
    if (tag == "DUP") return ExportFormat::Dup;
    if (tag == "DLM") return ExportFormat::Dlm;
    return std::nullopt;
}

std::string defaultExportName(const std::string &seriesFile, ExportFormat f) {
    const char *ext = "";
    switch (f) {
    case ExportFormat::Dat: ext = ".DAT"; break;
    case ExportFormat::PbnAll:
    case ExportFormat::PbnBoth: ext = ".PBN"; break;
    case ExportFormat::Lin: ext = ".LIN"; break;
    case ExportFormat::Easi: ext = ".TXT"; break;
    case ExportFormat::Rtf: ext = ".RTF"; break;
    case ExportFormat::Dup: ext = ".DUP"; break;
    case ExportFormat::Dlm: ext = ".DLM"; break;
    }
    return seriesStem(seriesFile) + ext;
}

std::string saveFilter(ExportFormat f) {
    switch (f) {
    case ExportFormat::Dlm: return "Fichiers WinDup (*.dlm)|*.DLM";
    case ExportFormat::Dup: return "Fichiers WinDup (*.dup)|*.DUP";
    case ExportFormat::Rtf: return "Fichiers RichTextFormat (*.rtf)|*.RTF";
    case ExportFormat::Dat: return "Fichiers BACO (*.dat)|*.DAT";
    case ExportFormat::PbnAll:
    case ExportFormat::PbnBoth: return "Fichiers PortableBridgeNotation (*.pbn)|*.PBN";
    case ExportFormat::Lin: return "Fichiers PortableBridgeNotation (*.lin)|*.LIN";
    case ExportFormat::Easi: return "Fichiers Pour EASI FFB (*.txt)|*.TXT";
    }
    return {};
}

std::string openFilter(ExportFormat f) {
    switch (f) {
    case ExportFormat::Lin: return "Fichiers PortableBridgeNotation (*.Lin)|*.LIN";
    case ExportFormat::Easi: return {};
    default: return saveFilter(f);
    }
}

std::string saveDialogTitle(int count) { return "Exportation de " + std::to_string(count) + " mains"; }
std::string openDialogTitle() { return "Compléte le fichier"; }

bool appendsTo(ExportFormat f, Numbering n) { return n == Numbering::From97 && f != ExportFormat::Easi; }

std::string exportButtonCaption(Numbering n) {
    return n == Numbering::From97 ? "Compléter E&xportation" : "E&xporter";
}

std::string boxCaption(int board) {
    return board < 10 ? "Main  " + std::to_string(board) : "Main " + std::to_string(board);
}

Selection completeBoards(const Series &s) {
    Selection sel{};
    for (int n = 1; n <= kBoards; ++n) sel[n - 1] = s.deal(n).complete();
    return sel;
}

void applySelectionButton(SelectionButton b, const Series &s, Selection &sel) {
    auto checkComplete = [&](int last) {
        for (int n = 1; n <= last; ++n) sel[n - 1] = s.deal(n).complete();
    };
    auto uncheckFrom = [&](int first) {
        for (int n = first; n <= kBoards; ++n) sel[n - 1] = false;
    };
    switch (b) {
    case SelectionButton::Selection:
    case SelectionButton::Select2: checkComplete(kBoards); break;
    case SelectionButton::Select1: checkComplete(64); break;
    case SelectionButton::Deselection: uncheckFrom(1); break;
    case SelectionButton::Deselect1: uncheckFrom(33); break;
    case SelectionButton::Deselect2: uncheckFrom(65); break;
    }
}

std::vector<int> leadingRun(const Selection &sel) {
    std::vector<int> run;
    for (int n = 1; n <= kBoards && sel[n - 1]; ++n) run.push_back(n);
    return run;
}

std::vector<int> checkedBoards(const Selection &sel) {
    std::vector<int> boards;
    for (int n = 1; n <= kBoards; ++n)
        if (sel[n - 1]) boards.push_back(n);
    return boards;
}

bool takesLeadingRun(ExportFormat f) { return f == ExportFormat::Dlm || f == ExportFormat::Dup; }

std::vector<int> exportedBoards(ExportFormat f, const Selection &sel) {
    return takesLeadingRun(f) ? leadingRun(sel) : checkedBoards(sel);
}

bool exportsNothing(ExportFormat f, const Selection &sel) { return takesLeadingRun(f) && !sel[0]; }

Selection selectionOf(const std::vector<int> &boards) {
    Selection sel{};
    for (int b : boards)
        if (b >= 1 && b <= kBoards) sel[b - 1] = true;
    return sel;
}

bool asksRotation(ExportFormat f) { return f == ExportFormat::Rtf; }

std::string rotationQuestion() {
    return "Désirez-vous faire tourner les diagrammes\rafin que le déclarant soit toujours\r"
           "en Sud et le flanc en Est/Ouest";
}

std::string newFileMessage(int count, const std::string &path) {
    return "Exportation de " + std::to_string(count) + " main(s) dans le fichier \r\r" + path;
}

std::string appendMessage(int count, const std::string &path) {
    return "Exportation de " + std::to_string(count) + " main(s) supplémentaires dans le fichier \r\r" + path;
}

std::string not96BoardsMessage(const std::string &fileName) {
    return "Il n'y a pas 96 mains dans le fichier \r\r" + fileName;
}

}  // namespace vrek
