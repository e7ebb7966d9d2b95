#include "verify/exchange.h"

namespace vrek {

namespace {

const char *kSeatLetters = "nesw";

char strainLetter(Strain s) {
    switch (s) {
    case Strain::NoTrump: return 'N';
    case Strain::Spades: return 'S';
    case Strain::Hearts: return 'H';
    case Strain::Diamonds: return 'D';
    case Strain::Clubs: return 'C';
    }
    return '?';
}

char suitLetterEnglish(int suit) { return "?CDHS"[suit >= 1 && suit <= 4 ? suit : 0]; }

}  // namespace

std::string exchangeText(const Deal &deal, int declarer, Strain strain, int lead) {
    std::string t;
    for (int seat = North; seat <= West; ++seat) {
        t += kSeatLetters[seat - 1];
        t += ' ';
        for (int suit = Spades; suit >= Clubs; --suit) {
            const Holding &h = deal.holding(seat, suit);
            for (int k = 1; k <= h.count && k <= kMaxHolding; ++k) t += englishRank(h.rank(k));
            if (suit != Clubs) t += '.';
        }
        t += "\r\n";
    }
    t += kSeatLetters[(declarer - 1) & 3];
    t += ' ';
    t += strainLetter(strain);
    t += "\r\n";
    t += suitLetterEnglish(lead / 100);
    t += englishRank(lead % 100);
    t += "\r\n";
    return t;
}

std::optional<std::string> solverCommand(const std::string &exchangePath) {
    std::string c = "-dcq " + exchangePath;
    if (exchangePath.empty() || c.size() > kSolverCommandSize || exchangePath.find('\0') != std::string::npos)
        return std::nullopt;
    c.resize(kSolverCommandSize, '\0');
    return c;
}

}  // namespace vrek
