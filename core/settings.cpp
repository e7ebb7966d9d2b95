#include "core/settings.h"

#include <algorithm>
#include <cstdio>

#include "core/cards.h"
#include "core/fileio.h"

namespace vrek {

const char *const kSectionRepertoire = "R\xE9pertoire";

namespace {
constexpr const char *kFonct = "Fonctionnement";
constexpr const char *kEtiq = "Etiquettes";
constexpr const char *kMaj = "MiseAjour";
constexpr const char *kPresse = "PressePapier";
constexpr const char *kFiches = "Fiches";
constexpr const char *kSoiree = "Soiree";
// The label lengths' spin edits go up to this.
constexpr int kMaxLabelLength = 9999;

// Days from 1970-01-01 for a civil date (proleptic Gregorian).
long daysFromCivil(int y, int m, int d) {
    y -= m <= 2;
    long era = (y >= 0 ? y : y - 399) / 400;
    long yoe = y - era * 400;
    long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}
const long kEpoch = daysFromCivil(1899, 12, 30);
const long kLastDay = daysFromCivil(9999, 12, 31) - kEpoch;

std::string b(bool v) { return v ? "1" : "0"; }
}  // namespace

long dayNumber(int year, int month, int day) { return daysFromCivil(year, month, day) - kEpoch; }

void civilDate(long dayNo, int &year, int &month, int &day) {
    long z = dayNo + kEpoch + 719468;
    long era = (z >= 0 ? z : z - 146096) / 146097;
    long doe = z - era * 146097;
    long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    long y = yoe + era * 400;
    long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    long mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(y + (month <= 2));
}

namespace {
// A run of decimal digits at `p`, saturated far above any date field.
const char *digits(const char *p, long &out) {
    out = 0;
    const char *start = p;
    for (; *p >= '0' && *p <= '9'; ++p) out = std::min(out * 10 + (*p - '0'), 1000000L);
    return p == start ? nullptr : p;
}
}  // namespace

DateFormat DateFormat::french() {
    DateFormat f;
    f.parse = [](const std::string &s) -> std::optional<long> {
        long d, m, y;
        const char *p = digits(s.c_str(), d);
        if (!p || *p != '/' || !(p = digits(p + 1, m)) || *p != '/' || !(p = digits(p + 1, y)) || *p) return std::nullopt;
        if (y < 100) y += 2000;
        if (y > 9999 || m < 1 || m > 12 || d < 1 || d > 31) return std::nullopt;
        int yy, mm, dd;
        long n = dayNumber(static_cast<int>(y), static_cast<int>(m), static_cast<int>(d));
        civilDate(n, yy, mm, dd);
        if (dd != d) return std::nullopt;  // 31/02 and the like
        return n;
    };
    f.format = [](long n) {
        int y, m, d;
        civilDate(n, y, m, d);
        char buf[16];
        std::snprintf(buf, sizeof buf, "%02d/%02d/%04d", d, m, y);
        return std::string(buf);
    };
    return f;
}

std::optional<long long> profileNumber(const std::string &v) {
    size_t i = 0;
    const bool negative = !v.empty() && v[0] == '-';
    if (negative || (!v.empty() && v[0] == '+')) ++i;
    int base = 10;
    if (i < v.size() && v[i] == '$') {
        base = 16;
        ++i;
    } else if (i + 1 < v.size() && v[i] == '0' && (v[i + 1] == 'x' || v[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i == v.size()) return std::nullopt;
    // Saturates rather than wraps: a huge value is still "too big", never
    // some other number.
    constexpr long long kCeiling = 1LL << 40;
    long long n = 0;
    for (; i < v.size(); ++i) {
        const char c = v[i];
        int digit;
        if (c >= '0' && c <= '9') digit = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F') digit = c - 'A' + 10;
        else return std::nullopt;
        n = std::min(n * base + digit, kCeiling);
    }
    return negative ? -n : n;
}

int profileInt(const std::optional<std::string> &v, int def, int lo, int hi) {
    if (!v) return def;
    const auto n = profileNumber(*v);
    if (!n) return def;
    return static_cast<int>(std::clamp<long long>(*n, lo, hi));
}

Settings readSettings(const IniFile &ini, const DateFormat &df) {
    Settings s;
    auto in = [&](const char *sec, const char *key, int def, int lo, int hi) {
        return profileInt(ini.get(sec, key), def, lo, hi);
    };
    auto flag = [&](const char *sec, const char *key, bool def) {
        const auto v = ini.get(sec, key);
        const auto n = v ? profileNumber(*v) : std::nullopt;
        return n ? *n != 0 : def;
    };
    if (auto v = ini.get(kSectionRepertoire, "Travail")) s.travail = *v;
    // A board out of range names no board: the window starts at board 1.
    s.donne = in(kSectionRepertoire, "Donne", 0, -1, kBoards + 1);
    if (s.donne < 0 || s.donne > kBoards) s.donne = 0;
    s.automatise = flag(kFonct, "automatise", false);
    s.enregistrement = flag(kFonct, "enregistrement", false);
    s.zoom = in(kFonct, "Zoom", 10, kSmallestZoom, kLargestZoom);
    s.imprimante = in(kFonct, "Imprimante", 1, 0, 1);
    // The label dialog's ranges.
    s.ligne = in(kEtiq, "Ligne", 3, 2, 6);
    s.margeD = in(kEtiq, "Marge_D", 390, 0, kMaxLabelLength);
    s.largeur = in(kEtiq, "Largeur", 700, 0, kMaxLabelLength);
    s.colonne = in(kEtiq, "Colonne", 4, 4, 8);
    s.margeH = in(kEtiq, "Marge_H", 468, 0, kMaxLabelLength);
    s.hauteur = in(kEtiq, "Hauteur", 677, 0, kMaxLabelLength);
    s.noValide = flag(kMaj, "NoValide", false);
    if (auto v = ini.get(kMaj, "Date"); v && df.parse) {
        if (auto d = df.parse(*v); d && *d >= 0 && *d <= kLastDay) s.date = *d;
    }
    s.arial = flag(kPresse, "Arial", true);
    if (auto v = ini.get(kFiches, "Section"); v && v->size() == 1 && (*v)[0] >= 'A' && (*v)[0] <= 'T')
        s.ficheSection = *v;
    if (!s.ficheSection.empty()) s.ficheCouleur = in(kFiches, "Couleur", -1, -1, 0xFFFFFF);
    s.nombreDonnes = in(kSoiree, "NombreDonnes", kBoards, 1, kBoards);
    // An address left empty keeps its default.
    for (auto [key, value] : {std::pair{"Site", &s.site}, {"PageInformations", &s.pageInformations},
                              {"PageTelechargement", &s.pageTelechargement}, {"Courriel", &s.courriel}})
        if (auto v = ini.get(kMaj, key); v && !v->empty()) *value = *v;
    return s;
}

Settings settingsFromBytes(const std::string &bytes, const DateFormat &df) {
    IniFile ini;
    ini.parse(bytes);
    return readSettings(ini, df);
}

std::string loadSettings(const std::string &path, const DateFormat &df, Settings &out) {
    std::string bytes, err;
    if (readWholeFile(path, bytes, err, kMaxSettingsSize) == ReadStatus::Failed) bytes.clear();
    out = settingsFromBytes(bytes, df);
    return err;
}

bool expireUpdateOptOut(Settings &s, long today) {
    if (s.noValide && today - s.date > 30) {
        s.noValide = false;
        return true;
    }
    return false;
}

void writeExitSettings(IniFile &ini, const Settings &s, bool withWorkingFile) {
    if (withWorkingFile) {
        ini.set(kSectionRepertoire, "Travail", s.travail);
        ini.set(kSectionRepertoire, "donne", std::to_string(s.donne));
    }
    ini.set(kFonct, "automatise", b(s.automatise));
    ini.set(kFonct, "enregistrement", b(s.enregistrement));
    ini.set(kFonct, "Imprimante", std::to_string(s.imprimante));
    ini.set(kEtiq, "Ligne", std::to_string(s.ligne));
    ini.set(kEtiq, "Marge_D", std::to_string(s.margeD));
    ini.set(kEtiq, "Largeur", std::to_string(s.largeur));
    ini.set(kEtiq, "Colonne", std::to_string(s.colonne));
    ini.set(kEtiq, "Marge_H", std::to_string(s.margeH));
    ini.set(kEtiq, "Hauteur", std::to_string(s.hauteur));
    ini.set(kPresse, "Arial", b(s.arial));
}

void writeFicheSection(IniFile &ini, const Settings &s) {
    ini.set(kFiches, "Section", s.ficheSection);
    ini.set(kFiches, "Couleur", std::to_string(s.ficheCouleur));
}

void writeZoom(IniFile &ini, int zoom) { ini.set(kFonct, "Zoom", std::to_string(zoom)); }

void writeEveningSize(IniFile &ini, int boards) { ini.set(kSoiree, "NombreDonnes", std::to_string(boards)); }

std::vector<int> eveningBoards(const Settings &s) {
    std::vector<int> boards;
    for (int b = 1; b <= std::clamp(s.nombreDonnes, 1, kBoards); ++b) boards.push_back(b);
    return boards;
}

void writeNoValide(IniFile &ini, bool v) { ini.set(kMaj, "NoValide", b(v)); }

void writeUpdateOptOut(IniFile &ini, long today, const DateFormat &df) {
    ini.set(kMaj, "Date", df.format(today));
    ini.set(kMaj, "NoValide", "1");
}

}  // namespace vrek
