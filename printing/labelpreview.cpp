#include "printing/labelpreview.h"

#include <algorithm>

namespace vrek {

const char *const kOverflowText = "Des étiquettes sortent de la page";

namespace {

constexpr Rgb kSurround{160, 160, 160};
constexpr Rgb kOutside{255, 220, 220};

// Page units to the picture's pixels.
struct Mapping {
    double x0, y0, sx, sy;  // picture pixel of unit 0 and pixels per unit
    int x(double v) const { return roundEven(x0 + v * sx); }
    int y(double v) const { return roundEven(y0 + v * sy); }
};

bool outside(double left, double top, double right, double bottom) {
    return left < 0 || top < 0 || right > 2000 || bottom > 2800;
}

void arrow(Canvas &c, int x1, int y1, int x2, int y2, int head) {
    c.line(x1, y1, x2, y2);
    if (y1 == y2) {
        c.line(x1, y1, x1 + head, y1 - head);
        c.line(x1, y1, x1 + head, y1 + head);
        c.line(x2, y2, x2 - head, y2 - head);
        c.line(x2, y2, x2 - head, y2 + head);
    } else {
        c.line(x1, y1, x1 - head, y1 + head);
        c.line(x1, y1, x1 + head, y1 + head);
        c.line(x2, y2, x2 - head, y2 - head);
        c.line(x2, y2, x2 + head, y2 - head);
    }
}

}  // namespace

bool labelsOverflow(const LabelGeometry &g) {
    const double left = g.margeD - g.largeur / 2.0, top = g.margeH - g.hauteur / 2.0;
    const double right = g.margeD + (g.across - 0.5) * g.largeur, bottom = g.margeH + (g.down - 0.5) * g.hauteur;
    return outside(left, top, right, bottom);
}

void drawLabelPreview(Canvas &c, const LabelGeometry &g) {
    const int rows = std::max(1, g.down / 2);
    // What the picture shows: the top half of the page and every label of
    // its rows, wherever they lie.
    double left = 0, top = 0, right = 2000, bottom = 1400;
    left = std::min(left, g.margeD - g.largeur / 2.0);
    right = std::max(right, g.margeD + (g.across - 0.5) * g.largeur);
    top = std::min(top, g.margeH - g.hauteur / 2.0);
    bottom = std::max(bottom, g.margeH + (rows - 0.5) * g.hauteur);
    const int margin = std::max(6, std::min(c.width(), c.height()) / 25);
    const double spanX = std::max(1.0, right - left), spanY = std::max(1.0, bottom - top);
    Mapping m;
    m.sx = (c.width() - 2.0 * margin) / spanX;
    m.sy = (c.height() - 2.0 * margin) / spanY;
    m.x0 = margin - left * m.sx;
    m.y0 = margin - top * m.sy;

    c.setPen(kSurround);
    c.setBrush(kSurround);
    c.rectangle(0, 0, c.width(), c.height());
    c.setPen(colour::black);
    c.setBrush(colour::white);
    c.rectangle(m.x(0), m.y(0), m.x(2000), std::max(m.y(2800), c.height() + 1));

    const int gapX = std::max(1, roundEven(g.largeur * m.sx / 20)), gapY = std::max(1, roundEven(g.hauteur * m.sy / 20));
    for (int r = 1; r <= rows; ++r) {
        for (int col = 1; col <= g.across; ++col) {
            const double cx = g.margeD + (col - 1) * g.largeur, cy = g.margeH + (r - 1) * g.hauteur;
            const bool out = outside(cx - g.largeur / 2.0, cy - g.hauteur / 2.0, cx + g.largeur / 2.0,
                                     cy + g.hauteur / 2.0);
            c.setPen(out ? colour::red : colour::black, out ? 2 : 1);
            c.setBrush(out ? kOutside : colour::white);
            c.roundRect(m.x(cx - g.largeur / 2.0) + gapX, m.y(cy - g.hauteur / 2.0) + gapY,
                        m.x(cx + g.largeur / 2.0) - gapX, m.y(cy + g.hauteur / 2.0) - gapY, 4 * gapX, 4 * gapY);
        }
    }
    c.clearBrush();

    // The first label: its margin and width in blue, its margin and height in red.
    const int head = std::max(3, margin / 2);
    const int cx = m.x(g.margeD), cy = m.y(g.margeH);
    c.setPen(colour::blue, 2);
    arrow(c, m.x(0), cy, cx, cy, head);
    const int across = m.y(g.margeH + g.hauteur / 4.0);
    arrow(c, m.x(g.margeD - g.largeur / 2.0), across, m.x(g.margeD + g.largeur / 2.0), across, head);
    c.setPen(colour::red, 2);
    arrow(c, cx, m.y(0), cx, cy, head);
    const int down = m.x(g.margeD + g.largeur / 4.0);
    arrow(c, down, m.y(g.margeH - g.hauteur / 2.0), down, m.y(g.margeH + g.hauteur / 2.0), head);

    if (labelsOverflow(g)) {
        Font f;
        f.name = "Arial";
        f.pixels = true;
        f.size = std::max(11, margin);
        f.bold = true;
        f.colour = colour::red;
        c.setFont(f);
        c.setTextBackground(colour::white);
        c.text(margin, c.height() - margin - c.textHeight(kOverflowText), kOverflowText);
        c.clearTextBackground();
    }
}

}  // namespace vrek
