#include "core/dealanalysis.h"

#include <cstdio>
#include <cstring>

namespace vrek {

bool DealAnalysis::operator==(const DealAnalysis &o) const {
    return std::memcmp(tricks, o.tricks, sizeof tricks) == 0 && parScore == o.parScore && par == o.par;
}

std::string analysisKey(const Deal &d, int board) {
    if (board < 1 || d.damaged() || !d.complete()) return {};
    // The seat of each card, then the board's place in the 16-board cycle.
    std::string key(52, '0');
    for (int seat = North; seat <= West; ++seat)
        for (int suit = Clubs; suit <= Spades; ++suit) {
            const Holding &h = d.holding(seat, suit);
            for (int k = 1; k <= h.count; ++k) {
                char &c = key[(suit - 1) * 13 + h.rank(k) - 2];
                if (c != '0') return {};  // a card twice
                c = static_cast<char>('0' + seat);
            }
        }
    if (key.find('0') != std::string::npos) return {};
    return key + ':' + std::to_string((board - 1) % 16);
}

const DealAnalysis *AnalysisCache::find(const Deal &d, int board) const { return find(analysisKey(d, board)); }

const DealAnalysis *AnalysisCache::find(const std::string &key) const {
    if (key.empty()) return nullptr;
    auto it = map_.find(key);
    return it == map_.end() ? nullptr : &it->second;
}

void AnalysisCache::put(const std::string &key, const DealAnalysis &a) {
    if (!key.empty()) map_[key] = a;
}

const char *analysisStrainText(int strain) {
    static const char *t[kStrains] = {"SA", "P", "C", "K", "T"};
    return strain >= 0 && strain < kStrains ? t[strain] : "?";
}

std::string parContractFrench(const ParContract &c) {
    std::string seats = c.seats;
    for (char &ch : seats)
        if (ch == 'W') ch = 'O';
    return std::to_string(c.level) + analysisStrainText(c.strain) + (c.doubled ? "*" : "") + " " + seats;
}

std::string parFrench(const DealAnalysis &a) {
    if (a.par.empty()) return "Passe, 0";
    std::string t;
    for (size_t i = 0; i < a.par.size(); ++i) t += (i ? ", " : "") + parContractFrench(a.par[i]);
    return t + ", " + (a.parScore > 0 ? "+" : "") + std::to_string(a.parScore) + " pour NS";
}

std::string analysisLine(int board, const DealAnalysis &a) {
    char buf[200];
    int n = std::snprintf(buf, sizeof buf, "%2d", board);
    const int seats[4] = {North, South, East, West};
    for (int seat : seats) {
        n += std::snprintf(buf + n, sizeof buf - static_cast<size_t>(n), "  %c", seatLetter(seat));
        for (int st = 0; st < kStrains; ++st)
            n += std::snprintf(buf + n, sizeof buf - static_cast<size_t>(n), " %2d", a.tricks[seat - 1][st]);
    }
    return std::string(buf) + "  par " + parFrench(a);
}

}  // namespace vrek
