// `vrek split`: both tables of the split calculator.
#include <QLocale>
#include <charconv>
#include <cstdio>

#include "app/cli.h"
#include "stats/splitcalc.h"

namespace {

int split(const std::vector<std::string> &args);

cli::CliRegistrar reg({"split", "split HELD [--left K] [--right K]",
                       "répartition des cartes manquantes d'une couleur (HELD 0 à 12 cartes possédées, K 0 à 13 "
                       "cartes connues)",
                       split});

// A whole number within [lo, hi], or -1.
int number(const std::string &s, int lo, int hi) {
    int v = -1;
    auto r = std::from_chars(s.data(), s.data() + s.size(), v);
    if (s.empty() || r.ec != std::errc() || r.ptr != s.data() + s.size() || v < lo || v > hi) return -1;
    return v;
}

int split(const std::vector<std::string> &args) {
    const cli::Command &me = cli::command("split");
    cli::Options o;
    std::string err;
    if (!cli::parseOptions(args, {"--left", "--right"}, {}, o, err) || o.positional.size() != 1)
        return cli::usageError(me, err);
    const int held = number(o.positional[0], 0, 12);
    if (held < 0) return cli::usageError(me, "HELD va de 0 à 12");
    const int left = o.has("--left") ? number(o.value("--left"), 0, 13) : 0;
    const int right = o.has("--right") ? number(o.value("--right"), 0, 13) : 0;
    if (left < 0 || right < 0) return cli::usageError(me, "les cartes connues vont de 0 à 13");
    const std::string dp = QLocale::system().decimalPoint().toStdString();
    std::fputs(vrek::stats::splitReport(vrek::stats::splitTables(held, left, right), dp).c_str(), stdout);
    return 0;
}

}  // namespace
