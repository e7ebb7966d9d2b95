// Reading the deals of a PBN file back, tolerant of what PBN 2.1 allows:
// comments, inherited values, unknown values, a deal given from any seat or
// with three hands, games without a board number, and the double-dummy tags.
#pragma once
#include <string>
#include <vector>

#include "formats/importdeal.h"

namespace vrek {

// The cards of a [Deal] value ("N:AKQ.JT9.876.5432 - ..." from any seat,
// a hand "-" not given) into the builder, then the hand rules of
// DealBuilder::finish (a partial deal is kept). False with its error set.
bool pbnDealCards(const std::string &value, DealBuilder &deal);

// The boards 1 .. 96 of the games whose deal can be read. A game takes its
// number from [Board], or its place among the file's deals without it.
// Bytes with no [Deal] tag at all are not a PBN file.
ImportScan scanPbn(const std::string &bytes);

// The chosen boards' deals, in file order, each with the analysis its tags
// give; every game whose deal cannot be read is named by its line in
// `skipped`. A board given twice with the same cards is read once.
ImportRead readPbn(const std::string &bytes, const std::vector<int> &boards);

}  // namespace vrek
