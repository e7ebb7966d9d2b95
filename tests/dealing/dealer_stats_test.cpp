// The dealer's distribution against theory, with a fixed key. Each check is
// set at p < 1e-6 so it never fails by chance, and the card-to-seat check is
// shown to catch two classic shuffling mistakes at the same sample size.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>

#include "dealing/dealer.h"
#include "testutil.h"

using namespace vrek;

namespace {

constexpr int kDeals = 200000;

Random::Key key(uint8_t k) {
    Random::Key x{};
    x.fill(k);
    return x;
}

double choose(int n, int k) {
    if (k < 0 || k > n) return 0;
    double r = 1;
    for (int i = 1; i <= k; ++i) r = r * (n - k + i) / i;
    return r;
}

double patternProbability(std::array<int, 4> lengths, int permutations) {
    double ways = 1;
    for (int l : lengths) ways *= choose(13, l);
    return permutations * ways / choose(52, 13);
}

double pointsProbability(int points) {
    double ways = 0;
    for (int a = 0; a <= 4; ++a)
        for (int k = 0; k <= 4; ++k)
            for (int q = 0; q <= 4; ++q)
                for (int j = 0; j <= 4; ++j)
                    if (4 * a + 3 * k + 2 * q + j == points)
                        ways += choose(4, a) * choose(4, k) * choose(4, q) * choose(4, j) *
                                choose(36, 13 - a - k - q - j);
    return ways / choose(52, 13);
}

// Chi-square quantile at p = 1e-6 (Wilson-Hilferty; z = 4.753).
double chiSquareLimit(int df) {
    double c = 2.0 / (9.0 * df);
    return df * std::pow(1 - c + 4.753 * std::sqrt(c), 3);
}

// seat[card] for one deal, cards 0 .. 51.
using Placement = std::array<uint8_t, 52>;

// Chi-square of the 52 x 4 table of card against seat (156 degrees of freedom).
double cardSeatChiSquare(const std::function<void(Placement &)> &deal, int deals = kDeals) {
    std::vector<std::array<int, 4>> counts(52);
    Placement p;
    for (int i = 0; i < deals; ++i) {
        deal(p);
        for (int c = 0; c < 52; ++c) ++counts[c][p[c]];
    }
    double expected = deals / 4.0, chi = 0;
    for (auto &row : counts)
        for (int n : row) chi += (n - expected) * (n - expected) / expected;
    return chi;
}

// `none` for the cards no hand holds.
Placement placementOf(const Deal &d, uint8_t none = 0) {
    Placement p;
    p.fill(none);
    for (int seat = 1; seat <= 4; ++seat)
        for (int suit = 1; suit <= 4; ++suit)
            for (int k = 1; k <= d.holding(seat, suit).count; ++k)
                p[13 * (suit - 1) + d.holding(seat, suit).rank(k) - 2] = static_cast<uint8_t>(seat - 1);
    return p;
}

}  // namespace

TEST(DealerStatistics, EveryCardLandsInEverySeatAQuarterOfTheTime) {
    Random rng(key(1));
    ConstraintTable t;
    double chi = cardSeatChiSquare([&](Placement &p) {
        Deal d;
        DealUnderConstraints(d, t, rng);
        p = placementOf(d);
    });
    EXPECT_LT(chi, chiSquareLimit(156));
}

// The same check on two faulty shuffles, so that it is known to have teeth.
TEST(DealerStatistics, TheCardSeatCheckCatchesBiasedShuffles) {
    Random rng(key(2));
    // Swapping each place with any place, rather than with a later one.
    double naive = cardSeatChiSquare([&](Placement &p) {
        std::array<int, 52> cards;
        for (int i = 0; i < 52; ++i) cards[i] = i;
        for (int i = 0; i < 52; ++i) std::swap(cards[i], cards[rng.below(52)]);
        for (int i = 0; i < 52; ++i) p[cards[i]] = static_cast<uint8_t>(i / 13);
    });
    EXPECT_GT(naive, chiSquareLimit(156));
    // Drawing from all but the last card left in the pack.
    double offByOne = cardSeatChiSquare([&](Placement &p) {
        std::array<int, 52> pack;
        for (int i = 0; i < 52; ++i) pack[i] = i;
        for (int count = 52, dealt = 0; count > 0; --count, ++dealt) {
            int i = count > 1 ? static_cast<int>(rng.below(count - 1)) : 0;
            p[pack[i]] = static_cast<uint8_t>(dealt / 13);
            std::copy(pack.begin() + i + 1, pack.begin() + count, pack.begin() + i);
        }
    });
    EXPECT_GT(offByOne, chiSquareLimit(156));
}

