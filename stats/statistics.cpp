#include "stats/statistics.h"

#include <algorithm>
#include <charconv>

#include "core/evaluation.h"
#include "core/probability.h"

namespace vrek::stats {

const char *const kTabCaptions[kTabs] = {"distributions des mains", "des points H par main", "des points H par ligne",
                                         "des points H par Orientation", "distributions des donnes"};

Mode modeOfCaption(const std::string &caption) {
    if (caption.empty()) return Mode::Theory;
    if (caption[0] == 'S') return Mode::Observed;
    if (caption[0] == 'R') return Mode::FullRecord;
    return Mode::Theory;
}

std::string captionFor(Mode m, const std::string &title) {
    switch (m) {
    case Mode::Observed: return "Statistiques de la Série " + title;
    case Mode::FullRecord: return "Relevé des statistiques de la Série " + title;
    case Mode::Theory: break;
    }
    return "Probabilités de distribution";
}

std::string fixed(long double v, int decimals, const std::string &decimalPoint) {
    char buf[128];
    // to_chars ignores the C locale, which a Qt program sets from the desktop.
    auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, decimals);
    std::string s(buf, r.ptr);
    if (s.rfind("-0", 0) == 0 && s.find_first_not_of("-0.") == std::string::npos) s.erase(0, 1);
    const auto dot = s.find('.');
    if (dot != std::string::npos) s.replace(dot, 1, decimalPoint);
    return s;
}

std::string patternText(const Hand &h) {
    int len[4];
    for (int s = 0; s < 4; ++s) len[s] = h.suits[s].count;
    std::sort(len, len + 4, std::greater<int>());
    std::string out;
    for (int i = 0; i < 4; ++i) {
        if (i) out += '-';
        if (len[i] < 10) out += ' ';
        out += std::to_string(len[i]);
    }
    return out;
}

namespace {

int readInt(const std::string &s, size_t from, size_t n, bool &ok) {
    size_t i = from, end = std::min(s.size(), from + n);
    while (i < end && s[i] == ' ') ++i;
    int v = 0;
    auto r = std::from_chars(s.data() + i, s.data() + end, v);
    ok = ok && i < end && r.ec == std::errc() && r.ptr == s.data() + end;
    return v;
}

}  // namespace

long double cellValue(const std::string &cell, bool patternKey) {
    constexpr long double kBlank = -1;  // every shown value is 0 or more
    if (patternKey) {
        bool ok = cell.size() == 11;
        const int a = readInt(cell, 0, 2, ok), b = readInt(cell, 3, 2, ok), c = readInt(cell, 6, 2, ok),
                  d = readInt(cell, 9, 2, ok);
        return ok ? a * 1000 + b * 100 + c * 10 + d : kBlank;
    }
    std::string t = cell;
    std::replace(t.begin(), t.end(), ',', '.');
    double v = 0;
    auto r = std::from_chars(t.data(), t.data() + t.size(), v);
    if (t.empty() || r.ec != std::errc() || r.ptr != t.data() + t.size()) return kBlank;
    return v;
}

void sortGrid(Grid &g, int column, bool descending, bool patternKey) {
    auto &rows = g.rows;
    const size_t n = rows.size();
    // Values follow their rows, so each is read once.
    std::vector<long double> v(n);
    for (size_t i = 0; i < n; ++i) v[i] = cellValue(rows[i][column], patternKey && column == 0);
    for (size_t i = 0; i < n; ++i)
        for (size_t j = 0; j < n; ++j)
            if (descending ? v[j] < v[i] : v[j] > v[i]) {
                std::swap(rows[i], rows[j]);
                std::swap(v[i], v[j]);
            }
}

void sortTab(Statistics &st, int tab, int column, bool descending) {
    if (tab < 0 || tab > 3 || column < 0 || column > 3) return;
    sortGrid(tab == 3 ? st.seats : st.tabs[tab].grid, column, descending, tab == 0);
}

namespace {

int suitsOf(const SuitLengths &l, int lo, int hi) {
    int n = 0;
    for (int x : l) n += x >= lo && x <= hi;
    return n;
}
bool hasShortness(const SuitLengths &l) { return suitsOf(l, 0, 1) > 0; }
bool isRegular(const SuitLengths &l) { return suitsOf(l, 2, 5) == 4; }

}  // namespace

