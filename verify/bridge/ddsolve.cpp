#include "verify/bridge/ddsolve.h"

#include <dds/dll.h>

namespace bridge {

namespace {

void initOnce() {
    // One solve needs one thread; a modest memory cap keeps the fresh
    // process's set-up short (the library's own default sizes for every core).
    // Below about 30 MB DDS has no thread at all and ends the process.
    static bool done = (SetResources(50, 1), true);
    (void)done;
}

}  // namespace

int nsTricksAfterLead(const Problem &p, std::string &error) {
    initOnce();
    deal d{};
    d.trump = p.strain;
    d.first = p.leader();
    d.currentTrickSuit[0] = p.leadSuit;
    d.currentTrickRank[0] = p.leadRank;
    for (int h = 0; h < 4; ++h)
        for (int s = 0; s < 4; ++s) d.remainCards[h][s] = p.cards[h][s];
    // A card on the table is no longer in the hand.
    d.remainCards[p.leader()][p.leadSuit] &= ~(1u << p.leadRank);

    futureTricks f{};
    int rc = SolveBoard(d, -1, 1, 1, &f, 0);
    if (rc != RETURN_NO_FAULT) {
        char text[80] = {};
        ErrorMessage(rc, text);
        error = "le solveur DDS a échoué (code " + std::to_string(rc) + " : " + text + ")";
        return -1;
    }
    // The score belongs to the side to play next: the declarer's.
    int declarerSide = f.score[0];
    if (declarerSide < 0 || declarerSide > 13) {
        error = "le solveur DDS a rendu un nombre de levées invalide (" + std::to_string(declarerSide) + ")";
        return -1;
    }
    return p.declarer % 2 == 0 ? declarerSide : 13 - declarerSide;
}

}  // namespace bridge
