// The series file pair: NAME.vrk (96 raw 160-byte records) and NAME.VRT
// (the text store, one line per CR LF line, Windows-1252).
#pragma once
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
// Pads a loaded text store the way older series need it.
void padLoadedText(std::vector<std::string> &lines);

// Writes both files atomically. Returns "" or a French error message.
std::string saveSeries(const std::string &seriesFile, const Series &s);

struct LoadResult {
    bool ok = false;
    std::string error;      // French message when !ok, or a warning when ok
    bool created = false;   // the pair did not exist and was created empty
};

// Reads the pair into `out`. A missing .vrk creates an empty pair; a missing
// .VRT next to an existing .vrk starts the texts empty and writes them. On
// failure `out` is left untouched.
LoadResult loadSeries(const std::string &seriesFile, Series &out);
// The same read for batch commands, which never create nor change a file: a
// missing .vrk is an error and a missing .VRT gives empty texts.
LoadResult readSeries(const std::string &seriesFile, Series &out);

}  // namespace vrek
