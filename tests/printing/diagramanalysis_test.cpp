#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "printfixture.h"
#include "printing/diagramanalysis.h"

using namespace vrek;

namespace {

// 2.4 pixels a unit on the recording canvas.
constexpr int kL = 106, kTop = 161;
constexpr int kTextsLeft = 1805;  // x 752 units

// Every text line of boards 1 .. 4 filled, long ones included.
Series fullSheet() {
    Series s = fixture::printSeries();
    for (int d = 1; d <= 4; ++d) {
        for (int r = 1; r <= 15; ++r)
            s.setLine(15 * d - 15 + r, "Commentaire " + std::to_string(r) + " de la donne " + std::to_string(d));
        s.setLine(contractLine(d), "4P S entame RC");
        s.setLine(commentLine(d, 11), "1P\t*X\tpasse\t4P");
    }
    return s;
}

DealAnalysis sample(int seed) {
    DealAnalysis a;
    for (int seat = 0; seat < 4; ++seat)
        for (int st = 0; st < kStrains; ++st) a.tricks[seat][st] = (seed + 3 * seat + st) % 14;
    a.parScore = 1520;
    a.par = {ParContract{7, 0, "NS"}};
    return a;
}

// What the analysis drew: its small type left of the texts.
bool fromAnalysis(const DrawOp &t) { return t.kind == DrawOp::Text && t.font.size <= 8 && t.x1 < kTextsLeft; }

struct Box {
    int x1, y1, x2, y2;
};
// A text's box on the recording canvas, one em high.
Box boxOf(const RecordingCanvas &c, const DrawOp &t) {
    const double em = c.pixelHeight(t.font);
    return {t.x1, t.y1, t.x1 + static_cast<int>(utf8Length(t.text) * em / 2), t.y1 + static_cast<int>(em)};
}
bool meet(const Box &a, const Box &b) { return a.x1 < b.x2 && b.x1 < a.x2 && a.y1 < b.y2 && b.y1 < a.y2; }

std::string dump(const RecordingCanvas &c) {
    std::ostringstream o;
    for (const DrawOp &d : c.ops)
        o << d.kind << ' ' << d.document << ' ' << d.page << ' ' << d.x1 << ' ' << d.y1 << ' ' << d.x2 << ' ' << d.y2
          << ' ' << d.text << ' ' << d.font.name << ' ' << d.font.size << d.font.bold << d.font.italic
          << d.font.underline << ' ' << int(d.font.colour.r) << int(d.font.colour.b) << ' ' << int(d.pen.b) << '\n';
    return o.str();
}

}  // namespace

TEST(DiagramAnalysis, TableLeftOfSouthAndParUnderItClearOfEverythingElse) {
    const Series s = fullSheet();
    std::map<int, DealAnalysis> known;
    for (int d = 1; d <= 4; ++d) known[d] = sample(d);
    DiagramOptions o;
    printAnalyses(o, [&](int d) { return known.count(d) ? &known[d] : nullptr; });
    RecordingCanvas c;
    ASSERT_TRUE(printDiagramSheets(c, s, {1}, o));

    std::vector<DrawOp> mine, others;
    for (const DrawOp &t : c.texts()) (fromAnalysis(t) ? mine : others).push_back(t);
    ASSERT_EQ(mine.size(), 4u * (5 + 4 * 6 + 1));

    // Deal 1: the header on South's spade row, the seats under it, the par
    // on the row under South, where the deal's last text line goes.
    const int southTop = kTop + 12 * kL, under = kTop + 16 * kL;
    EXPECT_EQ(mine[0].text, "SA");
    EXPECT_EQ(mine[0].y1, southTop);
    EXPECT_EQ(mine[5].text, "N");
    EXPECT_EQ(mine[5].font.colour, colour::blue);
    std::vector<std::string> north, west;
    for (int i = 6; i < 11; ++i) north.push_back(mine[i].text);
    for (int i = 24; i < 29; ++i) west.push_back(mine[i].text);
    EXPECT_EQ(north, (std::vector<std::string>{"1", "2", "3", "4", "5"}));
    EXPECT_EQ(mine[23].text, "O");
    EXPECT_EQ(west, (std::vector<std::string>{"10", "11", "12", "13", "0"}));  // West: seed 1 + 9
    EXPECT_EQ(mine[29].text, "Par : 7SA NS, +1520 pour NS");
    EXPECT_EQ(mine[29].y1, under);
    EXPECT_EQ(mine[29].x1, mine[5].x1);
    const auto provenance = std::find_if(others.begin(), others.end(), [](const DrawOp &t) { return t.y1 == kTop + 16 * kL; });
    ASSERT_NE(provenance, others.end());
    EXPECT_GE(provenance->x1, kTextsLeft);

    // Nothing of it meets another text, a rule, or the texts' column, and the
    // last deal's par stays on the page.
    for (const DrawOp &t : mine) {
        const Box b = boxOf(c, t);
        EXPECT_LT(b.x2, kTextsLeft) << t.text;
        EXPECT_GT(b.x1, 0) << t.text;
        EXPECT_LT(b.y2, c.height()) << t.text;
        for (const DrawOp &u : others) EXPECT_FALSE(meet(b, boxOf(c, u))) << t.text << " / " << u.text;
        for (const DrawOp &l : c.lines())
            EXPECT_FALSE(l.y1 >= b.y1 && l.y1 <= b.y2 && l.x1 < b.x2) << t.text << " / rule at " << l.y1;
    }
    for (size_t i = 0; i < mine.size(); ++i)
        for (size_t j = i + 1; j < mine.size(); ++j)
            EXPECT_FALSE(meet(boxOf(c, mine[i]), boxOf(c, mine[j]))) << mine[i].text << " / " << mine[j].text;
    // Strains in their suits' colours.
    EXPECT_EQ(c.firstText("C")->font.colour, colour::red);
    EXPECT_EQ(c.firstText("T")->font.colour, colour::navy);
}