const std::array<long double, 8> &dealTheory() {
    static const std::array<long double, 8> t = [] {
        const auto long7 = handsOfDeal([](const SuitLengths &l) { return suitsOf(l, 7, 13) > 0; });
        const auto six = handsOfDeal([](const SuitLengths &l) { return suitsOf(l, 6, 6) > 0; });
        const auto shortHands = handsOfDeal(hasShortness);
        const auto irregular = handsOfDeal([](const SuitLengths &l) { return !isRegular(l); });
        return std::array<long double, 8>{(1 - long7[0]) * 100, (1 - six[0]) * 100, shortHands[0] * 100,
                                          irregular[0] * 100,    shortHands[1] * 100, shortHands[2] * 100,
                                          shortHands[3] * 100,   shortHands[4] * 100};
    }();
    return t;
}

const std::array<long double, 8> &handTheory() {
    static const std::array<long double, 8> t = [] {
        auto percent = [](auto f) { return handExpectation([f](const SuitLengths &l) -> long double { return f(l); }) * 100; };
        return std::array<long double, 8>{
            percent([](const SuitLengths &l) { return suitsOf(l, 7, 13); }),
            percent([](const SuitLengths &l) { return suitsOf(l, 6, 6); }),
            percent([](const SuitLengths &l) { return !hasShortness(l); }),
            percent(isRegular),
            percent([](const SuitLengths &l) { return suitsOf(l, 0, 0) == 1; }),
            percent([](const SuitLengths &l) { return suitsOf(l, 0, 0) == 2; }),
            percent([](const SuitLengths &l) { return suitsOf(l, 0, 0) == 3; }),
            percent([](const SuitLengths &l) { return suitsOf(l, 0, 0); })};
    }();
    return t;
}

