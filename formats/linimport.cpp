#include "formats/linimport.h"

namespace vrek {

namespace {
struct LinToken {
    std::string text;
    int line;
};

bool letter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool lineEnd(char c) { return c == '\r' || c == '\n'; }

// Where the blanks and line ends from bytes[i] on stop.
size_t pastBlanks(const std::string &b, size_t i) {
    while (i < b.size() && (b[i] == ' ' || b[i] == '\t' || lineEnd(b[i]))) ++i;
    return i;
}

// Whether a key ("md|", two letters and a bar) starts at bytes[i].
bool keyAt(const std::string &b, size_t i) {
    return i + 2 < b.size() && letter(b[i]) && letter(b[i + 1]) && b[i + 2] == '|';
}

// Keys and values alternate between bars. A line end inside a value ends it
// when the next line begins with a key (files of lines without a last bar);
// otherwise line ends are dropped, as BBO wraps long values. Calls
// pair(key, value) for each pair, one at a time.
template <class F>
void eachPair(const std::string &b, F pair) {
    int line = 1;
    size_t i = 0;
    LinToken key{{}, 0};
    bool value = false;
    // The end of the blank run last looked past, and whether a key follows
    // it: each line end of a long blank run asks the same, once.
    size_t blanksEnd = 0;
    bool keyAfter = false;
    while (i < b.size()) {
        LinToken t{{}, line};
        bool started = false;
        for (; i < b.size() && b[i] != '|'; ++i) {
            const char c = b[i];
            if (lineEnd(c)) {
                if (c == '\n' || i + 1 >= b.size() || b[i + 1] != '\n') ++line;
                if (value && started) {
                    if (i + 1 > blanksEnd) {
                        blanksEnd = pastBlanks(b, i + 1);
                        keyAfter = keyAt(b, blanksEnd);
                    }
                    if (keyAfter) break;
                }
                continue;
            }
            if (!started) t.line = line, started = true;
            t.text += c;
        }
        if (i < b.size()) ++i;  // the bar, or the line end that closed a value
        if (value) pair(key, t);
        else key = std::move(t);
        value = !value;
    }
}

std::string key(std::string k) {
    std::string out;
    for (char c : k)
        if (letter(c)) out += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return out;
}

// The last number in a value: "o11" 11, "Board 7" 7; 0 without one.
int lastNumber(const std::string &v) {
    size_t e = v.find_last_of("0123456789");
    if (e == std::string::npos) return 0;
    size_t b = e;
    while (b > 0 && v[b - 1] >= '0' && v[b - 1] <= '9') --b;
    if (e - b >= 6) return 0;
    return std::stoi(v.substr(b, e - b + 1));
}

int suitOf(char c) {
    switch (c) {
    case 'S': case 's': return Spades;
    case 'H': case 'h': return Hearts;
    case 'D': case 'd': return Diamonds;
    case 'C': case 'c': return Clubs;
    }
    return 0;
}

NumberedFile readFile(const std::string &bytes) {
    NumberedFile f;
    int ordinal = 0, qx = 0, ah = 0;
    LinToken md{{}, 0};
    bool open = false;
    auto close = [&] {
        if (!open) return;
        ++ordinal;
        DealBuilder b(lineAt(md.line));
        if (linDealCards(md.text, b)) f.deals.add({qx ? qx : ah ? ah : ordinal, b.deal(), {}, {}});
        else refuseDeal(f.refused, b.error());
        open = false;
        qx = ah = 0;
    };
    eachPair(bytes, [&](const LinToken &k, const LinToken &v) {
        const std::string name = key(k.text);
        if (name == "qx") {
            close();
            qx = lastNumber(v.text);
        } else if (name == "md") {
            f.foreign = false;
            close();
            md = v;
            open = true;
        } else if (name == "ah") {
            ah = lastNumber(v.text);
        }
    });
    close();
    return f;
}

const char *kForeign = "ce n'est pas un fichier LIN : aucune donne « md| » n'y figure";
}  // namespace

bool linDealCards(const std::string &value, DealBuilder &deal) {
    static const int kSeats[4] = {South, West, North, East};
    size_t i = 0;
    while (i < value.size() && value[i] == ' ') ++i;
    if (i < value.size() && value[i] >= '1' && value[i] <= '4') ++i;  // the dealer, known by the board
    int hand = 0, suit = 0;
    for (; i < value.size(); ++i) {
        const char c = value[i];
        if (c == ',') {
            if (++hand > 3) {
                // BBO ends three hands with a comma; a fifth hand is a fault.
                if (value.find_first_not_of(" ,", i) == std::string::npos) break;
                return deal.refuse("la donne a plus de quatre mains");
            }
            suit = 0;
        } else if (const int s = suitOf(c)) {
            suit = s;
        } else if (c == '1' && i + 1 < value.size() && value[i + 1] == '0' && suit) {
            ++i;
            if (!deal.place(kSeats[hand], suit, 10)) return false;
        } else if (const int r = rankOfLetter(c); r && suit) {
            if (!deal.place(kSeats[hand], suit, r)) return false;
        } else if (c != ' ') {
            return deal.refuse("caractère « " + quoted(std::string(1, c)) + " » inattendu dans la donne « md| »");
        }
    }
    // Three hands given are a whole deal; fewer are one being built.
    int given = 0;
    for (int seat = North; seat <= West; ++seat) given += deal.deal().hand(seat).cards() > 0;
    return deal.finish(given < 3);
}

ImportScan scanLin(const std::string &bytes) { return scanNumbered(readFile(bytes), bytes, kForeign); }

ImportRead readLin(const std::string &bytes, const std::vector<int> &boards) {
    NumberedFile f = readFile(bytes);
    return readNumbered(f, bytes, boards, kForeign);
}

}  // namespace vrek
