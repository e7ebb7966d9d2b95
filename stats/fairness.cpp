#include "stats/fairness.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <numbers>

#include "core/probability.h"
#include "stats/fairnesslaw.h"

namespace vrek::fairness {

namespace {

using Lengths = std::array<int, 4>;

struct HandFacts {
    Lengths lengths;
    int points;
};

HandFacts factsOf(const Hand &h) {
    HandFacts f{};
    for (int suit = 0; suit < 4; ++suit) {
        const Holding &x = h.suits[suit];
        f.lengths[suit] = x.count;
        for (int k = 0; k < x.count; ++k) f.points += x.ranks[k] > 10 ? x.ranks[k] - 10 : 0;
    }
    return f;
}

// 52 different cards, 13 in each hand.
bool usable(const Deal &d) {
    uint64_t seen = 0;
    for (const Hand &h : d.hands) {
        int n = 0;
        for (int suit = 0; suit < 4; ++suit) {
            const Holding &x = h.suits[suit];
            if (x.count > kMaxHolding) return false;
            for (int k = 0; k < x.count; ++k) {
                if (x.ranks[k] < 2 || x.ranks[k] > 14) return false;
                const uint64_t bit = uint64_t(1) << (16 * suit + x.ranks[k] - 2);
                if (seen & bit) return false;
                seen |= bit;
            }
            n += x.count;
        }
        if (n != 13) return false;
    }
    return true;
}

// One test's fine classes: their law, the group each belongs to (classes
// merge within their group first) and the fine class of each unit.
struct Design {
    Test test;
    int unitsPerDeal;
    const HandLaw *hands = nullptr;       // hand tests
    const std::vector<double> *deals = nullptr;  // deal types
    std::function<int(int fine)> group;
    std::function<std::string(const std::vector<int> &fine)> label;
};

std::string patternLabel(int i) {
    const Lengths &l = patterns()[static_cast<size_t>(i)];
    return std::to_string(l[0]) + "-" + std::to_string(l[1]) + "-" + std::to_string(l[2]) + "-" + std::to_string(l[3]);
}

std::string patternsLabel(const std::vector<int> &fine) {
    if (fine.size() <= 3) {
        std::string s;
        for (size_t k = 0; k < fine.size(); ++k) s += (k ? ", " : "") + patternLabel(fine[k]);
        return s;
    }
    return patternLabel(fine.front()) + " … " + patternLabel(fine.back()) + " (" + std::to_string(fine.size()) +
           " distributions)";
}

// "3", "0-2", "22 et plus" for classes that are numbers from `first`.
std::function<std::string(const std::vector<int> &)> rangeLabel(int first, int last) {
    return [first, last](const std::vector<int> &fine) {
        const int a = fine.front() + first, b = fine.back() + first;
        if (b == last && a != b) return std::to_string(a) + " et plus";
        return a == b ? std::to_string(a) : std::to_string(a) + "-" + std::to_string(b);
    };
}

std::string dealTypesLabel(const std::vector<int> &fine) {
    static const char *const rows[3] = {"longue ≤ 5", "longue 6", "longue ≥ 7"};
    std::string s;
    size_t k = 0;
    while (k < fine.size()) {
        // A run of one row.
        size_t e = k;
        while (e + 1 < fine.size() && fine[e + 1] / 5 == fine[k] / 5) ++e;
        const int a = fine[k] % 5, b = fine[e] % 5;
        s += (k ? " + " : "") + std::string(rows[fine[k] / 5]) + ", " +
             (a == b ? std::to_string(a) : std::to_string(a) + "-" + std::to_string(b)) + (b > 1 ? " courtes" : " courte");
        k = e + 1;
    }
    return s;
}

Design designOf(Test t) {
    switch (t) {
    case Test::Patterns:
        return {t, 4, &patternLaw(), nullptr, [](int i) { return 3 - patterns()[static_cast<size_t>(i)][3]; },
                patternsLabel};
    case Test::Points: return {t, 4, &pointsLaw(), nullptr, [](int) { return 0; }, rangeLabel(0, kMaxHandPoints)};
    case Test::Longest: return {t, 4, &longestLaw(), nullptr, [](int) { return 0; }, rangeLabel(4, 13)};
    case Test::Shortest: return {t, 4, &shortestLaw(), nullptr, [](int) { return 0; }, rangeLabel(0, 3)};
    case Test::DealTypes:
        return {t, 1, nullptr, &dealTypeLaw(), [](int i) { return i / 5; }, dealTypesLabel};
    }
    return {};
}

int fineClass(Test t, const HandFacts &f) {
    switch (t) {
    case Test::Patterns: return patternIndex(f.lengths);
    case Test::Points: return f.points;
    case Test::Longest: return *std::max_element(f.lengths.begin(), f.lengths.end()) - 4;
    case Test::Shortest: return *std::min_element(f.lengths.begin(), f.lengths.end());
    case Test::DealTypes: break;
    }
    return 0;
}

// Consecutive classes of a group gather until their expected count reaches
// the minimum; what is left at the end of a group joins the group's last
// class. A group too small on its own then joins its neighbour.
std::vector<std::vector<int>> mergeClasses(const std::vector<double> &expected, const std::function<int(int)> &group) {
    std::vector<std::vector<int>> bins;
    std::vector<double> sums;
    const int n = static_cast<int>(expected.size());
    for (int i = 0; i < n;) {
        const int g = group(i);
        const size_t firstOfGroup = bins.size();
        std::vector<int> open;
        double sum = 0;
        for (; i < n && group(i) == g; ++i) {
            if (expected[static_cast<size_t>(i)] <= 0) continue;  // cannot occur: no class of its own
            open.push_back(i);
            sum += expected[static_cast<size_t>(i)];
            if (sum >= kMinExpected) {
                bins.push_back(open);
                sums.push_back(sum);
                open.clear();
                sum = 0;
            }
        }
        if (open.empty()) continue;
        if (bins.size() > firstOfGroup) {
            bins.back().insert(bins.back().end(), open.begin(), open.end());
            sums.back() += sum;
        } else {
            bins.push_back(open);
            sums.push_back(sum);
        }
    }
    for (size_t b = 0; b < bins.size() && bins.size() > 1;) {
        if (sums[b] >= kMinExpected) {
            ++b;
            continue;
        }
        const size_t into = b > 0 ? b - 1 : b + 1;
        const size_t lo = std::min(b, into), hi = std::max(b, into);
        bins[lo].insert(bins[lo].end(), bins[hi].begin(), bins[hi].end());
        sums[lo] += sums[hi];
        bins.erase(bins.begin() + static_cast<long>(hi));
        sums.erase(sums.begin() + static_cast<long>(hi));
        b = 0;
    }
    return bins;
}

// Solves m x = d for a symmetric positive definite m (Cholesky); false when
// m is not.
bool solve(std::vector<double> m, std::vector<double> &d) {
    const size_t n = d.size();
    for (size_t j = 0; j < n; ++j) {
        double s = m[j * n + j];
        for (size_t k = 0; k < j; ++k) s -= m[j * n + k] * m[j * n + k];
        if (!(s > 0)) return false;
        m[j * n + j] = std::sqrt(s);
        for (size_t i = j + 1; i < n; ++i) {
            double t = m[i * n + j];
            for (size_t k = 0; k < j; ++k) t -= m[i * n + k] * m[j * n + k];
            m[i * n + j] = t / m[j * n + j];
        }
    }
    for (size_t i = 0; i < n; ++i) {
        for (size_t k = 0; k < i; ++k) d[i] -= m[i * n + k] * d[k];
        d[i] /= m[i * n + i];
    }
    for (size_t i = n; i-- > 0;) {
        for (size_t k = i + 1; k < n; ++k) d[i] -= m[k * n + i] * d[k];
        d[i] /= m[i * n + i];
    }
    return true;
}

TestResult runTest(Test t, const std::vector<int> &fineCounts, int deals) {
    const Design design = designOf(t);
    TestResult r;
    r.test = t;
    const int u = design.unitsPerDeal;
    r.units = deals * u;
    const std::vector<double> &law = design.hands ? design.hands->single : *design.deals;
    std::vector<double> expected(law.size());
    for (size_t i = 0; i < law.size(); ++i) expected[i] = r.units * law[i];
    const auto bins = mergeClasses(expected, design.group);
    const size_t k = bins.size();
    std::vector<double> p(k, 0);
    for (size_t b = 0; b < k; ++b) {
        ClassCount c;
        c.label = design.label(bins[b]);
        for (int i : bins[b]) {
            c.observed += fineCounts[static_cast<size_t>(i)];
            p[b] += law[static_cast<size_t>(i)];
        }
        c.expected = r.units * p[b];
        r.classes.push_back(c);
    }
    if (k < 2 || deals == 0) return r;
    // The covariance of one deal's counts: u hands of one law, and u (u - 1)
    // ordered pairs of different hands of the joint law.
    std::vector<double> cov(k * k);
    for (size_t a = 0; a < k; ++a)
        for (size_t b = 0; b < k; ++b) {
            double v = u * ((a == b ? p[a] : 0) - p[a] * p[b]);
            if (u > 1) {
                double q = 0;
                for (int i : bins[a])
                    for (int j : bins[b]) q += design.hands->joint(i, j);
                v += u * (u - 1) * (q - p[a] * p[b]);
            }
            cov[a * k + b] = deals * v;
        }
    double worstZ = -1;
    for (size_t b = 0; b < k; ++b) {
        const double z = std::abs(r.classes[b].observed - r.classes[b].expected) / std::sqrt(cov[b * k + b]);
        if (z > worstZ) {
            worstZ = z;
            r.worst = static_cast<int>(b);
        }
    }
    // The counts add up to the units: the last class says nothing more.
    const size_t m = k - 1;
    std::vector<double> reduced(m * m), d(m), x;
    for (size_t a = 0; a < m; ++a) {
        d[a] = r.classes[a].observed - r.classes[a].expected;
        for (size_t b = 0; b < m; ++b) reduced[a * m + b] = cov[a * k + b];
    }
    x = d;
    if (!solve(reduced, x)) return r;
    for (size_t a = 0; a < m; ++a) r.statistic += d[a] * x[a];
    r.df = static_cast<int>(m);
    r.p = chiSquareTail(r.statistic, r.df);
    return r;
}

std::string fixed(double v, int decimals, const std::string &point) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, v);
    std::string s = buf;
    if (const size_t dot = s.find('.'); dot != std::string::npos) s.replace(dot, 1, point);
    return s;
}