namespace {

constexpr const char *kUnitWords[3] = {" mains sont prises en compte", " mains sont prises en compte",
                                       " lignes sont prises en compte"};
constexpr const char *kTypeWords[3] = {" types de mains différentes", " forces de mains différentes",
                                       " forces de lignes différentes"};
const Row kSeatNames = {"Nord", "Est", "Sud", "Ouest"};

long double theory(int tab, const std::string &key, const Hand *h) {
    if (tab == 0) {
        int len[4];
        for (int s = 0; s < 4; ++s) len[s] = h->suits[s].count;
        return patternProbability(len[0], len[1], len[2], len[3]);
    }
    const int t = std::stoi(key);
    return tab == 1 ? pointProbability13(t) : pointProbability26(t);
}

void theoryTables(Statistics &st) {
    const std::string &dp = st.decimalPoint;
    auto &patterns = st.tabs[0].grid.rows;
    for (int a = 0; a <= 13; ++a)
        for (int b = 0; b <= 13; ++b)
            for (int c = 0; c <= 13; ++c)
                for (int d = 0; d <= 13; ++d) {
                    if (a + b + c + d != 13) continue;
                    Hand h;
                    h.suits[0].count = uint8_t(a), h.suits[1].count = uint8_t(b);
                    h.suits[2].count = uint8_t(c), h.suits[3].count = uint8_t(d);
                    const std::string key = patternText(h);
                    if (std::none_of(patterns.begin(), patterns.end(), [&](const Row &r) { return r[0] == key; }))
                        patterns.push_back({key, "", "", fixed(patternProbability(a, b, c, d) * 100, 6, dp)});
                }
    for (int tab = 1; tab <= 2; ++tab) {
        const int top = tab == 1 ? kMaxHandPoints : kMaxLinePoints;
        for (int t = 0; t <= top; ++t) {
            const long double p = tab == 1 ? pointProbability13(t) : pointProbability26(t);
            st.tabs[tab].grid.rows.push_back({std::to_string(t), "", "", fixed(p * 100, 6, dp)});
        }
    }
    for (int tab = 0; tab < 3; ++tab) {
        CountTab &ct = st.tabs[tab];
        ct.countLabel = std::to_string(ct.grid.rows.size()) + kUnitWords[tab];
        ct.typesVisible = false;
    }
    if (st.mode == Mode::Theory) {
        st.seats.rows.push_back({"10", "10", "10", "10"});
        st.seatCounts.fill("1");
        st.seatAverages.fill(fixed(10, 3, dp));
        sortGrid(st.seats, 3, true, false);
    }
    sortGrid(st.tabs[2].grid, 3, true, false);
    sortGrid(st.tabs[1].grid, 3, true, false);
    sortGrid(st.tabs[0].grid, 0, false, true);
}

// Adds one unit to tab `tab`: the row of its key gains 1, or a new row is made.
void countUnit(Statistics &st, int tab, const std::string &key, const Hand *h) {
    CountTab &ct = st.tabs[tab];
    ++ct.units;
    Row *found = nullptr;
    for (Row &r : ct.grid.rows) {
        if (r[1].empty()) r[1] = "0";
        if (!found && r[0] == key) found = &r;
    }
    if (found) (*found)[1] = std::to_string(std::stoi((*found)[1]) + 1);
    else ct.grid.rows.push_back({key, "1", "0.000", fixed(theory(tab, key, h) * 100, 3, st.decimalPoint)});
}

void finishTab(Statistics &st, int tab) {
    CountTab &ct = st.tabs[tab];
    ct.countLabel = std::to_string(ct.units) + kUnitWords[tab];
    ct.typesLabel = std::to_string(ct.grid.rows.size()) + kTypeWords[tab];
    ct.typesVisible = ct.units > 0;
    if (ct.units == 0) return;
    for (Row &r : ct.grid.rows) r[2] = fixed(std::stoi(r[1]) * 100.0L / ct.units, 3, st.decimalPoint);
}

bool completeHand(const Hand &h) { return h.cards() == 13; }

void countTabs123(Statistics &st, const Series &s, const std::vector<int> &boards) {
    for (int b : boards)
        for (int seat = 1; seat <= 4; ++seat) {
            const Hand &h = s.deal(b).hand(seat);
            if (completeHand(h)) countUnit(st, 0, patternText(h), &h);
        }
    finishTab(st, 0);
    for (int b : boards)
        for (int seat = 1; seat <= 4; ++seat) {
            const Hand &h = s.deal(b).hand(seat);
            if (completeHand(h)) countUnit(st, 1, std::to_string(highCardPoints(h)), nullptr);
        }
    finishTab(st, 1);
    for (int b : boards)
        for (int first : {North, East}) {
            const Hand &h1 = s.deal(b).hand(first), &h2 = s.deal(b).hand(first + 2);
            if (h1.cards() + h2.cards() != 26) continue;
            countUnit(st, 2, std::to_string(highCardPoints(h1) + highCardPoints(h2)), nullptr);
        }
    finishTab(st, 2);
}

void seatTab(Statistics &st, const Series &s, const std::vector<int> &boards) {
    std::array<std::vector<int>, 4> points;
    for (int b : boards)
        for (int seat = 1; seat <= 4; ++seat)
            if (completeHand(s.deal(b).hand(seat))) points[seat - 1].push_back(highCardPoints(s.deal(b).hand(seat)));
    size_t rows = 0;
    for (const auto &p : points) rows = std::max(rows, p.size());
    st.seats.rows.assign(rows, Row{});
    for (int k = 0; k < 4; ++k) {
        long sum = 0;
        for (size_t r = 0; r < points[k].size(); ++r) {
            st.seats.rows[r][k] = std::to_string(points[k][r]);
            sum += points[k][r];
        }
        const size_t n = points[k].size();
        st.seatCounts[k] = std::to_string(n);
        st.seatAverages[k] = fixed(n ? static_cast<long double>(sum) / n : 0, 3, st.decimalPoint);
    }
}

int shortSuits(const Hand &h, int below) {
    int n = 0;
    for (const Holding &x : h.suits) n += x.count < below;
    return n;
}

void handCounters(Statistics &st, const Series &s, const std::vector<int> &boards) {
    HandCounters &c = st.counters;
    for (int b : boards)
        for (const Hand &h : s.deal(b).hands) {
            if (!completeHand(h)) continue;
            ++c.hands;
            bool regular = true;
            for (const Holding &x : h.suits) {
                c.suits7 += x.count >= 7;
                c.suits6 += x.count == 6;
                regular = regular && x.count >= 2 && x.count <= 5;
            }
            c.noShortness += shortSuits(h, 2) == 0;
            c.regular += regular;
            const int voids = shortSuits(h, 1);
            if (voids >= 1 && voids <= 3) ++c.voids[voids - 1];
        }
}

void dealsTab(Statistics &st, const Series &s, const std::vector<int> &boards) {
    st.dealsVisible = true;
    st.deals[0].header = {"Type", "Nbre", "Réel en %", "Probabilité"};
    st.deals[0].rows = {{"7ème et plus "}, {"6ème"}};
    st.deals[1].rows = {{"Sans accident"}};
    st.deals[2].rows = {{"régulière"}};
    st.deals[3].rows = {{"avec 1 seule main"}, {"avec 2 mains"}, {"avec 3 mains"}, {"avec les 4 mains"}};
    int counts[8] = {};  // the eight rows in grid order
    for (int b : boards) {
        const Deal &d = s.deal(b);
        if (!d.complete()) continue;
        ++st.completeDeals;
        bool long7 = false, long6 = false, regular = true;
        int shortHands = 0;
        for (const Hand &h : d.hands) {
            for (const Holding &x : h.suits) {
                long7 = long7 || x.count >= 7;
                long6 = long6 || x.count == 6;
                regular = regular && x.count >= 2 && x.count <= 5;
            }
            shortHands += shortSuits(h, 2) > 0;
        }
        counts[0] += long7;
        counts[1] += long6;
        counts[2] += shortHands == 0;
        counts[3] += regular;
        if (shortHands > 0) ++counts[3 + shortHands];
    }
    int k = 0;
    for (Grid &g : st.deals)
        for (Row &r : g.rows) {
            r[1] = std::to_string(counts[k]);
            // No complete deal: 0 rather than a division by zero.
            const long double pct = st.completeDeals ? counts[k] * 100.0L / st.completeDeals : 0;
            r[2] = fixed(pct, 3, st.decimalPoint);
            r[3] = fixed(dealTheory()[k], 3, st.decimalPoint);
            ++k;
        }
    st.dealsLabel = "Sur " + std::to_string(st.completeDeals) + ", nombre de donnes possédant :";
}

}  // namespace

