// `vrek analyse`: the double-dummy table and par of each complete board.
#include "app/cli_analyse.h"

#include <QCoreApplication>
#include <cstdio>
#include <memory>

#include "app/cli.h"
#include "core/seriesfile.h"
#include "platform/platform.h"
#include "verify/vranalysis.h"

namespace cli {

bool analyseBoards(const vrek::Series &s, const std::vector<int> &boards, std::map<int, vrek::DealAnalysis> &out,
                   std::vector<int> &incomplete, std::string &error) {
    // Processes need an application object.
    std::unique_ptr<QCoreApplication> app;
    if (!QCoreApplication::instance()) {
        static int argc = 1;
        static char name[] = "vrek";
        static char *argv[] = {name, nullptr};
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    std::vector<std::pair<vrek::Deal, int>> deals;
    for (int b : boards) {
        if (b < 1 || b > vrek::kBoards || s.deal(b).empty()) continue;
        if (vrek::analysisKey(s.deal(b), b).empty()) incomplete.push_back(b);
        else deals.emplace_back(s.deal(b), b);
    }
    if (deals.empty()) return true;
    VrAnalysis analysis(platform());
    QString why;
    if (!analysis.analyseAndWait(deals, why)) {
        error = why.toStdString();
        return false;
    }
    for (const auto &[deal, board] : deals) out[board] = *analysis.find(deal, board);
    return true;
}

namespace {
struct Provide {
    Provide() { boardAnalyser() = &analyseBoards; }
} provide;
}  // namespace

}  // namespace cli

namespace {

int analyse(const std::vector<std::string> &args);

cli::CliRegistrar reg({"analyse", "analyse SERIES.vrk [--boards LIST]",
                       "donne pour chaque donne complète les levées au double mort et le par", analyse});

std::string boardNames(const char *one, const char *many, const std::vector<int> &boards) {
    std::string t = boards.size() == 1 ? one : many;
    for (size_t i = 0; i < boards.size(); ++i) t += (i ? ", " : "") + std::to_string(boards[i]);
    return t + ".";
}

int analyse(const std::vector<std::string> &args) {
    const cli::Command &me = cli::command("analyse");
    cli::Options o;
    std::string err;
    if (!cli::parseOptions(args, {"--boards"}, {}, o, err) || o.positional.size() != 1) return cli::usageError(me, err);
    auto list = cli::boardsOrEvening(o, err);
    if (!list) return cli::usageError(me, err);
    vrek::Series s;
    if (int rc = cli::readSeries(o.positional[0], s)) return rc;

    std::map<int, vrek::DealAnalysis> results;
    std::vector<int> incomplete;
    if (!cli::analyseBoards(s, *list, results, incomplete, err)) return cli::fail(err);
    for (const auto &[board, a] : results) std::printf("%s\n", vrek::analysisLine(board, a).c_str());
    if (!incomplete.empty())
        std::printf("%s\n", boardNames("Donne non analysée car incomplète : ", "Donnes non analysées car incomplètes : ",
                                       incomplete)
                                .c_str());
    return 0;
}

}  // namespace
