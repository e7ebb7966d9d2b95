#include "formats/pbntokens.h"

#include "formats/textlines.h"

namespace vrek {

namespace {
constexpr size_t kMaxTableTokens = 400;  // 20 rows of a few columns, with room to spare

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
                if (section_ == "OptimumResultTable" && cur_.resultTable.size() < kMaxTableTokens)
                    cur_.resultTable.emplace_back(l.substr(i, j - i));
                i = j;
            }
        }
    }

    void endGame() {
        if (!cur_.tags.empty() || !cur_.malformed.empty()) {
            // Inheritance: "#" is the latest value given to that tag.
            for (auto &[name, t] : cur_.tags) {
                if (t.value == "#") {
                    auto it = latest_.find(name);
                    t.value = it == latest_.end() ? "?" : it->second;
                }
                latest_[name] = t.value;
            }
            each_(cur_);
        }
        cur_ = PbnGame{};
        section_.clear();
    }

private:
    const std::function<void(const PbnGame &)> &each_;
    std::map<std::string, std::string> latest_;
    PbnGame cur_;
    std::string section_;
    bool inComment_ = false;

    // Reads "[Name "value"]" from l[at]; returns where reading goes on.
    size_t tag(std::string_view l, size_t at, int no) {
        size_t j = at + 1;
        while (j < l.size() && space(l[j])) ++j;
        const size_t nameStart = j;
        while (j < l.size() && nameChar(l[j])) ++j;
        const std::string name(l.substr(nameStart, j - nameStart));
        while (j < l.size() && space(l[j])) ++j;
        std::string value;
        bool closed = false;
        if (!name.empty() && j < l.size() && l[j] == '"') {
            for (++j; j < l.size(); ++j) {
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
            startIfRepeated(name);
            cur_.malformed.emplace_back(name, no);
            if (cur_.line == 0) cur_.line = no;
            section_.clear();
            return l.size();
        }
        startIfRepeated(name);
        if (cur_.line == 0) cur_.line = no;
        cur_.tags.emplace(name, PbnTag{value, no});
        section_ = name;
        return end + 1;
    }

    void startIfRepeated(const std::string &name) {
        if ((name == "Board" || name == "Deal") && cur_.tags.count(name)) endGame();
    }
};
}  // namespace

const PbnTag *PbnGame::tag(const std::string &name) const {
    auto it = tags.find(name);
    return it == tags.end() ? nullptr : &it->second;
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
