#include "info/history.h"

#include <chrono>

namespace vrek::info {

const std::vector<Release> &releases() {
    // clang-format off
    static const std::vector<Release> kReleases = {
        {"1.0", 2003, {"Saisie des donnes à la souris", "Distribution aléatoire des cartes restantes"}},
        {"2.0", 2004, {"Contraintes de distribution : points et longueurs par joueur"}},
        {"3.0", 2005, {"Fichiers pour la machine à distribuer Duplimate (DLM)", "Impression des mains pour l'auto-distribution"}},
        {"4.0", 2006, {"Exportation PBN pour WBridge5 et G.I.B.", "Importation des fichiers PBN"}},
        {"5.0", 2007, {"Impression des diagrammes de la série avec leurs commentaires"}},
        {"6.0", 2008, {"Fiches ambulantes sur feuilles vierges ou pré-imprimées"}},
        {"7.0", 2009, {"Statistiques de la série", "Probabilités des différentes répartitions"}},
        {"8.0", 2010, {"Saisie des diagrammes au clavier"}},
        {"9.0", 2011, {"Vérification du contrat au double mort", "Marque du contrat en duplicate"}},
        {"10.0", 2012, {"Etiquettes des étuis"}},
        {"11.0", 2013, {"Formats HandyDup et Dealer4 (DUP)", "Format Bridge Base Online (LIN)"}},
        {"12.0", 2014, {"Copie des mains et du diagramme dans le presse papier"}},
        {"13.0", 2015, {"Présentation au vidéo-projecteur", "Jeu de la carte et enchères à l'écran"}},
        {"14.0", 2016, {"Exportation DeepFinesse (DAT) et traitement de texte (RTF)", "Format des simultanés EASI"}},
        {"15.0", 2017, {"Jusqu'à neuf jeux de contraintes", "Ligne de jeu et probabilités"}},
        {"16.0", 2018, {"Insertion et suppression d'une donne avec décalage", "Recopie et permutation des diagrammes"}},
        {"17.0", 2019, {"Zoom de l'affichage", "Vérification automatique de la série"}},
        {"20.23.03", 2023, {"Recherche des mises à jour au démarrage", "Aides en PDF pour chaque menu",
                              "Annuler et Rétablir"}},
    };
    // clang-format on
    return kReleases;
}

const std::vector<std::string> &versionHistory() {
    static const std::vector<std::string> lines = [] {
        std::vector<std::string> out;
        for (const Release &r : releases()) {
            if (!out.empty()) out.emplace_back();
            out.push_back(std::string("Version ") + r.version + " : " + std::to_string(r.year));
            for (const char *n : r.news) out.push_back(std::string("     ") + n);
        }
        return out;
    }();
    return lines;
}

std::string debianChangelog(const std::string &package, const std::string &maintainer) {
    using namespace std::chrono;
    static const char *kDays[7] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    std::string out;
    const auto &all = releases();
    for (auto r = all.rbegin(); r != all.rend(); ++r) {
        if (!out.empty()) out += '\n';
        out += package + " (" + r->version + ") unstable; urgency=medium\n\n";
        for (const char *n : r->news) out += std::string("  * ") + n + "\n";
        const weekday day{sys_days{year{r->year} / January / 1}};
        out += "\n -- " + maintainer + "  " + kDays[day.c_encoding()] + ", 01 Jan " + std::to_string(r->year) +
               " 12:00:00 +0000\n";
    }
    return out;
}

}  // namespace vrek::info
