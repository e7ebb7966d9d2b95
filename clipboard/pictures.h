// Pictures of the current deal for the clipboard: one hand, the four hands,
// the opening lead. Each is measured first (the picture's size comes from the
// diagram font's metrics) and then drawn on a canvas of that size.
#pragma once
#include <string>

#include "core/cards.h"
#include "platform/canvas.h"

namespace vrek::clip {

struct Size {
    int width = 0, height = 0;
    bool operator==(const Size &) const = default;
};

// The diagram font: "Arial", or "Arial Black".
std::string diagramFont(bool arial);
// Suit colours of the pictures and rich texts: black spades and clubs, red hearts and diamonds.
Rgb suitColour(int suit);

Size handPictureSize(Canvas &c, bool arial);
void drawHandPicture(Canvas &c, const Hand &h, bool arial);

Size tablePictureSize(Canvas &c, bool arial);
void drawTablePicture(Canvas &c, const Deal &d, bool arial);

// The lead is what follows the word "entame" in the contract text (columns
// 0 .. 49 of the contract line): ranks then the suit sign. No picture when
// the word is absent.
bool hasLead(const std::string &contractLine);
Size leadPictureSize(Canvas &c, bool arial);
void drawLeadPicture(Canvas &c, const std::string &contractLine, bool arial);

}  // namespace vrek::clip
