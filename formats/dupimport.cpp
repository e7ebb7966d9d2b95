#include "formats/dupimport.h"

#include "formats/cardorder.h"
#include "formats/dup.h"

namespace vrek {

namespace {
constexpr size_t kCardsPart = 78;  // North, East, South: 3 x 13 two-digit indices

std::string firstLine(const std::string &bytes) {
    size_t end = bytes.find_first_of("\r\n");
    return bytes.substr(0, end == std::string::npos ? bytes.size() : end);
}

int recordsIn(size_t length) {
    size_t n = length / kDupRecord + (length % kDupRecord > kCardsPart ? 1 : 0);
    return static_cast<int>(std::min<size_t>(n, kBoards));
}

int twoDigits(const std::string &s, size_t at) {
    char a = s[at], b = s[at + 1];
    if (a < '0' || a > '9' || b < '0' || b > '9') return -1;
    return (a - '0') * 10 + (b - '0');
}
}  // namespace

ImportScan scanDup(const std::string &bytes) {
    ImportScan scan;
    if (bytes.empty()) {
        scan.empty = true;
        return scan;
    }
    int n = recordsIn(firstLine(bytes).size());
    for (int b = 1; b <= n; ++b) scan.available[b - 1] = true;
    scan.empty = n == 0;
    return scan;
}

ImportRead readDup(const std::string &bytes, const std::vector<int> &boards) {
    ImportRead out;
    const std::string line = firstLine(bytes);
    for (int j : boards) {
        const size_t start = static_cast<size_t>(j - 1) * kDupRecord;
        if (j < 1 || j > kBoards || start + kCardsPart > line.size()) {
            out.error = boardFault(j, "le fichier s'arrête avant les cartes de cette donne");
            return out;
        }
        DealBuilder deal(j);
        bool used[53] = {};
        for (int seat = North; seat <= South; ++seat)
            for (int k = 0; k < 13; ++k) {
                const size_t at = start + 26 * (seat - 1) + 2 * k;
                int i = twoDigits(line, at);
                if (i < 1 || i > 52) {
                    out.error = boardFault(j, "l'indice de carte « " + quoted(line.substr(at, 2)) + " » " +
                                                  ofSeat(seat) + " n'est pas un nombre de 01 à 52");
                    return out;
                }
                if (!deal.place(seat, suitOfIndex(i), rankOfIndex(i))) {
                    out.error = deal.error();
                    return out;
                }
                used[i] = true;
            }
        for (int i = 1; i <= 52; ++i)
            if (!used[i] && !deal.place(West, suitOfIndex(i), rankOfIndex(i))) {
                out.error = deal.error();
                return out;
            }
        out.deals.push_back({j, deal.deal(), {}});
    }
    return out;
}

}  // namespace vrek
