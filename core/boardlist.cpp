#include "core/boardlist.h"

#include <set>

#include "core/cards.h"

namespace vrek {

namespace {
std::optional<int> number(const std::string &s) {
    if (s.empty() || s.size() > 3) return std::nullopt;
    int n = 0;
    for (char c : s) {
        if (c < '0' || c > '9') return std::nullopt;
        n = n * 10 + (c - '0');
    }
    if (n < 1 || n > kBoards) return std::nullopt;
    return n;
}
}  // namespace

std::optional<std::vector<int>> parseBoardList(const std::string &text) {
    std::set<int> boards;
    size_t start = 0;
    if (text.empty()) return std::nullopt;
    while (start <= text.size()) {
        size_t comma = text.find(',', start);
        std::string item = text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        size_t dash = item.find('-');
        if (dash == std::string::npos) {
            auto n = number(item);
            if (!n) return std::nullopt;
            boards.insert(*n);
        } else {
            auto a = number(item.substr(0, dash)), b = number(item.substr(dash + 1));
            if (!a || !b || *a > *b) return std::nullopt;
            for (int i = *a; i <= *b; ++i) boards.insert(i);
        }
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    return std::vector<int>(boards.begin(), boards.end());
}

std::string boardListText(const std::vector<int> &boards) {
    std::string t;
    for (size_t i = 0; i < boards.size();) {
        size_t j = i;
        while (j + 1 < boards.size() && boards[j + 1] == boards[j] + 1) ++j;
        t += (t.empty() ? "" : ",") + std::to_string(boards[i]);
        if (j > i) t += "-" + std::to_string(boards[j]);
        i = j + 1;
    }
    return t;
}

}  // namespace vrek
