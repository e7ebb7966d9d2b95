#include <gtest/gtest.h>

#include "verify/solveroutput.h"

using namespace vrek;

TEST(SolverOutput, MarkersSplitAcrossReads) {
    SolverOutput o;
    o.append("li");
    EXPECT_FALSE(o.hasPrompt());
    o.append("ne:");
    EXPECT_TRUE(o.hasPrompt());
    EXPECT_FALSE(o.hasAnswer());
    o.append("\nNS = 10 tricks af");
    EXPECT_FALSE(o.hasAnswer());
    o.append("ter lead S5\n");
    EXPECT_TRUE(o.hasAnswer());
    EXPECT_EQ(readSolverAnswer(o.text()).nsTricks, 10);
}

TEST(SolverOutput, AnAfterBeforeThePromptIsNotTheAnswer) {
    SolverOutput o;
    o.append("after line:");
    EXPECT_FALSE(o.hasAnswer());
    EXPECT_EQ(readSolverAnswer(o.text()).failure, SolverFailure::NoAnswer);
}

TEST(SolverOutput, FloodIsCutOff) {
    SolverOutput o;
    std::string block(1000, 'x');
    for (int i = 0; i < 2000; ++i) o.append(block);
    EXPECT_EQ(o.text().size(), kMaxSolverOutput);
}

TEST(SolverAnswer, NumberAtCharactersFiveToTen) {
    EXPECT_EQ(readSolverAnswer("line:\nNS = 10 tricks after lead S5\n").nsTricks, 10);
    EXPECT_EQ(readSolverAnswer("line:\r\nNS =  9 tricks after lead S5\r\n").nsTricks, 9);
    EXPECT_EQ(readSolverAnswer("banner\nline:\nNS = 0 tricks after\n").nsTricks, 0);
    EXPECT_EQ(readSolverAnswer("line:\nxxxx13xxxx after").nsTricks, 13);
    EXPECT_EQ(readSolverAnswer("line:\nxxxxxxxxxx7 after").failure, SolverFailure::BadNumber);
    // Prompt and answer on one line: the answer starts after the prompt.
    EXPECT_EQ(readSolverAnswer("line:NS = 7 tricks after").nsTricks, 7);
    // Lines before the answer do not count.
    EXPECT_EQ(readSolverAnswer("line:\nNS = 99 junk\nNS = 11 tricks after\n").nsTricks, 11);
}

TEST(SolverAnswer, MissingOrBadNumbers) {
    EXPECT_EQ(readSolverAnswer("").failure, SolverFailure::NoPrompt);
    EXPECT_EQ(readSolverAnswer("NS = 10 tricks after").failure, SolverFailure::NoPrompt);
    EXPECT_EQ(readSolverAnswer("line:\n").failure, SolverFailure::NoAnswer);
    EXPECT_EQ(readSolverAnswer("line:\nNS = 14 tricks after").failure, SolverFailure::BadNumber);
    EXPECT_EQ(readSolverAnswer("line:\nNS = 999999 tricks after").failure, SolverFailure::BadNumber);
    // One whole signed number: a sign, a decimal point or a second number is no count.
    for (const char *bad : {"line:\nNS = -1 tricks after", "line:\nNS = 1.2 tricks after", "line:\nxxxx 1 3  after",
                            "line:\nNS =   1213 after", "line:\nNS = 12,5 after", "line:\nNS = +-3 after"})
        EXPECT_EQ(readSolverAnswer(bad).failure, SolverFailure::BadNumber) << bad;
    EXPECT_EQ(readSolverAnswer("line:\nNS = -1 tricks after").message,
              "Le programme de calcul a donné un nombre de levées invalide : «  -1 tr ».");
    EXPECT_EQ(readSolverAnswer("line:\nNS = +7 tricks after").nsTricks, 7);
    EXPECT_EQ(readSolverAnswer("line:\nNS =    12 after").nsTricks, 12);
    // A number that runs on past character 10 is not read as its first digits.
    EXPECT_EQ(readSolverAnswer("line:\nNS =     12 after").failure, SolverFailure::BadNumber);
    SolverAnswer garbage = readSolverAnswer("line:\nafter");
    EXPECT_EQ(garbage.failure, SolverFailure::BadNumber);
    EXPECT_EQ(garbage.message, "Le programme de calcul a donné un nombre de levées invalide : « r ».");
    EXPECT_EQ(readSolverAnswer("line:\n\x01\x02\x03\x04\xff\xfe after").message,
              "Le programme de calcul a donné un nombre de levées invalide : « ?? aft ».");
}

TEST(SolverRun, EachFailureHasItsMessage) {
    SolverRun notStarted;
    SolverAnswer a = interpretSolverRun(notStarted, "/opt/vrek/bridge", 7000);
    EXPECT_EQ(a.failure, SolverFailure::NotStarted);
    EXPECT_EQ(a.message, "Le programme de calcul « /opt/vrek/bridge » est introuvable ou ne peut pas être lancé.");

    SolverRun hung;
    hung.started = true;
    hung.timedOut = true;
    hung.output = "line:\nNS = 10 tricks after\n";  // too late: the run was cut short
    a = interpretSolverRun(hung, "bridge", 7000);
    EXPECT_EQ(a.failure, SolverFailure::TimedOut);
    EXPECT_EQ(a.message, "Le programme de calcul n'a pas terminé dans les 7 secondes : il a été arrêté.");

    SolverRun silent;
    silent.started = true;
    silent.exitCode = 0;
    EXPECT_EQ(interpretSolverRun(silent, "bridge", 7000).message,
              "Le programme de calcul n'a pas affiché son invite « line: ».");

    SolverRun refused;
    refused.started = true;
    refused.exitCode = 1;
    refused.output = "line:\n";
    EXPECT_EQ(interpretSolverRun(refused, "bridge", 7000).message,
              "Le programme de calcul n'a pas donné le nombre de levées (pas de ligne « after »). Code de sortie : 1.");

    SolverRun crashed = refused;
    crashed.exitCode = -1;
    EXPECT_NE(interpretSolverRun(crashed, "bridge", 7000).message.find("anormalement"), std::string::npos);

    // A good answer from a solver that then fails is no answer.
    SolverRun answeredThenFailed;
    answeredThenFailed.started = true;
    answeredThenFailed.exitCode = 2;
    answeredThenFailed.output = "line:\nNS =  8 tricks after lead HK\n";
    a = interpretSolverRun(answeredThenFailed, "bridge", 7000);
    EXPECT_EQ(a.failure, SolverFailure::BadExit);
    EXPECT_EQ(a.message, "Le programme de calcul s'est terminé en erreur après avoir répondu. Code de sortie : 2.");
    answeredThenFailed.exitCode = -1;
    EXPECT_EQ(interpretSolverRun(answeredThenFailed, "bridge", 7000).message,
              "Le programme de calcul s'est arrêté anormalement après avoir répondu.");

    SolverRun good;
    good.started = true;
    good.exitCode = 0;
    good.output = "line:\nNS =  8 tricks after lead HK\n";
    a = interpretSolverRun(good, "bridge", 7000);
    EXPECT_TRUE(a.ok());
    EXPECT_EQ(a.nsTricks, 8);
}
