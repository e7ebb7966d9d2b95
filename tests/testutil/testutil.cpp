#include "testutil.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

namespace testutil {

TempDir::TempDir() {
    std::string tmpl = (std::filesystem::temp_directory_path() / "vrektestXXXXXX").string();
    if (!mkdtemp(tmpl.data())) throw std::runtime_error("mkdtemp");
    path_ = tmpl;
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(path_, ec);
}

std::string readFile(const std::string &path) {
    std::ifstream f(path, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

void writeFile(const std::string &path, const std::string &bytes) {
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

vrek::Hand handFrom(const std::string &text) {
    vrek::Hand h;
    int suit = vrek::Spades;
    for (char c : text) {
        if (c == '.') {
            --suit;
            continue;
        }
        if (c == '-') continue;
        int r = 0;
        switch (c) {
        case 'A': r = 14; break;
        case 'K': r = 13; break;
        case 'Q': r = 12; break;
        case 'J': r = 11; break;
        case 'T': r = 10; break;
        default: r = c - '0';
        }
        h.suit(suit).insert(r);
    }
    return h;
}

vrek::Deal dealFrom(const std::string &n, const std::string &e, const std::string &s, const std::string &w) {
    vrek::Deal d;
    d.hand(vrek::North) = handFrom(n);
    d.hand(vrek::East) = handFrom(e);
    d.hand(vrek::South) = handFrom(s);
    d.hand(vrek::West) = handFrom(w);
    return d;
}

vrek::Deal shuffledDeal(unsigned seed) {
    std::mt19937 g(seed);
    for (;;) {
        std::vector<int> cards(52);
        for (int i = 0; i < 52; ++i) cards[i] = i;
        std::shuffle(cards.begin(), cards.end(), g);
        vrek::Deal d;
        bool ok = true;
        for (int i = 0; i < 52 && ok; ++i) {
            int seat = i / 13 + 1, suit = cards[i] / 13 + 1, rank = cards[i] % 13 + 2;
            vrek::Holding &h = d.holding(seat, suit);
            if (h.full()) ok = false;  // a tenth card of a suit cannot be stored
            else h.insert(rank);
        }
        if (ok) return d;
    }
}

}  // namespace testutil
