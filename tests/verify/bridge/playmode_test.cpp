// The program's play mode against DDS solving, card by card, the position
// each card leads to; damaged positions answered one by one.
#include <dds/dll.h>
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <bit>
#include <cstring>
#include <random>
#include <sstream>

#include "testutil.h"
#include "verify/bridge/playmode.h"
#include "verify/playquestion.h"

using namespace vrek;

namespace {

// A position in DDS's encodings (hands 0 North .. 3 West, suits 0 spades .. 3
// clubs, strain 4 no-trump), played forward by the rules of the game.
struct State {
    unsigned cards[4][4] = {};
    int strain = 4, declarer = 0, leader = 0, won = 0;
    std::vector<std::pair<int, int>> trick;  // (suit, rank)

    int onTurn() const { return (leader + static_cast<int>(trick.size())) % 4; }
    int held(int hand) const {
        int n = 0;
        for (unsigned h : cards[hand]) n += std::popcount(h);
        return n;
    }
    std::vector<std::pair<int, int>> legal() const {
        const int h = onTurn();
        const int led = trick.empty() ? -1 : trick[0].first;
        std::vector<std::pair<int, int>> out;
        for (int s = 0; s < 4; ++s)
            if (led < 0 || s == led || !cards[h][led])
                for (int r = 14; r >= 2; --r)
                    if (cards[h][s] & (1u << r)) out.emplace_back(s, r);
        return out;
    }
    void play(int suit, int rank) {
        cards[onTurn()][suit] &= ~(1u << rank);
        trick.emplace_back(suit, rank);
        if (trick.size() < 4) return;
        int best = 0;
        for (int i = 1; i < 4; ++i) {
            const auto [s, r] = trick[static_cast<size_t>(i)];
            const auto [bs, br] = trick[static_cast<size_t>(best)];
            if ((s == bs && r > br) || (s == strain && bs != strain)) best = i;
        }
        leader = (leader + best) % 4;
        won += leader % 2 == declarer % 2;
        trick.clear();
    }
    // What the declaring side takes in all from here, by DDS's best card.
    int ddsTotal() const {
        const int left = held(onTurn());
        if (!left) return won;
        deal d{};
        d.trump = strain;
        d.first = leader;
        for (size_t i = 0; i < trick.size(); ++i) {
            d.currentTrickSuit[i] = trick[i].first;
            d.currentTrickRank[i] = trick[i].second;
        }
        std::memcpy(d.remainCards, cards, sizeof d.remainCards);
        futureTricks f{};
        EXPECT_EQ(SolveBoard(d, -1, 1, 1, &f, 0), RETURN_NO_FAULT);
        return won + (onTurn() % 2 == declarer % 2 ? f.score[0] : left - f.score[0]);
    }
    PlayPosition position() const {
        PlayPosition p;
        p.strain = strain == 4 ? 0 : strain + 1;
        p.declarer = declarer + 1;
        p.leader = leader + 1;
        p.declarerTricks = won;
        for (const auto &[s, r] : trick) p.trick.push_back(cardCode(Spades - s, r));
        for (int h = 0; h < 4; ++h)
            for (int s = 0; s < 4; ++s)
                for (int r = 14; r >= 2; --r)
                    if (cards[h][s] & (1u << r)) p.hands.holding(h + 1, Spades - s).insert(r);
        return p;
    }
};

State randomPosition(std::mt19937 &g, int n) {
    State st;
    const Deal d = testutil::shuffledDeal(g());
    for (int seat = North; seat <= West; ++seat)
        for (int suit = Clubs; suit <= Spades; ++suit)
            for (int k = 1; k <= d.holding(seat, suit).count; ++k)
                st.cards[seat - 1][Spades - suit] |= 1u << d.holding(seat, suit).rank(k);
    st.strain = n % 5;  // every strain as often
    st.declarer = static_cast<int>(g() % 4);
    st.leader = (st.declarer + 1) % 4;
    for (int played = static_cast<int>(g() % 52); played > 0; --played) {
        const auto cards = st.legal();
        const auto [s, r] = cards[g() % cards.size()];
        st.play(s, r);
    }
    return st;
}

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
    std::vector<State> states;
    std::string input;
    for (int i = 0; i < kPositions; ++i) {
        states.push_back(randomPosition(g, i));
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
        const State &st = states[static_cast<size_t>(i)];
        const PlayPosition p = st.position();
        ASSERT_TRUE(parsePlayAnswerLine(line, tag, a, error)) << line;
        ASSERT_EQ(error, "") << line;
        ASSERT_EQ(tag, std::to_string(i));
        ASSERT_TRUE(answerFits(p, a)) << line;
        ++trickStages[st.trick.size()];
        for (const auto &[s, r] : st.legal()) {
            State after = st;
            after.play(s, r);
            const CardTricks want{cardCode(Spades - s, r), after.ddsTotal()};
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
