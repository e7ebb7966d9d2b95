#include "formats/formattable.h"

#include <algorithm>

namespace vrek {

// clang-format off
const std::vector<FormatDescriptor> &formatTable() {
    // Rows in the order of the export menu; the captions keep the spacing
    // the menus have always had.
    static const std::vector<FormatDescriptor> table = {
        {"DAT", ".DAT",
         ExportSide{{{ExportFormat::Dat, "dat", ".DAT",
                      {{ExportMenuItem::Baco1, "Baco1", "Deep&Finesse                 (DAT)"}}}},
                    "Fichiers BACO (*.dat)|*.DAT", "Fichiers BACO (*.dat)|*.DAT", BoardRule::Checked, true},
         std::nullopt},
        {"PBN", ".PBN",
         ExportSide{{{ExportFormat::PbnAll, "pbn", ".Pbn",
                      {{ExportMenuItem::Wbridge1, "Wbridge1", "Wbridge5    Vull->All     (PNB)"}}},
                     {ExportFormat::PbnBoth, "pbn-gib", ".PBN",
                      {{ExportMenuItem::GIB1, "GIB1", "G. I. B.    Vull->Both     (PNB)"}}}},
                    "Fichiers PortableBridgeNotation (*.pbn)|*.PBN", "Fichiers PortableBridgeNotation (*.pbn)|*.PBN",
                    BoardRule::Checked, true},
         ImportSide{ImportFormat::Pbn, "pbn", "PBN", "PBN|*.pbn", 1,
                    {{"WBridge51", "WBridge5                       (PBN)", false},
                     {"GIB2", "G.I.B.                            (PBN)", false},
                     {"WBridge5Insert", "WBridge5                       (PBN)", true},
                     {"GIB1Insert", "G.I.B.                            (PBN)", true}}}},
        {"LIN", ".LIN",
         ExportSide{{{ExportFormat::Lin, "lin", ".LIN",
                      {{ExportMenuItem::BridgeBaseOnline1, "BridgeBaseOnline1", "Bridge Base Online         (LIN)"}}}},
                    "Fichiers PortableBridgeNotation (*.lin)|*.LIN", "Fichiers PortableBridgeNotation (*.Lin)|*.LIN",
                    BoardRule::Checked, true},
         ImportSide{ImportFormat::Lin, "lin", "LIN", "LIN|*.lin", 6,
                    {{"FormatLIN2", "Format LIN (BBO)", false}, {"FormatLINInsert", "Format LIN (BBO)", true}}}},
        {"EASI", ".TXT",
         ExportSide{{{ExportFormat::Easi, "easi", ".TXT",
                      {{ExportMenuItem::FormatSimultansEASI1, "FormatSimultansEASI1", "Simultanés EASI             (TXT)"}}}},
                    "Fichiers Pour EASI FFB (*.txt)|*.TXT", "", BoardRule::Checked, false},
         std::nullopt},
        {"RTF", ".RTF",
         ExportSide{{{ExportFormat::Rtf, "rtf", ".RTF",
                      {{ExportMenuItem::Traitementdetexte1, "Traitementdetexte1", "Traitement de texte      (RTF)"}}}},
                    "Fichiers RichTextFormat (*.rtf)|*.RTF", "Fichiers RichTextFormat (*.rtf)|*.RTF",
                    BoardRule::Checked, true},
         std::nullopt},
        {"DUP", ".DUP",
         ExportSide{{{ExportFormat::Dup, "dup", ".DUP",
                      {{ExportMenuItem::HandyDup1, "HandyDup1", "HandyDup                     (DUP)"},
                       {ExportMenuItem::Dealer41, "Dealer41", "Dealer4                          (DUP)"}}}},
                    "Fichiers WinDup (*.dup)|*.DUP", "Fichiers WinDup (*.dup)|*.DUP", BoardRule::LeadingRun, true},
         ImportSide{ImportFormat::Dup, "dup", "DUP", "DUP|*.dup", 2,
                    {{"HundyDup1", "&HundyDup                     (DUP)", false},
                     {"HundyDup1Insert", "&HundyDup                     (DUP)", true}}}},
        {"DLM", ".DLM",
         ExportSide{{{ExportFormat::Dlm, "dlm", ".DLM",
                      {{ExportMenuItem::Duplimate1, "Duplimate1", "Duplimate                       (DLM)"}}}},
                    "Fichiers WinDup (*.dlm)|*.DLM", "Fichiers WinDup (*.dlm)|*.DLM", BoardRule::LeadingRun, true},
         ImportSide{ImportFormat::Dlm, "dlm", "DLM", "DLM|*.dlm", 3,
                    {{"Duplimate2", "Duplimate                      (DLM)", false},
                     {"Duplimate1Insert", "Duplimate                      (DLM)", true}}}},
        {"BRI", ".BRI",
         ExportSide{{{ExportFormat::Bri, "bri", ".BRI", {{ExportMenuItem::FormatBRI1, "FormatBRI1", "Format BRI"}}}},
                    "Fichiers BRI (*.bri)|*.BRI", "Fichiers BRI (*.bri)|*.BRI", BoardRule::LeadingRun, true},
         ImportSide{ImportFormat::Bri, "bri", "BRI", "BRI|*.bri", 4,
                    {{"FormatBRI2", "Format BRI", false}, {"FormatBRIInsert", "Format BRI", true}}}},
        {"DGE", ".DGE",
         ExportSide{{{ExportFormat::Dge, "dge", ".DGE", {{ExportMenuItem::FormatDGE1, "FormatDGE1", "Format DGE"}}}},
                    "Fichiers DGE (*.dge)|*.DGE", "Fichiers DGE (*.dge)|*.DGE", BoardRule::LeadingRun, true},
         ImportSide{ImportFormat::Dge, "dge", "DGE", "DGE|*.dge", 5,
                    {{"FormatDGE2", "Format DGE", false}, {"FormatDGEInsert", "Format DGE", true}}}},
        {"Vrek", ".VRK", std::nullopt,
         ImportSide{ImportFormat::Vrk, "vrk", "VRK", "VRK|*.vrk", 7,
                    {{"Vrk1Insert", "Vrek                              (VRK)", true}}}},
    };
    return table;
}
// clang-format on

const FormatDescriptor &descriptorOf(ExportFormat f) {
    for (const auto &d : formatTable())
        if (d.exports)
            for (const auto &v : d.exports->variants)
                if (v.format == f) return d;
    return formatTable().front();  // unreachable: every format has its row (tested)
}

const FormatDescriptor &descriptorOf(ImportFormat f) {
    for (const auto &d : formatTable())
        if (d.imports && d.imports->format == f) return d;
    return formatTable().back();
}

const ExportVariant &variantOf(ExportFormat f) {
    for (const auto &v : descriptorOf(f).exports->variants)
        if (v.format == f) return v;
    return descriptorOf(f).exports->variants.front();
}

std::vector<ExportItem> exportMenu() {
    std::vector<ExportItem> items;
    for (const auto &d : formatTable())
        if (d.exports)
            for (const auto &v : d.exports->variants) items.insert(items.end(), v.items.begin(), v.items.end());
    return items;
}

const ExportItem &exportItem(ExportMenuItem item) {
    for (const auto &d : formatTable())
        if (d.exports)
            for (const auto &v : d.exports->variants)
                for (const auto &i : v.items)
                    if (i.id == item) return i;
    return formatTable().front().exports->variants.front().items.front();
}

namespace {
std::vector<const FormatDescriptor *> importRows() {
    std::vector<const FormatDescriptor *> rows;
    for (const auto &d : formatTable())
        if (d.imports) rows.push_back(&d);
    std::stable_sort(rows.begin(), rows.end(),
                     [](auto *a, auto *b) { return a->imports->menuRank < b->imports->menuRank; });
    return rows;
}
}  // namespace

std::vector<ImportItem> importMenu(bool insert) {
    std::vector<ImportItem> items;
    for (const FormatDescriptor *d : importRows())
        for (const auto &i : d->imports->items)
            if (i.insert == insert) items.push_back(i);
    return items;
}

const FormatDescriptor *descriptorOfImportItem(const std::string &name, bool insert) {
    for (const auto &d : formatTable())
        if (d.imports)
            for (const auto &i : d.imports->items)
                if (i.insert == insert && name == i.name) return &d;
    return nullptr;
}

std::optional<ExportFormat> exportFormatOfWord(const std::string &word) {
    for (const auto &d : formatTable())
        if (d.exports)
            for (const auto &v : d.exports->variants)
                if (word == v.word) return v.format;
    return std::nullopt;
}

std::optional<ImportFormat> importFormatOfWord(const std::string &word) {
    for (const auto &d : formatTable())
        if (d.imports && word == d.imports->word) return d.imports->format;
    return std::nullopt;
}

std::string exportWords() {
    std::string s;
    for (const auto &d : formatTable())
        if (d.exports)
            for (const auto &v : d.exports->variants) s += (s.empty() ? "" : " ") + std::string(v.word);
    return s;
}

std::string importWords() {
    std::string s;
    for (const FormatDescriptor *d : importRows()) s += (s.empty() ? "" : " ") + std::string(d->imports->word);
    return s;
}

std::string importExtensionsText() {
    // In the order of the enum: the machine files first, a series last.
    std::vector<const FormatDescriptor *> rows;
    for (const auto &d : formatTable())
        if (d.imports) rows.push_back(&d);
    std::sort(rows.begin(), rows.end(), [](auto *a, auto *b) { return a->imports->format < b->imports->format; });
    std::string s;
    for (size_t i = 0; i < rows.size(); ++i)
        s += (i == 0 ? "" : i + 1 == rows.size() ? " ou " : ", ") + std::string(rows[i]->extension);
    return s;
}

}  // namespace vrek
