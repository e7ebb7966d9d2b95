#include "core/inifile.h"

#include <algorithm>
#include <string_view>

namespace vrek {

namespace {
unsigned char fold(unsigned char c) {
    if (c >= 'A' && c <= 'Z') return c + 32;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 32;  // Latin-1 capitals
    return c;
}

// Views, not copies: every lookup walks the lines, and a file may hold
// thousands of them.
std::string_view trimmed(std::string_view s) {
    size_t b = 0, e = s.size();
    while (b < e && static_cast<unsigned char>(s[b]) <= ' ') ++b;
    while (e > b && static_cast<unsigned char>(s[e - 1]) <= ' ') --e;
    return s.substr(b, e - b);
}

bool same(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (fold(static_cast<unsigned char>(a[i])) != fold(static_cast<unsigned char>(b[i]))) return false;
    return true;
}

// Section name of a header line "[name]", or nullopt.
std::optional<std::string_view> headerName(std::string_view line) {
    std::string_view t = trimmed(line);
    if (t.size() < 2 || t.front() != '[') return std::nullopt;
    auto close = t.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    return trimmed(t.substr(1, close - 1));
}

// Key of a "key=value" line, or nullopt.
std::optional<std::string_view> keyName(std::string_view line) {
    auto eq = line.find('=');
    if (eq == std::string_view::npos) return std::nullopt;
    std::string_view t = trimmed(line);
    if (!t.empty() && (t[0] == ';' || t[0] == '[')) return std::nullopt;
    return trimmed(line.substr(0, eq));
}
}  // namespace

bool IniFile::sameName(const std::string &a, const std::string &b) { return same(a, b); }

void IniFile::parse(const std::string &bytes) {
    lines_.clear();
    size_t start = 0;
    while (start < bytes.size()) {
        // A plain walk: find_first_of calls memchr on its set for every byte.
        size_t end = start;
        while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n') ++end;
        if (end == bytes.size()) {
            lines_.push_back(bytes.substr(start));
            break;
        }
        lines_.push_back(bytes.substr(start, end - start));
        start = end + (bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n' ? 2 : 1);
    }
    index();
}

void IniFile::index() {
    headers_.clear();
    for (size_t i = 0; i < lines_.size(); ++i)
        if (headerName(lines_[i])) headers_.push_back(i);
}

std::string IniFile::serialize() const {
    std::string out;
    for (const auto &l : lines_) {
        out += l;
        out += "\r\n";
    }
    return out;
}

int IniFile::findSection(const std::string &section) const {
    for (size_t h : headers_)
        if (same(*headerName(lines_[h]), section)) return static_cast<int>(h);
    return -1;
}

std::optional<std::string> IniFile::get(const std::string &section, const std::string &key) const {
    int s = findSection(section);
    if (s < 0) return std::nullopt;
    const auto next = std::upper_bound(headers_.begin(), headers_.end(), static_cast<size_t>(s));
    const size_t end = next == headers_.end() ? lines_.size() : *next;
    for (size_t i = s + 1; i < end; ++i) {
        auto k = keyName(lines_[i]);
        if (k && same(*k, key)) return std::string(trimmed(std::string_view(lines_[i]).substr(lines_[i].find('=') + 1)));
    }
    return std::nullopt;
}

void IniFile::set(const std::string &section, const std::string &key, const std::string &value) {
    std::string entry = key + "=" + value;
    int s = findSection(section);
    if (s < 0) {
        if (!lines_.empty() && !trimmed(lines_.back()).empty()) lines_.emplace_back();
        lines_.push_back("[" + section + "]");
        lines_.push_back(entry);
        index();
        return;
    }
    size_t end = s + 1;  // one past the section's last key line
    for (size_t i = s + 1; i < lines_.size(); ++i) {
        if (headerName(lines_[i])) break;
        auto k = keyName(lines_[i]);
        if (k && same(*k, key)) {
            lines_[i] = entry;
            index();
            return;
        }
        if (!trimmed(lines_[i]).empty()) end = i + 1;
    }
    lines_.insert(lines_.begin() + static_cast<long>(end), entry);
    index();
}

}  // namespace vrek
