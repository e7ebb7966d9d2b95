#include "platform/httphead.h"

namespace http {

namespace {

// A status line is short; a first line longer than this is no answer.
constexpr size_t kMaxStatusLine = 1024;

std::string trimmed(const std::string &s) {
    size_t a = 0, b = s.size();
    while (a < b && (s[a] == ' ' || s[a] == '\t')) ++a;
    while (b > a && (s[b - 1] == ' ' || s[b - 1] == '\t' || s[b - 1] == '\r')) --b;
    return s.substr(a, b - a);
}

bool digit(char c) { return c >= '0' && c <= '9'; }

// "HTTP/1.1 200 OK" -> 200, or 0.
int statusOf(const std::string &line) {
    if (line.compare(0, 5, "HTTP/") != 0) return 0;
    size_t i = 5;
    while (i < line.size() && (digit(line[i]) || line[i] == '.')) ++i;
    if (i == 5 || i + 4 > line.size() || line[i] != ' ') return 0;
    if (!digit(line[i + 1]) || !digit(line[i + 2]) || !digit(line[i + 3])) return 0;
    if (i + 4 < line.size() && line[i + 4] != ' ' && line[i + 4] != '\r') return 0;
    const int status = (line[i + 1] - '0') * 100 + (line[i + 2] - '0') * 10 + (line[i + 3] - '0');
    return status >= 100 ? status : 0;
}

bool namedLocation(const std::string &line) {
    static const char name[] = "location:";
    if (line.size() < sizeof name - 1) return false;
    for (size_t i = 0; i + 1 < sizeof name; ++i) {
        char c = line[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != name[i]) return false;
    }
    return true;
}

}  // namespace

bool isRedirection(int status) {
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

Head readHead(const std::string &bytes) {
    Head h;
    const std::string b = bytes.size() > kMaxHead ? bytes.substr(0, kMaxHead) : bytes;
    size_t end = b.find('\n');
    if (end == std::string::npos) {
        if (b.size() > kMaxStatusLine) h.state = Head::Bad;
        return h;
    }
    if (end > kMaxStatusLine || !(h.status = statusOf(b.substr(0, end)))) {
        h.status = 0;
        h.state = Head::Bad;
        return h;
    }
    if (!isRedirection(h.status)) {
        h.state = Head::Complete;
        return h;
    }
    for (size_t start = end + 1;; start = end + 1) {
        end = b.find('\n', start);
        if (end == std::string::npos) {
            // The rest of the head is past the bound: the redirection leads nowhere.
            if (bytes.size() >= kMaxHead) h.state = Head::Complete;
            return h;
        }
        const std::string line = b.substr(start, end - start);
        if (trimmed(line).empty()) break;  // the end of the head
        if (namedLocation(line)) {
            h.location = trimmed(line.substr(9));
            break;
        }
    }
    h.state = Head::Complete;
    return h;
}

}  // namespace http
