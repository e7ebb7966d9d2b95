// The dealer's random numbers: a ChaCha20 keystream, keyed once per run from
// the system's entropy (or, for verifiable dealing, from a key derived for
// one board), read in blocks. Draws below a bound use rejection, so every
// value is exactly equally likely.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

namespace vrek {

class Random {
public:
    using Key = std::array<uint8_t, 32>;

    // Keyed with 32 bytes of system entropy.
    Random();
    // A fixed key gives a reproducible stream: a board's own stream under a
    // dealing key, tests and benchmarks. Never a key known in advance.
    explicit Random(const Key &fixedKey);
    // Starts the stream of another key, as a new generator would.
    void rekey(const Key &key);
    ~Random();
    Random(const Random &) = delete;
    Random &operator=(const Random &) = delete;

    // Uniform in 0 .. bound - 1; bound must be at least 1.
    uint32_t below(uint32_t bound) {
        if (bound <= 0x10000u) [[likely]] {
            // Lemire's multiply-shift on 16 bits: the low half falling under
            // 65536 mod bound is the only biased zone, and is redrawn.
            uint32_t m = uint32_t(next16()) * bound;
            if (uint16_t(m) < bound) [[unlikely]] {
                uint32_t threshold = (0x10000u - bound) % bound;
                while (uint16_t(m) < threshold) m = uint32_t(next16()) * bound;
            }
            return m >> 16;
        }
        return below32(bound);
    }

    void bytes(void *out, size_t n);

    // Draws for a tight loop: the read position lives in the cursor (in a
    // register) and goes back to the generator when the cursor ends. The
    // values are those the generator itself would have given.
    class Cursor {
    public:
        explicit Cursor(Random &r) : r_(r), p_(r.buf_ + r.pos_), end_(r.buf_ + r.end_) {}
        ~Cursor() { r_.pos_ = static_cast<size_t>(p_ - r_.buf_); }
        Cursor(const Cursor &) = delete;
        Cursor &operator=(const Cursor &) = delete;

        uint32_t below(uint32_t bound) {
            if (bound > 0x10000u) [[unlikely]] {
                r_.pos_ = static_cast<size_t>(p_ - r_.buf_);
                uint32_t v = r_.below32(bound);
                p_ = r_.buf_ + r_.pos_;
                end_ = r_.buf_ + r_.end_;
                return v;
            }
            uint32_t m = uint32_t(next16()) * bound;
            if (uint16_t(m) < bound) [[unlikely]] {
                uint32_t threshold = (0x10000u - bound) % bound;
                while (uint16_t(m) < threshold) m = uint32_t(next16()) * bound;
            }
            return m >> 16;
        }

    private:
        uint16_t next16() {
            if (p_ + 2 > end_) [[unlikely]] {
                r_.pos_ = static_cast<size_t>(p_ - r_.buf_);
                r_.refill();
                p_ = r_.buf_ + r_.pos_;
                end_ = r_.buf_ + r_.end_;
            }
            uint16_t v = uint16_t(p_[0] | (p_[1] << 8));
            p_ += 2;
            return v;
        }
        Random &r_;
        const uint8_t *p_, *end_;
    };

    // The stream is made of blocks of 8192 bytes, block i being the start of
    // the ChaCha20 keystream with nonce i; a 16-bit draw never spans two.
    static constexpr size_t kBlock = 8192;

private:
    // A block is made in growing pieces, so that a stream used for one
    // short deal costs little; the bytes are the same.
    static constexpr size_t kFirstPiece = 256;  // libsodium makes 256 bytes at once

    uint16_t next16() {
        if (pos_ + 2 > end_) [[unlikely]] refill();
        uint16_t v = uint16_t(buf_[pos_] | (buf_[pos_ + 1] << 8));
        pos_ += 2;
        return v;
    }
    uint32_t below32(uint32_t bound);
    // More of the current block when it is not all made, else the next block.
    void refill();

    Key key_{};
    uint64_t nonce_ = 0;  // of the next block
    size_t pos_ = kBlock, end_ = kBlock;
    alignas(64) uint8_t buf_[kBlock];
};

// The one generator of the program, keyed from entropy on first use.
Random &processRandom();

}  // namespace vrek
