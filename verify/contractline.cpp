#include "verify/contractline.h"

#include <algorithm>
#include <cstring>

#include "core/cards.h"
#include "core/series.h"

namespace vrek {

namespace {

bool oneOf(char c, const char *set) { return c != '\0' && std::strchr(set, c) != nullptr; }

int rankOfLetter(char c) {
    if (c >= '2' && c <= '9') return c - '0';
    switch (c) {
    case 'X': return 10;
    case 'V': return 11;
    case 'D': return 12;
    case 'R': return 13;
    case 'A': return 14;
    default: return 0;
    }
}

int suitOfLetter(char c) {
    switch (c) {
    case 'T': return Clubs;
    case 'K': return Diamonds;
    case 'C': return Hearts;
    case 'P': return Spades;
    default: return 0;
    }
}

}  // namespace

ContractChoice parseContractLine(const std::string &contractLine) {
    ContractChoice c;
    std::string l = contractLine.substr(0, std::min<size_t>(contractLine.size(), kContractWidth)) + " ";
    const size_t n = l.size();
    c.doubled = l.find('*') != std::string::npos;

    // Each step starts one character after where the previous one stopped;
    // a step that runs off the end leaves its setting, and all later ones, alone.
    size_t i = 0;
    while (i < n && !(l[i] >= '1' && l[i] <= '7')) ++i;
    if (i >= n) return c;
    c.level = l[i] - '0';

    for (++i; i < n && !oneOf(l[i], "CKPST"); ++i) {}
    if (i >= n) return c;
    switch (l[i]) {
    case 'S': c.strain = Strain::NoTrump; break;
    case 'P': c.strain = Strain::Spades; break;
    case 'C': c.strain = Strain::Hearts; break;
    case 'K': c.strain = Strain::Diamonds; break;
    case 'T': c.strain = Strain::Clubs; break;
    }

    for (++i; i < n && !oneOf(l[i], "ENOS"); ++i) {}
    if (i >= n) return c;
    c.declarer = l[i] == 'N' ? North : l[i] == 'E' ? East : l[i] == 'S' ? South : West;

    // The lead: a rank letter, or any character followed by a suit letter.
    for (++i; i + 1 < n && !(rankOfLetter(l[i]) || suitOfLetter(l[i + 1])); ++i) {}
    if (i + 1 >= n) return c;
    int rank = rankOfLetter(l[i]), suit = suitOfLetter(l[i + 1]);
    if (rank && suit) c.lead = cardCode(suit, rank);
    return c;
}

const char *strainText(Strain s) {
    switch (s) {
    case Strain::NoTrump: return "SA";
    case Strain::Spades: return "P";
    case Strain::Hearts: return "C";
    case Strain::Diamonds: return "K";
    case Strain::Clubs: return "T";
    }
    return "";
}

int trumpSuit(Strain s) {
    switch (s) {
    case Strain::Spades: return Spades;
    case Strain::Hearts: return Hearts;
    case Strain::Diamonds: return Diamonds;
    case Strain::Clubs: return Clubs;
    default: return 0;
    }
}

}  // namespace vrek
