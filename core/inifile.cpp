#include "core/inifile.h"

#include "core/series.h"

namespace vrek {

namespace {
unsigned char fold(unsigned char c) {
    if (c >= 'A' && c <= 'Z') return c + 32;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 32;  // Latin-1 capitals
    return c;
}

// Section name of a header line "[name]", or nullopt.
std::optional<std::string> headerName(const std::string &line) {
    std::string t = trimBlanks(line);
    if (t.size() < 2 || t.front() != '[') return std::nullopt;
    auto close = t.find(']');
    if (close == std::string::npos) return std::nullopt;
    return trimBlanks(t.substr(1, close - 1));
}

// Key of a "key=value" line, or nullopt.
std::optional<std::string> keyName(const std::string &line) {
    auto eq = line.find('=');
    if (eq == std::string::npos) return std::nullopt;
    std::string t = trimBlanks(line);
    if (!t.empty() && (t[0] == ';' || t[0] == '[')) return std::nullopt;
    return trimBlanks(line.substr(0, eq));
}
}  // namespace

bool IniFile::sameName(const std::string &a, const std::string &b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (fold(a[i]) != fold(b[i])) return false;
    return true;
}

void IniFile::parse(const std::string &bytes) {
    lines_.clear();
    std::string cur;
    bool open = false;
    for (size_t i = 0; i < bytes.size(); ++i) {
        char c = bytes[i];
        if (c == '\r' || c == '\n') {
            lines_.push_back(cur);
            cur.clear();
            open = false;
            if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
        } else {
            cur += c;
            open = true;
        }
    }
    if (open) lines_.push_back(cur);
}

std::string IniFile::serialize() const {
    std::string out;
    for (const auto &l : lines_) out += l + "\r\n";
    return out;
}

int IniFile::findSection(const std::string &section) const {
    for (size_t i = 0; i < lines_.size(); ++i) {
        auto h = headerName(lines_[i]);
        if (h && sameName(*h, section)) return static_cast<int>(i);
    }
    return -1;
}

std::optional<std::string> IniFile::get(const std::string &section, const std::string &key) const {
    int s = findSection(section);
    if (s < 0) return std::nullopt;
    for (size_t i = s + 1; i < lines_.size(); ++i) {
        if (headerName(lines_[i])) break;
        auto k = keyName(lines_[i]);
        if (k && sameName(*k, key)) return trimBlanks(lines_[i].substr(lines_[i].find('=') + 1));
    }
    return std::nullopt;
}

void IniFile::set(const std::string &section, const std::string &key, const std::string &value) {
    std::string entry = key + "=" + value;
    int s = findSection(section);
    if (s < 0) {
        if (!lines_.empty() && !trimBlanks(lines_.back()).empty()) lines_.emplace_back();
        lines_.push_back("[" + section + "]");
        lines_.push_back(entry);
        return;
    }
    size_t end = s + 1;  // one past the section's last key line
    for (size_t i = s + 1; i < lines_.size(); ++i) {
        if (headerName(lines_[i])) break;
        auto k = keyName(lines_[i]);
        if (k && sameName(*k, key)) {
            lines_[i] = entry;
            return;
        }
        if (!trimBlanks(lines_[i]).empty()) end = i + 1;
    }
    lines_.insert(lines_.begin() + static_cast<long>(end), entry);
}

}  // namespace vrek
