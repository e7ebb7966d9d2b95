// The Duplimate DLM file: an INI-like header, one encoded line per board
// with its checksum, and filler boards up to 99.
#pragma once
#include <string>

#include "formats/cardorder.h"
#include "formats/exports.h"

namespace vrek {

// 26 letters, one per pair of cards: 'a' + 4 x (owner1 - 1) + (owner2 - 1).
std::string dlmBoardLetters(const CardOwners &owners);
// Exclusive or of an 8-bit seed with every byte of the text.
int dlmChecksum(int seed, const std::string &text);
// "Board 01=" + letters + checksum of board b, three digits.
std::string dlmBoardLine(int board, const std::string &letters);

// New file, or in append mode the 96-board file of opt.existing extended.
ExportOutput writeDlm(const Series &s, const Selection &sel, const ExportOptions &opt);

}  // namespace vrek
