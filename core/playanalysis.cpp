#include "core/playanalysis.h"

#include <algorithm>

namespace vrek {

std::string positionProblem(const PlayPosition &p) {
    if (p.declarer < North || p.declarer > West || p.leader < North || p.leader > West || p.strain < 0 ||
        p.strain >= kStrains || p.trick.size() > 3 || p.declarerTricks < 0 || p.hands.damaged())
        return "La position n'est pas valable.";
    bool seen[4][15] = {};
    auto take = [&seen](int suit, int rank) {
        if (suit < Clubs || suit > Spades || rank < 2 || rank > 14 || seen[suit - 1][rank]) return false;
        return seen[suit - 1][rank] = true;
    };
    for (int card : p.trick)
        if (!take(card / 100, card % 100)) return "Une carte du pli en cours n'est pas valable.";
    for (int seat = North; seat <= West; ++seat)
        for (int suit = Clubs; suit <= Spades; ++suit)
            for (int k = 1; k <= p.hands.holding(seat, suit).count; ++k)
                if (!take(suit, p.hands.holding(seat, suit).rank(k))) return "Une carte est en double.";
    const int n = p.hands.hand(p.onTurn()).cards();
    if (n == 0) return "Toutes les cartes sont jouées.";
    for (int k = 0; k < 4; ++k) {
        const int seat = (p.leader - 1 + k) % 4 + 1;
        if (p.hands.hand(seat).cards() != (k < static_cast<int>(p.trick.size()) ? n - 1 : n))
            return "Les mains n'ont pas le même nombre de cartes : la donne est incomplète.";
    }
    if (p.declarerTricks > 13 - n) return "Plus de levées gagnées que de levées jouées.";
    return {};
}

std::vector<int> legalCards(const PlayPosition &p) {
    const Hand &h = p.hands.hand(p.onTurn());
    const int led = p.trick.empty() ? 0 : p.trick.front() / 100;
    const bool follow = led >= Clubs && led <= Spades && h.suit(led).count > 0;
    std::vector<int> out;
    for (int suit = Spades; suit >= Clubs; --suit) {
        if (follow && suit != led) continue;
        for (int k = 1; k <= h.suit(suit).count; ++k) out.push_back(cardCode(suit, h.suit(suit).rank(k)));
    }
    return out;
}

int bestTricks(const PlayAnalysis &a, int declarer) {
    if (a.cards.empty()) return -1;
    const bool declaring = a.seat % 2 == declarer % 2;
    auto less = [](const CardTricks &x, const CardTricks &y) { return x.tricks < y.tricks; };
    return declaring ? std::max_element(a.cards.begin(), a.cards.end(), less)->tricks
                     : std::min_element(a.cards.begin(), a.cards.end(), less)->tricks;
}

std::string cardText(int card) { return std::string(1, frenchRank(card % 100)) + suitLetter(card / 100); }

}  // namespace vrek
