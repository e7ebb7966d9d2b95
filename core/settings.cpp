#include "core/settings.h"

#include <algorithm>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

namespace vrek {

const char *const kSectionRepertoire = "R\xE9pertoire";

namespace {
constexpr const char *kFonct = "Fonctionnement";
constexpr const char *kEtiq = "Etiquettes";
constexpr const char *kMaj = "MiseAjour";
constexpr const char *kPresse = "PressePapier";

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

DateFormat DateFormat::french() {
    DateFormat f;
    f.parse = [](const std::string &s) -> std::optional<long> {
        int d, m, y;
        char c1, c2;
        if (std::sscanf(s.c_str(), "%d%c%d%c%d", &d, &c1, &m, &c2, &y) != 5 || c1 != '/' || c2 != '/')
            return std::nullopt;
        if (y < 100) y += 2000;
        if (m < 1 || m > 12 || d < 1 || d > 31) return std::nullopt;
        int yy, mm, dd;
        long n = dayNumber(y, m, d);
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

int profileInt(const std::optional<std::string> &v, int def) {
    if (!v || v->empty()) return def;
    const char *p = v->c_str();
    char *end = nullptr;
    errno = 0;
    long n = std::strtol(p, &end, 10);
    if (end == p || *end != '\0' || errno == ERANGE || n < -2147483647L || n > 2147483647L) {
        // Hexadecimal as the desktop's integer reader accepts it.
        if (v->size() > 1 && ((*v)[0] == '$' || ((*v)[0] == '0' && ((*v)[1] == 'x' || (*v)[1] == 'X')))) {
            const char *h = p + ((*v)[0] == '$' ? 1 : 2);
            n = std::strtol(h, &end, 16);
            if (end != h && *end == '\0' && errno != ERANGE) return static_cast<int>(n);
        }
        return def;
    }
    return static_cast<int>(n);
}

Settings readSettings(const IniFile &ini, const DateFormat &df) {
    Settings s;
    auto in = [&](const char *sec, const char *key, int def) { return profileInt(ini.get(sec, key), def); };
    if (auto v = ini.get(kSectionRepertoire, "Travail")) s.travail = *v;
    s.donne = in(kSectionRepertoire, "Donne", 0);
    s.automatise = in(kFonct, "automatise", 0) != 0;
    s.enregistrement = in(kFonct, "enregistrement", 0) != 0;
    s.zoom = std::clamp(in(kFonct, "Zoom", 10), kSmallestZoom, kLargestZoom);
    s.imprimante = in(kFonct, "Imprimante", 1);
    s.ligne = in(kEtiq, "Ligne", 3);
    s.margeD = in(kEtiq, "Marge_D", 390);
    s.largeur = in(kEtiq, "Largeur", 700);
    s.colonne = in(kEtiq, "Colonne", 4);
    s.margeH = in(kEtiq, "Marge_H", 468);
    s.hauteur = in(kEtiq, "Hauteur", 677);
    s.noValide = in(kMaj, "NoValide", 0) != 0;
    if (auto v = ini.get(kMaj, "Date"); v && df.parse) {
        if (auto d = df.parse(*v)) s.date = *d;
    }
    s.arial = in(kPresse, "Arial", 1) != 0;
    // An address left empty keeps its default.
    for (auto [key, value] : {std::pair{"Site", &s.site}, {"PageInformations", &s.pageInformations},
                              {"PageTelechargement", &s.pageTelechargement}, {"Courriel", &s.courriel}})
        if (auto v = ini.get(kMaj, key); v && !v->empty()) *value = *v;
    return s;
}

bool expireUpdateOptOut(Settings &s, long today) {
    if (s.noValide && today - s.date > 30) {
        s.noValide = false;
        return true;
    }
    return false;
}

void writeExitSettings(IniFile &ini, const Settings &s) {
    ini.set(kSectionRepertoire, "Travail", s.travail);
    ini.set(kSectionRepertoire, "donne", std::to_string(s.donne));
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

void writeZoom(IniFile &ini, int zoom) { ini.set(kFonct, "Zoom", std::to_string(zoom)); }

void writeNoValide(IniFile &ini, bool v) { ini.set(kMaj, "NoValide", b(v)); }

void writeUpdateOptOut(IniFile &ini, long today, const DateFormat &df) {
    ini.set(kMaj, "Date", df.format(today));
    ini.set(kMaj, "NoValide", "1");
}

}  // namespace vrek
