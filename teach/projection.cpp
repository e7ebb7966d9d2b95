#include "teach/projection.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace vrek {

namespace {

struct Point {
    int x, y;
};

// Centres of the hands, by position.
constexpr Point kHandCentre[4] = {{800, 250}, {1300, 600}, {800, 950}, {300, 600}};
// Cards of the last trick, on the table's side of their player.
constexpr Point kTrickCard[4] = {{775, 452}, {860, 560}, {772, 677}, {673, 565}};
// Start of the line under each hand: trick marks and bids.
constexpr Point kHandLine[4] = {{540, 400}, {1040, 750}, {540, 750}, {40, 750}};

constexpr int kPen = 4;
// The hand on turn with its double-dummy numbers: smaller letters, so that
// each line of 70 holds the letters and the numbers under them, and a wider
// step between cards, so that numbers of two digits stay apart.
constexpr int kNumberLetters = 50;
constexpr int kNumberHeight = 32;
constexpr int kNumberTop = 39;
constexpr int kNumberGap = 12;

Font pixelFont(const char *name, double height, Rgb colour = colour::black) {
    Font f;
    f.name = name;
    f.size = height;
    f.pixels = true;
    f.colour = colour;
    return f;
}

void arrowhead(Canvas &c, int end) {
    switch (end) {
    case 0:
        c.line(800, 460, 775, 510);
        c.line(800, 460, 825, 510);
        break;
    case 1:
        c.line(940, 600, 890, 575);
        c.line(940, 600, 890, 625);
        break;
    case 2:
        c.line(800, 740, 775, 690);
        c.line(800, 740, 825, 690);
        break;
    default:
        c.line(660, 600, 710, 575);
        c.line(660, 600, 710, 625);
        break;
    }
}

void drawVulnerability(Canvas &c, const TeachDisplay &d) {
    const VulnerabilityDrawing v = d.vulnerability();
    const Rgb vertical = v.verticalVulnerable ? colour::red : colour::green;
    const Rgb horizontal = v.horizontalVulnerable ? colour::red : colour::green;
    c.setPen(vertical, kPen);
    c.line(800, 460, 800, 740);
    c.setPen(horizontal, kPen);
    c.line(660, 600, 940, 600);
    c.setPen(v.dealerEnd % 2 ? horizontal : vertical, kPen);
    arrowhead(c, v.dealerEnd);
}

void drawLastTrick(Canvas &c, const TeachDisplay &d) {
    const int t = d.lastTrick();
    if (!t) return;
    c.setTextBackground(colour::white);
    for (int col = 1; col <= kTrickColumns; ++col) {
        const int v = d.tricks[t - 1][col - 1];
        if (!v) continue;
        const int suit = v / 100 % 10, rank = v % 100;
        const Point a = kTrickCard[positionOfColumn(col) - 1];
        c.setFont(pixelFont("Symbol", 70, printSuitColour(suit, true)));
        const int gx = a.x - 20;
        c.text(gx, a.y, suitSign(suit));
        const int glyphEnd = gx + c.textWidth(suitSign(suit));
        c.setFont(pixelFont("Arial", 70));
        // The letter keeps clear of a glyph wider than the gap.
        c.text(std::max(a.x + 20, glyphEnd), a.y, std::string(1, frenchRank(rank)));
    }
    c.clearTextBackground();
}

// The cards of one suit of the hand on turn, each with its number under it;
// the best ones stand out in the contract's colour.
void drawSuitWithNumbers(Canvas &c, const TeachDisplay &d, int x, int y, const Holding &h, int suit) {
    const Font letters = pixelFont("Century Schoolbook", kNumberLetters);
    for (uint8_t r : h.ranks) {
        if (!r) continue;
        c.setFont(letters);
        const std::string letter(1, frenchRank(r));
        const int width = c.textWidth(letter);
        const int step = c.textWidth(letter + ' ');
        c.text(x, y, letter);
        const int n = d.numbers.of(suit, r);
        if (n < 0) {
            x += step;
            continue;
        }
        const bool best = n == d.numbers.best;
        Font f = pixelFont("Arial", kNumberHeight, best ? colour::white : colour::black);
        f.bold = best;
        c.setFont(f);
        const std::string number = std::to_string(n);
        const int numberWidth = c.textWidth(number);
        if (best) c.setTextBackground(contractColour(d.contract));
        c.text(x + (width - numberWidth) / 2, y + kNumberTop, number);
        c.clearTextBackground();
        x += std::max(step, numberWidth + kNumberGap);
    }
}

void drawHand(Canvas &c, const TeachDisplay &d, int p) {
    const Point m = kHandCentre[p - 1];
    if (d.visible[p - 1]) {
        c.setPen(colour::black, kPen);
        c.setBrush(colour::white);
        c.roundRect(m.x - 300, m.y - 150, m.x + 300, m.y + 150, 20, 20);
        c.clearTextBackground();
        // Hidden hands never show them: only a hand the class sees.
        const bool numbers = d.numbersOnProjector && d.numbers.position == p && !d.numbers.waiting();
        for (int i = 0; i < 4; ++i) {
            const int suit = Spades - i;
            const int y = m.y - 140 + 70 * i;
            c.setFont(pixelFont("Symbol", 70, printSuitColour(suit, true)));
            c.text(m.x - 240, y, suitSign(suit));
            if (numbers) {
                drawSuitWithNumbers(c, d, m.x - 240 + 70, y, d.deal.holding(p, suit), suit);
                continue;
            }
            c.setFont(pixelFont("Century Schoolbook", 70));
            c.text(m.x - 240 + 70, y, suitLine(d.deal.holding(p, suit)));
        }
        return;
    }
    c.setPen(colour::black, 2);
    c.setBrush(colour::cyan);
    const int n = d.cardsLeft(p);
    for (int i = 0; i < n; ++i) {
        const int x = m.x - 260 + 40 * i;
        c.roundRect(x, m.y - 50, x + 50, m.y + 50, 10, 10);
    }
}

void drawMarks(Canvas &c, const TeachDisplay &d) {
    const std::string ours = d.marksText();
    if (ours.empty()) return;
    std::string theirs = ours;
    for (char &m : theirs) m = m == '+' ? '-' : '+';
    c.setFont(pixelFont("Courier New", 49));
    c.setTextBackground(colour::cyan);
    c.text(kHandLine[Lower - 1].x, kHandLine[Lower - 1].y, ours);
    c.text(kHandLine[Upper - 1].x, kHandLine[Upper - 1].y, ours);
    c.text(kHandLine[Left - 1].x, kHandLine[Left - 1].y, theirs);
    c.text(kHandLine[Right - 1].x, kHandLine[Right - 1].y, theirs);
    c.clearTextBackground();
}

void drawAuction(Canvas &c, const TeachDisplay &d) {
    for (int k = 1; k <= kAuctionColumns; ++k) {
        int x = kHandLine[k - 1].x;
        const int y = kHandLine[k - 1].y;
        for (int r = 1; r <= kAuctionRows; ++r) {
            const AuctionCell &cell = d.cells[r - 1][k - 1];
            if (!cell.revealed) continue;
            const BidText b = bidText(cell.text);
            if (b.plain.empty() && b.emphasised.empty()) continue;
            c.setTextBackground(cell.background);
            Font f = pixelFont("Century Schoolbook", 49, cell.font);
            c.setFont(f);
            int w = 0;
            if (!b.plain.empty()) {
                c.text(x, y, b.plain);
                w += c.textWidth(b.plain);
            }
            if (!b.emphasised.empty()) {
                f.bold = f.italic = true;
                c.setFont(f);
                c.text(x + w, y, b.emphasised);
                w += c.textWidth(b.emphasised);
            }
            x += w + 7;
        }
    }
    c.clearTextBackground();
}

// The contract's place: from x 80 to North's hand (its left edge at 500), less a gap.
constexpr int kContractLeft = 80, kContractRight = 480;

void drawContract(Canvas &c, const TeachDisplay &d) {
    if (d.contract.empty()) return;
    // A long contract ("7SAXX") is drawn smaller rather than over North's hand.
    const int room = kContractRight - kContractLeft;
    double height = 200;
    c.setFont(pixelFont("Century Schoolbook", height, contractColour(d.contract)));
    for (int width; (width = c.textWidth(d.contract)) > room && height > 10;) {
        height = std::max(10.0, std::min(height - 1, std::floor(height * room / width)));
        c.setFont(pixelFont("Century Schoolbook", height, contractColour(d.contract)));
    }
    c.setTextBackground(colour::white);
    c.text(kContractLeft, 150, d.contract);
    c.clearTextBackground();
}

}  // namespace

