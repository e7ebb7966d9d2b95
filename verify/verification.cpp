#include "verify/verification.h"

#include <cstdio>

#include "core/fileio.h"
#include "verify/exchange.h"
#include "verify/lead.h"

namespace vrek {

std::string refusalOf(const Deal &deal, int declarer) {
    if (declarer < North || declarer > West) return "Le déclarant doit être Nord, Est, Sud ou Ouest.";
    if (deal.damaged()) return "La donne est endommagée : vérification impossible.";
    const int leader = leaderOf(declarer);
    if (deal.hand(leader).cards() == 0)
        return std::string("L'entameur (") + seatName(leader) + ") n'a aucune carte : vérification impossible.";
    if (deal.cards() != 52)
        return "La donne n'est pas complète (" + std::to_string(deal.cards()) +
               " cartes sur 52) : vérification impossible.";
    bool seen[4][15] = {};
    for (int seat = North; seat <= West; ++seat) {
        if (deal.hand(seat).cards() != 13) return "Les mains n'ont pas toutes 13 cartes : vérification impossible.";
        for (int suit = Clubs; suit <= Spades; ++suit) {
            const Holding &h = deal.holding(seat, suit);
            for (int k = 1; k <= h.count; ++k) {
                if (seen[suit - 1][h.rank(k)]) return "La donne contient deux fois la même carte : vérification impossible.";
                seen[suit - 1][h.rank(k)] = true;
            }
        }
    }
    return {};
}

Verification verifyContract(const Deal &deal, int board, const ContractChoice &choice,
                            const std::string &exchangePath, const SolverRunner &runner,
                            const std::string &program) {
    Verification v;
    v.error = refusalOf(deal, choice.declarer);
    if (!v.error.empty()) return v;
    if (choice.level < 1 || choice.level > 7) {
        v.error = "Le niveau du contrat doit être compris entre 1 et 7.";
        return v;
    }
    v.lead = leadFor(deal, choice.declarer, choice.lead);

    auto command = solverCommand(exchangePath);
    if (!command) {
        v.error = "Le chemin du fichier d'échange est trop long pour le programme de calcul : " + exchangePath;
        return v;
    }
    std::string err = writeFileAtomic(exchangePath, exchangeText(deal, choice.declarer, choice.strain, v.lead));
    if (!err.empty()) {
        v.error = err;
        std::remove(exchangePath.c_str());
        return v;
    }
    SolverRun run = runner(*command);
    std::remove(exchangePath.c_str());

    SolverAnswer a = interpretSolverRun(run, program, kSolverTimeoutMs);
    if (!a.ok()) {
        v.error = a.message;
        return v;
    }
    Doubling dbl = choice.doubled ? Doubling::Doubled : Doubling::None;
    v.nsTricks = a.nsTricks;
    v.tricks = declarerTricks(a.nsTricks, choice.declarer);
    v.score = duplicateScore(choice.level, choice.strain, dbl, declarerVulnerable(board, choice.declarer), v.tricks);
    v.result = resultText(choice.level, choice.strain, dbl, choice.declarer, v.tricks, v.lead);
    v.ok = true;
    return v;
}

void storeResult(Series &s, int board, const std::string &result) {
    const int line = contractLine(board);
    s.setLine(line, makeContractLine(result, lineCountsOf(s.line(line))));
}

BoardsRun verifyBoards(const Series &s, const std::vector<int> &boards, const std::string &exchangePath,
                       const SolverRunner &runner, const std::string &program,
                       const std::function<void(const BoardResult &)> &onBoard) {
    BoardsRun out;
    for (int b : boards) {
        if (b < 1 || b > kBoards) continue;
        BoardResult r;
        r.board = b;
        r.choice = parseContractLine(s.line(contractLine(b)));
        if (!refusalOf(s.deal(b), r.choice.declarer).empty()) {
            out.skipped.push_back(b);
            continue;
        }
        r.v = verifyContract(s.deal(b), b, r.choice, exchangePath, runner, program);
        if (!r.v.ok) {
            out.failedBoard = b;
            out.error = r.v.error;
            return out;
        }
        r.choice.lead = r.v.lead;
        if (onBoard) onBoard(r);
        out.done.push_back(std::move(r));
    }
    return out;
}

std::string skippedMessage(const std::vector<int> &boards) {
    if (boards.empty()) return {};
    std::string t = boards.size() == 1 ? "Donne non vérifiée car incomplète : " : "Donnes non vérifiées car incomplètes : ";
    for (size_t i = 0; i < boards.size(); ++i) t += (i ? ", " : "") + std::to_string(boards[i]);
    return t + ".";
}

std::string reportLine(const BoardResult &r) {
    std::string contract = std::to_string(r.choice.level) + strainText(r.choice.strain) + (r.choice.doubled ? "*" : "");
    std::string lead;
    lead += frenchRank(r.choice.lead % 100);
    lead += suitLetter(r.choice.lead / 100);
    char buf[160];
    std::snprintf(buf, sizeof buf, "%2d  %-4s  %c  %s  %2d  %5d  ", r.board, contract.c_str(),
                  seatLetter(r.choice.declarer), lead.c_str(), r.v.tricks, r.v.score);
    return buf + r.v.result;
}

}  // namespace vrek
