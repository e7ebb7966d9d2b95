#include "core/series.h"

#include <algorithm>

#include <cstdio>

namespace vrek {

namespace {
const std::string kEmpty;

// Two decimal digits at column c, or -1 when absent or not a number.
int countAt(const std::string &line, size_t c) {
    if (line.size() < c + 2) return -1;
    char a = line[c], b = line[c + 1];
    auto digit = [](char ch) { return ch >= '0' && ch <= '9'; };
    if (a == ' ' && digit(b)) return b - '0';
    if (!digit(a) || !digit(b)) return -1;
    return (a - '0') * 10 + (b - '0');
}
}  // namespace

std::string trimBlanks(const std::string &s) {
    size_t b = 0, e = s.size();
    while (b < e && static_cast<unsigned char>(s[b]) <= ' ') ++b;
    while (e > b && static_cast<unsigned char>(s[e - 1]) <= ' ') --e;
    return s.substr(b, e - b);
}

LineCounts normalizedCounts(LineCounts c) {
    if (c.a >= 0 && c.d >= 0 && c.e >= 0 && c.a + c.d + c.e == 12) return c;
    c.a = std::clamp(c.a, 0, 12);
    c.d = std::clamp(c.d, 0, 12 - c.a);
    c.e = 12 - c.a - c.d;
    return c;
}

LineCounts lineCountsOf(const std::string &line) {
    LineCounts c;
    if (line.size() <= static_cast<size_t>(kContractWidth)) return c;
    int a = countAt(line, 50), d = countAt(line, 55), e = countAt(line, 60);
    if (a >= 0 && a <= 12) c.a = a;
    if (d >= 0 && d <= 12) c.d = d;
    if (e >= 0 && e <= 12) c.e = e;
    return c;
}

std::string contractTextOf(const std::string &line) {
    return trimBlanks(line.substr(0, std::min<size_t>(line.size(), kContractWidth)));
}

std::string makeContractLine(const std::string &text, const LineCounts &c) {
    std::string s = text;
    if (s.size() < kContractLineWidth) s.resize(kContractLineWidth, ' ');
    // The counts overwrite columns 50 .. 61 whatever the text held there.
    if (s.size() < 62) s.resize(62, ' ');
    char buf[3];
    auto put = [&](size_t col, int v) {
        std::snprintf(buf, sizeof buf, "%02d", v < 0 ? 0 : v > 99 ? 99 : v);
        s[col] = buf[0];
        s[col + 1] = buf[1];
    };
    put(50, c.a);
    put(55, c.d);
    put(60, c.e);
    return s;
}

const std::string &Series::line(int i) const {
    if (i < 0 || static_cast<size_t>(i) >= lines.size()) return kEmpty;
    return lines[i];
}

void Series::setLine(int i, std::string text) {
    if (i < 0) return;
    if (static_cast<size_t>(i) >= lines.size()) lines.resize(i + 1);
    lines[i] = std::move(text);
}

void Series::clear() {
    for (auto &d : deals) d.clear();
    lines.assign(kTextLines, std::string());
}

void Series::reset() {
    ensureLines();
    lines[0].clear();
    for (int n = 1; n <= kBoards; ++n) {
        deal(n).clear();
        for (int j = 0; j < 15; ++j) lines[15 * n - j].clear();
    }
}

void Series::wipeDeals() {
    for (auto &d : deals) d.clear();
}

void Series::ensureLines() {
    if (lines.size() < static_cast<size_t>(kTextLines)) lines.resize(kTextLines);
}

}  // namespace vrek
