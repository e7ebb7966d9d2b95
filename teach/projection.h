// The picture the class sees on the projector: 1600 x 1200 pixels drawn from
// the master display's state on any page canvas.
#pragma once
#include <optional>
#include <string>
#include <utility>

#include "platform/canvas.h"
#include "teach/display.h"

namespace vrek {

constexpr int kPictureWidth = 1600;
constexpr int kPictureHeight = 1200;
// The optional background picture, looked for in the program's folder.
constexpr const char *kBackgroundFile = "Vrek_Fond_projecteur.bmp";
// The plain background's credit line.
constexpr const char *kCreditLine = "Vrek  -  Distributeur de mains de bridge";
constexpr Rgb kPlainBackground{248, 248, 240};

// The background picture file and its size in pixels; an empty path (or a
// file that cannot be read when drawing) gives the plain background.
struct ProjectorBackground {
    std::string path;
    int width = 0, height = 0;
};

// False for a BMP file whose pixels do not all lie within the file (cut
// short or with a damaged header); other files are left to the decoder.
bool bmpWhole(const std::string &bytes);
// Width and height of a BMP file whose pixels all lie within it; nullopt
// for anything else.
std::optional<std::pair<int, int>> bmpSize(const std::string &bytes);

// Draws the whole picture. The caller begins and ends the canvas document.
void drawProjector(Canvas &c, const TeachDisplay &d, const ProjectorBackground &bg);
// The same in two parts, so that a window can keep the background drawn
// once and draw only the rest after each click.
void drawBackground(Canvas &c, const ProjectorBackground &bg);
void drawForeground(Canvas &c, const TeachDisplay &d);

// Colour of the contract on the picture, from its second character.
Rgb contractColour(const std::string &contract);
// A hand's cards of one suit as drawn: French rank letters separated by blanks.
std::string suitLine(const Holding &h);
// A bid as drawn: its text without blanks, split at the first "*" into the
// plain part and the bold italic rest (the "*" itself is not drawn).
struct BidText {
    std::string plain, emphasised;
};
BidText bidText(const std::string &cell);

}  // namespace vrek
