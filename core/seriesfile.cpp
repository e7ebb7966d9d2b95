#include "core/seriesfile.h"

#include <cstring>

#include "core/fileio.h"

namespace vrek {

std::string textFileName(const std::string &seriesFile) {
    std::string base = seriesFile.size() >= 4 ? seriesFile.substr(0, seriesFile.size() - 4) : seriesFile;
    return base + ".VRT";
}

std::string serializeDeals(const Series &s) {
    std::string out(sizeof(Deal) * kBoards, '\0');
    std::memcpy(out.data(), s.deals.data(), out.size());
    return out;
}

std::string serializeTexts(const Series &s) {
    std::string out;
    size_t total = 0;
    for (const auto &l : s.lines) total += l.size() + 2;
    out.reserve(total);
    for (const auto &l : s.lines) {
        out += l;
        out += "\r\n";
    }
    return out;
}

std::vector<std::string> splitTextLines(const std::string &bytes) {
    std::vector<std::string> lines;
    size_t end = bytes.find('\0');
    if (end == std::string::npos) end = bytes.size();
    std::string cur;
    bool open = false;  // a line has started since the last line end
    for (size_t i = 0; i < end; ++i) {
        char c = bytes[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(std::move(cur));
            cur.clear();
            open = false;
            if (c == '\r' && i + 1 < end && bytes[i + 1] == '\n') ++i;
        } else {
            cur += c;
            open = true;
        }
    }
    if (open) lines.push_back(std::move(cur));
    return lines;
}

void padLoadedText(std::vector<std::string> &lines) {
    // An older 32-board text (481 lines or fewer) gets the 1408 lines of
    // boards 33 .. 96; any text still short of 1441 lines is filled up so
    // that every board has its 15 lines.
    if (lines.size() < 482) lines.resize(lines.size() + 1408);
    if (lines.size() < static_cast<size_t>(kTextLines)) lines.resize(kTextLines);
}

std::string saveSeries(const std::string &seriesFile, const Series &s) {
    return writeFilesAtomic({{seriesFile, serializeDeals(s)}, {textFileName(seriesFile), serializeTexts(s)}});
}

namespace {
LoadResult load(const std::string &seriesFile, Series &out, bool create) {
    LoadResult r;
    Series s;
    s.clear();
    std::string bytes, err;
    switch (readWholeFile(seriesFile, bytes, err)) {
    case ReadStatus::Missing: {
        if (!create) {
            r.error = "Le fichier " + seriesFile + " n'existe pas";
            return r;
        }
        // A new series: write the empty deal file. An existing text file of
        // the same name is kept and read below rather than overwritten.
        std::string e = writeFileAtomic(seriesFile, serializeDeals(s));
        if (!e.empty()) {
            r.error = e;
            return r;
        }
        r.created = true;
        break;
    }
    case ReadStatus::Failed:
        r.error = err;
        return r;
    case ReadStatus::Ok:
        break;
    }
    // Whole records only, and no more than the 96 the store holds.
    size_t records = std::min<size_t>(bytes.size() / sizeof(Deal), kBoards);
    std::memcpy(static_cast<void *>(s.deals.data()), bytes.data(), records * sizeof(Deal));

    std::string textName = textFileName(seriesFile);
    std::string text;
    switch (readWholeFile(textName, text, err)) {
    case ReadStatus::Ok:
        s.lines = splitTextLines(text);
        padLoadedText(s.lines);
        break;
    case ReadStatus::Missing: {
        s.lines.assign(kTextLines, std::string());
        if (!create) break;
        std::string e = writeFileAtomic(textName, serializeTexts(s));
        if (!e.empty()) r.error = e;  // the series still opens, texts empty
        break;
    }
    case ReadStatus::Failed:
        // Never replace an existing text file that could not be read.
        r.error = err;
        return r;
    }
    out = std::move(s);
    r.ok = true;
    return r;
}

}  // namespace

LoadResult loadSeries(const std::string &seriesFile, Series &out) { return load(seriesFile, out, true); }
LoadResult readSeries(const std::string &seriesFile, Series &out) { return load(seriesFile, out, false); }

}  // namespace vrek
