// The main window's menus: one table of names and captions, one table of
// the main window's own handlers. The dialogs' items are connected where the
// dialogs are created (app/windows.cpp).
#include <QAction>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QSpinBox>
#include <algorithm>

#include "app/vrekhp.h"
#include "core/dealview.h"
#include "formats/formattable.h"
#include "platform/platform.h"
#include "platform/uiutil.h"

using namespace vrek;

namespace {

struct MenuItem {
    const char *name;
    const char *caption;
    bool offAtStart = false;
    std::vector<MenuItem> children = {};
};

// The export, import and insertion items come from the format table.
template <class Item>
std::vector<MenuItem> formatItems(const std::vector<Item> &items) {
    std::vector<MenuItem> out;
    for (const Item &i : items) out.push_back({i.name, i.caption});
    return out;
}

// The federation's results: an item that stays disabled, without an action.
std::vector<MenuItem> withResults(std::vector<MenuItem> items) {
    items.push_back({"FFBrsultats1", "FFB résultats                 (NET)", true});
    return items;
}

// Every item: name, caption, disabled until a series is open, sub-items.
// clang-format off
const std::vector<MenuItem> &menuTree() {
    static const std::vector<MenuItem> tree = {
        {"Fichier1", "&Fichier", false, {
            {"Nouveau1", "&Nouveau"},
            {"Ouvrir1", "&Ouvrir"},
            {"Enregistrer1", "&Enregistrer", true},
            {"EnregistrerSous1", "Enregistrer &Sous", true},
            {"Automatiser1", "&Mémoriser le nom du fichier de travail"},
            {"EnregistrementAutomatique1", "Enregistrement automatique du fichier de travail"},
            {"NombreDonnes1", "Nombre de donnes de la soirée…"},
            {"PreparerSoiree1", "Préparer la soirée…", true},
            {"RAZ", "&Remise à Zéro du Fichier", true},
            {"Exporter1", "E&xporter", true, formatItems(vrek::exportMenu())},
            {"Importer1", "&Importer", true, withResults(formatItems(vrek::importMenu(false)))},
            {"Inserer1", "Insérer", true, formatItems(vrek::importMenu(true))},
            {"Aide1", "Aides"},
            {"Quitter1", "&Quitter"}}},
        {"Edition1", "&Edition et Présentation", false, {
            {"Annuler1", "Annuler", true},
            {"Retablir1", "Rétablir", true},
            {"DESSIN1", "Copie d'une image dans le presse papier", false, {
                {"CopierlamainSud", "La main de Sud"},
                {"CopierlamainNord", "La main de Nord"},
                {"CopierMainEst", "La main d'Est"},
                {"CopierMaindOuest", "La main d'Ouest"},
                {"Copierlatable1", "Les quatre mains"},
                {"Lentame1", "Carte d'entame"}}},
            {"Copieduntextedanslepressepapier1", "Copie d'un texte dans le presse papier", false, {
                {"hme1", "Théme"},
                {"Contrt1", "Contrât"},
                {"CommentairesAttaquant1", "Commentaires Attaquant"},
                {"Commentairespourladfense1", "Commentaires pour la défense"},
                {"Enchres1", "Enchères"},
                {"LamaindeSud1", "La main de Sud"},
                {"LamaindeNord1", "La main de Nord"},
                {"LamaindEst1", "La main d'Est"},
                {"LamaindOuest1", "La main d'Ouest"},
                {"LeDiagramme1", "Le Diagramme"}}},
            {"PoliceArial1", "Police utilisée pour les diagrammes -> Arial"},
            {"PaliceArialBlack1", "Palice utilisée pour les diagrammes > Arial Black"},
            {"Prsentation1", "Présentation"},
            {"Aide2", "Aides"}}},
        {"Imprimer1", "&Imprimer", false, {
            {"Vrek1", "&Mains pour auto-distribution", true},
            {"Diagrammes1", "&Diagrammes de la série", true},
            {"Diagrammeschoisis1", "Quatre Dia&grammes choisis", true},
            {"HuitDiagrammeschoisis1", "Huit Diagrammes choisis", true},
            {"fiche", "&Fiches ambulantes", true, {
                {"Surfeuillesvierges1", "Sur feuilles vierges"},
                {"Surfeuillesprimprimes1", "Sur feuilles pré-imprimées"}}},
            {"Etiquettes1", "&Etiquettes", true, {
                {"Imprime1", "Im&prime"},
                {"Paramtres1", "P&aramètres"}}},
            {"Statistiques", "&Statistiques", true},
            {"Aide3", "Aides"}}},
        {"Distribution1", "&Caractéristiques de Distributions", false, {
            {"Caractristiques1", "C&ontraintes de distribution"},
            {"RInitialise1", "&Initialiser les contraintes"},
            {"Recopielediagramme", "&Recopie le diagramme donne 1", true},
            {"N3", "&Distribution Automatique", true},
            {"DistributionCle", "Distribution avec une clé…", true},
            {"Verif_Auto", "Vérification Automatique"},
            {"AnalyseDoubleMort", "Analyse au double mort de la série"},
            {"Vidage", "&Vidage du fichier des diagrammes", true},
            {"Permutation", "&Permutation du diagramme"},
            {"Recopiedundiagramme1", "Recopie d'un diagramme"},
            {"InsertionDonne", "Insertion d'une donne avec décalage"},
            {"SuppressionDonne", "Suppression d'une donne avec décalge"},
            {"Aide4", "Aides"}}},
        {"Statistiques1", "&Statistiques et Probabilités", false, {
            {"StatistiquesdelaSrie1", "Statistiques de la Série", true},
            {"Relev1", "&Relevé des statistique de la Série", true},
            {"Probabilits1", "&Probabilités des différentes répartitions"},
            {"Probabilit1", "Probabilités de répartition des résidus"},
            {"Approchestatistique1", "Ligne de jeu et probabilités (approche)"},
            {"Aide5", "Aides"}}},
        {"N5", "Informations", false, {
            {"Apropos1", "à &Propos"},
            {"Courier", "&M'écrire"},
            {"Information1", "&Informations sur mises à jour"},
            {"Nepasvrifierlamisejour1", "Ne pas vérifier automatiquement la mise à jour"},
            {"Aide6", "Aide Générale"}}},
        {"Affichage1", "Affichage/Zoom", false, {
            {"ZoomP", "Zoom +", false, {
                {"Plus1", "+ 1"}, {"Plus2", "+ 2"}, {"Plus3", "+ 3"}, {"Plus4", "+ 4"}, {"Plus5", "+ 5"}}},
            {"ZoomM", "Zoom -", false, {
                {"Moins1", "- 1"}, {"Moins2", "- 2"}, {"Moins3", "- 3"}, {"Moins4", "- 4"}, {"Moins5", "- 5"}}},
            {"Aide7", "Aides"}}},
    };
    return tree;
}
// clang-format on

using Handler = void (*)(TForm1 &);
const std::pair<const char *, Handler> kHandlers[] = {
    {"Nouveau1", [](TForm1 &f) { f.openSeriesDialog(true); }},
    {"Ouvrir1", [](TForm1 &f) { f.openSeriesDialog(false); }},
    {"Enregistrer1", [](TForm1 &f) { f.saveSeries(); }},
    {"EnregistrerSous1", [](TForm1 &f) { f.saveAs(); }},
    {"Automatiser1", [](TForm1 &f) { f.toggleAutomatiser(); }},
    {"EnregistrementAutomatique1", [](TForm1 &f) { f.toggleEnregistrementAutomatique(); }},
    {"RAZ", [](TForm1 &f) { f.resetSeries(); }},
    {"Vidage", [](TForm1 &f) { f.wipeDeals(); }},
    {"Quitter1", [](TForm1 &f) { f.close(); }},
    {"Quitter2", [](TForm1 &f) { f.close(); }},
    {"Annuler1", [](TForm1 &f) { f.undoClick(); }},
    {"Retablir1", [](TForm1 &f) { f.redoClick(); }},
    {"Recopielediagramme", [](TForm1 &f) { f.copyForward(); }},
    {"InsertionDonne", [](TForm1 &f) { f.insertBoard(); }},
    {"SuppressionDonne", [](TForm1 &f) { f.deleteBoard(); }},
    // The two font items are one choice.
    {"PoliceArial1", [](TForm1 &f) {
         f.action("PoliceArial1")->setChecked(true);
         f.action("PaliceArialBlack1")->setChecked(false);
         f.model().settings().arial = true;
     }},
    {"PaliceArialBlack1", [](TForm1 &f) {
         f.action("PoliceArial1")->setChecked(false);
         f.action("PaliceArialBlack1")->setChecked(true);
         f.model().settings().arial = false;
     }},
    // Switching the update check off lasts 30 days from today.
    {"Nepasvrifierlamisejour1", [](TForm1 &f) {
         Settings &s = f.model().settings();
         s.noValide = f.action("Nepasvrifierlamisejour1")->isChecked();
         if (s.noValide) {
             s.date = ui::todayNumber();
             f.writeIniValue([&s](IniFile &ini) { writeUpdateOptOut(ini, s.date, ui::localeDateFormat()); });
         } else {
             f.writeIniValue([](IniFile &ini) { writeNoValide(ini, false); });
         }
     }},
    // The board bar's field, where the number is typed.
    {"NombreDonnes1", [](TForm1 &f) {
         {
             QSignalBlocker b(f.EdSoiree);
             f.EdSoiree->setValue(f.model().settings().nombreDonnes);
         }
         f.EdSoiree->show();
         f.EdSoiree->setFocus();
         f.EdSoiree->selectAll();
     }},
    {"Plus1", [](TForm1 &f) { f.zoomBy(1); }},   {"Plus2", [](TForm1 &f) { f.zoomBy(2); }},
    {"Plus3", [](TForm1 &f) { f.zoomBy(3); }},   {"Plus4", [](TForm1 &f) { f.zoomBy(4); }},
    {"Plus5", [](TForm1 &f) { f.zoomBy(5); }},   {"Moins1", [](TForm1 &f) { f.zoomBy(-1); }},
    {"Moins2", [](TForm1 &f) { f.zoomBy(-2); }}, {"Moins3", [](TForm1 &f) { f.zoomBy(-3); }},
    {"Moins4", [](TForm1 &f) { f.zoomBy(-4); }}, {"Moins5", [](TForm1 &f) { f.zoomBy(-5); }},
};

}  // namespace

