#include "dealing/keyentry.h"

namespace vrek {

bool hasRoom(const Deal &d, int cursor) {
    if (!onHolding(cursor)) return false;
    return d.holding(cursorSeat(cursor), cursorSuit(cursor)).count < kMaxHolding &&
           d.hand(cursorSeat(cursor)).cards() < 13;
}

KeyAction keyAction(char c) {
    auto rank = [](int r) { return KeyAction{KeyKind::Rank, r}; };
    switch (c) {
    case '1': case 'A': case 'a': return rank(14);
    case '/': case 'R': case 'r': return rank(13);
    case '*': case 'D': case 'd': return rank(12);
    case '-': case 'V': case 'v': return rank(11);
    case '+': case 'X': case 'x': return rank(10);
    case ' ': case '0': return {KeyKind::Next, 0};
    case '.': case '<': return {KeyKind::Previous, 0};
    default:
        if (c >= '2' && c <= '9') return rank(c - '0');
        return {};
    }
}

int moveForward(const Deal &d, int cursor) {
    bool wrapped = false;
    for (int c = cursor;; ++c) {
        if (c > 16 || c < 1) {
            if (wrapped) return kEntryFinished;
            c = 1;
            wrapped = true;
        }
        if (hasRoom(d, c)) return c;
    }
}

int moveBackward(const Deal &d, int cursor) {
    bool wrapped = false;
    for (int c = cursor;; --c) {
        if (c < 1 || c > 16) {
            if (wrapped) return kEntryFinished;
            c = 16;
            wrapped = true;
        }
        if (hasRoom(d, c)) return c;
    }
}

EntryResult typeKeys(Deal &d, int cursor, const std::string &text) {
    EntryResult r;
    r.cursor = cursor;
    // A cursor off the holdings (the entry was ended, by "Distribution" for
    // one) has no suit to type into.
    if (!onHolding(cursor)) return r;
    for (char ch : text) {
        KeyAction a = keyAction(ch);
        int c = r.cursor;
        switch (a.kind) {
        case KeyKind::Ignored: continue;
        case KeyKind::Rank: {
            int seat = cursorSeat(c), suit = cursorSuit(c);
            Holding &h = d.holding(seat, suit);
            if (d.seatOf(suit, a.rank) == 0 && h.count <= 8 && d.hand(seat).cards() <= 12) {
                h.insert(a.rank);
                r.changed = true;
            }
            c = moveForward(d, c);
            break;
        }
        case KeyKind::Next: c = moveForward(d, c + 1 > 16 ? 1 : c + 1); break;
        case KeyKind::Previous: c = moveBackward(d, c - 1 < 1 ? 16 : c - 1); break;
        }
        if (c == kEntryFinished) {
            r.cursor = kNoEntry;
            r.finished = true;
            return r;
        }
        r.cursor = c;
    }
    return r;
}

uint32_t completeBoard(Series &s, int board, const ConstraintTable &t, Random &rng, const AttemptProgress &progress) {
    if (board < 1 || board > kBoards) return 0;
    return DealUnderConstraints(s.deal(board), t, rng, progress);
}

int completeAndNext(Series &s, int board, const ConstraintTable &t, Random &rng, const AttemptProgress &progress) {
    if (board < 1 || board > kBoards) return board;
    completeBoard(s, board, t, rng, progress);
    return board < kBoards ? board + 1 : board;
}

}  // namespace vrek
