#include "formats/importdeal.h"

#include "core/cp1252.h"

namespace vrek {

int ImportScan::count() const {
    int n = 0;
    for (bool b : available) n += b;
    return n;
}

std::string boardFault(int board, const std::string &fault) { return "Donne " + std::to_string(board) + " : " + fault; }

std::string seatNoun(int seat) {
    static const char *const kNames[4] = {"Nord", "Est", "Sud", "Ouest"};
    return seat >= 1 && seat <= 4 ? kNames[seat - 1] : "?";
}

std::string ofSeat(int seat) {
    return seat == East || seat == West ? "d'" + seatNoun(seat) : "de " + seatNoun(seat);
}

std::string suitName(int suit) {
    static const char *const kNames[4] = {"trèfle", "carreau", "coeur", "pique"};
    return suit >= 1 && suit <= 4 ? kNames[suit - 1] : "?";
}

std::string cardName(int suit, int rank) {
    std::string r;
    switch (rank) {
    case 14: r = "l'as"; break;
    case 13: r = "le roi"; break;
    case 12: r = "la dame"; break;
    case 11: r = "le valet"; break;
    default: r = "le " + std::to_string(rank);
    }
    return r + " de " + suitName(suit);
}

std::string quoted(const std::string &bytes, size_t max) {
    std::string s = bytes.substr(0, max);
    for (char &c : s)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = '?';
    return cp1252ToUtf8(s) + (bytes.size() > max ? "…" : "");
}

bool DealBuilder::place(int seat, int suit, int rank) {
    if (!error_.empty()) return false;
    if (int other = deal_.seatOf(suit, rank)) {
        error_ = boardFault(board_, cardName(suit, rank) + " figure deux fois (" + seatNoun(other) +
                                        (other == seat ? "" : " et " + seatNoun(seat)) + ")");
        return false;
    }
    Hand &h = deal_.hand(seat);
    if (h.cards() >= 13) {
        error_ = boardFault(board_, "la main " + ofSeat(seat) + " aurait plus de 13 cartes");
        return false;
    }
    Holding &g = h.suit(suit);
    if (g.full()) {
        error_ = boardFault(board_, seatNoun(seat) + " aurait plus de 9 cartes à " + suitName(suit) +
                                        " ; une main n'en tient pas plus de 9 dans une couleur");
        return false;
    }
    g.insert(rank);
    return true;
}

std::string recordFault(const Deal &d) {
    bool seen[5][15] = {};
    for (int seat = 1; seat <= 4; ++seat) {
        int inHand = 0;
        for (int suit = 1; suit <= 4; ++suit) {
            const Holding &h = d.holding(seat, suit);
            if (h.count > kMaxHolding)
                return seatNoun(seat) + " a " + std::to_string(h.count) + " cartes à " + suitName(suit) +
                       " ; une main n'en tient pas plus de 9 dans une couleur";
            inHand += h.count;
            for (int k = 0; k < h.count; ++k) {
                int r = h.ranks[k];
                if (r < 2 || r > 14)
                    return "la main " + ofSeat(seat) + " contient une carte de rang " + std::to_string(r) +
                           " (les rangs vont de 2 à 14)";
                if (seen[suit][r]) return cardName(suit, r) + " figure deux fois";
                seen[suit][r] = true;
            }
        }
        if (inHand > 13) return "la main " + ofSeat(seat) + " a " + std::to_string(inHand) + " cartes";
    }
    return {};
}

}  // namespace vrek
