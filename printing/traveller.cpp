#include "printing/traveller.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace vrek {

namespace {

constexpr int kSuitOrder[4] = {Spades, Hearts, Diamonds, Clubs};
constexpr int kGap = 20;  // page units between texts that would otherwise touch

// One sheet of a pair, moved down by `dy` pixels for the lower one.
class TravellerSheet {
public:
    TravellerSheet(Canvas &c, const Series &s, const TravellerOptions &o, int board, int dy, int progressBase)
        : c_(c), s_(s), o_(o), u_(c), b_(board), dy_(dy), progress_(progressBase), progressEnd_(progressBase + 59) {}

    void draw() {
        titleAndSection();
        boardTexts();
        hands();
        if (!o_.preprinted) {
            compass();
            grid();
        }
    }

private:
    Canvas &c_;
    const Series &s_;
    const TravellerOptions &o_;
    const PageUnits u_;
    const int b_, dy_;
    int progress_, progressEnd_;

    int X(int v) const { return u_.x(v); }
    int Y(int v) const { return u_.y(v) + dy_; }
    void step() {
        if (o_.progress) o_.progress(std::min(progress_, progressEnd_));
        ++progress_;
    }

    // The blank sheet's copies of the board's texts in the right corner,
    // right-aligned at x 1869: pre-printed paper carries them there too.
    struct CornerText {
        std::string text;
        double size;
    };
    std::array<CornerText, 3> corner() const {
        return {CornerText{"ETUI n°: " + std::to_string(o_.style.printed(b_)), 9},
                CornerText{"DONNEUR: " + dealerName(b_), 8}, CornerText{"VULNERABLES: " + vulnerabilityName(b_), 8}};
    }
    int leftOf(const CornerText &t) {
        c_.font("Arial", t.size);
        return X(1869) - c_.textWidth(t.text);
    }

    // A section letter centred on x as far as the room between lo and hi
    // allows, smaller when the room is narrower than the letter.
    void sectionLetter(int x, int lo, int hi) {
        c_.font("Arial", 40);
        const std::string t = fitText(c_, o_.section, hi - lo);
        const int w = c_.textWidth(t);
        c_.text(std::max(lo, std::min(x - w / 2, hi - w)), Y(100), t);
    }

    void titleAndSection() {
        const auto k = corner();
        const int gap = X(kGap);
        const int cornerLeft = std::min({leftOf(k[0]), leftOf(k[1]), leftOf(k[2])});
        setFace(c_, "Arial", 18);
        c_.fontColour(colour::black);
        // A long title is made smaller rather than printed over the corner.
        centredTitle(c_, X(470), Y(47), printable(s_.line(0)), 0, cornerLeft - gap);
        step();
        if (!o_.section.empty()) {
            c_.setPen(o_.sectionColour, 5);
            c_.clearBrush();
            for (int i = 0; i < 8; ++i)
                c_.rectangle(X(500), Y(140) + 5 * i, X(1430), Y(144) + 5 * i);
            // The letters keep to the room between the band and the texts
            // beside them: "ETUI n°:" on the left, the corner on the right.
            c_.font("Arial", 16);
            const int etuiRight = X(95) + c_.textWidth(k[0].text);
            const int right = std::min(leftOf(k[1]), leftOf(k[2]));
            c_.fontColour(o_.sectionColour);
            sectionLetter(X(420), etuiRight + gap, X(500) - gap);
            sectionLetter(X(1510), X(1430) + gap, right - gap);
        }
        step();
    }

    void boardTexts() {
        const std::string number = std::to_string(o_.style.printed(b_));
        const std::string etui = "ETUI n°: " + number;
        const std::string donneur = "DONNEUR: " + dealerName(b_);
        const std::string vul = "VULNERABLES: " + vulnerabilityName(b_);
        c_.fontColour(o_.style.boardColour());
        c_.font("Arial", 16);
        c_.text(X(95), Y(141), etui);
        if (o_.preprinted) {
            // The frame already says "ETUI n°:".
            rightText(c_, X(1869), Y(47), " " + number);
        } else {
            c_.font("Arial", 9);
            rightText(c_, X(1869), Y(47), etui);
        }
        c_.font("Arial", 10);
        c_.text(X(95), Y(236), donneur);
        if (!o_.preprinted) {
            c_.font("Arial", 8);
            rightText(c_, X(1869), Y(85), donneur);
        }
        c_.font("Arial", 10);
        c_.text(X(476), Y(236), vul);
        if (!o_.preprinted) {
            c_.font("Arial", 8);
            rightText(c_, X(1869), Y(123), vul);
        }
        step();
    }

    // A long suit is printed smaller rather than into what stands on its
    // right: West's the compass box, the others' the result grid.
    void holding(int seat, int suit, int y, int glyphX, int holdingX, int right) {
        c_.fontColour(o_.style.suitColour(suit));
        c_.font("Symbol", 16);
        c_.text(X(glyphX), y - u_.y(6), suitSign(suit));
        c_.font("Arial", 14);
        const std::string h = frenchHolding(s_.deal(b_).holding(seat, suit));
        if (!h.empty()) boundedText(c_, X(holdingX), y, h, X(right - kGap));
    }

    void hands() {
        const int y0 = Y(330), rowStep = u_.y(85);
        for (int i = 0; i < 4; ++i) {
            holding(North, kSuitOrder[i], y0 + i * rowStep, 381, 428, 1000);
            holding(West, kSuitOrder[i], y0 + (4 + i) * rowStep, 76, 124, 343);
            holding(East, kSuitOrder[i], y0 + (4 + i) * rowStep, 619, 667, 1000);
            holding(South, kSuitOrder[i], y0 + (8 + i) * rowStep, 381, 428, 1000);
            step();
        }
    }

