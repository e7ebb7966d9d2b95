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

bool digit(char c) { return c >= '0' && c <= '9'; }

int twoDigits(const std::string &s, size_t at) {
    char a = s[at], b = s[at + 1];
    if (!digit(a) || !digit(b)) return -1;
    return (a - '0') * 10 + (b - '0');
}
}  // namespace

bool readIndexHands(const std::string &bytes, size_t at, DealBuilder &deal) {
    if (at + kCardsPart > bytes.size()) return deal.refuse("le fichier s'arrête avant les cartes de cette donne");
    for (int seat = North; seat <= South; ++seat)
        for (int k = 0; k < 13; ++k) {
            const size_t p = at + 26 * (seat - 1) + 2 * k;
            const int i = twoDigits(bytes, p);
            if (i < 1 || i > 52)
                return deal.refuse("l'indice de carte « " + quoted(bytes.substr(p, 2)) + " » " + ofSeat(seat) +
                                   " n'est pas un nombre de 01 à 52");
            if (!deal.place(seat, suitOfIndex(i), rankOfIndex(i))) return false;
        }
    return deal.finish(false);
}

ImportScan scanDup(const std::string &bytes) {
    ImportScan scan;
    const std::string line = firstLine(bytes);
    scan.empty = true;
    if (line.empty()) return scan;
    // A record begins with card indices, and its hands with the byte 06.
    if (!digit(line[0]) || (line.size() > 1 && !digit(line[1])) ||
        (line.size() > kCardsPart && line[kCardsPart] != 0x06)) {
        scan.error = "ce n'est pas un fichier DUP : ses premiers octets ne sont pas ceux d'une donne DUP";
        return scan;
    }
    const int n = recordsIn(line.size());
    for (int b = 1; b <= n; ++b) scan.available[b - 1] = true;
    scan.empty = n == 0;
    return scan;
}

ImportRead readDup(const std::string &bytes, const std::vector<int> &boards) {
    ImportRead out;
    const std::string line = firstLine(bytes);
    for (int j : boards) {
        DealBuilder deal(recordAt(j));
        if (j < 1 || j > kBoards) deal.refuse("le fichier s'arrête avant les cartes de cette donne");
        else readIndexHands(line, static_cast<size_t>(j - 1) * kDupRecord, deal);
        if (!deal.error().empty()) out.skipped.push_back(deal.error());
        else out.deals.push_back({j, deal.deal(), {}, {}});
    }
    return out;
}

}  // namespace vrek
