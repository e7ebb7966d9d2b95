// What the mouse and the deal buttons do to a deal, and the board moves of
// the series (copy forward, insert, delete, swap and copy of two boards).
#pragma once
#include <string>

#include "core/series.h"

namespace vrek {

// A card chosen by a first right click, still in its hand, waiting for the second.
struct PendingExchange {
    bool active = false;
    int seat = 0, suit = 0, rank = 0;
};

enum class Button { Left, Middle, Right };

// A click at x pixels from the left of a pack label; w is the width of one
// character of the label's fixed-pitch font. Gives the card to the first
// seat that can take it; returns whether the deal changed.
bool packClick(Deal &d, int suit, int x, int w);
// A click on a hand label: left or middle takes the card back, right starts
// or completes an exchange of two cards of two hands, made whole in one
// change or not at all. Returns whether the deal changed.
bool handClick(Deal &d, PendingExchange &pending, int seat, int suit, int x, int w, Button b);

// Seat that a pack click gives a card of `suit` to, or 0.
int receivingSeat(const Deal &d, int suit);

void swapNorthSouth(Deal &d);
// One seat clockwise: North's hand goes East, East's South, and so on.
void rotate(Deal &d);

// Boards n .. 96 get board n's record and its 15 lines, the contract line
// being the one given (as the window's contract field stores it).
void copyForward(Series &s, int n, const std::string &contractLineText);
// Board n becomes empty, boards n .. 95 move one place up with their texts.
void insertBoard(Series &s, int n);
// Board n goes, boards n+1 .. 96 move one place down, board 96 is emptied.
void deleteBoard(Series &s, int n);
// Board a takes board b's record and lines; in swap mode b takes a's.
void exchangeBoards(Series &s, int a, int b, bool swap);

}  // namespace vrek
