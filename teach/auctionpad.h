// The auction panel's rules: calls clicked in turn become tab-separated
// lines, one per cycle of four calls, North's column first, as the auction
// memo of a deal holds them.
#pragma once
#include <string>
#include <vector>

#include "core/series.h"

namespace vrek {

constexpr int kBidLevels = 7;

class AuctionPad {
public:
    // Bid button captions: "1 T", "1 K", "1 C", "1 P", "1SA" … "7SA".
    static std::string bidCaption(int level, int strain);
    static constexpr const char *kPass = "---";
    static constexpr const char *kDouble = " X ";
    static constexpr const char *kRedouble = "X X";
    static constexpr const char *kTitles = "\t N\t E\t S\t O";

    // A new auction for `board`: no call yet, every bid open, the board's dealer.
    void activate(int board);
    int board() const { return board_; }
    // Dealer column 0 North .. 3 West.
    int dealer() const { return ((offset_ - 1) % 4 + 4) % 4; }
    // Makes seat `index` (0 North .. 3 West) the dealer; only before the first call.
    void chooseDealer(int index);
    bool dealerLocked() const { return calls_ > 0; }

    // A bid: it and every lower bid close.
    void bid(int level, int strain);
    void pass() { append(kPass); }
    void doubleCall() { append(kDouble); }
    void redouble() { append(kRedouble); }
    // "Fin": three passes; with titles the memo starts with the column heading.
    void finish(bool withTitles);

    // Whether a bid button is still open (above the last bid).
    bool bidOpen(int level, int strain) const { return index(level, strain) > lastBid_; }
    int calls() const { return calls_; }
    // The bid list, and the memo it gives (with the heading after "Fin" with titles).
    const std::vector<std::string> &lines() const { return lines_; }
    std::vector<std::string> memo() const;

private:
    int board_ = 1;
    int calls_ = 0;
    int offset_ = 1;
    int lastBid_ = -1;  // index of the last bid (0 .. 34), -1 before any
    bool titles_ = false;
    std::vector<std::string> lines_;

    static int index(int level, int strain) { return (level - 1) * kStrains + (strain - 1); }
    void append(const std::string &call);
};

// A board's auction memo as the main window holds it: the lines of its
// auction block, as many as the block's count.
std::vector<std::string> auctionMemo(const Series &s, int board);
// Writes memo lines into the board's auction block: lines past the block's
// count are not kept, missing ones become empty.
void setAuctionMemo(Series &s, int board, const std::vector<std::string> &lines);

}  // namespace vrek
