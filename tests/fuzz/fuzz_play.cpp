// The play mode's two readers: vrek reading the solver's answer line, and the
// solver reading a position. The first byte says which. What is accepted
// must be something the program can show or the solver can ask DDS.
#include "fuzzcheck.h"
#include "verify/bridge/playmode.h"
#include "verify/playquestion.h"

using fuzzcheck::require;

VREK_FUZZ_TARGET(play) {
    if (size < 1) return;
    const std::string bytes(reinterpret_cast<const char *>(data) + 1, size - 1);
    if (data[0] % 2 == 0) {
        std::string tag, error;
        vrek::PlayAnalysis a;
        if (!vrek::parsePlayAnswerLine(bytes, tag, a, error)) return;
        require(!tag.empty(), "an answer without its tag");
        if (!error.empty()) return;
        require(a.seat >= vrek::North && a.seat <= vrek::West && !a.cards.empty() && a.cards.size() <= 13,
                "an answer with no seat or no card, or more than a hand");
        for (size_t i = 0; i < a.cards.size(); ++i) {
            const int suit = a.cards[i].card / 100, rank = a.cards[i].card % 100;
            require(suit >= 1 && suit <= 4 && rank >= 2 && rank <= 14, "a card that does not exist");
            require(a.cards[i].tricks >= 0 && a.cards[i].tricks <= 13, "a trick count out of range");
            for (size_t j = 0; j < i; ++j) require(a.cards[j].card != a.cards[i].card, "a card answered twice");
        }
        return;
    }
    bridge::PlayRequest r;
    std::string error;
    if (!bridge::parsePlayRequest(bytes, r, error)) {
        require(!error.empty(), "a position refused without a message");
        return;
    }
    require(r.strain >= 0 && r.strain <= 4 && r.declarer >= 0 && r.declarer <= 3 && r.leader >= 0 && r.leader <= 3 &&
                r.trickCards >= 0 && r.trickCards <= 3 && r.won >= 0 && r.won <= 13,
            "a position with a field out of range");
    unsigned seen[4] = {};
    int count[4] = {};
    for (int h = 0; h < 4; ++h)
        for (int s = 0; s < 4; ++s) {
            require((r.cards[h][s] & ~0x7FFCu) == 0 && (seen[s] & r.cards[h][s]) == 0, "a card twice or no card");
            seen[s] |= r.cards[h][s];
            count[h] += __builtin_popcount(r.cards[h][s]);
        }
    // Each hand holds what the trick in progress leaves it.
    for (int h = 0; h < 4; ++h) {
        const int played = ((h - r.leader + 4) % 4) < r.trickCards ? 1 : 0;
        require(count[h] + played == count[r.onTurn()] + ((r.onTurn() - r.leader + 4) % 4 < r.trickCards ? 1 : 0),
                "hands of different sizes");
    }
}
