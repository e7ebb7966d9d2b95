// The head of an HTTP answer as far as a probe needs it: the status, and
// for a redirection the address it leads to. Plain C++, so that the
// desktop's HTTP GET and the tests share it.
#pragma once
#include <cstddef>
#include <string>

namespace http {

// No probe reads past this many bytes of an answer.
constexpr size_t kMaxHead = 16 * 1024;

struct Head {
    enum State {
        Incomplete,  // more bytes are needed
        Complete,    // `status` (and `location`) are known: stop reading
        Bad,         // not an HTTP answer, or a head past the bound
    } state = Incomplete;
    int status = 0;
    std::string location;  // a redirection's "Location", when it has one
};

bool isRedirection(int status);
// Reads the head from the first bytes of an answer: the status line alone
// decides, unless it is a redirection, whose "Location" line is looked for.
Head readHead(const std::string &bytes);

}  // namespace http