std::string classPhrase(Test t, const std::string &label) {
    switch (t) {
    case Test::Patterns: return "mains " + label;
    case Test::Points: return "mains de " + label + " points H";
    case Test::Longest: return "mains dont la plus longue couleur a " + label + " cartes";
    case Test::Shortest: return "mains dont la plus courte couleur a " + label + " cartes";
    case Test::DealTypes: return "donnes " + label;
    }
    return label;
}

}  // namespace

const char *testName(Test t) {
    switch (t) {
    case Test::Patterns: return "Distributions des mains";
    case Test::Points: return "Points H par main";
    case Test::Longest: return "Plus longue couleur";
    case Test::Shortest: return "Plus courte couleur";
    case Test::DealTypes: return "Types de donnes";
    }
    return "";
}

const char *unitName(Test t) { return t == Test::DealTypes ? "donnes" : "mains"; }

void Sample::add(const Series &s, const std::vector<int> &boards) {
    ++series;
    auto take = [&](int b) {
        if (b >= 1 && b <= kBoards && usable(s.deal(b))) deals.push_back(s.deal(b));
    };
    if (boards.empty())
        for (int b = 1; b <= kBoards; ++b) take(b);
    for (int b : boards) take(b);
}

Report fairnessReport(const Sample &sample) { return fairnessReport(sample.deals, sample.series); }

