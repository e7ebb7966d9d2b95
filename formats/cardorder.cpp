#include "formats/cardorder.h"

namespace vrek {

std::optional<CardOwners> cardOwners(const Deal &d) {
    CardOwners owners{};
    for (int seat = 1; seat <= 4; ++seat)
        for (int suit = 1; suit <= 4; ++suit) {
            const Holding &h = d.holding(seat, suit);
            if (h.count > kMaxHolding) return std::nullopt;
            for (int k = 0; k < h.count; ++k) {
                int r = h.ranks[k];
                if (r < 2 || r > 14) return std::nullopt;
                uint8_t &o = owners[cardIndex(suit, r) - 1];
                if (o) return std::nullopt;
                o = static_cast<uint8_t>(seat);
            }
        }
    for (uint8_t o : owners)
        if (!o) return std::nullopt;
    return owners;
}

}  // namespace vrek
