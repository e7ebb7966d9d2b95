// The theory beside each counter of tab 5 and of the printout's hand block,
// against exact counts made here in whole numbers: hands by their suit
// lengths, deals suit by suit (the program deals hand by hand).
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "platform/recordingcanvas.h"
#include "stats/statsprint.h"

using namespace vrek;
using namespace vrek::stats;

namespace {

using Big = unsigned __int128;
Big choose(int n, int k) {
    Big r = 1;
    for (int i = 1; i <= k; ++i) r = r * Big(n - k + i) / Big(i);
    return r;
}

// num / den in percent, three decimals, half up: "14,629".
std::string percent(Big num, Big den, const std::string &point) {
    const Big t = (num * 200000 + den) / (2 * den);
    char frac[8];
    std::snprintf(frac, sizeof frac, "%03u", unsigned(t % 1000));
    return std::to_string(static_cast<unsigned long long>(t / 1000)) + point + frac;
}

// Deals by how many hands have a suit whose length `marks`: the suits go out
// one by one; a state is the room left in each hand and the hands marked.
template <class Marks>
std::array<Big, 5> dealsWithMarkedHands(Marks marks) {
    auto at = [](int a, int b, int c, int d, int m) { return (((a * 14 + b) * 14 + c) * 14 + d) * 16 + m; };
    std::vector<Big> ways(at(13, 13, 13, 13, 16)), next(ways.size());
    ways[at(13, 13, 13, 13, 0)] = 1;
    for (int suit = 0; suit < 4; ++suit) {
        std::fill(next.begin(), next.end(), Big(0));
        for (int i = 0; i < int(ways.size()); ++i) {
            const int m = i % 16, r = i / 16, room[4] = {r / 2744, r / 196 % 14, r / 14 % 14, r % 14};
            for (int a = 0; ways[i] && a <= room[0]; ++a)
                for (int b = 0; b <= room[1] && a + b <= 13; ++b)
                    for (int c = 0, d; c <= room[2] && (d = 13 - a - b - c) >= 0; ++c)
                        if (d <= room[3])
                            next[at(room[0] - a, room[1] - b, room[2] - c, room[3] - d,
                                    m | marks(a) | marks(b) << 1 | marks(c) << 2 | marks(d) << 3)] +=
                                ways[i] * choose(13, a) * choose(13 - a, b) * choose(13 - a - b, c);
        }
        ways.swap(next);
    }
    std::array<Big, 5> n{};
    for (int m = 0; m < 16; ++m) n[__builtin_popcount(m)] += ways[at(0, 0, 0, 0, m)];
    return n;
}

// The sum over every hand of a value of its suit lengths.
template <class Value>
Big handsTimes(Value value) {
    Big sum = 0;
    for (int a = 0; a <= 13; ++a)
        for (int b = 0; a + b <= 13; ++b)
            for (int c = 0, d; (d = 13 - a - b - c) >= 0; ++c)
                sum += choose(13, a) * choose(13, b) * choose(13, c) * choose(13, d) * Big(value(std::array{a, b, c, d}));
    return sum;
}
int suits(const std::array<int, 4> &l, int lo, int hi) {
    int n = 0;
    for (int x : l) n += x >= lo && x <= hi;
    return n;
}

}  // namespace

TEST(Theory, EveryCounterBesideItsExactProbability) {
    const auto seven = dealsWithMarkedHands([](int n) { return n >= 7; });
    const auto six = dealsWithMarkedHands([](int n) { return n == 6; });
    const auto shortness = dealsWithMarkedHands([](int n) { return n < 2; });
    const auto irregular = dealsWithMarkedHands([](int n) { return n < 2 || n > 5; });
    const Big deals = choose(52, 13) * choose(39, 13) * choose(26, 13), hands = choose(52, 13);
    ASSERT_TRUE(shortness[0] + shortness[1] + shortness[2] + shortness[3] + shortness[4] == deals);
    // Tab 5 in grid order: some hand with a suit of 7+, of 6; no short hand;
    // four regular hands; exactly 1 .. 4 hands with a singleton or void.
    const Big dealCounts[8] = {deals - seven[0], deals - six[0], shortness[0], irregular[0],
                               shortness[1],     shortness[2],   shortness[3], shortness[4]};
    // The hand block: suits of 7+ and of 6 per hand (6-6-1-0 holds two), no
    // singleton or void, regular, exactly 1, 2, 3 voids, voids per hand.
    const Big handCounts[8] = {
        handsTimes([](const auto &l) { return suits(l, 7, 13); }), handsTimes([](const auto &l) { return suits(l, 6, 6); }),
        handsTimes([](const auto &l) { return suits(l, 0, 1) == 0; }), handsTimes([](const auto &l) { return suits(l, 2, 5) == 4; }),
        handsTimes([](const auto &l) { return suits(l, 0, 0) == 1; }), handsTimes([](const auto &l) { return suits(l, 0, 0) == 2; }),
        handsTimes([](const auto &l) { return suits(l, 0, 0) == 3; }), handsTimes([](const auto &l) { return suits(l, 0, 0); })};
    for (const std::string point : {",", "."}) {  // each locale's separator throughout
        const Statistics st = computeStatistics(Series{}, Mode::Observed, point);
        RecordingCanvas c;
        ASSERT_TRUE(printStatistics(c, st, "S"));
        int k = 0;
        for (const Grid &g : st.deals)
            for (const Row &r : g.rows) EXPECT_EQ(r[3], percent(dealCounts[k++], deals, point)) << r[0];
        for (int i = 0; i < 8; ++i) {
            bool shown = false;
            for (const DrawOp &t : c.textsEqual(percent(handCounts[i], hands, point))) shown = shown || t.font.italic;
            EXPECT_TRUE(shown) << percent(handCounts[i], hands, point);
        }
    }
}
