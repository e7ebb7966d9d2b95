// Series builders shared by the export tests.
#pragma once
#include <string>
#include <vector>

#include "core/series.h"
#include "formats/exports.h"
#include "testutil.h"

namespace fixture {

// Each suit split AKQJ / T98 / 765 / 432 and turned one seat per suit.
inline vrek::Deal turnedDeal() {
    return testutil::dealFrom("AKQJ.T98.765.432", "T98.AKQJ.432.765", "765.432.AKQJ.T98", "432.765.T98.AKQJ");
}

// Boards 1 .. complete hold shuffled deals (board 1 the turned deal), the rest are empty.
inline vrek::Series series(int complete = 96) {
    vrek::Series s;
    for (int b = 1; b <= complete; ++b) s.deal(b) = b == 1 ? turnedDeal() : testutil::shuffledDeal(b);
    return s;
}

inline void setContract(vrek::Series &s, int board, const std::string &text) {
    s.setLine(vrek::contractLine(board), vrek::makeContractLine(text, {3, 3, 6}));
}

inline vrek::Selection boards(std::initializer_list<int> list) { return vrek::selectionOf(list); }

inline vrek::Selection firstBoards(int n) {
    vrek::Selection sel{};
    for (int i = 0; i < n; ++i) sel[i] = true;
    return sel;
}

inline vrek::ExportOptions appendTo(const std::string &existing, const std::string &name = "/tmp/old") {
    vrek::ExportOptions o;
    o.numbering = vrek::Numbering::From97;
    o.existing = existing;
    o.existingName = name;
    return o;
}

// The lines of a CR LF file; fails the test on a lone CR or LF.
inline std::vector<std::string> crlfLines(const std::string &bytes) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t e = bytes.find("\r\n", start);
        if (e == std::string::npos) {
            lines.push_back(bytes.substr(start) + "<no CR LF>");
            break;
        }
        lines.push_back(bytes.substr(start, e - start));
        start = e + 2;
    }
    return lines;
}

inline std::string crlf(const std::vector<std::string> &lines) {
    std::string s;
    for (const auto &l : lines) s += l + "\r\n";
    return s;
}

}  // namespace fixture
