#include "stats/statsprint.h"

#include <algorithm>

#include "printing/printstyle.h"

namespace vrek::stats {

namespace {

class Page {
public:
    explicit Page(Canvas &c) : c_(c), u_(c) {}
    Canvas &c_;
    PageUnits u_;

    void font(double size, Rgb colour, bool italic = false) {
        Font f;
        f.name = "Arial";
        f.size = size;
        f.colour = colour;
        f.italic = italic;
        c_.setFont(f);
    }
    void italic(bool on) {
        Font f = c_.font();
        f.italic = on;
        c_.setFont(f);
    }
    // Centred on page unit x, top at pixel y.
    void centred(double x, int y, const std::string &t) { c_.text(u_.x(x) - c_.textWidth(t) / 2, y, t); }
    void left(double x, int y, const std::string &t) { c_.text(u_.x(x), y, t); }
    int y(double v) const { return u_.y(v); }
    void frame(double x1, double x2, int top, int bottom) {
        c_.setPen(colour::green, 5);
        c_.clearBrush();
        c_.rectangle(u_.x(x1), top, u_.x(x2), bottom);
    }
    void vrule(double x, int top, int bottom) {
        c_.setPen(colour::green, 2);
        c_.line(u_.x(x), top, u_.x(x), bottom);
    }
    void hrule(double x1, double x2, int y) {
        c_.setPen(colour::green, 2);
        c_.line(u_.x(x1), y, u_.x(x2), y);
    }
};

struct TableColumns {
    double x[4];       // centres of the four cells
    double frame[2];   // left and right edges
    double rules[3];   // column rules
    double labelX;     // the count label below
};

const TableColumns kTables[3] = {
    {{160, 330, 470, 660}, {60, 760}, {280, 380, 570}, 400},
    {{810, 910, 1050, 1240}, {760, 1340}, {860, 960, 1150}, 1050},
    {{1390, 1490, 1630, 1820}, {1340, 1920}, {1440, 1540, 1730}, 1630},
};

// Draws the three tables; returns the bottom of the lowest, count label included.
int tables(Page &p, const Statistics &st) {
    const int m = p.y(45);
    const int top = p.y(400);
    p.font(11, colour::black);
    const char *heads[3][4] = {{"Mains", "Nbr", "Réel %", "Probab."},
                               {"Pts", "Nbr", "Réel %", "Probab."},
                               {"Pts", "Nbr", "Réel %", "Probab."}};
    for (int t = 0; t < 3; ++t)
        for (int k = 0; k < 4; ++k) {
            p.italic(k == 3);
            p.centred(kTables[t].x[k], top, heads[t][k]);
        }
    for (int t = 0; t < 3; ++t) {
        const auto &rows = st.tabs[t].grid.rows;
        for (size_t r = 0; r < rows.size(); ++r)
            for (int k = 0; k < 4; ++k) {
                p.italic(k == 3);
                p.centred(kTables[t].x[k], top + int(r + 1) * m, rows[r][k]);
            }
    }
    p.font(11, colour::blue);
    int lowest = 0;
    for (int t = 0; t < 3; ++t) {
        const int bottom = top - 3 + m * int(st.tabs[t].grid.rows.size() + 1);
        p.centred(kTables[t].labelX, bottom + p.y(10), st.tabs[t].countLabel);
        lowest = std::max(lowest, bottom + p.y(10) + p.c_.textHeight(st.tabs[t].countLabel));
        p.frame(kTables[t].frame[0], kTables[t].frame[1], top - 3, bottom);
        for (double x : kTables[t].rules) p.vrule(x, top - 3, bottom);
    }
    p.hrule(60, 1920, top - 3 + m);
    return lowest;
}

struct BlockLayout {
    double labelX[2];   // left-aligned labels of the two halves
    double fieldX[2][3];
    double rules[8];    // column rules (the fourth parts the halves); 0 ends the list
    double subX[2];
    double rowPoints;   // size of the rows' text
};

// One frequency block: a heading, two sub-heads, four rows of label, count,
// percentage and theory per half, a blue line under it, a frame.
void block(Page &p, double y0, const std::string &heading, const char *const subs[2], const BlockLayout &l,
           const Row rows[2][4], const std::string &footer) {
    const int m = p.y(45);
    p.font(16, colour::blue);
    p.centred(1000, p.y(y0), heading);
    p.font(12, colour::blue);
    const int subTop = p.y(y0 + 60);
    for (int h = 0; h < 2; ++h) p.centred(l.subX[h], subTop, subs[h]);
    const int rowTop = subTop + m;
    p.font(l.rowPoints, colour::black);
    for (int h = 0; h < 2; ++h)
        for (int r = 0; r < 4; ++r) {
            const int y = rowTop + r * m;
            p.italic(false);
            p.left(l.labelX[h], y, rows[h][r][0]);
            for (int k = 0; k < 3; ++k) {
                p.italic(k == 2);
                p.centred(l.fieldX[h][k], y, rows[h][r][k + 1]);
            }
        }
    const int bottom = rowTop + 4 * m - 3;
    p.frame(60, 1920, subTop - 3, bottom);
    p.hrule(60, 1920, rowTop - 3);
    for (int i = 0; i < 8 && l.rules[i] > 0; ++i) p.vrule(l.rules[i], i == 3 ? subTop - 3 : rowTop - 3, bottom);
    p.font(11, colour::blue);
    p.centred(1000, bottom + p.y(10), footer);
}

// The bottom of a frequency block and of the seats' block drawn from y0.
int blockBottom(Page &p, double y0) {
    p.font(11, colour::blue);
    return p.y(y0 + 60) + 5 * p.y(45) - 3 + p.y(10) + p.c_.textHeight("A");
}
int seatBottom(Page &p, double y0) {
    p.font(11, colour::black);
    return p.y(y0 + 60) + p.y(45) + p.c_.textHeight("A");
}

std::string percentOf(int count, int total, const std::string &dp) {
    return fixed(total ? count * 100.0L / total : 0, 3, dp);
}

void handBlock(Page &p, const Statistics &st, double y0) {
    const HandCounters &c = st.counters;
    const std::string &dp = st.decimalPoint;
    const int values[2][4] = {{c.suits7, c.suits6, c.noShortness, c.regular},
                              {c.voids[0], c.voids[1], c.voids[2], c.totalVoids()}};
    const char *labels[2][4] = {{"une couleur 7ème ou plus", "une couleur 6ème", "aucun singleton ni chicane",
                                 "main régulière ( 4333,4432,5332,5422 )"},
                                {"1 seule chicane par main", "2 chicanes par main", "3 chicanes par main",
                                 "Nombre total de chicanes"}};
    Row rows[2][4];
    for (int h = 0; h < 2; ++h)
        for (int r = 0; r < 4; ++r)
            rows[h][r] = {labels[h][r], std::to_string(values[h][r]), percentOf(values[h][r], c.hands, dp),
                          st.handTheory[4 * h + r]};
    const char *subs[2] = {"une distribution particulière", "des chicanes"};
    const BlockLayout l = {{70, 1120}, {{780, 890, 1040}, {1590, 1700, 1850}},
                           {730, 820, 960, 1108, 1548, 1630, 1775, 0}, {580, 1520}, 10};
    block(p, y0, "SUR LA FREQUENCE DES MAINS POSSEDANT :", subs, l, rows, st.tabs[0].countLabel);
}

void dealBlock(Page &p, const Statistics &st, double y0) {
    const char *labels[2][4] = {{"au moins une main avec une couleur 7ème ou plus",
                                 "au moins une main avec une couleur 6ème",
                                 "aucune main avec un singleton ou une chicane",
                                 "avec les 4 mains régulières ( 4333,4432,5332,5422 )"},
                                {"dans 1 seule main", "dans 2 mains", "dans 3 mains", "dans les 4 mains"}};
    const Row *left[4] = {&st.deals[0].rows.at(0), &st.deals[0].rows.at(1), &st.deals[1].rows.at(0),
                          &st.deals[2].rows.at(0)};
    Row rows[2][4];
    for (int r = 0; r < 4; ++r) {
        rows[0][r] = {labels[0][r], (*left[r])[1], (*left[r])[2], (*left[r])[3]};
        const Row &g = st.deals[3].rows.at(r);
        rows[1][r] = {labels[1][r], g[1], g[2], g[3]};
    }
    // The deal count as the tab's label gives it: the two characters before its comma.
    const auto comma = st.dealsLabel.find(',');
    const std::string count = comma != std::string::npos && comma >= 2 ? st.dealsLabel.substr(comma - 2, 2) : "";
    const char *subs[2] = {"une distribution particulière", "une chicane ou un singleton"};
    // Smaller rows than the hands' block: its labels are longer.
    const BlockLayout l = {{70, 1270}, {{930, 1040, 1190}, {1590, 1700, 1850}},
                           {885, 970, 1115, 1260, 1550, 1630, 1775, 0}, {650, 1590}, 9};
    block(p, y0, "SUR LA FREQUENCE DES DONNES POSSEDANT :", subs, l, rows, count + " donnes sont prises en compte");
}

void seatBlock(Page &p, const Statistics &st, double y0) {
    p.font(16, colour::blue);
    p.centred(1000, p.y(y0), "LA MOYENNE DES POINTS D'HONNEUR DE");
    p.font(11, colour::black);
    const char *names[4] = {"Nord", "Est", "Sud", "Ouest"};
    for (int k = 0; k < 4; ++k) {
        p.centred(700 + 200 * k, p.y(y0 + 60), names[k]);
        p.centred(700 + 200 * k, p.y(y0 + 60) + p.y(45), st.seatAverages[k]);
    }
}

void theoryPage(Page &p, const Statistics &st) {
    p.font(18, colour::black);
    p.centred(1000, p.y(80), "PROBABILITES");
    p.font(16, colour::blue);
    p.centred(1000, p.y(270), "SUR LA REPARTITION DES");
    p.font(14, colour::blue);
    p.centred(400, p.y(340), "Distributions");
    p.centred(1050, p.y(340), "Points H dans une main");
    p.centred(1650, p.y(340), "Points H dans une ligne");
    const double keyX[3] = {280, 940, 1540}, probX[3] = {510, 1150, 1750};
    const double frames[3][2] = {{170, 630}, {850, 1270}, {1450, 1870}};
    const char *keyHead[3] = {"Mains", "Points", "Points"};
    const int top = p.y(400), step = p.y(46);
    for (int t = 0; t < 3; ++t) {
        p.font(11, colour::black);
        p.centred(keyX[t], top, keyHead[t]);
        p.centred(probX[t], top, "Probabilités");
        const auto &rows = st.tabs[t].grid.rows;
        for (size_t r = 0; r < rows.size(); ++r) {
            p.centred(keyX[t], top + int(r + 1) * step, rows[r][0]);
            p.centred(probX[t], top + int(r + 1) * step, rows[r][3]);
        }
        const int bottom = top - 3 + step * int(rows.size() + 1);
        p.frame(frames[t][0], frames[t][1], top - 3, bottom);
        p.hrule(frames[t][0], frames[t][1], top - 3 + step);
        p.vrule((keyX[t] + probX[t]) / 2, top - 3, bottom);
    }
}

}  // namespace

std::string statisticsJobTitle(Mode m) { return m == Mode::Theory ? "VREK:Probabilités" : "VREK:Statistiques"; }

bool printStatistics(Canvas &c, const Statistics &st, const std::string &caption,
                     const std::function<void(Canvas &)> &lastPage) {
    if (!c.beginDocument(statisticsJobTitle(st.mode))) return false;
    Page p(c);
    if (st.mode == Mode::Theory) {
        theoryPage(p, st);
        return c.endDocument();
    }
    p.font(18, colour::black);
    centredTitle(c, p.u_.x(1000), p.y(100), caption);
    p.font(16, colour::blue);
    p.centred(1000, p.y(270), "SUR LA REPARTITION DES");
    p.font(14, colour::blue);
    p.centred(400, p.y(340), "Distributions des mains");
    p.centred(1050, p.y(340), "Points H dans une main");
    p.centred(1630, p.y(340), "Points H dans une ligne");
    const int tablesBottom = tables(p, st);

    // Below the tables the blocks keep their places, unless a long table
    // reaches them: then they move down past it, and a block that would
    // leave the page goes to the next one with those after it, at the
    // places the full record gives them there.
    constexpr double kBelowTables[3] = {1720, 2120, 2540}, kNextPage[3] = {420, 820, 1240};
    constexpr double kGap = 30;
    const bool full = st.mode == Mode::FullRecord;
    double shift = full ? 0 : std::max(0.0, tablesBottom / p.u_.uy + kGap - kBelowTables[0]);
    bool nextPage = full;
    int moved = 0;  // blocks placed on the next page
    if (full) c.newPage();
    for (int b = 0; b < 3; ++b) {
        if (b == 1 && !st.dealsVisible) continue;
        double y0 = full ? kNextPage[b] : nextPage ? kNextPage[moved] : kBelowTables[b] + shift;
        if (!nextPage && (b == 2 ? seatBottom(p, y0) : blockBottom(p, y0)) > c.height()) {
            nextPage = true;
            c.newPage();
            y0 = kNextPage[0];
        }
        if (nextPage) ++moved;
        if (b == 0) handBlock(p, st, y0);
        else if (b == 1) dealBlock(p, st, y0);
        else seatBlock(p, st, y0);
    }
    if (lastPage) {
        c.newPage();
        lastPage(c);
    }
    return c.endDocument();
}

}  // namespace vrek::stats
