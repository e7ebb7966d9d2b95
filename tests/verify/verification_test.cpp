#include <gtest/gtest.h>

#include "core/fileio.h"
#include "testutil.h"
#include "verify/exchange.h"
#include "verify/verification.h"

using namespace vrek;

namespace {

// West holds the king of hearts; every hand has 13 cards.
Deal sampleDeal() {
    return testutil::dealFrom("AKQ2.AQJ.AKQ.AKQ", "JT9.T98.JT9.JT98", "876.765.8765.765", "543.K432.432.432");
}

// A solver stand-in: records what it was given and answers with a fixed output.
struct FakeSolver {
    std::string answer = "line:\nNS = 10 tricks after lead\n";
    bool started = true, timedOut = false;
    std::string path;
    std::vector<std::string> commands, exchangeTexts;

    SolverRunner runner() {
        return [this](const std::string &command) {
            commands.push_back(command);
            exchangeTexts.push_back(testutil::readFile(path));
            SolverRun r;
            r.started = started;
            r.timedOut = timedOut;
            r.exitCode = 0;
            r.output = answer;
            return r;
        };
    }
};

ContractChoice contract(int level, Strain s, int declarer, bool doubled = false, int lead = 0) {
    ContractChoice c;
    c.level = level;
    c.strain = s;
    c.declarer = declarer;
    c.doubled = doubled;
    c.lead = lead;
    return c;
}

}  // namespace

TEST(Verification, WritesTheExchangeFileRunsAndRemovesIt) {
    testutil::TempDir dir;
    FakeSolver solver;
    solver.path = dir.file(kExchangeFileName);
    Deal d = sampleDeal();
    Verification v = verifyContract(d, 1, contract(4, Strain::Spades, South, false, 313), solver.path,
                                    solver.runner(), "bridge");
    ASSERT_TRUE(v.ok) << v.error;
    ASSERT_EQ(solver.commands.size(), 1u);
    EXPECT_EQ(solver.commands[0], *solverCommand(solver.path));
    EXPECT_EQ(solver.exchangeTexts[0], exchangeText(d, South, Strain::Spades, 313));
    EXPECT_FALSE(fileExists(solver.path));
    EXPECT_EQ(v.lead, 313);
    EXPECT_EQ(v.tricks, 10);
    EXPECT_EQ(v.score, 420);
    EXPECT_EQ(v.result, "4P= par S sur entame RC");
}

TEST(Verification, ExamplesThroughTheSolverCount) {
    testutil::TempDir dir;
    FakeSolver solver;
    solver.path = dir.file(kExchangeFileName);
    Deal d = sampleDeal();

    solver.answer = "line:\nNS =  9 tricks after\n";  // 4P by South, board 1: nobody vulnerable
    Verification v = verifyContract(d, 1, contract(4, Strain::Spades, South), solver.path, solver.runner(), "bridge");
    EXPECT_EQ(v.tricks, 9);
    EXPECT_EQ(v.score, -50);
    EXPECT_EQ(v.result, "4P-1 par S sur entame 3P");  // West's lowest spade

    solver.answer = "line:\nNS =  3 tricks after\n";  // 3SA by East: 10 tricks
    v = verifyContract(d, 1, contract(3, Strain::NoTrump, East), solver.path, solver.runner(), "bridge");
    EXPECT_EQ(v.tricks, 10);
    EXPECT_EQ(v.score, 430);
    EXPECT_EQ(v.lead, 406);  // South leads its lowest spade
    v = verifyContract(d, 3, contract(3, Strain::NoTrump, East), solver.path, solver.runner(), "bridge");
    EXPECT_EQ(v.score, 630);  // board 3: East-West vulnerable
    EXPECT_EQ(v.result, "3SA+1 par E sur entame 6P");
}

