#include "formats/exportselection.h"

#include <gtest/gtest.h>

#include "exportfixture.h"

using namespace vrek;

TEST(ExportNames, DefaultNamesAndCaptions) {
    const std::string series = "C:\\Club\\Lundi.VRK";
    EXPECT_EQ(defaultExportName(series, ExportFormat::Dlm), "C:\\Club\\Lundi.DLM");
    EXPECT_EQ(defaultExportName(series, ExportFormat::PbnAll), "C:\\Club\\Lundi.PBN");
    EXPECT_EQ(defaultExportName(series, ExportFormat::PbnBoth), "C:\\Club\\Lundi.PBN");
    EXPECT_EQ(defaultExportName(series, ExportFormat::Easi), "C:\\Club\\Lundi.TXT");
    EXPECT_EQ(defaultExportName("/club/lundi.vrk", ExportFormat::Rtf), "/club/lundi.RTF");
    EXPECT_EQ(exportDialogCaption(series, ExportMenuItem::Wbridge1),
              "Exportation des mains dans le fichier C:\\Club\\Lundi.Pbn");
    EXPECT_EQ(exportDialogCaption(series, ExportMenuItem::GIB1),
              "Exportation des mains dans le fichier C:\\Club\\Lundi.PBN");
    EXPECT_EQ(defaultExportName("abc", ExportFormat::Dat), ".DAT");  // too short to lose an extension
}

TEST(ExportNames, CaptionTagNamesTheFormat) {
    // Every menu item's caption leads back to its writer, the PBN variants by case.
    for (int i = 0; i < kExportMenuItems; ++i) {
        auto item = static_cast<ExportMenuItem>(i);
        EXPECT_EQ(formatOfCaption(exportDialogCaption("/a/serie.VRK", item)), formatOf(item)) << menuItemName(item);
    }
    EXPECT_EQ(formatOf(ExportMenuItem::HandyDup1), ExportFormat::Dup);
    EXPECT_EQ(formatOf(ExportMenuItem::Dealer41), ExportFormat::Dup);
    EXPECT_EQ(formatOfCaption("xxPbn"), ExportFormat::PbnAll);
    EXPECT_EQ(formatOfCaption("xxPBN"), ExportFormat::PbnBoth);
    EXPECT_EQ(formatOfCaption("fichier.pbn"), std::nullopt);
    EXPECT_EQ(formatOfCaption("DL"), std::nullopt);
    EXPECT_EQ(menuItemCaption(ExportMenuItem::FormatSimultansEASI1), "Simultanés EASI             (TXT)");
}

TEST(ExportNames, FiltersAndTitles) {
    EXPECT_EQ(saveFilter(ExportFormat::Dlm), "Fichiers WinDup (*.dlm)|*.DLM");
    EXPECT_EQ(openFilter(ExportFormat::Dup), "Fichiers WinDup (*.dup)|*.DUP");
    EXPECT_EQ(saveFilter(ExportFormat::Lin), "Fichiers PortableBridgeNotation (*.lin)|*.LIN");
    EXPECT_EQ(openFilter(ExportFormat::Lin), "Fichiers PortableBridgeNotation (*.Lin)|*.LIN");
    EXPECT_EQ(saveFilter(ExportFormat::PbnBoth), "Fichiers PortableBridgeNotation (*.pbn)|*.PBN");
    EXPECT_EQ(saveFilter(ExportFormat::Easi), "Fichiers Pour EASI FFB (*.txt)|*.TXT");
    EXPECT_EQ(saveDialogTitle(12), "Exportation de 12 mains");
    EXPECT_EQ(openDialogTitle(), "Compléte le fichier");
    EXPECT_EQ(exportButtonCaption(Numbering::FromOne), "E&xporter");
    EXPECT_EQ(exportButtonCaption(Numbering::From97), "Compléter E&xportation");
    EXPECT_EQ(boxCaption(1), "Main  1");
    EXPECT_EQ(boxCaption(96), "Main 96");
}

TEST(ExportMessages, ExactTexts) {
    EXPECT_EQ(newFileMessage(0, "/c/Lundi.PBN"), "Exportation de 0 main(s) dans le fichier \r\r/c/Lundi.PBN");
    EXPECT_EQ(appendMessage(2, "/c/Lundi.DLM"),
              "Exportation de 2 main(s) supplémentaires dans le fichier \r\r/c/Lundi.DLM");
    EXPECT_EQ(not96BoardsMessage("/c/x.DUP"), "Il n'y a pas 96 mains dans le fichier \r\r/c/x.DUP");
    EXPECT_EQ(rotationQuestion(),
              "Désirez-vous faire tourner les diagrammes\rafin que le déclarant soit toujours\r"
              "en Sud et le flanc en Est/Ouest");
    EXPECT_TRUE(asksRotation(ExportFormat::Rtf));
    EXPECT_FALSE(asksRotation(ExportFormat::Dat));
}

