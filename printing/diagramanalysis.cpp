#include "printing/diagramanalysis.h"

#include <algorithm>

namespace vrek {

namespace {

// Page units. South's suit signs start at x 333 and the deal's texts at 752.
constexpr int kTableRight = 322;
constexpr int kTextsLeft = 752;
constexpr int kGap = 8;
constexpr int kTablePitch = 35;  // five lines in South's four rows
constexpr double kTableSize = 7, kParSize = 8, kParSmallest = 6;

const int kTableSeats[4] = {North, South, East, West};
// The suit of each strain for its colour (no-trump in black, as spades).
const int kStrainSuit[kStrains] = {Spades, Spades, Hearts, Diamonds, Clubs};

}  // namespace

std::string parLine(const DealAnalysis &a) { return "Par : " + parFrench(a); }

void drawAnalysis(DiagramPage &page, const DealAnalysis &a) {
    Canvas &c = page.canvas();
    const PageUnits &u = page.units();
    const PrintStyle &st = page.style();

    // The table, right-aligned before South's signs, over South's four rows.
    setFace(c, "Arial", kTableSize);
    const int column = std::max(c.textWidth("SA"), c.textWidth("13")) + u.x(kGap);
    const int right = u.x(kTableRight);
    const int labelRight = right - kStrains * column - u.x(kGap);
    const int left = labelRight - c.textWidth("N");
    const int top = page.y() - 4 * page.lineStep();
    auto centre = [&](int strain) { return right - (kStrains - strain) * column + column / 2; };
    for (int strain = 0; strain < kStrains; ++strain) {
        c.fontColour(st.suitColour(kStrainSuit[strain]));
        centredText(c, centre(strain), top, analysisStrainText(strain));
    }
    for (int i = 0; i < 4; ++i) {
        const int y = top + (i + 1) * u.y(kTablePitch);
        const int seat = kTableSeats[i];
        c.fontColour(st.boardColour());
        rightText(c, labelRight, y, std::string(1, seatLetter(seat)));
        c.fontColour(colour::black);
        for (int s = 0; s < kStrains; ++s) centredText(c, centre(s), y, std::to_string(a.tricks[seat - 1][s]));
    }

    // The par on the row under South, in a smaller size or cut if it is long.
    std::string par = parLine(a);
    const int room = u.x(kTextsLeft - kGap) - left;
    double size = kParSize;
    setFace(c, "Arial", size);
    while (c.textWidth(par) > room && size > kParSmallest) setFace(c, "Arial", --size);
    if (c.textWidth(par) > room) {
        while (!par.empty() && c.textWidth(par + "…") > room) par.pop_back();
        par += "…";
    }
    c.fontColour(colour::black);
    c.text(left, page.y(), par);
}

void printAnalyses(DiagramOptions &o, AnalysisLookup find) {
    o.belowDeal = [find = std::move(find)](DiagramPage &page, int deal) {
        if (const DealAnalysis *a = find ? find(deal) : nullptr) drawAnalysis(page, *a);
    };
}

std::vector<int> dealsOfSheets(const std::vector<int> &sheets) {
    std::vector<int> deals;
    for (int n : sheets)
        if (n >= 1 && n <= 24)
            for (int d = 4 * n - 3; d <= 4 * n; ++d) deals.push_back(d);
    return deals;
}

}  // namespace vrek
