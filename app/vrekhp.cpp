#include "app/vrekhp.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QFontMetrics>
#include <QFrame>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <QMenu>
#include <QMenuBar>
#include <QTextBlock>

#include "app/platform.h"
#include "app/vrekpermut.h"
#include "app/windows.h"
#include "core/cp1252.h"
#include "core/dealview.h"
#include "core/fileio.h"
#include "core/seriesfile.h"

using namespace vrek;

std::function<bool(TForm1 &)> TForm1::updateCheck;

namespace {

const QColor kGreen(0, 128, 0);
const QColor kYellow(255, 255, 0);
const QColor kWhite(255, 255, 255);
const QColor kRed(255, 0, 0);

// Prefixes of seats and suffixes of suits in control names.
const char *const kSeatPrefix[4] = {"No", "Es", "Su", "Ou"};
const char *const kSuitSuffix[4] = {"Tr", "Ca", "Co", "Pi"};
// Glyph label names: [seat-1][suit-1].
const char *const kGlyphName[4][4] = {{"TN", "KN", "CN", "PN"},
                                      {"TE", "KE", "CE", "PE"},
                                      {"TS", "KS", "CS", "PS"},
                                      {"TOU", "KO", "CO", "PO"}};
const char *const kPackName[4] = {"trefle", "Carreau", "Coeur", "Pique"};
const char *const kPackGlyph[4] = {"TT", "KT", "CT", "PT"};
// Suit signs on screen.
const QString kSuitSign[4] = {QString(QChar(0x2663)), QString(QChar(0x2666)), QString(QChar(0x2665)),
                              QString(QChar(0x2660))};
const char *const kPointsName[4] = {"PointsN", "PointsE", "PointsS", "PointsO"};
const char *const kPointsHint[4] = {"Points Honneurs Longueurs de Nord", "Points Honneurs Longueurs d'Est",
                                    "Points Honneurs Longueurs de Sud", "Points Honneurs Longueurs d'Ouest"};
const char *const kVulName[4] = {"VulN", "VulE", "VulS", "VulO"};
const char *const kSeatText[4] = {"N", "E", "S", "O"};

// Designed geometry of the deal panel (350 x 419 units): top-left of each
// seat's block of four labels, spades first.
const int kBlockX[4] = {128, 236, 128, 6};
const int kBlockY[4] = {6, 128, 222, 128};
const int kRowH = 17;
const int kHandW = 100;

bool suitIsRed(int suit) { return suit == Diamonds || suit == Hearts; }

void setColours(QWidget *w, const QColor &bg, const QColor &fg) {
    QPalette p = w->palette();
    if (bg.isValid()) {
        p.setColor(QPalette::Window, bg);
        w->setAutoFillBackground(true);
    } else {
        w->setAutoFillBackground(false);
    }
    p.setColor(QPalette::WindowText, fg);
    w->setPalette(p);
}

// Text of the store (Windows-1252) for a window.
QString fromStore(const std::string &s) { return QString::fromStdString(cp1252ToUtf8(s)); }
std::string toStore(const QString &s) {
    auto b = utf8ToCp1252(s.toStdString());
    if (b) return *b;
    // Unreachable through the guarded fields; drop what does not fit.
    std::string out;
    for (QChar c : s) {
        int v = cp1252Byte(c.unicode());
        if (v >= 0) out += static_cast<char>(v);
    }
    return out;
}

// Lines of a plain-text field.
QStringList fieldLines(const QPlainTextEdit *e) {
    QStringList l;
    for (QTextBlock b = e->document()->firstBlock(); b.isValid(); b = b.next()) l << b.text();
    return l;
}

QFrame *panel(QWidget *parent, const char *name) {
    auto *f = new QFrame(parent);
    f->setObjectName(name);
    f->setFrameShape(QFrame::Panel);
    f->setFrameShadow(QFrame::Raised);
    return f;
}

DateFormat localeDateFormat() {
    QString fmt = platform().shortDateFormat();
    const QDate epoch(1899, 12, 30);
    DateFormat f;
    f.parse = [fmt, epoch](const std::string &s) -> std::optional<long> {
        QString t = QString::fromStdString(cp1252ToUtf8(s));
        QDate d = QDate::fromString(t, fmt);
        // Two-digit years read as this century, as the desktop's date reader does.
        if (d.isValid() && d.year() < 1950 && fmt.count('y') == 2) d = d.addYears(100);
        if (!d.isValid()) return std::nullopt;
        return static_cast<long>(epoch.daysTo(d));
    };
    f.format = [fmt, epoch](long n) { return toStore(epoch.addDays(n).toString(fmt)); };
    return f;
}

long todayNumber() { return static_cast<long>(QDate(1899, 12, 30).daysTo(platform().today())); }

}  // namespace

// ---------------------------------------------------------------- start-up

TForm1::TForm1(const QStringList &args, QWidget *parent) : QMainWindow(parent) {
    setObjectName("Form1");
    buildMenus();
    auto *central = new QWidget(this);
    central->setObjectName("central");
    setCentralWidget(central);
    Table = panel(central, "Table");
    setColours(Table, kGreen, Qt::black);
    Panel5 = panel(central, "Panel5");
    Panel6 = panel(central, "Panel6");
    buildDealPanel();
    buildTextPanel();
    ScrollBar1 = new QScrollBar(Qt::Horizontal, Panel6);
    ScrollBar1->setObjectName("ScrollBar1");
    ScrollBar1->setRange(1, kBoards);
    ScrollBar1->setPageStep(1);
    ScrollBar1->hide();
    connect(ScrollBar1, &QScrollBar::valueChanged, this, [this](int v) { navigated(v); });
    showDealControls(false);
    startUp(args);
}

TForm1::~TForm1() = default;

