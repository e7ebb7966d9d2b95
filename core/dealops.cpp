#include "core/dealops.h"

#include <utility>

namespace vrek {

namespace {

// k-th card (1-based) named by a click at x, or 0; `shown` cards follow the
// suit letter and a blank.
int cardIndex(int x, int w, int shown) {
    if (w <= 0 || x < 2 * w || x > (shown + 2) * w) return 0;
    int k = (x - w) / w;
    return k >= 1 && k <= shown ? k : 0;
}

void moveBlock(Series &s, int to, int from) {
    s.deal(to) = s.deal(from);
    for (int j = 0; j < 15; ++j) s.lines[15 * to - j] = s.lines[15 * from - j];
}

void emptyBlock(Series &s, int n) {
    s.deal(n).clear();
    for (int j = 0; j < 15; ++j) s.lines[15 * n - j].clear();
}

}  // namespace

int receivingSeat(const Deal &d, int suit) {
    for (int seat = North; seat <= West; ++seat)
        if (!d.holding(seat, suit).full() && d.hand(seat).cards() < 13) return seat;
    return 0;
}

bool packClick(Deal &d, int suit, int x, int w) {
    PackTable t = undealt(d);
    int shown = 0;
    for (int r = 14; r >= 2; --r) shown += t[suit - 1][r - 2] != 0;
    int k = cardIndex(x, w, shown);
    if (!k) return false;
    int rank = 0;
    for (int r = 14, i = 0; r >= 2; --r)
        if (t[suit - 1][r - 2] && ++i == k) {
            rank = r;
            break;
        }
    int seat = receivingSeat(d, suit);
    if (!rank || !seat) return false;
    d.holding(seat, suit).insert(rank);
    return true;
}

bool handClick(Deal &d, PendingExchange &pending, int seat, int suit, int x, int w, Button b) {
    if (b != Button::Right) pending = {};
    Holding &h = d.holding(seat, suit);
    int k = cardIndex(x, w, std::min<int>(h.count, kMaxHolding));
    if (!k) return false;
    int rank = h.rank(k);
    if (b != Button::Right) {
        h.removeAt(k);
        return true;
    }
    // The first card of an exchange stays in its hand, marked, until the second.
    if (!pending.active) {
        pending = {true, seat, suit, rank};
        return false;
    }
    const PendingExchange first = pending;
    pending = {};
    // The first card may have left its hand meanwhile; the same hand gives nothing.
    if (first.seat == seat || d.seatOf(first.suit, first.rank) != first.seat) return false;
    // Each card goes into the other hand, in its own suit: both or neither.
    Holding &fromFirst = d.holding(first.seat, first.suit);
    Holding &toFirst = d.holding(first.seat, suit);
    Holding &toSecond = d.holding(seat, first.suit);
    if (suit != first.suit && (toFirst.full() || toSecond.full())) return false;
    for (int i = 1; i <= fromFirst.count; ++i)
        if (fromFirst.rank(i) == first.rank) {
            fromFirst.removeAt(i);
            break;
        }
    h.removeAt(k);
    toFirst.insert(rank);
    toSecond.insert(first.rank);
    return true;
}

void swapNorthSouth(Deal &d) { std::swap(d.hand(North), d.hand(South)); }

void rotate(Deal &d) {
    Hand west = d.hand(West);
    d.hand(West) = d.hand(South);
    d.hand(South) = d.hand(East);
    d.hand(East) = d.hand(North);
    d.hand(North) = west;
}

void copyForward(Series &s, int n, const std::string &contractLineText) {
    s.ensureLines();
    s.setLine(contractLine(n), contractLineText);
    for (int i = n + 1; i <= kBoards; ++i) moveBlock(s, i, n);
}

void insertBoard(Series &s, int n) {
    s.ensureLines();
    for (int k = kBoards; k > n; --k) moveBlock(s, k, k - 1);
    emptyBlock(s, n);
}

void deleteBoard(Series &s, int n) {
    s.ensureLines();
    for (int k = n + 1; k <= kBoards; ++k) moveBlock(s, k - 1, k);
    emptyBlock(s, kBoards);
}

void exchangeBoards(Series &s, int a, int b, bool swap) {
    if (a == b) return;
    s.ensureLines();
    Deal keptDeal = s.deal(a);
    std::string kept[15];
    for (int j = 0; j < 15; ++j) kept[j] = s.lines[15 * a - j];
    moveBlock(s, a, b);
    if (!swap) return;
    s.deal(b) = keptDeal;
    for (int j = 0; j < 15; ++j) s.lines[15 * b - j] = kept[j];
}

}  // namespace vrek
