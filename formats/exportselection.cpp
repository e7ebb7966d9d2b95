#include "formats/exportselection.h"

#include <algorithm>

namespace vrek {

std::string menuItemName(ExportMenuItem item) { return exportItem(item).name; }
std::string menuItemCaption(ExportMenuItem item) { return exportItem(item).caption; }
ExportFormat formatOf(ExportMenuItem item) {
    for (const auto &d : formatTable())
        if (d.exports)
            for (const auto &v : d.exports->variants)
                for (const auto &i : v.items)
                    if (i.id == item) return v.format;
    return ExportFormat::Dat;
}
std::string captionExtension(ExportMenuItem item) { return variantOf(formatOf(item)).captionExtension; }

std::string seriesStem(const std::string &seriesFile) {
    return seriesFile.size() > 4 ? seriesFile.substr(0, seriesFile.size() - 4) : std::string();
}

std::string exportDialogCaption(const std::string &seriesFile, ExportMenuItem item) {
    return "Exportation des mains dans le fichier " + seriesStem(seriesFile) + captionExtension(item);
}

std::optional<ExportFormat> formatOfCaption(const std::string &caption) {
    if (caption.size() < 3) return std::nullopt;
    // Compared with its case: "Pbn" and "PBN" are two variants.
    const std::string tag = caption.substr(caption.size() - 3);
    for (const auto &d : formatTable())
        if (d.exports)
            for (const auto &v : d.exports->variants)
                if (std::string(v.captionExtension).substr(1) == tag) return v.format;
    return std::nullopt;
}

std::string defaultExportName(const std::string &seriesFile, ExportFormat f) {
    return seriesStem(seriesFile) + descriptorOf(f).extension;
}

std::string saveFilter(ExportFormat f) { return descriptorOf(f).exports->saveFilter; }
std::string openFilter(ExportFormat f) { return descriptorOf(f).exports->openFilter; }

std::string saveDialogTitle(int count) { return "Exportation de " + std::to_string(count) + " mains"; }
std::string openDialogTitle() { return "Compléte le fichier"; }

bool appendsTo(ExportFormat f, Numbering n) { return n == Numbering::From97 && descriptorOf(f).exports->appends; }

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

Selection openingSelection(const Series &s, int evening) {
    Selection sel = completeBoards(s);
    for (int n = std::max(evening, 0) + 1; n <= kBoards; ++n) sel[n - 1] = false;
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

bool takesLeadingRun(ExportFormat f) { return descriptorOf(f).exports->boards == BoardRule::LeadingRun; }

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
