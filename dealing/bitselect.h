// Picking the k-th card left in a pack kept as a 52-bit mask: the pack order
// (suit 1 ranks 2 .. 14, then suit 2 ...) is the order of the bits.
#pragma once
#include <cstdint>

namespace vrek {

// Index of the set bit of rank k (from 0) in x; x must hold more than k bits.
// Broadword select: the byte holding it from the bytes' running popcounts,
// then a table within the byte.
int selectBit(uint64_t x, unsigned k);

// The same bit, isolated, through the BMI2 pdep instruction. Only to be
// called when pdepAvailable().
uint64_t isolateBitPdep(uint64_t x, unsigned k);

// The processor has pdep and runs it fast (AMD before Zen 3 runs it in
// microcode, slower than the broadword select).
bool pdepAvailable();

// Whether the dealer uses pdep: on by default where it is fast. Tests and
// benchmarks switch it to cover both ways; returns the previous setting.
bool useFastSelect(bool on);
bool fastSelect();

namespace detail {
struct SelectTables {
    uint8_t inByte[8][256] = {};  // position of the k-th set bit of a byte
    constexpr SelectTables() {
        for (int x = 0; x < 256; ++x) {
            int k = 0;
            for (int p = 0; p < 8; ++p)
                if (x >> p & 1) inByte[k++][x] = static_cast<uint8_t>(p);
        }
    }
};
inline constexpr SelectTables kSelect;
}  // namespace detail

inline int selectBitInline(uint64_t x, unsigned k) {
    constexpr uint64_t L8 = 0x0101010101010101ull, H8 = 0x8080808080808080ull;
    uint64_t s = x - ((x >> 1) & 0x5555555555555555ull);
    s = (s & 0x3333333333333333ull) + ((s >> 2) & 0x3333333333333333ull);
    s = (s + (s >> 4)) & 0x0F0F0F0F0F0F0F0Full;
    uint64_t sums = s * L8;  // byte j: set bits in bytes 0 .. j
    uint64_t ge = ((k * L8 | H8) - sums) & H8;
    int place = static_cast<int>((((ge >> 7) * L8) >> 56) * 8);
    unsigned before = static_cast<unsigned>((sums << 8) >> place) & 0xFF;
    return place + detail::kSelect.inByte[k - before][(x >> place) & 0xFF];
}

#if defined(__x86_64__) && defined(__GNUC__)
#define VREK_HAVE_PDEP 1
// Inline assembly rather than the intrinsic, so that the rest of the program
// needs no -mbmi2 and runs on any x86-64.
inline uint64_t isolateBitPdepInline(uint64_t x, unsigned k) {
    uint64_t r;
    asm("pdepq %2, %1, %0" : "=r"(r) : "r"(uint64_t(1) << k), "r"(x));
    return r;
}
#endif

}  // namespace vrek
