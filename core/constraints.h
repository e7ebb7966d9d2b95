// The constraint sets of the random dealer: up to nine alternative sets of
// per-seat ranges (hand points, and per suit points and length), the ".vrc"
// file that stores them, and the rules of the constraint editor.
#pragma once
#include <array>
#include <cstdint>
#include <string>

namespace vrek {

constexpr int kConstraintSets = 9;
constexpr int kConstraintRecordSize = 20;
constexpr int kConstraintFileSize = kConstraintSets * 4 * kConstraintRecordSize;  // 720

// Byte offsets in a record. Byte 2 is unused; byte 3 is unused except in the
// first record of a file, where it holds the number of sets.
enum ConstraintByte : int {
    kMinPoints = 0,
    kMaxPoints = 1,
    kSpareByte = 2,
    kSetCountByte = 3,
};
// Per suit (1 clubs .. 4 spades) four bytes: min points, max points, min length, max length.
enum SuitField : int { kSuitMinPoints = 0, kSuitMaxPoints = 1, kSuitMinLength = 2, kSuitMaxLength = 3 };
constexpr int suitByte(int suit, int field) { return 4 + 4 * (suit - 1) + field; }

// The largest value a byte can usefully hold: 37 for hand points, 10 for a
// suit's points, 9 for a length.
int capOf(int byte);

struct ConstraintRecord {
    std::array<uint8_t, kConstraintRecordSize> b{};
    uint8_t &operator[](int i) { return b[i]; }
    uint8_t operator[](int i) const { return b[i]; }
    bool operator==(const ConstraintRecord &) const = default;
    // Defaults in bytes 0, 1 and 4 .. 19; bytes 2 and 3 are left alone.
    void reset();
};

// The table keeps a version that every change renews, so that the dealer
// prepares its lookup tables once per change rather than once per deal.
// Versions come from one process-wide counter: two tables with the same
// version hold the same constraints (a copy keeps the version).
class ConstraintTable {
public:
    using Set = std::array<ConstraintRecord, 4>;
    using Records = std::array<Set, kConstraintSets>;

    uint8_t editSet = 1;   // set shown in the editor, 1 .. sets
    uint8_t editSeat = 3;  // seat shown in the editor (South)

    ConstraintTable() { initialiseAll(); }
    const Records &records() const { return records_; }
    const ConstraintRecord &record(int set, int seat) const { return records_[set - 1][seat - 1]; }
    // A record to change: the table counts as changed from this call on, so
    // take the reference again for a change made after dealing.
    ConstraintRecord &record(int set, int seat) {
        touch();
        return records_[set - 1][seat - 1];
    }
    // The record shown in the editor (counters out of range read as set 1, South).
    ConstraintRecord &edited() { return record(editedSet(), editedSeat()); }
    const ConstraintRecord &edited() const { return record(editedSet(), editedSeat()); }
    int editedSet() const { return editSet >= 1 && editSet <= kConstraintSets ? editSet : 1; }
    int editedSeat() const { return editSeat >= 1 && editSeat <= 4 ? editSeat : 3; }

    // Active sets as stored (a file may hold any byte until it is checked).
    int sets() const { return sets_; }
    void setSets(int n) {
        touch();
        sets_ = static_cast<uint8_t>(n);
    }
    // Active sets clamped to 1 .. 9, for the dealer.
    int activeSets() const { return sets_ < 1 ? 1 : sets_ > kConstraintSets ? kConstraintSets : sets_; }
    // Copies the four records of set `from` over those of set `to`.
    void copySet(int from, int to) {
        touch();
        records_[to - 1] = records_[from - 1];
    }

    // "Initialiser all": every record to its defaults, one set, editing set 1, South.
    void initialiseAll();

    // Renewed by every change; never 0.
    uint64_t version() const { return version_; }

    // The constraints and the editor's counters; the version is left out.
    bool operator==(const ConstraintTable &o) const {
        return records_ == o.records_ && sets_ == o.sets_ && editSet == o.editSet && editSeat == o.editSeat;
    }

private:
    Records records_{};
    uint8_t sets_ = 1;  // active sets, 1 .. 9
    uint64_t version_ = 0;
    void touch();
};

// ".vrc" files: the 720 bytes of the 36 records, set-major, with the number
// of sets in byte 3 of the first record.
std::string serializeConstraints(const ConstraintTable &t);
// Checks the bytes and fills `out` as "Ouvrir" does (the stored number of
// sets, editing the last set, seat South). Returns "" or a French message;
// on failure `out` is untouched. `name` only serves the message.
std::string parseConstraints(const std::string &bytes, const std::string &name, ConstraintTable &out);
// Reads a ".vrc" file into `t`; on any failure `t` is left as it was.
std::string openConstraints(const std::string &path, ConstraintTable &t);
// Writes `t` atomically and, once written, stores the number of sets in byte 3
// of its first record. On failure `t` is unchanged.
std::string saveConstraints(const std::string &path, ConstraintTable &t);

// --- editor rules --------------------------------------------------------

struct ValueBounds {
    int lo = 0, hi = 0;
};
// The range an up/down may move a byte in: a minimum from 0 to its maximum,
// a maximum from its minimum to the cap.
ValueBounds boundsOf(const ConstraintRecord &r, int byte);
// Writes `value` into the byte, kept inside its bounds.
void setValue(ConstraintRecord &r, int byte, int value);
// A value typed into the byte's field, stored as typed within the field's
// own range (0 to the cap) whatever the other end of the pair holds; the
// order of minimum and maximum is settled (setValue) when the field is left.
// Returns what was stored.
int typeValue(ConstraintRecord &r, int byte, int value);
// One step up (+1) or down (-1) from the current value, kept inside its bounds.
void stepValue(ConstraintRecord &r, int byte, int delta);

struct ConstraintWarnings {
    bool minLengths = false;  // label cmi: the four minimum lengths exceed 13
    bool maxLengths = false;  // label cma: the four maximum lengths fall short of 13
    bool minPoints = false;   // pmi in red: hand minimum above the four suit maxima
    bool maxPoints = false;   // pma in red: hand maximum below the four suit minima
    bool any() const { return minLengths || maxLengths || minPoints || maxPoints; }
};
ConstraintWarnings warningsOf(const ConstraintRecord &r);

// "Plus de contrainte": a new last set, copied from the one before, edited.
// Returns false when nine sets exist already.
bool addSet(ConstraintTable &t);
// "Moins de contrainte": drops the last set from dealing (its records stay).
// Returns false when only one set is left.
bool removeSet(ConstraintTable &t);
// "Initialiser": the edited set's four records to defaults, seat South.
void initialiseEditedSet(ConstraintTable &t);

// The seat tabs read "  SUD  ", " NORD ", "OUEST", "   EST  " in that order.
constexpr int kSeatTabs = 4;
const char *seatTabCaption(int tab);
int seatOfTab(int tab);   // 0 .. 3 -> 3, 1, 4, 2
int tabOfSeat(int seat);  // 1 .. 4 -> 1, 3, 0, 2

// The eighteen editable bytes with the names of their label and up/down and
// the up/down's hint, in the editor's refresh order.
struct ConstraintField {
    int byte;
    const char *label;   // "pmi"
    const char *updown;  // "upmi"
    const char *hint;
};
constexpr int kConstraintFields = 18;
const ConstraintField &constraintField(int i);

}  // namespace vrek
