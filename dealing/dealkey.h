// Verifiable dealing: a dealing key kept in a small text file, its
// fingerprint (published before the event), and the key of each board's own
// random stream, derived from the dealing key, the constraints in force, the
// board number and the cards already placed. docs/verifiable-dealing.md
// describes the derivation for anyone who wants to check the deals.
#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "core/cards.h"
#include "core/constraints.h"
#include "dealing/random.h"

namespace vrek {

struct DealingKey {
    std::array<uint8_t, 32> bytes{};
    bool operator==(const DealingKey &) const = default;
};

// The version label that starts every board derivation. A dealer that deals
// differently gets a new label; this one must keep dealing as it does.
extern const char *const kDealingVersion;  // "vrek-deal-v1"

// 32 bytes from the system's entropy.
DealingKey newDealingKey();

// The key file's text: 64 lower-case hexadecimal digits and a line end.
std::string keyFileText(const DealingKey &k);
// The SHA-256 of the 32 bytes, as 64 lower-case hexadecimal digits.
std::string fingerprintOf(const DealingKey &k);

// Reads a key file's bytes: 64 hexadecimal digits (either case), then one
// line end (LF or CR LF) or none. `name` only serves the message. Returns
// the key, or nullopt with a French message in `error`.
std::optional<DealingKey> parseKeyFile(const std::string &bytes, const std::string &name, std::string &error);
// Reads and checks the key file at `path`.
std::optional<DealingKey> readKeyFile(const std::string &path, std::string &error);
// Writes a key file, readable by its owner only, and never over a file that
// exists: the whole file appears at once or not at all. Returns "" or a
// French message.
std::string writeKeyFile(const std::string &path, const DealingKey &k);

// The run key: BLAKE2b-256 keyed with the dealing key over the version label
// and the active constraint sets. One per run and constraints.
Random::Key runKey(const DealingKey &k, const ConstraintTable &t);
// The key of board `board`'s stream: HChaCha20 under the run key of a
// 128-bit number that says the board and where each card already is. Cheap,
// so that a board of one attempt costs little more than without a key.
Random::Key boardStreamKey(const Random::Key &runKey, int board, const Deal &d);
// The same from the cards each seat (North .. West) holds, as masks with
// card (suit, rank) at bit 16 * (suit - 1) + rank - 2, as the dealer keeps them.
Random::Key boardStreamKey(const Random::Key &runKey, int board, const std::array<uint64_t, 4> &held);

}  // namespace vrek
