#include "formats/rtf.h"

#include <gtest/gtest.h>

#include "exportfixture.h"

using namespace vrek;

namespace {
const std::string kHeader1 =
    R"({\rtf1\ansi\deff0\deftab720{\fonttbl{\f0\fswiss MS Sans Serif;}{\f1\froman\fcharset2 Symbol;}{\f2\froman\fprq2 Century Schoolbook;}{\f3\fswiss\fcharset1 MS Sans Serif;}{\f4\froman\fprq2\fcharset2 Symbol;}})";
const std::string kHeader2 =
    R"({\colortbl\red0\green0\blue0;\red0\green0\blue255;\red255\green0\blue0;\red0\green255\blue0;})";

Deal withVoids() {
    return testutil::dealFrom("JT98765.AKQJ.AK.-", "432.T98765.Q5.AK", "AKQ.-.JT9876.5432", "-.432.432.QJT9876");
}
}  // namespace

TEST(RtfExport, NewFileWithoutRotation) {
    Series s = fixture::series(1);
    fixture::setContract(s, 1, "4P S");
    const std::string contract = s.line(contractLine(1));
    ExportOutput out = writeRtf(s, fixture::boards({1}), {});
    EXPECT_EQ(out.count, 1);
    EXPECT_EQ(out.bytes,
              fixture::crlf({
                  kHeader1,
                  kHeader2,
                  R"(\par )",
                  R"(\deflang1036\pard\plain\f2\fs24\cf1 Donne : 1)",
                  R"(\par \pard\tx800\plain\f2\fs28\cf0 \tab \plain\f4\fs28\cf0 \'aa\plain\f2\fs28\cf0  ARDV)",
                  R"(\par \plain\f2\fs28\cf2 \tab \plain\f4\fs28\cf2 \'a9\plain\f2\fs28\cf2  X98)",
                  R"(\par \tab \plain\f4\fs28\cf2 \'a8\plain\f2\fs28\cf2  765)",
                  R"(\par \plain\f2\fs28\cf0 \tab \plain\f4\fs28\cf0 \'a7\plain\f2\fs28\cf0  432)",
                  R"(\par \pard\tx1360\tx1920\plain\f4\fs28\cf0 \'aa\plain\f2\fs28\cf0  432\tab \plain\f2\fs20\cf3 N\plain\f2\fs28\cf0 \tab \plain\f4\fs28\cf0 \'aa\plain\f2\fs28\cf0  X98)",
                  R"(\par \pard\tx1080\tx1640\tx1920\plain\f4\fs28\cf2 \'a9\plain\f2\fs28\cf2  765\tab \plain\f2\fs20\cf3 O\tab E\plain\f2\fs28\cf2 \tab \plain\f4\fs28\cf2 \'a9\plain\f2\fs28\cf2  ARDV)",
                  R"(\par \pard\tx1360\tx1920\plain\f4\fs28\cf2 \'a8\plain\f2\fs28\cf2  X98\tab \plain\f2\fs20\cf3 S\plain\f2\fs28\cf2 \tab \plain\f4\fs28\cf2 \'a8\plain\f2\fs28\cf2  432)",
                  R"(\par \pard\tx1920\plain\f4\fs28 \'a7\plain\f2\fs28  ARDV\tab \plain\f4\fs28 \'a7\plain\f2\fs28  765)",
                  R"(\par \pard\tx800\plain\f2\fs28\cf0 \tab \plain\f4\fs28\cf0 \'aa\plain\f2\fs28\cf0  765)",
                  R"(\par \plain\f2\fs28\cf2 \tab \plain\f4\fs28\cf2 \'a9\plain\f2\fs28\cf2  432)",
                  R"(\par \tab \plain\f4\fs28\cf2 \'a8\plain\f2\fs28\cf2  ARDV)",
                  R"(\par \plain\f2\fs28\cf0 \tab \plain\f4\fs28\cf0 \'a7\plain\f2\fs28\cf0  X98)",
                  R"(\par \plain\f2\fs24 )" + contract,
                  R"(\par })",
              }));
    // Without rotation the declarer does not matter.
    fixture::setContract(s, 1, "3SA O");
    EXPECT_EQ(diagramSeats(s.line(contractLine(1)), false).up, North);
}