Report fairnessReport(const std::vector<Deal> &deals, int series) {
    Report r;
    r.series = series;
    std::vector<std::vector<int>> counts(kTests);
    for (int t = 0; t < kTests; ++t) {
        const Design d = designOf(static_cast<Test>(t));
        counts[t].assign(d.hands ? d.hands->single.size() : d.deals->size(), 0);
    }
    for (const Deal &d : deals) {
        if (!usable(d)) continue;
        ++r.deals;
        for (const Hand &h : d.hands) {
            const HandFacts f = factsOf(h);
            for (int t = 0; t < kTests - 1; ++t) ++counts[t][static_cast<size_t>(fineClass(static_cast<Test>(t), f))];
        }
        ++counts[kTests - 1][static_cast<size_t>(dealTypeOf(d))];
    }
    for (int t = 0; t < kTests; ++t) {
        TestResult res = runTest(static_cast<Test>(t), counts[t], r.deals);
        res.departs = res.df > 0 && res.p < r.testLevel();
        r.tests.push_back(res);
    }
    return r;
}

double chiSquareTail(double x, int df) {
    if (df <= 0) return 1;
    if (!(x > 0)) return 1;
    // Integer degrees of freedom: a finite sum, with erfc for odd ones.
    const double h = x / 2;
    double sum = 0, term;
    int i;
    if (df % 2 == 0) {
        term = 1;
        i = 1;
        for (int k = 0; k < df / 2; ++k) {
            sum += term;
            term *= h / i++;
        }
        return std::min(1.0, std::exp(-h) * sum);
    }
    term = std::sqrt(h) * 2 / std::sqrt(std::numbers::pi);  // h^(1/2) / Gamma(3/2)
    for (int k = 0; k < df / 2; ++k) {
        sum += term;
        term *= h / (k + 1.5);
    }
    return std::min(1.0, std::erfc(std::sqrt(h)) + std::exp(-h) * sum);
}

