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
    // West's cards are what is left of the indices.
    return cardIndexHands(owners) + rankLetterHands(owners) + "YN1  1 " + countField(total) + " ";
}

ExportOutput writeDup(const Series &s, const Selection &sel, const ExportOptions &opt) {
    ExportOutput out;
    const auto found = machineRunFor(s, sel, out);
    if (!found) return out;
    const MachineRun &run = *found;
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
