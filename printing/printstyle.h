// What every printout shares: the colour choice and the numbering, the
// dealer and vulnerability texts, holdings in French letters, the texts of
// the store made ready for the canvas, and centred or right-aligned text.
#pragma once
#include <functional>
#include <string>

#include "core/cards.h"
#include "core/inifile.h"
#include "platform/canvas.h"

namespace vrek {

// Progress of a drawing, for the dialogs' progress bars.
using Progress = std::function<void(int)>;

struct PrintStyle {
    bool colour = true;  // the shared choice "Imprime en": false black and white
    int numbering = 0;   // 0 from 1, 1 from 97

    int printed(int board) const { return board + 96 * numbering; }
    Rgb inColour(const Rgb &c) const { return colour ? c : colour::black; }
    Rgb boardColour() const { return inColour(colour::blue); }  // board labels and numbers
    Rgb ruleColour() const { return inColour(colour::green); }  // rules and compass letters
    Rgb suitColour(int suit) const { return printSuitColour(suit, colour); }
};

// The rank letters of a holding, highest first, French letters ("ARX2").
std::string frenchHolding(const Holding &h);

// Diagram and hand sheets: "N-" .. "O-" and "P", "NS", "EO", "T".
std::string dealerCode(int board);
std::string vulnerabilityCode(int board);
// Travellers: "Nord" .. "Ouest" and "Personne", "Nord-Sud", "Est-Ouest", "Tous".
std::string dealerName(int board);
std::string vulnerabilityName(int board);
// Labels: "NORD  " .. "OUEST  " and "PERS.", "N-S", "E-O", "TOUS".
std::string labelDealer(int board);
std::string labelVulnerability(int board);

// A line of the text store (Windows-1252) as the canvas wants it.
std::string printable(const std::string &storeBytes);

// Text whose left edge is x - (width div 2), and text whose right edge is x.
void centredText(Canvas &c, int x, int y, const std::string &utf8);
void rightText(Canvas &c, int x, int y, const std::string &utf8);
// The text as it fits in `width` pixels: the current font is made smaller a
// point at a time, down to `smallest`, and past that the text loses its last
// characters.
std::string fitText(Canvas &c, const std::string &utf8, int width, double smallest = 4);
// Text from x that ends at `right` at the latest, in a smaller font on the
// same baseline when it must (the font is given back afterwards).
void boundedText(Canvas &c, int x, int y, const std::string &utf8, int right);
// A title centred on x and kept between `left` and `right` (the page by
// default): moved sideways as little as needed, made smaller when wider than
// the room (the font is given back afterwards). Returns the bottom of its line.
int centredTitle(Canvas &c, int x, int y, const std::string &utf8, int left = 0, int right = -1);
// The shared colour choice, key `Imprimante` of section "Fonctionnement".
void writeColourChoice(IniFile &ini, int choice);

// Font name, size and style at once, colour kept.
void setFace(Canvas &c, const std::string &name, double size, bool bold = false, bool italic = false,
             bool underline = false);

}  // namespace vrek
