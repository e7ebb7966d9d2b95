#include "formats/pbntokens.h"

#include "formats/textlines.h"

namespace vrek {

namespace {
constexpr size_t kMaxTableTokens = 400;  // 20 rows of a few columns, with room to spare
constexpr int kBoard = 0, kDeal = 1, kTable = 7;  // in kPbnTagNames

int tagIndex(std::string_view name) {
    for (int i = 0; i < kPbnTags; ++i)
        if (name == kPbnTagNames[i]) return i;
    return -1;
}

bool space(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f'; }
bool nameChar(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

class Reader {
public:
    explicit Reader(const std::function<void(const PbnGame &)> &each) : each_(each) {}

    void line(std::string_view l, int no) {
        size_t i = 0;
        const size_t n = l.size();
        if (!inComment_) {
            if (n > 0 && l[0] == '%') return;  // escape line
            size_t first = 0;
            while (first < n && space(l[first])) ++first;
            if (first == n) return endGame();
        }
        while (i < n) {
            const char c = l[i];
            if (inComment_) {
                const size_t close = l.find('}', i);
                if (close == std::string_view::npos) return;
                inComment_ = false;
                i = close + 1;
            } else if (c == '{') {
                inComment_ = true;
                ++i;
            } else if (c == ';') {
                return;
            } else if (c == '[') {
                i = tag(l, i, no);
            } else if (space(c)) {
                ++i;
            } else {
                size_t j = i;
                while (j < n && !space(l[j]) && l[j] != '[' && l[j] != '{' && l[j] != ';') ++j;
                if (section_ == kTable && cur_.resultTable.size() < kMaxTableTokens)
                    cur_.resultTable.emplace_back(l.substr(i, j - i));
                i = j;
            }
        }
    }

    void endGame() {
        section_ = -1;
        if (!cur_.line) return;  // nothing started: blank lines in a row cost nothing
        // Inheritance: "#" is the latest value given to that tag.
        for (int i = 0; i < kPbnTags; ++i) {
            PbnTag &t = cur_.tags[i];
            if (!t.line) continue;
            if (t.value == "#") t.value = known_[i] ? latest_[i] : "?";
            latest_[i] = t.value;
            known_[i] = true;
        }
        each_(cur_);
        cur_ = PbnGame{};
    }

private:
    const std::function<void(const PbnGame &)> &each_;
    std::array<std::string, kPbnTags> latest_;
    std::array<bool, kPbnTags> known_{};
    PbnGame cur_;
    int section_ = -1;  // the tag whose section follows
    bool inComment_ = false;

    // Reads "[Name "value"]" from l[at]; returns where reading goes on.
    size_t tag(std::string_view l, size_t at, int no) {
        size_t j = at + 1;
        while (j < l.size() && space(l[j])) ++j;
        const size_t nameStart = j;
        while (j < l.size() && nameChar(l[j])) ++j;
        const std::string_view name = l.substr(nameStart, j - nameStart);
        const int index = tagIndex(name);
        while (j < l.size() && space(l[j])) ++j;
        std::string value;
        bool closed = false;
        if (!name.empty() && j < l.size() && l[j] == '"') {
            for (++j; j < l.size(); ++j) {
                if (index < 0) {  // a tag not read: only where it ends
                    if (l[j] == '\\' && j + 1 < l.size()) ++j;
                    else if (l[j] == '"') closed = true;
                    if (closed) {
                        ++j;
                        break;
                    }
                    continue;
                }
                // Only a quote and a backslash are escaped; "\2R" in a column format stays.
                if (l[j] == '\\' && j + 1 < l.size() && (l[j + 1] == '"' || l[j + 1] == '\\')) {
                    value += l[++j];
                } else if (l[j] == '"') {
                    closed = true;
                    ++j;
                    break;
                } else {
                    value += l[j];
                }
            }
        }
        const size_t end = closed ? l.find(']', j) : std::string_view::npos;
        if (end == std::string_view::npos) {
            if (name.empty()) return at + 1;  // a stray bracket in data
            startIfRepeated(index);
            if (index == kBoard || index == kDeal) cur_.malformed.emplace_back(name, no);
            if (cur_.line == 0) cur_.line = no;
            section_ = -1;
            return l.size();
        }
        startIfRepeated(index);
        if (cur_.line == 0) cur_.line = no;
        if (index >= 0 && !cur_.tags[index].line) cur_.tags[index] = PbnTag{std::move(value), no};
        section_ = index;
        return end + 1;
    }

    void startIfRepeated(int index) {
        if ((index == kBoard || index == kDeal) && cur_.tags[index].line) endGame();
    }
};
}  // namespace

const char *const kPbnTagNames[kPbnTags] = {"Board",        "Deal",        "Dealer",
                                            "Vulnerable",   "DoubleDummyTricks", "OptimumScore",
                                            "ParContract",  "OptimumResultTable"};

const PbnTag *PbnGame::tag(const std::string &name) const {
    const int i = tagIndex(name);
    return i >= 0 && tags[i].line ? &tags[i] : nullptr;
}

std::string PbnGame::value(const std::string &name) const {
    const PbnTag *t = tag(name);
    return t ? t->value : std::string();
}

bool pbnUnknown(const std::string &value) { return value.empty() || value == "?"; }

void pbnGames(const std::string &bytes, const std::function<void(const PbnGame &)> &each) {
    Reader r(each);
    eachLine(bytes, [&](std::string_view l, int no) { r.line(l, no); });
    r.endGame();
}

}  // namespace vrek
