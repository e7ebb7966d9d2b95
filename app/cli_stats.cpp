// `vrek stats`: the five tabs of the statistics window as text.
#include <QLocale>
#include <cstdio>

#include "app/cli.h"
#include "core/seriesfile.h"
#include "stats/statistics.h"

namespace {

int stats(const std::vector<std::string> &args);

cli::CliRegistrar reg({"stats", "stats SERIES.vrk [--full | --theory]",
                       "statistiques de la série face à la théorie (--full : toutes les valeurs, --theory : "
                       "la théorie seule)",
                       stats});

int stats(const std::vector<std::string> &args) {
    const cli::Command &me = cli::command("stats");
    cli::Options o;
    std::string err;
    if (!cli::parseOptions(args, {}, {"--full", "--theory"}, o, err) || o.positional.size() != 1)
        return cli::usageError(me, err);
    if (o.has("--full") && o.has("--theory")) return cli::usageError(me, "--full et --theory s'excluent");
    using vrek::stats::Mode;
    const Mode mode = o.has("--full") ? Mode::FullRecord : o.has("--theory") ? Mode::Theory : Mode::Observed;
    vrek::Series s;
    if (int rc = cli::readSeries(o.positional[0], s)) return rc;
    const std::string dp = QLocale::system().decimalPoint().toStdString();
    std::fputs(vrek::stats::statisticsReport(vrek::stats::computeStatistics(s, mode, dp)).c_str(), stdout);
    return 0;
}

}  // namespace
