#include <gtest/gtest.h>

#include "printfixture.h"
#include "printing/diagrampage.h"

using namespace vrek;

namespace {

// 2.4 pixels a unit: a row is L = 106 pixels, the page starts at 161.
constexpr int kL = 106, kTop = 161;

// Board d's fifteen lines, all filled: "d.r" for line index r (1 .. 15).
Series withTexts(int d, const std::string &contract) {
    Series s = fixture::printSeries();
    for (int r = 1; r <= 15; ++r) s.setLine(15 * d - 15 + r, std::to_string(d) + "." + std::to_string(r));
    s.setLine(contractLine(d), contract);
    return s;
}

std::vector<std::string> textLines(const RecordingCanvas &c, int d) {
    std::vector<std::string> v;
    const std::string prefix = std::to_string(d) + ".";
    for (const DrawOp &t : c.texts())
        if (t.text.rfind(prefix, 0) == 0) v.push_back(t.text);
    return v;
}

TEST(DiagramPage, ContractLineCountsChooseTheLinesPrinted) {
    // Fifty characters or fewer: counts 3, 3 and 6, every line has its row.
    {
        const Series s = withTexts(5, "4P S");
        RecordingCanvas c;
        ASSERT_TRUE(printChosenDiagrams(c, s, {5, 0, 0, 0}, 0, {}));
        EXPECT_EQ(textLines(c, 5).size(), 13u);  // theme and comments: the provenance finds no row left
        EXPECT_TRUE(c.firstText("4P S"));
    }
    // Counts 2, 2, 2: lines 9 to 14 of the block are passed over.
    {
        const Series s = withTexts(5, makeContractLine("3SA N", {2, 2, 2}));
        RecordingCanvas c;
        ASSERT_TRUE(printChosenDiagrams(c, s, {5, 0, 0, 0}, 0, {}));
        EXPECT_EQ(textLines(c, 5), (std::vector<std::string>{"5.1", "5.3", "5.4", "5.5", "5.6", "5.7", "5.8"}));
        const DrawOp *contract = c.firstText("3SA N" + std::string(45, ' '));
        ASSERT_TRUE(contract);  // the counts are not printed
        EXPECT_TRUE(contract->font.bold);
        EXPECT_EQ(contract->x1, 1805 + 401);
        EXPECT_TRUE(c.firstText("5.1")->font.underline);
        // Declarer side in blue, defence in red, auction in green.
        EXPECT_EQ(c.firstText("5.3")->font.colour, colour::blue);
        EXPECT_EQ(c.firstText("5.3")->x1, 1805 + 199);
        EXPECT_EQ(c.firstText("5.5")->font.colour, colour::red);
        EXPECT_EQ(c.firstText("5.7")->font.colour, colour::green);
    }
}

TEST(DiagramPage, EmptyLinesTakeNoRowAndAuctionFieldsAre250UnitsApart) {
    Series s = fixture::printSeries();
    s.setLine(themeLine(7), "");
    s.setLine(contractLine(7), "");
    s.setLine(commentLine(7, 0), "");
    s.setLine(commentLine(7, 6), "1P\t*X\tpasse");
    s.setLine(provenanceLine(7), "Club");
    RecordingCanvas c;
    DiagramOptions o;
    o.style.colour = false;
    ASSERT_TRUE(printChosenDiagrams(c, s, {7, 0, 0, 0}, 1, o));
    // The auction line is the block's first non-empty line: beside the dealer code.
    const DrawOp *code = c.firstText("S-T");
    ASSERT_TRUE(code);
    EXPECT_EQ(code->y1, kTop + 3 * kL);
    EXPECT_EQ(code->x1, 401);
    const int x = 1805 + 199;
    const DrawOp *a = c.firstText("1P"), *b = c.firstText("X"), *p = c.firstText("passe");
    ASSERT_TRUE(a && b && p);
    EXPECT_EQ(a->y1, code->y1);
    EXPECT_EQ(a->x1, x);
    EXPECT_EQ(b->x1, x + 600);
    EXPECT_EQ(p->x1, x + 1200);
    EXPECT_TRUE(b->font.bold && b->font.italic);
    EXPECT_FALSE(a->font.bold || a->font.italic || p->font.bold);
    // Then the provenance, small, on the next row.
    const DrawOp &provenance = c.textsEqual("Club").back();
    EXPECT_EQ(provenance.y1, code->y1 + kL);
    EXPECT_EQ(provenance.font.size, 8);
    EXPECT_EQ(provenance.x1, 1805 + 1001);
    for (const DrawOp &t : c.texts()) EXPECT_EQ(t.font.colour, colour::black) << t.text;
}

TEST(DiagramPage, DefenceInBlackItalicWithoutColour) {
    const Series s = withTexts(9, "");
    RecordingCanvas c;
    DiagramOptions o;
    o.style.colour = false;
    ASSERT_TRUE(printChosenDiagrams(c, s, {9, 0, 0, 0}, 0, o));
    EXPECT_TRUE(c.firstText("9.7")->font.italic);
    EXPECT_FALSE(c.firstText("9.4")->font.italic);
}

TEST(DiagramPage, ModeOneWithAnEmptySlotHasNoPageNumber) {
    const Series s = fixture::printSeries();
    RecordingCanvas c;
    ASSERT_TRUE(printChosenDiagrams(c, s, {3, 10, 11, 0}, 5, {}));
    EXPECT_EQ(c.titles, std::vector<std::string>{kDiagramTitle});
    EXPECT_EQ(c.pages(), 1);
    for (const char *n : {"S-EO", "E-T", "S-P"}) EXPECT_TRUE(c.firstText(n)) << n;
    for (const DrawOp &t : c.texts()) EXPECT_NE(t.x1, 4440) << "page number " << t.text;
    // A rule above every deal but the first.
    EXPECT_EQ(c.lines().size(), 2u);
    EXPECT_EQ(c.lines()[0].y1, c.firstText("10")->y1 + 53);
    EXPECT_EQ(c.lines()[0].pen, colour::blue);
}

TEST(DiagramPage, ModeTwoNumbersItsPagesOnAndNoNumberForZero) {
    const Series s = fixture::printSeries();
    RecordingCanvas c;
    ASSERT_TRUE(printChosenDiagrams(c, s, {1, 2, 3, 4, 5, 6, 7, 8}, 3, {}));
    EXPECT_EQ(c.pages(), 2);
    auto pageNumber = [&](int page) {
        std::string n;
        for (const DrawOp &t : fixture::textsOn(c, 1, page))
            if (t.x1 == 4440) n = t.text;
        return n;
    };
    EXPECT_EQ(pageNumber(1), "3");
    EXPECT_EQ(pageNumber(2), "4");

    RecordingCanvas none;
    ASSERT_TRUE(printChosenDiagrams(none, s, {1, 2, 3, 4, 5, 6, 7, 8}, 0, {}));
    for (const DrawOp &t : none.texts()) EXPECT_NE(t.x1, 4440);
}

TEST(DiagramPage, SheetsOfTheSeriesInOneDocumentNumberedBySheet) {
    const Series s = fixture::printSeries();
    RecordingCanvas c;
    std::vector<int> progress;
    DiagramOptions o;
    o.style.numbering = 1;
    o.progress = [&](int i) { progress.push_back(i); };
    ASSERT_TRUE(printDiagramSheets(c, s, {2, 24}, o));
    EXPECT_EQ(c.titles.size(), 1u);
    EXPECT_EQ(c.pages(), 2);
    // Boards 5 .. 8 numbered from 97 on the first page, page number 2.
    const auto first = fixture::textsOn(c, 1, 1);
    EXPECT_EQ(first[0].text, "Club");
    EXPECT_EQ(first[0].font.size, 16);
    EXPECT_EQ(first[1].text, "101");
    EXPECT_EQ(first[1].y1, kTop + 2 * kL);
    EXPECT_EQ(first[2].text, "N-NS");  // board 5
    EXPECT_EQ(first.back().text, "2");
    EXPECT_TRUE(c.firstText("192"));
    EXPECT_EQ(progress.back(), 61);
    EXPECT_EQ(*std::max_element(progress.begin(), progress.end()), 61);

    RecordingCanvas nothing;
    ASSERT_TRUE(printDiagramSheets(nothing, s, {}, o));
    EXPECT_TRUE(nothing.ops.empty());
}

TEST(DiagramPage, ABlockUnderEachDealMovesTheRestDown) {
    const Series s = fixture::printSeries();
    RecordingCanvas plain, withBlock;
    ASSERT_TRUE(printChosenDiagrams(plain, s, {1, 2, 0, 0}, 0, {}));
    DiagramOptions o;
    std::vector<int> seen;
    o.belowDeal = [&](DiagramPage &page, int deal) {
        seen.push_back(deal);
        page.canvas().text(page.units().x(167), page.y(), "bloc " + std::to_string(deal));
        page.row();
        page.row();
    };
    ASSERT_TRUE(printChosenDiagrams(withBlock, s, {1, 2, 0, 0}, 0, o));
    EXPECT_EQ(seen, (std::vector<int>{1, 2}));
    EXPECT_EQ(withBlock.firstText("E-NS")->y1, plain.firstText("E-NS")->y1 + 2 * kL);
    EXPECT_EQ(withBlock.firstText("bloc 1")->y1, plain.firstText("E-NS")->y1 - 2 * kL);
}

}  // namespace
