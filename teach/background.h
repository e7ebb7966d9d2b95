// The projector's background picture beside the program: its size is
// checked before a byte of it is read, and its header before it is drawn.
#pragma once
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "teach/projection.h"

namespace vrek {

// Far above any picture for a 1600 x 1200 projector.
constexpr size_t kMaxBackgroundSize = size_t(64) << 20;
// The pixels of a picture the toolkit will still decode (4 bytes each).
constexpr long long kMaxBackgroundPixels = 8192LL * 8192;

// The width and height of a picture in a format other than BMP, from its
// bytes (the toolkit's reader, which decodes no pixel for it); nullopt when
// it is not a picture.
using PictureSizer = std::function<std::optional<std::pair<int, int>>(const std::string &bytes)>;

// The picture to draw, or the plain background (an empty path) with the
// French reason when the file is there but cannot serve.
struct BackgroundRead {
    ProjectorBackground background;
    std::string error;
};

// What the file's bytes give.
BackgroundRead backgroundFromBytes(const std::string &bytes, const std::string &path, const PictureSizer &other);
// Reads kBackgroundFile of `folder` (with its trailing '/'), no more than
// kMaxBackgroundSize bytes. A missing file is the plain background, silently.
BackgroundRead loadBackground(const std::string &folder, const PictureSizer &other);

}  // namespace vrek
