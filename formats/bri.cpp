#include "formats/bri.h"

#include "formats/dupimport.h"
#include "formats/machinefiles.h"
#include "formats/recordfile.h"

namespace vrek {

namespace {
constexpr size_t kCards = 78;

bool blank(const std::string &bytes, size_t at) {
    for (size_t i = at; i < at + kCards && i < bytes.size(); ++i)
        if (bytes[i] != ' ' && bytes[i] != '0' && bytes[i] != '\0') return false;
    return true;
}

// Digits, then nothing but blanks and zero bytes after the cards.
bool signature(const std::string &bytes, size_t at) {
    if (bytes[at] < '0' || bytes[at] > '9') return false;
    for (size_t i = at + kCards; i < at + kBriRecord && i < bytes.size(); ++i)
        if (bytes[i] != ' ' && bytes[i] != '\0') return false;
    return true;
}

const RecordFormat kBri{"BRI", kBriRecord, kCards, blank, signature, readIndexHands};
}  // namespace

std::string briRecord(const CardOwners &owners) {
    return cardIndexHands(owners) + std::string(32, ' ') + std::string(18, '\0');
}

ExportOutput writeBri(const Series &s, const Selection &sel, const ExportOptions &opt) {
    return writeRecordFile(s, sel, opt, kBriRecord, briRecord);
}

ImportScan scanBri(const std::string &bytes) { return scanRecords(kBri, bytes); }
ImportRead readBri(const std::string &bytes, const std::vector<int> &boards) { return readRecords(kBri, bytes, boards); }

}  // namespace vrek
