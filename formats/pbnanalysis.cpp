#include "formats/pbnanalysis.h"

#include <sstream>

namespace vrek {

namespace {
// Seats and strains in the order of [DoubleDummyTricks]: N S E W, NT S H D C.
const int kSeats[4] = {North, South, East, West};

int seatOf(const std::string &s) {
    if (s.size() != 1) return 0;
    switch (s[0]) {
    case 'N': case 'n': return North;
    case 'E': case 'e': return East;
    case 'S': case 's': return South;
    case 'W': case 'w': return West;
    }
    return 0;
}

int strainOf(std::string s) {
    for (char &c : s) c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    static const char *names[kStrains] = {"NT", "S", "H", "D", "C"};
    for (int i = 0; i < kStrains; ++i)
        if (s == names[i]) return i;
    return s == "N" ? 0 : -1;
}

bool small(const std::string &s, int lo, int hi, int &out) {
    if (s.empty() || s.size() > 6) return false;
    size_t i = s[0] == '-' || s[0] == '+' ? 1 : 0;
    if (i == s.size()) return false;
    int v = 0;
    for (; i < s.size(); ++i) {
        if (s[i] < '0' || s[i] > '9') return false;
        v = v * 10 + (s[i] - '0');
    }
    out = s[0] == '-' ? -v : v;
    return out >= lo && out <= hi;
}

bool hexTricks(const std::string &v, DealAnalysis &a) {
    if (v.size() != 20) return false;
    for (int i = 0; i < 20; ++i) {
        const char c = v[static_cast<size_t>(i)];
        int t = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'd' ? c - 'a' + 10 : c >= 'A' && c <= 'D' ? c - 'A' + 10 : -1;
        if (t < 0) return false;
        a.tricks[kSeats[i / 5] - 1][i % 5] = t;
    }
    return true;
}

// The header names the columns ("Declarer;Denomination\2R;Result\2R"); the
// rows follow as tokens, one per column.
bool tableTricks(const PbnGame &g, DealAnalysis &a) {
    const std::string header = g.value("OptimumResultTable");
    std::vector<std::string> cols;
    std::stringstream in(header);
    for (std::string c; std::getline(in, c, ';');) cols.push_back(c.substr(0, c.find('\\')));
    int seatCol = -1, strainCol = -1, resultCol = -1;
    for (size_t i = 0; i < cols.size(); ++i) {
        if (cols[i] == "Declarer") seatCol = static_cast<int>(i);
        if (cols[i] == "Denomination") strainCol = static_cast<int>(i);
        if (cols[i] == "Result") resultCol = static_cast<int>(i);
    }
    if (seatCol < 0 || strainCol < 0 || resultCol < 0) return false;
    const size_t width = cols.size();
    bool seen[4][kStrains] = {};
    int found = 0;
    for (size_t r = 0; r + width <= g.resultTable.size(); r += width) {
        const int seat = seatOf(g.resultTable[r + seatCol]);
        const int strain = strainOf(g.resultTable[r + strainCol]);
        int tricks = 0;
        if (!seat || strain < 0 || !small(g.resultTable[r + resultCol], 0, 13, tricks)) return false;
        if (!seen[seat - 1][strain]) ++found;
        seen[seat - 1][strain] = true;
        a.tricks[seat - 1][strain] = tricks;
    }
    return found == 4 * kStrains;
}

// "NS 420", "EW 100" (for East-West: -100 for North-South).
bool optimumScore(const std::string &v, int &score) {
    std::istringstream in(v);
    std::string side, n, extra;
    if (!(in >> side >> n) || (in >> extra) || !small(n, -7600, 7600, score)) return false;
    if (side == "EW") score = -score;
    else if (side != "NS") return false;
    return true;
}

// "NS 4S", "EW 5DX", "N 3NT+1"; several separated by ";" or ",".
bool parContracts(const std::string &v, std::vector<ParContract> &out) {
    std::string list = v;
    for (char &c : list)
        if (c == ';') c = ',';
    std::stringstream items(list);
    for (std::string item; std::getline(items, item, ',');) {
        std::istringstream in(item);
        std::string seats, text, extra;
        if (!(in >> seats >> text) || (in >> extra)) return false;
        if (seats != "N" && seats != "E" && seats != "S" && seats != "W" && seats != "NS" && seats != "EW") return false;
        ParContract c;
        c.seats = seats;
        if (text.size() < 2 || text[0] < '1' || text[0] > '7') return false;
        c.level = text[0] - '0';
        size_t p = 1;
        while (p < text.size() && text[p] != 'X' && text[p] != 'x' && text[p] != '+' && text[p] != '-') ++p;
        c.strain = strainOf(text.substr(1, p - 1));
        if (c.strain < 0) return false;
        if (p < text.size() && (text[p] == 'X' || text[p] == 'x')) c.doubled = true, ++p;
        if (p < text.size()) {
            int n = 0;
            if (!small(text.substr(p), -13, 13, n)) return false;
            (n > 0 ? c.overTricks : c.underTricks) = n > 0 ? n : -n;
        }
        // "7NT+3" or "1C-8" is no result a deal can have.
        if (c.level + 6 + c.overTricks > 13 || c.underTricks > c.level + 6) return false;
        out.push_back(c);
    }
    return !out.empty();
}

int dealerFrom(const std::string &v, int board) {
    if (int s = seatOf(v)) return s;
    return board > 0 ? dealerOf(board) : 0;
}

bool vulFrom(const std::string &v, int board, Vul &out) {
    if (v == "None" || v == "Love" || v == "-") out = Vul::None;
    else if (v == "NS") out = Vul::NS;
    else if (v == "EW") out = Vul::EW;
    else if (v == "All" || v == "Both") out = Vul::Both;
    else if (board > 0) out = vulnerabilityOf(board);
    else return false;
    return true;
}
}  // namespace

std::optional<FileAnalysis> pbnFileAnalysis(const PbnGame &g, int board) {
    if (!g.tag("OptimumScore") || (!g.tag("DoubleDummyTricks") && !g.tag("OptimumResultTable"))) return std::nullopt;
    FileAnalysis f;
    DealAnalysis &a = f.analysis;
    if (!hexTricks(g.value("DoubleDummyTricks"), a) && !tableTricks(g, a)) return std::nullopt;
    if (!optimumScore(g.value("OptimumScore"), a.parScore)) return std::nullopt;
    if (a.parScore != 0 && !parContracts(g.value("ParContract"), a.par)) return std::nullopt;
    f.dealer = dealerFrom(g.value("Dealer"), board);
    if (!f.dealer || !vulFrom(g.value("Vulnerable"), board, f.vul)) return std::nullopt;
    return f;
}

std::string analysisDifference(const DealAnalysis &file, const DealAnalysis &solver) {
    std::string t;
    auto add = [&](const std::string &what) { t += (t.empty() ? "" : " ; ") + what; };
    for (int seat : kSeats)
        for (int st = 0; st < kStrains; ++st)
            if (file.tricks[seat - 1][st] != solver.tricks[seat - 1][st])
                add(std::string(1, seatLetter(seat)) + " à " + analysisStrainText(st) + " : " +
                    std::to_string(file.tricks[seat - 1][st]) + " levées au lieu de " +
                    std::to_string(solver.tricks[seat - 1][st]));
    if (file.parScore != solver.parScore)
        add("par de " + std::to_string(file.parScore) + " au lieu de " + std::to_string(solver.parScore) + " pour NS");
    for (const ParContract &c : file.par) {
        bool found = false;
        for (const ParContract &o : solver.par)
            found = found || (o.level == c.level && o.strain == c.strain && o.seats == c.seats && o.doubled == c.doubled);
        if (!found) add("contrat de par " + parContractFrench(c) + " que le solveur ne donne pas");
    }
    return t.empty() ? t : "l'analyse du fichier diffère de celle du solveur : " + t;
}

std::vector<std::string> analysisCheck(const std::map<int, DealAnalysis> &file,
                                       const std::map<int, DealAnalysis> &solver) {
    std::vector<std::string> lines;
    int same = 0;
    for (const auto &[board, a] : file) {
        auto s = solver.find(board);
        if (s == solver.end()) continue;
        const std::string why = analysisDifference(a, s->second);
        if (why.empty()) ++same;
        else lines.push_back("Donne " + std::to_string(board) + " : " + why);
    }
    const int differ = static_cast<int>(lines.size());
    lines.push_back("Analyses du fichier vérifiées : " + std::to_string(same) + " conforme" + (same > 1 ? "s" : "") +
                    " au solveur, " + std::to_string(differ) + " différente" + (differ > 1 ? "s" : "") + ".");
    return lines;
}

}  // namespace vrek
