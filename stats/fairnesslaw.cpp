#include "stats/fairnesslaw.h"

#include <algorithm>
#include <functional>

#include "core/probability.h"

namespace vrek::fairness {

namespace {

using Lengths = std::array<int, 4>;

// Every way of writing 13 as four suit lengths, suits in order.
const std::vector<Lengths> &handShapes() {
    static const std::vector<Lengths> all = [] {
        std::vector<Lengths> v;
        for (int a = 0; a <= 13; ++a)
            for (int b = 0; a + b <= 13; ++b)
                for (int c = 0; a + b + c <= 13; ++c) v.push_back({a, b, c, 13 - a - b - c});
        return v;
    }();
    return all;
}

// Ways to choose k of n cards, from a table: the laws take millions.
double choose(int n, int k) {
    static const auto table = [] {
        std::array<std::array<double, 53>, 53> t{};
        for (int a = 0; a <= 52; ++a)
            for (int b = 0; b <= a; ++b) t[a][b] = static_cast<double>(binomial(b, a));
        return t;
    }();
    return k < 0 || k > n ? 0 : table[n][k];
}

// The law of a class of the hand's shape, from the joint law of the shapes
// of two hands: the first takes any 13 cards, the second 13 of the 39 left.
HandLaw shapeLaw(int size, const std::function<int(const Lengths &)> &classOf) {
    HandLaw law;
    law.size = size;
    law.single.assign(size, 0);
    law.pair.assign(static_cast<size_t>(size) * size, 0);
    const double all = choose(52, 13) * choose(39, 13);
    for (const Lengths &a : handShapes()) {
        double wa = 1;
        for (int s = 0; s < 4; ++s) wa *= choose(13, a[s]);
        const int ca = classOf(a);
        for (const Lengths &b : handShapes()) {
            double w = wa;
            for (int s = 0; s < 4 && w > 0; ++s) w *= choose(13 - a[s], b[s]);
            if (w == 0) continue;
            law.pair[static_cast<size_t>(ca) * size + classOf(b)] += w / all;
            law.single[ca] += w / all;
        }
    }
    return law;
}

int longestOf(const Lengths &l) { return *std::max_element(l.begin(), l.end()); }
int shortestOf(const Lengths &l) { return *std::min_element(l.begin(), l.end()); }

// What a hand's shape adds to its deal's type: the longest suit's row and
// whether it holds a singleton or a void.
int rowOf(int longest) { return longest <= 5 ? 0 : longest == 6 ? 1 : 2; }

}  // namespace

const std::vector<Lengths> &patterns() {
    static const std::vector<Lengths> all = [] {
        std::vector<Lengths> v;
        for (const Lengths &l : handShapes())
            if (l[0] >= l[1] && l[1] >= l[2] && l[2] >= l[3]) v.push_back(l);
        std::sort(v.begin(), v.end(), [](const Lengths &x, const Lengths &y) {
            if (x[3] != y[3]) return x[3] > y[3];
            return std::lexicographical_compare(x.begin(), x.end() - 1, y.begin(), y.end() - 1);
        });
        return v;
    }();
    return all;
}

int patternIndex(Lengths lengths) {
    std::sort(lengths.begin(), lengths.end(), std::greater<int>());
    const auto &all = patterns();
    return static_cast<int>(std::find(all.begin(), all.end(), lengths) - all.begin());
}

const HandLaw &patternLaw() {
    static const HandLaw law = shapeLaw(39, [](const Lengths &l) { return patternIndex(l); });
    return law;
}

const HandLaw &longestLaw() {
    static const HandLaw law = shapeLaw(10, [](const Lengths &l) { return longestOf(l) - 4; });
    return law;
}

const HandLaw &shortestLaw() {
    static const HandLaw law = shapeLaw(4, [](const Lengths &l) { return shortestOf(l); });
    return law;
}

const HandLaw &pointsLaw() {
    // The honours of each rank shared between the two hands (x to the first,
    // y to the second), then the 36 small cards.
    static const HandLaw law = [] {
        HandLaw l;
        l.size = kMaxHandPoints + 1;
        l.single.assign(l.size, 0);
        l.pair.assign(static_cast<size_t>(l.size) * l.size, 0);
        const double all = choose(52, 13) * choose(39, 13);
        std::array<int, 4> x{}, y{};
        std::function<void(int, double)> rank = [&](int r, double w) {
            if (r == 4) {
                int hx = 0, hy = 0, px = 0, py = 0;
                for (int k = 0; k < 4; ++k) {
                    hx += x[k];
                    hy += y[k];
                    px += (k + 1) * x[k];
                    py += (k + 1) * y[k];
                }
                if (hx > 13 || hy > 13) return;
                const double v = w * choose(36, 13 - hx) * choose(36 - (13 - hx), 13 - hy) / all;
                l.pair[static_cast<size_t>(px) * l.size + py] += v;
                l.single[px] += v;
                return;
            }
            for (x[r] = 0; x[r] <= 4; ++x[r])
                for (y[r] = 0; x[r] + y[r] <= 4; ++y[r]) rank(r + 1, w * choose(4, x[r]) * choose(4 - x[r], y[r]));
        };
        rank(0, 1);
        return l;
    }();
    return law;
}

int dealTypeOf(const Deal &d) {
    int row = 0, shortHands = 0;
    for (int seat = 1; seat <= 4; ++seat) {
        Lengths l;
        for (int suit = 1; suit <= 4; ++suit) l[suit - 1] = d.holding(seat, suit).count;
        row = std::max(row, rowOf(longestOf(l)));
        shortHands += shortestOf(l) <= 1;
    }
    return 5 * row + shortHands;
}

const std::vector<double> &dealTypeLaw() {
    // A deal's four shapes have the weight prod over suits of 13! / (its
    // four lengths' factorials), so the deal's weight is a product over the
    // hands of prod 1 / l!, with each suit's lengths summing to 13. Two
    // hands at a time, by what their suits add up to and by what they give
    // the type (row, hands short), then the two pairs that complete a deal.
    static const std::vector<double> law = [] {
        constexpr int kSums = 14 * 14 * 14 * 14;
        constexpr int kParts = 9;  // row 0 .. 2, short hands 0 .. 2
        std::vector<double> pairs(static_cast<size_t>(kParts) * kSums, 0);
        std::vector<double> weight;
        std::vector<int> part;
        for (const Lengths &l : handShapes()) {
            double w = 1;
            for (int n : l) w /= static_cast<double>(factorial(n));
            weight.push_back(w);
            part.push_back(3 * rowOf(longestOf(l)) + (shortestOf(l) <= 1));
        }
        const auto &shapes = handShapes();
        for (size_t i = 0; i < shapes.size(); ++i)
            for (size_t j = 0; j < shapes.size(); ++j) {
                int sum = 0;
                bool fits = true;
                for (int s = 3; s >= 0 && fits; --s) {
                    const int n = shapes[i][s] + shapes[j][s];
                    fits = n <= 13;
                    sum = 14 * sum + n;
                }
                if (!fits) continue;
                const int pi = part[i], pj = part[j];
                const int p = 3 * std::max(pi / 3, pj / 3) + pi % 3 + pj % 3;
                pairs[static_cast<size_t>(p) * kSums + sum] += weight[i] * weight[j];
            }
        // prod over suits of 13! / (52! / 13!^4): the weights' common factor.
        const double f13 = static_cast<double>(factorial(13));
        const double scale = f13 * f13 * f13 * f13 * f13 * f13 * f13 * f13 / static_cast<double>(factorial(52));
        std::vector<double> out(kDealTypes, 0);
        for (int sum = 0; sum < kSums; ++sum) {
            const int a = sum % 14, b = sum / 14 % 14, c = sum / 196 % 14, d = sum / 2744;
            if (a + b + c + d != 26) continue;
            const int rest = (13 - a) + 14 * (13 - b) + 196 * (13 - c) + 2744 * (13 - d);
            for (int p = 0; p < kParts; ++p) {
                const double x = pairs[static_cast<size_t>(p) * kSums + sum];
                if (x == 0) continue;
                for (int q = 0; q < kParts; ++q) {
                    const double y = pairs[static_cast<size_t>(q) * kSums + rest];
                    if (y == 0) continue;
                    const int row = std::max(p / 3, q / 3), hands = p % 3 + q % 3;
                    out[5 * row + hands] += scale * x * y;
                }
            }
        }
        return out;
    }();
    return law;
}

}  // namespace vrek::fairness