Statistics computeStatistics(const Series &s, Mode mode, const std::string &decimalPoint,
                             const std::vector<int> &chosen) {
    Statistics st;
    st.mode = mode;
    st.decimalPoint = decimalPoint;
    st.tabs[0].grid.header = {mode == Mode::Theory ? "Mains" : "Main", "Nombre", "Réel en %", "Probabilité"};
    st.tabs[1].grid.header = {"Points", "Nombre", "Réel en %", "Probabilité"};
    st.tabs[2].grid.header = st.tabs[1].grid.header;
    st.seats.header = kSeatNames;
    if (mode != Mode::Observed) theoryTables(st);
    if (mode == Mode::Theory) return st;

    std::vector<int> boards;
    for (int b : chosen)
        if (b >= 1 && b <= kBoards) boards.push_back(b);
    std::sort(boards.begin(), boards.end());
    boards.erase(std::unique(boards.begin(), boards.end()), boards.end());
    if (chosen.empty())
        for (int b = 1; b <= kBoards; ++b) boards.push_back(b);
    else if (boards.size() != size_t(kBoards))
        st.boardsLabel = std::to_string(boards.size()) + (boards.size() == 1 ? " donne est prise en compte"
                                                                              : " donnes sont prises en compte");
    countTabs123(st, s, boards);
    seatTab(st, s, boards);
    dealsTab(st, s, boards);
    handCounters(st, s, boards);
    for (int k = 0; k < 8; ++k) st.handTheory[k] = fixed(handTheory()[k], 3, decimalPoint);

    if (mode == Mode::FullRecord) {
        sortGrid(st.tabs[0].grid, 0, false, true);
        sortGrid(st.tabs[1].grid, 0, true, false);
        sortGrid(st.tabs[2].grid, 0, true, false);
        sortGrid(st.seats, 0, true, false);
    } else {
        for (int tab = 0; tab < 3; ++tab) sortGrid(st.tabs[tab].grid, 3, true, false);
        sortGrid(st.seats, 3, true, false);
    }
    return st;
}

std::string statisticsReport(const Statistics &st) {
    std::string out = st.boardsLabel.empty() ? std::string() : st.boardsLabel + '\n';
    auto rows = [&out](const Grid &g) {
        for (const Row &r : g.rows) out += r[0] + '\t' + r[1] + '\t' + r[2] + '\t' + r[3] + '\n';
    };
    for (int tab = 0; tab < 3; ++tab) {
        out += std::string(kTabCaptions[tab]) + '\n';
        rows(st.tabs[tab].grid);
        out += st.tabs[tab].countLabel + '\n';
        if (st.tabs[tab].typesVisible) out += st.tabs[tab].typesLabel + '\n';
    }
    out += std::string(kTabCaptions[3]) + '\n';
    rows(st.seats);
    // Named as the window names its two label rows.
    for (const auto &[name, labels] : {std::pair{"Mains", &st.seatCounts}, std::pair{"Moyenne", &st.seatAverages}})
        out += std::string(name) + '\t' + (*labels)[0] + '\t' + (*labels)[1] + '\t' + (*labels)[2] + '\t' +
               (*labels)[3] + '\n';
    if (st.dealsVisible) {
        out += std::string(kTabCaptions[4]) + '\n';
        for (const Grid &g : st.deals) rows(g);
        out += st.dealsLabel + '\n';
    }
    return out;
}

}  // namespace vrek::stats
