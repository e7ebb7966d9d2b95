#include <gtest/gtest.h>

#include "core/settings.h"

using namespace vrek;

TEST(IniFile, NamesMatchWithoutRegardToCase) {
    IniFile f;
    f.parse("[r\xC9PERTOIRE]\r\nTRAVAIL=/home/a.vrk\r\ndonne=12\n[FONCTIONNEMENT]\nZOOM = 14\n");
    EXPECT_EQ(f.get(kSectionRepertoire, "Travail").value_or(""), "/home/a.vrk");
    EXPECT_EQ(f.get(kSectionRepertoire, "Donne").value_or(""), "12");
    EXPECT_EQ(f.get("Fonctionnement", "Zoom").value_or(""), "14");
    EXPECT_FALSE(f.get("Fonctionnement", "Travail").has_value());
    Settings s = readSettings(f, DateFormat::french());
    EXPECT_EQ(s.donne, 12);
    EXPECT_EQ(s.zoom, 14);
}

TEST(IniFile, SetReplacesInPlaceAppendsToItsSectionAndKeepsTheRest) {
    IniFile f;
    f.parse("; notes\r\n[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n");
    f.set("a", "X", "5");
    f.set("A", "z", "6");
    f.set("C", "w", "7");
    EXPECT_EQ(f.serialize(), "; notes\r\n[A]\r\nX=5\r\nz=6\r\n\r\n[B]\r\ny=2\r\n\r\n[C]\r\nw=7\r\n");
}

TEST(Settings, DefaultsWithoutAFile) {
    Settings s = readSettings(IniFile(), DateFormat::french());
    EXPECT_EQ(s.travail, "");
    EXPECT_EQ(s.donne, 0);
    EXPECT_FALSE(s.automatise);
    EXPECT_FALSE(s.enregistrement);
    EXPECT_EQ(s.zoom, 10);
    EXPECT_EQ(s.imprimante, 1);
    EXPECT_EQ(s.ligne, 3);
    EXPECT_EQ(s.colonne, 4);
    EXPECT_EQ(s.margeD, 390);
    EXPECT_EQ(s.margeH, 468);
    EXPECT_EQ(s.largeur, 700);
    EXPECT_EQ(s.hauteur, 677);
    EXPECT_FALSE(s.noValide);
    EXPECT_EQ(s.date, 0);
    EXPECT_TRUE(s.arial);
}

TEST(Settings, ValuesThatDoNotConvertGiveTheDefault) {
    IniFile f;
    f.parse("[Fonctionnement]\r\nZoom=grand\r\nautomatise=2\r\nImprimante=\r\n[MiseAjour]\r\nDate=31/02/2026\r\n"
            "NoValide=1\r\n[PressePapier]\r\nArial=0\r\n");
    Settings s = readSettings(f, DateFormat::french());
    EXPECT_EQ(s.zoom, 10);
    EXPECT_TRUE(s.automatise);  // any non-zero integer is true
    EXPECT_EQ(s.imprimante, 1);
    EXPECT_EQ(s.date, 0);
    EXPECT_TRUE(s.noValide);
    EXPECT_FALSE(s.arial);
}

TEST(Settings, ExitWriteHasItsKeysInOrder) {
    IniFile f;
    Settings s;
    s.travail = "/srv/Lundi.vrk";
    s.donne = 7;
    s.automatise = true;
    writeExitSettings(f, s);
    EXPECT_EQ(f.serialize(),
              "[R\xE9pertoire]\r\nTravail=/srv/Lundi.vrk\r\ndonne=7\r\n\r\n"
              "[Fonctionnement]\r\nautomatise=1\r\nenregistrement=0\r\nImprimante=1\r\n\r\n"
              "[Etiquettes]\r\nLigne=3\r\nMarge_D=390\r\nLargeur=700\r\nColonne=4\r\nMarge_H=468\r\nHauteur=677\r\n\r\n"
              "[PressePapier]\r\nArial=1\r\n");
    // Zoom is only written on its own, and the exit write leaves it alone.
    writeZoom(f, 13);
    writeExitSettings(f, s);
    EXPECT_EQ(readSettings(f, DateFormat::french()).zoom, 13);
}

