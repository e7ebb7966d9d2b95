#include "formats/rtf.h"

#include <algorithm>

#include "formats/textlines.h"

namespace vrek {

namespace {
const char *const kHeader1 =
    R"({\rtf1\ansi\deff0\deftab720{\fonttbl{\f0\fswiss MS Sans Serif;}{\f1\froman\fcharset2 Symbol;}{\f2\froman\fprq2 Century Schoolbook;}{\f3\fswiss\fcharset1 MS Sans Serif;}{\f4\froman\fprq2\fcharset2 Symbol;}})";
const char *const kHeader2 =
    R"({\colortbl\red0\green0\blue0;\red0\green0\blue255;\red255\green0\blue0;\red0\green255\blue0;})";
const char *const kClosing = R"(\par })";

std::string cards(const Deal &d, int seat, int suit) { return rankText(d.holding(seat, suit), frenchRank); }

int after(int seat) { return seat % 4 + 1; }

// A backslash or brace of the user's text would end or break the document.
std::string rtfEscape(const std::string &text) {
    std::string s;
    s.reserve(text.size());
    for (char c : text) {
        if (c == '\\' || c == '{' || c == '}') s += '\\';
        s += c;
    }
    return s;
}

// One hand shown alone above or below (lines 3 to 6 and 11 to 14).
void addLoneHand(std::vector<std::string> &lines, const Deal &d, int seat, int wt) {
    lines.push_back(R"(\par \pard\tx)" + std::to_string(wt) + R"(\plain\f2\fs28\cf0 \tab )" +
                    R"(\plain\f4\fs28\cf0 \'aa\plain\f2\fs28\cf0  )" + cards(d, seat, Spades));
    lines.push_back(R"(\par \plain\f2\fs28\cf2 \tab \plain\f4\fs28\cf2 \'a9\plain\f2\fs28\cf2  )" +
                    cards(d, seat, Hearts));
    lines.push_back(R"(\par \tab \plain\f4\fs28\cf2 \'a8\plain\f2\fs28\cf2  )" + cards(d, seat, Diamonds));
    lines.push_back(R"(\par \plain\f2\fs28\cf0 \tab \plain\f4\fs28\cf0 \'a7\plain\f2\fs28\cf0  )" +
                    cards(d, seat, Clubs));
}
}  // namespace

DiagramSeats diagramSeats(const std::string &contractLine, bool rotate) {
    DiagramSeats v;
    if (rotate && contractLine.size() > 2) {
        size_t p = contractLine.find_first_of("ENOS", 2);
        if (p != std::string::npos) {
            // The declarer's partner goes above.
            switch (contractLine[p]) {
            case 'E': v.up = West; break;
            case 'N': v.up = South; break;
            case 'O': v.up = East; break;
            case 'S': v.up = North; break;
            }
        }
    }
    v.right = after(v.up);
    v.down = after(v.right);
    v.left = after(v.down);
    return v;
}

std::vector<std::string> rtfDealLines(const Deal &d, int board, const std::string &contractLine, bool rotate) {
    const DiagramSeats v = diagramSeats(contractLine, rotate);
    int longest = 0;
    for (int suit = Clubs; suit <= Spades; ++suit) longest = std::max(longest, heldCount(d.holding(v.left, suit)));
    const int wt = 200 * longest;
    auto tx = [&](int offset) { return R"(\tx)" + std::to_string(wt + offset); };
    auto letter = [](int seat) { return std::string(1, seatLetter(seat)); };

    std::vector<std::string> lines;
    lines.reserve(15);
    lines.push_back(R"(\par )");
    lines.push_back(R"(\deflang1036\pard\plain\f2\fs24\cf1 Donne : )" + std::to_string(board));
    addLoneHand(lines, d, v.up, wt);
    lines.push_back(R"(\par \pard)" + tx(560) + tx(1120) + R"(\plain\f4\fs28\cf0 \'aa\plain\f2\fs28\cf0  )" +
                    cards(d, v.left, Spades) + R"(\tab \plain\f2\fs20\cf3 )" + letter(v.up) +
                    R"(\plain\f2\fs28\cf0 \tab )" + R"(\plain\f4\fs28\cf0 \'aa\plain\f2\fs28\cf0  )" +
                    cards(d, v.right, Spades));
    lines.push_back(R"(\par \pard)" + tx(280) + tx(840) + tx(1120) +
                    R"(\plain\f4\fs28\cf2 \'a9\plain\f2\fs28\cf2  )" + cards(d, v.left, Hearts) +
                    R"(\tab \plain\f2\fs20\cf3 )" + letter(v.left) + R"(\tab )" + letter(v.right) +
                    R"(\plain\f2\fs28\cf2 \tab )" + R"(\plain\f4\fs28\cf2 \'a9\plain\f2\fs28\cf2  )" +
                    cards(d, v.right, Hearts));
    lines.push_back(R"(\par \pard)" + tx(560) + tx(1120) + R"(\plain\f4\fs28\cf2 \'a8\plain\f2\fs28\cf2  )" +
                    cards(d, v.left, Diamonds) + R"(\tab \plain\f2\fs20\cf3 )" + letter(v.down) +
                    R"(\plain\f2\fs28\cf2 \tab )" + R"(\plain\f4\fs28\cf2 \'a8\plain\f2\fs28\cf2  )" +
                    cards(d, v.right, Diamonds));
    lines.push_back(R"(\par \pard)" + tx(1120) + R"(\plain\f4\fs28 \'a7\plain\f2\fs28  )" + cards(d, v.left, Clubs) +
                    R"(\tab \plain\f4\fs28 \'a7\plain\f2\fs28  )" + cards(d, v.right, Clubs));
    addLoneHand(lines, d, v.down, wt);
    lines.push_back(R"(\par \plain\f2\fs24 )" + rtfEscape(contractLine));
    return lines;
}

ExportOutput writeRtf(const Series &s, const Selection &sel, const ExportOptions &opt) {
    ExportOutput out;
    const bool append = opt.numbering == Numbering::From97;
    std::vector<std::string> lines;
    if (append) {
        lines = splitLines(opt.existing);
        while (!lines.empty() && lines.back().empty()) lines.pop_back();
        // Only the closing line of an earlier export may go; anything else
        // would lose the user's text or leave the new deals outside the document.
        if (lines.size() < 2 || lines.back() != kClosing) {
            out.error = "Le fichier \r\r" + opt.existingName +
                        "\r\rne se termine pas comme une exportation RTF de Vrek : il n'est pas complété.";
            return out;
        }
        lines.pop_back();
    } else {
        lines = {kHeader1, kHeader2};
    }
    for (int d : checkedBoards(sel)) {
        auto deal = rtfDealLines(s.deal(d), append ? kBoards + d : d, s.line(contractLine(d)), opt.rotate);
        lines.insert(lines.end(), deal.begin(), deal.end());
        ++out.count;
    }
    lines.push_back(kClosing);
    out.bytes = joinLines(lines);
    return out;
}

}  // namespace vrek
