#include "clipboard/richtext.h"

#include <algorithm>
#include <cstdio>

#include "clipboard/pictures.h"

namespace vrek::clip {

namespace {

constexpr int kSuitsDown[4] = {Spades, Hearts, Diamonds, Clubs};

std::string ranksOf(const Holding &h) {
    std::string s;
    for (int k = 0; k < h.count && k < kMaxHolding; ++k) s += frenchRank(h.ranks[k]);
    return s;
}

// The sign and its holding: the sign, a blank, the ranks.
void addHolding(Paragraph &p, int suit, const Holding &h) {
    p.runs.push_back({suitSign(suit), true});
    p.runs.push_back({" " + ranksOf(h), false});
}

// The Symbol font's own code of a suit sign.
const char *symbolCode(const std::string &sign) {
    if (sign == suitSign(Spades)) return "aa";
    if (sign == suitSign(Hearts)) return "a9";
    if (sign == suitSign(Diamonds)) return "a8";
    return "a7";
}

int unicodeOf(const std::string &sign) {
    if (sign == suitSign(Spades)) return 0x2660;
    if (sign == suitSign(Hearts)) return 0x2665;
    if (sign == suitSign(Diamonds)) return 0x2666;
    return 0x2663;
}

std::string rtfText(const std::string &utf8) {
    std::string out;
    for (size_t i = 0; i < utf8.size(); ++i) {
        const unsigned char ch = static_cast<unsigned char>(utf8[i]);
        if (ch == '\t') out += "\\tab ";
        else if (ch == '\\' || ch == '{' || ch == '}') out += std::string("\\") + static_cast<char>(ch);
        else if (ch < 0x80) out += static_cast<char>(ch);
        else out += '?';  // the texts here are ranks: ASCII only
    }
    return out;
}

std::string hexColour(const Rgb &c) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "#%02x%02x%02x", c.r, c.g, c.b);
    return buf;
}

std::string htmlEscape(const std::string &s) {
    std::string out;
    for (char ch : s) {
        switch (ch) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        default: out += ch;
        }
    }
    return out;
}

// A paragraph's runs cut at its tabs: the cells of a table row.
std::vector<std::vector<Run>> cells(const Paragraph &p) {
    std::vector<std::vector<Run>> out(1);
    for (const Run &r : p.runs) {
        size_t start = 0;
        for (size_t tab; (tab = r.text.find('\t', start)) != std::string::npos; start = tab + 1) {
            if (tab > start) out.back().push_back({r.text.substr(start, tab - start), r.sign});
            out.emplace_back();
        }
        if (start < r.text.size()) out.back().push_back({r.text.substr(start), r.sign});
    }
    return out;
}

std::string htmlRuns(const std::vector<Run> &runs) {
    std::string out;
    for (const Run &r : runs)
        out += r.sign ? "<span style=\"font-size:14pt\">" + r.text + "</span>" : htmlEscape(r.text);
    return out;
}

}  // namespace

RichText handRichText(const Hand &h, bool arial) {
    RichText t;
    t.font = diagramFont(arial);
    for (int suit : kSuitsDown) {
        Paragraph p{suitColour(suit), {}};
        addHolding(p, suit, h.suit(suit));
        t.paragraphs.push_back(p);
    }
    return t;
}

RichText diagramRichText(const Deal &d, bool arial) {
    RichText t;
    t.font = diagramFont(arial);
    auto single = [&](int seat) {
        for (int suit : kSuitsDown) {
            Paragraph p{suitColour(suit), {{"\t", false}}};
            addHolding(p, suit, d.holding(seat, suit));
            t.paragraphs.push_back(p);
        }
    };
    single(North);
    size_t longest = 0;
    for (int suit : kSuitsDown) {
        Paragraph p{suitColour(suit), {}};
        addHolding(p, suit, d.holding(West, suit));
        p.runs.back().text += "\t";
        p.runs.push_back({"\t", false});
        addHolding(p, suit, d.holding(East, suit));
        t.paragraphs.push_back(p);
        longest = std::max(longest, ranksOf(d.holding(West, suit)).size());
    }
    single(South);
    // The middle column clears West's longest suit, so that both tabs of its
    // lines land on the two stops and East stays in line: a sign, a blank
    // and the ranks at a bold capital's width, then some room.
    const int rank = arial ? 180 : 220;
    const int middle = std::max(1440, 280 + static_cast<int>(longest) * rank + 360);
    t.tabStops = {middle, 2 * middle};
    return t;
}

std::string toRtf(const RichText &t) {
    std::string out = "{\\rtf1\\ansi\\ansicpg1252\\uc1\\deff1"
                      "{\\fonttbl{\\f0\\fnil\\fcharset2 Symbol;}{\\f1\\fswiss\\fcharset0 " +
                      t.font +
                      ";}}"
                      "{\\colortbl ;\\red0\\green0\\blue0;\\red255\\green0\\blue0;}\r\n";
    std::string tabs;
    for (int stop : t.tabStops) tabs += "\\tx" + std::to_string(stop);
    for (const Paragraph &p : t.paragraphs) {
        const int cf = p.colour == colour::red ? 2 : 1;
        out += "\\pard" + tabs + "\\plain\\b\\cf" + std::to_string(cf);
        for (const Run &r : p.runs) {
            // The Unicode sign, with the Symbol font's own code for readers
            // that know no Unicode.
            if (r.sign)
                out += "\\f0\\fs28\\u" + std::to_string(unicodeOf(r.text)) + "\\'" + symbolCode(r.text);
            else out += "\\f1\\fs24 " + rtfText(r.text);
        }
        out += "\\par\r\n";
    }
    out += "}";
    return out;
}

std::string toHtml(const RichText &t) {
    std::string out = "<html><head><meta charset=\"utf-8\"></head><body>\n";
    const std::string base = "font-family:'" + t.font + "';font-size:12pt;font-weight:bold;";
    const bool table = std::any_of(t.paragraphs.begin(), t.paragraphs.end(), [](const Paragraph &p) {
        return std::any_of(p.runs.begin(), p.runs.end(),
                           [](const Run &r) { return r.text.find('\t') != std::string::npos; });
    });
    if (!table) {
        for (const Paragraph &p : t.paragraphs)
            out += "<p style=\"margin:0;" + base + "color:" + hexColour(p.colour) + "\"><b>" + htmlRuns(p.runs) +
                   "</b></p>\n";
    } else {
        out += "<table style=\"border-collapse:collapse\">\n";
        for (const Paragraph &p : t.paragraphs) {
            out += "<tr>";
            for (const auto &cell : cells(p))
                out += "<td style=\"padding:0 1.5em 0 0;" + base + "color:" + hexColour(p.colour) + "\"><b>" +
                       htmlRuns(cell) + "</b></td>";
            out += "</tr>\n";
        }
        out += "</table>\n";
    }
    out += "</body></html>\n";
    return out;
}

std::string toPlain(const RichText &t) {
    std::string out;
    for (const Paragraph &p : t.paragraphs) {
        for (const Run &r : p.runs) out += r.text;
        out += "\n";
    }
    return out;
}

}  // namespace vrek::clip
