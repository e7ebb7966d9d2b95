// The picture of the label sheet in the parameter dialog: the top half of
// the page with the labels of its rows, arrows for the first label's margin
// and size, and the labels that go past the page's edges.
#pragma once
#include "platform/canvas.h"
#include "printing/labels.h"

namespace vrek {

// Whether some label of the sheet reaches outside the 2000 x 2800 units of the page.
bool labelsOverflow(const LabelGeometry &g);
// Draws on the whole canvas (a widget's area, in pixels).
void drawLabelPreview(Canvas &c, const LabelGeometry &g);

extern const char *const kOverflowText;  // written on the picture when labels overflow

}  // namespace vrek
