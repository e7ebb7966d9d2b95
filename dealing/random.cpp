#include "dealing/random.h"

#include <sodium.h>

#include <cstring>

namespace vrek {

Random::Random() {
    // randombytes_buf works before sodium_init too; the call only picks the
    // fastest ChaCha20 code for this processor.
    [[maybe_unused]] int ready = sodium_init();
    randombytes_buf(key_.data(), key_.size());
}

Random::Random(const Key &fixedKey) : key_(fixedKey) { [[maybe_unused]] int ready = sodium_init(); }

Random::~Random() {
    sodium_memzero(key_.data(), key_.size());
    sodium_memzero(buf_, sizeof buf_);
}

void Random::refill() {
    // One nonce per block keeps the stream from ever repeating within a run.
    unsigned char nonce[crypto_stream_chacha20_NONCEBYTES];
    for (size_t i = 0; i < sizeof nonce; ++i) nonce[i] = static_cast<unsigned char>(nonce_ >> (8 * i));
    ++nonce_;
    crypto_stream_chacha20(buf_, kBlock, nonce, key_.data());
    pos_ = 0;
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
        if (pos_ >= kBlock) refill();
        size_t k = std::min(n, kBlock - pos_);
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
