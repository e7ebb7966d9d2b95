#include "verify/ddanalysis.h"

#include <cstring>
#include <sstream>

namespace vrek {

namespace {

// Declarers N, S, E, W in the answer's table; strains NT, S, H, D, C.
const int kTableSeats[4] = {North, South, East, West};

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

bool parseContract(const std::string &t, ParContract &c) {
    size_t colon = t.find(':');
    if (colon == std::string::npos) return false;
    c.seats = t.substr(0, colon);
    if (c.seats != "N" && c.seats != "E" && c.seats != "S" && c.seats != "W" && c.seats != "NS" && c.seats != "EW")
        return false;
    size_t p = colon + 1;
    if (p + 1 >= t.size() + 0 || t[p] < '1' || t[p] > '7') return false;
    c.level = t[p++] - '0';
    const char *strains = "NSHDC";
    const char *st = p < t.size() ? std::strchr(strains, t[p]) : nullptr;
    if (!st || !*st) return false;
    c.strain = static_cast<int>(st - strains);
    ++p;
    if (p < t.size() && t[p] == 'X') {
        c.doubled = true;
        ++p;
    }
    while (p < t.size()) {
        const char sign = t[p++];
        int n = 0;
        size_t start = p;
        while (p < t.size() && t[p] >= '0' && t[p] <= '9' && p - start < 2) n = n * 10 + (t[p++] - '0');
        if (p == start || n > 13) return false;
        if (sign == '+') c.overTricks = n;
        else if (sign == '-') c.underTricks = n;
        else return false;
    }
    // A babbling solver's "+7" on a 7 or "-14" is no result to show.
    const int contracted = c.level + 6;
    return contracted + c.overTricks <= 13 && c.underTricks <= contracted && !(c.overTricks && c.underTricks);
}

}  // namespace

std::string solverHandText(const Hand &h) {
    std::string s;
    for (int suit = Spades; suit >= Clubs; --suit) {
        const Holding &x = h.suit(suit);
        for (int k = 1; k <= x.count; ++k) s += englishRank(x.rank(k));
        if (suit != Clubs) s += '.';
    }
    return s;
}

std::string tableRequestLine(const std::string &tag, const Deal &d, int board) {
    static const char *vul[4] = {"none", "ns", "ew", "all"};
    std::string s = tag + ' ' + "nesw"[dealerOf(board) - 1] + ' ' + vul[static_cast<int>(vulnerabilityOf(board))];
    for (int seat = North; seat <= West; ++seat) s += ' ' + solverHandText(d.hand(seat));
    return s;
}

bool parseTableAnswerLine(const std::string &line, std::string &tag, DealAnalysis &out, std::string &error) {
    std::string l = line;
    while (!l.empty() && (l.back() == '\r' || l.back() == '\n')) l.pop_back();
    std::istringstream in(l);
    std::string hex, score, contracts;
    if (!(in >> tag >> hex)) return false;
    if (hex == "!") {
        std::getline(in, error);
        if (!error.empty() && error[0] == ' ') error.erase(0, 1);
        if (error.empty()) error = "échec sans message";
        return true;
    }
    error.clear();
    std::string extra;
    if (!(in >> score >> contracts) || (in >> extra) || hex.size() != 20) return false;
    DealAnalysis a;
    for (int i = 0; i < 20; ++i) {
        int v = hexValue(hex[static_cast<size_t>(i)]);
        if (v < 0 || v > 13) return false;
        a.tricks[kTableSeats[i / 5] - 1][i % 5] = v;
    }
    size_t used = 0;
    try {
        a.parScore = std::stoi(score, &used);
    } catch (...) {
        return false;
    }
    if (used != score.size() || a.parScore < -7600 || a.parScore > 7600) return false;
    if (contracts != "pass") {
        std::istringstream list(contracts);
        for (std::string c; std::getline(list, c, ',');) {
            ParContract pc;
            if (!parseContract(c, pc)) return false;
            a.par.push_back(pc);
        }
        if (a.par.empty()) return false;
    }
    out = a;
    return true;
}

}  // namespace vrek
