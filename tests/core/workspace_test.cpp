#include <gtest/gtest.h>

#include "core/fileio.h"
#include "core/seriesfile.h"
#include "core/workspace.h"
#include "testutil.h"

using namespace vrek;

namespace {

struct Open : ::testing::Test {
    testutil::TempDir dir;
    Workspace ws;
    std::vector<unsigned> heard;
    void SetUp() override {
        ws.subscribe([this](unsigned w) { heard.push_back(w); });
        ASSERT_EQ(ws.open(dir.file("a.vrk"), "Distribution memorisée dans a"), "");
        heard.clear();
    }
};

}  // namespace

TEST_F(Open, OpeningInstallsBoardOneUnmodified) {
    Workspace w;
    unsigned got = 0;
    w.subscribe([&](unsigned c) { got |= c; });
    ASSERT_EQ(w.open(dir.file("b.vrk"), "cap"), "");
    EXPECT_TRUE(w.fileOpen());
    EXPECT_EQ(w.currentDeal(), 1);
    EXPECT_FALSE(w.modified());
    EXPECT_EQ(w.caption(), "cap");
    EXPECT_TRUE(got & ChangeFile);
    EXPECT_TRUE(got & ChangeCurrentDeal);
}

TEST_F(Open, EditsAreHeardMarkedAndUndoneInOrder) {
    const Series start = ws.series();
    EXPECT_TRUE(ws.editDeal([](Deal &d) { d = testutil::shuffledDeal(1); }));
    ASSERT_EQ(heard.size(), 1u);
    EXPECT_TRUE(heard[0] & ChangeDeals);
    EXPECT_TRUE(heard[0] & ChangeModified);
    EXPECT_TRUE(ws.modified());
    ws.setCurrentDeal(5);
    EXPECT_TRUE(ws.setLine(themeLine(5), "Thème"));
    const Series two = ws.series();

    EXPECT_TRUE(ws.undo());
    EXPECT_EQ(ws.series().line(themeLine(5)), "");
    EXPECT_TRUE(ws.undo());
    EXPECT_TRUE(ws.series() == start);
    // The board of the change is shown again.
    EXPECT_EQ(ws.currentDeal(), 1);
    EXPECT_FALSE(ws.canUndo());
    EXPECT_TRUE(ws.redo());
    EXPECT_TRUE(ws.redo());
    EXPECT_TRUE(ws.series() == two);
    EXPECT_FALSE(ws.canRedo());
}

TEST_F(Open, AnEditThatChangesNothingIsNotRecorded) {
    EXPECT_FALSE(ws.edit(ChangeDeals, [](Series &) {}));
    EXPECT_FALSE(ws.canUndo());
    EXPECT_FALSE(ws.modified());
    EXPECT_TRUE(heard.empty());
}

TEST_F(Open, TypingInOneFieldIsOneStepUntilTheGroupCloses) {
    ws.setLine(themeLine(1), "a", "Theme:1");
    ws.setLine(themeLine(1), "ab", "Theme:1");
    ws.setLine(themeLine(1), "abc", "Theme:1");
    ws.setLine(contractLine(1), "4P", "Contrat:1");
    ws.undo();
    EXPECT_EQ(ws.series().line(themeLine(1)), "abc");
    ws.undo();
    EXPECT_EQ(ws.series().line(themeLine(1)), "");
    EXPECT_FALSE(ws.canUndo());

    ws.setLine(themeLine(1), "x", "Theme:1");
    ws.setCurrentDeal(1);  // navigation closes the group
    ws.setLine(themeLine(1), "xy", "Theme:1");
    ws.undo();
    EXPECT_EQ(ws.series().line(themeLine(1)), "x");
}

TEST_F(Open, TheHistoryKeepsItsDepth) {
    for (int i = 0; i < Workspace::kUndoDepth + 20; ++i) ws.setLine(themeLine(1), std::to_string(i));
    int steps = 0;
    while (ws.undo()) ++steps;
    EXPECT_EQ(steps, Workspace::kUndoDepth);
    EXPECT_EQ(ws.series().line(themeLine(1)), "19");
}

TEST_F(Open, SavingClearsTheFlagAndWritesThePair) {
    ws.setLine(0, "Titre");
    ASSERT_TRUE(ws.modified());
    EXPECT_EQ(ws.save(), "");
    EXPECT_FALSE(ws.modified());
    Series back;
    ASSERT_TRUE(readSeries(dir.file("a.vrk"), back).ok);
    EXPECT_EQ(back.line(0), "Titre");
    // Undoing after a save is a change again.
    ws.undo();
    EXPECT_TRUE(ws.modified());
}

TEST_F(Open, AFailedOpenLeavesTheSeriesAsItWas) {
    ws.setLine(0, "garde");
    EXPECT_NE(ws.open(dir.file("absent/x.vrk"), "cap"), "");
    EXPECT_EQ(ws.series().line(0), "garde");
    EXPECT_EQ(ws.seriesFileName(), dir.file("a.vrk"));
}

TEST_F(Open, ChangesMadeByAListenerAreHeardAfterTheRound) {
    std::vector<unsigned> order;
    ws.subscribe([&](unsigned w) {
        order.push_back(w);
        if (w & ChangeDeals) ws.setEntryCursor(3);
    });
    ws.editDeal([](Deal &d) { d = testutil::shuffledDeal(2); });
    ASSERT_EQ(order.size(), 2u);
    EXPECT_TRUE(order[0] & ChangeDeals);
    EXPECT_EQ(order[1], unsigned(ChangeCursor));
}

TEST(WorkspaceSettings, AnOversizedSettingsFileIsNeitherReadNorReplaced) {
    testutil::TempDir dir;
    Workspace ws;
    ws.setIniFileName(dir.file("vrek.ini"));
    EXPECT_EQ(ws.writeIni([](IniFile &f) { writeZoom(f, 12); }), "");
    EXPECT_NE(testutil::readFile(dir.file("vrek.ini")).find("Zoom=12"), std::string::npos);
    const std::string huge = "[Fonctionnement]\r\nZoom=9\r\n" + std::string(kMaxSettingsSize, ';');
    testutil::writeFile(dir.file("vrek.ini"), huge);
    // The refusal names the settings file's own limit.
    EXPECT_EQ(ws.writeIni([](IniFile &f) { writeZoom(f, 14); }),
              "Le fichier " + dir.file("vrek.ini") + " est trop grand (" + std::to_string(huge.size()) +
                  " octets) : Vrek n'en lit pas de plus de 1 Mo.");
    EXPECT_EQ(testutil::readFile(dir.file("vrek.ini")), huge);
}
