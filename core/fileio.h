// Whole-file reads and atomic replacing writes, with French error texts.
#pragma once
#include <string>
#include <vector>

namespace vrek {

enum class ReadStatus { Ok, Missing, Failed };

// Reads the whole file. On failure err holds a French explanation.
ReadStatus readWholeFile(const std::string &path, std::string &out, std::string &err);

bool fileExists(const std::string &path);

// Writes each (path, bytes) to a temporary file beside it, flushed to disk,
// then renames them all over their targets. Nothing is replaced unless every
// temporary file was written whole. Returns an empty string or a French error.
std::string writeFilesAtomic(const std::vector<std::pair<std::string, std::string>> &files);
inline std::string writeFileAtomic(const std::string &path, const std::string &bytes) {
    return writeFilesAtomic({{path, bytes}});
}

// French text for an errno value.
std::string errnoText(int e);

}  // namespace vrek
