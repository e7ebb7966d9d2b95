// The fairness report: the exact laws it compares with, its p-values on fair
// series from a plain shuffle (not the program's dealer), its power on two
// unfair series, and what it says and prints.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "core/probability.h"
#include "platform/recordingcanvas.h"
#include "stats/fairness.h"
#include "stats/fairnesslaw.h"
#include "stats/fairnessprint.h"

using namespace vrek;
using namespace vrek::fairness;

namespace {

// A shuffled pack dealt 13 by 13; the rare deal with ten cards of a suit in
// one hand, which a deal record cannot hold, is shuffled again.
Deal shuffled(std::mt19937_64 &g) {
    for (;;) {
        std::array<int, 52> pack;
        for (int i = 0; i < 52; ++i) pack[static_cast<size_t>(i)] = i;
        std::shuffle(pack.begin(), pack.end(), g);
        Deal d;
        for (int i = 0; i < 52; ++i)
            d.holding(i / 13 + 1, pack[static_cast<size_t>(i)] / 13 + 1).insert(pack[static_cast<size_t>(i)] % 13 + 2);
        if (d.complete()) return d;
    }
}

std::vector<Deal> fair(std::mt19937_64 &g, int n = 96) {
    std::vector<Deal> v;
    for (int i = 0; i < n; ++i) v.push_back(shuffled(g));
    return v;
}

int shortest(const Hand &h) {
    int m = 13;
    for (const Holding &x : h.suits) m = std::min<int>(m, x.count);
    return m;
}

}  // namespace

TEST(FairnessLaws, AreExactLawsOfOneHandAndOfTwoHandsOfADeal) {
    struct Law {
        const char *name;
        const HandLaw &law;
    } laws[] = {{"patterns", patternLaw()}, {"points", pointsLaw()}, {"longest", longestLaw()},
                {"shortest", shortestLaw()}};
    for (const Law &l : laws) {
        double total = 0;
        for (int i = 0; i < l.law.size; ++i) {
            total += l.law.single[static_cast<size_t>(i)];
            // Two hands of a deal are exchangeable.
            for (int j = 0; j < i; ++j)
                EXPECT_NEAR(l.law.joint(i, j), l.law.joint(j, i), 1e-15) << l.name << i << "," << j;
        }
        EXPECT_NEAR(total, 1, 1e-12) << l.name;
    }
    ASSERT_EQ(patterns().size(), 39u);
    for (size_t i = 0; i < 39; ++i) {
        const auto &p = patterns()[i];
        EXPECT_NEAR(patternLaw().single[i], double(patternProbability(p[0], p[1], p[2], p[3])), 1e-14);
    }
    // The four hands hold 40 points: the covariance of two hands' points is
    // minus a third of a hand's variance.
    double mean = 0, var = 0, cov = 0;
    for (int i = 0; i <= 37; ++i) {
        EXPECT_NEAR(pointsLaw().single[static_cast<size_t>(i)], double(pointProbability13(i)), 1e-14);
        mean += i * pointsLaw().single[static_cast<size_t>(i)];
    }
    for (int i = 0; i <= 37; ++i) {
        var += (i - mean) * (i - mean) * pointsLaw().single[static_cast<size_t>(i)];
        for (int j = 0; j <= 37; ++j) cov += (i - mean) * (j - mean) * pointsLaw().joint(i, j);
    }
    EXPECT_NEAR(mean, 10, 1e-12);
    EXPECT_NEAR(cov, -var / 3, 1e-10);

    // Deal types: the hands with a singleton or a void average four times a
    // hand's chance; deals without shortness and regular deals as counted
    // over the 37478624 ways four hands can share the suits' lengths.
    const auto &deal = dealTypeLaw();
    double all = 0, shortHands = 0;
    for (int c = 0; c < kDealTypes; ++c) {
        all += deal[static_cast<size_t>(c)];
        shortHands += (c % 5) * deal[static_cast<size_t>(c)];
    }
    EXPECT_NEAR(all, 1, 1e-12);
    EXPECT_NEAR(shortHands, 4 * (shortestLaw().single[0] + shortestLaw().single[1]), 1e-12);
    EXPECT_NEAR(deal[0] + deal[5] + deal[10], 0.206281, 1e-6);
    EXPECT_NEAR(deal[0], 0.161211, 1e-6);
    EXPECT_NEAR(deal[14], 0.009985, 1e-6);
}

