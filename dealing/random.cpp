#include "dealing/random.h"

#include <sodium.h>

#include <algorithm>
#include <cstring>

namespace vrek {

Random::Random() {
    // randombytes_buf works before sodium_init too; the call only picks the
    // fastest ChaCha20 code for this processor.
    [[maybe_unused]] int ready = sodium_init();
    randombytes_buf(key_.data(), key_.size());
}

Random::Random(const Key &fixedKey) : key_(fixedKey) { [[maybe_unused]] int ready = sodium_init(); }

void Random::rekey(const Key &key) {
    key_ = key;
    nonce_ = 0;
    pos_ = end_ = kBlock;
}

Random::~Random() {
    sodium_memzero(key_.data(), key_.size());
    sodium_memzero(buf_, sizeof buf_);
}

void Random::refill() {
    static_assert(kBlock % kFirstPiece == 0 && kFirstPiece % 64 == 0);
    static const uint8_t zeros[kBlock] = {};
    unsigned char nonce[crypto_stream_chacha20_NONCEBYTES];
    if (end_ < kBlock) {
        // The rest of the block in pieces twice as long each time: ChaCha20
        // picks up at the 64-byte block where the last piece stopped.
        const uint64_t block = nonce_ - 1;
        for (size_t i = 0; i < sizeof nonce; ++i) nonce[i] = static_cast<unsigned char>(block >> (8 * i));
        const size_t n = std::min(end_, kBlock - end_);
        crypto_stream_chacha20_xor_ic(buf_ + end_, zeros, n, nonce, end_ / 64, key_.data());
        end_ += n;
        return;
    }
    // One nonce per block keeps the stream from ever repeating within a run.
    for (size_t i = 0; i < sizeof nonce; ++i) nonce[i] = static_cast<unsigned char>(nonce_ >> (8 * i));
    ++nonce_;
    crypto_stream_chacha20(buf_, kFirstPiece, nonce, key_.data());
    pos_ = 0;
    end_ = kFirstPiece;
}

uint32_t Random::below32(uint32_t bound) {
    auto next32 = [this] { return uint32_t(next16()) | (uint32_t(next16()) << 16); };
    uint64_t m = uint64_t(next32()) * bound;
    if (uint32_t(m) < bound) {
        uint32_t threshold = (0u - bound) % bound;
        while (uint32_t(m) < threshold) m = uint64_t(next32()) * bound;
    }
    return uint32_t(m >> 32);
}

void Random::bytes(void *out, size_t n) {
    auto *p = static_cast<uint8_t *>(out);
    while (n > 0) {
        if (pos_ >= end_) refill();
        size_t k = std::min(n, end_ - pos_);
        std::memcpy(p, buf_ + pos_, k);
        pos_ += k;
        p += k;
        n -= k;
    }
}

Random &processRandom() {
    static Random r;
    return r;
}

}  // namespace vrek
