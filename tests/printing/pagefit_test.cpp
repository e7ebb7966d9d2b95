// Every printout on the recording canvas: no text leaves the printable area
// or lies on another text, for each kind and its options, every label
// geometry of the parameter dialog, a long series title and long suits.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "printfixture.h"
#include "printing/diagramanalysis.h"
#include "printing/handsheet.h"
#include "printing/labels.h"
#include "printing/traveller.h"
#include "stats/statsfixture.h"
#include "stats/statsprint.h"

using namespace vrek;

namespace {

const std::string kLongTitle(50, 'M');  // a file's title is not held to the field's 19 characters

// The ink of a text as the Arial stand-in lays out its line: from 0.15 em
// under the line's top (ascenders, accents) to the baseline at 0.905 em, or
// to the descenders 0.21 em further.
struct Ink {
    double left, top, right, bottom;
};
Ink inkOf(const RecordingCanvas &c, const DrawOp &t) {
    const double em = c.pixelHeight(t.font);
    const double bottom = t.text.find_first_of("gjpqyQ,;()/") != std::string::npos ? 1.115 : 0.905;
    return {double(t.x1), t.y1 + 0.15 * em, double(t.x1 + roundEven(utf8Length(t.text) * em / 2)), t.y1 + bottom * em};
}

// The texts off the printable area or on one another, page by page.
std::string faults(const RecordingCanvas &c) {
    std::map<std::pair<int, int>, std::vector<DrawOp>> pages;
    for (const DrawOp &t : c.texts())
        if (t.text.find_first_not_of(' ') != std::string::npos) pages[{t.document, t.page}].push_back(t);
    std::string out;
    auto fault = [&](const DrawOp &t, const std::string &what) {
        if (out.size() < 600) out += '"' + t.text + "\" " + std::to_string(t.x1) + "," + std::to_string(t.y1) + what + '\n';
    };
    for (auto &[page, texts] : pages) {
        std::sort(texts.begin(), texts.end(), [&](auto &a, auto &b) { return inkOf(c, a).top < inkOf(c, b).top; });
        for (size_t i = 0; i < texts.size(); ++i) {
            const Ink a = inkOf(c, texts[i]);
            if (a.left < 0 || a.top < 0 || a.right > c.width() || a.bottom > c.height()) fault(texts[i], " off the page");
            for (size_t j = i + 1; j < texts.size() && inkOf(c, texts[j]).top < a.bottom; ++j)
                if (a.left < inkOf(c, texts[j]).right && inkOf(c, texts[j]).left < a.right)
                    fault(texts[i], " on \"" + texts[j].text + '"');
        }
    }
    return out;
}

template <class Draw>
std::string drawn(Draw draw) {
    RecordingCanvas c;
    EXPECT_TRUE(draw(c));
    return faults(c);
}

// The print series with a long title, texts beside the diagrams and suits
// of nine cards in every seat.
Series series() {
    Series s = fixture::printSeries();
    s.setLine(0, kLongTitle);
    for (int d = 1; d <= kBoards; d += 5) {
        s.setLine(themeLine(d), "Le placement de la main courte et l'affranchissement");
        s.setLine(contractLine(d), "4P S entame RC");
        s.setLine(commentLine(d, 1), "Le declarant compte ses perdantes avant de jouer");
        s.setLine(commentLine(d, 7), "1P\t*X\tpasse\t4P");
    }
    s.deal(34) = testutil::dealFrom("AKQJT9876.-.-.AKQJ", "-.AKQJT9876.-.T987", "-.-.AKQJT9876.6543", "5432.5432.5432.2");
    s.deal(35) = testutil::dealFrom("5432.5432.5432.2", "AKQJT9876.-.-.AKQJ", "-.AKQJT9876.-.T987", "-.-.AKQJT9876.6543");
    return s;
}

}  // namespace