void TForm1::startUp(const QStringList &args) {
    // 1. Caption.
    setWindowTitle(QStringLiteral("DISTRIBUTEUR DE MAIN DE BRIDGE Version ") + kVersion);
    // 3. Settings.
    iniFileName = platform().programFolder() + "vrek.ini";
    readSettings();
    action("PoliceArial1")->setChecked(settings.arial);
    action("PaliceArialBlack1")->setChecked(!settings.arial);
    action("Automatiser1")->setChecked(settings.automatise);
    action("EnregistrementAutomatique1")->setChecked(settings.enregistrement);
    action("Nepasvrifierlamisejour1")->setChecked(settings.noValide);
    // 4. Layout for the zoom read now; later changes wait for the next start.
    layoutZoom = settings.zoom;
    layoutForZoom(layoutZoom);
    // 6. The text store starts empty until a series is opened.
    series.lines.clear();
    // 8. Update check.
    if (!settings.noValide && updateCheck) endRequested = updateCheck(*this);
    // 9. A series named on the command line.
    if (!args.isEmpty() && QFileInfo(args.first()).suffix().toUpper() == "VRK" &&
        args.first().toUpper().endsWith(".VRK")) {
        if (openSeries(QFileInfo(args.first()).absoluteFilePath())) {
            workingFileName = seriesFileName;
            settings.travail = toStore(workingFileName);
            writeExitSettings();
            cancelPendingExchange();
        }
    } else if (settings.automatise) {
        // 10. The remembered working file, at the remembered board.
        int board = settings.donne >= 1 && settings.donne <= kBoards ? settings.donne : 1;
        if (openSeries(workingFileName)) {
            if (board != currentDeal) gotoDeal(board);
        }
    }
    // 11.
    action("EnregistrementAutomatique1")->setEnabled(action("Automatiser1")->isChecked());
}

void TForm1::readSettings() {
    IniFile ini;
    std::string bytes, err;
    if (readWholeFile(iniFileName.toStdString(), bytes, err) == ReadStatus::Ok) ini.parse(bytes);
    settings = vrek::readSettings(ini, localeDateFormat());
    workingFileName = fromStore(settings.travail);
    if (expireUpdateOptOut(settings, todayNumber())) writeIniValue([](IniFile &f) { writeNoValide(f, false); });
}

bool TForm1::writeIniValue(const std::function<void(IniFile &)> &edit) {
    IniFile ini;
    std::string bytes, err;
    std::string path = iniFileName.toStdString();
    ReadStatus st = readWholeFile(path, bytes, err);
    if (st == ReadStatus::Ok) ini.parse(bytes);
    edit(ini);
    std::string e = writeFileAtomic(path, ini.serialize());
    if (!e.empty()) {
        platform().error(this, QString::fromStdString(e));
        return false;
    }
    return true;
}

bool TForm1::writeExitSettings() {
    settings.travail = toStore(workingFileName);
    settings.donne = currentDeal;
    settings.automatise = action("Automatiser1")->isChecked();
    settings.enregistrement = action("EnregistrementAutomatique1")->isChecked();
    settings.arial = action("PoliceArial1")->isChecked();
    return writeIniValue([this](IniFile &f) { vrek::writeExitSettings(f, settings); });
}

// ---------------------------------------------------------------- menus

namespace {
struct Item {
    const char *name;
    const char *caption;
    bool offAtStart = false;
    std::vector<Item> children = {};
};
}  // namespace

