#include "dealing/dealkey.h"

#include <sodium.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/fileio.h"

namespace vrek {

const char *const kDealingVersion = "vrek-deal-v1";

namespace {

std::string hex(const uint8_t *p, size_t n) {
    static const char digits[] = "0123456789abcdef";
    std::string s;
    for (size_t i = 0; i < n; ++i) {
        s += digits[p[i] >> 4];
        s += digits[p[i] & 15];
    }
    return s;
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

constexpr size_t kDigits = 64;

}  // namespace

DealingKey newDealingKey() {
    [[maybe_unused]] int ready = sodium_init();
    DealingKey k;
    randombytes_buf(k.bytes.data(), k.bytes.size());
    return k;
}

std::string keyFileText(const DealingKey &k) { return hex(k.bytes.data(), k.bytes.size()) + "\n"; }

std::string fingerprintOf(const DealingKey &k) {
    uint8_t digest[crypto_hash_sha256_BYTES];
    crypto_hash_sha256(digest, k.bytes.data(), k.bytes.size());
    return hex(digest, sizeof digest);
}

std::optional<DealingKey> parseKeyFile(const std::string &bytes, const std::string &name, std::string &error) {
    const std::string what = "Le fichier " + name + " n'est pas une clé de distribution : ";
    const std::string shape = " (il faut 64 chiffres hexadécimaux et une fin de ligne).";
    size_t digits = 0;
    while (digits < bytes.size() && hexValue(bytes[digits]) >= 0) ++digits;
    const std::string rest = bytes.substr(digits);
    if (digits == kDigits && (rest.empty() || rest == "\n" || rest == "\r\n")) {
        DealingKey k;
        for (size_t i = 0; i < k.bytes.size(); ++i)
            k.bytes[i] = static_cast<uint8_t>(hexValue(bytes[2 * i]) << 4 | hexValue(bytes[2 * i + 1]));
        return k;
    }
    if (digits > kDigits)
        error = what + "trop long" + shape;
    else if (rest.empty() || rest == "\n" || rest == "\r\n")
        error = what + (digits == 0 ? std::string("il est vide") : "trop court, " + std::to_string(digits) +
                                                                     " chiffres") + shape;
    else if (digits == kDigits)
        error = what + "trop long" + shape;
    else
        error = what + "caractère non hexadécimal en position " + std::to_string(digits + 1) + shape;
    return std::nullopt;
}

std::optional<DealingKey> readKeyFile(const std::string &path, std::string &error) {
    std::string bytes, err;
    // A few bytes past the longest key file tell a longer one.
    switch (readFilePrefix(path, kDigits + 8, bytes, err)) {
    case ReadStatus::Missing:
        error = "Le fichier de clé " + path + " n'existe pas.";
        return std::nullopt;
    case ReadStatus::Failed:
        error = err;
        return std::nullopt;
    case ReadStatus::Ok: break;
    }
    return parseKeyFile(bytes, path, error);
}

// For a file system without hard links (a FAT memory stick): created only
// if absent, and removed again if it could not be written whole.
static std::string writeExclusive(const std::string &path, const std::string &text) {
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, S_IRUSR | S_IWUSR);
    if (fd < 0) return "Impossible de créer la clé " + path + " : " + errnoText(errno) + ".";
    int e = 0;
    if (::write(fd, text.data(), text.size()) != static_cast<ssize_t>(text.size()) || ::fsync(fd) != 0)
        e = errno ? errno : EIO;
    if (::close(fd) != 0 && e == 0) e = errno;
    if (e == 0) return {};
    ::unlink(path.c_str());
    return "Impossible de créer la clé " + path + " : " + errnoText(e) + ".";
}

std::string writeKeyFile(const std::string &path, const DealingKey &k) {
    const std::string text = keyFileText(k);
    auto failed = [&](int e) { return "Impossible de créer la clé " + path + " : " + errnoText(e) + "."; };
    if (fileExists(path)) return failed(EEXIST);
    // Written under a scratch name, then linked to its own: link() never
    // replaces a file, and readers never see half a key.
    std::string scratch = path + ".XXXXXX";
    int fd = ::mkstemp(scratch.data());
    if (fd < 0) return failed(errno);
    int e = 0;
    if (::fchmod(fd, S_IRUSR | S_IWUSR) != 0 ||
        ::write(fd, text.data(), text.size()) != static_cast<ssize_t>(text.size()) || ::fsync(fd) != 0)
        e = errno ? errno : EIO;
    if (::close(fd) != 0 && e == 0) e = errno;
    if (e == 0 && ::link(scratch.c_str(), path.c_str()) != 0) e = errno;
    ::unlink(scratch.c_str());
    if (e == EPERM || e == ENOTSUP || e == EOPNOTSUPP || e == ENOSYS) return writeExclusive(path, text);
    return e == 0 ? std::string() : failed(e);
}

Random::Key runKey(const DealingKey &k, const ConstraintTable &t) {
    // Label, active sets and their records: at most 12 + 1 + 9 * 72 bytes.
    uint8_t msg[16 + 1 + kConstraintSets * 4 * 18];
    const size_t label = std::strlen(kDealingVersion);
    std::memcpy(msg, kDealingVersion, label);
    size_t n = label;
    const int sets = t.activeSets();
    msg[n++] = static_cast<uint8_t>(sets);
    for (int set = 1; set <= sets; ++set)
        for (int seat = 1; seat <= 4; ++seat) {
            const ConstraintRecord &r = t.record(set, seat);
            // Bytes 2 and 3 take no part in dealing.
            msg[n++] = r[kMinPoints];
            msg[n++] = r[kMaxPoints];
            for (int b = 4; b < kConstraintRecordSize; ++b) msg[n++] = r[b];
        }
    Random::Key out;
    crypto_generichash(out.data(), out.size(), msg, n, k.bytes.data(), k.bytes.size());
    return out;
}

Random::Key boardStreamKey(const Random::Key &run, int board, const Deal &d) {
    std::array<uint64_t, 4> held{};
    for (int seat = 1; seat <= 4; ++seat)
        for (int suit = 1; suit <= 4; ++suit) {
            const Holding &h = d.holding(seat, suit);
            for (int i = 0; i < h.count && i < kMaxHolding; ++i)
                if (h.ranks[i] >= 2 && h.ranks[i] <= 14) held[seat - 1] |= uint64_t(1) << (16 * (suit - 1) + h.ranks[i] - 2);
        }
    return boardStreamKey(run, board, held);
}

Random::Key boardStreamKey(const Random::Key &run, int board, const std::array<uint64_t, 4> &held) {
    // The seat (1 .. 4, 0 for none) of each card in pack order as the digits
    // of a number in base 5, card 0 the lowest: below 5^52 < 2^121, so that
    // with the board below 128 it takes 128 bits, X = board + 128 * P.
    unsigned __int128 x = 0;
    if (held[0] | held[1] | held[2] | held[3]) {
        uint8_t seatOf[64] = {};  // by mask bit
        for (int seat = 0; seat < 4; ++seat)
            for (uint64_t m = held[seat]; m; m &= m - 1) seatOf[__builtin_ctzll(m)] = static_cast<uint8_t>(seat + 1);
        // Two halves of 26 digits, each below 5^26 < 2^61: two short
        // dependency chains instead of one of 128-bit steps.
        uint64_t lo = 0, hi = 0;
        for (int c = 25; c >= 0; --c) lo = lo * 5 + seatOf[16 * (c / 13) + c % 13];
        for (int c = 51; c >= 26; --c) hi = hi * 5 + seatOf[16 * (c / 13) + c % 13];
        constexpr uint64_t kFive26 = 1490116119384765625ull;  // 5^26
        x = static_cast<unsigned __int128>(hi) * kFive26 + lo;
    }
    x = x * 128 + static_cast<unsigned>(board & 127);
    unsigned char in[crypto_core_hchacha20_INPUTBYTES];
    for (size_t i = 0; i < sizeof in; ++i) in[i] = static_cast<unsigned char>(x >> (8 * i));
    Random::Key out;
    crypto_core_hchacha20(out.data(), in, run.data(), nullptr);
    return out;
}

}  // namespace vrek
