#include "printing/printstyle.h"

#include <algorithm>

#include "core/cp1252.h"

namespace vrek {

std::string frenchHolding(const Holding &h) {
    std::string s;
    for (int k = 1; k <= std::min<int>(h.count, kMaxHolding); ++k) s += frenchRank(h.rank(k));
    return s;
}

std::string dealerCode(int board) {
    static const char *const codes[] = {"O-", "N-", "E-", "S-"};
    return codes[board % 4];
}

std::string vulnerabilityCode(int board) {
    switch (vulnerabilityOf(board)) {
    case Vul::None: return "P";
    case Vul::NS: return "NS";
    case Vul::EW: return "EO";
    case Vul::Both: return "T";
    }
    return "P";
}

std::string dealerName(int board) {
    static const char *const names[] = {"Nord", "Est", "Sud", "Ouest"};
    return names[(board - 1 + 4) % 4];
}

std::string vulnerabilityName(int board) {
    switch (vulnerabilityOf(board)) {
    case Vul::None: return "Personne";
    case Vul::NS: return "Nord-Sud";
    case Vul::EW: return "Est-Ouest";
    case Vul::Both: return "Tous";
    }
    return "Personne";
}

std::string labelDealer(int board) {
    static const char *const names[] = {"NORD  ", "EST  ", "SUD  ", "OUEST  "};
    return names[(board - 1 + 4) % 4];
}

std::string labelVulnerability(int board) {
    switch (vulnerabilityOf(board)) {
    case Vul::None: return "PERS.";
    case Vul::NS: return "N-S";
    case Vul::EW: return "E-O";
    case Vul::Both: return "TOUS";
    }
    return "PERS.";
}

std::string printable(const std::string &storeBytes) { return cp1252ToUtf8(storeBytes); }

void centredText(Canvas &c, int x, int y, const std::string &utf8) { c.text(x - c.textWidth(utf8) / 2, y, utf8); }

void centredTitle(Canvas &c, int x, int y, const std::string &utf8) {
    const int w = c.textWidth(utf8);
    c.text(std::max(0, std::min(x - w / 2, c.width() - w)), y, utf8);
}

void rightText(Canvas &c, int x, int y, const std::string &utf8) { c.text(x - c.textWidth(utf8), y, utf8); }

void writeColourChoice(IniFile &ini, int choice) { ini.set("Fonctionnement", "Imprimante", std::to_string(choice)); }

void setFace(Canvas &c, const std::string &name, double size, bool bold, bool italic, bool underline) {
    Font f = c.font();
    f.name = name;
    f.size = size;
    f.pixels = false;
    f.bold = bold;
    f.italic = italic;
    f.underline = underline;
    c.setFont(f);
}

}  // namespace vrek
