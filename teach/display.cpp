#include "teach/display.h"

#include <algorithm>

#include "core/cp1252.h"
#include "teach/auctionpad.h"

namespace vrek {

namespace {

const char *const kSeatNames[4] = {"Nord", "Est", "Sud", "Ouest"};

int mod4(int v) { return ((v % 4) + 4) % 4; }

}  // namespace

CellColours revealedColours(const std::string &text) {
    const size_t i = text.find_first_of("-CKPSTX");
    if (i == std::string::npos) return {colour::white, colour::black};
    switch (text[i]) {
    case 'T': return {colour::white, colour::navy};
    case 'K': return {colour::white, colour::maroon};
    case 'C': return {colour::white, colour::red};
    case 'P': return {colour::white, colour::black};
    case 'S': return {colour::white, colour::green};
    case '-': return {colour::green, colour::black};
    default:  // 'X': a double; only the exact "XX" is a redouble in blue
        return {text == "XX" ? colour::blue : colour::red, colour::black};
    }
}

namespace {

// The length of the contract that starts a text: a level, a strain and any
// doubling marks ("4P", "3SA*", "7SAXX"); 0 when the text starts otherwise.
size_t contractAtStart(const std::string &t) {
    if (t.size() < 2 || t[0] < '1' || t[0] > '7') return 0;
    size_t n = 0;
    if (t.compare(1, 2, "SA") == 0) n = 3;
    else if (std::string("TKCP").find(t[1]) != std::string::npos) n = 2;
    while (n && n < t.size() && (t[n] == '*' || t[n] == 'X')) ++n;
    return n;
}

bool resultSign(char c) { return c == '+' || c == '-' || c == '='; }

}  // namespace

ContractSplit splitContract(const std::string &text) {
    // The result follows the contract: a later sign belongs to the lead
    // ("4P-1 par S entame 5-T") or the comment, not to the contract.
    const size_t n = contractAtStart(text);
    if (n) {
        size_t sign = n;
        while (sign < text.size() && text[sign] == ' ') ++sign;
        if (sign < text.size() && resultSign(text[sign])) return {text.substr(0, n), text.substr(sign)};
        // A contract not yet verified ("4P S entame RC") still names its trumps.
        if (n == text.size() || text[n] == ' ') return {text.substr(0, n), text.substr(n)};
    }
    const size_t sign = text.find_first_of("+-=");
    if (sign != std::string::npos) return {text.substr(0, sign), text.substr(sign)};
    return {{}, text};
}

int trumpOf(const std::string &contract) {
    if (contract.size() < 2) return 0;
    switch (contract[1]) {
    case 'T': return Clubs;
    case 'K': return Diamonds;
    case 'C': return Hearts;
    case 'P': return Spades;
    default: return 0;
    }
}

bool PlayNumbers::waiting() const {
    return std::any_of(cards.begin(), cards.end(), [](const CardTricks &c) { return c.tricks < 0; });
}

int PlayNumbers::of(int suit, int rank) const {
    for (const CardTricks &c : cards)
        if (c.card == cardCode(suit, rank)) return c.tricks;
    return -2;
}

TeachDisplay::TeachDisplay() {
    marks.fill(' ');
    for (int p = 0; p < 4; ++p) names[p] = kSeatNames[p];
}

void TeachDisplay::load(const Deal &d, int n, const std::string &contractText, const std::vector<std::string> &auction,
                        const std::string &seriesName) {
    contractShown = false;
    auctionShown = false;
    numbers = {};
    const ContractSplit split = splitContract(cp1252ToUtf8(contractText));
    contract = split.contract;
    lead = split.rest;
    board = n;
    caption = seriesName + "     Donne : " + std::to_string(n);

    // Only the ranks in use are copied: bytes past the count may be stale,
    // and a rank outside 2 .. 14 is no card.
    deal.clear();
    for (int p = 1; p <= 4; ++p) {
        for (int s = 1; s <= 4; ++s) {
            const Holding &from = d.holding(p, s);
            Holding &to = deal.holding(p, s);
            const int count = std::min<int>(from.count, kMaxHolding);
            to.count = static_cast<uint8_t>(count);
            int k = 0;
            for (int i = 0; i < count; ++i)
                if (from.ranks[i] >= 2 && from.ranks[i] <= 14) to.ranks[k++] = from.ranks[i];
            sortHolding(p, s);
        }
        names[p - 1] = kSeatNames[p - 1];
    }

    for (auto &t : tricks) t.fill(0);
    marks.fill(' ');

    for (int r = 0; r < kAuctionRows; ++r) {
        for (int k = 0; k < kAuctionColumns; ++k) cells[r][k] = AuctionCell{};
        if (r >= static_cast<int>(auction.size())) continue;
        const std::string line = cp1252ToUtf8(auction[r]);
        int tabs = 0;
        for (char c : line) {
            if (c == '\t') {
                ++tabs;
                continue;
            }
            if (tabs >= 1 && tabs <= kAuctionColumns) cells[r][tabs - 1].text += c;
        }
    }
}

void TeachDisplay::load(const Series &s, int n, const std::string &seriesName) {
    if (n < 1 || n > kBoards) {
        load(Deal{}, n, {}, {}, seriesName);
        return;
    }
    load(s.deal(n), n, contractTextOf(s.line(contractLine(n))), auctionMemo(s, n), seriesName);
}

void TeachDisplay::sortHolding(int p, int s) {
    Holding &h = deal.holding(p, s);
    std::sort(std::begin(h.ranks), std::end(h.ranks), [](uint8_t a, uint8_t b) { return a > b; });
}

int TeachDisplay::cardsLeft(int p) const {
    int n = 0;
    for (int s = 1; s <= 4; ++s)
        for (uint8_t r : deal.holding(p, s).ranks) n += r != 0;
    return n;
}

// ---------------------------------------------------------------- play

int TeachDisplay::cardsPlayed() const {
    int n = 0;
    for (const auto &t : tricks)
        for (int v : t) n += v != 0;
    return n;
}

int TeachDisplay::lastTrick() const {
    for (int t = kTricks; t >= 1; --t)
        for (int v : tricks[t - 1])
            if (v) return t;
    return 0;
}

int TeachDisplay::lastColumn() const {
    const int t = lastTrick();
    if (!t) return 0;
    for (int c = kTrickColumns; c >= 1; --c)
        if (tricks[t - 1][c - 1]) return c;
    return 0;
}

bool TeachDisplay::play(int p, int s, int slot) {
    if (p < 1 || p > 4 || s < 1 || s > 4 || slot < 1 || slot > kMaxHolding) return false;
    Holding &h = deal.holding(p, s);
    const int rank = h.ranks[slot - 1];
    if (!rank) return false;

    const int t = lastTrick();
    int trick, column;
    if (cardsPlayed() % 4 == 0) {
        // Any position may lead the next trick.
        if (t >= kTricks) return false;
        trick = t + 1;
        column = p;
    } else {
        // Clockwise from the last card; following suit is the teacher's business.
        trick = t;
        column = lastColumn() + 1;
        if (column > kTrickColumns || positionOfColumn(column) != p) return false;
    }
    tricks[trick - 1][column - 1] = p * 1000 + s * 100 + rank;
    h.ranks[slot - 1] = 0;
    numbers = {};
    sortHolding(p, s);
    scoreTricks();
    return true;
}

bool TeachDisplay::playCard(int s, int rank) {
    for (int p = 1; p <= 4; ++p)
        for (int k = 1; k <= kMaxHolding; ++k)
            if (deal.holding(p, s).ranks[k - 1] == rank && rank) return play(p, s, k);
    return false;
}

bool TeachDisplay::takeBack(int trick, int column) {
    if (trick < 1 || trick > kTricks || column < 1 || column > kTrickColumns) return false;
    if (!tricks[trick - 1][column - 1]) return false;
    numbers = {};
    for (int t = trick; t <= kTricks; ++t) {
        for (int c = t == trick ? column : 1; c <= kTrickColumns; ++c) {
            int &v = tricks[t - 1][c - 1];
            if (!v) continue;
            const int p = v / 1000, s = v / 100 % 10, rank = v % 100;
            Holding &h = deal.holding(p, s);
            // The card goes back into the first free byte of its suit.
            for (uint8_t &r : h.ranks)
                if (!r) {
                    r = static_cast<uint8_t>(rank);
                    break;
                }
            sortHolding(p, s);
            v = 0;
        }
    }
    scoreTricks();
    return true;
}

int TeachDisplay::trickWinner(int t) const {
    if (t < 1 || t > kTricks) return 0;
    const auto &trick = tricks[t - 1];
    int cards = 0, ledSuit = 0;
    for (int v : trick)
        if (v) {
            if (!cards) ledSuit = v / 100 % 10;
            ++cards;
        }
    if (cards != 4) return 0;
    const int trump = trumpOf(contract);
    int best = -1, bestColumn = 0;
    for (int c = 1; c <= kTrickColumns; ++c) {
        const int v = trick[c - 1];
        if (!v) continue;
        const int s = v / 100 % 10;
        int value = v % 1000;
        if (s == trump) value += 1000;
        else if (s == ledSuit) value += 500;
        if (value > best) best = value, bestColumn = c;
    }
    return bestColumn;
}

void TeachDisplay::scoreTricks() {
    for (int t = 1; t <= kTricks; ++t) {
        const int winner = trickWinner(t);
        marks[t - 1] = !winner ? ' ' : winner % 2 ? '+' : '-';
    }
}

std::string TeachDisplay::marksText() const {
    std::string out;
    for (char m : marks)
        if (m != ' ') out += m;
    return out;
}

// ---------------------------------------------------------------- showing

void TeachDisplay::rotate() {
    auctionShown = false;
    numbers = {};
    const Deal old = deal;
    const auto oldNames = names;
    for (int p = 1; p <= 4; ++p) {
        const int to = p % 4 + 1;  // upper -> right -> lower -> left -> upper
        deal.hand(to) = old.hand(p);
        names[to - 1] = oldNames[p - 1];
    }
    visible.fill(false);

    // The cards played go round with their hands, so that the last trick
    // stays beside its players and a card taken back returns to its hand.
    for (auto &t : tricks) {
        std::vector<int> played;
        for (int v : t)
            if (v) played.push_back(v);
        t.fill(0);
        if (played.empty()) continue;
        const int leader = played[0] / 1000 % 4 + 1;
        for (size_t i = 0; i < played.size(); ++i) {
            const int v = played[i];
            t[leader - 1 + i] = (v / 1000 % 4 + 1) * 1000 + v % 1000;
        }
    }
    scoreTricks();

    // The auction follows its seats: every text one cell on, reading the
    // grid as one sequence of 32 cells.
    std::string texts[kAuctionRows * kAuctionColumns];
    for (int i = 0; i < kAuctionRows * kAuctionColumns; ++i) texts[i] = cells[i / 4][i % 4].text;
    for (int i = kAuctionRows * kAuctionColumns - 1; i >= 1; --i) texts[i] = texts[i - 1];
    texts[0].clear();
    bool firstRowEmpty = true;
    for (int k = 0; k < kAuctionColumns; ++k) firstRowEmpty = firstRowEmpty && texts[k].empty();
    if (firstRowEmpty) {
        for (int i = 0; i < (kAuctionRows - 1) * kAuctionColumns; ++i) texts[i] = texts[i + kAuctionColumns];
        for (int k = 0; k < kAuctionColumns; ++k) texts[(kAuctionRows - 1) * kAuctionColumns + k].clear();
    }
    for (int i = 0; i < kAuctionRows * kAuctionColumns; ++i) cells[i / 4][i % 4] = AuctionCell{texts[i]};
}

int TeachDisplay::rotationOffset() const {
    const std::string &up = names[0];
    if (up == "Ouest") return 1;
    if (up == "Sud") return 2;
    if (up == "Est") return 3;
    return 0;
}

void TeachDisplay::clickCell(int row, int column) {
    if (row < 1 || row > kAuctionRows || column < 1 || column > kAuctionColumns) return;
    const int at = (row - 1) * kAuctionColumns + (column - 1);
    if (!cells[row - 1][column - 1].revealed) {
        for (int i = 0; i <= at; ++i) {
            AuctionCell &c = cells[i / 4][i % 4];
            const CellColours col = revealedColours(c.text);
            c.revealed = true;
            c.background = col.background;
            c.font = col.font;
        }
    } else {
        for (int i = at; i < kAuctionRows * kAuctionColumns; ++i) {
            AuctionCell &c = cells[i / 4][i % 4];
            c.revealed = false;
            c.background = kHiddenCell;
        }
    }
}

VulnerabilityDrawing TeachDisplay::vulnerability() const {
    VulnerabilityDrawing v;
    v.board = imposed ? imposedNumber : board;
    v.offset = imposed ? 0 : rotationOffset();
    const bool ns = nsVulnerable(v.board), ew = ewVulnerable(v.board);
    // The vertical axis joins North and South while they sit upper and lower.
    v.verticalVulnerable = v.offset % 2 ? ew : ns;
    v.horizontalVulnerable = v.offset % 2 ? ns : ew;
    v.dealerEnd = mod4(v.board - 1 + v.offset);
    return v;
}

}  // namespace vrek