void TForm1::buildMenus() {
    QMenuBar *bar = menuBar();
    bar->setObjectName("MainMenu1");
    bar->setFont(QFont(QStringLiteral("Arial"), 8));
    std::function<void(QMenu *, const std::vector<MenuItem> &)> fill = [&](QMenu *m,
                                                                          const std::vector<MenuItem> &items) {
        for (const MenuItem &it : items) {
            QString caption = QString::fromUtf8(it.caption);
            if (it.children.empty()) {
                QAction *a = m->addAction(caption);
                a->setObjectName(it.name);
                a->setEnabled(!it.offAtStart);
            } else {
                QMenu *sub = m->addMenu(caption);
                sub->setObjectName(it.name);
                sub->menuAction()->setObjectName(QString(it.name));
                sub->menuAction()->setEnabled(!it.offAtStart);
                fill(sub, it.children);
            }
        }
    };
    for (const MenuItem &top : menuTree()) {
        QMenu *m = bar->addMenu(QString::fromUtf8(top.caption));
        m->setObjectName(top.name);
        fill(m, top.children);
    }
    QAction *quit = bar->addAction(QStringLiteral("Quitter"));
    quit->setObjectName("Quitter2");

    for (const char *n : {"Automatiser1", "EnregistrementAutomatique1", "PoliceArial1", "PaliceArialBlack1",
                          "Nepasvrifierlamisejour1"})
        action(n)->setCheckable(true);
    for (const auto &[name, handler] : kHandlers)
        connect(action(QString::fromLatin1(name)), &QAction::triggered, this, [this, h = handler] { h(*this); });

    // The desktop's usual keys, shown in the menus beside their items. Ctrl+P
    // prints the diagram page of the board on screen.
    const std::pair<const char *, QKeySequence::StandardKey> keys[] = {{"Nouveau1", QKeySequence::New},
                                                                       {"Ouvrir1", QKeySequence::Open},
                                                                       {"Enregistrer1", QKeySequence::Save},
                                                                       {"Diagrammes1", QKeySequence::Print}};
    for (const auto &[name, key] : keys) action(name)->setShortcut(key);
    action("Annuler1")->setShortcut(QKeySequence::Undo);
    // Both habits; the desktop's own Redo may already be one of them.
    QList<QKeySequence> redo{QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)};
    action("Retablir1")->setShortcuts(redo);
    // Board keys, wherever the focus is in the window.
    const std::pair<QKeySequence, int> moves[] = {
        {QKeySequence(Qt::Key_PageUp), -1},
        {QKeySequence(Qt::Key_PageDown), +1},
        {QKeySequence(Qt::CTRL | Qt::Key_Home), -kBoards},
        {QKeySequence(Qt::CTRL | Qt::Key_End), +kBoards},
    };
    for (const auto &[keys, step] : moves) {
        auto *a = new QAction(this);
        a->setObjectName(step == -1 ? "DonnePrecedente" : step == 1 ? "DonneSuivante" : step < 0 ? "PremiereDonne" : "DerniereDonne");
        a->setShortcut(keys);
        a->setShortcutContext(Qt::WindowShortcut);
        addAction(a);
        connect(a, &QAction::triggered, this, [this, s = step] {
            if (ws_.fileOpen()) gotoDeal(ws_.currentDeal() + s);
        });
    }
}

