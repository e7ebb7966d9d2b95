// `vrek show`: prints boards of a series without opening a window.
#include <cstdio>

#include "app/cli.h"
#include "core/boardlist.h"
#include "core/boardtext.h"
#include "core/seriesfile.h"

namespace {

int show(const std::vector<std::string> &args);

cli::CliRegistrar reg({"show", "show SERIES.vrk [--boards LIST]",
                       "affiche les donnes d'une série (LIST comme 1-32,40,45-48)", show});

int show(const std::vector<std::string> &args) {
    const cli::Command &me = cli::command("show");
    cli::Options o;
    std::string err;
    if (!cli::parseOptions(args, {"--boards"}, {}, o, err) || o.positional.size() != 1) {
        return cli::usageError(me, err);
    }
    auto list = cli::boardsOption(o, err);
    if (!list) return cli::usageError(me, err);
    const std::vector<int> &boards = *list;
    vrek::Series s;
    if (int rc = cli::readSeries(o.positional[0], s)) return rc;
    for (int b : boards) std::fputs((vrek::boardText(s, b) + "\n").c_str(), stdout);
    return 0;
}

}  // namespace
