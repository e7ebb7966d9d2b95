#include "printing/labels.h"

#include <algorithm>
#include <vector>

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

namespace {
// The width a label's diagram takes, as the font-size search measures it.
const char *const kWidthSample = "AAAAAAAAAABBBBBBBBBBCC";
// Room between the sheet's title and the labels under it, in page units.
constexpr int kTitleGap = 10;
}  // namespace

int labelFontSize(Canvas &c, int width, int height) {
    for (int size = 39; size > kSmallestLabelSize; --size) {
        c.font("Arial", size);
        if (14 * c.textHeight("A") < height && c.textWidth(kWidthSample) <= width) return size;
    }
    return kSmallestLabelSize;
}

LabelBox labelBox(const LabelGeometry &g, const Canvas &c, int column, int row, int below) {
    const PageUnits u(c);
    const int width = roundEven(g.largeur * u.ux), height = roundEven(g.hauteur * u.uy);
    const int x0 = labelCentreX(g, u, column), y0 = labelCentreY(g, u, row);
    LabelBox b;
    b.left = std::max(0, x0 - width / 2);
    b.right = std::min(c.width(), x0 + width - width / 2);
    b.top = std::max(y0 - height / 2, below > 0 ? below + u.y(kTitleGap) : 0);
    b.bottom = std::min(c.height(), y0 + height - height / 2);
    return b;
}

namespace {

// The sizes and place of one label's texts in its box, or that they cannot fit.
struct LabelPlan {
    bool fits = false;
    int size = kSmallestLabelSize;  // S of the font-size search; the hands are S + 1
    int header = 0;                 // points taken off every piece of the header
    int w = 0, h = 0;               // width and height of "A" at S
    int x0 = 0, y0 = 0;             // the compass centre
};

const double kHeaderSizes[6] = {-2, 0, -3, -1, -3, -1};  // after S + 1

std::vector<std::string> headerPieces(const PrintStyle &st, int d) {
    return {"Etui: ", std::to_string(st.printed(d)) + "  ", "Don.: ", labelDealer(d), "Vuln.: ", labelVulnerability(d)};
}

// A three-figure number, "OUEST  " and "PERS.": board 88 numbered from 97.
std::vector<std::string> widestHeader() {
    PrintStyle from97;
    from97.numbering = 1;
    return headerPieces(from97, 88);
}

// Width and tallest piece of the header, each piece in its own size.
std::pair<int, int> headerExtent(Canvas &c, const std::vector<std::string> &pieces, double big) {
    int width = 0, height = 0;
    for (size_t i = 0; i < pieces.size(); ++i) {
        c.font("Arial", big + kHeaderSizes[i]);
        width += c.textWidth(pieces[i]);
        height = std::max(height, c.textHeight(pieces[i]));
    }
    return {width, height};
}

// The plan at one size. Each step measures what the drawing draws, so that
// a label the plan accepts stays inside its box.
LabelPlan planAt(Canvas &c, const std::vector<std::string> &header, int x0, int y0, const LabelBox &box, int size) {
    LabelPlan p;
    p.size = size;
    c.font("Arial", size);
    p.h = c.textHeight("A");
    p.w = c.textWidth("A");
    const int sample = c.textWidth(kWidthSample);
    if (14 * p.h >= box.height() || sample > box.width()) return p;

    // Across: West and the header start 10 "A" left of the centre; the
    // diagram spans the sample, the header its own width. A header that
    // does not fit is printed smaller, down to 4 pt for its smallest piece;
    // only when that is not enough does the whole move sideways, as little
    // as needed to stay in the box.
    const int big = size + 1, left = 10 * p.w;
    const int most = std::max(0, big - 3 - kSmallestLabelSize);
    std::vector<std::pair<int, int>> extent;  // measured as far as needed
    auto rightOf = [&](int offset) { return std::max(sample, extent[offset].first) - left; };
    int chosen = -1, moved = -1;
    for (int offset = 0; offset <= most && chosen < 0; ++offset) {
        extent.push_back(headerExtent(c, header, big - offset));
        if (x0 - left >= box.left && x0 + rightOf(offset) <= box.right) chosen = offset;
        else if (moved < 0 && left + rightOf(offset) <= box.width()) moved = offset;
    }
    if (chosen < 0) chosen = moved;
    if (chosen < 0) return p;
    p.header = chosen;
    p.x0 = std::clamp(x0, box.left + left, box.right - rightOf(chosen));
    const int height = extent[chosen].second;

    // Down: the header over the twelve rows, the series title under them.
    c.font("Arial", big - 2);
    const int above = 6 * p.h + height, below = 6 * p.h + c.textHeight("A");
    if (above + below > box.height()) return p;
    p.y0 = std::clamp(y0, box.top + above, box.bottom - below);
    p.fits = true;
    return p;
}

// The size of the font-size search, or a smaller one when the header cannot
// fit beside it even in its smaller print.
LabelPlan planLabel(Canvas &c, const std::vector<std::string> &header, int x0, int y0, const LabelBox &box) {
    if (box.width() <= 0 || box.height() <= 0) return {};
    for (int size = labelFontSize(c, box.width(), box.height()); size >= kSmallestLabelSize; --size)
        if (LabelPlan p = planAt(c, header, x0, y0, box, size); p.fits) return p;
    return {};
}

}  // namespace

