// The games of a PBN file as the tag pairs an import reads: comments ({...}
// over lines, ";" to the end of a line), escape lines ("%" first), other
// tags and section data skipped, values inherited with "#" resolved, the
// rows of a results table kept.
#pragma once
#include <array>
#include <functional>
#include <string>
#include <vector>

namespace vrek {

struct PbnTag {
    std::string value;
    int line = 0;  // 1-based line of the tag in the file
};

// The tags read, by name: "Board", "Deal", "Dealer", "Vulnerable",
// "DoubleDummyTricks", "OptimumScore", "ParContract", "OptimumResultTable".
constexpr int kPbnTags = 8;
extern const char *const kPbnTagNames[kPbnTags];

struct PbnGame {
    std::array<PbnTag, kPbnTags> tags;  // line 0: not in the game; the first of a name counts
    // The tokens after [OptimumResultTable], up to the next tag.
    std::vector<std::string> resultTable;
    // A [Board] or [Deal] whose value could not be read, with its line ("Deal", 12).
    std::vector<std::pair<std::string, int>> malformed;
    int line = 0;  // of its first tag

    // Null when the game has no such tag.
    const PbnTag *tag(const std::string &name) const;
    // The value, or "" when the tag is absent.
    std::string value(const std::string &name) const;
};

// Calls `each` with the games in file order, one at a time. A game ends at
// an empty line; a second [Board] or [Deal] also starts a new one, for files
// written without empty lines. A value "#" takes the value of the same tag
// in the latest game that had it.
void pbnGames(const std::string &bytes, const std::function<void(const PbnGame &)> &each);

// "?" and "" say that a value is not known.
bool pbnUnknown(const std::string &value);

}  // namespace vrek
