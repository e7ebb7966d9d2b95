#include "verify/playquestion.h"

#include <algorithm>
#include <cstring>

#include "verify/ddanalysis.h"

namespace vrek {

namespace {

const char *kSeats = "nesw";
const char *kStrainLetters = "NSHDC";  // analysis order: no-trump first
const char *kRanks = "23456789TJQKA";
// The solver's suit letters by our suit number (1 clubs .. 4 spades).
const char *kSuitLetters = "?CDHS";

int seatOf(char c) {
    const char *p = c ? std::strchr(kSeats, c) : nullptr;
    return p ? static_cast<int>(p - kSeats) + 1 : 0;
}

int suitOf(char c) {
    const char *p = c && c != '?' ? std::strchr(kSuitLetters, c) : nullptr;
    return p ? static_cast<int>(p - kSuitLetters) : 0;
}

int rankOf(char c) {
    const char *p = c ? std::strchr(kRanks, c) : nullptr;
    return p ? static_cast<int>(p - kRanks) + 2 : 0;
}

std::string cardWord(int card) {
    const int suit = card / 100;
    return kSuitLetters[suit >= Clubs && suit <= Spades ? suit : 0] + englishRank(card % 100);
}

// "SKQ:9" -> the cards and their number; false when it is not one.
bool parseGroup(const std::string &w, PlayAnalysis &a) {
    const size_t colon = w.find(':');
    const int suit = w.empty() ? 0 : suitOf(w[0]);
    if (!suit || colon == std::string::npos || colon < 2) return false;
    const std::string number = w.substr(colon + 1);
    if (number.empty() || number.size() > 2 || number.find_first_not_of("0123456789") != std::string::npos)
        return false;
    const int tricks = std::stoi(number);
    if (tricks > 13) return false;
    for (size_t i = 1; i < colon; ++i) {
        const int rank = rankOf(w[i]);
        if (!rank) return false;
        const int card = cardCode(suit, rank);
        // A card answered twice is not an answer the solver gives.
        for (const CardTricks &c : a.cards)
            if (c.card == card) return false;
        a.cards.push_back({card, tricks});
    }
    return true;
}

}  // namespace

std::string playKey(const PlayPosition &p) {
    std::string s;
    s += kStrainLetters[p.strain >= 0 && p.strain < kStrains ? p.strain : 0];
    s += ' ';
    s += kSeats[(p.declarer - 1) & 3];
    s += ' ' + std::to_string(p.declarerTricks) + ' ' + kSeats[(p.leader - 1) & 3] + ' ';
    if (p.trick.empty()) s += '-';
    for (size_t i = 0; i < p.trick.size(); ++i) s += (i ? "," : "") + cardWord(p.trick[i]);
    for (int seat = North; seat <= West; ++seat) s += ' ' + solverHandText(p.hands.hand(seat));
    return s;
}

std::string playRequestLine(const std::string &tag, const PlayPosition &p) { return tag + ' ' + playKey(p); }

bool parsePlayAnswerLine(const std::string &line, std::string &tag, PlayAnalysis &out, std::string &error) {
    std::string l = line;
    while (!l.empty() && (l.back() == '\r' || l.back() == '\n')) l.pop_back();
    const size_t space = l.find(' ');
    if (space == 0 || space == std::string::npos) return false;
    tag = l.substr(0, space);
    const std::string rest = l.substr(space + 1);
    if (rest.compare(0, 2, "! ") == 0 || rest == "!") {
        error = rest.size() > 2 ? rest.substr(2) : "échec sans message";
        return true;
    }
    error.clear();
    PlayAnalysis a;
    a.seat = rest.empty() ? 0 : seatOf(rest[0]);
    if (!a.seat || rest.size() < 3 || rest[1] != ' ') return false;
    size_t from = 2;
    while (from <= rest.size()) {
        const size_t end = std::min(rest.find(' ', from), rest.size());
        if (!parseGroup(rest.substr(from, end - from), a) || a.cards.size() > 13) return false;
        from = end + 1;
    }
    out = a;
    return true;
}

bool answerFits(const PlayPosition &p, const PlayAnalysis &a) {
    if (a.seat != p.onTurn()) return false;
    std::vector<int> asked = legalCards(p), answered;
    for (const CardTricks &c : a.cards) answered.push_back(c.card);
    std::sort(asked.begin(), asked.end());
    std::sort(answered.begin(), answered.end());
    if (asked != answered) return false;
    // Between what is already won and every trick still to play.
    const int most = p.declarerTricks + p.hands.hand(p.onTurn()).cards();
    return std::all_of(a.cards.begin(), a.cards.end(),
                       [&](const CardTricks &c) { return c.tricks >= p.declarerTricks && c.tricks <= most; });
}

}  // namespace vrek
