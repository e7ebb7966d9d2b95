// The solver program's inputs: the command on its standard input, the
// exchange file it names and the request lines of its table mode. The first
// byte says which reader takes the rest. Whatever is accepted is a whole
// deal of 52 different cards, the one a sound writer would have sent.
#include <bit>

#include "fuzzcheck.h"
#include "verify/bridge/exchangereader.h"
#include "verify/bridge/tablemode.h"
#include "verify/exchange.h"

using fuzzcheck::require;

namespace {

void requireWholeDeal(const unsigned (&cards)[4][4]) {
    unsigned all[4] = {};
    for (int hand = 0; hand < 4; ++hand) {
        int count = 0;
        for (int suit = 0; suit < 4; ++suit) {
            require((cards[hand][suit] & ~0x7FFCu) == 0, "a card of no rank");
            require((all[suit] & cards[hand][suit]) == 0, "a card in two hands");
            all[suit] |= cards[hand][suit];
            count += std::popcount(cards[hand][suit]);
        }
        require(count == 13, "a hand without 13 cards");
    }
}

}  // namespace

VREK_FUZZ_TARGET(exchange) {
    if (size < 1) return;
    const std::string bytes(reinterpret_cast<const char *>(data) + 1, size - 1);
    std::string error, path;
    switch (data[0] % 3) {
    case 0:
        if (bridge::parseCommand(bytes, path, error)) {
            require(!path.empty() && path.find('\0') == std::string::npos, "a command naming no file");
            // What vrek would send for that file reads back to it.
            if (const auto c = vrek::solverCommand(path)) {
                std::string again;
                require(bridge::parseCommand(*c, again, error) && again == path, "a command that does not read back");
            }
        } else {
            require(!error.empty(), "a command refused without a message");
        }
        break;
    case 1: {
        bridge::Problem p;
        if (!bridge::parseExchange(bytes, p, error)) {
            require(error.rfind("ligne ", 0) == 0 || error.rfind("incomplet", 0) == 0 || error.rfind("trop grand", 0) == 0,
                    "an exchange file refused without saying where");
            break;
        }
        requireWholeDeal(p.cards);
        require(p.declarer >= 0 && p.declarer < 4 && p.strain >= 0 && p.strain <= 4, "a contract out of range");
        require(p.leadRank >= 2 && p.leadRank <= 14 && (p.cards[p.leader()][p.leadSuit] >> p.leadRank & 1),
                "a lead the leader does not hold");
        break;
    }
    default: {
        bridge::TableRequest r;
        if (!bridge::parseTableRequest(bytes, r, error)) {
            require(!error.empty(), "a request refused without a message");
            break;
        }
        requireWholeDeal(r.cards);
        require(!r.tag.empty() && r.tag.find_first_of(" \t\r\n") == std::string::npos, "a tag that splits the answer");
        require(r.dealer >= 0 && r.dealer < 4 && r.vulnerable >= 0 && r.vulnerable < 4, "dealer or vulnerability out of range");
        break;
    }
    }
}