std::string pText(double p, const std::string &point) {
    if (p < 0.0001) return "< " + fixed(0.0001, 4, point);
    return fixed(p, 4, point);
}

std::string verdict(const Report &r, const std::string &point) {
    if (r.deals == 0) return "Aucune donne complète : pas de test d'équité.";
    bool any = false;
    for (const TestResult &t : r.tests) any = any || t.df > 0;
    if (!any) return "Trop peu de donnes complètes pour un test d'équité.";
    std::string parts;
    for (const TestResult &t : r.tests) {
        if (!t.departs) continue;
        std::string name = testName(t.test);
        name[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(name[0])));
        const ClassCount &c = t.classes[static_cast<size_t>(t.worst)];
        const std::string p = pText(t.p, point);
        parts += (parts.empty() ? "" : " ; ") + name + " (p " + (p[0] == '<' ? p : "= " + p) + ") : " +
                 (c.observed > c.expected ? "trop de " : "trop peu de ") + classPhrase(t.test, c.label) + " (" +
                 std::to_string(c.observed) + " pour " + fixed(c.expected, 1, point) + " attendues)";
    }
    if (parts.empty()) return "Aucun écart significatif au seuil de 1 %.";
    return "Écart significatif au seuil de 1 % : " + parts + ".";
}

std::string sampleLine(const Report &r) {
    return std::to_string(r.series) + (r.series > 1 ? " séries, " : " série, ") + std::to_string(r.deals) +
           (r.deals > 1 ? " donnes complètes, " : " donne complète, ") + std::to_string(4 * r.deals) + " mains";
}

std::string levelNote(const Report &r, const std::string &point) {
    return "Seuil de 1 % pour l'ensemble des " + std::to_string(kTests) + " tests, soit " +
           fixed(100 * r.testLevel(), 1, point) +
           " % pour chacun. Les donnes sont les unités des tests, car les mains d'une même donne ne sont pas "
           "indépendantes ; les classes attendues moins de 5 fois sont regroupées.";
}

std::vector<std::string> reportLines(const Report &r, const std::string &point) {
    std::vector<std::string> out;
    out.push_back("Équité de la distribution");
    out.push_back(sampleLine(r));
    out.push_back("Test\tUnités\tClasses\tKhi-deux\tddl\tp");
    for (const TestResult &t : r.tests) {
        std::string line = std::string(testName(t.test)) + '\t' + std::to_string(t.units) + ' ' + unitName(t.test) +
                           '\t' + std::to_string(t.classes.size()) + '\t';
        line += t.df > 0 ? fixed(t.statistic, 2, point) + '\t' + std::to_string(t.df) + '\t' + pText(t.p, point)
                         : "-\t-\t-";
        out.push_back(line);
    }
    out.push_back(verdict(r, point));
    out.push_back(levelNote(r, point));
    for (const TestResult &t : r.tests) {
        out.push_back("");
        out.push_back(testName(t.test));
        out.push_back("Classe\tObservé\tAttendu");
        for (const ClassCount &c : t.classes)
            out.push_back(c.label + '\t' + std::to_string(c.observed) + '\t' + fixed(c.expected, 1, point));
    }
    return out;
}

}  // namespace vrek::fairness
