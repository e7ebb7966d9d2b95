#include <gtest/gtest.h>

#include "printfixture.h"
#include "printing/handsheet.h"

using namespace vrek;

namespace {

// 2.4 pixels a unit both ways: q = 120 pixels.
constexpr int kQ = 120;

TEST(HandSheet, SecondBlockNumberedFrom97) {
    const Series s = fixture::printSeries();
    RecordingCanvas c;
    HandSheetOptions o;
    o.block = 1;
    o.style.numbering = 1;
    std::vector<int> progress;
    o.progress = [&](int i) { progress.push_back(i); };
    ASSERT_TRUE(printHandSheet(c, s, North, o));
    EXPECT_EQ(c.titles, std::vector<std::string>{"VREK: Main de N"});
    EXPECT_EQ(c.pages(), 1);

    // The first cell: board 33, its dealer and vulnerability, printed as 129.
    const DrawOp *first = c.firstText("129 N-P");
    ASSERT_TRUE(first);
    EXPECT_EQ(first->y1, 8 * kQ);
    c.setFont(first->font);
    EXPECT_EQ(first->x1, 900 - c.textWidth("129 N-P") / 2);  // centred on x 375
    EXPECT_EQ(first->font.name, "Arial");
    EXPECT_EQ(first->font.size, 12);
    EXPECT_EQ(first->font.colour, colour::blue);
    // Later blocks keep the holdings' font for their labels.
    const DrawOp *second = c.firstText("133 N-NS");
    ASSERT_TRUE(second);
    EXPECT_EQ(second->font.name, "Century Schoolbook");
    EXPECT_EQ(second->y1, 14 * kQ);
    ASSERT_TRUE(c.firstText("160 O-EO"));

    // North's spades of board 33, its glyph and its void in hearts.
    const DrawOp *spades = c.firstText("ARDVX98");
    ASSERT_TRUE(spades);
    EXPECT_EQ(spades->x1, 900 - 300);
    EXPECT_EQ(spades->y1, 9 * kQ);
    EXPECT_EQ(spades->font.name, "Century Schoolbook");
    const auto glyphs = c.textsEqual(suitSign(Spades));
    ASSERT_FALSE(glyphs.empty());
    EXPECT_EQ(glyphs[0].x1, 900 - 401);
    EXPECT_EQ(glyphs[0].y1, 9 * kQ - 19);
    EXPECT_EQ(glyphs[0].font.name, "Symbol");
    EXPECT_EQ(glyphs[0].font.size, 14);
    EXPECT_EQ(c.textsEqual(suitSign(Hearts))[0].font.colour, colour::red);
    EXPECT_EQ(c.textsEqual(suitSign(Clubs))[0].font.colour, colour::navy);
    EXPECT_EQ(glyphs.size(), 32u);

    EXPECT_EQ(progress.front(), 0);
    EXPECT_EQ(progress.back(), 8);
}

TEST(HandSheet, GridOfFourColumnsByEightRowsInGreen) {
    const Series s = fixture::printSeries();
    RecordingCanvas c;
    ASSERT_TRUE(printHandSheet(c, s, West, {}));
    const auto lines = c.lines();
    ASSERT_EQ(lines.size(), 8u + 1 + 5);
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(lines[i].y1, 7 * kQ + 6 * i * kQ);
        EXPECT_EQ(lines[i].x1, 401);
        EXPECT_EQ(lines[i].x2, 4404);
        EXPECT_EQ(lines[i].pen, colour::green);
    }
    EXPECT_EQ(lines[8].y1, 55 * kQ);
    for (int k = 0; k <= 4; ++k) {
        EXPECT_EQ(lines[9 + k].x1, 1001 * k + 401);
        EXPECT_EQ(lines[9 + k].y1, 7 * kQ);
        EXPECT_EQ(lines[9 + k].y2, 55 * kQ);
    }
    EXPECT_EQ(c.firstText("O")->font.size, 48);
    EXPECT_TRUE(c.firstText("1 N-P"));
}

TEST(HandSheet, BlackAndWhiteAndOneDocumentPerSeatNorthFirst) {
    const Series s = fixture::printSeries();
    RecordingCanvas c;
    HandSheetOptions o;
    o.style.colour = false;
    ASSERT_TRUE(printHandSheets(c, s, {false, true, false, true}, o));
    EXPECT_EQ(c.titles, (std::vector<std::string>{"VREK: Main de E", "VREK: Main de O"}));
    for (const DrawOp &t : c.texts()) EXPECT_EQ(t.font.colour, colour::black) << t.text;
    for (const DrawOp &l : c.lines()) EXPECT_EQ(l.pen, colour::black);
}

}  // namespace
