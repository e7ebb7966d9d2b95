#include "formats/textlines.h"

#include <algorithm>

namespace vrek {

std::vector<std::string> splitLines(const std::string &bytes) {
    std::vector<std::string> lines;
    std::string cur;
    bool open = false;
    for (size_t i = 0; i < bytes.size(); ++i) {
        char c = bytes[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(std::move(cur));
            cur.clear();
            open = false;
            if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
        } else {
            cur += c;
            open = true;
        }
    }
    if (open) lines.push_back(std::move(cur));
    return lines;
}

std::string joinLines(const std::vector<std::string> &lines) {
    size_t size = 0;
    for (const auto &l : lines) size += l.size() + 2;
    std::string out;
    out.reserve(size);
    for (const auto &l : lines) {
        out += l;
        out += "\r\n";
    }
    return out;
}

int heldCount(const Holding &h) { return std::min<int>(h.count, kMaxHolding); }

std::string zeroPadded(int n, int width) {
    std::string s = std::to_string(n);
    if (static_cast<int>(s.size()) < width) s.insert(0, width - s.size(), '0');
    return s;
}

}  // namespace vrek
