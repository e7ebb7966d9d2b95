#include "clipboard/pictures.h"

#include "core/series.h"

namespace vrek::clip {

namespace {

// Spades at the top, clubs at the bottom.
constexpr int kSuitsDown[4] = {Spades, Hearts, Diamonds, Clubs};

void useFont(Canvas &c, const std::string &name, double size, Rgb colour) {
    Font f;
    f.name = name;
    f.size = size;
    f.bold = true;
    f.colour = colour;
    c.setFont(f);
}

std::string ranksOf(const Holding &h) {
    std::string s;
    for (int k = 0; k < h.count && k < kMaxHolding; ++k) s += frenchRank(h.ranks[k]);
    return s;
}

struct Metrics {
    int h = 0, w = 0;
};

// Height and width of "H" in the diagram font at `size` points, bold.
Metrics measureH(Canvas &c, bool arial, double size) {
    useFont(c, diagramFont(arial), size, colour::black);
    return {c.textHeight("H"), c.textWidth("H")};
}

// One hand's four lines with its top-left corner at (x0, y0).
void drawHand(Canvas &c, const Hand &hand, bool arial, int x0, int y0, const Metrics &m) {
    const int dy = arial ? m.h / 6 : 0;
    for (int i = 0; i < 4; ++i) {
        const int suit = kSuitsDown[i];
        const int y = y0 + i * m.h;
        useFont(c, "Symbol", 18, suitColour(suit));
        c.text(x0, y, suitSign(suit));
        useFont(c, diagramFont(arial), 16, suitColour(suit));
        c.text(x0 + m.h, y + dy, ranksOf(hand.suit(suit)));
    }
}

// The contract text with its blank: the first 50 columns of the line and one blank.
std::string leadText(const std::string &contractLine) {
    return contractLine.substr(0, kContractWidth) + " ";
}

int suitOfLetter(char ch) {
    switch (ch) {
    case 'T': return Clubs;
    case 'K': return Diamonds;
    case 'C': return Hearts;
    case 'P': return Spades;
    default: return 0;
    }
}

}  // namespace

std::string diagramFont(bool arial) { return arial ? "Arial" : "Arial Black"; }

Rgb suitColour(int suit) { return suit == Hearts || suit == Diamonds ? colour::red : colour::black; }

Size handPictureSize(Canvas &c, bool arial) {
    const Metrics m = measureH(c, arial, 16);
    return {11 * m.w, 4 * m.h};
}

void drawHandPicture(Canvas &c, const Hand &h, bool arial) {
    drawHand(c, h, arial, 0, 0, measureH(c, arial, 16));
}

Size tablePictureSize(Canvas &c, bool arial) {
    const Metrics m = measureH(c, arial, 16);
    return {(99 * m.w) / 4, 12 * m.h};
}

void drawTablePicture(Canvas &c, const Deal &d, bool arial) {
    const Metrics m = measureH(c, arial, 16);
    const Size s{(99 * m.w) / 4, 12 * m.h};
    const int third = s.height / 3;
    drawHand(c, d.hand(North), arial, (3 * s.width) / 12, 0, m);
    drawHand(c, d.hand(East), arial, s.width - 11 * m.w, third, m);
    drawHand(c, d.hand(South), arial, (3 * s.width) / 12, third * 2, m);
    drawHand(c, d.hand(West), arial, 0, third, m);
}

bool hasLead(const std::string &contractLine) {
    return leadText(contractLine).find("entame") != std::string::npos;
}

Size leadPictureSize(Canvas &c, bool arial) {
    const Metrics m = measureH(c, arial, 18);
    return {3 * m.w, m.h};
}

void drawLeadPicture(Canvas &c, const std::string &contractLine, bool arial) {
    const std::string l = leadText(contractLine);
    const size_t p = l.find("entame");
    if (p == std::string::npos) return;
    const Size size = leadPictureSize(c, arial);
    // The picture is one card: its ranks up to the first suit letter, whose
    // colour is the picture's. What follows the card is not drawn, so that a
    // text going on after the lead cannot draw over it.
    int suit = 0;
    for (size_t i = p; i + 1 < l.size() && !suit; ++i) suit = suitOfLetter(l[i]);
    const Rgb colour = suit == Hearts || suit == Diamonds ? colour::red : colour::black;
    const int dy = arial ? size.width / 10 : 0;
    int x = 0;
    for (size_t i = p; i < l.size(); ++i) {
        const char ch = l[i];
        std::string rank;
        if ((ch >= '2' && ch <= '9') || ch == 'A' || ch == 'D' || ch == 'R' || ch == 'V') rank = std::string(1, ch);
        else if (ch == 'X') rank = "10";
        if (!rank.empty()) {
            useFont(c, diagramFont(arial), 16, colour);
            c.text(x, dy, rank);
            x += c.textWidth(rank);
            continue;
        }
        if (const int s = suitOfLetter(ch)) {
            useFont(c, "Symbol", 18, colour);
            c.text(x, 0, suitSign(s));
            break;
        }
    }
}

}  // namespace vrek::clip
