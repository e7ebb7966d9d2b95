#include "core/commentblocks.h"

#include <algorithm>
#include <array>

namespace vrek {

namespace {

std::array<int, 3> asArray(LineCounts c) { return {c.a, c.d, c.e}; }

// Lines up to the last one that holds text.
int usedLines(const std::vector<std::string> &l) {
    for (int i = static_cast<int>(l.size()); i > 0; --i)
        if (!l[i - 1].empty()) return i;
    return 0;
}

}  // namespace

std::vector<std::string> commentBlock(const std::vector<std::string> &lines, LineCounts c, int block) {
    const auto n = asArray(normalizedCounts(c));
    int first = 0;
    for (int k = 0; k < block; ++k) first += n[k];
    std::vector<std::string> out;
    for (int i = first; i < first + n[block]; ++i) out.push_back(i < static_cast<int>(lines.size()) ? lines[i] : "");
    return out;
}

CommentFit fitCommentBlock(const std::vector<std::string> &lines, LineCounts c, int block,
                           std::vector<std::string> shown, int cursorLine) {
    c = normalizedCounts(c);
    if (shown.empty()) shown.emplace_back();
    std::array<std::vector<std::string>, 3> blocks;
    for (int k = 0; k < 3; ++k) blocks[k] = commentBlock(lines, c, k);
    auto n = asArray(c);

    const int need = std::max(usedLines(shown), std::clamp(cursorLine, 0, static_cast<int>(shown.size()) - 1) + 1);
    int missing = need - n[block];
    // The auction block gives first, then the other one.
    const int donors[3][2] = {{2, 1}, {2, 0}, {1, 0}};
    for (int j : donors[block]) {
        const int take = std::clamp(n[j] - usedLines(blocks[j]), 0, std::max(missing, 0));
        n[j] -= take;
        n[block] += take;
        missing -= take;
    }
    CommentFit f;
    if (missing > 0) return f;
    // Lines past `need` are empty: the box keeps exactly its count.
    shown.resize(n[block]);
    blocks[block] = std::move(shown);
    for (int k = 0; k < 3; ++k) {
        blocks[k].resize(n[k]);
        f.lines.insert(f.lines.end(), blocks[k].begin(), blocks[k].end());
    }
    f.fits = true;
    f.counts = {n[0], n[1], n[2]};
    return f;
}

}  // namespace vrek
