// Seats, suits, ranks, holdings and deal records, laid out byte for byte as
// the series file stores them.
#pragma once
#include <array>
#include <cstdint>
#include <string>

namespace vrek {

// Seats 1 North, 2 East, 3 South, 4 West; suits 1 clubs .. 4 spades; ranks 2 .. 14.
enum Seat { North = 1, East = 2, South = 3, West = 4 };
enum Suit { Clubs = 1, Diamonds = 2, Hearts = 3, Spades = 4 };

constexpr int kMaxHolding = 9;
constexpr int kBoards = 96;
// Strains of a contract: the four suits and no-trump (each user orders them its own way).
constexpr int kStrains = 5;

struct Holding {
    uint8_t count = 0;
    uint8_t ranks[kMaxHolding] = {};  // ranks[0 .. count-1], strictly descending

    int rank(int k) const { return ranks[k - 1]; }  // k = 1 .. count
    bool holds(int r) const;
    bool full() const { return count >= kMaxHolding; }
    // Inserts r in descending order; the caller checks !full() first.
    void insert(int r);
    // Removes the card at position k (1 .. count).
    void removeAt(int k);
    // Removes rank r if held; returns whether it was.
    bool remove(int r);
};

struct Hand {
    Holding suits[4];  // clubs, diamonds, hearts, spades
    Holding &suit(int s) { return suits[s - 1]; }
    const Holding &suit(int s) const { return suits[s - 1]; }
    int cards() const;
};

struct Deal {
    Hand hands[4];  // North, East, South, West
    Hand &hand(int seat) { return hands[seat - 1]; }
    const Hand &hand(int seat) const { return hands[seat - 1]; }
    Holding &holding(int seat, int suit) { return hands[seat - 1].suits[suit - 1]; }
    const Holding &holding(int seat, int suit) const { return hands[seat - 1].suits[suit - 1]; }

    int cards() const;
    bool complete() const { return cards() == 52; }
    bool empty() const { return cards() == 0; }
    // True when some holding in use has a count above 9 or a rank outside 2 .. 14.
    bool damaged() const;
    // Seat holding the card, or 0.
    int seatOf(int suit, int rank) const;
    void clear();
    bool operator==(const Deal &o) const;
};

static_assert(sizeof(Holding) == 10);
static_assert(sizeof(Hand) == 40);
static_assert(sizeof(Deal) == 160);

// Card code suit * 100 + rank.
inline int cardCode(int suit, int rank) { return suit * 100 + rank; }

// Dealer of board n (1 North .. 4 West).
int dealerOf(int board);
enum class Vul { None, NS, EW, Both };
Vul vulnerabilityOf(int board);
bool nsVulnerable(int board);
bool ewVulnerable(int board);

// Letters of seats ("N","E","S","O") and suits ("T","K","C","P").
char seatLetter(int seat);
char suitLetter(int suit);

// Converters shared by display, printouts and exports.
std::string englishRank(int rank);   // 10 "T", 11 "J", 12 "Q", 13 "K", 14 "A"
std::string easiRank(int rank);      // 10 "0", 11 "V", 12 "D", 13 "R", 14 "A"
char frenchRank(int rank);           // 'X' for ten, ' ' for anything not a rank
std::string contractLetter(char c);  // French contract character -> English text

// Undealt cards of a deal: table[suit-1][rank-2] is the rank while no hand holds it, else 0.
using PackTable = std::array<std::array<uint8_t, 13>, 4>;
PackTable undealt(const Deal &d);

}  // namespace vrek
