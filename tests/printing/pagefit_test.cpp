// Every printout on the recording canvas: no text leaves the printable area
// or lies on another text, for each kind of printout and its options, every
// label geometry the parameter dialog makes, a long series title and suits
// of up to thirteen cards.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sstream>

#include "printfixture.h"
#include "printing/diagramanalysis.h"
#include "printing/diagrampage.h"
#include "printing/handsheet.h"
#include "printing/labels.h"
#include "printing/traveller.h"
#include "stats/statsfixture.h"
#include "stats/statsprint.h"

using namespace vrek;

namespace {

const std::string kLongTitle(50, 'M');  // titles from files are not held to the field's 19 characters

// The ink of a text as the Arial stand-in lays out its line: from 0.15 em
// under the line's top (ascenders, accents over small letters) down to the
// baseline, 0.905 em under it, or to the descenders, 0.21 em further.
struct Ink {
    double left, top, right, bottom;
};
Ink inkOf(const RecordingCanvas &c, const DrawOp &t) {
    const double em = c.pixelHeight(t.font);
    const bool descends = t.text.find_first_of("gjpqyQ,;()/") != std::string::npos;
    return {double(t.x1), t.y1 + 0.15 * em, double(t.x1 + roundEven(utf8Length(t.text) * em / 2)),
            t.y1 + (descends ? 1.115 : 0.905) * em};
}

// Texts off the printable area or on one another, page by page.
std::vector<std::string> faults(const RecordingCanvas &c) {
    std::map<std::pair<int, int>, std::vector<DrawOp>> pages;
    for (const DrawOp &t : c.texts())
        if (t.text.find_first_not_of(' ') != std::string::npos) pages[{t.document, t.page}].push_back(t);
    std::vector<std::string> out;
    auto name = [&](const DrawOp &t) {
        std::ostringstream o;
        o << '"' << t.text << "\" (" << t.document << '/' << t.page << " at " << t.x1 << ',' << t.y1 << ')';
        return o.str();
    };
    for (auto &[page, texts] : pages) {
        std::sort(texts.begin(), texts.end(), [&](const DrawOp &a, const DrawOp &b) { return inkOf(c, a).top < inkOf(c, b).top; });
        for (size_t i = 0; i < texts.size(); ++i) {
            const Ink a = inkOf(c, texts[i]);
            if (a.left < 0 || a.top < 0 || a.right > c.width() || a.bottom > c.height())
                out.push_back(name(texts[i]) + " leaves the page");
            for (size_t j = i + 1; j < texts.size(); ++j) {
                const Ink b = inkOf(c, texts[j]);
                if (b.top >= a.bottom) break;
                if (a.left < b.right && b.left < a.right) out.push_back(name(texts[i]) + " on " + name(texts[j]));
            }
        }
    }
    return out;
}

std::string listed(const std::vector<std::string> &v) {
    std::string s;
    for (size_t i = 0; i < v.size() && i < 8; ++i) s += v[i] + '\n';
    return s;
}

// The print series with a long title, texts beside the diagrams and deals
// with suits of nine cards in every seat.
Series series() {
    Series s = fixture::printSeries();
    s.setLine(0, kLongTitle);
    for (int d = 1; d <= kBoards; d += 5) {
        s.setLine(themeLine(d), "Le placement de la main courte et l'affranchissement");
        s.setLine(contractLine(d), "4P S entame RC");
        s.setLine(commentLine(d, 1), "Le declarant compte ses perdantes avant de jouer");
        s.setLine(commentLine(d, 4), "La defense doit prendre la main au premier tour");
        s.setLine(commentLine(d, 7), "1P\t*X\tpasse\t4P");
        s.setLine(provenanceLine(d), "Tournoi du jeudi, donne reprise du livre");
    }
    s.deal(34) = testutil::dealFrom("AKQJT9876.-.-.AKQJ", "-.AKQJT9876.-.T987", "-.-.AKQJT9876.6543", "5432.5432.5432.2");
    s.deal(35) = testutil::dealFrom("5432.5432.5432.2", "AKQJT9876.-.-.AKQJ", "-.AKQJT9876.-.T987", "-.-.AKQJT9876.6543");
    s.deal(36) = testutil::dealFrom("AKQJT98765432.-.-.-", "-.AKQJT98765432.-.-", "-.-.AKQJT98765432.-",
                                    "-.-.-.AKQJT98765432");
    return s;
}

template <class Draw>
std::vector<std::string> drawn(Draw draw) {
    RecordingCanvas c;
    EXPECT_TRUE(draw(c));
    return faults(c);
}

}  // namespace