TEST(DiagramAnalysis, DealsWithoutAnAnalysisPrintAsBefore) {
    const Series s = fullSheet();
    RecordingCanvas plain, unknown, some;
    ASSERT_TRUE(printDiagramSheets(plain, s, {1, 2}, {}));
    DiagramOptions none;
    printAnalyses(none, [](int) { return nullptr; });
    ASSERT_TRUE(printDiagramSheets(unknown, s, {1, 2}, none));
    EXPECT_EQ(dump(unknown), dump(plain));

    // With one deal known, the rest of the page is the same drawing.
    const DealAnalysis a = sample(0);
    DiagramOptions one;
    printAnalyses(one, [&](int d) { return d == 6 ? &a : nullptr; });
    ASSERT_TRUE(printDiagramSheets(some, s, {1, 2}, one));
    RecordingCanvas stripped = some;
    std::erase_if(stripped.ops, fromAnalysis);
    EXPECT_EQ(dump(stripped), dump(plain));
    EXPECT_EQ(some.ops.size() - plain.ops.size(), 30u);
}

TEST(DiagramAnalysis, LongParIsMadeSmallerThenCut) {
    const Series s = fullSheet();
    DealAnalysis a = sample(0);
    a.parScore = -100;
    a.par.clear();
    for (int i = 0; i < 4; ++i) a.par.push_back(ParContract{5, i + 1, "EW", true, 0, 2});
    EXPECT_EQ(parLine(a), "Par : 5P* EO, 5C* EO, 5K* EO, 5T* EO, -100 pour NS");
    DiagramOptions o;
    printAnalyses(o, [&](int) { return &a; });
    RecordingCanvas c;
    ASSERT_TRUE(printChosenDiagrams(c, s, {1, 0, 0, 0}, 0, o));
    const DrawOp *par = c.firstText(parLine(a));
    ASSERT_TRUE(par);
    EXPECT_LT(par->font.size, 8);
    EXPECT_LT(boxOf(c, *par).x2, kTextsLeft);

    for (int i = 0; i < 6; ++i) a.par.push_back(ParContract{5, 0, "E", true, 0, 2});
    RecordingCanvas cut;
    ASSERT_TRUE(printChosenDiagrams(cut, s, {1, 0, 0, 0}, 0, o));
    const auto &texts = cut.texts();
    const auto p = std::find_if(texts.begin(), texts.end(), [](const DrawOp &t) { return t.text.rfind("Par : ", 0) == 0; });
    ASSERT_NE(p, texts.end());
    EXPECT_EQ(p->font.size, 6);
    EXPECT_TRUE(p->text.ends_with("…"));
    EXPECT_LT(boxOf(cut, *p).x2, kTextsLeft);

    DealAnalysis passed;
    EXPECT_EQ(parLine(passed), "Par : Passe, 0");
}

TEST(DiagramAnalysis, DealsOfSheets) {
    EXPECT_EQ(dealsOfSheets({1, 24, 0, 25}), (std::vector<int>{1, 2, 3, 4, 93, 94, 95, 96}));
    EXPECT_TRUE(dealsOfSheets({}).empty());
}
