#include <gtest/gtest.h>

#include "platform/recordingcanvas.h"

using namespace vrek;

TEST(PageUnits, EachTermIsRoundedOnItsOwnWithTiesToEven) {
    // 2000 units over 5000 pixels: 2.5 pixels a unit.
    PageUnits u(5000, 7000);
    EXPECT_EQ(u.x(1), 2);   // 2.5 -> 2
    EXPECT_EQ(u.x(3), 8);   // 7.5 -> 8
    EXPECT_EQ(u.x(752) + u.x(83), 1880 + 208);
    EXPECT_EQ(u.y(1), 2);
    EXPECT_EQ(u.y(2800), 7000);
}

TEST(RecordingCanvas, KeepsDocumentsPagesAndTextsWithTheirFonts) {
    RecordingCanvas c;
    EXPECT_TRUE(c.beginDocument("VREK: Main de N"));
    c.setFont({"Arial", 24});
    c.text(10, 20, "Titre");
    c.newPage();
    c.font("Symbol", 14);
    c.fontColour(colour::red);
    c.text(1, 2, suitSign(3));
    EXPECT_TRUE(c.endDocument());
    EXPECT_EQ(c.titles, std::vector<std::string>{"VREK: Main de N"});
    EXPECT_EQ(c.pages(), 2);
    const DrawOp *t = c.firstText("Titre");
    ASSERT_TRUE(t);
    EXPECT_EQ(t->page, 1);
    EXPECT_EQ(t->font.size, 24);
    const DrawOp *h = c.firstText("\u2665");
    ASSERT_TRUE(h);
    EXPECT_EQ(h->page, 2);
    EXPECT_EQ(h->font.name, "Symbol");
    EXPECT_EQ(h->font.colour, colour::red);
}

TEST(RecordingCanvas, FixedMetricsCountCharactersNotBytes) {
    RecordingCanvas c(4800, 6720, 72);
    c.setFont({"Arial", 10});
    EXPECT_EQ(c.textWidth("abcd"), 20);
    EXPECT_EQ(c.textWidth("éà"), 10);
    EXPECT_EQ(c.textHeight("x"), 12);
}

TEST(PrintColours, SuitsInColourAndAllBlackOtherwise) {
    EXPECT_EQ(printSuitColour(1, true), colour::navy);
    EXPECT_EQ(printSuitColour(2, true), colour::maroon);
    EXPECT_EQ(printSuitColour(3, true), colour::red);
    EXPECT_EQ(printSuitColour(4, true), colour::black);
    for (int s = 1; s <= 4; ++s) EXPECT_EQ(printSuitColour(s, false), colour::black);
}
