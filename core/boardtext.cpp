#include "core/boardtext.h"

#include "core/cp1252.h"
#include "core/dealview.h"

namespace vrek {

std::string vulnerabilityLetters(int board) {
    switch (vulnerabilityOf(board)) {
    case Vul::NS: return "NS";
    case Vul::EW: return "EO";
    case Vul::Both: return "NSEO";
    default: return "-";
    }
}

std::string boardText(const Series &s, int n) {
    std::string out = "Donne " + std::to_string(n) + "  donneur " + seatLetter(dealerOf(n)) + "  vulnérabilité " +
                      vulnerabilityLetters(n) + "\n";
    const Deal &d = s.deal(n);
    DealView v = viewOf(d, n, 0);
    if (v.damaged) {
        out += "  donne endommagée (une carte hors de 2 … 14) : la fenêtre l'efface à l'affichage\n";
    } else {
        for (int seat = 1; seat <= 4; ++seat) {
            out += "  ";
            out += seatLetter(seat);
            out += " :";
            for (int suit = 4; suit >= 1; --suit) out += "  " + v.hand[seat - 1][suit - 1];
            out += "   (" + std::to_string(v.points[seat - 1]) + ")\n";
        }
        if (!v.complete) {
            out += "  reste :";
            for (int suit = 4; suit >= 1; --suit) out += "  " + v.pack[suit - 1];
            out += "\n";
        }
        out += "  N S : " + v.ns.text() + "\n";
        out += "  E O : " + v.ew.text() + "\n";
    }
    const std::string &cl = s.line(contractLine(n));
    LineCounts c = lineCountsOf(cl);
    out += "  Titre : " + cp1252ToUtf8(s.line(0)) + "\n";
    out += "  Thème : " + cp1252ToUtf8(s.line(themeLine(n))) + "\n";
    out += "  Contrat : " + cp1252ToUtf8(contractTextOf(cl)) + "\n";
    out += "  Lignes : " + std::to_string(c.a) + " " + std::to_string(c.d) + " " + std::to_string(c.e) + "\n";
    out += "  Provenance : " + cp1252ToUtf8(s.line(provenanceLine(n))) + "\n";
    return out;
}

}  // namespace vrek
