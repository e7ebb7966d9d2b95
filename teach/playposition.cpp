#include "teach/playposition.h"

namespace vrek {

namespace {

const char *const kSeatNames[4] = {"Nord", "Est", "Sud", "Ouest"};

bool sameSide(int a, int b) { return a % 2 == b % 2; }

}  // namespace

int strainOfContract(const std::string &contract) {
    if (contract.size() < 2 || contract[0] < '1' || contract[0] > '7') return -1;
    if (contract.compare(1, 2, "SA") == 0) return 0;
    switch (contract[1]) {
    case 'P': return 1;
    case 'C': return 2;
    case 'K': return 3;
    case 'T': return 4;
    default: return -1;
    }
}

int seatOfLetter(const std::string &letter) {
    if (letter.size() != 1) return 0;
    const std::string seats = "NESO";
    const size_t i = seats.find(letter[0]);
    return i == std::string::npos ? 0 : static_cast<int>(i) + 1;
}

PlayContract playContractOf(const TeachDisplay &d) {
    PlayContract c;
    c.strain = strainOfContract(d.contract);
    const size_t at = d.lead.find_first_of("NESO");
    if (at != std::string::npos) c.declarer = seatOfLetter(d.lead.substr(at, 1));
    return c;
}

int seatAt(const TeachDisplay &d, int position) {
    for (int s = 0; s < 4; ++s)
        if (d.names[position - 1] == kSeatNames[s]) return s + 1;
    return 0;
}

int positionOf(const TeachDisplay &d, int seat) {
    for (int p = 1; p <= 4; ++p)
        if (seatAt(d, p) == seat) return p;
    return 0;
}

bool displayPosition(const TeachDisplay &d, const PlayContract &c, PlayPosition &out, std::string &why) {
    if (c.strain < 0) {
        why = "Contrat inconnu : écrivez-le dans la donne (par exemple « 4P S »).";
        return false;
    }
    if (!c.declarer) {
        why = "Déclarant inconnu : écrivez-le après le contrat (par exemple « 4P S »).";
        return false;
    }
    int dealt = 0;
    for (int p = 1; p <= 4; ++p) {
        if (!seatAt(d, p)) {
            why = "La position n'est pas valable.";
            return false;
        }
        for (int s = 1; s <= 4; ++s) dealt += d.deal.holding(p, s).count;
    }
    if (dealt != 52) {
        why = "La donne est incomplète : le double mort demande les 52 cartes.";
        return false;
    }
    PlayPosition pos;
    pos.strain = c.strain;
    pos.declarer = c.declarer;
    for (int p = 1; p <= 4; ++p)
        for (int s = 1; s <= 4; ++s)
            for (int k = 1; k <= kMaxHolding; ++k)
                if (const int r = d.rankAt(p, s, k)) pos.hands.holding(seatAt(d, p), s).insert(r);

    int leader = c.declarer % 4 + 1;
    for (int t = 1; t <= d.lastTrick(); ++t) {
        const auto &trick = d.tricks[t - 1];
        if (const int w = d.trickWinner(t)) {
            leader = seatAt(d, positionOfColumn(w));
            pos.declarerTricks += sameSide(leader, c.declarer);
            continue;
        }
        // The trick in progress: its cards in the order they were played.
        pos.trick.clear();
        for (int col = 1; col <= kTrickColumns; ++col)
            if (const int v = trick[col - 1]) {
                if (pos.trick.empty()) leader = seatAt(d, v / 1000);
                pos.trick.push_back(v % 1000);
            }
    }
    pos.leader = leader;
    why = positionProblem(pos);
    if (!why.empty()) return false;
    out = pos;
    return true;
}

}  // namespace vrek
