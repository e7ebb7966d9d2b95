#include "formats/dge.h"

#include "formats/importdeal.h"
#include "formats/machinefiles.h"
#include "formats/recordfile.h"

namespace vrek {

namespace {
constexpr size_t kHands = 68;

int suitOfMark(char c) {
    switch (c) {
    case 0x06: return Spades;
    case 0x03: return Hearts;
    case 0x04: return Diamonds;
    case 0x05: return Clubs;
    }
    return 0;
}

bool blank(const std::string &bytes, size_t at) {
    for (size_t i = at; i < at + kHands && i < bytes.size(); ++i)
        if (rankOfLetter(bytes[i])) return false;
    return true;
}

bool signature(const std::string &bytes, size_t at) { return bytes[at] == 0x06; }

// The hands as a stream: 06 opens the next hand with its spades, 03, 04 and
// 05 open hearts, diamonds and clubs; zero bytes and blanks are padding.
bool read(const std::string &bytes, size_t at, DealBuilder &deal) {
    int seat = 0, suit = 0;
    for (size_t i = at; i < at + kDgeRecord && i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c == '\0' || c == ' ') continue;
        if (const int s = suitOfMark(c)) {
            if (s == Spades && ++seat > 4) return deal.refuse("l'enregistrement a plus de quatre mains");
            if (!seat) return deal.refuse("l'enregistrement ne commence pas par l'octet 06 de la main de Nord");
            suit = s;
        } else if (const int r = rankOfLetter(c)) {
            if (!seat) return deal.refuse("l'enregistrement ne commence pas par l'octet 06 de la main de Nord");
            if (!deal.place(seat, suit, r)) return false;
        } else {
            return deal.refuse("l'octet « " + quoted(std::string(1, c)) + " » n'est ni une carte ni une marque de couleur");
        }
    }
    return deal.finish(false);
}

const RecordFormat kDge{"DGE", kDgeRecord, kHands, blank, signature, read};
}  // namespace

std::string dgeRecord(const CardOwners &owners) { return rankLetterHands(owners) + std::string(60, '\0'); }

ExportOutput writeDge(const Series &s, const Selection &sel, const ExportOptions &opt) {
    return writeRecordFile(s, sel, opt, kDgeRecord, dgeRecord);
}

ImportScan scanDge(const std::string &bytes) { return scanRecords(kDge, bytes); }
ImportRead readDge(const std::string &bytes, const std::vector<int> &boards) { return readRecords(kDge, bytes, boards); }

}  // namespace vrek
