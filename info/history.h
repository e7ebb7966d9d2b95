// The version history that the about box scrolls.
#pragma once
#include <string>
#include <vector>

namespace vrek::info {

// One line each (UTF-8): a heading "Version N : year", the indented lines of
// what it brought, an empty line between versions.
const std::vector<std::string> &versionHistory();

}  // namespace vrek::info
