// One row per file format: everything the export and import dialogs, the
// menus and the batch commands say about it. The writers and readers are
// chosen by the enums below in switches the compiler checks (exports.cpp,
// importer.cpp); the texts and rules come from here only.
#pragma once
#include <optional>
#include <string>
#include <vector>

namespace vrek {

enum class ExportFormat { Dat, PbnAll, PbnBoth, Lin, Easi, Rtf, Dup, Dlm, Bri, Dge };
enum class ImportFormat { Dup, Dlm, Pbn, Bri, Dge, Lin, Vrk };

// The items of the "E&xporter" menu, in menu order.
enum class ExportMenuItem {
    Baco1, Wbridge1, GIB1, BridgeBaseOnline1, FormatSimultansEASI1, Traitementdetexte1, HandyDup1, Dealer41,
    Duplimate1, FormatBRI1, FormatDGE1
};
constexpr int kExportMenuItems = 11;

// Which boards a writer takes from the 96 check boxes: the boxes checked in
// a row from box 1 (dealing machines, whose records are the boards 1 .. n),
// or every checked box.
enum class BoardRule { LeadingRun, Checked };

struct ExportItem {
    ExportMenuItem id;
    const char *name;     // the menu item's object name, "Baco1"
    const char *caption;  // "Deep&Finesse                 (DAT)"
};

struct ExportVariant {
    ExportFormat format;
    const char *word;  // the batch command's word, "pbn-gib"
    // Put in the dialog's caption; its last three characters name the variant.
    const char *captionExtension;
    std::vector<ExportItem> items;
};

struct ExportSide {
    std::vector<ExportVariant> variants;
    const char *saveFilter;
    const char *openFilter;  // append mode; "" when the format never appends
    BoardRule boards;
    // "à partir de 97" edits an existing file of 96 boards (DLM, DUP, BRI,
    // DGE) or of any content (the others); EASI always writes a new file.
    bool appends;
};

struct ImportItem {
    const char *name;
    const char *caption;
    bool insert;  // an item of the "Insérer" menu, else of "&Importer"
};

struct ImportSide {
    ImportFormat format;
    const char *word;    // "dup"
    const char *suffix;  // the open dialog's default suffix, "DUP"
    const char *filter;  // "DUP|*.dup"
    int menuRank;        // order in the import and insertion menus
    std::vector<ImportItem> items;
};

struct FormatDescriptor {
    const char *name;       // "DUP", as the messages name it
    const char *extension;  // ".DUP": default export name, and the reader of an imported file
    std::optional<ExportSide> exports;
    std::optional<ImportSide> imports;
};

const std::vector<FormatDescriptor> &formatTable();

const FormatDescriptor &descriptorOf(ExportFormat f);
const FormatDescriptor &descriptorOf(ImportFormat f);
const ExportVariant &variantOf(ExportFormat f);
const ExportItem &exportItem(ExportMenuItem item);

// The export menu's items in menu order; the import or insertion menu's.
std::vector<ExportItem> exportMenu();
std::vector<ImportItem> importMenu(bool insert);
const FormatDescriptor *descriptorOfImportItem(const std::string &name, bool insert);

std::optional<ExportFormat> exportFormatOfWord(const std::string &word);
std::optional<ImportFormat> importFormatOfWord(const std::string &word);
// "dat pbn pbn-gib lin ..." for the usage lines.
std::string exportWords();
std::string importWords();
// ".DUP, .DLM, .PBN, .BRI, .DGE, .LIN ou .VRK"
std::string importExtensionsText();

}  // namespace vrek
