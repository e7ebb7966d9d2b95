// Files for the import tests: series exported by the writers to a
// temporary folder, and an import run against a copy of a series.
#pragma once
#include <string>
#include <vector>

#include "core/seriesfile.h"
#include "exportfixture.h"
#include "formats/importer.h"
#include "testutil.h"

namespace importfix {

// 96 shuffled complete deals, none of them the same.
inline vrek::Series randomSeries(unsigned seed) {
    vrek::Series s;
    for (int b = 1; b <= 96; ++b) s.deal(b) = testutil::shuffledDeal(seed * 1000 + b);
    return s;
}

// A series whose every line says where it lives, so moved lines show.
inline vrek::Series textedSeries(const std::string &tag) {
    vrek::Series s;
    s.setLine(0, tag + " titre");
    for (int i = 1; i < vrek::kTextLines; ++i) s.setLine(i, tag + " ligne " + std::to_string(i));
    return s;
}

inline std::string exported(vrek::ExportFormat f, const vrek::Series &s, const vrek::Selection &sel) {
    vrek::ExportOptions o;
    o.date = "2024.03.07";
    vrek::ExportOutput out = vrek::exportSeries(f, s, sel, o);
    return out.bytes;
}

inline std::vector<int> range(int a, int b) {
    std::vector<int> v;
    for (int i = a; i <= b; ++i) v.push_back(i);
    return v;
}

inline vrek::ImportRequest request(vrek::ImportFormat f, const std::string &file, std::vector<int> boards,
                                   int insertAt = 0) {
    vrek::ImportRequest r;
    r.format = f;
    r.file = file;
    r.boards = std::move(boards);
    r.insertAt = insertAt;
    r.title = vrek::importTitle(file);
    return r;
}

inline bool sameSeries(const vrek::Series &a, const vrek::Series &b) {
    return a.deals == b.deals && a.lines == b.lines;
}

}  // namespace importfix