// North's 4432 and 5332 patterns and 10-point hands over `deals` deals
// (North only, so that the samples are independent), each within |z| < 5.3
// (two-sided p < 1.2e-7) of theory.
static void expectPatternsAndPoints(const std::function<void(Deal &)> &deal, int deals) {
    const double p4432 = patternProbability({4, 4, 3, 2}, 12);
    const double p5332 = patternProbability({5, 3, 3, 2}, 12);
    const double p10 = pointsProbability(10);
    int n4432 = 0, n5332 = 0, n10 = 0;
    for (int i = 0; i < deals; ++i) {
        Deal d;
        deal(d);
        std::array<int, 4> len;
        int points = 0;
        for (int suit = 1; suit <= 4; ++suit) {
            const Holding &h = d.holding(North, suit);
            len[suit - 1] = h.count;
            for (int k = 0; k < h.count; ++k) points += h.ranks[k] > 10 ? h.ranks[k] - 10 : 0;
        }
        std::sort(len.begin(), len.end());
        n4432 += len == std::array<int, 4>{2, 3, 4, 4};
        n5332 += len == std::array<int, 4>{2, 3, 3, 5};
        n10 += points == 10;
    }
    auto z = [deals](int hits, double p) { return (hits - deals * p) / std::sqrt(deals * p * (1 - p)); };
    EXPECT_LT(std::abs(z(n4432, p4432)), 5.3) << n4432;
    EXPECT_LT(std::abs(z(n5332, p5332)), 5.3) << n5332;
    EXPECT_LT(std::abs(z(n10, p10)), 5.3) << n10;
}

TEST(DealerStatistics, PatternsAndPointsMatchTheory) {
    EXPECT_NEAR(patternProbability({4, 4, 3, 2}, 12), 0.2155, 5e-5);
    EXPECT_NEAR(patternProbability({5, 3, 3, 2}, 12), 0.1552, 5e-5);
    EXPECT_NEAR(pointsProbability(10), 0.0941, 5e-5);
    Random rng(key(3));
    ConstraintTable t;
    expectPatternsAndPoints([&](Deal &d) { DealUnderConstraints(d, t, rng); }, kDeals);
}

// 200 series of 96 boards dealt with 200 dealing keys pass the same checks.
TEST(DealerStatistics, KeyedSeriesDealAsTheDealer) {
    std::vector<Deal> deals;
    ConstraintTable t;
    std::vector<int> boards;
    for (int b = 1; b <= kBoards; ++b) boards.push_back(b);
    for (int k = 0; k < 200; ++k) {
        DealingKey key;
        key.bytes.fill(static_cast<uint8_t>(k));
        key.bytes[31] = 0xC3;
        Series s;
        dealSeries(s, boards, t, key);
        deals.insert(deals.end(), s.deals.begin(), s.deals.end());
    }
    size_t next = 0;
    expectPatternsAndPoints([&](Deal &d) { d = deals[next++]; }, static_cast<int>(deals.size()));
    next = 0;
    EXPECT_LT(cardSeatChiSquare([&](Placement &p) { p = placementOf(deals[next++]); }, static_cast<int>(deals.size())),
              chiSquareLimit(156));
}

// ---- the shuffle against the card-by-card rule ------------------------------

