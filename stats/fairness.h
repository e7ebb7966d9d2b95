// The fairness report of one series or of several (a season): for hand
// patterns, points per hand, longest and shortest suit and the deal types,
// a goodness-of-fit test of the observed counts against the exact laws of a
// fair deal, with one French sentence for the whole report.
//
// Each test counts its units (hands or deals) in classes, merges classes
// whose expected count is below 5, and measures the gap with a Wald
// statistic whose covariance is that of the deal: the four hands of a deal
// are not independent, so the deals are the units and the joint law of two
// hands of a deal enters the covariance. The statistic follows a chi-square
// law with one degree of freedom fewer than the classes. The report departs
// at the 1 % level when some test's p-value is below 1 % divided by the
// number of tests (Bonferroni), so that a fair series is flagged at most
// once in a hundred.
#pragma once
#include <string>
#include <vector>

#include "core/series.h"

namespace vrek::fairness {

enum class Test { Patterns, Points, Longest, Shortest, DealTypes };
constexpr int kTests = 5;
constexpr double kLevel = 0.01;
constexpr double kMinExpected = 5;

struct ClassCount {
    std::string label;  // "4-4-3-2", "0-2", "longue 6, 2 courtes"
    int observed = 0;
    double expected = 0;
};

struct TestResult {
    Test test = Test::Patterns;
    int units = 0;  // hands, or deals for the deal types
    std::vector<ClassCount> classes;
    double statistic = 0;
    int df = 0;  // 0: too few units for two classes, no test
    double p = 1;
    int worst = -1;  // the class furthest from its expectation
    bool departs = false;
};

struct Report {
    int series = 0;
    int deals = 0;  // complete deals counted
    std::vector<TestResult> tests;
    // The level each test is held to: kLevel / kTests.
    double testLevel() const { return kLevel / kTests; }
};

// "Distributions des mains", "Points H par main", ...
const char *testName(Test t);
// "mains" or "donnes".
const char *unitName(Test t);

// The deals a report counts: the complete, sound deals of `boards` (all 96
// when empty) of each series added.
struct Sample {
    std::vector<Deal> deals;
    int series = 0;
    void add(const Series &s, const std::vector<int> &boards = {});
};

Report fairnessReport(const Sample &sample);
Report fairnessReport(const std::vector<Deal> &deals, int series = 1);

// Upper tail of the chi-square law with `df` degrees of freedom.
double chiSquareTail(double x, int df);

// The report as text lines (UTF-8): heading, one line per test, the
// sentence, the note on the level, then each test's classes.
std::vector<std::string> reportLines(const Report &r, const std::string &decimalPoint);
// "1 série, 96 donnes complètes, 384 mains".
std::string sampleLine(const Report &r);
// The level the tests are held to and why the deals are the units.
std::string levelNote(const Report &r, const std::string &decimalPoint);
// The one French sentence: "Aucun écart significatif au seuil de 1 %." or
// which test departs and how.
std::string verdict(const Report &r, const std::string &decimalPoint);
// "0,0312", or "< 0,0001".
std::string pText(double p, const std::string &decimalPoint);

}  // namespace vrek::fairness