Rgb contractColour(const std::string &contract) {
    if (contract.size() < 2) return colour::black;
    switch (contract[1]) {
    case 'C': return colour::red;
    case 'K': return colour::maroon;
    case 'T': return colour::navy;
    // No-trump in green, as in the auction; white on white would hide it.
    case 'S': return colour::green;
    default: return colour::black;
    }
}

std::string suitLine(const Holding &h) {
    std::string out;
    for (uint8_t r : h.ranks) {
        if (!r) continue;
        if (!out.empty()) out += ' ';
        out += frenchRank(r);
    }
    return out;
}

BidText bidText(const std::string &cell) {
    BidText b;
    bool star = false;
    for (char ch : cell) {
        if (ch == ' ') continue;
        if (ch == '*') {
            star = true;
            continue;
        }
        (star ? b.emphasised : b.plain) += ch;
    }
    return b;
}

std::optional<std::pair<int, int>> bmpSize(const std::string &b) {
    if (b.size() < 2 || b[0] != 'B' || b[1] != 'M') return std::nullopt;
    auto u32 = [&b](size_t at) -> int64_t {
        if (at + 4 > b.size()) return -1;
        return static_cast<uint8_t>(b[at]) | static_cast<uint8_t>(b[at + 1]) << 8 |
               static_cast<uint8_t>(b[at + 2]) << 16 | static_cast<int64_t>(static_cast<uint8_t>(b[at + 3])) << 24;
    };
    auto u16 = [&b](size_t at) -> int {
        if (at + 2 > b.size()) return -1;
        return static_cast<uint8_t>(b[at]) | static_cast<uint8_t>(b[at + 1]) << 8;
    };
    const int64_t offset = u32(10), header = u32(14);
    if (offset < 0 || header < 12) return std::nullopt;
    int64_t width, height;
    int bits;
    int64_t compression = 0, imageSize = 0;
    if (header == 12) {  // the old OS/2 header
        width = u16(18);
        height = u16(20);
        bits = u16(24);
    } else {
        width = u32(18);
        height = u32(22);
        bits = u16(28);
        compression = u32(30);
        imageSize = u32(34);
        if (height >= 0x80000000LL) height = 0x100000000LL - height;  // top-down rows
    }
    if (width <= 0 || height <= 0 || bits <= 0 || compression < 0) return std::nullopt;
    if (width > INT32_MAX || height > INT32_MAX) return std::nullopt;
    const int64_t size = static_cast<int64_t>(b.size());
    // Run-length and embedded pictures say their own size.
    if (compression != 0 && compression != 3 && compression != 6) {
        if (imageSize < 0 || offset + imageSize > size) return std::nullopt;
    } else {
        // Every term stays far below 2^63: width < 2^31, bits < 2^16, and the
        // rows are compared by division, never multiplied by the height.
        const int64_t row = (width * bits + 31) / 32 * 4;
        if (offset > size || height > (size - offset) / row) return std::nullopt;
    }
    return std::pair{static_cast<int>(width), static_cast<int>(height)};
}

