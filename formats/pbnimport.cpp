#include "formats/pbnimport.h"

#include "formats/pbnanalysis.h"
#include "formats/pbntokens.h"

namespace vrek {

namespace {
int seatOfLetter(char c) {
    switch (c) {
    case 'N': case 'n': return North;
    case 'E': case 'e': return East;
    case 'S': case 's': return South;
    case 'W': case 'w': return West;
    }
    return 0;
}

const char *const kForeign = "ce n'est pas un fichier PBN : aucune balise [Deal] n'y donne de donne";

bool space(char c) { return c == ' ' || c == '\t'; }

// A positive board number, or 0.
int boardNumber(const std::string &v) {
    size_t b = v.find_first_not_of(' '), e = v.find_last_not_of(' ');
    if (b == std::string::npos || e - b >= 7) return 0;
    int n = 0;
    for (size_t i = b; i <= e; ++i) {
        if (v[i] < '0' || v[i] > '9') return 0;
        n = n * 10 + (v[i] - '0');
    }
    return n;
}

NumberedFile readGames(const std::string &bytes) {
    NumberedFile f;
    int ordinal = 0;
    pbnGames(bytes, [&](const PbnGame &g) {
        bool badDeal = false;
        for (const auto &[name, line] : g.malformed)
            if (name == "Deal" || name == "Board") {
                refuseDeal(f.refused, located(lineAt(line), "la balise [" + name + "] est mal formée"));
                badDeal = badDeal || name == "Deal";
            }
        const PbnTag *deal = g.tag("Deal");
        if (deal || badDeal) f.foreign = false;
        if (!deal || pbnUnknown(deal->value)) {
            if (g.tag("Board") && !deal && !badDeal)
                refuseDeal(f.refused, located(lineAt(g.line), "la partie n'a pas de balise [Deal]"));
            else if (deal)
                refuseDeal(f.refused, located(lineAt(deal->line), "la donne n'est pas connue (« " + deal->value + " »)"));
            return;
        }
        ++ordinal;
        const int given = boardNumber(g.value("Board"));
        DealBuilder b(lineAt(deal->line));
        if (!pbnDealCards(deal->value, b)) return refuseDeal(f.refused, b.error());
        ImportedDeal d;
        d.board = given ? given : ordinal;
        d.deal = b.deal();
        d.analysis = pbnFileAnalysis(g, given);
        f.deals.add(std::move(d));
    });
    return f;
}
}  // namespace

bool pbnDealCards(const std::string &value, DealBuilder &deal) {
    size_t i = 0;
    while (i < value.size() && space(value[i])) ++i;
    const int first = i + 1 < value.size() && value[i + 1] == ':' ? seatOfLetter(value[i]) : 0;
    if (!first) return deal.refuse("la donne « " + quoted(value, 20) + " » ne commence pas par N:, E:, S: ou W:");
    i += 2;
    int seat = first, hands = 0;
    while (i < value.size()) {
        while (i < value.size() && space(value[i])) ++i;
        if (i == value.size()) break;
        if (++hands > 4) return deal.refuse("la donne a plus de quatre mains");
        int suit = Spades;
        for (; i < value.size() && !space(value[i]); ++i) {
            const char c = value[i];
            if (c == '.') {
                if (--suit < Clubs) return deal.refuse("la main " + ofSeat(seat) + " a plus de quatre couleurs");
            } else if (c == '1' && i + 1 < value.size() && value[i + 1] == '0') {
                ++i;
                if (!deal.place(seat, suit, 10)) return false;
            } else if (int r = rankOfLetter(c)) {
                if (!deal.place(seat, suit, r)) return false;
            } else if (c != '-') {
                return deal.refuse("caractère « " + quoted(std::string(1, c)) + " » inattendu à la place d'une carte");
            }
        }
        seat = seat % 4 + 1;
    }
    return deal.finish(true);
}

ImportScan scanPbn(const std::string &bytes) { return scanNumbered(readGames(bytes), bytes, kForeign); }

ImportRead readPbn(const std::string &bytes, const std::vector<int> &boards) {
    NumberedFile f = readGames(bytes);
    return readNumbered(f, bytes, boards, kForeign);
}

}  // namespace vrek
