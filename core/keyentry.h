// Typing a deal on the keyboard: the key table and the entry cursor's walk
// through the sixteen holdings (1 North spades .. 16 West clubs).
#pragma once
#include "core/cards.h"

namespace vrek {

constexpr int kEntryFinished = 17;

inline int seatOfCursor(int c) { return (c - 1) / 4 + 1; }
inline int suitOfCursor(int c) { return 4 - (c - 1) % 4; }
// Fewer than 9 cards in the holding and fewer than 13 in its hand.
bool holdingHasRoom(const Deal &d, int cursor);

enum class KeyEffect { Ignored, AddRank, Next, Previous };
// What one typed character does; `rank` receives the rank to add.
KeyEffect keyEffect(char c, int &rank);

// From the cursor on, the first holding with room (wrapping once), or
// kEntryFinished when none is left.
int forwardToRoom(const Deal &d, int cursor);
// The mirror walk backwards.
int backwardToRoom(const Deal &d, int cursor);

struct KeyOutcome {
    bool changed = false;   // a card was added
    bool finished = false;  // no holding has room any more
};
// Applies one character to the deal and the cursor (1 .. 16).
KeyOutcome applyKey(Deal &d, int &cursor, char c);

}  // namespace vrek
