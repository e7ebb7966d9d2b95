#include "formats/dat.h"

#include "formats/contract.h"
#include "formats/handtext.h"
#include "formats/textlines.h"

namespace vrek {

std::string datHand(const Hand &h) {
    std::string s;
    for (int suit = Spades; suit >= Clubs; --suit) {
        std::string t = englishHolding(h.suit(suit));
        s += (t.empty() ? "-" : t) + " ";
    }
    return s;
}

ExportOutput writeDat(const Series &s, const Selection &sel, const ExportOptions &opt) {
    ExportOutput out;
    const bool append = opt.numbering == Numbering::From97;
    std::vector<std::string> lines;
    if (append) lines = splitLines(opt.existing);
    for (int d : checkedBoards(sel)) {
        const Deal &deal = s.deal(d);
        ContractReading c = readContract(s.line(contractLine(d)));
        // The analyser needs a contract: without one it gets 1NT by South.
        if (c.contract.empty() || !c.declarer) {
            c.contract = "1NT";
            c.declarer = South;
            c.leader = West;
        }
        lines.push_back("Deal: " + std::to_string(append ? kBoards + d : d) + std::string(37, ' ') +
                        datHand(deal.hand(North)));
        lines.push_back("Contract: " + c.contract + "-" + englishSeatName(c.declarer) + std::string(5, ' ') +
                        datHand(deal.hand(West)) + std::string(17, ' ') + datHand(deal.hand(East)));
        lines.push_back("OnLead: " + englishSeatName(c.leader) + std::string(26, ' ') + datHand(deal.hand(South)));
        lines.push_back("Lead: " + (c.lead.empty() ? std::string("Any") : c.lead));
        lines.push_back("Result: makes");
        lines.push_back("Commentary:");
        lines.push_back(s.line(0));
        lines.push_back("");
        lines.push_back("");
        lines.push_back("");
        ++out.count;
    }
    out.bytes = joinLines(lines);
    return out;
}

}  // namespace vrek
