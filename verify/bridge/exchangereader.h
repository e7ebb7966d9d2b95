// The solver program's inputs: the command read on standard input and the
// six-line exchange file it names. Every check a damaged file needs is here.
#pragma once
#include <string>

namespace bridge {

// DDS encodings: hands 0 North .. 3 West; suits 0 spades, 1 hearts,
// 2 diamonds, 3 clubs; strain 4 is no-trump; bit r of a holding is rank r.
struct Problem {
    unsigned cards[4][4] = {};
    int declarer = 0;
    int strain = 4;
    int leadSuit = 0;
    int leadRank = 0;
    int leader() const { return (declarer + 1) % 4; }
};

constexpr size_t kCommandSize = 255;
constexpr size_t kMaxExchangeSize = 4096;

// "-dcq " + path, padded with zero bytes (a trailing line end is tolerated).
bool parseCommand(const std::string &bytes, std::string &path, std::string &error);

// The exchange file's text; on failure `error` says which line is wrong.
bool parseExchange(const std::string &bytes, Problem &out, std::string &error);

// Reads and parses the file at `path`.
bool readExchangeFile(const std::string &path, Problem &out, std::string &error);

}  // namespace bridge
