// The fairness report on paper: one page with the tests, the sentence and
// each test's classes, observed against expected. It draws on the page in
// hand, so that it can close the statistics printout or stand in another
// document.
#pragma once
#include <string>

#include "platform/canvas.h"
#include "stats/fairness.h"

namespace vrek::fairness {

// Draws the report on the current page.
void drawFairnessPage(Canvas &c, const Report &r, const std::string &decimalPoint);

// The page alone as a document titled "VREK:Equite". False when the output
// could not be opened or written.
bool printFairness(Canvas &c, const Report &r, const std::string &decimalPoint);

}  // namespace vrek::fairness
