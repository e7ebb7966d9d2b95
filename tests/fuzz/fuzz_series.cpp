// The series pair: deal records and text lines as an open or an insertion
// reads them. The first two bytes say how many of the rest are records.
#include "core/dealview.h"
#include "core/seriesfile.h"
#include "formats/seriesimport.h"
#include "fuzzcheck.h"

using fuzzcheck::require;

VREK_FUZZ_TARGET(series) {
    if (size < 2) return;
    const size_t n = (data[0] | data[1] << 8) % (size - 1);
    const std::string records(reinterpret_cast<const char *>(data) + 2, n);
    const std::string texts(reinterpret_cast<const char *>(data) + 2 + n, size - 2 - n);

    fuzzcheck::scanAndRead(records, vrek::scanSeriesRecords, [&](const std::string &r, const std::vector<int> &b) {
        vrek::ImportRead read = vrek::readSeriesRecords(r, texts, b);
        for (const auto &d : read.deals) require(d.lines.size() == 15, "an inserted deal without its 15 lines");
        return read;
    });

    // The pair as the file functions read it: every board addressable, no
    // line holding a line end or a NUL, and a save that reads back line for line.
    const vrek::Series read = vrek::seriesFromBytes(records, texts);
    require(read.lines.size() >= vrek::kTextLines, "a series read with fewer than 1441 lines");
    // Each line is followed by CR LF: any other CR, LF or NUL is in a line.
    const std::string saved = vrek::serializeTexts(read);
    require(std::count(saved.begin(), saved.end(), '\r') == std::ssize(read.lines) &&
                std::count(saved.begin(), saved.end(), '\n') == std::ssize(read.lines) &&
                saved.find('\0') == std::string::npos,
            "a line end or NUL in a line");
    require(vrek::splitTextLines(saved) == read.lines, "a saved text reads back otherwise");
    // The records are kept as stored: the window shows each board read, and
    // a damaged one only as damaged.
    for (int b = 1; b <= static_cast<int>(std::min<size_t>(records.size() / sizeof(vrek::Deal), vrek::kBoards)); ++b)
        require(vrek::viewOf(read.deal(b), b, 1).damaged == read.deal(b).damaged(), "a damaged record shown as a deal");
}
