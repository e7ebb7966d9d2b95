// Import and insertion of deals: the format of a file, the dialog's texts,
// the series name an import takes, and the import itself, which reads and
// checks every chosen deal before it changes anything in the series.
// Texts are UTF-8; "\r" stands where the message boxes break their lines.
#pragma once
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/series.h"
#include "formats/exportselection.h"
#include "formats/importdeal.h"

namespace vrek {

// By the file's extension in capitals, from the format table: ".DUP",
// ".DLM", ".PBN", ".BRI", ".DGE", ".LIN", ".VRK".
std::optional<ImportFormat> importFormatOf(const std::string &fileName);

// Dialog captions; the file to read is the end of the caption.
std::string importDialogCaption(bool insert, const std::string &file);
std::string fileOfImportCaption(bool insert, const std::string &caption);
// The series commands' caption once the deals are in.
std::string importedCaption(const std::string &seriesFile);
// Confirmation boxes.
std::string emptyFileMessage();                              // " Le fichier est vide "
std::string saveQuestion(const std::string &seriesFile);     // " Faut-il enregistrer " + name

// The imported file's name with its last four characters replaced by ".VRK".
std::string derivedSeriesName(const std::string &importFile);
// Two series names for the same pair: equal but for the case of the ".vrk".
bool sameSeries(const std::string &a, const std::string &b);
// The name the series takes on import: the current one when it is the same
// series, else an existing pair's spelling of the derived name (so that
// "Lundi.vrk" is not shadowed by a new "Lundi.VRK" sharing its "Lundi.VRT"),
// else the derived name.
std::string importedSeriesName(const std::string &importFile, const std::string &currentSeries);
// Asked before an import names the series after an existing file (its
// .vrk or its text file) other than the open series, so that nothing
// replaces that file unasked; "" when there is nothing to replace.
std::string replaceQuestion(const std::string &importFile, const std::string &currentSeries);
// The title an import gives the series: the file's name without its folder,
// in Windows-1252.
std::string importTitle(const std::string &importFile);

// A series file's deals are inserted, never imported: the refusal, or "".
std::string modeRefusal(ImportFormat f, bool insert);

// Reads the file and finds the boards it offers. Missing, unreadable or
// oversized files give an error.
ImportScan scanImportFile(ImportFormat f, const std::string &file);

// Boxes checked among the available boards, in board order.
std::vector<int> chosenBoards(const Availability &available, const Selection &checked);

// Reads the chosen boards of the file; the error names the file and why
// nothing of it can be read, `skipped` each deal that could not be.
ImportRead readImportFile(ImportFormat f, const std::string &file, const std::vector<int> &boards);

// The refusal of an insertion of `count` deals from `position` that would
// pass deal 96, or "".
std::string insertionRefusal(int position, int count);

struct ImportRequest {
    ImportFormat format = ImportFormat::Dup;
    std::string file;
    std::vector<int> boards;  // chosen, in board order
    int insertAt = 0;         // 0: import (each board b into deal b); else the first target deal
    std::string title;        // import: the new series title
};

struct ImportResult {
    std::string error;  // French; the series is then exactly as it was
    int count = 0;      // deals written into the series
    std::vector<std::string> skipped;  // the deals that could not be read, each with its line or record
    int unlisted = 0;                  // more of them, past the list
    std::vector<std::string> notes;
    // The file's double-dummy analyses of the boards they hold for (same
    // dealer and vulnerability), by the board they went to.
    std::map<int, DealAnalysis> analyses;
    bool ok() const { return error.empty(); }
};

// Import empties the whole series (deals and their lines), sets the title and
// places each board at its own number. Insertion empties the k target deals
// from insertAt with their 15 lines and writes the deals there one after the
// other, a series file's deals with their lines. The deals that could not be
// read are left out and named; nothing changes when none could be, or when
// the deals read do not fit.
ImportResult importDeals(Series &s, const ImportRequest &r);

// What an import that changed the series says: how many deals it read, and
// which it left out and why; "" when there is nothing to add to the count.
std::string skippedReport(const ImportResult &r);
// The whole message of the window: "Importation de 93 donnes du fichier ..."
// then the report; "" when every deal was read.
std::string importReport(const ImportResult &r, const std::string &file, bool insert);

}  // namespace vrek
