// The journal of a group write (the series pair): a small file written
// before the first rename and removed after the last, which says what a
// write killed half-way left, so that the next one completes it or puts the
// old files back, and the leftovers it cleans up.
#pragma once
#include <optional>
#include <string>
#include <vector>

namespace vrek {

// One file of the group: the suffixes of its new content (".tmpXXXXXX") and
// of its old content kept for putting it back (".oldXXXXXX", "" for none),
// both beside the file.
struct JournalEntry {
    std::string tmp, old;
    bool existed = false;  // the file was there before the write
};

struct Journal {
    // Set once a rename has failed: the group goes back to its old content.
    bool rollBack = false;
    std::vector<JournalEntry> entries;
};

std::string serializeJournal(const Journal &j);
// nullopt for anything but a whole journal (a write cut short).
std::optional<Journal> parseJournal(const std::string &bytes);

// A name made by mkstemp from `path` + `what` ("tmp" or "old"): true for
// ".tmp" followed by six letters or digits.
bool isWorkSuffix(const std::string &suffix, const char *what);

enum class Recovered {
    Nothing,     // no journal: the files are whole
    Completed,   // the write was finished: the new content
    RolledBack,  // the write was undone: the old content
    Discarded,   // a journal cut short: no file had been replaced yet
};

struct Recovery {
    Recovered what = Recovered::Nothing;
    std::string error;  // French, when a file could not be put right
};

// Puts right what a killed write of `files` (the names the write was given,
// in its order) left, following the journal `journal`, then removes the
// journal and the write's leftovers beside the files. Only for the holder
// of the files' lock.
Recovery recoverGroup(const std::vector<std::string> &files, const std::string &journal);

// For a reader that changes nothing: the file that holds each of `files` as
// the recovery would leave it (the name itself, its new content, or its old
// one; "" for a file the recovery would remove). `pending` tells whether a
// journal was found.
std::vector<std::string> recoveredView(const std::vector<std::string> &files, const std::string &journal,
                                       bool &pending);

// Removes the ".tmpXXXXXX" and ".oldXXXXXX" files beside each of `files`
// (after links) that interrupted writes left; nothing else.
void removeLeftovers(const std::vector<std::string> &files);

}  // namespace vrek
