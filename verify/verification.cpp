#include "verify/verification.h"

#include <cerrno>
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

Verification scoreAnswer(int board, const ContractChoice &choice, int lead, const SolverAnswer &a) {
    Verification v;
    v.lead = lead;
    if (!a.ok()) {
        v.error = a.message;
        return v;
    }
    Doubling dbl = choice.doubled ? Doubling::Doubled : Doubling::None;
    v.nsTricks = a.nsTricks;
    v.tricks = declarerTricks(a.nsTricks, choice.declarer);
    v.score = duplicateScore(choice.level, choice.strain, dbl, declarerVulnerable(board, choice.declarer), v.tricks);
    v.result = resultText(choice.level, choice.strain, dbl, choice.declarer, v.tricks, lead);
    v.ok = true;
    return v;
}

std::string writeExchangeFile(const std::string &path, const std::string &text) {
    std::FILE *f = std::fopen(path.c_str(), "wb");
    if (!f) return "Impossible d'écrire le fichier d'échange « " + path + " » : " + errnoText(errno) + ".";
    const bool written = std::fwrite(text.data(), 1, text.size(), f) == text.size();
    const int e = errno;
    if (std::fclose(f) != 0 || !written) {
        std::remove(path.c_str());
        return "Impossible d'écrire le fichier d'échange « " + path + " » : " + errnoText(written ? errno : e) + ".";
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
    std::string err = writeExchangeFile(exchangePath, exchangeText(deal, choice.declarer, choice.strain, v.lead));
    if (!err.empty()) {
        v.error = err;
        return v;
    }
    SolverRun run = runner(*command);
    std::remove(exchangePath.c_str());
    return scoreAnswer(board, choice, v.lead, interpretSolverRun(run, program, kSolverTimeoutMs));
}

void storeResult(Series &s, int board, const std::string &result) {
    const int line = contractLine(board);
    s.setLine(line, makeContractLine(result, lineCountsOf(s.line(line))));
}

BoardStatus boardStatus(const Series &s, int board) {
    const Deal &deal = s.deal(board);
    if (deal.empty()) return BoardStatus::Empty;
    const std::string &line = s.line(contractLine(board));
    if (!refusalOf(deal, parseContractLine(line).declarer).empty()) return BoardStatus::Incomplete;
    if (contractTextOf(line).find_first_of("1234567") == std::string::npos) return BoardStatus::NoContract;
    return BoardStatus::Verify;
}

SeriesSolver oneProcessPerBoard(const std::string &exchangePath, const SolverRunner &runner, const std::string &program) {
    return [=](const std::vector<std::string> &texts, const AnswerSink &onAnswer) {
        auto command = solverCommand(exchangePath);
        for (size_t i = 0; i < texts.size(); ++i) {
            SolverAnswer a;
            std::string err = command ? writeExchangeFile(exchangePath, texts[i])
                                      : "Le chemin du fichier d'échange est trop long pour le programme de calcul : " +
                                            exchangePath;
            if (err.empty()) {
                a = interpretSolverRun(runner(*command), program, kSolverTimeoutMs);
                std::remove(exchangePath.c_str());
            } else {
                a.failure = SolverFailure::Exchange;
                a.message = err;
            }
            if (!onAnswer(i, a) || !a.ok()) return;
        }
    };
}

BoardsRun verifyBoards(const Series &s, const std::vector<int> &boards, const SeriesSolver &solver,
                       const std::function<void(const BoardResult &)> &onBoard) {
    BoardsRun out;
    std::vector<BoardResult> asked;
    std::vector<std::string> texts;
    for (int b : boards) {
        if (b < 1 || b > kBoards) continue;
        switch (boardStatus(s, b)) {
        case BoardStatus::Empty: continue;
        case BoardStatus::Incomplete: out.skipped.push_back(b); continue;
        case BoardStatus::NoContract: out.noContract.push_back(b); continue;
        case BoardStatus::Verify: break;
        }
        BoardResult r;
        r.board = b;
        r.choice = parseContractLine(s.line(contractLine(b)));
        r.choice.lead = leadFor(s.deal(b), r.choice.declarer, r.choice.lead);
        texts.push_back(exchangeText(s.deal(b), r.choice.declarer, r.choice.strain, r.choice.lead));
        asked.push_back(r);
    }
    if (texts.empty()) return out;
    solver(texts, [&](size_t i, const SolverAnswer &a) {
        if (i >= asked.size()) return false;
        BoardResult r = asked[i];
        r.v = scoreAnswer(r.board, r.choice, r.choice.lead, a);
        if (!r.v.ok) {
            out.failedBoard = r.board;
            out.error = r.v.error;
            return false;
        }
        if (onBoard) onBoard(r);
        out.done.push_back(std::move(r));
        return true;
    });
    if (out.ok() && out.done.size() != asked.size()) {
        // The solver stopped without a word: the first board left unanswered failed.
        out.failedBoard = asked[out.done.size()].board;
        out.error = "Le programme de calcul s'est arrêté sans répondre.";
    }
    return out;
}

namespace {
std::string boardList(const char *one, const char *many, const std::vector<int> &boards) {
    std::string t = boards.size() == 1 ? one : many;
    for (size_t i = 0; i < boards.size(); ++i) t += (i ? ", " : "") + std::to_string(boards[i]);
    return t + ".";
}
}  // namespace

std::string skippedMessage(const std::vector<int> &incomplete, const std::vector<int> &noContract) {
    std::string t;
    if (!incomplete.empty())
        t = boardList("Donne non vérifiée car incomplète : ", "Donnes non vérifiées car incomplètes : ", incomplete);
    if (!noContract.empty())
        t += (t.empty() ? "" : "\n") +
             boardList("Donne non vérifiée car sans contrat : ", "Donnes non vérifiées car sans contrat : ", noContract);
    return t;
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
