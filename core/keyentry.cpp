#include "core/keyentry.h"

namespace vrek {

bool holdingHasRoom(const Deal &d, int c) {
    if (c < 1 || c > 16) return false;
    int seat = seatOfCursor(c);
    return !d.holding(seat, suitOfCursor(c)).full() && d.hand(seat).cards() < 13;
}

KeyEffect keyEffect(char c, int &rank) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    rank = 0;
    switch (c) {
    case '1': case 'A': rank = 14; break;
    case '/': case 'R': rank = 13; break;
    case '*': case 'D': rank = 12; break;
    case '-': case 'V': rank = 11; break;
    case '+': case 'X': rank = 10; break;
    case ' ': case '0': return KeyEffect::Next;
    case '.': case '<': return KeyEffect::Previous;
    default:
        if (c >= '2' && c <= '9') rank = c - '0';
    }
    return rank ? KeyEffect::AddRank : KeyEffect::Ignored;
}

int forwardToRoom(const Deal &d, int c) {
    bool wrapped = false;
    while (!holdingHasRoom(d, c)) {
        ++c;
        if (c > 16) {
            if (wrapped) return kEntryFinished;
            wrapped = true;
            c = 1;
        }
    }
    return c;
}

int backwardToRoom(const Deal &d, int c) {
    bool wrapped = false;
    while (!holdingHasRoom(d, c)) {
        --c;
        if (c < 1) {
            if (wrapped) return kEntryFinished;
            wrapped = true;
            c = 16;
        }
    }
    return c;
}

KeyOutcome applyKey(Deal &d, int &cursor, char ch) {
    KeyOutcome out;
    int rank = 0;
    switch (keyEffect(ch, rank)) {
    case KeyEffect::Ignored:
        return out;
    case KeyEffect::Next:
        cursor = forwardToRoom(d, cursor + 1 > 16 ? 1 : cursor + 1);
        break;
    case KeyEffect::Previous:
        cursor = backwardToRoom(d, cursor - 1 < 1 ? 16 : cursor - 1);
        break;
    case KeyEffect::AddRank: {
        if (cursor >= 1 && cursor <= 16) {
            int seat = seatOfCursor(cursor), suit = suitOfCursor(cursor);
            if (holdingHasRoom(d, cursor) && !d.seatOf(suit, rank)) {
                d.holding(seat, suit).insert(rank);
                out.changed = true;
            }
        }
        cursor = forwardToRoom(d, cursor);
        break;
    }
    }
    out.finished = cursor == kEntryFinished;
    return out;
}

}  // namespace vrek
