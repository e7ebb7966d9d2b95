#include "core/evaluation.h"

namespace vrek {

int highCardPoints(const Holding &h) {
    int p = 0;
    for (int k = 0; k < h.count && k < kMaxHolding; ++k)
        if (h.ranks[k] > 10 && h.ranks[k] <= 14) p += h.ranks[k] - 10;
    return p;
}

int highCardPoints(const Hand &h) {
    int p = 0;
    for (const auto &s : h.suits) p += highCardPoints(s);
    return p;
}

int handValue(const Hand &hand) {
    int v = 0;
    for (const auto &s : hand.suits) {
        int h = highCardPoints(s);
        v += h;
        if (h > 2 && s.count > 4) v += s.count - 4;
    }
    return v;
}

std::string SideValue::text() const { return std::to_string(hl) + " - " + std::to_string(total()); }

int fitSuit(const Hand &a, const Hand &b) {
    int fit = 0;
    for (int s = Clubs; s <= Spades; ++s) {
        int together = a.suit(s).count + b.suit(s).count;
        bool major = s == Hearts || s == Spades;
        if (together > (major ? 7 : 8)) fit = s;
    }
    return fit;
}

SideValue sideValue(const Hand &a, const Hand &b) {
    SideValue v;
    v.hl = handValue(a) + handValue(b);
    int fit = fitSuit(a, b);
    if (fit == 0) return v;
    for (int s = Clubs; s <= Spades; ++s) {
        int la = a.suit(s).count, lb = b.suit(s).count;
        if (s == fit) {
            v.extra += la + lb - 8;
            continue;
        }
        if (la < 3) v.extra += 3 - la;
        if (lb < 3) v.extra += 3 - lb;
        if (la + lb >= 8) v.extra += la + lb - 7;
    }
    return v;
}

}  // namespace vrek
