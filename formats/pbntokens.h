// The games of a PBN file as tag pairs: comments ({...} over lines, ";" to
// the end of a line), escape lines ("%" first) and section data skipped,
// tag values inherited with "#" resolved, the rows of a results table kept.
#pragma once
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace vrek {

struct PbnTag {
    std::string value;
    int line = 0;  // 1-based line of the tag in the file
};

struct PbnGame {
    std::map<std::string, PbnTag> tags;  // the first of a name counts
    // The tokens after [OptimumResultTable], up to the next tag.
    std::vector<std::string> resultTable;
    // Tags whose value could not be read, with their lines ("Deal", 12).
    std::vector<std::pair<std::string, int>> malformed;
    int line = 0;  // of its first tag

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
