// The statistics printout: the three tables, the frequency of special hands
// and deals and the seats' average points (one or two pages), or the
// theoretical tables alone.
#pragma once
#include <functional>
#include <string>

#include "platform/canvas.h"
#include "stats/statistics.h"

namespace vrek::stats {

// "VREK:Statistiques", or "VREK:Probabilités" for the theory alone.
std::string statisticsJobTitle(Mode m);

// Draws the tables as they stand (sorted as the user left them) as one
// document; `caption` is the window's caption (UTF-8). `lastPage`, when
// given, draws one more page at the end (the fairness report). False when
// the output could not be opened or written.
bool printStatistics(Canvas &c, const Statistics &st, const std::string &caption,
                     const std::function<void(Canvas &)> &lastPage = {});

}  // namespace vrek::stats
