// One entry point for the writers: the bytes of an export file from
// the series, the check boxes and the options the dialog gathered.
#pragma once
#include <string>
#include <vector>

#include "core/dealanalysis.h"
#include "core/series.h"
#include "formats/exportselection.h"

namespace vrek {

enum class PbnVariant { All, Both };  // the word for both sides vulnerable

struct ExportOptions {
    Numbering numbering = Numbering::FromOne;
    PbnVariant pbn = PbnVariant::All;  // set from the format by exportSeries
    bool rotate = false;               // RTF: declarer always shown South
    std::string existing;              // append: the chosen file's bytes
    std::string existingName;          // append: its name, for the messages
    std::string date;                  // PBN Date value "2024.03.07"; "" = today
    // PBN: the double-dummy analysis of each board that has one, written
    // after the deal's tags; none when null.
    const std::map<int, DealAnalysis> *analysis = nullptr;
};

struct ExportOutput {
    std::string bytes;    // the whole file as it must be written
    int count = 0;        // deals exported by this run
    std::string error;    // French refusal; nothing may be written then
    bool nothing = false; // silent no-op (DLM, DUP without box 1)
    bool ok() const { return error.empty() && !nothing; }
};

// Builds the file for format f. In append mode (appendsTo(f, numbering))
// the result replaces the chosen file whole.
ExportOutput exportSeries(ExportFormat f, const Series &s, const Selection &sel, ExportOptions opt);

// The boards format f would take from the selection whose deal is not
// complete. The dialog offers only complete deals, and no format can carry
// one with cards missing (LIN and the machine files leave a hand implied).
std::vector<int> incompleteBoards(ExportFormat f, const Series &s, const Selection &sel);
std::string incompleteMessage(const std::vector<int> &boards);
// The refusal of an export file that is the series being exported (its
// .vrk or its text file, by any name), or "".
std::string overwritesSeries(const std::string &seriesFile, const std::string &target);

// Today's date as PBN writes it, year.month.day.
std::string pbnToday();

}  // namespace vrek
