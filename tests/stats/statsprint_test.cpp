// The statistics printout on the recording canvas: job titles, pages, the
// fixed places of the frequency blocks, and a series with nothing to count.
#include <gtest/gtest.h>

#include "platform/recordingcanvas.h"
#include "stats/statsprint.h"
#include "testutil.h"

using namespace vrek;
using namespace vrek::stats;

namespace {

Series seriesOf(int completeDeals) {
    Series s;
    s.clear();
    for (int b = 1; b <= completeDeals; ++b) s.deal(b) = testutil::shuffledDeal(unsigned(b) * 131u);
    return s;
}

RecordingCanvas printed(const Series &s, Mode m) {
    RecordingCanvas c;
    EXPECT_TRUE(printStatistics(c, computeStatistics(s, m, ","), captionFor(m, "Lundi")));
    return c;
}

const char *const kHands = "SUR LA FREQUENCE DES MAINS POSSEDANT :";
const char *const kDeals = "SUR LA FREQUENCE DES DONNES POSSEDANT :";
const char *const kAverages = "LA MOYENNE DES POINTS D'HONNEUR DE";

}  // namespace

TEST(StatisticsPrintout, ObservedOnOnePageWithBlocksAtFixedHeights) {
    for (int deals : {4, 96}) {
        const RecordingCanvas c = printed(seriesOf(deals), Mode::Observed);
        const PageUnits u(c);
        EXPECT_EQ(c.titles, std::vector<std::string>{"VREK:Statistiques"});
        EXPECT_EQ(c.pages(), 1);
        const DrawOp *caption = c.firstText("Statistiques de la Série Lundi");
        ASSERT_NE(caption, nullptr);
        EXPECT_EQ(caption->y1, u.y(100));
        EXPECT_EQ(caption->font.size, 18);
        ASSERT_NE(c.firstText(kHands), nullptr);
        EXPECT_EQ(c.firstText(kHands)->y1, u.y(1720));
        EXPECT_EQ(c.firstText(kDeals)->y1, u.y(2120));
        EXPECT_EQ(c.firstText(kAverages)->y1, u.y(2540));
        EXPECT_EQ(c.firstText(kHands)->font.colour, colour::blue);
        // The count as two characters, a blank before a single digit.
        const std::string count = (deals < 10 ? " " : "") + std::to_string(deals);
        ASSERT_NE(c.firstText(count + " donnes sont prises en compte"), nullptr);
        ASSERT_NE(c.firstText(std::to_string(deals * 4) + " mains sont prises en compte"), nullptr);
    }
}

TEST(StatisticsPrintout, TableRowsFollowTheGrid) {
    const Series s = seriesOf(20);
    const Statistics st = computeStatistics(s, Mode::Observed, ",");
    RecordingCanvas c;
    ASSERT_TRUE(printStatistics(c, st, "S"));
    const PageUnits u(c);
    const int m = u.y(45);
    // First pattern row under the heads, centred on x 160; its probability in italics at x 660.
    const Row &first = st.tabs[0].grid.rows[0];
    const DrawOp *key = c.firstText(first[0]);
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->y1, u.y(400) + m);
    EXPECT_EQ(key->x1, u.x(160) - c.textWidth(first[0]) / 2);
    bool italicProbability = false;
    for (const DrawOp &op : c.textsEqual(first[3]))
        italicProbability = italicProbability || (op.y1 == key->y1 && op.font.italic);
    EXPECT_TRUE(italicProbability);
    // The pattern table's frame: green, width 5, one row step per row and one for the heads.
    const int bottom = u.y(400) - 3 + m * int(st.tabs[0].grid.rows.size() + 1);
    bool framed = false;
    for (const DrawOp &op : c.ops)
        framed = framed || (op.kind == DrawOp::Rectangle && op.x1 == u.x(60) && op.x2 == u.x(760) &&
                            op.y1 == u.y(400) - 3 && op.y2 == bottom && op.pen == colour::green &&
                            op.penWidth == 5);
    EXPECT_TRUE(framed);
}

TEST(StatisticsPrintout, FullRecordGoesOnASecondPage) {
    const RecordingCanvas c = printed(seriesOf(10), Mode::FullRecord);
    const PageUnits u(c);
    EXPECT_EQ(c.titles, std::vector<std::string>{"VREK:Statistiques"});
    EXPECT_EQ(c.pages(), 2);
    const DrawOp *hands = c.firstText(kHands);
    ASSERT_NE(hands, nullptr);
    EXPECT_EQ(hands->page, 2);
    EXPECT_EQ(hands->y1, u.y(420));
    EXPECT_EQ(c.firstText(kDeals)->y1, u.y(820));
    EXPECT_EQ(c.firstText(kAverages)->y1, u.y(1240));
    EXPECT_EQ(c.firstText("Relevé des statistiques de la Série Lundi")->page, 1);
}

TEST(StatisticsPrintout, TheoryAlone) {
    const RecordingCanvas c = printed(seriesOf(0), Mode::Theory);
    const PageUnits u(c);
    EXPECT_EQ(c.titles, std::vector<std::string>{"VREK:Probabilités"});
    EXPECT_EQ(c.pages(), 1);
    ASSERT_NE(c.firstText("PROBABILITES"), nullptr);
    EXPECT_EQ(c.firstText("PROBABILITES")->y1, u.y(80));
    EXPECT_EQ(c.firstText(kHands), nullptr);
    EXPECT_EQ(c.firstText("Probabilités de distribution"), nullptr);
    EXPECT_EQ(c.textsEqual("Probabilités").size(), 3u);
    // The 39 patterns and the 38 and 41 point totals, row step 46 units.
    const DrawOp *last = c.firstText("13- 0- 0- 0");
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(last->y1, u.y(400) + 39 * u.y(46));
}

TEST(StatisticsPrintout, NothingToCountPrintsZeros) {
    Series s = seriesOf(0);
    s.deal(5).holding(South, Clubs).insert(9);
    const RecordingCanvas c = printed(s, Mode::Observed);
    EXPECT_NE(c.firstText("0 mains sont prises en compte"), nullptr);
    EXPECT_NE(c.firstText(" 0 donnes sont prises en compte"), nullptr);
    EXPECT_GE(c.textsEqual("0,000").size(), 16u);  // every percentage of both blocks and the averages
}

TEST(StatisticsPrintout, AFailedOutputIsReported) {
    RecordingCanvas c;
    c.failEnd = true;
    EXPECT_FALSE(printStatistics(c, computeStatistics(seriesOf(2), Mode::Observed, ","), "S"));
}
