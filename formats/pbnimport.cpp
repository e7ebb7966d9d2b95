#include "formats/pbnimport.h"

#include "formats/textlines.h"

namespace vrek {

namespace {
const std::string kBoardTag = "[Board";
const std::string kDealTag = "[Deal \"";

int seatOfLetter(char c) {
    switch (c) {
    case 'N': return North;
    case 'E': return East;
    case 'S': return South;
    case 'W': return West;
    }
    return 0;
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

bool chosen(const std::vector<int> &boards, long b) {
    for (int x : boards)
        if (x == b) return true;
    return false;
}
}  // namespace

long pbnLineNumber(const std::string &line) {
    long n = -1;
    for (char c : line)
        if (c >= '0' && c <= '9') {
            n = (n < 0 ? 0 : n) * 10 + (c - '0');
            if (n > 1000000) n = 1000000;  // already far past any board
        }
    return n;
}

ImportScan scanPbn(const std::string &bytes) {
    ImportScan scan;
    for (const auto &l : splitLines(bytes)) {
        if (l.find(kBoardTag) == std::string::npos) continue;
        long b = pbnLineNumber(l);
        if (b >= 1 && b <= kBoards) scan.available[b - 1] = true;
    }
    scan.empty = scan.count() == 0;
    return scan;
}

std::string pbnReadDeal(const std::string &text, int board, Deal &out) {
    DealBuilder deal(board);
    int seat = 0, suit = Spades;
    for (char c : text) {
        if (!seat) {
            seat = seatOfLetter(c);
            continue;
        }
        if (c == '.') {
            if (--suit < Clubs) return boardFault(board, "la main " + ofSeat(seat) + " a plus de quatre couleurs");
        } else if (c == ' ') {
            seat = seat % 4 + 1;
            suit = Spades;
        } else if (int r = rankOfLetter(c)) {
            if (!deal.place(seat, suit, r)) return deal.error();
        } else if (c != ':' && c != '"' && c != '-') {
            return boardFault(board, "caractère « " + quoted(std::string(1, c)) + " » inattendu à la place d'une carte");
        }
    }
    out = deal.deal();
    return {};
}

ImportRead readPbn(const std::string &bytes, const std::vector<int> &boards) {
    ImportRead out;
    const std::vector<std::string> lines = splitLines(bytes);
    for (size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].find(kBoardTag) == std::string::npos) continue;
        const long b = pbnLineNumber(lines[i]);
        if (b < 1 || b > kBoards || !chosen(boards, b)) continue;
        const int board = static_cast<int>(b);
        // The deal of this board comes before the next board's tag.
        const std::string *dealLine = nullptr;
        size_t at = std::string::npos;
        for (size_t k = i; k < lines.size(); ++k) {
            size_t from = 0;
            if (k == i) from = lines[k].find(kBoardTag) + kBoardTag.size();
            else if (lines[k].find(kBoardTag) != std::string::npos) break;
            at = lines[k].find(kDealTag, from);
            if (at != std::string::npos) {
                dealLine = &lines[k];
                break;
            }
        }
        if (!dealLine) {
            out.error = boardFault(board, "aucune ligne [Deal \"...\"] ne suit la ligne « " + quoted(lines[i], 30) + " »");
            return out;
        }
        // The value runs to its closing quote (or, without one, to the last
        // character but one, leaving out the closing bracket).
        size_t end = dealLine->find('"', at + kDealTag.size());
        if (end == std::string::npos) end = dealLine->empty() ? 0 : dealLine->size() - 1;
        ImportedDeal d;
        d.board = board;
        out.error = pbnReadDeal(dealLine->substr(at, end > at ? end - at : 0), board, d.deal);
        if (!out.ok()) return out;
        out.deals.push_back(std::move(d));
    }
    return out;
}

}  // namespace vrek
