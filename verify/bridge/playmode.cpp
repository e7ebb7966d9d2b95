#include "verify/bridge/playmode.h"

#include <dds/dll.h>

#include <bit>
#include <cstring>
#include <sstream>

#include "verify/bridge/tablemode.h"

namespace bridge {

namespace {

const char *kRanks = "23456789TJQKA";
const char *kSeats = "nesw";
const char *kSuits = "SHDC";    // DDS suit order
const char *kStrains = "SHDCN";  // DDS strain order
// One thread; memory enough for the transposition table of a whole deal.
constexpr int kPlayMemoryMB = 160;

int indexIn(const char *set, const std::string &w) {
    const char *p = w.size() == 1 && w[0] ? std::strchr(set, w[0]) : nullptr;
    return p ? static_cast<int>(p - set) : -1;
}

int rankOf(char c) {
    const char *p = c ? std::strchr(kRanks, c) : nullptr;
    return p ? static_cast<int>(p - kRanks) + 2 : 0;
}

bool fail(std::string &error, const std::string &what) {
    error = what;
    return false;
}

// "SA,S3" -> the trick's cards; "-" is an empty trick.
bool parseTrick(const std::string &w, PlayRequest &r) {
    if (w == "-") return true;
    size_t start = 0;
    while (start <= w.size()) {
        const size_t end = std::min(w.find(',', start), w.size());
        const std::string c = w.substr(start, end - start);
        const int suit = c.size() == 2 ? indexIn(kSuits, c.substr(0, 1)) : -1;
        const int rank = c.size() == 2 ? rankOf(c[1]) : 0;
        if (suit < 0 || !rank || r.trickCards == 3) return false;
        r.trickSuit[r.trickCards] = suit;
        r.trickRank[r.trickCards] = rank;
        ++r.trickCards;
        start = end + 1;
    }
    return true;
}

}  // namespace

void initPlayResources() { SetResources(kPlayMemoryMB, 1); }

bool parsePlayRequest(const std::string &line, PlayRequest &out, std::string &error) {
    std::vector<std::string> w;
    std::istringstream in(line);
    for (std::string s; in >> s && w.size() <= 10;) w.push_back(s);
    if (w.size() != 10)
        return fail(error, "10 champs attendus (repère, dénomination, déclarant, levées gagnées, entameur, pli, "
                           "quatre mains)");
    PlayRequest r;
    r.tag = w[0];
    r.strain = indexIn(kStrains, w[1]);
    if (r.strain < 0) return fail(error, "dénomination inconnue « " + w[1] + " » (N, S, H, D ou C)");
    r.declarer = indexIn(kSeats, w[2]);
    if (r.declarer < 0) return fail(error, "déclarant inconnu « " + w[2] + " » (n, e, s ou w)");
    if (w[3].size() > 2 || w[3].find_first_not_of("0123456789") != std::string::npos || std::stoi(w[3]) > 13)
        return fail(error, "nombre de levées gagnées invalide « " + w[3] + " » (0 à 13)");
    r.won = std::stoi(w[3]);
    r.leader = indexIn(kSeats, w[4]);
    if (r.leader < 0) return fail(error, "entameur du pli inconnu « " + w[4] + " » (n, e, s ou w)");
    if (!parseTrick(w[5], r))
        return fail(error, "pli en cours invalide « " + w[5] + " » (« - » ou jusqu'à trois cartes comme SA,S3)");

    unsigned seen[4] = {};
    for (int i = 0; i < r.trickCards; ++i) {
        const unsigned bit = 1u << r.trickRank[i];
        if (seen[r.trickSuit[i]] & bit) return fail(error, "carte en double dans le pli en cours");
        seen[r.trickSuit[i]] |= bit;
    }
    int count[4] = {};
    for (int h = 0; h < 4; ++h) {
        if (!parseHand(w[6 + h], r.cards[h], count[h]) || count[h] > 13)
            return fail(error, std::string("main de ") + "NESW"[h] + " invalide « " + w[6 + h] + " »");
        for (int s = 0; s < 4; ++s) {
            if (seen[s] & r.cards[h][s]) return fail(error, std::string("carte en double dans la main de ") + "NESW"[h]);
            seen[s] |= r.cards[h][s];
        }
    }
    // Who has played to the trick holds one card less than who has not.
    const int n = count[r.onTurn()];
    for (int k = 0; k < 4; ++k) {
        const int h = (r.leader + k) % 4;
        if (count[h] != (k < r.trickCards ? n - 1 : n))
            return fail(error, std::string("les mains n'ont pas le bon nombre de cartes (") + "NESW"[h] + " : " +
                                   std::to_string(count[h]) + ")");
    }
    if (n < 1) return fail(error, "plus aucune carte à jouer");
    if (r.won > 13 - n)
        return fail(error, "plus de levées gagnées (" + w[3] + ") que de levées jouées (" + std::to_string(13 - n) + ")");
    out = r;
    return true;
}

bool solvePlay(const PlayRequest &r, PlayAnswer &out, std::string &error) {
    deal d{};
    d.trump = r.strain;
    d.first = r.leader;
    for (int i = 0; i < r.trickCards; ++i) {
        d.currentTrickSuit[i] = r.trickSuit[i];
        d.currentTrickRank[i] = r.trickRank[i];
    }
    std::memcpy(d.remainCards, r.cards, sizeof d.remainCards);
    futureTricks f{};
    // Every legal card with its score; mode 1 searches even a forced card.
    const int rc = SolveBoard(d, -1, 3, 1, &f, 0);
    if (rc != RETURN_NO_FAULT) return fail(error, ddsError(rc));

    const int seat = r.onTurn();
    int left = 0;  // the tricks still to play, the one in progress included
    for (unsigned holding : r.cards[seat]) left += std::popcount(holding);
    const bool declaring = seat % 2 == r.declarer % 2;
    PlayAnswer a;
    a.tag = r.tag;
    a.seat = seat;
    for (int i = 0; i < f.cards && i < 13; ++i) {
        // The score is the tricks still to come for the side on turn.
        if (f.score[i] < 0 || f.score[i] > left || f.suit[i] < 0 || f.suit[i] > 3 || f.rank[i] < 2 || f.rank[i] > 14)
            return fail(error, "le solveur DDS a rendu un résultat invalide");
        PlayGroup g;
        g.suit = f.suit[i];
        g.ranks = (1u << f.rank[i]) | static_cast<unsigned>(f.equals[i]);
        g.tricks = r.won + (declaring ? f.score[i] : left - f.score[i]);
        a.groups.push_back(g);
    }
    if (a.groups.empty()) return fail(error, "le solveur DDS n'a rendu aucune carte");
    out = a;
    return true;
}

std::string formatPlayAnswer(const PlayAnswer &a) {
    std::string s = a.tag + ' ' + kSeats[a.seat & 3];
    for (const PlayGroup &g : a.groups) {
        s += ' ';
        s += kSuits[g.suit & 3];
        for (int rank = 14; rank >= 2; --rank)
            if (g.ranks & (1u << rank)) s += kRanks[rank - 2];
        s += ':' + std::to_string(g.tricks);
    }
    return s;
}

std::string answerPlayLine(const std::string &line) {
    PlayRequest r;
    PlayAnswer a;
    std::string error;
    if (parsePlayRequest(line, r, error) && solvePlay(r, a, error)) return formatPlayAnswer(a);
    std::string tag;
    std::istringstream(line) >> tag;
    return (tag.empty() ? std::string("?") : tag.substr(0, 40)) + " ! " + error;
}

}  // namespace bridge
