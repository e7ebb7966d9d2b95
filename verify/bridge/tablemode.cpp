#include "verify/bridge/tablemode.h"

#include <dds/dll.h>

#include <cstring>
#include <sstream>

namespace bridge {

namespace {

const char *kRanks = "23456789TJQKA";
const char *kHandLetters = "NESW";
const char *kStrainLetters = "NSHDC";  // par contract order: NT first

int rankOf(char c) {
    const char *p = c ? std::strchr(kRanks, c) : nullptr;
    return p ? static_cast<int>(p - kRanks) + 2 : 0;
}

std::vector<std::string> words(const std::string &line) {
    std::vector<std::string> w;
    std::istringstream in(line);
    for (std::string s; in >> s;) w.push_back(s);
    return w;
}

}  // namespace

bool parseHand(const std::string &text, unsigned (&hand)[4], int &count) {
    int suit = 0;
    count = 0;
    for (char c : text) {
        if (c == '.') {
            if (++suit > 3) return false;
            continue;
        }
        int r = rankOf(c);
        if (!r || (hand[suit] & (1u << r))) return false;
        hand[suit] |= 1u << r;
        ++count;
    }
    return suit == 3;
}

std::string ddsError(int rc) {
    char text[80] = {};
    ErrorMessage(rc, text);
    return "le solveur DDS a échoué (code " + std::to_string(rc) + " : " + text + ")";
}

bool parseTableRequest(const std::string &line, TableRequest &out, std::string &error) {
    std::vector<std::string> w = words(line);
    if (w.size() != 7) {
        error = "7 champs attendus (repère, donneur, vulnérabilité, quatre mains), " + std::to_string(w.size()) + " reçus";
        return false;
    }
    TableRequest r;
    r.tag = w[0];
    const char *dealers = "nesw";
    if (w[1].size() != 1 || !std::strchr(dealers, w[1][0]) || !w[1][0]) {
        error = "donneur inconnu « " + w[1] + " » (n, e, s ou w)";
        return false;
    }
    r.dealer = static_cast<int>(std::strchr(dealers, w[1][0]) - dealers);
    const char *vuls[4] = {"none", "all", "ns", "ew"};
    r.vulnerable = -1;
    for (int v = 0; v < 4; ++v)
        if (w[2] == vuls[v]) r.vulnerable = v;
    if (r.vulnerable < 0) {
        error = "vulnérabilité inconnue « " + w[2] + " » (none, ns, ew ou all)";
        return false;
    }
    unsigned seen[4] = {};
    for (int h = 0; h < 4; ++h) {
        int count = 0;
        if (!parseHand(w[3 + h], r.cards[h], count) || count != 13) {
            error = std::string("main de ") + kHandLetters[h] + " invalide « " + w[3 + h] + " » (13 cartes attendues)";
            return false;
        }
        for (int s = 0; s < 4; ++s) {
            if (seen[s] & r.cards[h][s]) {
                error = std::string("carte en double dans la main de ") + kHandLetters[h];
                return false;
            }
            seen[s] |= r.cards[h][s];
        }
    }
    out = r;
    return true;
}

std::string formatTableAnswer(const TableAnswer &a) {
    std::string s = a.tag + ' ';
    // Declarers N, S, E, W; strains NT, S, H, D, C.
    const int hands[4] = {0, 2, 1, 3};
    const int strains[5] = {4, 0, 1, 2, 3};
    for (int h : hands)
        for (int st : strains) s += "0123456789abcdef"[a.table[st][h] & 15];
    s += ' ' + std::to_string(a.parScore) + ' ';
    if (a.contracts.empty()) return s + "pass";
    const char *seats[6] = {"N", "E", "S", "W", "NS", "EW"};
    for (size_t i = 0; i < a.contracts.size(); ++i) {
        const ParContract &c = a.contracts[i];
        if (i) s += ',';
        s += std::string(seats[c.seats >= 0 && c.seats < 6 ? c.seats : 4]) + ':' + std::to_string(c.level) +
             kStrainLetters[c.strain >= 0 && c.strain < 5 ? c.strain : 0];
        if (c.doubled) s += 'X';
        if (c.overTricks) s += '+' + std::to_string(c.overTricks);
        if (c.underTricks) s += '-' + std::to_string(c.underTricks);
    }
    return s;
}

void analyseTables(const std::vector<TableRequest> &requests, std::vector<TableAnswer> &answers,
                   std::vector<std::string> &errors) {
    answers.assign(requests.size(), TableAnswer{});
    errors.assign(requests.size(), std::string());
    for (size_t first = 0; first < requests.size(); first += MAXNOOFTABLES) {
        const size_t n = std::min<size_t>(MAXNOOFTABLES, requests.size() - first);
        ddTableDeals deals{};
        deals.noOfTables = static_cast<int>(n);
        for (size_t i = 0; i < n; ++i)
            std::memcpy(deals.deals[i].cards, requests[first + i].cards, sizeof deals.deals[i].cards);
        int filter[DDS_STRAINS] = {0, 0, 0, 0, 0};
        ddTablesRes res{};
        allParResults par{};
        int rc = CalcAllTables(&deals, -1, filter, &res, &par);
        for (size_t i = 0; i < n; ++i) {
            const TableRequest &rq = requests[first + i];
            TableAnswer &a = answers[first + i];
            a.tag = rq.tag;
            if (rc != RETURN_NO_FAULT) {
                errors[first + i] = ddsError(rc);
                continue;
            }
            std::memcpy(a.table, res.results[i].resTable, sizeof a.table);
            parResultsMaster pm{};
            int prc = DealerParBin(&res.results[i], &pm, rq.dealer, rq.vulnerable);
            if (prc != RETURN_NO_FAULT) {
                errors[first + i] = ddsError(prc);
                continue;
            }
            a.parScore = pm.score;
            for (int k = 0; k < pm.number && k < 10; ++k) {
                const contractType &ct = pm.contracts[k];
                ParContract c;
                c.level = ct.level;
                c.strain = ct.denom;
                c.seats = ct.seats;
                c.doubled = ct.underTricks > 0;
                c.overTricks = ct.overTricks;
                c.underTricks = ct.underTricks;
                a.contracts.push_back(c);
            }
        }
    }
}

}  // namespace bridge
