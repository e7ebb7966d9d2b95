#include <gtest/gtest.h>

#include "printfixture.h"
#include "printing/labelpreview.h"
#include "printing/labels.h"

using namespace vrek;

namespace {

TEST(LabelGeometry, NewCountsSpreadTheLabels) {
    LabelGeometry g;
    setAcross(g, 4);
    EXPECT_EQ(g.margeD, 300);
    EXPECT_EQ(g.largeur, 500);
    setDown(g, 5);
    EXPECT_EQ(g.margeH, 330);
    EXPECT_EQ(g.hauteur, 560);
    EXPECT_EQ(g.perSheet(), 20);

    Settings s;
    EXPECT_EQ(labelGeometry(s), LabelGeometry{});
    storeLabelGeometry(s, g);
    EXPECT_EQ(s.ligne, 4);
    EXPECT_EQ(s.margeH, 330);
    IniFile ini;
    writeLabelGeometry(ini, g);
    EXPECT_EQ(readSettings(ini, DateFormat::french()).hauteur, 560);
    // A damaged file's counts come back within the dialog's ranges.
    s.ligne = 0;
    s.colonne = 40;
    EXPECT_EQ(labelGeometry(s).across, 2);
    EXPECT_EQ(labelGeometry(s).down, 8);
}

// Where each deal's label went: (document, column, row) from its "Etui: " piece.
struct Placed {
    int document, x, y;
};
std::vector<Placed> placed(const RecordingCanvas &c) {
    std::vector<Placed> v;
    for (const DrawOp &t : c.texts())
        if (t.text == "Etui: ") v.push_back({t.document, t.x1, t.y1});
    return v;
}

TEST(Labels, RunFromLabel5OverTwoSheets) {
    const Series s = fixture::printSeries();
    RecordingCanvas c;
    LabelRun run;
    run.from = 1;
    run.to = 10;
    run.startLabel = 5;
    ASSERT_TRUE(printLabels(c, s, run));
    EXPECT_EQ(c.titles, (std::vector<std::string>{"VREK:Etiquettes1", "VREK:Etiquettes2"}));
    EXPECT_EQ(c.pages(), 2);
    const auto p = placed(c);
    ASSERT_EQ(p.size(), 10u);
    // Label 5 is the middle of the second row; deal 9 starts the second sheet.
    const PageUnits u(c);
    const LabelGeometry g;
    EXPECT_EQ(p[0].document, 1);
    EXPECT_EQ(p[7].document, 1);
    EXPECT_EQ(p[8].document, 2);
    EXPECT_EQ(p[9].document, 2);
    EXPECT_EQ(p[0].x, p[8].x + labelCentreX(g, u, 2) - labelCentreX(g, u, 1));
    EXPECT_EQ(p[0].y, p[1].y);
    EXPECT_EQ(p[8].y, p[9].y);
    EXPECT_EQ(p[0].y - p[8].y, labelCentreY(g, u, 2) - labelCentreY(g, u, 1));
    EXPECT_EQ(p[4].y - p[8].y, labelCentreY(g, u, 3) - labelCentreY(g, u, 1));
    // The series title heads the first sheet only.
    const auto titles = c.textsEqual("Club");
    ASSERT_EQ(titles.size(), 11u);  // the heading and one line under each label
    EXPECT_EQ(titles[0].y1, 75);
    EXPECT_EQ(titles[0].font.size, 24);
}

TEST(Labels, AFullSheetEndsWithoutAnEmptyDocument) {
    const Series s = fixture::printSeries();
    RecordingCanvas c;
    LabelRun run;
    run.from = 20;
    run.to = 31;
    run.title = false;
    ASSERT_TRUE(printLabels(c, s, run));
    EXPECT_EQ(c.titles, std::vector<std::string>{"VREK:Etiquettes1"});
    EXPECT_EQ(fixture::count(c, DrawOp::EndDocument), 1);
    EXPECT_TRUE(c.textsEqual("Club").size() == 12u);
}

TEST(Labels, OneLabelsTextsAndLayout) {
    const Series s = fixture::printSeries();
    RecordingCanvas c;
    ASSERT_TRUE(c.beginDocument("t"));
    PrintStyle st;
    st.numbering = 1;
    // Room across for the whole header in its own sizes.
    const LabelBox box{0, 3000 - 812, 4000, 3000 + 813};
    ASSERT_TRUE(drawLabel(c, s, 4, 2000, 3000, box, st));
    const int size = labelFontSize(c, 1680, 1625);
    c.font("Arial", size);
    const int h = c.textHeight("A"), w = c.textWidth("A");
    // Header pieces, each on the line y0 - 6h.
    for (const char *piece : {"Etui: ", "100  ", "Don.: ", "OUEST  ", "Vuln.: ", "TOUS"}) {
        const DrawOp *t = c.firstText(piece);
        ASSERT_TRUE(t) << piece;
        RecordingCanvas m;
        m.setFont(t->font);
        EXPECT_EQ(t->y1 + m.textHeight(piece), 3000 - 6 * h) << piece;
        EXPECT_EQ(t->font.colour, colour::blue);
    }
    EXPECT_EQ(c.firstText("Etui: ")->x1, 2000 - 10 * w);
    EXPECT_EQ(c.firstText("100  ")->font.size, size + 1);
    EXPECT_EQ(c.firstText("Don.: ")->font.size, size - 2);
    EXPECT_EQ(c.firstText("TOUS")->font.size, size);
    // The compass.
    const DrawOp *n = c.firstText("N");
    ASSERT_TRUE(n);
    EXPECT_EQ(n->font.colour, colour::green);
    EXPECT_EQ(c.firstText("E")->x1, 2000 + w);
    EXPECT_EQ(c.lines().size(), 2u);
    EXPECT_EQ(c.lines()[0].x1, 2000 - h);
    // The title under the twelve rows.
    EXPECT_EQ(c.firstText("Club")->y1, 3000 + 6 * h);

    RecordingCanvas one;
    ASSERT_TRUE(one.beginDocument("t"));
    ASSERT_TRUE(drawLabel(one, s, 1, 2000, 3000, box, {}));
    EXPECT_TRUE(one.firstText("NORD  "));
    EXPECT_TRUE(one.firstText("PERS."));
}

TEST(Labels, FontSizeSearchFitsTheLabelAndStopsAt4) {
    RecordingCanvas c;  // characters half as wide as high, lines 1.2 x the height
    const int size = labelFontSize(c, 1680, 1625);
    auto fits = [&](int pt) {
        c.font("Arial", pt);
        return 14 * c.textHeight("A") < 1625 && c.textWidth("AAAAAAAAAABBBBBBBBBBCC") <= 1680;
    };
    EXPECT_TRUE(fits(size));
    EXPECT_FALSE(fits(size + 1));
    EXPECT_EQ(labelFontSize(c, 10, 10), kSmallestLabelSize);
    EXPECT_EQ(labelFontSize(c, 100000, 100000), 39);
}

TEST(LabelPreview, ShowsTheLabelsThatLeaveThePage) {
    LabelGeometry fits;
    fits.margeD = 350;
    fits.largeur = 650;
    fits.margeH = 400;
    fits.hauteur = 650;
    EXPECT_FALSE(labelsOverflow(fits));
    LabelGeometry wide = fits;
    wide.largeur = 700;
    EXPECT_TRUE(labelsOverflow(wide));
    LabelGeometry low = fits;
    low.margeH = 900;
    EXPECT_TRUE(labelsOverflow(low));

    RecordingCanvas ok(400, 300, 96), over(400, 300, 96);
    drawLabelPreview(ok, fits);
    drawLabelPreview(over, wide);
    EXPECT_EQ(fixture::count(ok, DrawOp::RoundRect), 6);  // 3 across, 4 div 2 down
    EXPECT_FALSE(ok.firstText(kOverflowText));
    ASSERT_TRUE(over.firstText(kOverflowText));
    int red = 0;
    for (const DrawOp &o : over.ops)
        if (o.kind == DrawOp::RoundRect && o.pen == colour::red) ++red;
    EXPECT_EQ(red, 2);  // the third column
}

}  // namespace
