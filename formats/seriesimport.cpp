#include "formats/seriesimport.h"

#include <cstring>

#include "core/series.h"
#include "core/seriesfile.h"

namespace vrek {

namespace {
std::string sizeFault(const std::string &records) {
    if (records.size() % sizeof(Deal) != 0)
        return "ce n'est pas une série Vrek : sa taille de " + std::to_string(records.size()) +
               " octets n'est pas un multiple de 160";
    if (records.size() > sizeof(Deal) * kBoards)
        return "ce n'est pas une série Vrek : il contient " + std::to_string(records.size() / sizeof(Deal)) +
               " donnes au lieu de 96 au plus";
    return {};
}

Deal storedRecord(const std::string &records, int board) {
    Deal d;
    std::memcpy(static_cast<void *>(&d), records.data() + (board - 1) * sizeof(Deal), sizeof(Deal));
    return d;
}
}  // namespace

ImportScan scanSeriesRecords(const std::string &records) {
    ImportScan scan;
    scan.error = sizeFault(records);
    if (!scan.error.empty()) return scan;
    const int n = static_cast<int>(records.size() / sizeof(Deal));
    for (int b = 1; b <= n; ++b) scan.available[b - 1] = storedRecord(records, b).complete();
    scan.empty = scan.count() == 0;
    return scan;
}

ImportRead readSeriesRecords(const std::string &records, const std::string &texts, const std::vector<int> &boards) {
    ImportRead out;
    out.error = sizeFault(records);
    if (!out.ok()) return out;
    std::vector<std::string> lines = splitTextLines(texts);
    padLoadedText(lines);
    const int n = static_cast<int>(records.size() / sizeof(Deal));
    for (int d : boards) {
        if (d < 1 || d > n) {
            out.skipped.push_back(located(recordAt(d), "le fichier s'arrête avant cette donne"));
            continue;
        }
        ImportedDeal in;
        in.board = d;
        in.deal = storedRecord(records, d);
        std::string fault = recordFault(in.deal);
        if (fault.empty() && !in.deal.complete()) fault = "la donne n'est pas complète";
        if (!fault.empty()) {
            out.skipped.push_back(located(recordAt(d), fault));
            continue;
        }
        for (int i = 15 * d - 14; i <= 15 * d; ++i) in.lines.push_back(lines[i]);
        out.deals.push_back(std::move(in));
    }
    return out;
}

}  // namespace vrek
