// Plain-text rendering of a board, as the `show` command prints it (UTF-8).
#pragma once
#include <string>

#include "core/series.h"

namespace vrek {

std::string boardText(const Series &s, int board);
// "-", "NS", "EO" or "NSEO".
std::string vulnerabilityLetters(int board);

}  // namespace vrek
