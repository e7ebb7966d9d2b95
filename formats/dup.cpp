#include "formats/dup.h"

#include "formats/machinefiles.h"
#include "formats/textlines.h"

namespace vrek {

namespace {
constexpr int kMaxTotal = 99;  // the count field is two characters wide
constexpr int kCountAt = 153;  // 0-based column of the count in a record

// Count field: two characters, a blank after a single digit.
std::string countField(int total) {
    std::string c = std::to_string(total);
    if (c.size() < 2) c += ' ';
    return c;
}
}  // namespace

std::string dupRecord(const CardOwners &owners, int total) {
    std::string r;
    r.reserve(kDupRecord);
    // North, East and South as card indices; West's cards are what is left.
    for (int seat = North; seat <= South; ++seat)
        for (int i = 1; i <= 52; ++i)
            if (owners[i - 1] == seat) r += zeroPadded(i, 2);
    static const char kSuitMark[4] = {0x06, 0x03, 0x04, 0x05};  // spades, hearts, diamonds, clubs
    for (int seat = North; seat <= West; ++seat)
        for (int i = 1; i <= 52; ++i) {
            if ((i - 1) % 13 == 0) r += kSuitMark[(i - 1) / 13];
            if (owners[i - 1] == seat) r += englishRank(rankOfIndex(i));
        }
    r += "YN1  1 " + countField(total) + " ";
    return r;
}

ExportOutput writeDup(const Series &s, const Selection &sel, const ExportOptions &opt) {
    ExportOutput out;
    if (!sel[0]) {
        out.nothing = true;
        return out;
    }
    MachineRun run = machineRun(s, sel);
    if (!run.error.empty()) {
        out.error = run.error;
        return out;
    }
    const int n = static_cast<int>(run.boards.size());

    if (opt.numbering == Numbering::FromOne) {
        for (const auto &o : run.boards) out.bytes += dupRecord(o, n);
        out.count = n;
        return out;
    }

    std::vector<std::string> lines = splitLines(opt.existing);
    std::string first = lines.empty() ? std::string() : lines[0];
    // Only a file of exactly 96 records counted "96" can be extended in place.
    if (first.size() != static_cast<size_t>(kBoards * kDupRecord) || first.compare(kCountAt, 2, "96") != 0) {
        out.error = not96BoardsMessage(opt.existingName);
        return out;
    }
    const int total = kBoards + n;
    if (total > kMaxTotal) {
        out.error = "Un fichier DUP ne peut pas contenir plus de 99 mains : " + std::to_string(n) +
                    " mains ajoutées aux 96 du fichier \r\r" + opt.existingName +
                    "\r\rdonneraient " + std::to_string(total) + " mains. Le fichier n'est pas modifié.";
        return out;
    }
    const std::string count = countField(total);
    for (int i = 0; i < kBoards; ++i) first.replace(i * kDupRecord + kCountAt, 2, count);
    for (const auto &o : run.boards) first += dupRecord(o, total);
    lines[0] = std::move(first);
    out.bytes = joinLines(lines);
    out.count = n;
    return out;
}

}  // namespace vrek