TEST(Verification, SolverFailureWritesNothingAndRemovesTheFile) {
    testutil::TempDir dir;
    FakeSolver solver;
    solver.path = dir.file(kExchangeFileName);
    for (std::string answer : {"", "line:\n", "line:\nNS = 14 tricks after\n", "garbage after garbage"}) {
        solver.answer = answer;
        Verification v = verifyContract(sampleDeal(), 1, contract(4, Strain::Spades, South), solver.path,
                                        solver.runner(), "bridge");
        EXPECT_FALSE(v.ok) << answer;
        EXPECT_FALSE(v.error.empty());
        EXPECT_TRUE(v.result.empty());
        EXPECT_FALSE(fileExists(solver.path));
    }
    solver.answer = "line:\nNS = 10 tricks after\n";
    solver.timedOut = true;
    Verification v = verifyContract(sampleDeal(), 1, contract(4, Strain::Spades, South), solver.path,
                                    solver.runner(), "bridge");
    EXPECT_FALSE(v.ok);
    EXPECT_NE(v.error.find("7 secondes"), std::string::npos);
    EXPECT_FALSE(fileExists(solver.path));
}

TEST(Verification, RefusesIncompleteOrDamagedDeals) {
    testutil::TempDir dir;
    FakeSolver solver;
    solver.path = dir.file(kExchangeFileName);
    auto run = [&](const Deal &d, int declarer) {
        return verifyContract(d, 1, contract(1, Strain::NoTrump, declarer), solver.path, solver.runner(), "bridge");
    };

    Deal noEast = sampleDeal();
    noEast.hand(East) = Hand{};
    EXPECT_EQ(run(noEast, North).error, "L'entameur (Est) n'a aucune carte : vérification impossible.");
    EXPECT_EQ(run(noEast, West).error, "La donne n'est pas complète (39 cartes sur 52) : vérification impossible.");

    Deal twice = sampleDeal();
    twice.holding(South, Spades).remove(6);
    twice.holding(South, Spades).insert(14);  // the ace of spades is also North's
    EXPECT_EQ(run(twice, North).error, "La donne contient deux fois la même carte : vérification impossible.");

    Deal damaged = sampleDeal();
    damaged.holding(North, Clubs).count = 12;
    EXPECT_EQ(run(damaged, North).error, "La donne est endommagée : vérification impossible.");

    Deal uneven = sampleDeal();  // 52 cards, but 14 and 12 in two hands
    uneven.holding(West, Clubs).remove(2);
    uneven.holding(North, Clubs).insert(2);
    EXPECT_EQ(run(uneven, South).error, "Les mains n'ont pas toutes 13 cartes : vérification impossible.");

    EXPECT_TRUE(solver.commands.empty());
    EXPECT_FALSE(fileExists(solver.path));
}

TEST(Verification, ExchangePathProblemsAreReported) {
    testutil::TempDir dir;
    FakeSolver solver;
    solver.path = dir.file(std::string(260, 'x'));
    Verification v = verifyContract(sampleDeal(), 1, contract(1, Strain::NoTrump, North), solver.path,
                                    solver.runner(), "bridge");
    EXPECT_NE(v.error.find("trop long"), std::string::npos);

    solver.path = dir.file("missing/vrek.txt");
    v = verifyContract(sampleDeal(), 1, contract(1, Strain::NoTrump, North), solver.path, solver.runner(), "bridge");
    EXPECT_FALSE(v.ok);
    EXPECT_FALSE(v.error.empty());
    EXPECT_TRUE(solver.commands.empty());
}

