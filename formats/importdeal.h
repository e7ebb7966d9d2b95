// What the four import readers share: the boards a file offers, the deals
// read from it, and a deal builder that refuses what the deal store cannot
// hold (a card twice, a tenth card in a suit, a fourteenth card in a hand).
// Messages are UTF-8; "\r" stands where the message boxes break their lines.
#pragma once
#include <array>
#include <string>
#include <vector>

#include "core/cards.h"

namespace vrek {

// One flag per board number: the file holds that board.
using Availability = std::array<bool, kBoards>;

struct ImportScan {
    Availability available{};
    bool empty = false;  // nothing to offer: " Le fichier est vide "
    std::string error;   // the file cannot be read or is not of its kind
    int count() const;
};

struct ImportedDeal {
    int board = 0;                   // its number in the file
    Deal deal;
    std::vector<std::string> lines;  // the 15 text lines (series files only)
};

// The deals of the chosen boards in file order, or an error naming the
// board and the fault (then `deals` is meaningless).
struct ImportRead {
    std::vector<ImportedDeal> deals;
    std::string error;
    bool ok() const { return error.empty(); }
};

// "Donne 5 : " + fault.
std::string boardFault(int board, const std::string &fault);
// "l'as de pique", "la dame de coeur", "le 10 de trèfle".
std::string cardName(int suit, int rank);
std::string seatNoun(int seat);   // "Nord" .. "Ouest"
std::string ofSeat(int seat);     // "de Nord", "d'Est", "de Sud", "d'Ouest"
std::string suitName(int suit);   // "trèfle" .. "pique"
// File bytes fit to be quoted in a message: control characters shown as
// '?', Windows-1252 turned to UTF-8, at most `max` characters.
std::string quoted(const std::string &bytes, size_t max = 12);

class DealBuilder {
public:
    explicit DealBuilder(int board) : board_(board) {}
    // Adds the card to the seat's holding, keeping it in descending order.
    // False, with error() set, when the deal already holds the card or the
    // holding or the hand is full.
    bool place(int seat, int suit, int rank);
    const Deal &deal() const { return deal_; }
    const std::string &error() const { return error_; }

private:
    int board_;
    Deal deal_;
    std::string error_;
};

// A stored 160-byte record the store can show: counts of at most 9, ranks
// 2 .. 14, no card twice, no hand above 13 cards. "" or the fault.
std::string recordFault(const Deal &d);

}  // namespace vrek
