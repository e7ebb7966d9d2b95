// The program's persistent settings and their place in vrek.ini.
#pragma once
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/cards.h"
#include "core/inifile.h"

namespace vrek {

// The zooms the window can be laid out at; a zoom read from the settings
// file or reached by the Zoom menu stays within them.
constexpr int kSmallestZoom = 3;
constexpr int kLargestZoom = 40;

struct Settings {
    std::string travail;  // working file name, Windows-1252 bytes
    int donne = 0;
    bool automatise = false;
    bool enregistrement = false;
    int zoom = 10;
    int imprimante = 1;
    int ligne = 3;
    int colonne = 4;
    int margeD = 390;
    int margeH = 468;
    int largeur = 700;
    int hauteur = 677;
    bool noValide = false;
    long date = 0;  // day number (days since 30/12/1899), 0 = no date
    bool arial = true;
    // The travellers' section (section Fiches): the letter the dialog last
    // showed and the colour chosen for it, as r + 256 g + 65536 b; -1 when
    // no colour was chosen.
    std::string ficheSection;
    int ficheCouleur = -1;
    // The maker's pages and mail address (section MiseAjour): read when the
    // file gives them, never written.
    std::string site = "http://www.vrek.fr/";
    std::string pageInformations = "http://www.vrek.fr/arbitrage/informations.html";
    std::string pageTelechargement = "http://www.vrek.fr/arbitrage/telechargement.html";
    std::string courriel = "contact@vrek.fr";
    // The evening's boards (section Soiree): the commands that go through the
    // series work on boards 1 .. nombreDonnes; 96 is the whole series.
    int nombreDonnes = kBoards;
};

// Boards 1 .. the evening's size, the default range of the series commands.
std::vector<int> eveningBoards(const Settings &s);

// Short-date text in the user's locale, both ways.
struct DateFormat {
    std::function<std::optional<long>(const std::string &)> parse;
    std::function<std::string(long)> format;
    // dd/MM/yyyy, the French short date.
    static DateFormat french();
};

// Day numbers counted like the desktop's dates: 30/12/1899 is day 0.
long dayNumber(int year, int month, int day);
void civilDate(long dayNo, int &year, int &month, int &day);

extern const char *const kSectionRepertoire;  // "Répertoire" in Windows-1252

// Every numeric value is brought into its range here, whatever its notation.
Settings readSettings(const IniFile &ini, const DateFormat &df);
// The settings file's bytes as read; what a reader of the file calls.
Settings settingsFromBytes(const std::string &bytes, const DateFormat &df);
// Reads the file at `path` (bounded) into `out`; a missing file gives the
// defaults. Returns "" or the French reason it could not be read (then
// `out` holds the defaults too).
std::string loadSettings(const std::string &path, const DateFormat &df, Settings &out);
// The 30-day lapse of the update opt-out. Returns true when NoValide was
// switched back off and must be written at once.
bool expireUpdateOptOut(Settings &s, long today);

// The keys written at exit and after a command-line open, in their order.
// Without a series open in this run the working-file keys (Travail, donne)
// are left as they are: they belong to whoever has a series.
void writeExitSettings(IniFile &ini, const Settings &s, bool withWorkingFile = true);
void writeFicheSection(IniFile &ini, const Settings &s);
void writeZoom(IniFile &ini, int zoom);
// Written when the user sets it, never at exit: a file without the key
// keeps the whole series as the evening.
void writeEveningSize(IniFile &ini, int boards);
void writeNoValide(IniFile &ini, bool v);
void writeUpdateOptOut(IniFile &ini, long today, const DateFormat &df);

// Integer value as the profile reader sees it (decimal, "$" or "0x"
// hexadecimal, negative; a huge one saturates), or nullopt.
std::optional<long long> profileNumber(const std::string &v);
// That value brought into [lo, hi], or `def` when it does not convert.
int profileInt(const std::optional<std::string> &v, int def, int lo, int hi);

}  // namespace vrek