TEST(RtfExport, RotationPutsTheDeclarerBelow) {
    auto seats = [](const std::string &text) { return diagramSeats(makeContractLine(text, {3, 3, 6}), true); };
    DiagramSeats v = seats("3SA O");
    EXPECT_EQ(v.up, East);
    EXPECT_EQ(v.left, North);
    EXPECT_EQ(v.right, South);
    EXPECT_EQ(v.down, West);
    v = seats("4C E");
    EXPECT_EQ(v.up, West);
    EXPECT_EQ(v.left, South);
    EXPECT_EQ(v.right, North);
    EXPECT_EQ(v.down, East);
    EXPECT_EQ(seats("2P N").down, North);
    EXPECT_EQ(seats("2P S").down, South);
    EXPECT_EQ(seats("").up, North);  // no declarer named: no rotation
    EXPECT_EQ(diagramSeats("", true).up, North);

    // The compass letters turn with the hands; the tab follows the left hand's longest suit.
    auto lines = rtfDealLines(withVoids(), 7, makeContractLine("3SA O", {3, 3, 6}), true);
    ASSERT_EQ(lines.size(), 15u);
    EXPECT_EQ(lines[1], R"(\deflang1036\pard\plain\f2\fs24\cf1 Donne : 7)");
    EXPECT_EQ(lines[2], R"(\par \pard\tx1400\plain\f2\fs28\cf0 \tab \plain\f4\fs28\cf0 \'aa\plain\f2\fs28\cf0  432)");
    EXPECT_EQ(lines[6], R"(\par \pard\tx1960\tx2520\plain\f4\fs28\cf0 \'aa\plain\f2\fs28\cf0  VX98765\tab \plain\f2\fs20\cf3 E\plain\f2\fs28\cf0 \tab \plain\f4\fs28\cf0 \'aa\plain\f2\fs28\cf0  ARD)");
    EXPECT_EQ(lines[7], R"(\par \pard\tx1680\tx2240\tx2520\plain\f4\fs28\cf2 \'a9\plain\f2\fs28\cf2  ARDV\tab \plain\f2\fs20\cf3 N\tab S\plain\f2\fs28\cf2 \tab \plain\f4\fs28\cf2 \'a9\plain\f2\fs28\cf2  )");
    EXPECT_EQ(lines[8].substr(lines[8].find(R"(\cf3 )")), R"(\cf3 O\plain\f2\fs28\cf2 \tab \plain\f4\fs28\cf2 \'a8\plain\f2\fs28\cf2  VX9876)");
    EXPECT_EQ(lines[9], R"(\par \pard\tx2520\plain\f4\fs28 \'a7\plain\f2\fs28  \tab \plain\f4\fs28 \'a7\plain\f2\fs28  5432)");
    EXPECT_EQ(lines[13], R"(\par \plain\f2\fs28\cf0 \tab \plain\f4\fs28\cf0 \'a7\plain\f2\fs28\cf0  DVX9876)");
}

TEST(RtfExport, AppendReplacesTheClosingLineOnce) {
    Series s = fixture::series(3);
    const std::string old = writeRtf(s, fixture::boards({1}), {}).bytes;
    ExportOutput out = writeRtf(s, fixture::boards({2, 3}), fixture::appendTo(old));
    ASSERT_TRUE(out.ok()) << out.error;
    EXPECT_EQ(out.count, 2);
    const std::string kept = old.substr(0, old.size() - std::string("\\par }\r\n").size());
    ASSERT_EQ(out.bytes.substr(0, kept.size()), kept);
    auto added = fixture::crlfLines(out.bytes.substr(kept.size()));
    ASSERT_EQ(added.size(), 31u);
    EXPECT_EQ(added[1], R"(\deflang1036\pard\plain\f2\fs24\cf1 Donne : 98)");
    EXPECT_EQ(added[16], R"(\deflang1036\pard\plain\f2\fs24\cf1 Donne : 99)");
    EXPECT_EQ(added.back(), R"(\par })");
    auto all = fixture::crlfLines(out.bytes);
    EXPECT_EQ(std::count(all.begin(), all.end(), R"(\par })"), 1);
    // A trailing empty line left by an editor is no reason to lose the closing line.
    EXPECT_EQ(writeRtf(s, fixture::boards({2, 3}), fixture::appendTo(old + "\r\n")).bytes, out.bytes);
}

TEST(RtfExport, AppendRefusesAFileItDidNotEnd) {
    Series s = fixture::series(2);
    const std::string name = "/club/notes.RTF";
    for (std::string foreign : {std::string(), std::string("{\\rtf1 Bonjour}\r\n"),
                                std::string("{\\rtf1\r\n\\par Bonjour\r\n}")}) {
        ExportOutput out = writeRtf(s, fixture::boards({1}), fixture::appendTo(foreign, name));
        EXPECT_NE(out.error.find(name), std::string::npos) << foreign;
        EXPECT_TRUE(out.bytes.empty());
    }
}

TEST(RtfExport, ContractTextCannotBreakTheDocument) {
    Series s = fixture::series(1);
    s.setLine(contractLine(1), "4P S {x} a\\b \xe9");
    auto lines = fixture::crlfLines(writeRtf(s, fixture::boards({1}), {}).bytes);
    EXPECT_EQ(lines[16], "\\par \\plain\\f2\\fs24 4P S \\{x\\} a\\\\b \xe9");
}
