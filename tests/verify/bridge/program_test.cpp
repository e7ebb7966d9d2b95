// The built program driven as vrek drives it: prompt, 255-byte command, answer.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <vector>

#include "testutil.h"
#include "verify/bridge/ddsolve.h"
#include "verify/bridge/exchangereader.h"
#include "verify/exchange.h"
#include "verify/solveroutput.h"

namespace {

struct ProgramRun {
    int exitCode = -1;
    std::string out, err;
};

// Runs the program with `input` on standard input.
ProgramRun runBridge(const testutil::TempDir &dir, const std::string &input, const std::string &args = "") {
    testutil::writeFile(dir.file("stdin"), input);
    std::string cmd = std::string("'") + BRIDGE_PROGRAM + "' " + args + " <'" + dir.file("stdin") + "' >'" +
                      dir.file("stdout") + "' 2>'" + dir.file("stderr") + "'";
    int status = std::system(cmd.c_str());
    ProgramRun r;
    r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    r.out = testutil::readFile(dir.file("stdout"));
    r.err = testutil::readFile(dir.file("stderr"));
    return r;
}

}  // namespace

TEST(BridgeProgram, AnswersWhatDdsSays) {
    testutil::TempDir dir;
    const std::string path = dir.file(vrek::kExchangeFileName);
    for (unsigned seed = 1; seed <= 6; ++seed) {
        vrek::Deal d = testutil::shuffledDeal(100 + seed);
        int declarer = static_cast<int>(seed % 4) + 1, leader = declarer % 4 + 1;
        int suit = vrek::Spades;
        while (!d.holding(leader, suit).count) --suit;
        int lead = suit * 100 + d.holding(leader, suit).rank(1);
        const std::string text = vrek::exchangeText(d, declarer, static_cast<vrek::Strain>(seed % 5), lead);
        testutil::writeFile(path, text);

        ProgramRun r = runBridge(dir, *vrek::solverCommand(path));
        EXPECT_EQ(r.exitCode, 0) << r.err;
        EXPECT_EQ(r.out.rfind("line:", 0), 0u);
        vrek::SolverAnswer a = vrek::readSolverAnswer(r.out);
        ASSERT_TRUE(a.ok()) << a.message << "\n" << r.out;

        bridge::Problem p;
        std::string error;
        ASSERT_TRUE(bridge::parseExchange(text, p, error));
        EXPECT_EQ(a.nsTricks, bridge::nsTricksAfterLead(p, error));
        EXPECT_TRUE(r.err.empty());
    }
}

// "-suite": the same question for several boards in one process, a prompt
// before each, the end of input ends it cleanly.
TEST(BridgeProgram, SuiteAnswersEachBoardAsASingleRunWould) {
    testutil::TempDir dir;
    std::string input;
    std::vector<int> expected;
    for (unsigned seed = 1; seed <= 5; ++seed) {
        const std::string path = dir.file("q" + std::to_string(seed) + ".txt");
        vrek::Deal d = testutil::shuffledDeal(300 + seed);
        const int declarer = static_cast<int>(seed % 4) + 1;
        int suit = vrek::Spades, leader = declarer % 4 + 1;
        while (!d.holding(leader, suit).count) --suit;
        const std::string text = vrek::exchangeText(d, declarer, static_cast<vrek::Strain>(seed % 5),
                                                    suit * 100 + d.holding(leader, suit).rank(1));
        testutil::writeFile(path, text);
        input += *vrek::solverCommand(path);
        bridge::Problem p;
        std::string error;
        ASSERT_TRUE(bridge::parseExchange(text, p, error));
        expected.push_back(bridge::nsTricksAfterLead(p, error));
    }
    ProgramRun r = runBridge(dir, input, "-suite");
    EXPECT_EQ(r.exitCode, 0) << r.err;
    std::string rest = r.out;
    for (int want : expected) {
        size_t end = rest.find('\n', rest.find("after"));
        ASSERT_NE(end, std::string::npos) << r.out;
        vrek::SolverAnswer a = vrek::readSolverAnswer(rest.substr(0, end + 1));
        ASSERT_TRUE(a.ok()) << a.message;
        EXPECT_EQ(a.nsTricks, want);
        rest = rest.substr(end + 1);
    }
    EXPECT_EQ(rest, "line:\n");
}

TEST(BridgeProgram, DamagedInputFailsWithAFrenchMessage) {
    testutil::TempDir dir;
    const std::string path = dir.file(vrek::kExchangeFileName);
    auto expectFailure = [&](const std::string &input, const std::string &message, const std::string &args = "") {
        ProgramRun r = runBridge(dir, input, args);
        EXPECT_NE(r.exitCode, 0) << input;
        EXPECT_EQ(r.err, "bridge : " + message + "\n");
        EXPECT_EQ(r.out.find("after"), std::string::npos);
    };
    expectFailure("", "commande reçue invalide (« -dcq » suivi du fichier d'échange attendu) : «  »");
    expectFailure(*vrek::solverCommand(path), "fichier d'échange « " + path + " » : introuvable");
    testutil::writeFile(path, "n AKQ\r\n");
    expectFailure(*vrek::solverCommand(path), "fichier d'échange « " + path + " » : incomplet : 1 ligne(s) au lieu de 6");
    std::string good = vrek::exchangeText(testutil::shuffledDeal(9), vrek::North, vrek::Strain::NoTrump, 0);
    testutil::writeFile(path, good);  // lead "?0": no card
    ProgramRun r = runBridge(dir, *vrek::solverCommand(path));
    EXPECT_NE(r.exitCode, 0);
    EXPECT_NE(r.err.find("ligne 6 : entame attendue"), std::string::npos) << r.err;
    expectFailure("", "aucun argument attendu ; la commande « -dcq FICHIER » se lit sur l'entrée standard.", "-x");
}