TEST(Settings, UpdateOptOutLastsThirtyDays) {
    DateFormat df = DateFormat::french();
    long today = dayNumber(2026, 12, 8);
    IniFile f;
    writeUpdateOptOut(f, dayNumber(2026, 11, 7), df);  // 31 days ago
    EXPECT_EQ(f.get("MiseAjour", "Date").value_or(""), "07/11/2026");
    Settings s = readSettings(f, df);
    EXPECT_TRUE(s.noValide);
    EXPECT_TRUE(expireUpdateOptOut(s, today));
    EXPECT_FALSE(s.noValide);

    IniFile g;
    writeUpdateOptOut(g, dayNumber(2026, 11, 8), df);  // 30 days ago
    Settings t = readSettings(g, df);
    EXPECT_FALSE(expireUpdateOptOut(t, today));
    EXPECT_TRUE(t.noValide);
}

TEST(Settings, DayNumbersMatchTheDesktopCalendar) {
    EXPECT_EQ(dayNumber(1899, 12, 30), 0);
    EXPECT_EQ(dayNumber(1900, 1, 1), 2);
    int y, m, d;
    civilDate(dayNumber(2024, 2, 29), y, m, d);
    EXPECT_EQ(y * 10000 + m * 100 + d, 20240229);
    EXPECT_EQ(DateFormat::french().format(dayNumber(2026, 1, 5)), "05/01/2026");
    EXPECT_EQ(DateFormat::french().parse("5/1/2026").value_or(-1), dayNumber(2026, 1, 5));
    EXPECT_FALSE(DateFormat::french().parse("hier").has_value());
}

TEST(Settings, ProfileIntegers) {
    EXPECT_EQ(profileInt(std::string("42"), 0, -100, 100), 42);
    EXPECT_EQ(profileInt(std::string("-3"), 0, -100, 100), -3);
    EXPECT_EQ(profileInt(std::string("$1F"), 0, -100, 100), 31);
    EXPECT_EQ(profileInt(std::string("0x10"), 0, -100, 100), 16);
    EXPECT_EQ(profileInt(std::string("12abc"), 9, -100, 100), 9);
    EXPECT_EQ(profileInt(std::string("99999999999"), 9, -100, 100), 100);
    EXPECT_EQ(profileInt(std::nullopt, 5, -100, 100), 5);
}

// Whatever its notation, a value is brought into its key's range, so that no
// computation made with it overflows and a dialog shows what is stored.
TEST(Settings, EveryNumberIsBroughtIntoItsRange) {
    struct Case {
        const char *section, *key, *value;
        int Settings::*field;
        int expected;
    };
    const Case cases[] = {
        {"Etiquettes", "Marge_D", "2000000000", &Settings::margeD, 9999},
        {"Etiquettes", "Largeur", "$80000000", &Settings::largeur, 9999},
        {"Etiquettes", "Hauteur", "-$80000000", &Settings::hauteur, 0},
        {"Etiquettes", "Marge_H", "99999999999999999999999", &Settings::margeH, 9999},
        {"Etiquettes", "Ligne", "0x7fffffffffffffffff", &Settings::ligne, 6},
        {"Etiquettes", "Colonne", "-1", &Settings::colonne, 4},
        {"Fonctionnement", "Imprimante", "$FF", &Settings::imprimante, 1},
        {"Fonctionnement", "Zoom", "-2147483648", &Settings::zoom, kSmallestZoom},
        {"R\xE9pertoire", "Donne", "$7FFFFFFF", &Settings::donne, 0},
        {"Fiches", "Couleur", "$FFFFFFFF", &Settings::ficheCouleur, 0xFFFFFF},
        {"Soiree", "NombreDonnes", "0", &Settings::nombreDonnes, 1},
        {"Soiree", "NombreDonnes", "97", &Settings::nombreDonnes, 96},
        {"soiree", "nombredonnes", "24", &Settings::nombreDonnes, 24},
        {"Soiree", "NombreDonnes", "vingt", &Settings::nombreDonnes, 96},
    };
    for (const Case &c : cases) {
        IniFile f;
        // A colour counts only with its section's letter.
        f.parse(std::string("[") + c.section + "]\r\nSection=E\r\n" + c.key + "=" + c.value + "\r\n");
        EXPECT_EQ(readSettings(f, DateFormat::french()).*c.field, c.expected) << c.key << "=" << c.value;
    }
    // A date that overflows any field is no date.
    IniFile f;
    f.parse("[MiseAjour]\r\nDate=99999999999/99999999999/99999999999\r\nNoValide=$100000000\r\n");
    EXPECT_EQ(readSettings(f, DateFormat::french()).date, 0);
    EXPECT_TRUE(readSettings(f, DateFormat::french()).noValide);
}
