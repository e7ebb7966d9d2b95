// Board lists of the command line: "1-32,40,45-48".
#pragma once
#include <optional>
#include <string>
#include <vector>

namespace vrek {

// Ascending, without repeats; nullopt for a malformed list or a board outside 1 .. 96.
std::optional<std::vector<int>> parseBoardList(const std::string &text);
// The list written back the short way: "1-24", "1-3,7" (ascending boards).
std::string boardListText(const std::vector<int> &boards);

}  // namespace vrek
