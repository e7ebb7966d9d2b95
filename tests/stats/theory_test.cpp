// The theory beside each counter of tab 5 and of the printout's hand block,
// against exact counts of hands and deals made here in whole numbers: hands
// by their suit lengths, deals suit by suit (the program goes hand by hand).
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "platform/recordingcanvas.h"
#include "stats/statistics.h"
#include "stats/statsprint.h"
#include "testutil.h"

using namespace vrek;
using namespace vrek::stats;

namespace {

using Big = unsigned __int128;

Big choose(int n, int k) {
    Big r = 1;
    for (int i = 1; i <= k; ++i) r = r * Big(n - k + i) / Big(i);
    return r;
}

// "14,629": num / den in percent, to three decimals, half up.
std::string percent(Big num, Big den, const std::string &point) {
    const Big thousandths = (num * 200000 + den) / (2 * den);
    const unsigned long long whole = static_cast<unsigned long long>(thousandths / 1000);
    const unsigned frac = static_cast<unsigned>(thousandths % 1000);
    char buf[8];
    std::snprintf(buf, sizeof buf, "%03u", frac);
    return std::to_string(whole) + point + buf;
}

// Deals counted suit by suit: each suit's 13 cards go to the hands, and a
// hand is of the kind once one of its suits has a length `marks`. Element k
// is the number of deals with exactly k hands of the kind.
template <class Marks>
std::array<Big, 5> dealsWithHandsOfKind(Marks marks) {
    constexpr int kRoom = 14 * 14 * 14 * 14;
    auto at = [](const std::array<int, 4> &r, int kinds) { return (((r[0] * 14 + r[1]) * 14 + r[2]) * 14 + r[3]) * 16 + kinds; };
    std::vector<Big> ways(kRoom * 16), next(kRoom * 16);
    ways[at({13, 13, 13, 13}, 0)] = 1;
    for (int suit = 0; suit < 4; ++suit) {
        std::fill(next.begin(), next.end(), Big(0));
        for (int i = 0; i < kRoom * 16; ++i) {
            if (!ways[i]) continue;
            const int kinds = i % 16, r = i / 16;
            const std::array<int, 4> room{r / 2744, r / 196 % 14, r / 14 % 14, r % 14};
            for (int a = 0; a <= room[0]; ++a)
                for (int b = 0; b <= room[1] && a + b <= 13; ++b)
                    for (int c = 0; c <= room[2] && a + b + c <= 13; ++c) {
                        const int d = 13 - a - b - c;
                        if (d > room[3]) continue;
                        const int got[4] = {a, b, c, d};
                        int k = kinds;
                        for (int h = 0; h < 4; ++h)
                            if (marks(got[h])) k |= 1 << h;
                        const Big w = choose(13, a) * choose(13 - a, b) * choose(13 - a - b, c);
                        next[at({room[0] - a, room[1] - b, room[2] - c, room[3] - d}, k)] += ways[i] * w;
                    }
        }
        std::swap(ways, next);
    }
    std::array<Big, 5> byCount{};
    for (int kinds = 0; kinds < 16; ++kinds) byCount[__builtin_popcount(kinds)] += ways[at({0, 0, 0, 0}, kinds)];
    return byCount;
}

// Hands counted by their suit lengths: the sum of `value` over all hands.
template <class Value>
Big handsTimes(Value value) {
    Big sum = 0;
    for (int a = 0; a <= 13; ++a)
        for (int b = 0; a + b <= 13; ++b)
            for (int c = 0; a + b + c <= 13; ++c) {
                const std::array<int, 4> l{a, b, c, 13 - a - b - c};
                sum += choose(13, l[0]) * choose(13, l[1]) * choose(13, l[2]) * choose(13, l[3]) * Big(value(l));
            }
    return sum;
}

int suits(const std::array<int, 4> &l, int lo, int hi) {
    int n = 0;
    for (int x : l) n += x >= lo && x <= hi;
    return n;
}

}  // namespace

TEST(Theory, EveryCounterBesideItsExactProbability) {
    const auto seven = dealsWithHandsOfKind([](int n) { return n >= 7; });
    const auto six = dealsWithHandsOfKind([](int n) { return n == 6; });
    const auto shortness = dealsWithHandsOfKind([](int n) { return n < 2; });
    const auto irregular = dealsWithHandsOfKind([](int n) { return n < 2 || n > 5; });
    const Big deals = choose(52, 13) * choose(39, 13) * choose(26, 13);
    Big all = 0;
    for (Big n : shortness) all += n;
    ASSERT_TRUE(all == deals);
    // Tab 5 in grid order: some hand with a suit of 7+, of 6, no hand with a
    // singleton or void, four regular hands, exactly 1 .. 4 short hands.
    const Big dealCounts[8] = {deals - seven[0], deals - six[0], shortness[0], irregular[0],
                               shortness[1],     shortness[2],   shortness[3], shortness[4]};
    // The hand block: 7+ suits and 6-card suits per hand (6-6-1-0 holds two),
    // no singleton or void, regular, exactly 1, 2, 3 voids, voids per hand.
    const Big hands = choose(52, 13);
    const Big handCounts[8] = {
        handsTimes([](auto &l) { return suits(l, 7, 13); }), handsTimes([](auto &l) { return suits(l, 6, 6); }),
        handsTimes([](auto &l) { return suits(l, 0, 1) == 0; }), handsTimes([](auto &l) { return suits(l, 2, 5) == 4; }),
        handsTimes([](auto &l) { return suits(l, 0, 0) == 1; }), handsTimes([](auto &l) { return suits(l, 0, 0) == 2; }),
        handsTimes([](auto &l) { return suits(l, 0, 0) == 3; }), handsTimes([](auto &l) { return suits(l, 0, 0); })};
    const char *handLabels[8] = {"une couleur 7ème ou plus", "une couleur 6ème",    "aucun singleton ni chicane",
                                 "main régulière ( 4333,4432,5332,5422 )", "1 seule chicane par main",
                                 "2 chicanes par main", "3 chicanes par main", "Nombre total de chicanes"};

    Series s;
    s.clear();
    for (int b = 1; b <= 12; ++b) s.deal(b) = testutil::shuffledDeal(unsigned(b) * 31u);
    // Each locale's separator throughout.
    for (const std::string point : {",", "."}) {
        SCOPED_TRACE(point);
        const Statistics st = computeStatistics(s, Mode::Observed, point);
        int k = 0;
        for (const Grid &g : st.deals)
            for (const Row &r : g.rows) {
                EXPECT_EQ(r[3], percent(dealCounts[k], deals, point)) << r[0];
                EXPECT_NEAR(double(dealTheory()[k]), double(dealCounts[k]) * 100 / double(deals), 1e-12) << r[0];
                ++k;
            }
        RecordingCanvas c;
        ASSERT_TRUE(printStatistics(c, st, "S"));
        const PageUnits u(c);
        for (int i = 0; i < 8; ++i) {
            const DrawOp *label = c.firstText(handLabels[i]);
            ASSERT_NE(label, nullptr) << handLabels[i];
            std::string shown;
            for (const DrawOp &t : c.texts())
                if (t.y1 == label->y1 && t.font.italic && (t.x1 > u.x(1100)) == (i >= 4)) shown = t.text;
            EXPECT_EQ(shown, percent(handCounts[i], hands, point)) << handLabels[i];
            EXPECT_NEAR(double(handTheory()[i]), double(handCounts[i]) * 100 / double(hands), 1e-12) << handLabels[i];
        }
    }
}
