#include "core/cards.h"

#include <cstring>

namespace vrek {

bool Holding::holds(int r) const {
    for (int i = 0; i < count && i < kMaxHolding; ++i)
        if (ranks[i] == r) return true;
    return false;
}

void Holding::insert(int r) {
    if (count >= kMaxHolding) return;
    int i = ++count;  // 1-based position of the new slot
    while (i >= 2 && ranks[i - 2] < r) {
        ranks[i - 1] = ranks[i - 2];
        --i;
    }
    ranks[i - 1] = static_cast<uint8_t>(r);
}

void Holding::removeAt(int k) {
    if (k < 1 || k > count || count > kMaxHolding) return;
    for (int i = k; i < count; ++i) ranks[i - 1] = ranks[i];
    ranks[count - 1] = 0;
    --count;
}

bool Holding::remove(int r) {
    for (int k = 1; k <= count && k <= kMaxHolding; ++k)
        if (ranks[k - 1] == r) {
            removeAt(k);
            return true;
        }
    return false;
}

int Hand::cards() const {
    int n = 0;
    for (const auto &h : suits) n += h.count;
    return n;
}

int Deal::cards() const {
    int n = 0;
    for (const auto &h : hands) n += h.cards();
    return n;
}

bool Deal::damaged() const {
    for (const auto &h : hands)
        for (const auto &s : h.suits) {
            if (s.count > kMaxHolding) return true;
            for (int k = 0; k < s.count; ++k)
                if (s.ranks[k] < 2 || s.ranks[k] > 14) return true;
        }
    return false;
}

int Deal::seatOf(int suit, int rank) const {
    for (int seat = 1; seat <= 4; ++seat)
        if (holding(seat, suit).holds(rank)) return seat;
    return 0;
}

void Deal::clear() { std::memset(static_cast<void *>(this), 0, sizeof(Deal)); }

bool Deal::operator==(const Deal &o) const { return std::memcmp(this, &o, sizeof(Deal)) == 0; }

int dealerOf(int board) {
    int m = board % 4;
    return m == 0 ? West : m;
}

Vul vulnerabilityOf(int board) {
    switch (board % 16) {
    case 2: case 5: case 12: case 15: return Vul::NS;
    case 3: case 6: case 9: case 0: return Vul::EW;
    case 4: case 7: case 10: case 13: return Vul::Both;
    default: return Vul::None;
    }
}

bool nsVulnerable(int board) {
    Vul v = vulnerabilityOf(board);
    return v == Vul::NS || v == Vul::Both;
}

bool ewVulnerable(int board) {
    Vul v = vulnerabilityOf(board);
    return v == Vul::EW || v == Vul::Both;
}

char seatLetter(int seat) { return "?NESO"[seat >= 1 && seat <= 4 ? seat : 0]; }
char suitLetter(int suit) { return "?TKCP"[suit >= 1 && suit <= 4 ? suit : 0]; }

std::string englishRank(int rank) {
    switch (rank) {
    case 10: return "T";
    case 11: return "J";
    case 12: return "Q";
    case 13: return "K";
    case 14: return "A";
    default: return std::to_string(rank);
    }
}

std::string easiRank(int rank) {
    switch (rank) {
    case 10: return "0";
    case 11: return "V";
    case 12: return "D";
    case 13: return "R";
    case 14: return "A";
    default: return std::to_string(rank);
    }
}

char frenchRank(int rank) {
    if (rank >= 2 && rank <= 9) return static_cast<char>('0' + rank);
    switch (rank) {
    case 10: return 'X';
    case 11: return 'V';
    case 12: return 'D';
    case 13: return 'R';
    case 14: return 'A';
    default: return ' ';
    }
}

std::string contractLetter(char c) {
    if (c >= '2' && c <= '9') return std::string(1, c);
    switch (c) {
    case 'A': return "A";
    case 'R': return "K";
    case 'D': return "Q";
    case 'V': return "J";
    case 'X': return "T";
    case 'P': return "S";
    case 'C': return "H";
    case 'K': return "D";
    case 'T': return "C";
    case 'S': return "NT";
    default: return "";
    }
}

PackTable undealt(const Deal &d) {
    PackTable t{};
    for (int s = 0; s < 4; ++s)
        for (int r = 2; r <= 14; ++r) t[s][r - 2] = static_cast<uint8_t>(r);
    for (int seat = 1; seat <= 4; ++seat)
        for (int s = 1; s <= 4; ++s) {
            const Holding &h = d.holding(seat, s);
            for (int k = 0; k < h.count && k < kMaxHolding; ++k) {
                int r = h.ranks[k];
                if (r >= 2 && r <= 14) t[s - 1][r - 2] = 0;
            }
        }
    return t;
}

}  // namespace vrek
