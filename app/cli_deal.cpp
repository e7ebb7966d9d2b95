// `vrek deal`: completes boards of a series at random under constraint sets,
// as "Distribution Automatique" does, and saves the series.
#include <cstdio>

#include "app/cli.h"
#include "core/boardlist.h"
#include "core/seriesfile.h"
#include "core/constraints.h"
#include "dealing/dealer.h"
#include "dealing/dealkey.h"

namespace {

int deal(const std::vector<std::string> &args);

cli::CliRegistrar reg({"deal", "deal SERIES.vrk [--constraints FILE.vrc] [--boards LIST] [--key KEY.txt] [--verbose]",
                       "distribue au hasard les cartes manquantes sous contraintes et enregistre la série "
                       "(--verbose : une ligne par donne)",
                       deal});

// "3 donnes distribuées, toutes selon les contraintes." or the boards that
// did not meet them, by number.
std::string summary(size_t dealt, const std::vector<int> &unmet) {
    std::string t = std::to_string(dealt) + (dealt == 1 ? " donne distribuée" : " donnes distribuées");
    if (unmet.empty()) return t + (dealt == 1 ? ", selon les contraintes." : ", toutes selon les contraintes.");
    t += unmet.size() == 1 ? " ; contraintes non satisfaites pour la donne " : " ; contraintes non satisfaites pour les donnes ";
    for (size_t i = 0; i < unmet.size(); ++i) {
        if (i > 0) t += i + 1 == unmet.size() ? " et " : ", ";
        t += std::to_string(unmet[i]);
    }
    return t + ".";
}

int deal(const std::vector<std::string> &args) {
    const cli::Command &me = cli::command("deal");
    cli::Options o;
    std::string err;
    if (!cli::parseOptions(args, {"--constraints", "--boards", "--key"}, {"--verbose"}, o, err) || o.positional.size() != 1)
        return cli::usageError(me, err);
    auto list = cli::boardsOrEvening(o, err);
    if (!list) return cli::usageError(me, err);
    const std::vector<int> &boards = *list;

    // Everything is read and checked before any board is dealt; a bad key
    // does not even create the series.
    std::optional<vrek::DealingKey> key;
    if (o.has("--key")) {
        key = vrek::readKeyFile(o.value("--key"), err);
        if (!key) return cli::fail(err + " Rien n'a été distribué.");
    }
    const std::string &file = o.positional[0];
    vrek::Series s;
    vrek::SeriesLock lock;
    if (int rc = cli::takeSeries(file, s, lock)) return rc;
    vrek::ConstraintTable t;
    if (o.has("--constraints")) {
        std::string e = vrek::openConstraints(o.value("--constraints"), t);
        if (!e.empty()) return cli::fail(e);
    }
    for (int b : boards)
        if (!vrek::dealIsSound(s.deal(b)))
            return cli::fail("La donne " + std::to_string(b) + " de " + file +
                             " est endommagée (carte hors de 2 à 14, carte en double ou main de plus de 13 "
                             "cartes) : rien n'a été distribué.");

    vrek::SeriesProgress progress;
    if (o.has("--verbose"))
        progress.boardDone = [](const vrek::BoardOutcome &b) {
            std::printf("Donne %d : %u %s%s\n", b.board, b.attempts, b.attempts == 1 ? "itération" : "itérations",
                        b.satisfied ? "" : " (contraintes non satisfaites)");
            std::fflush(stdout);
        };
    auto out = key ? vrek::dealSeries(s, boards, t, *key, progress)
                   : vrek::dealSeries(s, boards, t, vrek::processRandom(), progress);
    std::printf("%s\n", summary(out.size(), vrek::unmetBoards(out)).c_str());
    std::fflush(stdout);

    std::string e = vrek::saveSeries(file, s);
    if (!e.empty()) return cli::fail(e);
    if (key) std::printf("Empreinte de la clé : %s\n", vrek::fingerprintOf(*key).c_str());
    // The deals are kept, as the window keeps them, but the run did not do
    // what was asked of it.
    std::string unmet = vrek::unmetConstraintsMessage(vrek::unmetBoards(out));
    if (!unmet.empty()) return cli::fail(unmet);
    return 0;
}

}  // namespace
