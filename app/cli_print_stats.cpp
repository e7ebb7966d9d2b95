// `vrek print stats`: the statistics report as the window prints it.
#include <QLocale>

#include "app/cli_print.h"
#include "core/cp1252.h"
#include "stats/statistics.h"
#include "stats/statsprint.h"

namespace cli::print {
namespace {

Prepared statistics(const Request &r) {
    using vrek::stats::Mode;
    if (r.options.has("--full") && r.options.has("--theory")) return Prepared::usage("--full ou --theory, pas les deux");
    const Mode mode = r.options.has("--full") ? Mode::FullRecord : r.options.has("--theory") ? Mode::Theory : Mode::Observed;
    const std::string point = QLocale().decimalPoint().toStdString();
    return {0, {}, [&s = r.series, mode, point](vrek::Canvas &c) {
                const auto st = vrek::stats::computeStatistics(s, mode, point);
                return vrek::stats::printStatistics(c, st, vrek::stats::captionFor(mode, vrek::cp1252ToUtf8(s.line(0))));
            }};
}

const KindRegistrar kStats{{"stats", "stats SERIES.vrk -o FILE.pdf [--full | --theory]", {}, {"--full", "--theory"}, statistics}};

}  // namespace
}  // namespace cli::print
