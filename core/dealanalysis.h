// The double-dummy analysis of a deal as plain data: how many tricks each
// seat takes as declarer in each strain, and the par; the key of the cards
// it belongs to, a cache of analyses, and their French texts.
#pragma once
#include <map>
#include <string>
#include <vector>

#include "core/cards.h"

namespace vrek {

// Strains in the analysis' order: 0 no-trump, 1 spades, 2 hearts,
// 3 diamonds, 4 clubs (as the window's `Nature` and the PBN tables).

struct ParContract {
    int level = 0;
    int strain = 0;        // 0 NT .. 4 clubs
    std::string seats;     // "N", "E", "S", "W", "NS" or "EW"
    bool doubled = false;  // a sacrifice
    int overTricks = 0, underTricks = 0;
    bool operator==(const ParContract &) const = default;
};

struct DealAnalysis {
    int tricks[4][kStrains] = {};  // [seat - 1][strain]: seats North, East, South, West
    int parScore = 0;              // for North-South
    std::vector<ParContract> par;  // empty when the deal is passed out
    bool operator==(const DealAnalysis &o) const;
};

// The cards of a deal and the board's dealer and vulnerability: what an
// analysis depends on. Empty for a deal that is not complete and sound.
std::string analysisKey(const Deal &d, int board);

// Analyses kept while the cards do not change.
class AnalysisCache {
public:
    const DealAnalysis *find(const Deal &d, int board) const;
    const DealAnalysis *find(const std::string &key) const;
    void put(const std::string &key, const DealAnalysis &a);
    void erase(const std::string &key) { map_.erase(key); }
    size_t size() const { return map_.size(); }
    void clear() { map_.clear(); }

private:
    std::map<std::string, DealAnalysis> map_;
};

// French texts: "SA", "P", "C", "K", "T"; a par contract "4P NS", "5K* EO";
// the par "4P NS, +420 pour NS" ("Passe, 0" when passed out).
const char *analysisStrainText(int strain);
std::string parContractFrench(const ParContract &c);
std::string parFrench(const DealAnalysis &a);

// The batch report line of a board: its number, the five counts of N, S, E
// and O (SA P C K T) and the par.
std::string analysisLine(int board, const DealAnalysis &a);

}  // namespace vrek
