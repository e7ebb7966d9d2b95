// The series file pair: NAME.vrk (96 raw 160-byte records) and NAME.VRT
// (the text store, one line per CR LF line, Windows-1252).
#pragma once
#include <optional>
#include <string>

#include "core/series.h"

namespace vrek {

// The text file's name: the series name less its last four characters, plus ".VRT".
std::string textFileName(const std::string &seriesFile);
// The series' existing text file whatever the case of its extension
// ("Lundi.VRT", "lundi.vrt" beside "lundi.vrk"), else textFileName().
std::string findTextFile(const std::string &seriesFile);
// Whether writing `target` would replace a file of the series: its .vrk or
// text file by any name or link, or the name either takes (any case of the
// extension), even before it exists.
bool isSeriesFile(const std::string &seriesFile, const std::string &target);

std::string serializeDeals(const Series &s);
std::string serializeTexts(const Series &s);
// Splits at CR LF, lone CR and lone LF. A NUL followed only by NULs, blanks
// and line ends (padding) ends the text; any other NUL is dropped.
std::vector<std::string> splitTextLines(const std::string &bytes);
// A series text has 1,441 lines (an older one fewer); one of more than this
// is damaged or foreign. Building its lines would take gigabytes (64 MB of
// line ends), so it is refused before it is split.
constexpr size_t kMaxTextLines = 100000;
// The French reason the text file `name` holding `bytes` is refused, or "".
std::string textLinesFault(const std::string &name, const std::string &bytes);
// Pads a loaded text store the way older series need it.
void padLoadedText(std::vector<std::string> &lines);

// The series from the bytes of its two files (nullopt: no text file), as
// the file functions read them.
Series seriesFromBytes(const std::string &deals, const std::optional<std::string> &texts);

// The journal of the pair's saves: ".NAME.vrek-journal" beside the lock.
std::string journalFileName(const std::string &seriesFile);

// Writes both files atomically, through the journal, so that a save killed
// at any step leaves a pair the next open makes wholly old or wholly new.
// Puts right what an earlier interrupted save left first. Returns "" or a
// French error message.
std::string saveSeries(const std::string &seriesFile, const Series &s);

struct LoadResult {
    bool ok = false;
    std::string error;      // French message when !ok, or a warning when ok
    std::string notice;     // what was found and done, such as an interrupted save put right
    bool created = false;   // the pair did not exist and was created empty
};

// Reads the pair into `out`. A missing .vrk creates an empty pair; a missing
// .VRT next to an existing .vrk starts the texts empty and writes them. An
// interrupted save is completed or undone first, and the leftovers of such
// saves removed (for the holder of the series' lock). On failure `out` is
// left untouched.
LoadResult loadSeries(const std::string &seriesFile, Series &out);
// The same read for batch commands, which never create nor change a file: a
// missing .vrk is an error and a missing .VRT gives empty texts; a pair that
// an interrupted save left is read as its completion would leave it.
LoadResult readSeries(const std::string &seriesFile, Series &out);

}  // namespace vrek
