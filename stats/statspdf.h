// The statistics printout on a Qt printer, and written into a PDF file for
// the batch command. Both need a QGuiApplication for the fonts.
#pragma once
#include <QString>

#include "core/series.h"
#include "stats/statistics.h"
#include "stats/statsprint.h"

class QPrinter;

// Prints the tables as they stand on a printer the print dialog accepted,
// with `lastPage` drawing one more page when given.
bool printStatisticsOn(QPrinter &printer, const vrek::stats::Statistics &st, const QString &caption,
                       const std::function<void(vrek::Canvas &)> &lastPage = {});

// The statistics of `series` in `mode`, as the window shows them on
// activation, printed into the PDF file `path` (replaced only once written
// whole). The locale's decimal separator. On failure `error` holds a French
// message.
bool writeStatisticsPdf(const QString &path, const vrek::Series &series, vrek::stats::Mode mode,
                        QString *error = nullptr);