bool drawLabel(Canvas &c, const Series &s, int d, int cx, int cy, const LabelBox &box, const PrintStyle &st) {
    setFace(c, "Arial", 10);
    const std::vector<std::string> header = headerPieces(st, d);
    // Every label of a sheet is laid out for the widest header, so that they all look alike.
    const LabelPlan p = planLabel(c, widestHeader(), cx, cy, box);
    if (!p.fits) return false;
    const int size = p.size, big = size + 1, w = p.w, h = p.h, x0 = p.x0, y0 = p.y0;
    c.font("Arial", size);

    // The compass cross and its letters.
    c.setPen(st.ruleColour(), 1);
    c.line(x0 - h, y0, x0 + h, y0);
    c.line(x0, y0 - h, x0, y0 + h);
    c.fontColour(st.ruleColour());
    const int westLetter = x0 - 2 * c.textWidth("O");
    c.text(x0 - c.textWidth("N") / 2, y0 - roundEven(1.5 * c.textHeight("N")), "N");
    c.text(x0 - c.textWidth("S") / 2, y0 + c.textHeight("S") / 2, "S");
    c.text(westLetter, y0 - c.textHeight("O") / 2, "O");
    c.text(x0 + c.textWidth("E"), y0 - c.textHeight("E") / 2, "E");

    // The header line: each piece sits on the line y0 - 6h and follows the one before.
    c.fontColour(st.boardColour());
    const int base = y0 - 6 * h;
    int x = x0 - 10 * w;
    for (size_t i = 0; i < header.size(); ++i) {
        c.font("Arial", big - p.header + kHeaderSizes[i]);
        c.text(x, base - c.textHeight(header[i]), header[i]);
        x += c.textWidth(header[i]);
    }

    // Twelve rows, one suit each: North, then West and East, then South. A
    // long suit is printed smaller rather than over the compass or off the label.
    const Deal &deal = s.deal(d);
    auto holding = [&](int seat, int suit, int y, int glyphX, int holdingX, int room) {
        c.fontColour(st.suitColour(suit));
        c.font("Symbol", big);
        c.text(glyphX, y, suitSign(suit));
        // The sign is a point larger than the "A" that spaces the row: the
        // cards start after it.
        const int from = std::max(holdingX, glyphX + c.textWidth(suitSign(suit)));
        c.font("Arial", big);
        const std::string t = frenchHolding(deal.holding(seat, suit));
        if (!t.empty()) boundedText(c, from, y, t, room);
    };
    for (int i = 0; i < 4; ++i) {
        const int suit = kSuitOrder[i];
        holding(North, suit, base + i * h, x0 - 3 * w, x0 - 2 * w, box.right);
        holding(West, suit, base + (4 + i) * h, x0 - 10 * w, x0 - 9 * w, westLetter);
        holding(East, suit, base + (4 + i) * h, x0 + 2 * w, x0 + 3 * w, box.right);
        holding(South, suit, base + (8 + i) * h, x0 - 3 * w, x0 - 2 * w, box.right);
    }

    c.fontColour(st.boardColour());
    c.font("Arial", big - 2);
    const std::string title = fitText(c, printable(s.line(0)), box.right - (x0 - 10 * w));
    if (!title.empty()) c.text(x0 - 10 * w, base + 12 * h, title);
    return true;
}

std::vector<int> labelDeals(const LabelRun &run) {
    if (!run.deals.empty()) return run.deals;
    std::vector<int> v;
    for (int d = run.from; d <= run.to; ++d) v.push_back(d);
    return v;
}

std::string labelTitle(int sheet) { return "VREK:Etiquettes" + std::to_string(sheet); }

namespace {

// The bottom of the series title over the first sheet, drawn or only measured.
int sheetTitle(Canvas &c, const Series &s, bool draw) {
    setFace(c, "Arial", 24);
    c.fontColour(colour::black);
    const std::string t = printable(s.line(0));
    if (t.empty()) return 0;
    if (draw) return centredTitle(c, c.width() / 2, 75, t);
    const std::string fitted = fitText(c, t, c.width());
    return 75 + c.textHeight(fitted);
}

}  // namespace

std::string labelSheetProblem(Canvas &c, const Series &s, const LabelGeometry &g, bool title) {
    if (g.across < 1 || g.down < 1) return "Les paramètres des étiquettes ne donnent aucune étiquette par page.";
    const int below = title ? sheetTitle(c, s, false) : 0;
    const PageUnits u(c);
    const std::vector<std::string> header = widestHeader();
    for (int row = 1; row <= g.down; ++row)
        for (int column = 1; column <= g.across; ++column)
            for (int under : {0, below}) {
                const LabelBox box = labelBox(g, c, column, row, under);
                setFace(c, "Arial", 10);
                if (!planLabel(c, header, labelCentreX(g, u, column), labelCentreY(g, u, row), box).fits)
                    return "L'étiquette " + std::to_string((row - 1) * g.across + column) + " (rangée " +
                           std::to_string(row) + ", colonne " + std::to_string(column) +
                           ") ne peut pas recevoir son texte : avec ces paramètres elle sort de la page ou elle est "
                           "trop petite. Changez le nombre d'étiquettes, les centres ou les distances.";
            }
    return {};
}

bool printLabels(Canvas &c, const Series &s, const LabelRun &run) {
    const LabelGeometry &g = run.geometry;
    if (!labelSheetProblem(c, s, g, run.title).empty()) return false;
    int sheet = 1;
    const int start = std::max(1, run.startLabel);
    int row = (start - 1) / g.across + 1;
    int column = (start - 1) % g.across + 1;
    if (!c.beginDocument(labelTitle(sheet))) return false;
    bool open = true, ok = true;
    const PageUnits u(c);
    const int below = run.title ? sheetTitle(c, s, true) : 0;
    for (int d : labelDeals(run)) {
        if (!open) {
            if (!c.beginDocument(labelTitle(sheet))) return false;
            open = true;
        }
        const LabelBox box = labelBox(g, c, column, row, sheet == 1 ? below : 0);
        ok = drawLabel(c, s, d, labelCentreX(g, u, column), labelCentreY(g, u, row), box, run.style) && ok;
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
