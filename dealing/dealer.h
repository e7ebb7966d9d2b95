// The random dealer: completes a partly placed deal at random, and repeats
// the completion until some assignment of the four hands to the seats meets
// the constraint sets, or 200000 attempts have been made.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/cards.h"
#include "core/series.h"
#include "core/constraints.h"
#include "dealing/dealkey.h"
#include "dealing/random.h"

namespace vrek {

constexpr uint32_t kMaxAttempts = 200000;

// Attempts of the running or last dealing run: reset when a run starts,
// kept afterwards. The progress window reads it.
uint32_t iterationCounter();

// A deal the dealer can work on: holdings of at most 9 cards with ranks
// 2 .. 14, no card held twice, no hand above 13 cards.
bool dealIsSound(const Deal &d);

// Deals the cards no hand holds, in random order, each to the first hand
// (North, East, South, West) with room for it; a card no hand can take
// (9 cards of its suit there already) is dropped. An unsound deal is left alone.
void DealRemainingCards(Deal &d, Random &rng);
void DealRemainingCards(Deal &d);

// Called about every 15 ms of work with the attempts made so far.
using AttemptProgress = std::function<void(uint32_t attempts)>;

// Repeats DealRemainingCards on a copy of `d` until the hands can be given
// seats that the constraints accept, at most 200000 times. On success `d`
// receives the hands in their assigned seats, otherwise the last completion
// as dealt. Returns the attempts made, or 0 for an unsound deal, which is
// left unchanged. `satisfied`, when given, tells whether the last attempt fitted.
uint32_t DealUnderConstraints(Deal &d, const ConstraintTable &t, Random &rng, const AttemptProgress &progress = {},
                              bool *satisfied = nullptr);
uint32_t DealUnderConstraints(Deal &d, const ConstraintTable &t);

// Provenance texts, in Windows-1252 as the text store keeps them.
// "Distribution" appends " Nombre d'itérations: N" to the line as it is.
void appendIterationCount(Series &s, int board, uint32_t attempts);
// "Distribution Automatique" replaces the line by "Nombre d'itérations: N".
void setIterationCount(Series &s, int board, uint32_t attempts);

struct BoardOutcome {
    int board = 0;
    uint32_t attempts = 0;   // 0: the deal was unsound and left alone
    bool satisfied = false;  // false after 200000 unfruitful attempts
};

// The "Distribution" button on one board: deals it and appends the count to
// its provenance line (an unsound deal is left alone, texts included).
BoardOutcome dealBoard(Series &s, int board, const ConstraintTable &t, Random &rng,
                       const AttemptProgress &progress = {});
// The same with a dealing key: the board is dealt from its own stream
// (boardStreamKey), so that its deal depends only on the key, its number,
// the constraints in force and the cards already placed on it.
BoardOutcome dealBoard(Series &s, int board, const ConstraintTable &t, const DealingKey &key,
                       const AttemptProgress &progress = {});

struct SeriesProgress {
    std::function<void(int board)> boardStarted;   // before dealing the board
    AttemptProgress attempts;                      // about every 15 ms of work
    std::function<void(const BoardOutcome &)> boardDone;
};

// "Distribution Automatique" over `boards` (ascending, 1 .. 96): deals each
// in turn and replaces its provenance line by the count. Unsound deals are
// skipped, texts included, and reported with 0 attempts.
std::vector<BoardOutcome> dealSeries(Series &s, const std::vector<int> &boards, const ConstraintTable &t, Random &rng,
                                     const SeriesProgress &progress = {});
// The same with a dealing key, each board from its own stream: dealing a
// board alone or among others gives it the same deal.
std::vector<BoardOutcome> dealSeries(Series &s, const std::vector<int> &boards, const ConstraintTable &t,
                                     const DealingKey &key, const SeriesProgress &progress = {});

// The boards of a run that did not meet the constraints within 200000
// attempts (their deals were kept all the same), and the French message
// that names them, in UTF-8; "" when every board met them.
std::vector<int> unmetBoards(const std::vector<BoardOutcome> &outcomes);
std::string unmetConstraintsMessage(const std::vector<int> &boards);

}  // namespace vrek
