// Small text helpers shared by the export writers.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "core/cards.h"

namespace vrek {

// Splits at CR LF, lone CR and lone LF; a final line end opens no new line.
std::vector<std::string> splitLines(const std::string &bytes);
// Calls f(line, number) for each line as splitLines cuts them, numbered
// from 1, without holding them all.
template <class F>
void eachLine(const std::string &bytes, F f) {
    size_t start = 0;
    int number = 0;
    while (start < bytes.size()) {
        // A plain walk: find_first_of calls memchr on its set for every byte.
        size_t end = start;
        while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n') ++end;
        if (end == bytes.size()) {
            f(std::string_view(bytes).substr(start), ++number);
            return;
        }
        f(std::string_view(bytes).substr(start, end - start), ++number);
        start = end + (bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n' ? 2 : 1);
    }
}
// Every line followed by CR LF.
std::string joinLines(const std::vector<std::string> &lines);

// The ranks a holding holds, highest first; a damaged count stops at 9.
int heldCount(const Holding &h);
// The ranks through a letter converter, concatenated.
template <class F>
std::string rankText(const Holding &h, F letter) {
    std::string s;
    for (int k = 0; k < heldCount(h); ++k) s += letter(h.ranks[k]);
    return s;
}

// Decimal text of n, at least `width` digits with leading zeros.
std::string zeroPadded(int n, int width);

}  // namespace vrek
