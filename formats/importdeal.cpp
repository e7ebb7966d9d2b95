#include "formats/importdeal.h"

#include <algorithm>

#include "core/cp1252.h"

namespace vrek {

int ImportScan::count() const {
    int n = 0;
    for (bool b : available) n += b;
    return n;
}

int rankOfLetter(char c) {
    switch (c) {
    case 'A': case 'a': return 14;
    case 'K': case 'k': return 13;
    case 'Q': case 'q': return 12;
    case 'J': case 'j': return 11;
    case 'T': case 't': return 10;
    }
    return c >= '2' && c <= '9' ? c - '0' : 0;
}

std::string lineAt(int line) { return "ligne " + std::to_string(line); }
std::string recordAt(int record) { return "enregistrement " + std::to_string(record); }
std::string located(const std::string &where, const std::string &fault) { return where + " : " + fault; }

std::string handCountFault(int seat, int cards) {
    const std::string in = " en " + seatNoun(seat);
    if (cards > 13) return "la donne a " + std::to_string(cards) + " cartes" + in;
    if (cards == 0) return "la donne n'a aucune carte" + in;
    if (cards == 1) return "la donne n'a qu'une carte" + in;
    return "la donne n'a que " + std::to_string(cards) + " cartes" + in;
}

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

bool DealBuilder::refuse(const std::string &fault) {
    if (!error_.empty()) return false;
    error_ = located(where_, fault);
    return false;
}

bool DealBuilder::place(int seat, int suit, int rank) {
    if (!error_.empty()) return false;
    if (suit < Clubs || suit > Spades || rank < 2 || rank > 14) return refuse("carte inconnue");
    uint8_t &holder = seat_[(suit - 1) * 15 + rank];
    if (int other = holder)
        return refuse(cardName(suit, rank) + " figure deux fois (" + seatNoun(other) +
                    (other == seat ? "" : " et " + seatNoun(seat)) + ")");
    Hand &h = deal_.hand(seat);
    if (h.cards() >= 13) return refuse("la main " + ofSeat(seat) + " aurait plus de 13 cartes");
    Holding &g = h.suit(suit);
    if (g.full())
        return refuse(seatNoun(seat) + " aurait plus de 9 cartes à " + suitName(suit) +
                    " ; une main n'en tient pas plus de 9 dans une couleur");
    g.insert(rank);
    holder = static_cast<uint8_t>(seat);
    return true;
}

bool DealBuilder::finish(bool partial) {
    if (!error_.empty()) return false;
    if (deal_.empty()) return refuse("la donne ne contient aucune carte");
    int whole = 0, missing = 0;
    for (int seat = North; seat <= West; ++seat) {
        const int n = deal_.hand(seat).cards();
        whole += n == 13;
        if (!n) missing = seat;
    }
    if (whole == 4) return true;
    if (whole == 3 && missing) {
        // The one hand not given holds what the others do not.
        for (int suit = Spades; suit >= Clubs; --suit)
            for (int rank = 14; rank >= 2; --rank)
                if (!seat_[(suit - 1) * 15 + rank] && !place(missing, suit, rank)) return false;
        return true;
    }
    // Three whole hands and a short one is a card lost, not a deal being built.
    if (partial && whole < 3) return true;
    // A short hand that was given says more than one left out.
    for (bool given : {true, false})
        for (int seat = North; seat <= West; ++seat)
            if (const int n = deal_.hand(seat).cards(); n != 13 && (n > 0) == given) return refuse(handCountFault(seat, n));
    return true;
}

void refuseDeal(ImportRead &r, std::string why) {
    if (r.skipped.size() < kListedRefusals) r.skipped.push_back(std::move(why));
    else ++r.unlisted;
}

void NumberedDeals::add(ImportedDeal d) {
    if (d.board > kBoards) {
        pastLo = past_ ? std::min(pastLo, d.board) : d.board;
        pastHi = past_ ? std::max(pastHi, d.board) : d.board;
        ++past_;
        return;
    }
    std::vector<size_t> &same = byBoard_[d.board - 1];
    for (size_t i : same)
        if (deals_[i].deal == d.deal) return;
    if (same.size() == kBoards) {
        ++surplus_;
        return;
    }
    same.push_back(deals_.size());
    deals_.push_back(std::move(d));
}

void NumberedDeals::offer(ImportScan &scan) const {
    for (const auto &d : deals_) scan.available[d.board - 1] = true;
    scan.empty = scan.count() == 0;
}

void NumberedDeals::keepChosen(const std::vector<int> &boards, ImportRead &out) {
    for (auto &d : deals_)
        if (std::find(boards.begin(), boards.end(), d.board) != boards.end()) out.deals.push_back(std::move(d));
    if (past_) {
        const std::string range = pastLo == pastHi ? std::to_string(pastLo) : std::to_string(pastLo) + " à " + std::to_string(pastHi);
        out.notes.push_back(std::to_string(past_) + (past_ > 1 ? " donnes numérotées" : " donne numérotée") +
                            " au-delà de 96 (" + range + ") : la série s'arrête à la donne 96");
    }
    if (surplus_)
        out.notes.push_back(std::to_string(surplus_) + " donnes de plus sous un numéro qui en a déjà 96 : "
                            "elles ne sont pas lues");
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

namespace {
bool foreignFile(const NumberedFile &f, const std::string &bytes) {
    return f.foreign && bytes.find_first_not_of(" \t\r\n") != std::string::npos;
}
}  // namespace

ImportScan scanNumbered(const NumberedFile &f, const std::string &bytes, const std::string &foreignError) {
    ImportScan scan;
    f.deals.offer(scan);
    if (foreignFile(f, bytes)) scan.error = foreignError;
    return scan;
}

ImportRead readNumbered(NumberedFile &f, const std::string &bytes, const std::vector<int> &boards,
                        const std::string &foreignError) {
    ImportRead out;
    if (foreignFile(f, bytes)) {
        out.error = foreignError;
        return out;
    }
    f.deals.keepChosen(boards, out);
    out.skipped = std::move(f.refused.skipped);
    out.unlisted = f.refused.unlisted;
    return out;
}

}  // namespace vrek
