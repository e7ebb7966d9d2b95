// The 12 comment lines of a board, shared by three blocks (declarer side,
// defence, auction) whose counts sum to 12: what a block's box may hold after
// an edit, so that the box never shows a line the store would not keep.
#pragma once
#include <string>
#include <vector>

#include "core/series.h"

namespace vrek {

constexpr int kCommentLines = 12;

struct CommentFit {
    bool fits = false;
    LineCounts counts;               // the three counts after the edit
    std::vector<std::string> lines;  // the 12 comment lines after the edit
};

// Block `block` (0 declarer side, 1 defence, 2 auction) now shows `shown`,
// with the cursor on line `cursorLine`; `lines` are the 12 stored lines under
// the counts `c`. Empty lines after the cursor beyond the block's count are
// dropped; if lines are still missing, the block grows by taking empty lines
// from the end of the other blocks (the auction first, as the spinners do),
// which keep all their text. Not `fits` when even that leaves no room.
CommentFit fitCommentBlock(const std::vector<std::string> &lines, LineCounts c, int block,
                           std::vector<std::string> shown, int cursorLine);

// The lines of block `block` among the 12 stored under the counts `c`.
std::vector<std::string> commentBlock(const std::vector<std::string> &lines, LineCounts c, int block);

}  // namespace vrek
