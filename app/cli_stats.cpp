// `vrek stats`: the five tabs of the statistics window as text.
#include <QLocale>
#include <cstdio>

#include "app/cli.h"
#include "core/seriesfile.h"
#include "stats/fairness.h"
#include "stats/statistics.h"

namespace {

int stats(const std::vector<std::string> &args);

cli::CliRegistrar reg({"stats", "stats SERIES.vrk [--full | --theory] | stats SERIES.vrk... --fairness [--boards LIST]",
                       "statistiques de la série face à la théorie (--full : toutes les valeurs, --theory : "
                       "la théorie seule, --fairness : tests d'équité d'une ou de plusieurs séries)",
                       stats});

// The fairness report of the complete boards of every series named (of
// LIST only, with --boards; else of the evening's).
int fairness(const cli::Options &o) {
    std::string err;
    auto boards = cli::boardsOrEvening(o, err);
    if (!boards) return cli::usageError(cli::command("stats"), err);
    vrek::fairness::Sample sample;
    for (const std::string &file : o.positional) {
        vrek::Series s;
        vrek::LoadResult r = vrek::readSeries(file, s);
        if (!r.ok) return cli::fail(r.error);
        sample.add(s, *boards);
    }
    const std::string dp = QLocale::system().decimalPoint().toStdString();
    for (const std::string &line : vrek::fairness::reportLines(vrek::fairness::fairnessReport(sample), dp))
        std::printf("%s\n", line.c_str());
    return 0;
}

int stats(const std::vector<std::string> &args) {
    const cli::Command &me = cli::command("stats");
    cli::Options o;
    std::string err;
    if (!cli::parseOptions(args, {"--boards"}, {"--full", "--theory", "--fairness"}, o, err) || o.positional.empty())
        return cli::usageError(me, err);
    if (o.has("--fairness")) {
        if (o.has("--full") || o.has("--theory")) return cli::usageError(me, "--fairness s'emploie sans --full ni --theory");
        return fairness(o);
    }
    if (o.positional.size() != 1) return cli::usageError(me, "une seule série sans --fairness");
    if (o.has("--boards")) return cli::usageError(me, "--boards ne vaut qu'avec --fairness");
    if (o.has("--full") && o.has("--theory")) return cli::usageError(me, "--full et --theory s'excluent");
    using vrek::stats::Mode;
    const Mode mode = o.has("--full") ? Mode::FullRecord : o.has("--theory") ? Mode::Theory : Mode::Observed;
    vrek::Series s;
    if (int rc = cli::readSeries(o.positional[0], s)) return rc;
    const std::string dp = QLocale::system().decimalPoint().toStdString();
    const std::vector<int> boards = mode == Mode::Theory ? std::vector<int>{} : cli::eveningBoards();
    std::fputs(vrek::stats::statisticsReport(vrek::stats::computeStatistics(s, mode, dp, boards)).c_str(), stdout);
    return 0;
}

}  // namespace