bool bmpWhole(const std::string &b) {
    if (b.size() < 2 || b[0] != 'B' || b[1] != 'M') return true;
    return bmpSize(b).has_value();
}

void drawBackground(Canvas &c, const ProjectorBackground &bg) {
    if (!bg.path.empty() && bg.width > 0 && bg.height > 0 && c.image(bg.path, 0, 0, bg.width, bg.height)) return;
    c.setPen(kPlainBackground, 1);
    c.setBrush(kPlainBackground);
    c.rectangle(0, 0, 1800, 1200);
    c.clearTextBackground();
    c.setFont(pixelFont("commercialScript BT", 100, colour::silver));
    c.text(200, 0, kCreditLine);
}

void drawProjector(Canvas &c, const TeachDisplay &d, const ProjectorBackground &bg) {
    drawBackground(c, bg);
    drawForeground(c, d);
}

void drawForeground(Canvas &c, const TeachDisplay &d) {
    c.setPen(colour::black, kPen);
    c.setBrush(colour::white);
    c.roundRect(650, 450, 950, 750, 30, 30);
    if (d.vulnerabilityShown) drawVulnerability(c, d);
    drawLastTrick(c, d);
    for (int p = 1; p <= 4; ++p) drawHand(c, d, p);
    drawMarks(c, d);
    if (d.auctionShown) drawAuction(c, d);
    if (d.contractShown) drawContract(c, d);
}

}  // namespace vrek
