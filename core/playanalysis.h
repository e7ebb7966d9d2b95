// A position reached in the play of a deal and its double-dummy answer as
// plain data: what each legal card of the player on turn makes for the
// declaring side, the tricks already won included.
#pragma once
#include <string>
#include <vector>

#include "core/cards.h"

namespace vrek {

struct PlayPosition {
    Deal hands;              // the cards each seat still holds
    int strain = 0;          // 0 no-trump, 1 spades .. 4 clubs (as DealAnalysis)
    int declarer = North;
    int leader = East;       // led the trick in progress, or leads the next one
    std::vector<int> trick;  // cards (suit * 100 + rank) played to the trick in progress, in order
    int declarerTricks = 0;  // tricks the declaring side has already won

    int onTurn() const { return (leader - 1 + static_cast<int>(trick.size())) % 4 + 1; }
    bool operator==(const PlayPosition &) const = default;
};

struct CardTricks {
    int card = 0;    // suit * 100 + rank
    int tricks = 0;  // the declaring side's tricks in all after this card
    bool operator==(const CardTricks &) const = default;
};

struct PlayAnalysis {
    int seat = 0;                   // the player on turn
    std::vector<CardTricks> cards;  // each legal card once
    bool operator==(const PlayAnalysis &) const = default;
};

// Why the position cannot be asked (French), or "" when it can: the hands
// must be sound and hold as many cards as the trick in progress leaves them.
std::string positionProblem(const PlayPosition &p);

// Cards the player on turn may play: the suit led when he holds it, else
// every card; spades first, each suit from the top.
std::vector<int> legalCards(const PlayPosition &p);

// What the best cards make: the most for a player of the declaring side,
// the fewest for a defender; -1 without cards.
int bestTricks(const PlayAnalysis &a, int declarer);

// A card as the batch commands write it: French rank, then suit ("XP", "2T").
std::string cardText(int card);

}  // namespace vrek
