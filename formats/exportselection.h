// What the export dialog shares between the writers: the menu items and the
// format tag in the caption, the default names, filters and dialog texts
// (all from the format table), the boards a writer takes from the 96 check
// boxes, and the closing messages.
// Texts are UTF-8; "\r" stands where the message boxes break their lines.
#pragma once
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/series.h"
#include "formats/formattable.h"

namespace vrek {

std::string menuItemName(ExportMenuItem item);     // "Baco1"
std::string menuItemCaption(ExportMenuItem item);  // "Deep&Finesse                 (DAT)"
ExportFormat formatOf(ExportMenuItem item);
// ".DAT", ".Pbn", ".PBN", ...: the case of the PBN extension tells the variants apart.
std::string captionExtension(ExportMenuItem item);

// The series file name less its last four characters (its extension).
std::string seriesStem(const std::string &seriesFile);
// "Exportation des mains dans le fichier " + stem + extension.
std::string exportDialogCaption(const std::string &seriesFile, ExportMenuItem item);
// The format named by the last three characters of the dialog's caption.
std::optional<ExportFormat> formatOfCaption(const std::string &caption);

// Default file name, always with a capital extension (".PBN" for both variants).
std::string defaultExportName(const std::string &seriesFile, ExportFormat f);
std::string saveFilter(ExportFormat f);
std::string openFilter(ExportFormat f);  // "" for EASI, which never appends
std::string saveDialogTitle(int count);  // "Exportation de 12 mains"
std::string openDialogTitle();           // "Compléte le fichier"

enum class Numbering { FromOne, From97 };  // radio group Complete: new file / append
// Whether the export edits an existing file (EASI always makes a new one).
bool appendsTo(ExportFormat f, Numbering n);
// Caption of the Exporte button for the numbering mode.
std::string exportButtonCaption(Numbering n);

// The check boxes Main1 .. Main96: box n is element n - 1.
using Selection = std::array<bool, kBoards>;

std::string boxCaption(int board);  // "Main  1" .. "Main 96"
// Boxes enabled (and checked by "Selectionner toutes les mains"): the complete deals.
Selection completeBoards(const Series &s);
// The boxes checked when the dialog opens: the complete deals among the
// evening's boards 1 .. `evening`.
Selection openingSelection(const Series &s, int evening);

enum class SelectionButton { Selection, Deselection, Select1, Deselect1, Select2, Deselect2 };
void applySelectionButton(SelectionButton b, const Series &s, Selection &sel);

// The machine files take the leading run: boards 1 .. n, n the checked boxes in a
// row from box 1 (empty when box 1 is unchecked). The others take every
// checked box in board order.
std::vector<int> leadingRun(const Selection &sel);
std::vector<int> checkedBoards(const Selection &sel);
bool takesLeadingRun(ExportFormat f);
std::vector<int> exportedBoards(ExportFormat f, const Selection &sel);
// A machine file with box 1 unchecked does nothing at all, without a message.
bool exportsNothing(ExportFormat f, const Selection &sel);
Selection selectionOf(const std::vector<int> &boards);

// Asked before an RTF export; OK means rotate.
bool asksRotation(ExportFormat f);
std::string rotationQuestion();

// Closing messages, with the number of deals this run exported.
std::string newFileMessage(int count, const std::string &path);
std::string appendMessage(int count, const std::string &path);
// Refusal of a DLM or DUP append to a file that does not hold 96 boards.
std::string not96BoardsMessage(const std::string &fileName);

}  // namespace vrek
