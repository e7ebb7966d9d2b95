#include <gtest/gtest.h>

#include "printfixture.h"
#include "printing/traveller.h"

using namespace vrek;

namespace {

int rightEdge(RecordingCanvas &c, const DrawOp &t) {
    c.setFont(t.font);
    return t.x1 + c.textWidth(t.text);
}

TEST(Traveller, BlankSheetsNumberedFrom97KeepTheirDealersAndVulnerability) {
    const Series s = fixture::printSeries();
    RecordingCanvas c;
    TravellerOptions o;
    o.style.numbering = 1;
    ASSERT_TRUE(printTravellerPair(c, s, 1, o));
    EXPECT_EQ(c.titles, std::vector<std::string>{"VREK:fiches ambulantes:1-2"});
    EXPECT_EQ(c.pages(), 1);

    const auto upper = c.textsEqual("ETUI n°: 97");
    ASSERT_EQ(upper.size(), 2u);
    EXPECT_EQ(upper[0].x1, 228);
    EXPECT_EQ(upper[0].y1, 338);
    EXPECT_EQ(upper[0].font.size, 16);
    EXPECT_EQ(upper[0].font.colour, colour::blue);
    EXPECT_EQ(upper[1].font.size, 9);
    EXPECT_EQ(rightEdge(c, upper[1]), 4486);
    const auto lower = c.textsEqual("ETUI n°: 98");
    ASSERT_EQ(lower.size(), 2u);
    EXPECT_EQ(lower[0].y1, 338 + 3518);

    EXPECT_EQ(c.textsEqual("DONNEUR: Nord").size(), 2u);
    EXPECT_EQ(c.textsEqual("VULNERABLES: Personne").size(), 2u);
    EXPECT_EQ(c.textsEqual("DONNEUR: Est").size(), 2u);
    EXPECT_EQ(c.textsEqual("VULNERABLES: Nord-Sud")[1].font.size, 8);

    // North of board 1: spades at (428, 330), the glyph 6 units higher.
    const DrawOp *spades = c.firstText("AR5");
    ASSERT_TRUE(spades);
    EXPECT_EQ(spades->x1, 1027);
    EXPECT_EQ(spades->y1, 792);
    EXPECT_EQ(spades->font.size, 14);
    const DrawOp *west = c.firstText("6432");
    ASSERT_TRUE(west);
    EXPECT_EQ(west->x1, 298);
    EXPECT_EQ(west->y1, 792 + 4 * 204);

    // The compass box, and the grid of two heading rows and fourteen result rows.
    ASSERT_EQ(fixture::count(c, DrawOp::RoundRect), 2);
    const DrawOp &box = *std::find_if(c.ops.begin(), c.ops.end(), [](const DrawOp &d) { return d.kind == DrawOp::RoundRect; });
    EXPECT_EQ(box.x1, 823);
    EXPECT_EQ(box.y1, 1651);
    EXPECT_EQ(box.x2, 1416);
    EXPECT_EQ(box.rx, 67);
    EXPECT_EQ(box.pen, colour::green);
    EXPECT_EQ(c.firstText("O         E")->y1, 1697 + 204);
    EXPECT_EQ(c.textsEqual("14").size(), 2u);
    EXPECT_EQ(c.textsEqual("SCORE").size(), 2u);
}

TEST(Traveller, GridRulesAndTheirWidths) {
    const Series s = fixture::printSeries();
    RecordingCanvas c;
    ASSERT_TRUE(printTravellerPair(c, s, 5, {}));
    std::vector<DrawOp> horizontal, vertical;
    for (const DrawOp &l : c.lines()) {
        if (l.y1 >= 3518) continue;  // the upper sheet
        (l.y1 == l.y2 ? horizontal : vertical).push_back(l);
    }
    ASSERT_EQ(horizontal.size(), 18u);  // 17 rules, the second in two pieces
    EXPECT_EQ(horizontal[0].y1, 451);
    EXPECT_EQ(horizontal[0].penWidth, 4);
    EXPECT_EQ(horizontal[0].x1, 2400);
    EXPECT_EQ(horizontal[0].x2, 4800);
    EXPECT_EQ(horizontal[1].x1, 2580);
    EXPECT_EQ(horizontal[1].x2, 2909);
    EXPECT_EQ(horizontal[2].x1, 3934);
    EXPECT_EQ(horizontal[3].penWidth, 4);
    EXPECT_EQ(horizontal[4].penWidth, 2);
    EXPECT_EQ(horizontal[17].y1, 451 + 16 * 170);
    EXPECT_EQ(horizontal[17].penWidth, 4);

    std::vector<int> xs, widths;
    for (const DrawOp &v : vertical) {
        xs.push_back(v.x1);
        widths.push_back(v.penWidth);
        EXPECT_EQ(v.y2, 454 + 16 * 170);
    }
    EXPECT_EQ(xs, (std::vector<int>{2400, 2570, 2740, 2910, 3250, 3420, 3760, 3930, 4270, 4610}));
    EXPECT_EQ(widths, (std::vector<int>{4, 4, 4, 4, 2, 2, 2, 4, 4, 4}));
    EXPECT_EQ(vertical[2].y1, 622);  // under "PAIRE"
    EXPECT_EQ(vertical[0].y1, 454);
}

TEST(Traveller, PreprintedSheetsCarryOnlyTheVariableParts) {
    const Series s = fixture::printSeries();
    RecordingCanvas c;
    TravellerOptions o;
    o.preprinted = true;
    ASSERT_TRUE(printTravellerPair(c, s, 1, o));
    const DrawOp *corner = c.firstText(" 1");
    ASSERT_TRUE(corner);
    EXPECT_EQ(corner->font.size, 16);
    EXPECT_EQ(rightEdge(c, *corner), 4486);
    EXPECT_EQ(c.textsEqual("ETUI n°: 1").size(), 1u);
    EXPECT_EQ(c.textsEqual("DONNEUR: Nord").size(), 1u);
    EXPECT_EQ(c.textsEqual("VULNERABLES: Personne").size(), 1u);
    EXPECT_EQ(fixture::count(c, DrawOp::RoundRect), 0);
    EXPECT_TRUE(c.lines().empty());
    EXPECT_FALSE(c.firstText("SCORE"));
    EXPECT_FALSE(c.firstText("N"));
}

TEST(Traveller, SectionBandAndLetter) {
    const Series s = fixture::printSeries();
    {
        RecordingCanvas c;
        TravellerOptions o;
        o.section = "";
        o.sectionColour = colour::red;
        ASSERT_TRUE(printTravellerPair(c, s, 2, o));
        EXPECT_EQ(fixture::count(c, DrawOp::Rectangle), 0);
    }
    const Section a = sectionAt(1), e = sectionAt(5), none = sectionAt(0);
    EXPECT_EQ(a.letter, "A");
    EXPECT_EQ(*a.colour, (Rgb{255, 0, 0}));
    EXPECT_EQ(*sectionAt(3).colour, (Rgb{0, 255, 0}));
    EXPECT_EQ(*sectionAt(4).colour, (Rgb{255, 255, 0}));
    EXPECT_EQ(e.letter, "E");
    EXPECT_FALSE(e.colour);
    EXPECT_EQ(sectionAt(20).letter, "T");
    EXPECT_EQ(none.letter, "");
    EXPECT_EQ(sectionPosition("T"), 20);
    EXPECT_EQ(sectionPosition("U"), -1);

    RecordingCanvas c;
    TravellerOptions o;
    o.section = "B";
    o.sectionColour = colour::blue;
    o.style.colour = false;
    ASSERT_TRUE(printTravellerPair(c, s, 2, o));
    std::vector<DrawOp> bands;
    for (const DrawOp &d : c.ops)
        if (d.kind == DrawOp::Rectangle) bands.push_back(d);
    ASSERT_EQ(bands.size(), 16u);
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(bands[i].x1, 1200);
        EXPECT_EQ(bands[i].x2, 3432);
        EXPECT_EQ(bands[i].y1, 336 + 5 * i);
        EXPECT_EQ(bands[i].y2, 346 + 5 * i);
        EXPECT_EQ(bands[i].pen, colour::blue);
        EXPECT_EQ(bands[i].penWidth, 5);
        EXPECT_FALSE(bands[i].brush);
    }
    const auto letters = c.textsEqual("B");
    ASSERT_EQ(letters.size(), 4u);
    EXPECT_EQ(letters[0].font.size, 40);
    EXPECT_EQ(letters[0].font.colour, colour::blue);  // the section keeps its colour in black and white
    EXPECT_EQ(letters[0].y1, 240);
}

TEST(Traveller, DealersAndVulnerabilityOfBoards16And17AndOneDocumentPerPair) {
    const Series s = fixture::printSeries();
    RecordingCanvas c;
    ASSERT_TRUE(printTravellers(c, s, {8, 9}, {}));
    EXPECT_EQ(c.titles, (std::vector<std::string>{"VREK:fiches ambulantes:15-16", "VREK:fiches ambulantes:17-18"}));
    EXPECT_EQ(c.pages(), 2);
    EXPECT_EQ(c.firstText("DONNEUR: Ouest")->document, 1);
    EXPECT_EQ(c.firstText("VULNERABLES: Est-Ouest")->document, 1);
    EXPECT_EQ(c.textsEqual("DONNEUR: Nord")[0].document, 2);
    EXPECT_EQ(c.textsEqual("VULNERABLES: Personne")[0].document, 2);
    EXPECT_EQ(travellerBoxCaption(1), "Fiches  1- 2");
    EXPECT_EQ(travellerBoxCaption(5), "Fiches  9-10");
    EXPECT_EQ(travellerBoxCaption(48), "Fiches 95-96");
}

}  // namespace
