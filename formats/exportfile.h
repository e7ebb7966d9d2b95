// Writing one export file by the format's batch word: what `vrek export`
// does once it has the series and the options, and what a command that
// writes several formats at once calls for each of them.
#pragma once
#include <string>

#include "formats/exports.h"

namespace vrek {

struct ExportFileResult {
    bool ok = false;
    std::string message;  // French: the closing message, or why nothing was written
    int count = 0;        // deals exported
};

// Why format f cannot be written from these boards to `path` before anything
// is built: a machine file without board 1, a board not complete, the
// series' own files; "" when it can.
std::string exportRefusal(ExportFormat f, const Series &s, const std::string &seriesFile, const Selection &sel,
                          const std::string &path);

// Writes format `word` ("dup", "pbn-gib", ...) of the boards of `sel` to
// `path`, replacing it whole, or completing it in append mode
// (opt.numbering From97, opt.existing read here). Refused, with nothing
// written: an unknown word, a machine file without board 1, a board not
// complete, the series' own files, a file to complete that is missing or
// not fit. The messages break lines with CR, as the message boxes do.
ExportFileResult exportToFile(const std::string &word, const Series &s, const std::string &seriesFile,
                              const Selection &sel, ExportOptions opt, const std::string &path);

}  // namespace vrek
