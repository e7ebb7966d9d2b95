// The update check's answer: the head of an HTTP answer, read as it comes
// in, gives the same as read at once.
#include "fuzzcheck.h"
#include "platform/httphead.h"

using fuzzcheck::require;

VREK_FUZZ_TARGET(update) {
    const std::string bytes(reinterpret_cast<const char *>(data), size);
    const http::Head h = http::readHead(bytes);
    require(h.state != http::Head::Complete || (h.status >= 100 && h.status <= 999), "a status out of range");
    require(h.location.size() <= http::kMaxHead, "a location past the head's bound");
    // The desktop stops reading at the first complete head: a prefix that
    // is complete must say what the whole says.
    if (size > 1) {
        const http::Head part = http::readHead(bytes.substr(0, size / 2));
        if (part.state == http::Head::Complete)
            require(h.state == http::Head::Complete && h.status == part.status && h.location == part.location,
                    "a head read otherwise once more bytes came");
    }
}