void TForm1::enableSeriesCommands() {
    for (const char *n : {"Enregistrer1", "EnregistrerSous1", "RAZ", "Vidage", "Exporter1", "Importer1", "Inserer1",
                          "Vrek1", "Diagrammes1", "Diagrammeschoisis1", "HuitDiagrammeschoisis1", "fiche",
                          "Etiquettes1", "Statistiques", "StatistiquesdelaSrie1", "Relev1", "N3", "DistributionCle",
                          "Recopielediagramme", "PreparerSoiree1"})
        action(n)->setEnabled(true);
    Distribution->setEnabled(true);
}

void TForm1::setEveningSize(int n) {
    Settings &s = ws_.settings();
    n = std::clamp(n, 1, kBoards);
    if (n == s.nombreDonnes) return;
    s.nombreDonnes = n;
    writeIniValue([n](IniFile &f) { writeEveningSize(f, n); });
    ws_.notify(ChangeSettings);
}

void TForm1::zoomBy(int step) {
    Settings &s = ws_.settings();
    s.zoom = zoomAfter(s.zoom, step);
    writeIniValue([&s](IniFile &f) { writeZoom(f, s.zoom); });
    pf_.information(this, QStringLiteral("Ne sera pris en compte qu'au redémarrage\n          Un Zoom de : ") +
                              QLocale().toString(s.zoom / 10.0, 'f', 2));
}
