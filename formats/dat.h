// The DeepFinesse DAT file: ten lines per deal.
#pragma once
#include <string>

#include "core/cards.h"
#include "formats/exports.h"

namespace vrek {

// Spades, hearts, diamonds, clubs, each its letters or "-", each followed by a blank.
std::string datHand(const Hand &h);

ExportOutput writeDat(const Series &s, const Selection &sel, const ExportOptions &opt);

}  // namespace vrek
