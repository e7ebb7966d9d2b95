// The evening in one step: for the boards of the evening, every file a club
// needs (the files for the bridge programs and the dealing machines, the
// printouts as PDF, the fairness report, the key's fingerprint) written into
// one folder, with a short text that lists them. Each file is made by the
// same function as its export or printout, and written whole or not at all;
// one that fails is named and the others are kept.
#pragma once
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/dealanalysis.h"
#include "core/series.h"
#include "platform/canvas.h"
#include "printing/labels.h"
#include "printing/printstyle.h"

namespace vrek::bundle {

// What the bundle can hold, in the order it is written.
enum class Item { Pbn, Dlm, Dup, Lin, Bri, Dge, Diagrams, Travellers, Labels, Fairness, Fingerprint };

struct ItemInfo {
    Item item;
    const char *word;     // the batch command's word, "diagrams"
    const char *caption;  // the dialog's tick
    const char *what;     // what the list of files says of it
};
const std::vector<ItemInfo> &items();
const ItemInfo &info(Item item);
std::optional<Item> itemOfWord(const std::string &word);
// "pbn, dlm, dup, ..." for the messages.
std::string itemWords();

struct Job {
    Series series;           // as it stands when the run starts
    std::string seriesFile;  // UTF-8 path of its .vrk
    std::vector<int> boards; // the evening's, ascending
    std::vector<Item> chosen;
    std::string folder;
    std::string date;     // "08/12/2026", for the list of files
    std::string pbnDate;  // "2026.12.08"; "" is today
    PrintStyle style;
    LabelGeometry labels;
    std::string fingerprint;  // of the key used; "" when there is none
    std::string decimalPoint = ",";
    // The double-dummy analysis of the boards analysedBoards() names.
    std::map<int, DealAnalysis> analysis;

    bool has(Item i) const;
};

// Beside the series, named after it: "/club/mardi.vrk" gives "/club/mardi".
std::string proposedFolder(const std::string &seriesFile);
// The file an item is written to, and the list of what was written.
std::string pathOf(const Job &job, Item item);
std::string listPath(const Job &job);
// The boards the solver must have analysed first: those of the PBN file and
// those printed on the diagram pages; empty when neither is chosen.
std::vector<int> analysedBoards(const Job &job);

// Why nothing can be written (no item, no board, a board not complete, the
// fingerprint without a key, a file of the series among the targets, a
// folder that is a file), as a French message; "" when the job can run.
std::string refusal(const Job &job);
// The targets already in the folder: replaced only once the user agrees.
std::vector<std::string> existingFiles(const Job &job);

// Writes a PDF to `path` whole or not at all from the drawing, gives its
// pages; returns "" or a French message.
using PdfWriter =
    std::function<std::string(const std::string &path, const std::function<bool(Canvas &)> &draw, int &pages)>;

struct Outcome {
    std::string path;
    std::string error;  // "" when written
    int deals = 0;      // in a file of deals
    int pages = 0;      // in a PDF
    bool ok() const { return error.empty(); }
};

// Creates the folder, writes every chosen item, then the list of files.
// The first outcome is the folder's when it cannot be made (then nothing
// else is tried); the last is the list's.
std::vector<Outcome> write(const Job &job, const PdfWriter &pdf);
// "Écrit : /club/mardi/mardi.PBN (24 donnes)", "Échec : … : why".
std::string outcomeLine(const Outcome &o);
// The list of files: the boards, the date, each file written, those that
// failed. UTF-8 with CR LF line ends.
std::string listText(const Job &job, const std::vector<Outcome> &written);

}  // namespace vrek::bundle
