#include "core/constraints.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <filesystem>

#include "core/fileio.h"

namespace vrek {

int capOf(int byte) {
    if (byte == kMinPoints || byte == kMaxPoints) return 37;
    if (byte < 4 || byte >= kConstraintRecordSize) return 0;
    int field = (byte - 4) % 4;
    return field == kSuitMinPoints || field == kSuitMaxPoints ? 10 : 9;
}

void ConstraintRecord::reset() {
    b[kMinPoints] = 0;
    b[kMaxPoints] = 37;
    for (int suit = 1; suit <= 4; ++suit) {
        b[suitByte(suit, kSuitMinPoints)] = 0;
        b[suitByte(suit, kSuitMaxPoints)] = 10;
        b[suitByte(suit, kSuitMinLength)] = 0;
        b[suitByte(suit, kSuitMaxLength)] = 9;
    }
}

void ConstraintTable::touch() {
    static std::atomic<uint64_t> last{0};
    version_ = last.fetch_add(1, std::memory_order_relaxed) + 1;
}

void ConstraintTable::initialiseAll() {
    touch();
    for (auto &set : records_)
        for (auto &r : set) r.reset();
    sets_ = 1;
    editSet = 1;
    editSeat = 3;
}

std::string serializeConstraints(const ConstraintTable &t) {
    std::string out(kConstraintFileSize, '\0');
    for (int set = 0; set < kConstraintSets; ++set)
        for (int seat = 0; seat < 4; ++seat)
            std::memcpy(out.data() + 80 * set + 20 * seat, t.record(set + 1, seat + 1).b.data(), kConstraintRecordSize);
    out[kSetCountByte] = static_cast<char>(t.sets());
    return out;
}

namespace {
const char *const kSeatNames[4] = {"Nord", "Est", "Sud", "Ouest"};
const char *const kSuitNames[4] = {"Trèfle", "Carreau", "Cœur", "Pique"};

// "" or what makes one of the record's ranges impossible.
std::string impossibleRange(const ConstraintRecord &r) {
    auto check = [&r](int minByte, const std::string &what) -> std::string {
        const int lo = r[minByte], hi = r[minByte + 1], cap = capOf(minByte);
        const std::string head = "le minimum de " + what;
        if (lo > cap) return head + " vaut " + std::to_string(lo) + " (" + std::to_string(cap) + " au plus)";
        if (lo > hi) return head + " (" + std::to_string(lo) + ") dépasse le maximum (" + std::to_string(hi) + ")";
        return {};
    };
    std::string e = check(kMinPoints, "points de la main");
    for (int suit = 1; suit <= 4 && e.empty(); ++suit) {
        const std::string name = kSuitNames[suit - 1];
        e = check(suitByte(suit, kSuitMinPoints), "points à " + name);
        if (e.empty()) e = check(suitByte(suit, kSuitMinLength), "cartes à " + name);
    }
    return e;
}
}  // namespace

std::string parseConstraints(const std::string &bytes, const std::string &name, ConstraintTable &out) {
    if (bytes.size() != static_cast<size_t>(kConstraintFileSize))
        return "Le fichier " + name + " n'est pas un fichier de contraintes : il fait " +
               std::to_string(bytes.size()) + " octets au lieu de 720.";
    int sets = static_cast<unsigned char>(bytes[kSetCountByte]);
    if (sets < 1 || sets > kConstraintSets)
        return "Le fichier " + name + " n'est pas un fichier de contraintes valide : il annonce " +
               std::to_string(sets) + " niveaux de contraintes (de 1 à 9 attendus).";
    ConstraintTable t;
    for (int set = 0; set < kConstraintSets; ++set)
        for (int seat = 0; seat < 4; ++seat)
            std::memcpy(t.record(set + 1, seat + 1).b.data(), bytes.data() + 80 * set + 20 * seat,
                        kConstraintRecordSize);
    // A range no hand can meet would have every board dealt in vain to the
    // last attempt; the sets beyond the number are not dealt and not checked.
    for (int set = 1; set <= sets; ++set)
        for (int seat = 1; seat <= 4; ++seat)
            if (std::string why = impossibleRange(t.record(set, seat)); !why.empty())
                return "Le fichier " + name + " n'est pas un fichier de contraintes valide : au niveau " +
                       std::to_string(set) + ", pour " + kSeatNames[seat - 1] + ", " + why + ".";
    t.setSets(sets);
    t.editSet = static_cast<uint8_t>(sets);
    t.editSeat = 3;
    out = t;
    return {};
}

std::string openConstraints(const std::string &path, ConstraintTable &t) {
    // A file far too large is refused before it is read.
    std::error_code ec;
    auto size = std::filesystem::file_size(path, ec);
    if (!ec && size > static_cast<uintmax_t>(kConstraintFileSize))
        return "Le fichier " + path + " n'est pas un fichier de contraintes : il fait " + std::to_string(size) +
               " octets au lieu de 720.";
    std::string bytes, err;
    switch (readWholeFile(path, bytes, err, kConstraintFileSize)) {
    case ReadStatus::Missing: return "Le fichier de contraintes " + path + " n'existe pas.";
    case ReadStatus::Failed: return err;
    case ReadStatus::Ok: break;
    }
    return parseConstraints(bytes, path, t);
}

std::string saveConstraints(const std::string &path, ConstraintTable &t) {
    std::string err = writeFileAtomic(path, serializeConstraints(t));
    if (err.empty()) t.record(1, 1)[kSetCountByte] = static_cast<uint8_t>(t.sets());
    return err;
}

// --- editor rules --------------------------------------------------------

namespace {
bool isMinimum(int byte) { return byte == kMinPoints || (byte >= 4 && (byte - 4) % 2 == 0); }
}  // namespace

ValueBounds boundsOf(const ConstraintRecord &r, int byte) {
    int cap = capOf(byte);
    if (cap == 0) return {0, 255};  // bytes 2 and 3 are not edited
    // A value from a file may lie beyond the cap; the window then stays within 0 .. cap.
    if (isMinimum(byte)) return {0, std::min<int>(r[byte + 1], cap)};
    return {std::min<int>(r[byte - 1], cap), cap};
}

void setValue(ConstraintRecord &r, int byte, int value) {
    if (byte < 0 || byte >= kConstraintRecordSize) return;
    ValueBounds b = boundsOf(r, byte);
    r[byte] = static_cast<uint8_t>(std::clamp(value, b.lo, b.hi));
}

int typeValue(ConstraintRecord &r, int byte, int value) {
    if (byte < 0 || byte >= kConstraintRecordSize || capOf(byte) == 0) return 0;
    r[byte] = static_cast<uint8_t>(std::clamp(value, 0, capOf(byte)));
    return r[byte];
}

void stepValue(ConstraintRecord &r, int byte, int delta) {
    if (byte < 0 || byte >= kConstraintRecordSize) return;
    ValueBounds b = boundsOf(r, byte);
    setValue(r, byte, std::clamp<int>(r[byte], b.lo, b.hi) + delta);
}

ConstraintWarnings warningsOf(const ConstraintRecord &r) {
    int minLen = 0, maxLen = 0, minPts = 0, maxPts = 0;
    for (int suit = 1; suit <= 4; ++suit) {
        minLen += r[suitByte(suit, kSuitMinLength)];
        maxLen += r[suitByte(suit, kSuitMaxLength)];
        minPts += r[suitByte(suit, kSuitMinPoints)];
        maxPts += r[suitByte(suit, kSuitMaxPoints)];
    }
    ConstraintWarnings w;
    w.minLengths = minLen > 13;
    w.maxLengths = maxLen < 13;
    w.minPoints = r[kMinPoints] > maxPts;
    w.maxPoints = r[kMaxPoints] < minPts;
    return w;
}

bool addSet(ConstraintTable &t) {
    if (t.sets() < 1) t.setSets(1);
    if (t.sets() >= kConstraintSets) return false;
    const int n = t.sets() + 1;
    t.setSets(n);
    t.editSet = static_cast<uint8_t>(n);
    t.copySet(n - 1, n);
    return true;
}

bool removeSet(ConstraintTable &t) {
    if (t.sets() > kConstraintSets) t.setSets(kConstraintSets);
    if (t.sets() <= 1) return false;
    t.setSets(t.sets() - 1);
    if (t.editSet > t.sets()) t.editSet = static_cast<uint8_t>(t.sets());
    return true;
}

void initialiseEditedSet(ConstraintTable &t) {
    for (int seat = 1; seat <= 4; ++seat) t.record(t.editedSet(), seat).reset();
    t.editSeat = 3;
}

const char *seatTabCaption(int tab) {
    static const char *const captions[kSeatTabs] = {"  SUD  ", " NORD ", "OUEST", "   EST  "};
    return tab >= 0 && tab < kSeatTabs ? captions[tab] : "";
}

int seatOfTab(int tab) {
    static const int seats[kSeatTabs] = {3, 1, 4, 2};
    return tab >= 0 && tab < kSeatTabs ? seats[tab] : 3;
}

int tabOfSeat(int seat) {
    static const int tabs[5] = {0, 1, 3, 0, 2};
    return seat >= 1 && seat <= 4 ? tabs[seat] : 0;
}

const ConstraintField &constraintField(int i) {
    static const ConstraintField fields[kConstraintFields] = {
        {4, "ptmi", "uptmi", "Nombre de points minimuns à Trèfle"},
        {5, "ptma", "uptma", "Nombre de points Maximum à Trèfle"},
        {6, "ctmi", "uctmi", "Nombre de cartes minimum par couleur"},
        {7, "ctma", "uctma", "Nombre de cartes Maximum par couleur"},
        {8, "pkmi", "upkmi", "Nombre de points minim à Carreau"},
        {9, "pkma", "upkma", "Nombre de points Maximum à Carreau"},
        {10, "ckmi", "uckmi", "Nombre de cartes minimum par couleur"},
        {11, "ckma", "uckma", "Nombre de cartes Maximum par couleur"},
        {12, "pcmi", "upcmi", "Nombre de points à Coeur"},
        {13, "pcma", "upcma", "Nombre de points Maximum à Coeur"},
        {14, "ccmi", "uccmi", "Nombre de cartes Minimum à Coeur"},
        {15, "ccma", "uccma", "Nombre de cartes Maximum par couleur"},
        {16, "ppmi", "uppmi", "Nombre de points minimuns à Pique"},
        {17, "ppma", "uppma", "Nombre de points Maximum à Pique"},
        {18, "cpmi", "ucpmi", "Nombre de cartes minimum à Pique"},
        {19, "cpma", "ucpma", "Nombre de cartes Maximum par couleur"},
        {0, "pmi", "upmi", "Nombre de point d'honneur minimum de la main"},
        {1, "pma", "upma", "Nombre de points Maximum de la main"},
    };
    return fields[i >= 0 && i < kConstraintFields ? i : 0];
}

}  // namespace vrek
