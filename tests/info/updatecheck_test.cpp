#include <gtest/gtest.h>

#include <vector>

#include "app/version.h"
#include "core/settings.h"
#include "info/history.h"
#include "info/updatecheck.h"

using namespace vrek;
using namespace vrek::info;

TEST(UpdateCheck, TwoProbesAndWhatTheyMean) {
    std::vector<std::string> asked;
    auto site = [&](bool index, bool version) {
        return [&asked, index, version](const std::string &url) {
            asked.push_back(url);
            return url.find("index") != std::string::npos ? index : version;
        };
    };
    EXPECT_EQ(checkForUpdate("http://h/", "20.23.03", site(false, true)), UpdateState::SiteUnreachable);
    // An unreachable site is asked once only.
    EXPECT_EQ(asked, std::vector<std::string>{"http://h/arbitrage/index.html"});
    asked.clear();
    EXPECT_EQ(checkForUpdate("http://h", "20.23.03", site(true, true)), UpdateState::Current);
    EXPECT_EQ(asked, (std::vector<std::string>{"http://h/arbitrage/index.html", "http://h/arbitrage/Vrek_20.23.03.html"}));
    EXPECT_EQ(checkForUpdate("http://h//", "20.23.03", site(true, false)), UpdateState::NewVersion);
    EXPECT_EQ(asked.back(), "http://h/arbitrage/Vrek_20.23.03.html");
}

TEST(UpdateCheck, QuestionText) {
    EXPECT_EQ(newVersionQuestion("http://www.vrek.fr/"),
              "Il éxiste une nouvelle version de Vrek\n\n   qui peut être téléchargée sur :\n\n"
              "        http://www.vrek.fr/\n\n\n\n Voullez vous la télécharger ?\n");
}

TEST(UpdateCheck, MailLinkSubjectIsEncoded) {
    EXPECT_EQ(mailLink("a@b.fr", "Vrek 20.23.03"), "mailto:a@b.fr?subject=Vrek%2020.23.03");
    EXPECT_EQ(percentEncode("à propos&?"), "%C3%A0%20propos%26%3F");
}

TEST(UpdateCheck, AddressesAreSettingsWithDefaults) {
    Settings d = readSettings(IniFile(), DateFormat::french());
    EXPECT_EQ(d.site, "http://www.vrek.fr/");
    EXPECT_FALSE(d.pageInformations.empty());
    EXPECT_FALSE(d.pageTelechargement.empty());
    EXPECT_NE(d.courriel.find('@'), std::string::npos);
    IniFile f;
    f.parse("[MISEAJOUR]\r\nsite=http://127.0.0.1:8080/\r\nCourriel=\r\nPageTelechargement=http://d/\r\n"
            "PageInformations=http://i/\r\n");
    Settings s = readSettings(f, DateFormat::french());
    EXPECT_EQ(s.site, "http://127.0.0.1:8080/");
    EXPECT_EQ(s.pageTelechargement, "http://d/");
    EXPECT_EQ(s.pageInformations, "http://i/");
    EXPECT_EQ(s.courriel, d.courriel);  // left empty: the default
    // Never written: the exit write leaves the section alone.
    IniFile out;
    writeExitSettings(out, s);
    EXPECT_EQ(out.serialize().find("MiseAjour"), std::string::npos);
}

TEST(History, VersionsWithTheirNewsAndABlankBetween) {
    const auto &h = versionHistory();
    EXPECT_GE(h.size(), 55u);
    EXPECT_LE(h.size(), 70u);
    int headings = 0;
    for (size_t i = 0; i < h.size(); ++i) {
        if (h[i].rfind("Version ", 0) == 0) {
            ++headings;
            EXPECT_NE(h[i].find(" : "), std::string::npos) << h[i];
            if (i > 0) {
                EXPECT_TRUE(h[i - 1].empty()) << h[i];
            }
            // One to three lines of news, indented.
            size_t n = 0;
            while (i + 1 + n < h.size() && !h[i + 1 + n].empty()) {
                EXPECT_EQ(h[i + 1 + n][0], ' ');
                ++n;
            }
            EXPECT_GE(n, 1u);
            EXPECT_LE(n, 3u);
        }
    }
    EXPECT_EQ(headings, 18);
    EXPECT_EQ(h.front(), "Version 1.0 : 2003");
    EXPECT_NE(h[h.size() - 4].find("20.23.03"), std::string::npos);
    // The package's changelog starts from the same history: its newest entry is this program.
    EXPECT_STREQ(releases().back().version, kProgramVersion);
    EXPECT_EQ(debianChangelog("vrek", "V <v@v>").rfind("vrek (" + std::string(kProgramVersion) + ") ", 0), 0u);
}
