#include "teach/background.h"

#include "core/fileio.h"

namespace vrek {

BackgroundRead backgroundFromBytes(const std::string &bytes, const std::string &path, const PictureSizer &other) {
    BackgroundRead r;
    std::optional<std::pair<int, int>> size;
    if (bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M') size = bmpSize(bytes);
    else if (other) size = other(bytes);
    if (!size || size->first <= 0 || size->second <= 0) {
        r.error = "Le fond du projecteur " + path + " est abîmé ou n'est pas une image : le fond uni le remplace.";
        return r;
    }
    if (static_cast<long long>(size->first) * size->second > kMaxBackgroundPixels) {
        r.error = "Le fond du projecteur " + path + " est trop grand (" + std::to_string(size->first) + " x " +
                  std::to_string(size->second) + " points) : le fond uni le remplace.";
        return r;
    }
    r.background = {path, size->first, size->second};
    return r;
}

BackgroundRead loadBackground(const std::string &folder, const PictureSizer &other) {
    const std::string path = folder + kBackgroundFile;
    std::string bytes, err;
    switch (readWholeFile(path, bytes, err, kMaxBackgroundSize)) {
    case ReadStatus::Missing: return {};
    case ReadStatus::Failed: return {{}, err + " Le fond uni le remplace."};
    case ReadStatus::Ok: break;
    }
    return backgroundFromBytes(bytes, path, other);
}

}  // namespace vrek
