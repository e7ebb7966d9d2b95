// Board labels: a small diagram of one deal with its number, dealer and
// vulnerability, on sheets of n x m stickers; the geometry of the sheet and
// the rules of its parameter dialog.
#pragma once
#include <string>
#include <vector>

#include "core/series.h"
#include "core/settings.h"
#include "printing/printstyle.h"

namespace vrek {

// Lengths in page units.
struct LabelGeometry {
    int across = 3;     // Ligne: labels across a sheet
    int margeD = 390;   // x of the centre of the first column
    int largeur = 700;  // distance between centres across
    int down = 4;       // Colonne: labels down a sheet
    int margeH = 468;   // y of the centre of the first row
    int hauteur = 677;  // distance between centres down

    int perSheet() const { return across * down; }
    bool operator==(const LabelGeometry &) const = default;
};

// The ranges of the counts across and down.
constexpr int kMinAcross = 2, kMaxAcross = 6, kMinDown = 4, kMaxDown = 8;

// The geometry of the settings, counts brought within their ranges.
LabelGeometry labelGeometry(const Settings &s);
void storeLabelGeometry(Settings &s, const LabelGeometry &g);
// The keys of section "Etiquettes", written at once by the parameter dialog.
void writeLabelGeometry(IniFile &ini, const LabelGeometry &g);

// A new count across (2 .. 6) or down (4 .. 8) spreads the labels evenly.
void setAcross(LabelGeometry &g, int n);
void setDown(LabelGeometry &g, int m);

// Centre of the label in column c and row r (from 1), in pixels.
int labelCentreX(const LabelGeometry &g, const PageUnits &u, int column);
int labelCentreY(const LabelGeometry &g, const PageUnits &u, int row);

// The largest font size from 39 pt down whose fourteen lines fit the label's
// height and whose 22 characters fit its width; 4 pt when none fits.
constexpr int kSmallestLabelSize = 4;
int labelFontSize(Canvas &c, int width, int height);

// Where a label's texts may go, in pixels: its place on the sheet, within
// the printable area and below the sheet's title.
struct LabelBox {
    int left = 0, top = 0, right = 0, bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
};
// The box of the label in column c and row r; `below` is the bottom of the
// title over the sheet (0 without one).
LabelBox labelBox(const LabelGeometry &g, const Canvas &c, int column, int row, int below = 0);

// One label of deal d in its box, around the box's centre as far as the box
// allows. False, with nothing drawn, when its texts cannot fit the box.
bool drawLabel(Canvas &c, const Series &s, int deal, int x0, int y0, const LabelBox &box, const PrintStyle &st);

struct LabelRun {
    int from = 1, to = 1;    // deals
    std::vector<int> deals;  // or these deals, when there are some
    int startLabel = 1;    // position of the first label on the first sheet
    bool title = true;     // series title at the top of the first sheet
    PrintStyle style;
    LabelGeometry geometry;
};
// The deals the run prints, in order.
std::vector<int> labelDeals(const LabelRun &run);
// "VREK:Etiquettes1", "VREK:Etiquettes2" ...
std::string labelTitle(int sheet);
// What stops the labels of a sheet of this geometry from holding their
// texts on this canvas (a label off the page or too small), as a French
// message; "" when every label fits, under the series title too when
// `title` is set.
std::string labelSheetProblem(Canvas &c, const Series &s, const LabelGeometry &g, bool title);
// One document per sheet. False when the canvas failed or when the sheet
// has a problem (then nothing is drawn).
bool printLabels(Canvas &c, const Series &s, const LabelRun &run);

}  // namespace vrek