TEST(ExportSelection, ButtonsFollowCompleteDeals) {
    Series s = fixture::series(10);
    s.deal(70) = testutil::shuffledDeal(70);
    Selection sel{};
    applySelectionButton(SelectionButton::Selection, s, sel);
    EXPECT_EQ(checkedBoards(sel), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 70}));
    EXPECT_EQ(sel, completeBoards(s));

    applySelectionButton(SelectionButton::Deselection, s, sel);
    EXPECT_TRUE(checkedBoards(sel).empty());
    applySelectionButton(SelectionButton::Select1, s, sel);
    EXPECT_EQ(checkedBoards(sel), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));

    applySelectionButton(SelectionButton::Select2, s, sel);
    EXPECT_TRUE(sel[69]);
    applySelectionButton(SelectionButton::Deselect2, s, sel);
    EXPECT_FALSE(sel[69]);
    EXPECT_TRUE(sel[9]);

    sel.fill(true);
    applySelectionButton(SelectionButton::Deselect1, s, sel);
    EXPECT_EQ(checkedBoards(sel).size(), 32u);
    sel.fill(true);
    applySelectionButton(SelectionButton::Deselect2, s, sel);
    EXPECT_EQ(checkedBoards(sel).size(), 64u);
    // Select1 leaves the third panel as it was.
    applySelectionButton(SelectionButton::Deselection, s, sel);
    sel[80] = true;
    applySelectionButton(SelectionButton::Select1, s, sel);
    EXPECT_TRUE(sel[80]);
}

TEST(ExportSelection, LeadingRunAndEveryCheckedBox) {
    Selection sel = fixture::boards({1, 2, 4});
    EXPECT_EQ(leadingRun(sel), (std::vector<int>{1, 2}));
    EXPECT_EQ(exportedBoards(ExportFormat::Dlm, sel), (std::vector<int>{1, 2}));
    EXPECT_EQ(exportedBoards(ExportFormat::Dup, sel), (std::vector<int>{1, 2}));
    EXPECT_EQ(exportedBoards(ExportFormat::PbnAll, sel), (std::vector<int>{1, 2, 4}));

    sel = fixture::boards({2, 3});
    EXPECT_TRUE(leadingRun(sel).empty());
    EXPECT_TRUE(exportsNothing(ExportFormat::Dlm, sel));
    EXPECT_TRUE(exportsNothing(ExportFormat::Dup, sel));
    EXPECT_FALSE(exportsNothing(ExportFormat::Rtf, sel));
    EXPECT_EQ(leadingRun(fixture::firstBoards(96)).size(), 96u);

    EXPECT_TRUE(appendsTo(ExportFormat::Dlm, Numbering::From97));
    EXPECT_FALSE(appendsTo(ExportFormat::Easi, Numbering::From97));
    EXPECT_FALSE(appendsTo(ExportFormat::PbnAll, Numbering::FromOne));
}

TEST(ExportSelection, ThroughTheDispatch) {
    Series s = fixture::series(4);
    // Boxes 1, 2, 4: the dealing machines get 1 and 2, PBN gets 1, 2 and 4.
    Selection sel = fixture::boards({1, 2, 4});
    EXPECT_EQ(exportSeries(ExportFormat::Dlm, s, sel, {}).count, 2);
    EXPECT_EQ(exportSeries(ExportFormat::Dup, s, sel, {}).bytes.size(), 2u * 156);
    EXPECT_EQ(exportSeries(ExportFormat::PbnBoth, s, sel, {}).count, 3);

    // Nothing checked: PBN writes an empty file and counts 0; DLM does nothing.
    Selection none{};
    ExportOutput pbn = exportSeries(ExportFormat::PbnAll, s, none, {});
    EXPECT_TRUE(pbn.ok());
    EXPECT_EQ(pbn.count, 0);
    EXPECT_EQ(pbn.bytes, "");
    EXPECT_EQ(exportSeries(ExportFormat::Rtf, s, none, {}).count, 0);
    ExportOutput dlm = exportSeries(ExportFormat::Dlm, s, fixture::boards({2}), {});
    EXPECT_TRUE(dlm.nothing);
    EXPECT_TRUE(dlm.error.empty());
    EXPECT_TRUE(dlm.bytes.empty());
}