TEST(PageFit, HandSheetsDiagramsAndTravellers) {
    const Series s = series();
    for (int block = 0; block < 3; ++block)
        EXPECT_EQ(drawn([&](Canvas &c) { return printHandSheets(c, s, {true, true, true, true}, {block, {}, {}}); }), "");
    std::vector<int> all(48);
    for (int n = 1; n <= 48; ++n) all[n - 1] = n;
    EXPECT_EQ(drawn([&](Canvas &c) { return printDiagramSheets(c, s, {all.begin(), all.begin() + 24}, {}); }), "");
    DealAnalysis a;
    a.par = {ParContract{7, 0, "NS"}};
    DiagramOptions analysed;
    printAnalyses(analysed, [&a](int) { return &a; });
    EXPECT_EQ(drawn([&](Canvas &c) { return printChosenDiagrams(c, s, {33, 34, 35, 96, 1, 2, 3, 4}, 24, analysed); }), "");
    for (bool preprinted : {false, true})
        for (const char *section : {"", "M"}) {
            TravellerOptions o;
            o.preprinted = preprinted;
            o.section = section;
            o.style.numbering = 1;
            EXPECT_EQ(drawn([&](Canvas &c) { return printTravellers(c, s, all, o); }), "") << preprinted << section;
        }
}

TEST(PageFit, LabelsOfEveryGeometry) {
    const Series s = series();
    std::vector<LabelGeometry> made{LabelGeometry{}};
    for (int across = kMinAcross; across <= kMaxAcross; ++across)
        for (int down = kMinDown; down <= kMaxDown; ++down) {
            setAcross(made.emplace_back(), across);
            setDown(made.back(), down);
        }
    // Free values: labels half off the page are moved on it; rows below the
    // page and labels too small for any text are refused.
    LabelGeometry half, below, tiny;
    half.margeD = 0;
    below.margeH = 2700;
    tiny.largeur = 120;
    tiny.hauteur = 90;
    std::vector<LabelGeometry> all = made;
    all.insert(all.end(), {half, below, tiny});
    for (size_t i = 0; i < all.size(); ++i)
        for (bool title : {true, false}) {
            SCOPED_TRACE(std::to_string(all[i].across) + " x " + std::to_string(all[i].down) + " from " +
                         std::to_string(all[i].margeD) + (title ? " with title" : ""));
            LabelRun run{1, kBoards, {}, 1, title, {true, 1}, all[i]};
            RecordingCanvas c;
            const std::string problem = labelSheetProblem(c, s, all[i], title);
            EXPECT_EQ(problem.empty(), i <= made.size()) << problem;
            EXPECT_EQ(printLabels(c, s, run), problem.empty());
            EXPECT_EQ(c.textsEqual("Etui: ").size(), problem.empty() ? size_t(kBoards) : 0);
            EXPECT_EQ(faults(c), "");
        }
}

TEST(PageFit, StatisticsPrintouts) {
    // North holds each of the 39 patterns once: long tables.
    Series patterns;
    patterns.clear();
    int board = 0;
    for (int a = 13; a >= 0; --a)
        for (int b = std::min(a, 13 - a); b >= 0; --b)
            for (int c = std::min(b, 13 - a - b), d; c >= 0 && (d = 13 - a - b - c) <= c; --c) {
                int lengths[4][4] = {{a, b, c, d}}, left[4] = {13 - a, 13 - b, 13 - c, 13 - d}, suit = 0;
                for (int card = 0; card < 39; ++card) {  // the others in suit order, thirteen a hand
                    while (!left[suit]) ++suit;
                    --left[suit];
                    ++lengths[1 + card / 13][suit];
                }
                patterns.deal(++board) = statsfixture::dealOfLengths(lengths);
            }
    ASSERT_EQ(board, 39);
    for (const Series &s : {series(), patterns})
        for (stats::Mode m : {stats::Mode::Observed, stats::Mode::FullRecord, stats::Mode::Theory}) {
            const auto st = stats::computeStatistics(s, m, ",");
            EXPECT_EQ(drawn([&](Canvas &c) { return stats::printStatistics(c, st, stats::captionFor(m, kLongTitle)); }), "")
                << int(m) << " with " << st.tabs[0].grid.rows.size() << " patterns";
        }
}