TEST(VerifyBoards, SkipsEmptyAndIncompleteDealsAndContractsWithoutLevel) {
    testutil::TempDir dir;
    FakeSolver solver;
    solver.path = dir.file(kExchangeFileName);
    Series s;
    s.deal(1) = sampleDeal();
    s.deal(3) = testutil::shuffledDeal(3);
    s.deal(2) = sampleDeal();
    s.deal(2).hand(South) = Hand{};
    s.setLine(contractLine(1), makeContractLine("4P S entame RC", {2, 4, 6}));
    s.setLine(contractLine(3), "3SA* E");
    s.deal(5) = testutil::shuffledDeal(5);  // no contract
    s.deal(6) = testutil::shuffledDeal(6);
    s.setLine(contractLine(6), makeContractLine("Donne de défense", {1, 1, 1}));
    const Series before = s;

    std::vector<int> seen;
    BoardsRun r = verifyBoards(s, {1, 2, 3, 4, 5, 6}, oneProcessPerBoard(solver.path, solver.runner(), "bridge"),
                               [&](const BoardResult &b) { seen.push_back(b.board); });
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(seen, (std::vector<int>{1, 3}));
    EXPECT_EQ(r.skipped, (std::vector<int>{2}));  // board 4 is empty: not a word
    EXPECT_EQ(r.noContract, (std::vector<int>{5, 6}));
    EXPECT_EQ(s.lines, before.lines);
    ASSERT_EQ(r.done.size(), 2u);
    EXPECT_EQ(r.done[0].v.result, "4P= par S sur entame RC");
    EXPECT_EQ(r.done[1].choice, contract(3, Strain::NoTrump, East, true, r.done[1].v.lead));
    EXPECT_EQ(r.done[1].v.tricks, 3);
    EXPECT_EQ(r.done[1].v.score, -1700);  // six down doubled, East-West vulnerable on board 3
    EXPECT_EQ(skippedMessage(r.skipped, r.noContract),
              "Donne non vérifiée car incomplète : 2.\nDonnes non vérifiées car sans contrat : 5, 6.");

    for (const BoardResult &b : r.done) storeResult(s, b.board, b.v.result);
    EXPECT_EQ(s.line(contractLine(1)), makeContractLine("4P= par S sur entame RC", {2, 4, 6}));
    EXPECT_EQ(lineCountsOf(s.line(contractLine(3))), LineCounts{});
    EXPECT_EQ(contractTextOf(s.line(contractLine(3))), r.done[1].v.result);
}

TEST(VerifyBoards, StopsAtTheFirstSolverFailure) {
    testutil::TempDir dir;
    FakeSolver solver;
    solver.path = dir.file(kExchangeFileName);
    Series s;
    for (int b = 1; b <= 3; ++b) {
        s.deal(b) = testutil::shuffledDeal(b);
        s.setLine(contractLine(b), "1SA N");
    }
    int calls = 0;
    SolverRunner flaky = [&](const std::string &) {
        SolverRun run;
        run.started = true;
        run.exitCode = 0;
        run.output = ++calls == 2 ? "line:\n" : "line:\nNS =  7 tricks after\n";
        return run;
    };
    BoardsRun r = verifyBoards(s, {1, 2, 3}, oneProcessPerBoard(solver.path, flaky, "bridge"));
    EXPECT_FALSE(r.ok());
    EXPECT_EQ(r.failedBoard, 2);
    EXPECT_EQ(r.done.size(), 1u);
    EXPECT_EQ(calls, 2);
    EXPECT_NE(r.error.find("after"), std::string::npos);
}

TEST(VerifyBoards, MessagesAndReportLines) {
    EXPECT_EQ(skippedMessage({}), "");
    EXPECT_EQ(skippedMessage({7}), "Donne non vérifiée car incomplète : 7.");
    EXPECT_EQ(skippedMessage({}, {8}), "Donne non vérifiée car sans contrat : 8.");
    BoardResult r;
    r.board = 5;
    r.choice = contract(3, Strain::NoTrump, West, true, 313);
    r.v.tricks = 7;
    r.v.score = -500;
    r.v.result = "3SA*-2 par O sur entame RC";
    EXPECT_EQ(reportLine(r), " 5  3SA*  O  RC   7   -500  3SA*-2 par O sur entame RC");
    r.board = 96;
    r.choice = contract(4, Strain::Spades, South, false, 105);
    r.v.tricks = 10;
    r.v.score = 620;
    r.v.result = "4P= par S sur entame 5T";
    EXPECT_EQ(reportLine(r), "96  4P    S  5T  10    620  4P= par S sur entame 5T");
}
