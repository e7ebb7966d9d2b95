// `vrek analyse`: the double-dummy table and par of each complete board.
#include "app/cli_analyse.h"

#include <QCoreApplication>
#include <cstdio>
#include <memory>

#include "app/cli.h"
#include "app/cli_play.h"
#include "core/seriesfile.h"
#include "platform/platform.h"
#include "verify/vranalysis.h"

namespace cli {

bool analyseBoards(const vrek::Series &s, const std::vector<int> &boards, std::map<int, vrek::DealAnalysis> &out,
                   std::vector<int> &incomplete, std::string &error) {
    // Processes need an application object.
    const auto app = batchApplication();
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

cli::CliRegistrar reg({"analyse",
                       "analyse SERIES.vrk [--boards LIST | --board N [--play CARDS] [--contract 4P] [--declarer S]]",
                       "donne les levées au double mort et le par de chaque donne complète, ou ce que fait chaque "
                       "carte du joueur au tour après les cartes jouées",
                       analyse});

std::string boardNames(const char *one, const char *many, const std::vector<int> &boards) {
    std::string t = boards.size() == 1 ? one : many;
    for (size_t i = 0; i < boards.size(); ++i) t += (i ? ", " : "") + std::to_string(boards[i]);
    return t + ".";
}

// "--board N [--play CARDS]": the seat on turn, then each legal card and
// the tricks the declaring side takes in all after it.
int analysePlay(const cli::Command &me, const cli::Options &o) {
    const std::string boardText = o.value("--board");
    if (!o.has("--board") || boardText.empty() || boardText.size() > 2 ||
        boardText.find_first_not_of("0123456789") != std::string::npos || std::stoi(boardText) < 1 ||
        std::stoi(boardText) > vrek::kBoards)
        return cli::usageError(me, "numéro de donne manquant ou invalide (--board 1 à 96)");
    if (o.has("--boards")) return cli::usageError(me, "--boards et --board ne vont pas ensemble");
    const int board = std::stoi(boardText);
    std::vector<int> cards;
    std::string err;
    if (o.has("--play") && !cli::parseCardList(o.value("--play"), cards, err))
        return cli::usageError(me, "carte invalide (rang A R D V X 9 … 2 puis couleur T K C P) : « " + err + " »");
    const std::string contract = o.value("--contract");
    const bool wholeContract = contract.size() == 2 || (contract.size() == 3 && contract.compare(1, 2, "SA") == 0);
    if (o.has("--contract") && (vrek::strainOfContract(contract) < 0 || !wholeContract))
        return cli::usageError(me, "contrat invalide (--contract, niveau 1 à 7 puis SA P C K T) : " + contract);
    if (o.has("--declarer") && !vrek::seatOfLetter(o.value("--declarer")))
        return cli::usageError(me, "déclarant invalide (--declarer N, E, S ou O) : " + o.value("--declarer"));

    vrek::Series s;
    if (int rc = cli::readSeries(o.positional[0], s)) return rc;
    vrek::TeachDisplay d;
    d.load(s, board, cli::absolutePath(o.positional[0]));
    if (o.has("--contract")) d.contract = contract;  // its trumps win the tricks too
    if (int refused = cli::playCards(d, cards)) return refused;
    vrek::PlayContract c = vrek::playContractOf(d);
    if (o.has("--declarer")) c.declarer = vrek::seatOfLetter(o.value("--declarer"));
    vrek::PlayPosition position;
    vrek::PlayAnalysis a;
    if (int failed = cli::solveDisplay(d, c, position, a)) return failed;

    static const char *const names[4] = {"Nord", "Est", "Sud", "Ouest"};
    std::printf("%s\n", names[a.seat - 1]);
    for (int card : vrek::legalCards(position))
        for (const vrek::CardTricks &t : a.cards)
            if (t.card == card) std::printf("%s\t%d\n", vrek::cardText(card).c_str(), t.tricks);
    return 0;
}

int analyse(const std::vector<std::string> &args) {
    const cli::Command &me = cli::command("analyse");
    cli::Options o;
    std::string err;
    if (!cli::parseOptions(args, {"--boards", "--board", "--play", "--contract", "--declarer"}, {}, o, err) ||
        o.positional.size() != 1)
        return cli::usageError(me, err);
    for (const char *play : {"--board", "--play", "--contract", "--declarer"})
        if (o.has(play)) return analysePlay(me, o);
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
