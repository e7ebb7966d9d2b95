// The journal a save leaves behind: it names only the save's own work files
// and reads back as written.
#include "core/savejournal.h"
#include "fuzzcheck.h"

using fuzzcheck::require;

VREK_FUZZ_TARGET(journal) {
    const auto j = vrek::parseJournal(std::string(reinterpret_cast<const char *>(data), size));
    if (!j) return;
    const auto back = vrek::parseJournal(vrek::serializeJournal(*j));
    require(back.has_value() && back->rollBack == j->rollBack && back->entries.size() == j->entries.size(),
            "a journal that does not read back");
    for (const auto &e : j->entries) {
        require(vrek::isWorkSuffix(e.tmp, "tmp"), "a journal naming another file");
        require(e.old.empty() || vrek::isWorkSuffix(e.old, "old"), "a journal naming another old file");
    }
}
