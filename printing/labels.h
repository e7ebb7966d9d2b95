// Board labels: a small diagram of one deal with its number, dealer and
// vulnerability, on sheets of n x m stickers; the geometry of the sheet and
// the rules of its parameter dialog.
#pragma once
#include <string>

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

// One label of deal d centred on (x0, y0), W x H pixels.
void drawLabel(Canvas &c, const Series &s, int deal, int x0, int y0, int width, int height, const PrintStyle &st);

struct LabelRun {
    int from = 1, to = 1;  // deals
    int startLabel = 1;    // position of the first label on the first sheet
    bool title = true;     // series title at the top of the first sheet
    PrintStyle style;
    LabelGeometry geometry;
};
// "VREK:Etiquettes1", "VREK:Etiquettes2" ...
std::string labelTitle(int sheet);
// One document per sheet. False when the canvas failed.
bool printLabels(Canvas &c, const Series &s, const LabelRun &run);

}  // namespace vrek
