#include "platform/canvas.h"

namespace vrek {

const char *suitSign(int suit) {
    switch (suit) {
    case 1: return "\u2663";
    case 2: return "\u2666";
    case 3: return "\u2665";
    case 4: return "\u2660";
    default: return "";
    }
}

Rgb printSuitColour(int suit, bool colourMode) {
    if (!colourMode) return colour::black;
    switch (suit) {
    case 1: return colour::navy;
    case 2: return colour::maroon;
    case 3: return colour::red;
    default: return colour::black;
    }
}

}  // namespace vrek
