#include "formats/easi.h"

#include "formats/textlines.h"

namespace vrek {

namespace {
std::string vulnerable(int board) {
    switch (vulnerabilityOf(board)) {
    case Vul::NS: return "NS";
    case Vul::EW: return "EO";
    case Vul::Both: return "Tous";
    default: return "Personne";
    }
}
}  // namespace

std::string easiLine(const Deal &d, int board) {
    std::string s = std::to_string(board) + ";";
    for (int seat = North; seat <= West; ++seat)
        for (int suit = Spades; suit >= Clubs; --suit) s += rankText(d.holding(seat, suit), easiRank) + ";";
    s += vulnerable(board) + ";" + seatLetter(dealerOf(board)) + ";;;;;;;;;;";
    return s;
}

ExportOutput writeEasi(const Series &s, const Selection &sel, const ExportOptions &) {
    ExportOutput out;
    std::vector<std::string> lines{"#DONNE"};
    for (int d : checkedBoards(sel)) {
        lines.push_back(easiLine(s.deal(d), d));
        ++out.count;
    }
    lines.push_back("#FIN");
    out.bytes = joinLines(lines);
    return out;
}

}  // namespace vrek
