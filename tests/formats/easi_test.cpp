#include "formats/easi.h"

#include <gtest/gtest.h>

#include "exportfixture.h"

using namespace vrek;

TEST(EasiExport, FileOfOneDeal) {
    Series s = fixture::series(1);
    ExportOutput out = writeEasi(s, fixture::boards({1}), {});
    EXPECT_EQ(out.count, 1);
    EXPECT_EQ(out.bytes, fixture::crlf({
                             "#DONNE",
                             "1;ARDV;098;765;432;098;ARDV;432;765;765;432;ARDV;098;432;765;098;ARDV;Personne;N;;;;;;;;;;",
                             "#FIN",
                         }));
    EXPECT_EQ(writeEasi(s, Selection{}, {}).bytes, "#DONNE\r\n#FIN\r\n");
}

TEST(EasiExport, VoidsVulnerabilityAndDealer) {
    Deal d = testutil::dealFrom("JT98765.AKQJ.AK.-", "432.T98765.Q5.AK", "AKQ.-.JT9876.5432", "-.432.432.QJT9876");
    EXPECT_EQ(easiLine(d, 2),
              "2;V098765;ARDV;AR;;432;098765;D5;AR;ARD;;V09876;5432;;432;432;DV09876;NS;E;;;;;;;;;;");
    auto tail = [&](int b) {
        std::string l = easiLine(d, b);
        return l.substr(l.rfind("V09876;") + 7);
    };
    EXPECT_EQ(tail(3), "EO;S;;;;;;;;;;");
    EXPECT_EQ(tail(4), "Tous;O;;;;;;;;;;");
    EXPECT_EQ(tail(16), "EO;O;;;;;;;;;;");
}

TEST(EasiExport, IgnoresTheAppendMode) {
    Series s = fixture::series(3);
    ExportOutput out = exportSeries(ExportFormat::Easi, s, fixture::boards({3}), fixture::appendTo("#DONNE\r\n#FIN\r\n"));
    ASSERT_TRUE(out.ok());
    auto lines = fixture::crlfLines(out.bytes);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1].substr(0, 2), "3;");
}
