// Board lists of the command line: "1-32,40,45-48".
#pragma once
#include <optional>
#include <string>
#include <vector>

namespace vrek {

// Ascending, without repeats; nullopt for a malformed list or a board outside 1 .. 96.
std::optional<std::vector<int>> parseBoardList(const std::string &text);

}  // namespace vrek
