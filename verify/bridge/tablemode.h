// The solver program's table mode: one line per deal in, one line per deal
// out, with the 20 double-dummy trick counts and the par of the deal.
//
// In:  TAG DEALER VUL NORTH EAST SOUTH WEST
//      DEALER n|e|s|w, VUL none|ns|ew|all, each hand "AK2.QJT9.876.54"
//      (spades first, an empty suit is nothing between its dots).
// Out: TAG HEX20 SCORE CONTRACTS
//      HEX20: tricks in hexadecimal for declarers N, S, E, W, each in the
//      strains NT, S, H, D, C; SCORE: the par score for North-South;
//      CONTRACTS: "pass" or the par contracts separated by ",", each
//      SEATS ":" LEVEL STRAIN ["X"] [("+" | "-") TRICKS], SEATS one of
//      N E S W NS EW, STRAIN one of N S H D C.
//  or: TAG "!" MESSAGE when the line cannot be analysed.
#pragma once
#include <string>
#include <vector>

namespace bridge {

// DDS encodings: hands 0 North .. 3 West, suits 0 spades .. 3 clubs,
// strains 0 spades .. 3 clubs, 4 no-trump; bit r of a holding is rank r.
struct TableRequest {
    std::string tag;
    int dealer = 0;      // 0 N .. 3 W
    int vulnerable = 0;  // DDS: 0 none, 1 both, 2 NS, 3 EW
    unsigned cards[4][4] = {};
};

struct ParContract {
    int level = 0;
    int strain = 0;  // 0 NT, 1 S, 2 H, 3 D, 4 C
    int seats = 0;   // 0 N, 1 E, 2 S, 3 W, 4 NS, 5 EW
    bool doubled = false;
    int overTricks = 0, underTricks = 0;
};

struct TableAnswer {
    std::string tag;
    int table[5][4] = {};  // DDS order: [strain S H D C NT][hand N E S W]
    int parScore = 0;      // for North-South
    std::vector<ParContract> contracts;
};

// A hand written "AK2.QJT9.876.54" (spades first) into DDS holdings and its
// number of cards; false when it is not one.
bool parseHand(const std::string &text, unsigned (&hand)[4], int &count);
// DDS's failure, in French.
std::string ddsError(int rc);

// Reads one request line; false with a French message when it is wrong.
bool parseTableRequest(const std::string &line, TableRequest &out, std::string &error);
std::string formatTableAnswer(const TableAnswer &a);

// Tables and par of the requests, on as many threads as DDS was given;
// errors[i] is set (French) when request i failed.
void analyseTables(const std::vector<TableRequest> &requests, std::vector<TableAnswer> &answers,
                   std::vector<std::string> &errors);

}  // namespace bridge
