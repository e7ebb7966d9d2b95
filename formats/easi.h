// The federation's EASI text file: "#DONNE", one line per deal, "#FIN".
#pragma once
#include <string>

#include "core/cards.h"
#include "formats/exports.h"

namespace vrek {

// "1;" + sixteen holdings + vulnerability + ";" + dealer + ten semicolons.
std::string easiLine(const Deal &d, int board);

// Always a new file numbered by deal number: the format has no append mode.
ExportOutput writeEasi(const Series &s, const Selection &sel, const ExportOptions &opt);

}  // namespace vrek
