// Helpers shared by the tests: temporary folders and deal builders.
#pragma once
#include <string>

#include "core/cards.h"

namespace testutil {

// A fresh empty folder, removed when the object goes.
class TempDir {
public:
    TempDir();
    ~TempDir();
    const std::string &path() const { return path_; }
    std::string file(const std::string &name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

std::string readFile(const std::string &path);
void writeFile(const std::string &path, const std::string &bytes);

// Builds a deal from four hands written "AK5.QJ2.T98.7654" (spades first,
// English letters, '-' for a void), North first.
vrek::Deal dealFrom(const std::string &north, const std::string &east, const std::string &south,
                    const std::string &west);
vrek::Hand handFrom(const std::string &text);
// A complete deal that is a pseudo-random shuffle of `seed`.
vrek::Deal shuffledDeal(unsigned seed);

}  // namespace testutil
