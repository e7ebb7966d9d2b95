#include "formats/pbn.h"

#include <cstdio>

#include "formats/contract.h"
#include "formats/handtext.h"
#include "formats/textlines.h"

namespace vrek {

namespace {
std::string vulnerable(int board, PbnVariant v) {
    switch (vulnerabilityOf(board)) {
    case Vul::None: return "None";
    case Vul::NS: return "NS";
    case Vul::EW: return "EW";
    case Vul::Both: return v == PbnVariant::All ? "All" : "Both";
    }
    return "None";
}

std::string handText(const Hand &h) {
    return englishHolding(h.suit(Spades)) + "." + englishHolding(h.suit(Hearts)) + "." +
           englishHolding(h.suit(Diamonds)) + "." + englishHolding(h.suit(Clubs));
}

std::string seatOrEmpty(int seat) { return seat ? std::string(1, englishSeat(seat)) : std::string(); }
}  // namespace

std::string pbnDealString(const Deal &d, int dealer) {
    std::string s(1, englishSeat(dealer));
    s += ':';
    for (int i = 0; i < 4; ++i) {
        if (i) s += ' ';
        s += handText(d.hand((dealer - 1 + i) % 4 + 1));
    }
    return s;
}

std::string pbnEscape(const std::string &value) {
    std::string s;
    s.reserve(value.size());
    for (char c : value) {
        if (c == '"' || c == '\\') s += '\\';
        s += c;
    }
    return s;
}

std::string pbnTag(const std::string &name, const std::string &value) {
    return "[" + name + " \"" + pbnEscape(value) + "\"]";
}

std::vector<std::string> pbnAnalysisLines(const DealAnalysis &a) {
    static const char *strains[kStrains] = {"NT", "S", "H", "D", "C"};
    static const int seats[4] = {North, South, East, West};
    std::vector<std::string> out;
    std::string hex;
    for (int seat : seats)
        for (int st = 0; st < kStrains; ++st) hex += "0123456789abcdef"[a.tricks[seat - 1][st] & 15];
    out.push_back(pbnTag("DoubleDummyTricks", hex));
    out.push_back(pbnTag("OptimumScore", "NS " + std::to_string(a.parScore)));
    std::string par = "Pass";
    if (!a.par.empty()) {
        const ParContract &c = a.par.front();
        par = c.seats + " " + std::to_string(c.level) + strains[c.strain] + (c.doubled ? "X" : "");
    }
    out.push_back(pbnTag("ParContract", par));
    // Written as is: the column formats keep their backslashes.
    out.push_back("[OptimumResultTable \"Declarer;Denomination\\2R;Result\\2R\"]");
    for (int seat : seats)
        for (int st = 0; st < kStrains; ++st) {
            char row[16];
            std::snprintf(row, sizeof row, "%c %2s %2d", englishSeat(seat), strains[st], a.tricks[seat - 1][st]);
            out.push_back(row);
        }
    return out;
}

ExportOutput writePbn(const Series &s, const Selection &sel, const ExportOptions &opt) {
    ExportOutput out;
    const bool append = opt.numbering == Numbering::From97;
    std::vector<std::string> lines;
    if (append) lines = splitLines(opt.existing);
    const std::string date = opt.date.empty() ? pbnToday() : opt.date;
    for (int d : checkedBoards(sel)) {
        const std::string &contractLine = s.line(vrek::contractLine(d));
        ContractReading c = readContract(contractLine);
        const int dealer = dealerOf(d);
        lines.push_back(pbnTag("Event", contractLine.substr(0, kContractWidth)));
        lines.push_back(pbnTag("Site", "#"));
        lines.push_back(pbnTag("Date", date));
        lines.push_back(pbnTag("Board", std::to_string(append ? kBoards + d : d)));
        lines.push_back(pbnTag("Dealer", std::string(1, englishSeat(dealer))));
        lines.push_back(pbnTag("Vulnerable", vulnerable(d, opt.pbn)));
        lines.push_back(pbnTag("Deal", pbnDealString(s.deal(d), dealer)));
        lines.push_back(pbnTag("Scoring", "IMP"));
        lines.push_back(pbnTag("Declarer", seatOrEmpty(c.declarer)));
        lines.push_back(pbnTag("Contract", c.contract));
        lines.push_back(pbnTag("Result", ""));
        lines.push_back(pbnTag("Auction", ""));
        lines.push_back(pbnTag("Play", seatOrEmpty(c.leader)));
        if (!c.lead.empty()) lines.push_back(c.lead + " *");
        if (opt.analysis) {
            auto a = opt.analysis->find(d);
            if (a != opt.analysis->end())
                for (std::string &l : pbnAnalysisLines(a->second)) lines.push_back(std::move(l));
        }
        if (c.lead.empty()) lines.push_back("");
        lines.push_back("");
        lines.push_back("");
        ++out.count;
    }
    out.bytes = joinLines(lines);
    return out;
}

}  // namespace vrek