TEST(FairnessLaws, ChiSquareTail) {
    struct {
        double x;
        int df;
        double p;
    } cases[] = {{3.841459, 1, 0.05}, {6.634897, 1, 0.01}, {5.991465, 2, 0.05}, {2, 2, std::exp(-1.0)},
                 {18.307038, 10, 0.05}, {23.209251, 10, 0.01}, {36.415029, 24, 0.05}, {0, 3, 1}, {500, 7, 0}};
    for (const auto &c : cases) EXPECT_NEAR(chiSquareTail(c.x, c.df), c.p, 1e-6) << c.x << " " << c.df;
}

// Fair series from std::shuffle: every class expected at least five times,
// counts adding up, and p-values below 5 % about one time in twenty.
TEST(FairnessReport, FairSeriesPassAsOftenAsTheLevelSays) {
    std::mt19937_64 g(7);
    int below05[kTests] = {}, departs = 0;
    constexpr int kRuns = 300;
    for (int run = 0; run < kRuns; ++run) {
        const Report r = fairnessReport(fair(g), 1);
        ASSERT_EQ(r.deals, 96);
        bool any = false;
        for (int t = 0; t < kTests; ++t) {
            const TestResult &x = r.tests[static_cast<size_t>(t)];
            if (run == 0) {
                int observed = 0;
                double expected = 0;
                for (const ClassCount &c : x.classes) {
                    EXPECT_GE(c.expected, kMinExpected) << testName(x.test) << " " << c.label;
                    observed += c.observed;
                    expected += c.expected;
                }
                EXPECT_EQ(observed, x.units);
                EXPECT_NEAR(expected, x.units, 1e-9);
                EXPECT_EQ(x.df + 1, int(x.classes.size()));
            }
            below05[t] += x.p < 0.05;
            any = any || x.departs;
        }
        departs += any;
    }
    for (int t = 0; t < kTests; ++t) {
        EXPECT_GE(below05[t], 6) << testName(static_cast<fairness::Test>(t));
        EXPECT_LE(below05[t], 27) << testName(static_cast<fairness::Test>(t));
    }
    EXPECT_LE(departs, 9);
}

// Every hand balanced, or twice the expected hands with a void: flagged at
// p < 0.001, and the sentence says which test and how.
TEST(FairnessReport, UnfairSeriesAreFlagged) {
    std::mt19937_64 g(11);
    auto voidsOf = [](const Deal &d) {
        int v = 0;
        for (const Hand &h : d.hands) v += shortest(h) == 0;
        return v;
    };
    std::vector<Deal> balanced, voids;
    while (balanced.size() < 96) {
        Deal d = shuffled(g);
        bool ok = true;
        for (const Hand &h : d.hands) {
            std::array<int, 4> l;
            for (int s = 0; s < 4; ++s) l[static_cast<size_t>(s)] = h.suits[s].count;
            std::sort(l.begin(), l.end());
            ok = ok && l[0] >= 2 && l[3] <= 5 && !(l[0] == 2 && l[1] == 2);
        }
        if (ok) balanced.push_back(d);
    }
    // Deals with voids up to twice the expected hands, then deals without.
    const int target = int(std::lround(2 * 384 * shortestLaw().single[0]));
    for (int withVoid = 0; voids.size() < 96;) {
        Deal d = shuffled(g);
        const int v = voidsOf(d);
        if (withVoid < target ? v > 0 && withVoid + v <= target : v == 0) {
            voids.push_back(d);
            withVoid += v;
        }
    }
    const Report b = fairnessReport(balanced, 1), v = fairnessReport(voids, 1);
    EXPECT_LT(b.tests[size_t(fairness::Test::Patterns)].p, 0.001);
    EXPECT_LT(v.tests[size_t(fairness::Test::Shortest)].p, 0.001);
    const std::string sb = verdict(b, ","), sv = verdict(v, ",");
    EXPECT_EQ(sb.rfind("Écart significatif au seuil de 1 % : distributions des mains (p < 0,0001) : trop ", 0), 0u)
        << sb;
    EXPECT_NE(sv.find("plus courte couleur (p "), std::string::npos) << sv;
    EXPECT_NE(sv.find("trop de mains dont la plus courte couleur a 0 cartes (" + std::to_string(target) + " pour "),
              std::string::npos)
        << sv;
}