namespace {

// The completion as the rule reads: draw a card uniformly from what is left
// of the pack, offer it to North, East, South, West in turn; the first hand
// with room and fewer than nine of the suit takes it.
void cardByCard(Deal &d, Random &rng) {
    int pack[52], count = 0;
    Placement held = placementOf(d, 0xFF);
    for (int suit = 1; suit <= 4; ++suit)
        for (int rank = 2; rank <= 14; ++rank)
            if (held[13 * (suit - 1) + rank - 2] == 0xFF) pack[count++] = suit * 100 + rank;
    while (count > 0) {
        int i = static_cast<int>(rng.below(count));
        int card = pack[i];
        std::copy(pack + i + 1, pack + count, pack + i);
        --count;
        for (int seat = 1; seat <= 4; ++seat)
            if (d.holding(seat, card / 100).count < 9 && d.hand(seat).cards() < 13) {
                d.holding(seat, card / 100).insert(card % 100);
                break;
            }
    }
}

// A plausible mistake: shuffling only as far as the shares need, and
// offering the cards in that half-shuffled order when a hand's share would
// hold ten of a suit.
void halfShuffled(Deal &d, Random &rng) {
    int pack[52], count = 0;
    Placement held = placementOf(d, 0xFF);
    for (int suit = 1; suit <= 4; ++suit)
        for (int rank = 2; rank <= 14; ++rank)
            if (held[13 * (suit - 1) + rank - 2] == 0xFF) pack[count++] = suit * 100 + rank;
    int last = 0;
    for (int seat = 1; seat <= 4; ++seat)
        if (d.hand(seat).cards() < 13) last = seat;
    for (int i = 0; i < count - (13 - d.hand(last).cards()); ++i)
        std::swap(pack[i], pack[i + static_cast<int>(rng.below(count - i))]);
    for (int i = 0; i < count; ++i)
        for (int seat = 1; seat <= 4; ++seat)
            if (d.holding(seat, pack[i] / 100).count < 9 && d.hand(seat).cards() < 13) {
                d.holding(seat, pack[i] / 100).insert(pack[i] % 100);
                break;
            }
}

// Counts of where each card lands and of each seat's number of hearts.
struct Tally {
    std::vector<std::array<int, 5>> seatOfCard = std::vector<std::array<int, 5>>(52);  // seat 0: dropped
    std::array<std::array<int, 14>, 4> hearts{};
    void add(const Deal &d) {
        Placement p;
        p.fill(0);
        for (int seat = 1; seat <= 4; ++seat)
            for (int suit = 1; suit <= 4; ++suit) {
                const Holding &h = d.holding(seat, suit);
                for (int k = 0; k < h.count; ++k) p[13 * (suit - 1) + h.ranks[k] - 2] = static_cast<uint8_t>(seat);
            }
        for (int c = 0; c < 52; ++c) ++seatOfCard[c][p[c]];
        for (int seat = 1; seat <= 4; ++seat) ++hearts[seat - 1][d.holding(seat, Hearts).count];
    }
};

Tally tally(const Deal &start, const std::function<void(Deal &)> &complete) {
    Tally t;
    for (int i = 0; i < kDeals / 2; ++i) {
        Deal d = start;
        complete(d);
        t.add(d);
    }
    return t;
}

// Two samples of equal size: the sum over cells of (a - b)^2 / (a + b) is a
// chi-square with one degree of freedom fewer than the cells of each row.
// Returns whether it stays below the p = 1e-6 limit.
template <size_t N>
bool sameDistribution(const std::vector<std::array<int, N>> &a, const std::vector<std::array<int, N>> &b,
                      double *chiOut = nullptr) {
    double chi = 0;
    int df = 0;
    for (size_t r = 0; r < a.size(); ++r) {
        int cells = 0;
        for (size_t c = 0; c < N; ++c) {
            int n = a[r][c] + b[r][c];
            if (n == 0) continue;
            ++cells;
            chi += double(a[r][c] - b[r][c]) * (a[r][c] - b[r][c]) / n;
        }
        df += cells > 1 ? cells - 1 : 0;
    }
    if (chiOut) *chiOut = chi;
    return df == 0 || chi < chiSquareLimit(df);
}

bool sameTally(const Tally &a, const Tally &b) {
    return sameDistribution(a.seatOfCard, b.seatOfCard) &&
           sameDistribution(std::vector<std::array<int, 14>>(a.hearts.begin(), a.hearts.end()),
                            std::vector<std::array<int, 14>>(b.hearts.begin(), b.hearts.end()));
}

}  // namespace

// The dealer deals by a shuffle and falls back on the card-by-card rule only
// when a share would hold ten cards of a suit. Where the nine-card limit
// matters (hands that start with eight or nine cards of a suit, so that
// cards get passed on, down to the last hand, or dropped) its deals must be
// distributed as the rule's are.
TEST(DealerStatistics, TheShuffleDealsAsTheCardByCardRule) {
    ConstraintTable none;
    const Deal starts[] = {
        Deal(),
        testutil::dealFrom("-.T98765432.-.-", "-", "-", "-"),
        testutil::dealFrom("-.98765432.-.-", "T9876543.-.-.-", "-", "-"),
        testutil::dealFrom("AKQ.98765432.-.-", "-.-.-.AKQJT9876", "-", "-"),  // North: two places left
        testutil::dealFrom("-", "-", "-.T98765432.-.-", "-"),  // South's tenth heart goes to West
    };
    uint8_t k = 40;
    for (const Deal &start : starts) {
        Random a(key(k++)), b(key(k++));
        Tally dealer = tally(start, [&](Deal &d) { DealUnderConstraints(d, none, a); });
        Tally rule = tally(start, [&](Deal &d) { cardByCard(d, b); });
        EXPECT_TRUE(sameTally(dealer, rule)) << "start " << int(k);
    }
    // The same comparison catches a fallback that does not finish the shuffle.
    Random a(key(60)), b(key(61));
    Tally rule = tally(starts[4], [&](Deal &d) { cardByCard(d, a); });
    Tally wrong = tally(starts[4], [&](Deal &d) { halfShuffled(d, b); });
    EXPECT_FALSE(sameTally(wrong, rule));
}
