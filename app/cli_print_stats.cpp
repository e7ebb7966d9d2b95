// `vrek print stats`: the statistics report as the window prints it.
#include <QLocale>

#include "app/cli_print.h"
#include "core/cp1252.h"
#include "stats/fairnessprint.h"
#include "stats/statistics.h"
#include "stats/statsprint.h"

namespace cli::print {
namespace {

Prepared statistics(const Request &r) {
    using vrek::stats::Mode;
    if (r.options.has("--full") && r.options.has("--theory")) return Prepared::usage("--full ou --theory, pas les deux");
    const Mode mode = r.options.has("--full") ? Mode::FullRecord : r.options.has("--theory") ? Mode::Theory : Mode::Observed;
    const std::string point = QLocale().decimalPoint().toStdString();
    if (r.options.has("--fairness") && mode == Mode::Theory) return Prepared::usage("--fairness ne vaut pas avec --theory");
    const bool fairness = r.options.has("--fairness");
    const std::vector<int> boards = vrek::eveningBoards(r.settings);
    return {0, {}, [&s = r.series, mode, point, fairness, boards](vrek::Canvas &c) {
                const auto st = vrek::stats::computeStatistics(s, mode, point, boards);
                std::function<void(vrek::Canvas &)> last;
                if (fairness) {
                    vrek::fairness::Sample sample;
                    sample.add(s, boards);
                    last = [report = vrek::fairness::fairnessReport(sample), point](vrek::Canvas &page) {
                        vrek::fairness::drawFairnessPage(page, report, point);
                    };
                }
                return vrek::stats::printStatistics(c, st, vrek::stats::captionFor(mode, vrek::cp1252ToUtf8(s.line(0))),
                                                    last);
            }};
}

const KindRegistrar kStats{{"stats", "stats SERIES.vrk -o FILE.pdf [--full | --theory] [--fairness]", {},
                            {"--full", "--theory", "--fairness"}, statistics}};

}  // namespace
}  // namespace cli::print