TEST(FairnessReport, CountsCompleteBoardsOnlyAndSaysSo) {
    std::mt19937_64 g(3);
    Series s;
    for (int b = 1; b <= 10; ++b) s.deal(b) = shuffled(g);
    s.deal(3).holding(North, Spades) = Holding();  // incomplete
    s.deal(4).hands[1] = s.deal(4).hands[0];       // cards twice
    Sample all, some;
    all.add(s);
    some.add(s, {1, 2, 3, 4, 5, 50});
    EXPECT_EQ(all.deals.size(), 8u);
    EXPECT_EQ(some.deals.size(), 3u);
    some.add(s, {6});
    EXPECT_EQ(some.series, 2);

    EXPECT_EQ(verdict(fairnessReport(std::vector<Deal>{}, 1), ","), "Aucune donne complète : pas de test d'équité.");
    EXPECT_EQ(verdict(fairnessReport({s.deal(1)}, 1), ","), "Trop peu de donnes complètes pour un test d'équité.");
    const Report r = fairnessReport(fair(g), 1);
    EXPECT_EQ(verdict(r, ","), "Aucun écart significatif au seuil de 1 %.");
    const auto lines = reportLines(r, ",");
    EXPECT_EQ(lines[0], "Équité de la distribution");
    EXPECT_EQ(lines[1], "1 série, 96 donnes complètes, 384 mains");
    EXPECT_EQ(lines[3].rfind("Distributions des mains\t384 mains\t", 0), 0u) << lines[3];
    EXPECT_EQ(lines[7].rfind("Types de donnes\t96 donnes\t", 0), 0u) << lines[7];
    EXPECT_EQ(lines[8], "Aucun écart significatif au seuil de 1 %.");
}

TEST(FairnessPage, DrawsTheTestsTheSentenceAndTheClassesWithinThePage) {
    std::mt19937_64 g(5);
    Sample season;
    for (int k = 0; k < 30; ++k) {  // a season: more classes than one evening
        Series s;
        const auto deals = fair(g);
        std::copy(deals.begin(), deals.end(), s.deals.begin());
        season.add(s);
    }
    const Report r = fairnessReport(season);
    RecordingCanvas c;
    ASSERT_TRUE(printFairness(c, r, ","));
    EXPECT_EQ(c.titles, std::vector<std::string>{"VREK:Equite"});
    EXPECT_EQ(c.pages(), 1);
    ASSERT_NE(c.firstText("30 séries, 2880 donnes complètes, 11520 mains"), nullptr);
    for (int t = 0; t < kTests; ++t) EXPECT_EQ(c.textsEqual(testName(static_cast<fairness::Test>(t))).size(), 2u);
    size_t rows = 0;
    for (const TestResult &t : r.tests) rows += t.classes.size();
    for (const ClassCount &k : r.tests[size_t(fairness::Test::Points)].classes) EXPECT_FALSE(c.textsEqual(k.label).empty());
    EXPECT_GT(rows, 70u);
    for (const DrawOp &op : c.texts()) {
        EXPECT_GE(op.x1, 0) << op.text;
        EXPECT_LE(op.y1 + int(c.pixelHeight(op.font)), c.height()) << op.text;
    }
}
