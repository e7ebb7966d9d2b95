#include <gtest/gtest.h>

#include "clipboard/pictures.h"
#include "core/series.h"
#include "platform/recordingcanvas.h"
#include "testutil.h"

using namespace vrek;
using namespace vrek::clip;

namespace {

// At the screen's 96 dots per inch: "H" at 16 points is 26 pixels high and 11 wide.
RecordingCanvas screen() { return RecordingCanvas(400, 400, 96); }

struct Drawn {
    std::string text, font;
    int x, y;
    double size;
    Rgb colour;
};

std::vector<Drawn> drawn(const RecordingCanvas &c) {
    std::vector<Drawn> out;
    for (const DrawOp &o : c.texts()) out.push_back({o.text, o.font.name, o.x1, o.y1, o.font.size, o.font.colour});
    return out;
}

}  // namespace

TEST(HandPicture, SignsAndRanksLineByLineWithTheFontsOffset) {
    const Hand h = testutil::handFrom("AKT2.-.Q9.J8765");
    for (bool arial : {true, false}) {
        SCOPED_TRACE(arial ? "Arial" : "Arial Black");
        RecordingCanvas c = screen();
        EXPECT_EQ(handPictureSize(c, arial), (Size{121, 104}));
        drawHandPicture(c, h, arial);
        const auto t = drawn(c);
        ASSERT_EQ(t.size(), 8u);
        // With Arial the ranks sit a sixth of the line lower than their sign;
        // with Arial Black on the same line.
        const int dy = arial ? 26 / 6 : 0;
        const std::string signs[] = {"\u2660", "\u2665", "\u2666", "\u2663"};
        const std::string ranks[] = {"ARX2", "", "D9", "V8765"};
        for (int i = 0; i < 4; ++i) {
            const Rgb colour = i == 1 || i == 2 ? colour::red : colour::black;
            EXPECT_EQ(t[2 * i].text, signs[i]);
            EXPECT_EQ(t[2 * i].font, "Symbol");
            EXPECT_EQ(t[2 * i].size, 18);
            EXPECT_EQ(t[2 * i].x, 0);
            EXPECT_EQ(t[2 * i].y, 26 * i);
            EXPECT_EQ(t[2 * i].colour, colour);
            EXPECT_EQ(t[2 * i + 1].text, ranks[i]);
            EXPECT_EQ(t[2 * i + 1].font, arial ? "Arial" : "Arial Black");
            EXPECT_EQ(t[2 * i + 1].size, 16);
            EXPECT_EQ(t[2 * i + 1].x, 26);  // the line height, not the width
            EXPECT_EQ(t[2 * i + 1].y, 26 * i + dy);
            EXPECT_EQ(t[2 * i + 1].colour, colour);
        }
        for (const DrawOp &o : c.texts()) EXPECT_TRUE(o.font.bold);
    }
}

TEST(TablePicture, FourHandsAtTheirCorners) {
    const Deal d = testutil::shuffledDeal(5);
    RecordingCanvas c = screen();
    const Size s = tablePictureSize(c, true);
    EXPECT_EQ(s, (Size{99 * 11 / 4, 12 * 26}));
    drawTablePicture(c, d, true);
    const auto t = drawn(c);
    ASSERT_EQ(t.size(), 32u);
    // North, East, South, West: their spade sign, then their club ranks.
    const int third = s.height / 3;
    const std::pair<int, int> origins[] = {{3 * s.width / 12, 0}, {s.width - 121, third}, {3 * s.width / 12, 2 * third},
                                           {0, third}};
    for (int seat = 0; seat < 4; ++seat) {
        EXPECT_EQ(t[8 * seat].x, origins[seat].first) << seat;
        EXPECT_EQ(t[8 * seat].y, origins[seat].second) << seat;
        EXPECT_EQ(t[8 * seat + 7].x, origins[seat].first + 26) << seat;
        EXPECT_EQ(t[8 * seat + 7].y, origins[seat].second + 3 * 26 + 4) << seat;
    }
}

TEST(LeadPicture, TenOfDiamondsIsRedWithTheTenThenTheSign) {
    for (bool arial : {true, false}) {
        SCOPED_TRACE(arial ? "Arial" : "Arial Black");
        RecordingCanvas c = screen();
        const std::string line = makeContractLine("4P entame XK", {3, 3, 6});
        ASSERT_TRUE(hasLead(line));
        // "H" at 18 points: 29 pixels high, 12 wide.
        const Size s = leadPictureSize(c, arial);
        EXPECT_EQ(s, (Size{36, 29}));
        drawLeadPicture(c, line, arial);
        const auto t = drawn(c);
        ASSERT_EQ(t.size(), 2u);
        EXPECT_EQ(t[0].text, "10");
        EXPECT_EQ(t[0].font, arial ? "Arial" : "Arial Black");
        EXPECT_EQ(t[0].size, 16);
        EXPECT_EQ(t[0].x, 0);
        EXPECT_EQ(t[0].y, arial ? 36 / 10 : 0);
        EXPECT_EQ(t[0].colour, colour::red);
        EXPECT_EQ(t[1].text, "\u2666");
        EXPECT_EQ(t[1].font, "Symbol");
        EXPECT_EQ(t[1].x, 21);  // the advance of "10"
        EXPECT_EQ(t[1].y, 0);
        EXPECT_EQ(t[1].colour, colour::red);
    }
}

TEST(LeadPicture, BlackSuitsAndTheCardAlone) {
    RecordingCanvas c = screen();
    drawLeadPicture(c, makeContractLine("4C= par S sur entame 5T", {3, 3, 6}), true);
    auto t = drawn(c);
    ASSERT_EQ(t.size(), 2u);
    EXPECT_EQ(t[0].text, "5");
    EXPECT_EQ(t[1].text, "\u2663");
    EXPECT_EQ(t[1].colour, colour::black);
    // What the text says after the card is not drawn over it.
    RecordingCanvas c2 = screen();
    drawLeadPicture(c2, makeContractLine("3SA N entame 4P puis RC", {3, 3, 6}), true);
    t = drawn(c2);
    ASSERT_EQ(t.size(), 2u);
    EXPECT_EQ(t[0].text, "4");
    EXPECT_EQ(t[1].text, "\u2660");
    EXPECT_EQ(t[1].x, 11);
    EXPECT_EQ(t[1].colour, colour::black);
}

TEST(LeadPicture, NothingWithoutTheWordAndNeverTheLineCounts) {
    RecordingCanvas c = screen();
    for (const char *text : {"4P S", "4P S Entame RC", ""}) {
        const std::string line = makeContractLine(text, {3, 3, 6});
        EXPECT_FALSE(hasLead(line)) << text;
        drawLeadPicture(c, line, true);
    }
    EXPECT_TRUE(c.texts().empty());
    // "entame" at the very end of the 50 columns: the counts after them
    // ("12", "00", "00") are no lead.
    const std::string line = makeContractLine(std::string(44, ' ') + "entame", {12, 0, 0});
    ASSERT_GT(line.size(), 50u);
    EXPECT_TRUE(hasLead(line));
    drawLeadPicture(c, line, true);
    EXPECT_TRUE(c.texts().empty());
}
