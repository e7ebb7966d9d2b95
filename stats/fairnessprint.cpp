#include "stats/fairnessprint.h"

#include <algorithm>
#include <sstream>
#include <vector>

namespace vrek::fairness {

namespace {

class Page {
public:
    explicit Page(Canvas &c) : c(c), u(c) {}
    Canvas &c;
    PageUnits u;

    void font(double size, Rgb colour, bool bold = false, bool italic = false) {
        Font f;
        f.name = "Arial";
        f.size = size;
        f.colour = colour;
        f.bold = bold;
        f.italic = italic;
        c.setFont(f);
    }
    void left(double x, double y, const std::string &t) { c.text(u.x(x), u.y(y), t); }
    void centred(double x, double y, const std::string &t) { c.text(u.x(x) - c.textWidth(t) / 2, u.y(y), t); }
    void frame(double x1, double y1, double x2, double y2) {
        c.setPen(colour::green, 3);
        c.clearBrush();
        c.rectangle(u.x(x1), u.y(y1), u.x(x2), u.y(y2));
    }
    void rule(double x1, double y1, double x2, double y2) {
        c.setPen(colour::green, 1);
        c.line(u.x(x1), u.y(y1), u.x(x2), u.y(y2));
    }
    // Words of `t` on lines no wider than `width` units; returns the lines' count.
    int wrapped(double x, double y, double width, double step, const std::string &t) {
        std::istringstream words(t);
        std::string word, line;
        int lines = 0;
        auto flush = [&] {
            if (line.empty()) return;
            left(x, y + lines * step, line);
            ++lines;
            line.clear();
        };
        while (words >> word) {
            const std::string longer = line.empty() ? word : line + " " + word;
            if (!line.empty() && c.textWidth(longer) > u.x(width)) flush();
            line = line.empty() ? word : line + " " + word;
        }
        flush();
        return lines;
    }
};

std::string fixedText(double v, int decimals, const std::string &point) {
    std::ostringstream s;
    s.setf(std::ios::fixed);
    s.precision(decimals);
    s << v;
    std::string t = s.str();
    if (const size_t dot = t.find('.'); dot != std::string::npos) t.replace(dot, 1, point);
    return t;
}

// The tests: one row each.
double testTable(Page &p, const Report &r, const std::string &dp, double top) {
    const double step = 52;
    const double x[6] = {80, 870, 1100, 1320, 1520, 1740};
    const char *heads[6] = {"Test", "Unités", "Classes", "Khi-deux", "ddl", "p"};
    p.font(11, colour::black, true);
    p.left(x[0], top, heads[0]);
    for (int k = 1; k < 6; ++k) p.centred(x[k], top, heads[k]);
    double y = top + step;
    for (const TestResult &t : r.tests) {
        p.font(11, t.departs ? colour::red : colour::black);
        p.left(x[0], y, testName(t.test));
        p.centred(x[1], y, std::to_string(t.units) + " " + unitName(t.test));
        p.centred(x[2], y, std::to_string(t.classes.size()));
        const bool tested = t.df > 0;
        p.centred(x[3], y, tested ? fixedText(t.statistic, 2, dp) : "-");
        p.centred(x[4], y, tested ? std::to_string(t.df) : "-");
        p.centred(x[5], y, tested ? pText(t.p, dp) : "-");
        y += step;
    }
    p.frame(60, top - 8, 1940, y - 8);
    p.rule(60, top + step - 8, 1940, top + step - 8);
    for (double rx : {720.0, 1010.0, 1200.0, 1430.0, 1610.0}) p.rule(rx, top - 8, rx, y - 8);
    return y;
}

// One test's classes at (x0, y) in rows of `step` units; returns the y after it.
double classTable(Page &p, const TestResult &t, const std::string &dp, double x0, double y, double step, double size) {
    p.font(size + 1, colour::blue, true);
    p.left(x0, y, testName(t.test));
    y += step;
    p.font(size, colour::black, true);
    p.left(x0 + 10, y, "Classe");
    p.centred(x0 + 680, y, "Observé");
    p.centred(x0 + 830, y, "Attendu");
    const double top = y - 4;
    y += step;
    for (size_t k = 0; k < t.classes.size(); ++k) {
        const ClassCount &c = t.classes[k];
        p.font(size, t.departs && static_cast<int>(k) == t.worst ? colour::red : colour::black);
        p.left(x0 + 10, y, c.label);
        p.centred(x0 + 680, y, std::to_string(c.observed));
        p.centred(x0 + 830, y, fixedText(c.expected, 1, dp));
        y += step;
    }
    p.frame(x0, top, x0 + 900, y - 4);
    p.rule(x0, top + step, x0 + 900, top + step);
    p.rule(x0 + 600, top, x0 + 600, y - 4);
    p.rule(x0 + 760, top, x0 + 760, y - 4);
    return y + step / 2;
}

}  // namespace

void drawFairnessPage(Canvas &c, const Report &r, const std::string &dp) {
    Page p(c);
    p.font(18, colour::black);
    p.centred(1000, 90, "EQUITE DE LA DISTRIBUTION");
    p.font(12, colour::blue);
    p.centred(1000, 190, sampleLine(r));
    double y = testTable(p, r, dp, 280);

    const std::string v = verdict(r, dp);
    bool departs = false;
    for (const TestResult &t : r.tests) departs = departs || t.departs;
    p.font(12, departs ? colour::red : colour::green, true);
    y += 20 + 55 * p.wrapped(80, y + 20, 1840, 55, v);
    p.font(9, colour::black, false, true);
    y += 10 + 38 * p.wrapped(80, y + 10, 1840, 38, levelNote(r, dp)) + 30;

    // Two columns of class tables, their rows as tight as the page needs.
    const std::vector<Test> columns[2] = {{Test::Patterns, Test::Longest, Test::Shortest},
                                          {Test::Points, Test::DealTypes}};
    size_t rows = 0;
    for (const auto &col : columns) {
        size_t n = 0;
        for (Test t : col) n += r.tests[static_cast<size_t>(t)].classes.size() + 3;
        rows = std::max(rows, n);
    }
    const double step = std::clamp((2780 - y) / std::max<double>(1, rows), 20.0, 44.0);
    const double size = std::min(10.0, step / 3.8);
    for (int k = 0; k < 2; ++k) {
        double cy = y;
        for (Test t : columns[k]) cy = classTable(p, r.tests[static_cast<size_t>(t)], dp, k == 0 ? 60 : 1040, cy, step, size);
    }
}

bool printFairness(Canvas &c, const Report &r, const std::string &decimalPoint) {
    if (!c.beginDocument("VREK:Equite")) return false;
    drawFairnessPage(c, r, decimalPoint);
    return c.endDocument();
}

}  // namespace vrek::fairness
