#include "formats/contract.h"

#include <algorithm>

#include "core/cards.h"
#include "core/series.h"

namespace vrek {

namespace {
bool isOneOf(char c, const char *set) {
    for (; *set; ++set)
        if (c == *set) return true;
    return false;
}
}  // namespace

ContractReading readContract(const std::string &contractLine) {
    ContractReading r;
    const std::string text = contractLine.substr(0, std::min<size_t>(contractLine.size(), kContractWidth));
    const int n = static_cast<int>(text.size());
    // Positions count from 1, as the reading rules do.
    auto at = [&](int p) { return text[p - 1]; };

    int p = 1;
    if (n <= 1) return r;

    // Level: the first digit 1 .. 7. Without one there is no contract,
    // whatever character the search stopped on.
    while (!isOneOf(at(p), "1234567") && p < n) ++p;
    const char level = at(p);
    ++p;
    if (n <= p) return r;

    // Strain. A contract is written only whole: a level and a strain.
    while (!isOneOf(at(p), "CKPST") && p < n) ++p;
    if (isOneOf(level, "1234567") && isOneOf(at(p), "CKPST")) r.contract = std::string(1, level) + contractLetter(at(p));
    ++p;
    if (n <= p) return r;

    // Declarer; the leader sits on his left.
    while (!isOneOf(at(p), "ENOS") && p < n) ++p;
    switch (at(p)) {
    case 'N': r.declarer = North; break;
    case 'E': r.declarer = East; break;
    case 'S': r.declarer = South; break;
    case 'O': r.declarer = West; break;
    default: break;
    }
    if (r.declarer) r.leader = r.declarer % 4 + 1;
    ++p;
    if (n - 1 <= p) return r;

    // Lead: a rank character followed by a suit letter. Where the search
    // stopped on only one of the two, there is no lead.
    while (!isOneOf(at(p), "23456789ADRVX") && !isOneOf(at(p + 1), "CKPT") && p < n - 1) ++p;
    if (isOneOf(at(p), "23456789ADRVX") && isOneOf(at(p + 1), "CKPT"))
        r.lead = contractLetter(at(p + 1)) + contractLetter(at(p));
    return r;
}

}  // namespace vrek
