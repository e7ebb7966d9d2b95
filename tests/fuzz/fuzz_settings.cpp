// The settings file vrek.ini: any bytes give the defaults or values in
// range, and a written file reads back the same.
#include "core/inifile.h"
#include "core/settings.h"
#include "fuzzcheck.h"

using fuzzcheck::require;

VREK_FUZZ_TARGET(settings) {
    const std::string bytes(reinterpret_cast<const char *>(data), size);
    const vrek::Settings s = vrek::settingsFromBytes(bytes, vrek::DateFormat::french());
    require(s.donne >= 0 && s.donne <= vrek::kBoards, "a board out of range");
    require(s.zoom >= vrek::kSmallestZoom && s.zoom <= vrek::kLargestZoom, "a zoom out of range");
    require(s.imprimante == 0 || s.imprimante == 1, "a print mode out of range");
    require(s.ligne >= 2 && s.ligne <= 6 && s.colonne >= 4 && s.colonne <= 8, "a label count out of range");
    for (int v : {s.margeD, s.margeH, s.largeur, s.hauteur}) require(v >= 0 && v <= 9999, "a label length out of range");
    require(s.ficheCouleur >= -1 && s.ficheCouleur <= 0xFFFFFF, "a colour out of range");
    vrek::IniFile ini, again;
    ini.parse(bytes);
    again.parse(ini.serialize());
    require(again.serialize() == ini.serialize(), "a settings file that does not read back");
}
