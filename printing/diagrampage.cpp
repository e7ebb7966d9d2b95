#include "printing/diagrampage.h"

#include <algorithm>

namespace vrek {

const char *const kDiagramTitle = "VREK:commentaires";

namespace {
constexpr int kSuitOrder[4] = {Spades, Hearts, Diamonds, Clubs};
constexpr int kGap = 10;  // page units between a holding and what follows it
}

DiagramPage::DiagramPage(Canvas &c, const Series &s, const DiagramOptions &o, int pageNumber)
    : c_(c), s_(s), o_(o), u_(c), pageNumber_(pageNumber), lineStep_(u_.y(44)), y_(u_.y(67)) {}

void DiagramPage::row() {
    y_ += lineStep_;
    if (o_.progress) o_.progress(++progress_);
}

void DiagramPage::draw(const std::array<int, 4> &deals) {
    if (o_.progress) o_.progress(0);
    c_.setPen(o_.style.boardColour());
    setFace(c_, "Arial", 16);
    c_.fontColour(colour::black);
    centredTitle(c_, u_.x(1000), y_, printable(s_.line(0)));
    c_.font("Arial", 11);
    row();
    row();
    for (int k = 0; k < 4; ++k)
        if (deals[k] >= 1 && deals[k] <= kBoards) slot(k, deals[k]);
    if (!o_.fingerprint.empty()) {
        // Below the last text row of a full page, ending left of the page
        // number: clear of an analysis block, which takes the left side.
        c_.fontColour(colour::black);
        setFace(c_, "Arial", 7);
        const std::string text = "Empreinte de la clé de distribution : " + o_.fingerprint;
        c_.text(u_.x(1780) - c_.textWidth(text), u_.y(2765), text);
    }
}

void DiagramPage::handRow(int seat, int suit, int glyphX, int holdingX, int right) {
    c_.fontColour(o_.style.suitColour(suit));
    c_.font("Symbol", 12);
    c_.text(u_.x(glyphX), y_ - u_.y(6), suitSign(suit));
    c_.font("Arial", 11);
    const std::string h = frenchHolding(s_.deal(currentDeal_).holding(seat, suit));
    if (!h.empty()) boundedText(c_, u_.x(holdingX), y_, h, right);
}

void DiagramPage::slot(int k, int d) {
    currentDeal_ = d;
    const PrintStyle &st = o_.style;
    counts_ = lineCountsOf(s_.line(contractLine(d)));

    // Number and dealer in the page's size, whatever the last text line left.
    c_.fontColour(st.boardColour());
    setFace(c_, "Arial", 11);
    centredText(c_, u_.x(208), y_, std::to_string(st.printed(d)));
    // A rule parts the deal from the one above it.
    if (drewDeal_) c_.line(u_.x(250), y_ + u_.y(22), u_.x(1754), y_ + u_.y(22));
    drewDeal_ = true;
    row();

    cursor_ = themeLine(d);
    end_ = provenanceLine(d);

    c_.text(u_.x(167), y_, dealerCode(d) + vulnerabilityCode(d));
    nextTextLine();
    row();

    // A long suit is printed smaller rather than over the texts beside the
    // diagram, East's glyph or the compass letters (each half a row below
    // its own row, so it meets that row and the next).
    const int textColumn = u_.x(752 - kGap);
    for (int suit : kSuitOrder) {
        handRow(North, suit, 333, 367, textColumn);
        nextTextLine();
        row();
    }
    static const char *const compass[4] = {"N", "O   E", "S", ""};
    int compassLeft[5];
    setFace(c_, "Arial", 11);
    compassLeft[0] = u_.x(500 - kGap);
    for (int i = 0; i < 4; ++i)
        compassLeft[i + 1] = *compass[i] ? u_.x(400) - c_.textWidth(compass[i]) / 2 - u_.x(kGap) : u_.x(500 - kGap);
    for (int i = 0; i < 4; ++i) {
        handRow(West, kSuitOrder[i], 167, 200, std::min(compassLeft[i], compassLeft[i + 1]));
        handRow(East, kSuitOrder[i], 500, 533, textColumn);
        nextTextLine();
        c_.fontColour(st.ruleColour());
        setFace(c_, "Arial", 11);
        if (*compass[i]) centredText(c_, u_.x(400), y_ + u_.y(22), compass[i]);
        row();
    }
    for (int suit : kSuitOrder) {
        handRow(South, suit, 333, 367, textColumn);
        nextTextLine();
        row();
    }

    if (o_.belowDeal) o_.belowDeal(*this, d);

    nextTextLine();
    if (k == 3 && pageNumber_ != 0) {
        // In the size the last text line left.
        c_.fontColour(colour::black);
        c_.text(u_.x(1850), y_ - u_.y(50), std::to_string(pageNumber_));
    } else {
        row();
    }
}

void DiagramPage::nextTextLine() {
    int x = u_.x(752);
    setFace(c_, "Arial", 11);
    while (cursor_ < end_ && s_.line(cursor_).empty()) ++cursor_;
    if (cursor_ > end_) return;

    const std::string &line = s_.line(cursor_);
    const int r = cursor_ % 15;
    const int g1 = counts_.a, g2 = counts_.d, g3 = counts_.e;
    const PrintStyle &st = o_.style;
    if (r == 0) {  // provenance
        x += u_.x(417);
        c_.fontColour(colour::black);
        c_.font("Arial", 8);
        put(x, line);
    } else if (r == 1) {  // theme
        c_.fontColour(colour::black);
        setFace(c_, "Arial", 11, false, false, true);
        put(x, line);
    } else if (r == 2) {  // contract text, without the line counts
        x += u_.x(167);
        c_.fontColour(colour::black);
        setFace(c_, "Arial", 11, true);
        put(x, line.substr(0, std::min<size_t>(line.size(), kContractWidth)));
    } else if (g1 > 0 && r >= 3 && r < g1 + 3) {  // declarer's side
        c_.fontColour(st.boardColour());
        put(x + u_.x(83), line);
    } else if (g2 > 0 && r >= g1 + 3 && r < g1 + g2 + 3) {  // defence
        if (st.colour) {
            c_.fontColour(colour::red);
        } else {
            c_.fontColour(colour::black);
            setFace(c_, "Arial", 11, false, true);
        }
        put(x + u_.x(83), line);
    } else if (g3 > 0 && r >= g1 + g2 + 3 && r < g1 + g2 + g3 + 3) {  // auction
        c_.fontColour(st.ruleColour());
        auction(x + u_.x(83), line);
    }
    setFace(c_, c_.font().name, c_.font().size);
    ++cursor_;
}

void DiagramPage::put(int x, const std::string &storeBytes) {
    if (!storeBytes.empty()) c_.text(x, y_, printable(storeBytes));
}

void DiagramPage::auction(int x, const std::string &line) {
    size_t start = 0;
    for (;;) {
        const size_t tab = line.find('\t', start);
        const std::string field = line.substr(start, tab == std::string::npos ? std::string::npos : tab - start);
        const bool starred = field.size() >= 2 && field[0] == '*';
        setFace(c_, "Arial", 11, starred, starred);
        put(x, starred ? field.substr(1) : field);
        x += u_.x(250);
        if (tab == std::string::npos) break;
        start = tab + 1;
    }
}

bool printDiagramSheets(Canvas &c, const Series &s, const std::vector<int> &sheets, const DiagramOptions &o) {
    bool begun = false;
    for (int n : sheets) {
        if (n < 1 || n > 24) continue;
        if (!begun) {
            if (!c.beginDocument(kDiagramTitle)) return false;
            begun = true;
        } else {
            c.newPage();
        }
        DiagramPage(c, s, o, n).draw({4 * n - 3, 4 * n - 2, 4 * n - 1, 4 * n});
    }
    return !begun || c.endDocument();
}

bool printChosenDiagrams(Canvas &c, const Series &s, const std::vector<int> &deals, int firstPage,
                         const DiagramOptions &o) {
    auto slots = [&](size_t from) {
        std::array<int, 4> a{};
        for (size_t i = 0; i < 4; ++i) a[i] = from + i < deals.size() ? deals[from + i] : 0;
        return a;
    };
    if (!c.beginDocument(kDiagramTitle)) return false;
    int page = firstPage;
    DiagramPage(c, s, o, page).draw(slots(0));
    if (deals.size() > 4) {
        c.newPage();
        if (page > 0) ++page;
        DiagramPage(c, s, o, page).draw(slots(4));
    }
    return c.endDocument();
}

}  // namespace vrek
