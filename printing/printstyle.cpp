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

std::string fitText(Canvas &c, const std::string &utf8, int width, double smallest) {
    while (c.textWidth(utf8) > width && c.font().size - 1 >= smallest) {
        Font f = c.font();
        f.size -= 1;
        c.setFont(f);
    }
    std::string t = utf8;
    while (!t.empty() && c.textWidth(t) > width) {
        // Back to the start of the last character.
        size_t cut = t.size() - 1;
        while (cut > 0 && (static_cast<unsigned char>(t[cut]) & 0xC0) == 0x80) --cut;
        t.erase(cut);
    }
    return t;
}

void boundedText(Canvas &c, int x, int y, const std::string &utf8, int right) {
    const Font before = c.font();
    const int line = c.textHeight(utf8);
    const std::string t = fitText(c, utf8, right - x, 1);
    // On the baseline of the text beside it: the ascent is about four fifths of a line.
    if (!t.empty()) c.text(x, y + (line - c.textHeight(t)) * 4 / 5, t);
    c.setFont(before);
}

int centredTitle(Canvas &c, int x, int y, const std::string &utf8, int left, int right) {
    if (right < 0) right = c.width();
    const Font before = c.font();
    const std::string t = fitText(c, utf8, right - left);
    const int w = c.textWidth(t);
    if (!t.empty()) c.text(std::max(left, std::min(x - w / 2, right - w)), y, t);
    const int bottom = y + c.textHeight(t);
    c.setFont(before);
    return bottom;
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
