// What the import readers share: the boards a file offers, the deals read
// from it with the refusals of those that could not be, and a deal builder
// that refuses what the deal store cannot hold (a card twice, a tenth card
// in a suit, a fourteenth card in a hand) or a hand short of cards.
// Messages are UTF-8; "\r" stands where the message boxes break their lines.
// Every reader takes the file's bytes: no reader opens a file.
#pragma once
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/cards.h"
#include "core/dealanalysis.h"

namespace vrek {

// One flag per board number: the file holds that board.
using Availability = std::array<bool, kBoards>;

struct ImportScan {
    Availability available{};
    bool empty = false;  // nothing to offer: " Le fichier est vide "
    // The file cannot be read or is not of its kind (then `empty` too):
    // nothing of it is imported.
    std::string error;
    int count() const;
};

// What a deal analysis from the file is worth for a board: the dealer and
// vulnerability it was worked out for (the par depends on them).
struct FileAnalysis {
    DealAnalysis analysis;
    int dealer = 0;  // 1 .. 4
    Vul vul = Vul::None;
};

struct ImportedDeal {
    int board = 0;                   // its number in the file
    Deal deal;
    std::vector<std::string> lines;  // the 15 text lines (series files only)
    std::optional<FileAnalysis> analysis;  // PBN double-dummy tags, when whole
};

// The deals of the chosen boards that could be read, in file order; each
// one that could not is named in `skipped` with its line or record and the
// reason ("ligne 214 : la donne n'a que 12 cartes en Est"). `error` is for
// a file that is not of the format at all: then nothing is read.
struct ImportRead {
    std::vector<ImportedDeal> deals;
    std::vector<std::string> skipped;
    int unlisted = 0;                // refusals past kListedRefusals
    std::vector<std::string> notes;  // what the file holds and the store cannot (boards past 96)
    std::string error;
    bool ok() const { return error.empty(); }
};

// Where a refusal stands: "ligne 214", "enregistrement 5".
std::string lineAt(int line);
std::string recordAt(int record);
// where + " : " + fault.
std::string located(const std::string &where, const std::string &fault);
// "la donne n'a que 12 cartes en Est", "la donne a 14 cartes en Est".
std::string handCountFault(int seat, int cards);
// "l'as de pique", "la dame de coeur", "le 10 de trèfle".
std::string cardName(int suit, int rank);
std::string seatNoun(int seat);   // "Nord" .. "Ouest"
std::string ofSeat(int seat);     // "de Nord", "d'Est", "de Sud", "d'Ouest"
std::string suitName(int suit);   // "trèfle" .. "pique"
// A card's rank from its letter or figure, either case: 'A' 14 .. '2' 2; 0 otherwise.
int rankOfLetter(char c);
// File bytes fit to be quoted in a message: control characters shown as
// '?', Windows-1252 turned to UTF-8, at most `max` characters.
std::string quoted(const std::string &bytes, size_t max = 12);

class DealBuilder {
public:
    // `where` leads every fault: "ligne 12".
    explicit DealBuilder(std::string where) : where_(std::move(where)) {}
    // Adds the card to the seat's holding, keeping it in descending order.
    // False, with error() set, when the deal already holds the card or the
    // holding or the hand is full.
    bool place(int seat, int suit, int rank);
    // The hands once every card is placed: a hand without any card, beside
    // three of 13, receives the cards nobody holds; three hands of 13 and a
    // short one are refused ("la donne n'a que 12 cartes en Est"). Fewer
    // whole hands are a deal being built, kept as it is with `partial` and
    // refused without. A deal without any card is refused.
    bool finish(bool partial);
    // Refuses the deal for a fault of the file itself; always false.
    bool refuse(const std::string &fault);
    const Deal &deal() const { return deal_; }
    const std::string &error() const { return error_; }

private:
    std::string where_;
    Deal deal_;
    std::array<uint8_t, 4 * 15> seat_{};  // by suit * 15 + rank: who holds the card, 0 nobody
    std::string error_;
};

// A refusal, listed while the list is short; past that only counted, so
// that a file of millions of broken deals costs no memory.
constexpr size_t kListedRefusals = 200;
void refuseDeal(ImportRead &r, std::string why);

// The readable deals of a file that numbers its deals (PBN, LIN), in file
// order. A deal under a number that already has the same cards is not kept
// again (a board played at several tables); numbers past 96 are only
// counted, and so are deals past 96 under one number (no insertion takes
// more than 96 deals).
class NumberedDeals {
public:
    void add(ImportedDeal d);
    // The boards 1 .. 96 among them.
    void offer(ImportScan &scan) const;
    // Those of the chosen boards into `out`, with notes for what was only counted.
    void keepChosen(const std::vector<int> &boards, ImportRead &out);

private:
    std::vector<ImportedDeal> deals_;
    std::array<std::vector<size_t>, kBoards> byBoard_;  // indices into deals_
    int past_ = 0, pastLo = 0, pastHi = 0, surplus_ = 0;
};

// What a reader of such a file found: the deals, the refusals, and whether
// nothing in it was of its kind. A foreign file (not blank) is refused whole
// with `foreignError`.
struct NumberedFile {
    NumberedDeals deals;
    ImportRead refused;  // its skipped and unlisted
    bool foreign = true;
};
ImportScan scanNumbered(const NumberedFile &f, const std::string &bytes, const std::string &foreignError);
ImportRead readNumbered(NumberedFile &f, const std::string &bytes, const std::vector<int> &boards,
                        const std::string &foreignError);

// A stored 160-byte record the store can show: counts of at most 9, ranks
// 2 .. 14, no card twice, no hand above 13 cards. "" or the fault.
std::string recordFault(const Deal &d);

}  // namespace vrek
