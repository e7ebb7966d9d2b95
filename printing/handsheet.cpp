#include "printing/handsheet.h"

namespace vrek {

namespace {

constexpr int kColumnCentre[4] = {375, 790, 1212, 1626};
constexpr int kSuitOrder[4] = {Spades, Hearts, Diamonds, Clubs};

}  // namespace

std::string handSheetTitle(int seat) { return std::string("VREK: Main de ") + seatLetter(seat); }

bool printHandSheet(Canvas &c, const Series &s, int seat, const HandSheetOptions &o) {
    if (!c.beginDocument(handSheetTitle(seat))) return false;
    const PageUnits u(c);
    const PrintStyle &st = o.style;
    const int q = u.y(50);  // the line step
    int y = q;

    setFace(c, "Arial", 24);
    c.fontColour(colour::black);
    centredTitle(c, u.x(1000), y, printable(s.line(0)));

    c.fontColour(st.boardColour());
    y += 2 * q;
    c.font("Arial", 48);
    centredText(c, u.x(1000), y, std::string(1, seatLetter(seat)));

    y += 5 * q;
    c.font(c.font().name, 12);
    for (int i = 0; i < 8; ++i) {
        if (o.progress) o.progress(i);
        // Board labels keep the font left by the holdings of the row above.
        for (int j = 1; j <= 4; ++j) {
            const int b = 4 * i + j + 32 * o.block;
            c.fontColour(st.boardColour());
            centredText(c, u.x(kColumnCentre[j - 1]), y,
                        std::to_string(st.printed(b)) + " " + dealerCode(b) + vulnerabilityCode(b));
        }
        y += q;
        for (int suit : kSuitOrder) {
            for (int j = 1; j <= 4; ++j) {
                const int b = 4 * i + j + 32 * o.block;
                const int centre = u.x(kColumnCentre[j - 1]);
                c.fontColour(st.suitColour(suit));
                c.font("Symbol", 14);
                c.text(centre - u.x(167), y - u.y(8), suitSign(suit));
                c.font("Century Schoolbook", 12);
                const std::string holding = frenchHolding(s.deal(b).holding(seat, suit));
                // A long suit is printed smaller rather than into the next column.
                if (!holding.empty()) boundedText(c, centre - u.x(125), y, holding, u.x(417) * j + u.x(167) - u.x(10));
            }
            y += q;
        }
        c.setPen(st.ruleColour());
        c.line(u.x(167), 7 * q + 6 * i * q, u.x(1835), 7 * q + 6 * i * q);
        y += q;
    }
    c.line(u.x(167), 55 * q, u.x(1835), 55 * q);
    for (int k = 0; k <= 4; ++k) {
        const int x = u.x(417) * k + u.x(167);
        c.line(x, 7 * q, x, 55 * q);
    }
    if (o.progress) o.progress(8);
    return c.endDocument();
}

bool printHandSheets(Canvas &c, const Series &s, const std::array<bool, 4> &seats, const HandSheetOptions &o) {
    bool ok = true;
    for (int seat = North; seat <= West; ++seat)
        if (seats[seat - 1]) ok = printHandSheet(c, s, seat, o) && ok;
    return ok;
}

}  // namespace vrek
