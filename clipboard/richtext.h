// One hand or the whole diagram as formatted text for a word processor:
// paragraphs in the suits' colours, suit signs in the Symbol font, ranks in
// the diagram font, all bold. The same text is given as RTF, HTML and plain
// text, the forms a word processor reads from the clipboard.
#pragma once
#include <string>
#include <vector>

#include "core/cards.h"
#include "platform/canvas.h"

namespace vrek::clip {

struct Run {
    std::string text;   // UTF-8; "\t" is a tab
    bool sign = false;  // a suit sign, in the Symbol font
};

struct Paragraph {
    Rgb colour;
    std::vector<Run> runs;
};

struct RichText {
    std::string font;  // the diagram font
    std::vector<Paragraph> paragraphs;
    std::vector<int> tabStops;  // twips; none: the word processor's own
};

// Four paragraphs, spades to clubs: the sign, a blank, the ranks.
RichText handRichText(const Hand &h, bool arial);
// Twelve paragraphs: North's four after a tab, West's and East's side by
// side (West, a tab, a tab, East), South's four after a tab.
RichText diagramRichText(const Deal &d, bool arial);

// Symbol font 14 points for the signs, the diagram font 12 points for the rest.
std::string toRtf(const RichText &t);
std::string toHtml(const RichText &t);
// Lines ending in "\n", the suit signs as Unicode characters.
std::string toPlain(const RichText &t);

}  // namespace vrek::clip
