#include "printing/labels.h"

#include <algorithm>

namespace vrek {

namespace {
constexpr int kSuitOrder[4] = {Spades, Hearts, Diamonds, Clubs};
const char *const kSection = "Etiquettes";
}  // namespace

LabelGeometry labelGeometry(const Settings &s) {
    // Counts outside the dialog's ranges come from a damaged vrek.ini.
    return {std::clamp(s.ligne, kMinAcross, kMaxAcross), s.margeD, s.largeur,
            std::clamp(s.colonne, kMinDown, kMaxDown), s.margeH, s.hauteur};
}

void storeLabelGeometry(Settings &s, const LabelGeometry &g) {
    s.ligne = g.across;
    s.margeD = g.margeD;
    s.largeur = g.largeur;
    s.colonne = g.down;
    s.margeH = g.margeH;
    s.hauteur = g.hauteur;
}

void writeLabelGeometry(IniFile &ini, const LabelGeometry &g) {
    ini.set(kSection, "Ligne", std::to_string(g.across));
    ini.set(kSection, "Marge_D", std::to_string(g.margeD));
    ini.set(kSection, "Largeur", std::to_string(g.largeur));
    ini.set(kSection, "Colonne", std::to_string(g.down));
    ini.set(kSection, "Marge_H", std::to_string(g.margeH));
    ini.set(kSection, "Hauteur", std::to_string(g.hauteur));
}

void setAcross(LabelGeometry &g, int n) {
    g.across = n;
    g.margeD = 2000 / (2 * n) + 50;
    g.largeur = 2000 / n;
}

void setDown(LabelGeometry &g, int m) {
    g.down = m;
    g.margeH = 2800 / (2 * m) + 50;
    g.hauteur = 2800 / m;
}

int labelCentreX(const LabelGeometry &g, const PageUnits &u, int column) {
    return roundEven(((column - 1) * g.largeur + g.margeD) * u.ux);
}

int labelCentreY(const LabelGeometry &g, const PageUnits &u, int row) {
    return roundEven(((row - 1) * g.hauteur + g.margeH) * u.uy);
}

int labelFontSize(Canvas &c, int width, int height) {
    for (int size = 39; size > kSmallestLabelSize; --size) {
        c.font("Arial", size);
        if (14 * c.textHeight("A") < height && c.textWidth("AAAAAAAAAABBBBBBBBBBCC") <= width) return size;
    }
    return kSmallestLabelSize;
}

void drawLabel(Canvas &c, const Series &s, int d, int x0, int y0, int width, int height, const PrintStyle &st) {
    setFace(c, "Arial", 10);
    const int size = labelFontSize(c, width, height);
    const int big = size + 1;
    c.font("Arial", size);
    const int h = c.textHeight("A");
    const int w = c.textWidth("A");

    // The compass cross and its letters.
    c.setPen(st.ruleColour(), 1);
    c.line(x0 - h, y0, x0 + h, y0);
    c.line(x0, y0 - h, x0, y0 + h);
    c.fontColour(st.ruleColour());
    c.text(x0 - c.textWidth("N") / 2, y0 - roundEven(1.5 * c.textHeight("N")), "N");
    c.text(x0 - c.textWidth("S") / 2, y0 + c.textHeight("S") / 2, "S");
    c.text(x0 - 2 * c.textWidth("O"), y0 - c.textHeight("O") / 2, "O");
    c.text(x0 + c.textWidth("E"), y0 - c.textHeight("E") / 2, "E");

    // The header line: each piece sits on the line y0 - 6h and follows the one before.
    c.fontColour(st.boardColour());
    const int base = y0 - 6 * h;
    int x = x0 - 10 * w;
    auto piece = [&](double pt, const std::string &t) {
        c.font("Arial", pt);
        c.text(x, base - c.textHeight(t), t);
        x += c.textWidth(t);
    };
    piece(big - 2, "Etui: ");
    piece(big, std::to_string(st.printed(d)) + "  ");
    piece(big - 3, "Don.: ");
    piece(big - 1, labelDealer(d));
    piece(big - 3, "Vuln.: ");
    piece(big - 1, labelVulnerability(d));

    // Twelve rows, one suit each: North, then West and East, then South.
    const Deal &deal = s.deal(d);
    auto holding = [&](int seat, int suit, int y, int glyphX, int holdingX) {
        c.fontColour(st.suitColour(suit));
        c.font("Symbol", big);
        c.text(glyphX, y, suitSign(suit));
        c.font("Arial", big);
        const std::string t = frenchHolding(deal.holding(seat, suit));
        if (!t.empty()) c.text(holdingX, y, t);
    };
    for (int i = 0; i < 4; ++i) {
        const int suit = kSuitOrder[i];
        holding(North, suit, base + i * h, x0 - 3 * w, x0 - 2 * w);
        holding(West, suit, base + (4 + i) * h, x0 - 10 * w, x0 - 9 * w);
        holding(East, suit, base + (4 + i) * h, x0 + 2 * w, x0 + 3 * w);
        holding(South, suit, base + (8 + i) * h, x0 - 3 * w, x0 - 2 * w);
    }

    c.fontColour(st.boardColour());
    c.font("Arial", big - 2);
    c.text(x0 - 10 * w, base + 12 * h, printable(s.line(0)));
}

std::string labelTitle(int sheet) { return "VREK:Etiquettes" + std::to_string(sheet); }

bool printLabels(Canvas &c, const Series &s, const LabelRun &run) {
    const LabelGeometry &g = run.geometry;
    if (g.across < 1 || g.down < 1) return false;
    int sheet = 1;
    const int start = std::max(1, run.startLabel);
    int row = (start - 1) / g.across + 1;
    int column = (start - 1) % g.across + 1;
    if (!c.beginDocument(labelTitle(sheet))) return false;
    bool open = true, ok = true;
    const PageUnits u(c);
    const int width = roundEven(g.largeur * u.ux), height = roundEven(g.hauteur * u.uy);

    if (run.title) {
        setFace(c, "Arial", 24);
        c.fontColour(colour::black);
        const std::string t = printable(s.line(0));
        centredTitle(c, c.width() / 2, 75, t);
    }
    for (int d = run.from; d <= run.to; ++d) {
        if (!open) {
            if (!c.beginDocument(labelTitle(sheet))) return false;
            open = true;
        }
        drawLabel(c, s, d, labelCentreX(g, u, column), labelCentreY(g, u, row), width, height, run.style);
        if (++column > g.across) {
            column = 1;
            if (++row > g.down) {
                // A full sheet is a document of its own.
                ok = c.endDocument() && ok;
                open = false;
                row = 1;
                ++sheet;
            }
        }
    }
    if (open) ok = c.endDocument() && ok;
    return ok;
}

}  // namespace vrek
