#include "formats/recordfile.h"

namespace vrek {

namespace {
int recordsIn(const RecordFormat &f, size_t length) {
    const size_t n = length / f.size + (length % f.size >= f.cards ? 1 : 0);
    return static_cast<int>(std::min<size_t>(n, kBoards));
}

size_t startOf(const RecordFormat &f, int board) { return static_cast<size_t>(board - 1) * f.size; }
}  // namespace

ImportScan scanRecords(const RecordFormat &f, const std::string &bytes) {
    ImportScan scan;
    scan.empty = true;
    const int n = recordsIn(f, bytes.size());
    bool checked = false;
    for (int b = 1; b <= n; ++b) {
        if (f.blank(bytes, startOf(f, b))) continue;
        if (!checked && !f.signature(bytes, startOf(f, b))) {
            scan.error = std::string("ce n'est pas un fichier ") + f.name + " : l'enregistrement " + std::to_string(b) +
                         " n'a pas la forme d'une donne " + f.name;
            return scan;
        }
        checked = true;
        scan.available[b - 1] = true;
    }
    // Something, but not one whole record.
    if (n == 0 && bytes.find_first_not_of(std::string(" \r\n\0", 4)) != std::string::npos)
        scan.error = std::string("ce n'est pas un fichier ") + f.name + " : il ne contient pas un seul enregistrement de " +
                     std::to_string(f.size) + " octets";
    scan.empty = scan.count() == 0;
    return scan;
}

ImportRead readRecords(const RecordFormat &f, const std::string &bytes, const std::vector<int> &boards) {
    ImportRead out;
    const int n = recordsIn(f, bytes.size());
    for (int b : boards) {
        DealBuilder deal(recordAt(b));
        if (b < 1 || b > n) deal.refuse("le fichier s'arrête avant les cartes de cette donne");
        else if (f.blank(bytes, startOf(f, b))) deal.refuse("l'enregistrement ne contient aucune carte");
        else f.read(bytes, startOf(f, b), deal);
        if (!deal.error().empty()) out.skipped.push_back(deal.error());
        else out.deals.push_back({b, deal.deal(), {}, {}});
    }
    return out;
}

}  // namespace vrek
