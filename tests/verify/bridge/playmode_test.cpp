// The program's play mode against DDS solving, card by card, the position
// each card leads to; damaged positions answered one by one.
#include <dds/dll.h>
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstring>
#include <random>
#include <sstream>

#include "testutil.h"
#include "verify/bridge/randomplay.h"
#include "verify/bridge/playmode.h"
#include "verify/playquestion.h"

using namespace vrek;
using testutil::PlayState;

namespace {

std::string runPlay(const testutil::TempDir &dir, const std::string &input, int &exitCode) {
    testutil::writeFile(dir.file("in"), input);
    const std::string cmd =
        std::string("'") + BRIDGE_PROGRAM + "' -play <'" + dir.file("in") + "' >'" + dir.file("out") + "'";
    const int status = std::system(cmd.c_str());
    exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return testutil::readFile(dir.file("out"));
}

}  // namespace

// Each card's number is what DDS finds after that very card is played, the
// best card's is the position's own value, and a damaged line in between
// is refused without stopping the program.
TEST(PlayMode, EveryCardAgreesWithDdsOnRandomPlay) {
    constexpr int kPositions = 200;
    std::mt19937 g(26062026);
    std::vector<PlayState> states;
    std::string input;
    for (int i = 0; i < kPositions; ++i) {
        states.push_back(testutil::randomPlay(g, i % 5));
        input += playRequestLine(std::to_string(i), states.back().position()) + "\n";
        if (i == kPositions / 2) input += "bad N n 0 e - AKQ... ... ... ...\n";
    }
    testutil::TempDir dir;
    int rc = 0;
    std::istringstream out(runPlay(dir, input, rc));
    EXPECT_EQ(rc, 0);
    int trickStages[4] = {};
    for (int i = 0; i < kPositions; ++i) {
        std::string line, tag, error;
        ASSERT_TRUE(std::getline(out, line));
        if (i == kPositions / 2 + 1) {
            EXPECT_EQ(line.rfind("bad ! ", 0), 0u) << line;
            ASSERT_TRUE(std::getline(out, line));
        }
        PlayAnalysis a;
        const PlayState &st = states[static_cast<size_t>(i)];
        const PlayPosition p = st.position();
        ASSERT_TRUE(parsePlayAnswerLine(line, tag, a, error)) << line;
        ASSERT_EQ(error, "") << line;
        ASSERT_EQ(tag, std::to_string(i));
        ASSERT_TRUE(answerFits(p, a)) << line;
        ++trickStages[st.trick.size()];
        for (const auto &[s, r] : st.legal()) {
            PlayState after = st;
            after.play(s, r);
            const CardTricks want{cardCode(Spades - s, r), after.ddsTotal()};
            ASSERT_GE(want.tricks, 0);
            EXPECT_NE(std::find(a.cards.begin(), a.cards.end(), want), a.cards.end())
                << "position " << i << " card " << cardText(want.card) << " makes " << want.tricks << ": " << line;
        }
        EXPECT_EQ(bestTricks(a, p.declarer), st.ddsTotal()) << "position " << i << ": " << line;
    }
    for (int stage : trickStages) EXPECT_GT(stage, 10);
}

TEST(PlayMode, DamagedPositionsAreRefusedInFrench) {
    const std::string n = "AKQJT98765432...", e = ".AKQJT98765432..", s = "..AKQJT98765432.", w = "...AKQJT98765432";
    const struct {
        std::string line, message;
    } cases[] = {
        {"t N n 0 e -", "10 champs attendus"},
        {"t X n 0 e - " + n + ' ' + e + ' ' + s + ' ' + w, "dénomination inconnue « X »"},
        {"t N q 0 e - " + n + ' ' + e + ' ' + s + ' ' + w, "déclarant inconnu « q »"},
        {"t N n 14 e - " + n + ' ' + e + ' ' + s + ' ' + w, "nombre de levées gagnées invalide « 14 »"},
        {"t N n 0 x - " + n + ' ' + e + ' ' + s + ' ' + w, "entameur du pli inconnu « x »"},
        {"t N n 0 e S1 " + n + ' ' + e + ' ' + s + ' ' + w, "pli en cours invalide « S1 »"},
        {"t N n 0 e SA,SK,SQ,SJ " + n + ' ' + e + ' ' + s + ' ' + w, "pli en cours invalide"},
        {"t N n 0 e SA,SA ... ... ... ...", "carte en double dans le pli en cours"},
        {"t N n 0 e - " + n + ' ' + n + ' ' + s + ' ' + w, "carte en double dans la main de E"},
        {"t N n 0 e - AKQ ... ... ...", "main de N invalide « AKQ »"},
        {"t N n 0 e - A... K... Q... ...", "les mains n'ont pas le bon nombre de cartes (W : 0)"},
        {"t N n 0 e SA K... J... Q... ...", "les mains n'ont pas le bon nombre de cartes (E : 1)"},
        {"t N n 13 e - A... K... Q... J...", "plus de levées gagnées (13) que de levées jouées (12)"},
        {"t N n 0 e - ... ... ... ...", "plus aucune carte à jouer"},
    };
    for (const auto &c : cases) {
        const std::string answer = bridge::answerPlayLine(c.line);
        EXPECT_EQ(answer.rfind("t ! ", 0), 0u) << c.line << " -> " << answer;
        EXPECT_NE(answer.find(c.message), std::string::npos) << c.line << " -> " << answer;
    }
    // A sound one, with a trick in progress: East has no spade, all his hearts
    // are equal, and North's ace and spades take everything.
    const std::string sound = bridge::answerPlayLine("t S w 0 n SA KQJT98765432... .AKQJT98765432.. "
                                                     "..AKQJT98765432. ...AKQJT98765432");
    EXPECT_EQ(sound, "t e HAKQJT98765432:0");
}
