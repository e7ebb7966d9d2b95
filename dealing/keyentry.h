// Typing a deal on the keyboard: the entry cursor walks the sixteen holdings
// (North spades, hearts, diamonds, clubs, then East, South, West) and each
// typed rank goes into the holding under it. The keys let a whole deal be
// typed on the numeric keypad alone.
#pragma once
#include <cstdint>
#include <string>

#include "core/series.h"
#include "dealing/constraints.h"
#include "dealing/dealer.h"
#include "dealing/random.h"

namespace vrek {

// Cursor values: 0 no entry in progress, 1 .. 16 a holding, 17 entry finished.
constexpr int kNoEntry = 0;
constexpr int kEntryFinished = 17;

inline int cursorSeat(int cursor) { return (cursor - 1) / 4 + 1; }  // 1 North .. 4 West
inline int cursorSuit(int cursor) { return 4 - (cursor - 1) % 4; }  // 4 spades .. 1 clubs
inline bool onHolding(int cursor) { return cursor >= 1 && cursor <= 16; }

// Fewer than 9 cards in the holding and fewer than 13 in its hand.
bool hasRoom(const Deal &d, int cursor);

// What one character of the entry field does.
enum class KeyKind { Rank, Next, Previous, Ignored };
struct KeyAction {
    KeyKind kind = KeyKind::Ignored;
    int rank = 0;  // for KeyKind::Rank
};
// "1"/"A" ace, "/"/"R" king, "*"/"D" queen, "-"/"V" jack, "+"/"X" ten,
// "9" .. "2"; " "/"0" next holding; "."/"<" previous holding; any case.
KeyAction keyAction(char c);

// From the cursor, the first holding with room going forward (wrapping from
// 16 to 1 once), or kEntryFinished when none has room.
int moveForward(const Deal &d, int cursor);
// The mirror image going backward (wrapping from 1 to 16 once).
int moveBackward(const Deal &d, int cursor);
// Where an entry starts: the first holding with room from North's spades.
inline int startCursor(const Deal &d) { return moveForward(d, 1); }

struct EntryResult {
    int cursor = kNoEntry;  // the new cursor; kNoEntry once the entry finished
    bool finished = false;  // every holding is full: the window closes
    bool changed = false;   // a card was added
};
// Applies the characters of the entry field in order. A rank is added when
// the card is unplaced and the holding has room; then the cursor moves on to
// a holding with room. Characters after the entry finished are ignored, and
// so is everything while the cursor is not on a holding.
EntryResult typeKeys(Deal &d, int cursor, const std::string &text);

// "Quitter en complétant le diagramme": deals the rest of the board under the
// constraints; the attempt count is not recorded.
uint32_t completeBoard(Series &s, int board, const ConstraintTable &t, Random &rng,
                       const AttemptProgress &progress = {});
// "Compléter le diagramme et passer au suivant": the same, then returns the
// board to show next (board 96 stays on 96).
int completeAndNext(Series &s, int board, const ConstraintTable &t, Random &rng,
                    const AttemptProgress &progress = {});

}  // namespace vrek
