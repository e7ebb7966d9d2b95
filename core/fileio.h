// Whole-file reads and atomic replacing writes, with French error texts.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vrek {

enum class ReadStatus { Ok, Missing, Failed };

// Far above any text or deal file the program reads whole (a PBN file of 96
// commented deals is a few hundred kilobytes); a bigger one is refused
// rather than read into memory.
constexpr size_t kMaxTextFileSize = size_t(64) << 20;
// The settings file is a few hundred bytes; anything far larger is not one.
constexpr size_t kMaxSettingsSize = size_t(1) << 20;

// Reads the whole file. On failure err holds a French explanation; a file
// longer than maxBytes fails without being read.
ReadStatus readWholeFile(const std::string &path, std::string &out, std::string &err,
                         size_t maxBytes = SIZE_MAX);
// Reads no more than the first maxBytes bytes of the file.
ReadStatus readFilePrefix(const std::string &path, size_t maxBytes, std::string &out, std::string &err);

bool fileExists(const std::string &path);
// Both names exist and are the same file (through links, case or spelling).
bool sameFile(const std::string &a, const std::string &b);

// `name` (UTF-8) as a file name that common file systems accept: the
// characters \ / : * ? " < > | and control characters become blanks, blanks
// are not doubled nor left at the ends; "Vrek" when nothing is left.
std::string safeFileName(const std::string &name);

// The file a chain of symbolic links ends at (the path itself when it is
// not a link, or names nothing yet). Empty with `err` set on a loop.
std::string followLinks(const std::string &path, int &err);

// Writes each (path, bytes) to a temporary file beside it, flushed to disk,
// then renames them all over their targets. Nothing is replaced unless every
// temporary file was written whole, and when a later rename fails the files
// already replaced are put back: the group is written whole or not at all.
// With a `journal` file name that holds even when the program is killed
// between two renames: recoverGroup() (savejournal.h) finishes or undoes
// what was left. A name that is a symbolic link writes the file it points
// to; a file without write permission is refused. Returns "" or a French error.
std::string writeFilesAtomic(const std::vector<std::pair<std::string, std::string>> &files,
                             const std::string &journal = {});
inline std::string writeFileAtomic(const std::string &path, const std::string &bytes) {
    return writeFilesAtomic({{path, bytes}});
}

// French text for an errno value.
std::string errnoText(int e);

namespace testhooks {
// The rename the atomic writes use; tests swap it to make one fail.
using RenameFn = int (*)(const char *from, const char *to);
RenameFn setRename(RenameFn fn);  // returns the previous one
// Asked before each step that changes the disk ("temp", "old", "journal",
// "rename", "end", "forget"); false stops the write there, as a kill would.
using StepFn = bool (*)(const char *step);
StepFn setStep(StepFn fn);  // returns the previous one
}  // namespace testhooks

}  // namespace vrek
