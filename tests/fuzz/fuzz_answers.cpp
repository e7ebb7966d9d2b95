// What comes from elsewhere beside the series: the projector's background
// picture, the head of the update check's answer and the journal of a save.
// The first byte says which reader takes the rest.
#include <cstddef>
#include <cstdint>

#include "core/savejournal.h"
#include "fuzzcheck.h"
#include "platform/httphead.h"
#include "teach/background.h"

using fuzzcheck::require;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size < 1) return 0;
    const std::string bytes(reinterpret_cast<const char *>(data) + 1, size - 1);
    switch (data[0] % 3) {
    case 0: {
        const vrek::BackgroundRead r = vrek::backgroundFromBytes(bytes, "fond.bmp", nullptr);
        require(r.background.path.empty() || (r.background.width > 0 && r.background.height > 0 &&
                                              static_cast<long long>(r.background.width) * r.background.height <=
                                                  vrek::kMaxBackgroundPixels),
                "a background of no size or too many pixels");
        require(r.background.path.empty() != r.error.empty(), "a background both used and refused");
        break;
    }
    case 1: {
        const http::Head h = http::readHead(bytes);
        require(h.state != http::Head::Complete || (h.status >= 100 && h.status <= 999), "a status out of range");
        require(h.location.size() <= http::kMaxHead, "a location past the head's bound");
        break;
    }
    default:
        if (const auto j = vrek::parseJournal(bytes)) {
            require(vrek::parseJournal(vrek::serializeJournal(*j)).has_value(), "a journal that does not read back");
            for (const auto &e : j->entries) require(vrek::isWorkSuffix(e.tmp, "tmp"), "a journal naming another file");
        }
        break;
    }
    return 0;
}
