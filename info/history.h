// The version history: what the about box scrolls, and the Debian
// package's changelog.
#pragma once
#include <string>
#include <vector>

namespace vrek::info {

struct Release {
    const char *version;
    int year;
    std::vector<const char *> news;  // UTF-8
};

// Oldest first; the last one is the program's version.
const std::vector<Release> &releases();

// One line each (UTF-8): a heading "Version N : year", the indented lines of
// what it brought, an empty line between versions.
const std::vector<std::string> &versionHistory();

// The changelog of the Debian package `package` (newest first, in the
// format dpkg reads), signed by `maintainer` ("Name <address>"). The history
// gives only a year: each release is dated the first of January at noon.
std::string debianChangelog(const std::string &package, const std::string &maintainer);

}  // namespace vrek::info