TEST(PageFit, HandSheetsDiagramsAndTravellers) {
    const Series s = series();
    for (int block = 0; block < 3; ++block) {
        HandSheetOptions o;
        o.block = block;
        EXPECT_EQ(listed(drawn([&](Canvas &c) { return printHandSheets(c, s, {true, true, true, true}, o); })), "")
            << "block " << block;
    }
    std::vector<int> sheets;
    for (int n = 1; n <= 24; ++n) sheets.push_back(n);
    DiagramOptions plain;
    EXPECT_EQ(listed(drawn([&](Canvas &c) { return printDiagramSheets(c, s, sheets, plain); })), "");
    DealAnalysis a;
    for (int seat = 0; seat < 4; ++seat)
        for (int st = 0; st < kStrains; ++st) a.tricks[seat][st] = (3 * seat + st) % 14;
    a.parScore = 1520;
    a.par = {ParContract{7, 0, "NS"}};
    DiagramOptions analysed;
    analysed.style.numbering = 1;
    printAnalyses(analysed, [&a](int) { return &a; });
    EXPECT_EQ(listed(drawn([&](Canvas &c) { return printChosenDiagrams(c, s, {33, 34, 35, 36, 1, 2, 3, 96}, 24, analysed); })),
              "");

    std::vector<int> pairs;
    for (int n = 1; n <= kTravellerPairs; ++n) pairs.push_back(n);
    for (bool preprinted : {false, true})
        for (const char *section : {"", "M"})
            for (int numbering : {0, 1}) {
                TravellerOptions o;
                o.preprinted = preprinted;
                o.section = section;
                o.style.numbering = numbering;
                EXPECT_EQ(listed(drawn([&](Canvas &c) { return printTravellers(c, s, pairs, o); })), "")
                    << preprinted << section << numbering;
            }
}

TEST(PageFit, LabelsOfEveryGeometry) {
    const Series s = series();
    std::vector<LabelGeometry> geometries{LabelGeometry{}};
    for (int across = kMinAcross; across <= kMaxAcross; ++across)
        for (int down = kMinDown; down <= kMaxDown; ++down) {
            LabelGeometry g;
            setAcross(g, across);
            setDown(g, down);
            geometries.push_back(g);
        }
    const size_t made = geometries.size();
    // Free values: labels half off the page, and labels too small for any text.
    LabelGeometry half, tiny;
    half.margeD = 0;
    half.margeH = 2700;
    tiny.largeur = 120;
    tiny.hauteur = 90;
    geometries.push_back(half);
    geometries.push_back(tiny);
    for (size_t i = 0; i < geometries.size(); ++i)
        for (bool title : {true, false}) {
            const LabelGeometry &g = geometries[i];
            SCOPED_TRACE(std::to_string(g.across) + " x " + std::to_string(g.down) + " from " +
                         std::to_string(g.margeD) + ", " + std::to_string(g.margeH) + (title ? " with title" : ""));
            LabelRun run;
            run.from = 1;
            run.to = kBoards;
            run.title = title;
            run.style.numbering = 1;
            run.geometry = g;
            RecordingCanvas c;
            const std::string problem = labelSheetProblem(c, s, g, title);
            if (i < made) {
                EXPECT_EQ(problem, "");  // what the dialog's arrows make always fits
            }
            if (problem.empty()) {
                ASSERT_TRUE(printLabels(c, s, run));
                EXPECT_EQ(c.textsEqual("Etui: ").size(), size_t(kBoards));
                EXPECT_EQ(listed(faults(c)), "");
            } else {
                EXPECT_FALSE(printLabels(c, s, run));
                EXPECT_TRUE(c.ops.empty());  // nothing half printed
            }
        }
    RecordingCanvas c;
    EXPECT_NE(labelSheetProblem(c, s, tiny, false), "");
}

TEST(PageFit, StatisticsPrintouts) {
    // Thirty-nine boards, North holding each pattern once: long tables.
    Series patterns;
    patterns.clear();
    int board = 0;
    for (int a = 13; a >= 0; --a)
        for (int b = std::min(a, 13 - a); b >= 0; --b)
            for (int c = std::min(b, 13 - a - b); c >= 0; --c) {
                const int d = 13 - a - b - c;
                if (d > c) continue;
                int lengths[4][4] = {{a, b, c, d}};
                // The other cards go out in suit order, thirteen a hand.
                int left[4] = {13 - a, 13 - b, 13 - c, 13 - d}, suit = 0;
                for (int seat = 1; seat < 4; ++seat)
                    for (int k = 0; k < 13; ++k) {
                        while (!left[suit]) ++suit;
                        --left[suit];
                        ++lengths[seat][suit];
                    }
                patterns.deal(++board) = statsfixture::dealOfLengths(lengths);
            }
    ASSERT_EQ(board, 39);
    const Series random = series();
    const Series *const all[2] = {&random, &patterns};
    using stats::Mode;
    for (const Series *s : all)
        for (Mode m : {Mode::Observed, Mode::FullRecord, Mode::Theory}) {
            const auto st = stats::computeStatistics(*s, m, ",");
            EXPECT_EQ(listed(drawn([&](Canvas &c) { return stats::printStatistics(c, st, stats::captionFor(m, kLongTitle)); })),
                      "")
                << int(m) << " with " << st.tabs[0].grid.rows.size() << " patterns";
        }
}