    void compass() {
        c_.setPen(o_.style.ruleColour(), 1);
        c_.clearBrush();
        c_.roundRect(X(343), Y(688), X(590), Y(952), X(28), u_.y(28));
        c_.fontColour(o_.style.ruleColour());
        c_.font("Arial", 14);
        const int rowStep = u_.y(85);
        centredText(c_, X(465), Y(707), "N");
        centredText(c_, X(465), Y(707) + rowStep, "O         E");
        centredText(c_, X(465), Y(707) + 2 * rowStep, "S");
        step();
    }

    void grid() {
        const int rowStep = u_.y(71);
        for (int k = 0; k <= 16; ++k) {
            const int y = Y(188) + k * rowStep;
            c_.setPen(colour::black, k == 0 || k == 2 || k == 16 ? 4 : 2);
            if (k == 1) {
                // Only under the two headings that span two columns.
                c_.line(X(1075), y, X(1212), y);
                c_.line(X(1639), y, X(1923), y);
            } else {
                c_.line(X(1000), y, X(2000), y);
            }
            step();
        }
        // Column rules every 71 units from x 1000; 0 = none, a negative width
        // starts below the first heading row.
        static const int widths[14] = {4, 4, -4, 4, 0, 2, 2, 0, 2, 4, 0, -4, 0, 4};
        const int bottom = u_.y(189) + 16 * rowStep + dy_;
        const int colStep = X(71);
        for (int k = 0; k < 14; ++k) {
            if (widths[k] == 0) continue;
            const int x = X(1000) + k * colStep;
            c_.setPen(colour::black, std::abs(widths[k]));
            c_.line(x, widths[k] < 0 ? Y(259) : Y(189), x, bottom);
        }
        step();

        c_.fontColour(colour::black);
        c_.font("Arial", 8);
        const struct {
            const char *text;
            int x, y;
        } small[] = {{"PAIRE", 1099, 207}, {"N/S", 1087, 273},     {"E/O", 1156, 273}, {"CONTRAT", 1219, 226},
                     {"X ou XX", 1242, 273}, {"JOUE", 1351, 226}, {"PAR", 1360, 273}, {"ENTAME", 1439, 236}},
          larger[] = {{"+", 1600, 198},     {"-", 1600, 236},     {"=", 1600, 273},
                      {"SCORE", 1724, 207}, {"N - S", 1681, 273}, {"E - O", 1818, 273}};
        for (const auto &t : small) c_.text(X(t.x), Y(t.y), t.text);
        c_.font("Arial", 9);
        for (const auto &t : larger) c_.text(X(t.x), Y(t.y), t.text);
        step();

        c_.font("Arial", 10);
        for (int row = 1; row <= 14; ++row) {
            centredText(c_, X(1031), Y(349) + (row - 1) * rowStep, std::to_string(row));
            step();
        }
    }
};

}  // namespace

Section sectionAt(int position) {
    Section s;
    if (position < 1 || position > 20) return s;
    s.letter = std::string(1, static_cast<char>('A' + position - 1));
    switch (position) {
    case 1: s.colour = Rgb{255, 0, 0}; break;
    case 2: s.colour = Rgb{0, 0, 255}; break;
    case 3: s.colour = Rgb{0, 255, 0}; break;
    case 4: s.colour = Rgb{255, 255, 0}; break;
    default: break;
    }
    return s;
}

int sectionPosition(const std::string &letter) {
    if (letter.empty()) return 0;
    if (letter.size() == 1 && letter[0] >= 'A' && letter[0] <= 'T') return letter[0] - 'A' + 1;
    return -1;
}

std::optional<Rgb> sectionColourOf(const std::string &letter, const Settings &s) {
    const int position = sectionPosition(letter);
    if (position <= 0) return std::nullopt;
    if (letter == s.ficheSection && s.ficheCouleur >= 0 && s.ficheCouleur <= 0xFFFFFF)
        return Rgb{static_cast<uint8_t>(s.ficheCouleur & 0xFF), static_cast<uint8_t>(s.ficheCouleur >> 8 & 0xFF),
                   static_cast<uint8_t>(s.ficheCouleur >> 16)};
    return sectionAt(position).colour;
}

std::string travellerTitle(int pair) {
    return "VREK:fiches ambulantes:" + std::to_string(2 * pair - 1) + "-" + std::to_string(2 * pair);
}

std::string travellerBoxCaption(int pair) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "Fiches %2d-%2d", 2 * pair - 1, 2 * pair);
    return buf;
}

bool printTravellerPair(Canvas &c, const Series &s, int pair, const TravellerOptions &o) {
    if (o.progress) o.progress(0);
    if (!c.beginDocument(travellerTitle(pair))) return false;
    const int lower = PageUnits(c).y(1466);
    TravellerSheet(c, s, o, 2 * pair - 1, 0, 0).draw();
    TravellerSheet(c, s, o, 2 * pair, lower, 60).draw();
    if (o.progress) o.progress(119);
    return c.endDocument();
}

bool printTravellers(Canvas &c, const Series &s, const std::vector<int> &pairs, const TravellerOptions &o) {
    bool ok = true;
    for (int n : pairs)
        if (n >= 1 && n <= kTravellerPairs) ok = printTravellerPair(c, s, n, o) && ok;
    return ok;
}

}  // namespace vrek
