#include "formats/machinefiles.h"

#include "formats/textlines.h"

namespace vrek {

MachineRun machineRun(const Series &s, const Selection &sel) {
    MachineRun r;
    for (int b : leadingRun(sel)) {
        auto owners = cardOwners(s.deal(b));
        if (!owners) {
            // A missing or doubled card would give the machine a false deal.
            r.error = "La donne " + std::to_string(b) +
                      " n'est pas complète : une machine à distribuer ne peut pas la donner. "
                      "Rien n'est exporté.";
            r.boards.clear();
            return r;
        }
        r.boards.push_back(*owners);
    }
    return r;
}

std::optional<MachineRun> machineRunFor(const Series &s, const Selection &sel, ExportOutput &out) {
    if (!sel[0]) {
        out.nothing = true;
        return std::nullopt;
    }
    MachineRun run = machineRun(s, sel);
    if (!run.error.empty()) {
        out.error = run.error;
        return std::nullopt;
    }
    return run;
}

std::string cardIndexHands(const CardOwners &owners) {
    std::string r;
    r.reserve(78);
    for (int seat = North; seat <= South; ++seat)
        for (int i = 1; i <= 52; ++i)
            if (owners[i - 1] == seat) r += zeroPadded(i, 2);
    return r;
}

std::string rankLetterHands(const CardOwners &owners) {
    static const char kSuitMark[4] = {0x06, 0x03, 0x04, 0x05};  // spades, hearts, diamonds, clubs
    std::string r;
    r.reserve(68);
    for (int seat = North; seat <= West; ++seat)
        for (int i = 1; i <= 52; ++i) {
            if ((i - 1) % 13 == 0) r += kSuitMark[(i - 1) / 13];
            if (owners[i - 1] == seat) r += englishRank(rankOfIndex(i));
        }
    return r;
}

ExportOutput writeRecordFile(const Series &s, const Selection &sel, const ExportOptions &opt, size_t recordSize,
                             std::string (*record)(const CardOwners &)) {
    ExportOutput out;
    const auto found = machineRunFor(s, sel, out);
    if (!found) return out;
    const MachineRun &run = *found;
    if (opt.numbering == Numbering::From97) {
        // Only whole records of 96 boards: the new ones become 97, 98, ...
        if (opt.existing.size() != recordSize * kBoards) {
            out.error = not96BoardsMessage(opt.existingName);
            return out;
        }
        out.bytes = opt.existing;
    }
    for (const auto &o : run.boards) out.bytes += record(o);
    out.count = static_cast<int>(run.boards.size());
    return out;
}

}  // namespace vrek
