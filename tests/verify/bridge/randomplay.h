// Random positions of the play reached by random legal cards from random
// deals, in DDS's encodings, for the play mode's test and benchmark.
#pragma once
#include <dds/dll.h>

#include <bit>
#include <cstring>
#include <random>
#include <vector>

#include "core/playanalysis.h"
#include "testutil.h"

namespace testutil {

// A position in DDS's encodings (hands 0 North .. 3 West, suits 0 spades .. 3
// clubs, strain 4 no-trump), played forward by the rules of the game.
struct PlayState {
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
    // What the declaring side takes in all from here, by DDS's best card; -1
    // when DDS fails.
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
        if (SolveBoard(d, -1, 1, 1, &f, 0) != RETURN_NO_FAULT) return -1;
        return won + (onTurn() % 2 == declarer % 2 ? f.score[0] : left - f.score[0]);
    }
    vrek::PlayPosition position() const {
        vrek::PlayPosition p;
        p.strain = strain == 4 ? 0 : strain + 1;
        p.declarer = declarer + 1;
        p.leader = leader + 1;
        p.declarerTricks = won;
        for (const auto &[s, r] : trick) p.trick.push_back(vrek::cardCode(vrek::Spades - s, r));
        for (int h = 0; h < 4; ++h)
            for (int s = 0; s < 4; ++s)
                for (int r = 14; r >= 2; --r)
                    if (cards[h][s] & (1u << r)) p.hands.holding(h + 1, vrek::Spades - s).insert(r);
        return p;
    }
};

inline PlayState randomPlay(std::mt19937 &g, int strain) {
    PlayState st;
    const vrek::Deal d = shuffledDeal(g());
    for (int seat = vrek::North; seat <= vrek::West; ++seat)
        for (int suit = vrek::Clubs; suit <= vrek::Spades; ++suit)
            for (int k = 1; k <= d.holding(seat, suit).count; ++k)
                st.cards[seat - 1][vrek::Spades - suit] |= 1u << d.holding(seat, suit).rank(k);
    st.strain = strain;
    st.declarer = static_cast<int>(g() % 4);
    st.leader = (st.declarer + 1) % 4;
    for (int played = static_cast<int>(g() % 52); played > 0; --played) {
        const auto cards = st.legal();
        const auto [s, r] = cards[g() % cards.size()];
        st.play(s, r);
    }
    return st;
}

}  // namespace testutil
