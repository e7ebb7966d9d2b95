#include "formats/lin.h"

#include "formats/handtext.h"
#include "formats/textlines.h"

namespace vrek {

namespace {
// The dealer digit: 1 South, 2 West, 3 North, 4 East.
char dealerDigit(int board) { return "2341"[board % 4]; }

char vulLetter(int board) {
    switch (vulnerabilityOf(board)) {
    case Vul::NS: return 'N';
    case Vul::EW: return 'E';
    case Vul::Both: return 'B';
    default: return '0';
    }
}
}  // namespace

std::string linText(std::string text) {
    for (char &c : text)
        if (c == '|') c = '/';
    return text;
}

std::string linHand(const Hand &h) {
    return "S" + englishHolding(h.suit(Spades)) + "H" + englishHolding(h.suit(Hearts)) + "D" +
           englishHolding(h.suit(Diamonds)) + "C" + englishHolding(h.suit(Clubs));
}

std::string linDealLine(const Deal &d, int board) {
    const std::string b = std::to_string(board);
    // East's hand is implied by the other three.
    return "qx|o" + b + "|md|" + dealerDigit(board) + linHand(d.hand(South)) + "," + linHand(d.hand(West)) + "," +
           linHand(d.hand(North)) + "|rh||ah|Etui " + b + "|sv|" + vulLetter(board) + "|pg||";
}

ExportOutput writeLin(const Series &s, const Selection &sel, const ExportOptions &opt) {
    ExportOutput out;
    std::vector<std::string> lines;
    if (opt.numbering == Numbering::From97) lines = splitLines(opt.existing);
    lines.push_back("vg|" + linText(s.line(0)) + "|");
    for (int d : checkedBoards(sel)) {
        const std::string &cl = s.line(contractLine(d));
        lines.push_back("nt|" + linText(cl.substr(0, kContractWidth)) + "|");
        lines.push_back(linDealLine(s.deal(d), d));
        ++out.count;
    }
    out.bytes = joinLines(lines);
    return out;
}

}  // namespace vrek
