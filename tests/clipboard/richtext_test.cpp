#include <gtest/gtest.h>

#include "clipboard/richtext.h"
#include "testutil.h"

using namespace vrek;
using namespace vrek::clip;

namespace {
int count(const std::string &s, const std::string &what) {
    int n = 0;
    for (size_t p = s.find(what); p != std::string::npos; p = s.find(what, p + 1)) ++n;
    return n;
}
}  // namespace

TEST(HandText, FourParagraphsAVoidKeepsItsSignAndBlank) {
    const RichText t = handRichText(testutil::handFrom("AQT.-.K2.98765"), true);
    EXPECT_EQ(toPlain(t), "\u2660 ADX\n\u2665 \n\u2666 R2\n\u2663 98765\n");
    const std::string rtf = toRtf(t);
    EXPECT_EQ(rtf.rfind("{\\rtf1", 0), 0u);
    EXPECT_NE(rtf.find("{\\f0\\fnil\\fcharset2 Symbol;}{\\f1\\fswiss\\fcharset0 Arial;}"), std::string::npos);
    // Signs at 14 points in Symbol, ranks at 12 in the diagram font, bold,
    // each paragraph in its suit's colour (1 black, 2 red).
    EXPECT_NE(rtf.find("\\plain\\b\\cf1\\f0\\fs28\\u9824\\'aa\\f1\\fs24  ADX\\par"), std::string::npos);
    EXPECT_NE(rtf.find("\\plain\\b\\cf2\\f0\\fs28\\u9829\\'a9\\f1\\fs24  \\par"), std::string::npos);
    EXPECT_NE(rtf.find("\\plain\\b\\cf2\\f0\\fs28\\u9830\\'a8\\f1\\fs24  R2\\par"), std::string::npos);
    EXPECT_NE(rtf.find("\\plain\\b\\cf1\\f0\\fs28\\u9827\\'a7\\f1\\fs24  98765\\par"), std::string::npos);
    EXPECT_EQ(count(rtf, "\\par"), 4 + count(rtf, "\\pard"));
    EXPECT_EQ(rtf.back(), '}');
    const std::string html = toHtml(t);
    EXPECT_EQ(count(html, "<p "), 4);
    EXPECT_EQ(count(html, "color:#ff0000"), 2);
    EXPECT_NE(html.find("font-family:'Arial';font-size:12pt;font-weight:bold"), std::string::npos);
    EXPECT_NE(html.find("<span style=\"font-size:14pt\">\u2665</span> </b>"), std::string::npos);
}

TEST(DiagramText, TwelveParagraphsWithEastAndWestSideBySide) {
    const Deal d = testutil::dealFrom("AKQ.AKQ.AKQ.AKQJ", "JT9.JT9.JT9.T98", "876.876.876.765", "5432.5432.5432.-");
    const RichText t = diagramRichText(d, false);
    EXPECT_EQ(toPlain(t),
              "\t\u2660 ARD\n\t\u2665 ARD\n\t\u2666 ARD\n\t\u2663 ARDV\n"
              "\u2660 5432\t\t\u2660 VX9\n\u2665 5432\t\t\u2665 VX9\n\u2666 5432\t\t\u2666 VX9\n\u2663 \t\t\u2663 X98\n"
              "\t\u2660 876\n\t\u2665 876\n\t\u2666 876\n\t\u2663 765\n");
    const std::string rtf = toRtf(t);
    EXPECT_NE(rtf.find("\\fcharset0 Arial Black;"), std::string::npos);
    // East's column clears West's longest suit at Arial Black's width.
    EXPECT_EQ(count(rtf, "\\pard\\tx1520\\tx3040"), 12);
    // West's void: its sign and a blank, then the two tabs to East.
    EXPECT_NE(rtf.find("\\cf1\\f0\\fs28\\u9827\\'a7\\f1\\fs24  \\tab \\f1\\fs24 \\tab \\f0\\fs28\\u9827\\'a7\\f1\\fs24  X98\\par"),
              std::string::npos);
    // In HTML the tabs are the columns of a table.
    const std::string html = toHtml(t);
    EXPECT_EQ(count(html, "<tr>"), 12);
    EXPECT_EQ(count(html, "<td "), 4 * 2 + 4 * 3 + 4 * 2);
}

TEST(DiagramText, LongWestSuitsPushTheColumnsOut) {
    const Deal d = testutil::dealFrom("-.-.-.-", "-.-.-.-", "-.-.-.-", "AKQJT9876.-.-.-");
    const RichText t = diagramRichText(d, true);
    ASSERT_EQ(t.tabStops.size(), 2u);
    EXPECT_GT(t.tabStops[0], 280 + 9 * 180);
    EXPECT_EQ(t.tabStops[1], 2 * t.tabStops[0]);
    EXPECT_EQ(diagramRichText(Deal{}, true).tabStops[0], 1440);
}
