// The master display's state: its own copy of one deal indexed by table
// position, the tricks played, what the class is allowed to see, and the
// auction grid revealed bid by bid. Nothing here writes to the series.
#pragma once
#include <array>
#include <string>
#include <vector>

#include "core/cards.h"
#include "core/playanalysis.h"
#include "core/series.h"
#include "platform/canvas.h"

namespace vrek {

// Table positions: 1 upper, 2 right, 3 lower, 4 left.
enum Position { Upper = 1, Right = 2, Lower = 3, Left = 4 };

constexpr int kTricks = 13;
constexpr int kTrickColumns = 7;  // a trick led from p uses columns p .. p + 3
constexpr int kAuctionRows = 8;
constexpr int kAuctionColumns = 4;

// Background of an auction cell that the class does not see yet (the
// desktop's grey-text colour).
constexpr Rgb kHiddenCell{128, 128, 128};

struct AuctionCell {
    std::string text;  // UTF-8
    bool revealed = false;
    Rgb background = kHiddenCell;
    Rgb font = colour::black;
};

struct CellColours {
    Rgb background, font;
};
// Colours of a revealed cell, from the first of "-CKPSTX" in its text.
CellColours revealedColours(const std::string &text);

// A contract text cut at the result sign ("+", "-" or "=") that follows the
// contract it starts with ("4P", "3SA*", "7SAXX"): the contract before it,
// the result and lead from it on. Without a sign there, that contract alone
// (a contract not yet verified); a text that starts with no contract is cut
// at its first sign, and without any sign everything is `rest`.
struct ContractSplit {
    std::string contract, rest;
};
ContractSplit splitContract(const std::string &text);

// Trump suit named by the second character of a contract ("4P" -> spades), or 0.
int trumpOf(const std::string &contract);

// Column of the trick table (1 .. 7) -> position (1 .. 4).
inline int positionOfColumn(int c) { return (c - 1) % 4 + 1; }

// Where the arrow and the axes of the vulnerability drawing go.
struct VulnerabilityDrawing {
    int board = 1;            // the board number whose dealer and vulnerability are drawn
    int offset = 0;           // rotation offset 0 .. 3
    bool verticalVulnerable = false, horizontalVulnerable = false;
    int dealerEnd = 0;        // 0 upper, 1 right, 2 lower, 3 left
};

// The double-dummy numbers under the cards of the hand on turn: each legal
// card with what it makes for the declaring side, -1 while the answer is
// awaited.
struct PlayNumbers {
    int position = 0;  // the hand on turn; 0 when nothing is shown
    std::vector<CardTricks> cards;
    int best = -1;  // what the best cards make
    bool waiting() const;
    // The number under a card, -1 when none (or not known yet), -2 when the card is not legal.
    int of(int suit, int rank) const;
};

class TeachDisplay {
public:
    TeachDisplay();

    // ---- state, read by the window and the picture ---------------------------
    // hands[position - 1]; a played card's rank byte is zeroed and each
    // holding re-sorted (zeros last); the count byte keeps the dealt count.
    Deal deal;
    // tricks[t - 1][c - 1]: position x 1000 + suit x 100 + rank, 0 = empty.
    std::array<std::array<int, kTrickColumns>, kTricks> tricks{};
    std::array<char, kTricks> marks{};  // '+', '-' or ' '
    std::array<bool, 4> visible{};       // by position
    std::array<std::string, 4> names;    // seat names at each position
    bool contractShown = false;
    bool auctionShown = false;
    bool vulnerabilityShown = true;
    bool imposed = false;  // dealer and vulnerability from `imposedNumber`
    int imposedNumber = 2;
    std::string contract, lead;  // the contract and the result-and-lead texts (UTF-8)
    int board = 0;
    std::string caption;
    AuctionCell cells[kAuctionRows][kAuctionColumns];  // [row - 1][column - 1]
    // Cleared by every change of the cards or of the seats, so that numbers
    // never outlive their position.
    PlayNumbers numbers;
    bool numbersOnProjector = false;

    // ---- loading -------------------------------------------------------------
    // "Charger": the deal, contract text and auction memo lines of `board`.
    // The store's Windows-1252 texts are given as they are stored.
    void load(const Deal &d, int board, const std::string &contractText, const std::vector<std::string> &auctionLines,
              const std::string &seriesName);
    // The same from the open series (its auction block of the current counts).
    void load(const Series &s, int board, const std::string &seriesName);

    // ---- play ----------------------------------------------------------------
    // A click on the card in `slot` (1 .. 9) of a position's suit. False when
    // there is no card there or it is not that position's turn.
    bool play(int position, int suit, int slot);
    // The same for a card named by suit and rank, wherever it lies.
    bool playCard(int suit, int rank);
    // A click on the played card of trick t, column c: it goes back with the
    // rest of its trick and every later trick. False on an empty cell.
    bool takeBack(int trick, int column);
    int cardsPlayed() const;
    // The highest trick holding a card (0 when none) and, in it, the highest column.
    int lastTrick() const;
    int lastColumn() const;
    // Marks of the completed tricks, in order ("++-").
    std::string marksText() const;
    // Column of the card that wins trick t, 0 while it has fewer than 4 cards.
    int trickWinner(int t) const;

    // ---- showing ---------------------------------------------------------------
    // Hands, names, played cards and auction move one position clockwise;
    // every hand and bid hides.
    void rotate();
    // 0 .. 3 from the seat name at the upper position.
    int rotationOffset() const;
    void clickCell(int row, int column);
    void toggleHand(int position) { visible[position - 1] = !visible[position - 1]; }
    void toggleVulnerability() {
        vulnerabilityShown = !vulnerabilityShown;
        imposed = false;
    }
    VulnerabilityDrawing vulnerability() const;

    // Rank of a position's card in `slot`, 0 when none.
    int rankAt(int position, int suit, int slot) const { return deal.holding(position, suit).ranks[slot - 1]; }
    int cardsLeft(int position) const;

private:
    void scoreTricks();
    void sortHolding(int position, int suit);
};

}  // namespace vrek
