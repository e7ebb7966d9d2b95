#include "teach/auctionpad.h"

namespace vrek {

std::string AuctionPad::bidCaption(int level, int strain) {
    static const char *const strains[kStrains] = {" T", " K", " C", " P", "SA"};
    return std::to_string(level) + strains[strain - 1];
}

void AuctionPad::activate(int board) {
    board_ = board;
    calls_ = 0;
    offset_ = board;
    lastBid_ = -1;
    titles_ = false;
    lines_.clear();
}

void AuctionPad::chooseDealer(int index) {
    if (dealerLocked() || index < 0 || index > 3) return;
    offset_ = index + board_ - ((board_ - 1) % 4 + 4) % 4;
}

void AuctionPad::append(const std::string &call) {
    ++calls_;
    if (calls_ == 1) lines_.push_back(std::string(dealer() + 1, '\t') + call);
    else {
        if (lines_.empty()) lines_.emplace_back();
        lines_.back() += '\t' + call;
    }
    // West has called: the next call starts a line.
    if (((calls_ + offset_) % 4 + 4) % 4 == 1) lines_.emplace_back();
}

void AuctionPad::bid(int level, int strain) {
    if (level < 1 || level > kBidLevels || strain < 1 || strain > kStrains) return;
    lastBid_ = index(level, strain);
    append(bidCaption(level, strain));
}

void AuctionPad::finish(bool withTitles) {
    for (int i = 0; i < 3; ++i) pass();
    titles_ = withTitles;
}

std::vector<std::string> AuctionPad::memo() const {
    if (!titles_) return lines_;
    std::vector<std::string> m{kTitles};
    m.insert(m.end(), lines_.begin(), lines_.end());
    return m;
}

std::vector<std::string> auctionMemo(const Series &s, int board) {
    const LineCounts c = lineCountsOf(s.line(contractLine(board)));
    std::vector<std::string> out;
    for (int i = 0; i < c.e && c.a + c.d + i < 12; ++i) out.push_back(s.line(commentLine(board, c.a + c.d + i)));
    return out;
}

void setAuctionMemo(Series &s, int board, const std::vector<std::string> &lines) {
    const LineCounts c = lineCountsOf(s.line(contractLine(board)));
    for (int i = 0; i < c.e && c.a + c.d + i < 12; ++i)
        s.setLine(commentLine(board, c.a + c.d + i), i < static_cast<int>(lines.size()) ? lines[i] : std::string());
}

}  // namespace vrek