void TForm1::buildMenus() {
    const std::vector<Item> tree = {
        {"Fichier1", "&Fichier", false, {
            {"Nouveau1", "&Nouveau"},
            {"Ouvrir1", "&Ouvrir"},
            {"Enregistrer1", "&Enregistrer", true},
            {"EnregistrerSous1", "Enregistrer &Sous", true},
            {"Automatiser1", "&Mémoriser le nom du fichier de travail"},
            {"EnregistrementAutomatique1", "Enregistrement automatique du fichier de travail"},
            {"RAZ", "&Remise à Zéro du Fichier", true},
            {"Exporter1", "E&xporter", true, {
                {"Baco1", "Deep&Finesse                 (DAT)"},
                {"Wbridge1", "Wbridge5    Vull->All     (PNB)"},
                {"GIB1", "G. I. B.    Vull->Both     (PNB)"},
                {"BridgeBaseOnline1", "Bridge Base Online         (LIN)"},
                {"FormatSimultansEASI1", "Simultanés EASI             (TXT)"},
                {"Traitementdetexte1", "Traitement de texte      (RTF)"},
                {"HandyDup1", "HandyDup                     (DUP)"},
                {"Dealer41", "Dealer4                          (DUP)"},
                {"Duplimate1", "Duplimate                       (DLM)"}}},
            {"Importer1", "&Importer", true, {
                {"WBridge51", "WBridge5                       (PBN)"},
                {"GIB2", "G.I.B.                            (PBN)"},
                {"HundyDup1", "&HundyDup                     (DUP)"},
                {"Duplimate2", "Duplimate                      (DLM)"},
                {"FFBrsultats1", "FFB résultats                 (NET)", true}}},
            {"Inserer1", "Insérer", true, {
                {"WBridge5Insert", "WBridge5                       (PBN)"},
                {"GIB1Insert", "G.I.B.                            (PBN)"},
                {"HundyDup1Insert", "&HundyDup                     (DUP)"},
                {"Duplimate1Insert", "Duplimate                      (DLM)"},
                {"Vrk1Insert", "Vrek                              (VRK)"}}},
            {"Aide1", "Aides"},
            {"Quitter1", "&Quitter"}}},
        {"Edition1", "&Edition et Présentation", false, {
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
            {"Verif_Auto", "Vérification Automatique"},
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
            {"Aide5", "Aides", true}}},
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
    QMenuBar *bar = menuBar();
    bar->setObjectName("MainMenu1");
    bar->setFont(QFont(QStringLiteral("Arial"), 8));
    std::function<void(QMenu *, const std::vector<Item> &)> fill = [&](QMenu *m, const std::vector<Item> &items) {
        for (const Item &it : items) {
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
    for (const Item &top : tree) {
        QMenu *m = bar->addMenu(QString::fromUtf8(top.caption));
        m->setObjectName(top.name);
        fill(m, top.children);
    }
    QAction *quit = bar->addAction(QStringLiteral("Quitter"));
    quit->setObjectName("Quitter2");

    for (const char *n : {"Automatiser1", "EnregistrementAutomatique1", "PoliceArial1", "PaliceArialBlack1",
                          "Nepasvrifierlamisejour1"})
        action(n)->setCheckable(true);

    connect(action("Nouveau1"), &QAction::triggered, this, [this] { openSeriesDialog(true); });
    connect(action("Ouvrir1"), &QAction::triggered, this, [this] { openSeriesDialog(false); });
    connect(action("Enregistrer1"), &QAction::triggered, this, [this] { saveSeries(); });
    connect(action("EnregistrerSous1"), &QAction::triggered, this, [this] { saveAs(); });
    connect(action("Automatiser1"), &QAction::triggered, this, [this] { toggleAutomatiser(); });
    connect(action("EnregistrementAutomatique1"), &QAction::triggered, this,
            [this] { toggleEnregistrementAutomatique(); });
    connect(action("RAZ"), &QAction::triggered, this, [this] { resetSeries(); });
    connect(action("Vidage"), &QAction::triggered, this, [this] { wipeDeals(); });
    connect(action("Quitter1"), &QAction::triggered, this, [this] { close(); });
    connect(quit, &QAction::triggered, this, [this] { close(); });
    // The two font items are one choice.
    connect(action("PoliceArial1"), &QAction::triggered, this, [this] {
        action("PoliceArial1")->setChecked(true);
        action("PaliceArialBlack1")->setChecked(false);
        settings.arial = true;
    });
    connect(action("PaliceArialBlack1"), &QAction::triggered, this, [this] {
        action("PoliceArial1")->setChecked(false);
        action("PaliceArialBlack1")->setChecked(true);
        settings.arial = false;
    });
    connect(action("Recopielediagramme"), &QAction::triggered, this, [this] { copyForward(); });
    connect(action("InsertionDonne"), &QAction::triggered, this, [this] { insertBoard(); });
    connect(action("SuppressionDonne"), &QAction::triggered, this, [this] { deleteBoard(); });
    connect(action("Permutation"), &QAction::triggered, this, [this] { permutationClick(false); });
    connect(action("Recopiedundiagramme1"), &QAction::triggered, this, [this] { permutationClick(true); });
    // Switching the update check off lasts 30 days from today.
    connect(action("Nepasvrifierlamisejour1"), &QAction::triggered, this, [this] {
        settings.noValide = action("Nepasvrifierlamisejour1")->isChecked();
        if (settings.noValide) {
            settings.date = todayNumber();
            writeIniValue([this](IniFile &f) { writeUpdateOptOut(f, settings.date, localeDateFormat()); });
        } else {
            writeIniValue([](IniFile &f) { writeNoValide(f, false); });
        }
    });
    for (int i = 1; i <= 5; ++i) {
        connect(action(QString("Plus%1").arg(i)), &QAction::triggered, this, [this, i] { zoomBy(i); });
        connect(action(QString("Moins%1").arg(i)), &QAction::triggered, this, [this, i] { zoomBy(-i); });
    }
}

QAction *TForm1::action(const QString &name) const {
    const auto all = findChildren<QAction *>(name);
    for (QAction *a : all)
        if (!a->menu()) return a;
    return all.isEmpty() ? nullptr : all.first();
}

QMenu *TForm1::menu(const QString &name) const { return findChild<QMenu *>(name); }

void TForm1::enableSeriesCommands() {
    for (const char *n : {"Enregistrer1", "EnregistrerSous1", "RAZ", "Vidage", "Exporter1", "Importer1", "Inserer1",
                          "Vrek1", "Diagrammes1", "Diagrammeschoisis1", "HuitDiagrammeschoisis1", "fiche",
                          "Etiquettes1", "Statistiques", "StatistiquesdelaSrie1", "Relev1", "N3",
                          "Recopielediagramme"})
        action(n)->setEnabled(true);
    Distribution->setEnabled(true);
}

// ---------------------------------------------------------------- layout

void TForm1::buildDealPanel() {
    QFont courier("Courier New", 10);
    courier.setStyleHint(QFont::TypeWriter);
    for (int seat = 1; seat <= 4; ++seat)
        for (int suit = 1; suit <= 4; ++suit) {
            auto *l = new ClickLabel(Table);
            l->setObjectName(QString(kSeatPrefix[seat - 1]) + kSuitSuffix[suit - 1]);
            l->setToolTip(QStringLiteral("Cliquer pour enlever une carte"));
            l->setFont(courier);
            l->setContextMenuPolicy(Qt::PreventContextMenu);
            setColours(l, kWhite, Qt::black);
            hand[seat - 1][suit - 1] = l;
            connect(l, &ClickLabel::pressed, this, [this, seat, suit](int x, Qt::MouseButton b) {
                emit handPressed(seat, suit, x, b);
                handPressedAt(seat, suit, x, b);
            });
            auto *g = new QLabel(kSuitSign[suit - 1], Table);
            g->setObjectName(kGlyphName[seat - 1][suit - 1]);
            g->setAlignment(Qt::AlignCenter);
            g->setAttribute(Qt::WA_TransparentForMouseEvents);
            setColours(g, kWhite, suitIsRed(suit) ? kRed : QColor(Qt::black));
            handGlyph[seat - 1][suit - 1] = g;
        }
    for (int seat = 1; seat <= 4; ++seat) {
        auto *p = new QLabel(Table);
        p->setObjectName(kPointsName[seat - 1]);
        p->setToolTip(QString::fromUtf8(kPointsHint[seat - 1]));
        setColours(p, QColor(), kWhite);
        points[seat - 1] = p;
    }
    Panel1 = panel(Table, "Panel1");
    setColours(Panel1, QColor(192, 192, 192), Qt::black);
    Panel1Caption = new QLabel(Panel1);
    Panel1Caption->setObjectName("Panel1Caption");
    Panel1Caption->setAlignment(Qt::AlignCenter);
    for (int seat = 1; seat <= 4; ++seat) {
        auto *v = new QLabel(kSeatText[seat - 1], Panel1);
        v->setObjectName(kVulName[seat - 1]);
        v->setAlignment(Qt::AlignCenter);
        setColours(v, kGreen, Qt::black);
        vul[seat - 1] = v;
    }
    Panel2 = panel(Table, "Panel2");
    setColours(Panel2, kGreen, Qt::black);
    for (int suit = 1; suit <= 4; ++suit) {
        auto *l = new ClickLabel(Panel2);
        l->setObjectName(kPackName[suit - 1]);
        l->setToolTip(QStringLiteral("Cliquer sur la carte à distribuer"));
        l->setFont(courier);
        l->setContextMenuPolicy(Qt::PreventContextMenu);
        setColours(l, kWhite, Qt::black);
        pack[suit - 1] = l;
        connect(l, &ClickLabel::pressed, this,
                [this, suit](int x, Qt::MouseButton b) {
                    emit packPressed(suit, x, b);
                    packPressedAt(suit, x, b);
                });
        auto *g = new QLabel(kSuitSign[suit - 1], Panel2);
        g->setObjectName(kPackGlyph[suit - 1]);
        g->setAlignment(Qt::AlignCenter);
        g->setAttribute(Qt::WA_TransparentForMouseEvents);
        setColours(g, kWhite, suitIsRed(suit) ? kRed : QColor(Qt::black));
        packGlyph[suit - 1] = g;
    }
    const QString sideHint = QStringLiteral("Points Honneurs Longueurs - Points Distributions Soutiens");
    Panel3 = panel(Table, "Panel3");
    Panel4 = panel(Table, "Panel4");
    Label2 = new QLabel(QStringLiteral("N S"), Panel3);
    Label2->setObjectName("Label2");
    PoinsNS = new QLabel(Panel3);
    PoinsNS->setObjectName("PoinsNS");
    Label3 = new QLabel(QStringLiteral("E O"), Panel4);
    Label3->setObjectName("Label3");
    PointsEO = new QLabel(Panel4);
    PointsEO->setObjectName("PointsEO");
    for (QWidget *w : {static_cast<QWidget *>(Panel3), static_cast<QWidget *>(Panel4),
                       static_cast<QWidget *>(PoinsNS), static_cast<QWidget *>(PointsEO)})
        w->setToolTip(sideHint);

    auto button = [this](const char *name, const char *caption, const char *hint) {
        auto *b = new QPushButton(QString::fromUtf8(caption), Table);
        b->setObjectName(name);
        if (hint) b->setToolTip(QString::fromUtf8(hint));
        b->setEnabled(false);
        return b;
    };
    Inverser = button("Inverser", "Inverser", "Inverser le jeu de Sud avec celui de Nord");
    Rotation = button("Rotation", "Rotation", "Faire tourner les jeux");
    Distribution = button("Distribution", "Distribution", "Distribuer le reste des cartes");
    Nouvelle = button("Nouvelle", "Effacer", "Enlever les cartes de la table");
    BtClavier = button("BtClavier", "Saisie Clavier", nullptr);

    auto onDeal = [this](void (*op)(Deal &)) {
        if (!fileOpen || currentDeal < 1) return;
        op(series.deal(currentDeal));
        redraw();
    };
    connect(Inverser, &QPushButton::clicked, this, [onDeal] { onDeal(swapNorthSouth); });
    connect(Rotation, &QPushButton::clicked, this, [onDeal] { onDeal(rotate); });
    connect(Nouvelle, &QPushButton::clicked, this, [onDeal] { onDeal([](Deal &d) { d.clear(); }); });
    connect(Distribution, &QPushButton::clicked, this, [this] {
        if (!fileOpen || currentDeal < 1) return;
        if (Distribution->text() == QStringLiteral("Distribution")) {
            if (distribute) distribute();
        } else if (verify) {
            verify();
        }
    });
    connect(BtClavier, &QPushButton::clicked, this, [this] {
        if (keyboardEntry) keyboardEntry();
    });
}

void TForm1::buildTextPanel() {
    auto line = [this](const char *name, int maxLen, const char *hint) {
        auto *e = new QLineEdit(Panel5);
        e->setObjectName(name);
        if (maxLen) e->setMaxLength(maxLen);
        if (hint) e->setToolTip(QString::fromUtf8(hint));
        e->setValidator(new Cp1252Validator(e));
        return e;
    };
    Titre = line("Titre", 19, "Titre de la série de 32 donnes");
    Theme = line("Theme", 50, "Thème de la donne");
    Contrat = line("Contrat", 40, "Contrât qui doit être joué");
    Provenance = line("Provenance", 0, "Provenance de la donne ou Score");
    auto memo = [this](const char *name, const char *hint, bool tabs) {
        auto *e = new QPlainTextEdit(Panel5);
        e->setObjectName(name);
        if (hint) e->setToolTip(QString::fromUtf8(hint));
        e->setTabChangesFocus(!tabs);
        e->setLineWrapMode(QPlainTextEdit::NoWrap);
        e->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        return e;
    };
    Attaquant = memo("Attaquant", "Commentaires pour le camp du déclarant", false);
    Defense = memo("Defense", nullptr, false);
    Encheres = memo("Encheres", "Enchères Normales", true);
    auto spinner = [this](const char *name) {
        auto *u = new UpDown(Panel5);
        u->setObjectName(name);
        u->setRange(0, 12);
        return u;
    };
    UpAttaquant = spinner("UpAttaquant");
    UpDefense = spinner("UpDefense");
    UpEncheres = spinner("UpEncheres");
    UpEncheres->setEnabled(false);
    auto display = [this](const char *name) {
        auto *e = new QLineEdit(Panel5);
        e->setObjectName(name);
        e->setReadOnly(true);
        e->setAlignment(Qt::AlignCenter);
        return e;
    };
    EdAttaquant = display("EdAttaquant");
    EdDefense = display("EdDefense");
    EdEncheres = display("EdEncheres");
    BtEncheres = new QPushButton(QStringLiteral("E"), Panel5);
    BtEncheres->setObjectName("BtEncheres");
    TestHauteur = new QLabel(QStringLiteral("X"), Panel5);
    TestHauteur->setObjectName("TestHauteur");
    TestHauteur->setFont(QFont("Arial", 8));
    TestHauteur->hide();

    connect(Titre, &QLineEdit::textChanged, this, [this] { storeTitre(); });
    connect(Theme, &QLineEdit::textChanged, this, [this] { storeTheme(); });
    connect(Contrat, &QLineEdit::textChanged, this, [this] { storeContrat(); });
    connect(Provenance, &QLineEdit::textChanged, this, [this] { storeProvenance(); });
    connect(Attaquant, &QPlainTextEdit::textChanged, this, [this] {
        guardCp1252(Attaquant);
        storeAttaquant();
    });
    connect(Defense, &QPlainTextEdit::textChanged, this, [this] {
        guardCp1252(Defense);
        storeDefense();
    });
    connect(Encheres, &QPlainTextEdit::textChanged, this, [this] {
        guardCp1252(Encheres);
        storeEncheres();
    });
    connect(UpAttaquant, &UpDown::clicked, this, [this](int d) { spinnerClicked(0, d); });
    connect(UpDefense, &UpDown::clicked, this, [this](int d) { spinnerClicked(1, d); });
}

void TForm1::place(QWidget *w, int x, int y, int wd, int ht, double fontPt) {
    w->setGeometry(qRound(x * sx_), qRound(y * sy_), qRound(wd * sx_), qRound(ht * sy_));
    if (fontPt > 0) {
        QFont f = w->font();
        f.setPointSizeF(std::max(1.0, fontPt * sx_));
        w->setFont(f);
    }
}

void TForm1::layoutForZoom(int zoom) {
    const double z = zoom / 10.0;
    // Wide enough for the whole menu bar, which cannot wrap as the designed one did.
    const int clientW = std::max(qRound(700 * z), menuBar()->sizeHint().width() + 8);
    const int clientH = qRound(516 * z);
    const int menuH = menuBar()->sizeHint().height();
    const int bottomH = qRound(24 * z);
    const int tableW = qRound(350 * z);
    const int tableH = clientH - menuH - bottomH;
    resize(clientW, clientH);
    Table->setGeometry(0, 0, tableW, tableH);
    Panel5->setGeometry(tableW, 0, clientW - tableW, tableH);
    Panel6->setGeometry(0, tableH, clientW, bottomH);
    ScrollBar1->setGeometry(4, 2, clientW - 8, bottomH - 4);
    sx_ = z;
    sy_ = tableH / 419.0;

    for (int seat = 1; seat <= 4; ++seat) {
        for (int suit = 4; suit >= 1; --suit) {
            int row = 4 - suit;
            int x = kBlockX[seat - 1], y = kBlockY[seat - 1] + row * kRowH;
            place(hand[seat - 1][suit - 1], x, y, kHandW, kRowH - 1, 10);
            // The glyph covers the suit letter: one character of the hand font.
            int w = QFontMetrics(hand[seat - 1][suit - 1]->font()).horizontalAdvance('X');
            QLabel *g = handGlyph[seat - 1][suit - 1];
            g->setGeometry(hand[seat - 1][suit - 1]->x(), hand[seat - 1][suit - 1]->y(), w + 1,
                           hand[seat - 1][suit - 1]->height());
            QFont gf("DejaVu Sans");
            gf.setPointSizeF(std::max(1.0, 9 * sx_));
            g->setFont(gf);
            g->raise();
        }
    }
    place(points[0], 232, 6, 40, 16, 9);
    place(points[1], 236, 108, 40, 16, 9);
    place(points[2], 232, 222, 40, 16, 9);
    place(points[3], 6, 108, 40, 16, 9);
    place(Panel1, 132, 98, 90, 106);
    place(Panel1Caption, 20, 30, 50, 46, 14);
    place(vul[0], 36, 2, 18, 18, 10);
    place(vul[1], 70, 44, 18, 18, 10);
    place(vul[2], 36, 86, 18, 18, 10);
    place(vul[3], 2, 44, 18, 18, 10);
    for (QLabel *v : vul) {
        QFont f = v->font();
        f.setBold(true);
        v->setFont(f);
    }
    place(Panel2, 6, 300, 232, 80);
    for (int suit = 4; suit >= 1; --suit) {
        int row = 4 - suit;
        place(pack[suit - 1], 4, 3 + row * 19, 222, 17, 10);
        int w = QFontMetrics(pack[suit - 1]->font()).horizontalAdvance('X');
        packGlyph[suit - 1]->setGeometry(pack[suit - 1]->x(), pack[suit - 1]->y(), w + 1, pack[suit - 1]->height());
        QFont gf("DejaVu Sans");
        gf.setPointSizeF(std::max(1.0, 9 * sx_));
        packGlyph[suit - 1]->setFont(gf);
        packGlyph[suit - 1]->raise();
    }
    place(Panel3, 244, 300, 100, 38);
    place(Label2, 4, 2, 90, 16, 8);
    place(PoinsNS, 4, 19, 90, 16, 9);
    place(Panel4, 244, 342, 100, 38);
    place(Label3, 4, 2, 90, 16, 8);
    place(PointsEO, 4, 19, 90, 16, 9);
    place(Inverser, 4, 388, 60, 26, 8);
    place(Rotation, 66, 388, 60, 26, 8);
    place(Distribution, 128, 388, 72, 26, 8);
    place(Nouvelle, 202, 388, 56, 26, 8);
    place(BtClavier, 260, 388, 86, 26, 8);

    // Text panel: fixed rows above the comment fields, whose heights follow
    // their line counts at every redraw.
    const int pw = Panel5->width();
    Titre->setGeometry(8, 8, std::min(220, pw - 16), 22);
    Theme->setGeometry(8, 36, pw - 16, 22);
    Contrat->setGeometry(8, 64, pw - 16, 22);
    Attaquant->setGeometry(8, 94, pw - 60, 40);
    Provenance->setGeometry(8, tableH - 30, pw - 16, 22);
    showTexts();
}

// ---------------------------------------------------------------- display

void TForm1::showDealControls(bool on) {
    for (auto &row : hand)
        for (auto *l : row) l->setVisible(on);
    for (auto &row : handGlyph)
        for (auto *l : row) l->setVisible(on);
    for (auto *l : pack) l->setVisible(on);
    for (auto *l : packGlyph) l->setVisible(on);
    for (QWidget *w : std::initializer_list<QWidget *>{Titre, Theme, Contrat, Attaquant, Defense, Encheres,
                                                       Provenance, UpAttaquant, UpDefense, UpEncheres, EdAttaquant,
                                                       EdDefense, EdEncheres, BtEncheres})
        w->setVisible(on);
    if (!on) {
        for (auto *p : points) p->hide();
        PoinsNS->hide();
        PointsEO->hide();
    }
}

QString TForm1::lineText(int i) const { return fromStore(series.line(i)); }

void TForm1::setLine(int i, const QString &text) { series.setLine(i, toStore(text)); }

LineCounts TForm1::counts() const {
    return {UpAttaquant->position(), UpDefense->position(), UpEncheres->position()};
}

void TForm1::redraw() {
    if (currentDeal < 1 || currentDeal > kBoards) return;
    const int n = currentDeal;
    series.ensureLines();
    // 1. Show.
    Panel1Caption->setText(QString::number(n));
    {
        QSignalBlocker b(ScrollBar1);
        ScrollBar1->setValue(n);
    }
    ScrollBar1->show();
    action("Permutation")->setText(QStringLiteral("&Permutation du diagramme ") + QString::number(n));
    showDealControls(true);
    for (QPushButton *b : {Inverser, Rotation, Nouvelle, BtClavier}) b->setEnabled(true);
    Distribution->setText(QStringLiteral("Vérification"));
    for (auto *p : points) p->hide();
    PoinsNS->hide();
    PointsEO->hide();
    for (QLabel *v : vul) setColours(v, kGreen, Qt::black);

    // 2. The deal.
    DealView v = viewOf(series.deal(n), n, entryCursor);
    if (v.damaged) {
        // A damaged record cannot be shown: empty its hands, as "Effacer" does.
        series.deal(n).clear();
        redraw();
        return;
    }
    for (int seat = 1; seat <= 4; ++seat)
        for (int suit = 1; suit <= 4; ++suit) {
            ClickLabel *l = hand[seat - 1][suit - 1];
            l->setText(QString::fromLatin1(v.hand[seat - 1][suit - 1]));
            setColours(l, v.handHighlighted[seat - 1][suit - 1] ? kYellow : kWhite, Qt::black);
        }
    for (int suit = 1; suit <= 4; ++suit) {
        pack[suit - 1]->setText(QString::fromLatin1(v.pack[suit - 1]));
        setColours(pack[suit - 1], v.packHighlighted[suit - 1] ? kYellow : kWhite, Qt::black);
    }
    if (v.complete) {
        BtClavier->setEnabled(false);
        Distribution->setText(QStringLiteral("Vérification"));
    } else {
        Distribution->setText(QStringLiteral("Distribution"));
        BtClavier->setEnabled(true);
    }
    // e. Vulnerability: the vulnerable side's letters in red.
    for (int seat = 1; seat <= 4; ++seat) {
        bool ns = seat == North || seat == South;
        bool red = ns ? v.nsVul : v.ewVul;
        setColours(vul[seat - 1], kGreen, red ? kRed : QColor(Qt::black));
    }
    // f. Hand points.
    for (int seat = 1; seat <= 4; ++seat) {
        points[seat - 1]->setText(QString::number(v.points[seat - 1]));
        points[seat - 1]->setVisible(v.points[seat - 1] > 0);
    }
    // g. The dealer's letter loses its green background.
    {
        QLabel *d = vul[v.dealer - 1];
        setColours(d, QColor(), d->palette().color(QPalette::WindowText));
    }
    // h. Side totals.
    PoinsNS->setText(QString::fromStdString(v.ns.text()));
    PoinsNS->setVisible(v.ns.total() > 0);
    PointsEO->setText(QString::fromStdString(v.ew.text()));
    PointsEO->setVisible(v.ew.total() > 0);
    Panel3->setVisible(true);
    Panel4->setVisible(true);

    // 3. Line counts.
    LineCounts c = lineCountsOf(series.line(contractLine(n)));
    UpAttaquant->setPosition(c.a);
    UpDefense->setPosition(c.d);
    UpEncheres->setPosition(c.e);
    // 4. Texts.
    showTexts();
}

void TForm1::showTexts() {
    if (currentDeal < 1 || currentDeal > kBoards || series.lines.empty()) return;
    const int n = currentDeal;
    filling_ = true;
    Titre->setText(lineText(0));
    Theme->setText(lineText(themeLine(n)));
    Contrat->setText(fromStore(contractTextOf(series.line(contractLine(n)))));

    const int A = UpAttaquant->position(), D = UpDefense->position(), E = UpEncheres->position();
    const int h = QFontMetrics(TestHauteur->font()).height();
    const int y = Attaquant->y();
    const int x = Attaquant->x(), w = Attaquant->width();
    const int sx = x + w + 4;
    Attaquant->setGeometry(x, y, w, h * (A + 1));
    UpAttaquant->setGeometry(sx, y, 16, 24);
    EdAttaquant->setGeometry(sx + 18, y, 26, 22);
    const int yd = y + h * (A + 2);
    Defense->setGeometry(x, yd, w, h * (D + 1));
    UpDefense->setGeometry(sx, yd, 16, 24);
    EdDefense->setGeometry(sx + 18, yd, 26, 22);
    const int ye = y + h * (A + D + 4);
    Encheres->setGeometry(x, ye, w, h * (E + 1));
    UpEncheres->setGeometry(sx, ye, 16, 24);
    EdEncheres->setGeometry(sx + 18, ye, 26, 22);
    BtEncheres->setGeometry(EdEncheres->x() + 2, EdEncheres->y() + 30, 24, 22);
    EdAttaquant->setText(QString::number(A));
    EdDefense->setText(QString::number(D));
    EdEncheres->setText(QString::number(E));

    auto block = [this, n](int first, int count) {
        QStringList l;
        for (int i = 0; i < count; ++i) l << lineText(commentLine(n, first + i));
        return l.join('\n');
    };
    Attaquant->setPlainText(block(0, A));
    Defense->setPlainText(block(A, D));
    Encheres->setPlainText(block(A + D, E));
    Provenance->setText(lineText(provenanceLine(n)));
    filling_ = false;
}

// ---------------------------------------------------------------- store-back

void TForm1::storeTitre() {
    if (filling_ || !fileOpen) return;
    setLine(0, Titre->text());
}

void TForm1::storeTheme() {
    if (filling_ || !fileOpen) return;
    setLine(themeLine(currentDeal), Theme->text());
}

void TForm1::storeContrat() {
    if (filling_ || !fileOpen) return;
    series.setLine(contractLine(currentDeal), makeContractLine(toStore(Contrat->text()), counts()));
}

void TForm1::storeAttaquant() {
    if (filling_ || !fileOpen) return;
    QStringList l = fieldLines(Attaquant);
    for (int i = 0; i < counts().a; ++i) setLine(commentLine(currentDeal, i), i < l.size() ? l[i] : QString());
}

void TForm1::storeDefense() {
    if (filling_ || !fileOpen) return;
    QStringList l = fieldLines(Defense);
    LineCounts c = counts();
    for (int i = 0; i < c.d; ++i) setLine(commentLine(currentDeal, c.a + i), i < l.size() ? l[i] : QString());
}

void TForm1::storeEncheres() {
    if (filling_ || !fileOpen) return;
    QStringList l = fieldLines(Encheres);
    LineCounts c = counts();
    for (int i = 0; i < c.e; ++i)
        setLine(commentLine(currentDeal, c.a + c.d + i), i < l.size() ? l[i] : QString());
}

void TForm1::storeProvenance() {
    if (filling_ || !fileOpen) return;
    setLine(provenanceLine(currentDeal), Provenance->text());
}

void TForm1::spinnerClicked(int which, int delta) {
    if (!fileOpen || currentDeal < 1) return;
    LineCounts c = balanceCounts(counts(), which, delta);
    UpAttaquant->setPosition(c.a);
    UpDefense->setPosition(c.d);
    UpEncheres->setPosition(c.e);
    series.setLine(contractLine(currentDeal), makeContractLine(toStore(Contrat->text()), c));
    showTexts();
}

// ---------------------------------------------------------------- navigation

void TForm1::gotoDeal(int n) {
    n = std::clamp(n, 1, kBoards);
    if (ScrollBar1->value() == n) navigated(n);
    else ScrollBar1->setValue(n);
}

void TForm1::navigated(int n) {
    if (!fileOpen) return;
    currentDeal = n;
    entryCursor = 0;
    action("Recopielediagramme")
        ->setText(QStringLiteral("&Recopie le diagramme donne ") + QString::number(n) + QStringLiteral(" jusque 96"));
    redraw();
    cancelPendingExchange();
}

// ---------------------------------------------------------------- card entry

int TForm1::charWidth() const { return QFontMetrics(hand[0][0]->font()).horizontalAdvance('X'); }

namespace {
vrek::Button buttonOf(Qt::MouseButton b) {
    if (b == Qt::RightButton) return vrek::Button::Right;
    if (b == Qt::MiddleButton) return vrek::Button::Middle;
    return vrek::Button::Left;
}
}  // namespace

void TForm1::packPressedAt(int suit, int x, Qt::MouseButton) {
    if (!fileOpen || currentDeal < 1) return;
    cancelPendingExchange();
    if (packClick(series.deal(currentDeal), suit, x, charWidth())) redraw();
}

void TForm1::handPressedAt(int seat, int suit, int x, Qt::MouseButton b) {
    if (!fileOpen || currentDeal < 1) return;
    if (handClick(series.deal(currentDeal), pending, seat, suit, x, charWidth(), buttonOf(b))) redraw();
}

void TForm1::copyForward() {
    if (!fileOpen || currentDeal < 1) return;
    if (currentDeal == 1) setLine(0, Titre->text());
    vrek::copyForward(series, currentDeal, makeContractLine(toStore(Contrat->text()), counts()));
    // The displayed deal has not changed: no redraw.
}

void TForm1::insertBoard() {
    if (!fileOpen || currentDeal < 1) return;
    vrek::insertBoard(series, currentDeal);
    redraw();
}

void TForm1::deleteBoard() {
    if (!fileOpen || currentDeal < 1) return;
    vrek::deleteBoard(series, currentDeal);
    redraw();
}

void TForm1::permutationClick(bool copyMode) {
    if (!fileOpen || currentDeal < 1 || !vrkpermut) return;
    vrkpermut->setTag(copyMode ? 1 : 0);
    vrkpermut->activate();
    vrkpermut->show();
    vrkpermut->raise();
}

// ---------------------------------------------------------------- file commands

bool TForm1::openSeries(const QString &name, const QString &captionPrefix) {
    Series loaded;
    LoadResult r = loadSeries(name.toStdString(), loaded);
    if (!r.ok) {
        platform().error(this, QString::fromStdString(r.error));
        return false;
    }
    if (!r.error.empty()) platform().error(this, QString::fromStdString(r.error));
    series = std::move(loaded);
    seriesFileName = name;
    currentDeal = 1;
    fileOpen = true;
    enableSeriesCommands();
    setWindowTitle(captionPrefix + seriesFileName);
    {
        QSignalBlocker b(ScrollBar1);
        ScrollBar1->setValue(1);
    }
    entryCursor = 0;
    redraw();
    return true;
}

void TForm1::openSeriesDialog(bool isNew) {
    FileDialogOptions o;
    o.title = isNew ? QStringLiteral("Nouveau fichier de donnes") : QStringLiteral("Ouverture d'un fichier de donnes");
    o.defaultSuffix = "VRK";
    o.filter = "VRK|*.vrk";
    o.initialName = workingFileName;
    o.createPrompt = true;
    QString name = platform().openFileName(this, o);
    if (name.isEmpty()) return;
    if (fileOpen && name != seriesFileName) {
        if (platform().question(this, QStringLiteral(" Faut-il enregistrer ") + seriesFileName)) saveSeries();
    }
    if (!openSeries(name)) return;
    workingFileName = seriesFileName;
    cancelPendingExchange();
}

bool TForm1::saveSeries() {
    if (!fileOpen) return false;
    std::string e = vrek::saveSeries(seriesFileName.toStdString(), series);
    if (!e.empty()) {
        platform().error(this, QString::fromStdString(e));
        return false;
    }
    return true;
}

void TForm1::saveAs() {
    FileDialogOptions o;
    o.title = QStringLiteral("Enregistre un fichier de donnes");
    o.defaultSuffix = "vrk";
    o.filter = "VRK|*.VRK";
    o.overwritePrompt = true;
    o.initialName = seriesFileName;
    QString name = platform().saveFileName(this, o);
    if (name.isEmpty()) return;
    QString old = seriesFileName;
    seriesFileName = name;
    if (!saveSeries()) {
        // The series stays attached to the file it came from.
        seriesFileName = old;
        return;
    }
    setWindowTitle(QStringLiteral("VREK : ") + seriesFileName);
}

void TForm1::toggleAutomatiser() {
    QAction *a = action("Automatiser1");
    QAction *b = action("EnregistrementAutomatique1");
    // The action toggled itself before this runs: decide from the stored state.
    if (settings.automatise) {
        settings.automatise = false;
        settings.enregistrement = false;
    } else if (fileOpen) {
        settings.automatise = true;
    }
    a->setChecked(settings.automatise);
    b->setChecked(settings.enregistrement);
    b->setEnabled(settings.automatise);
}

void TForm1::toggleEnregistrementAutomatique() {
    settings.enregistrement = !settings.enregistrement;
    action("EnregistrementAutomatique1")->setChecked(settings.enregistrement);
}

void TForm1::resetSeries() {
    if (!fileOpen) return;
    series.reset();
    currentDeal = 0;
    gotoDeal(1);
}

void TForm1::wipeDeals() {
    if (!fileOpen) return;
    series.wipeDeals();
    currentDeal = 0;
    gotoDeal(1);
}

void TForm1::zoomBy(int step) {
    settings.zoom = zoomAfter(settings.zoom, step);
    writeIniValue([this](IniFile &f) { writeZoom(f, settings.zoom); });
    platform().information(this, QStringLiteral("Ne sera pris en compte qu'au redémarrage\n          Un Zoom de : ") +
                                     QLocale().toString(settings.zoom / 10.0, 'f', 2));
}

// ---------------------------------------------------------------- exit

void TForm1::exitSequence() {
    if (exited_) return;
    exited_ = true;
    if (closeKeyboardEntry) closeKeyboardEntry();
    if (action("EnregistrementAutomatique1")->isChecked() && fileOpen) {
        if (platform().question(this, QStringLiteral("Enregistrement du fichier ") + seriesFileName)) saveSeries();
    }
    writeExitSettings();
    if (hideProjector) hideProjector();
}

void TForm1::closeEvent(QCloseEvent *e) {
    exitSequence();
    e->accept();
}

// ---------------------------------------------------------------- application

int runApplication(int argc, char **argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Distributeur"));
    // The program's own face: Arial (its metric twin where Arial is absent),
    // narrow enough for the whole menu bar to fit the designed width.
    QApplication::setFont(QFont(QStringLiteral("Arial"), 9));
    // The toolkit's own dialogs (file, print, colour) in French.
    static QTranslator qtFrench;
    if (qtFrench.load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtFrench);
    QStringList args = QApplication::arguments();
    args.removeFirst();
    TForm1 form(args);
    createWindows(form);
    if (form.endRequested) return 0;
    form.show();
    return QApplication::exec();
}
