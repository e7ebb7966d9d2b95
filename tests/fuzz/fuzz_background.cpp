// The projector's background picture: a BMP's header is ours to read; the
// other formats' sizes come from the toolkit, played here by the bytes.
#include <cstring>

#include "fuzzcheck.h"
#include "teach/background.h"

using fuzzcheck::require;

VREK_FUZZ_TARGET(background) {
    const std::string bytes(reinterpret_cast<const char *>(data), size);
    const vrek::PictureSizer sizer = [](const std::string &b) -> std::optional<std::pair<int, int>> {
        int wh[2];
        if (b.size() < sizeof wh) return std::nullopt;
        std::memcpy(wh, b.data(), sizeof wh);
        return std::make_pair(wh[0], wh[1]);
    };
    const vrek::BackgroundRead r = vrek::backgroundFromBytes(bytes, "fond.bmp", sizer);
    const vrek::ProjectorBackground &g = r.background;
    require(g.path.empty() || (g.width > 0 && g.height > 0 &&
                               static_cast<long long>(g.width) * g.height <= vrek::kMaxBackgroundPixels),
            "a background of no size or too many pixels");
    require(g.path.empty() != r.error.empty(), "a background both used and refused");
    if (bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M')
        require(!vrek::bmpSize(bytes) || vrek::bmpWhole(bytes), "a BMP sized whose pixels lie past its end");
}
