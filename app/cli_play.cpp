#include "app/cli_play.h"

#include <QCoreApplication>
#include <memory>

#include "app/cli.h"
#include "platform/platform.h"
#include "verify/vrplayanalysis.h"

namespace cli {

namespace {

int suitOfLetter(char c) {
    switch (c) {
    case 'T': return vrek::Clubs;
    case 'K': return vrek::Diamonds;
    case 'C': return vrek::Hearts;
    case 'P': return vrek::Spades;
    default: return 0;
    }
}

int rankOfLetter(char c) {
    for (int r = 2; r <= 14; ++r)
        if (vrek::frenchRank(r) == c) return r;
    return 0;
}

}  // namespace

bool parseCardList(const std::string &list, std::vector<int> &out, std::string &bad) {
    size_t start = 0;
    while (start <= list.size()) {
        const size_t end = std::min(list.find(',', start), list.size());
        const std::string t = list.substr(start, end - start);
        const int rank = t.size() == 2 ? rankOfLetter(t[0]) : 0;
        const int suit = t.size() == 2 ? suitOfLetter(t[1]) : 0;
        if (!rank || !suit) {
            bad = t;
            return false;
        }
        out.push_back(vrek::cardCode(suit, rank));
        start = end + 1;
    }
    return true;
}

int playCards(vrek::TeachDisplay &d, const std::vector<int> &cards) {
    for (int card : cards) {
        const int suit = card / 100, rank = card % 100;
        const std::string name = vrek::cardText(card);
        int holder = 0;
        for (int p = 1; p <= 4; ++p)
            for (int k = 1; k <= vrek::kMaxHolding; ++k)
                if (d.rankAt(p, suit, k) == rank) holder = p;
        if (!holder) return fail("Carte « " + name + " » : aucune main ne la tient (déjà jouée ou pas distribuée).");
        if (!d.playCard(suit, rank)) return fail("Carte « " + name + " » : ce n'est pas à " + d.names[holder - 1] + " de jouer.");
    }
    return 0;
}

int solveDisplay(const vrek::TeachDisplay &d, const vrek::PlayContract &c, vrek::PlayPosition &position,
                 vrek::PlayAnalysis &out) {
    std::string why;
    if (!vrek::displayPosition(d, c, position, why))
        return fail("Donne " + std::to_string(d.board) + " : pas de double mort. " + why);
    // Processes need an application object.
    const auto app = batchApplication();
    VrPlayAnalysis solver(platform());
    QString error;
    if (!solver.analyseAndWait(position, out, error)) return fail(error.toStdString());
    return 0;
}

}  // namespace cli
