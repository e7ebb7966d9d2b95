// The solver program's play mode: one line per position of the play in, one
// line out with what each card of the player on turn makes.
//
// In:  TAG STRAIN DECLARER WON LEADER TRICK NORTH EAST SOUTH WEST
//      STRAIN N|S|H|D|C; DECLARER and LEADER n|e|s|w (LEADER led the trick in
//      progress, or leads the next one); WON the tricks the declaring side
//      has already won; TRICK "-" or the cards played to the trick in
//      progress, in order, separated by "," (suit and rank, as "SA,S3");
//      each hand the cards it still holds, "AK2.QJT9.876.54" (spades first,
//      an empty suit is nothing between its dots).
// Out: TAG SEAT GROUP...
//      SEAT n|e|s|w, the player on turn; one GROUP per set of equivalent
//      legal cards: suit, ranks, ":" and the tricks the declaring side takes
//      in all (those already won included) after that card, as "SKQ:9".
//  or: TAG "!" MESSAGE when the line cannot be answered.
#pragma once
#include <string>
#include <vector>

namespace bridge {

// DDS encodings: hands 0 North .. 3 West; suits 0 spades .. 3 clubs;
// strain 4 is no-trump; bit r of a holding is rank r.
struct PlayRequest {
    std::string tag;
    int strain = 4;
    int declarer = 0;
    int won = 0;
    int leader = 0;
    int trickSuit[3] = {}, trickRank[3] = {};
    int trickCards = 0;
    unsigned cards[4][4] = {};
    int onTurn() const { return (leader + trickCards) % 4; }
};

struct PlayGroup {
    int suit = 0;
    unsigned ranks = 0;  // the card and its equivalents
    int tricks = 0;      // of the declaring side, in all
};

struct PlayAnswer {
    std::string tag;
    int seat = 0;
    std::vector<PlayGroup> groups;
};

// Sets DDS up for one position at a time; once, before the first solve.
void initPlayResources();

// Reads one request line; false with a French message when it is wrong.
bool parsePlayRequest(const std::string &line, PlayRequest &out, std::string &error);
// Asks DDS for every legal card's tricks; false with a French message.
bool solvePlay(const PlayRequest &r, PlayAnswer &out, std::string &error);
std::string formatPlayAnswer(const PlayAnswer &a);
// The whole answer line of a request line (the error line when it fails).
std::string answerPlayLine(const std::string &line);

}  // namespace bridge
