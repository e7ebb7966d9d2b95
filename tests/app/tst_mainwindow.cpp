// The main window driven as a user would, headless, through the scripted platform.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QtTest>

#include "app/vrekhp.h"
#include "core/dealview.h"
#include "core/seriesfile.h"
#include "scriptedplatform.h"
#include "testutil.h"

using namespace vrek;

// Types lines into a field, with the Return key between them.
static void typeLines(QWidget *w, const QStringList &lines) {
    for (int i = 0; i < lines.size(); ++i) {
        if (i) QTest::keyClick(w, Qt::Key_Return);
        QTest::keyClicks(w, lines[i]);
    }
}

class MainWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<testutil::TempDir> dir;
    std::unique_ptr<ScriptedPlatform> plat;

    QString path(const char *name) const { return QString::fromStdString(dir->file(name)); }
    std::unique_ptr<TForm1> start(const QStringList &args = {}) { return std::make_unique<TForm1>(args); }
    void writeIni(const std::string &text) { testutil::writeFile(dir->file("vrek.ini"), text); }
    std::string ini() const { return testutil::readFile(dir->file("vrek.ini")); }
    // A series on disk with a complete deal 1 and a partial deal 2.
    QString makeSeries(const char *name) {
        Series s;
        s.clear();
        s.deal(1) = testutil::shuffledDeal(11);
        s.deal(2) = testutil::dealFrom("AK.-.-.-", "-.Q.-.-", "-.-.-.-", "-.-.-.2");
        s.setLine(0, "Mardi");
        s.setLine(themeLine(1), "Th\xE8me 1");
        s.setLine(contractLine(1), makeContractLine("4P S entame RC", {4, 3, 5}));
        for (int i = 0; i < 12; ++i) s.setLine(commentLine(1, i), "c" + std::to_string(i));
        s.setLine(provenanceLine(1), "Prov 1");
        saveSeries(dir->file(name), s);
        return path(name);
    }

private slots:
    void init() {
        dir = std::make_unique<testutil::TempDir>();
        plat = std::make_unique<ScriptedPlatform>();
        plat->folder = QString::fromStdString(dir->path()) + "/";
    }
    void cleanup() {
        plat.reset();
        dir.reset();
    }

    void firstStartShowsNoSeries() {
        auto w = start();
        QCOMPARE(w->windowTitle(), QString("DISTRIBUTEUR DE MAIN DE BRIDGE Version 20.23.03"));
        QCOMPARE(w->model().currentDeal(), 0);
        QVERIFY(!w->model().fileOpen());
        QCOMPARE(w->model().settings().zoom, 10);
        QVERIFY(!w->model().settings().noValide);
        QVERIFY(w->hand[0][3]->isHidden());
        QVERIFY(w->ScrollBar1->isHidden());
        QVERIFY(w->Titre->isHidden());
        for (const char *off : {"Enregistrer1", "EnregistrerSous1", "RAZ", "Exporter1", "Importer1", "Inserer1",
                                "Vrek1", "fiche", "Etiquettes1", "N3", "Vidage", "Recopielediagramme",
                                "FFBrsultats1", "StatistiquesdelaSrie1", "Relev1"})
            QVERIFY2(!w->action(off)->isEnabled(), off);
        for (const char *on : {"Nouveau1", "Ouvrir1", "Automatiser1", "Caractristiques1", "Permutation", "Quitter1",
                               "Quitter2", "Apropos1", "Plus1"})
            QVERIFY2(w->action(on)->isEnabled(), on);
        QVERIFY(!w->action("EnregistrementAutomatique1")->isEnabled());
        QVERIFY(!w->Distribution->isEnabled());
        QVERIFY(!w->BtClavier->isEnabled());
        QVERIFY(w->action("PoliceArial1")->isChecked());
        QVERIFY(!w->action("PaliceArialBlack1")->isChecked());
        // "Mémoriser" cannot be ticked before a series is open.
        w->action("Automatiser1")->trigger();
        QVERIFY(!w->action("Automatiser1")->isChecked());
        QVERIFY(plat->messages.isEmpty());
    }

    void menuTreeHasItsCaptions() {
        auto w = start();
        QStringList tops;
        for (QAction *a : w->menuBar()->actions()) tops << a->text();
        QCOMPARE(tops, QStringList({"&Fichier", "&Edition et Présentation", "&Imprimer",
                                    "&Caractéristiques de Distributions", "&Statistiques et Probabilités",
                                    "Informations", "Affichage/Zoom", "Quitter"}));
        QStringList fichier;
        for (QAction *a : w->menu("Fichier1")->actions()) fichier << a->objectName();
        QCOMPARE(fichier, QStringList({"Nouveau1", "Ouvrir1", "Enregistrer1", "EnregistrerSous1", "Automatiser1",
                                       "EnregistrementAutomatique1", "NombreDonnes1", "PreparerSoiree1", "RAZ", "Exporter1", "Importer1", "Inserer1",
                                       "Aide1", "Quitter1"}));
        QCOMPARE(w->action("Wbridge1")->text(), QString("Wbridge5    Vull->All     (PNB)"));
        QCOMPARE(w->action("SuppressionDonne")->text(), QString("Suppression d'une donne avec décalge"));
        QCOMPARE(w->action("PaliceArialBlack1")->text(), QString("Palice utilisée pour les diagrammes > Arial Black"));
        QCOMPARE(w->menu("Exporter1")->actions().size(), 11);
        QCOMPARE(w->menu("Exporter1")->actions().last()->text(), QString("Format DGE"));
        QCOMPARE(w->action("FormatLIN2")->text(), QString("Format LIN (BBO)"));
        QCOMPARE(w->menu("ZoomM")->actions().last()->text(), QString("- 5"));

        QCOMPARE(w->Contrat->toolTip(), QString("Contrât qui doit être joué"));
        QCOMPARE(w->hand[3][0]->objectName(), QString("OuTr"));
        QCOMPARE(w->findChild<QLabel *>("TOU"), w->handGlyph[3][0]);
    }

    void commandLineCreatesANewSeries() {
        QString name = path("Nouveau.vrk");
        auto w = start({name});
        QCOMPARE(testutil::readFile(dir->file("Nouveau.vrk")), std::string(15360, '\0'));
        QCOMPARE(testutil::readFile(dir->file("Nouveau.VRT")).size(), size_t(2882));
        QCOMPARE(w->model().currentDeal(), 1);
        QCOMPARE(w->windowTitle(), "Distribution memorisée dans " + name);
        QCOMPARE(w->Panel1Caption->text(), QString("1"));
        QVERIFY(w->action("Enregistrer1")->isEnabled());
        QVERIFY(w->Distribution->isEnabled());
        QCOMPARE(w->Distribution->text(), QString("Distribution"));
        // The settings are written at once, the keys in their order.
        std::string expected = "[R\xE9pertoire]\r\nTravail=" + name.toStdString() +
                               "\r\ndonne=1\r\n\r\n[Fonctionnement]\r\nautomatise=0\r\nenregistrement=0\r\n"
                               "Imprimante=1\r\n\r\n[Etiquettes]\r\nLigne=3\r\nMarge_D=390\r\nLargeur=700\r\n"
                               "Colonne=4\r\nMarge_H=468\r\nHauteur=677\r\n\r\n[PressePapier]\r\nArial=1\r\n";
        QCOMPARE(ini(), expected);
    }

    void commandLineExtensionRule() {
        QString upper = makeSeries("A.VRK");
        auto w = start({upper});
        QVERIFY(w->model().fileOpen());
        auto other = start({path("notes.txt")});
        QVERIFY(!other->model().fileOpen());
        QVERIFY(!QFile::exists(path("notes.txt")));
    }

    void redrawShowsTheDeal() {
        auto w = start({makeSeries("s.vrk")});
        const Deal &d = w->model().series().deal(1);
        std::string north = "P ";
        for (int k = 1; k <= d.holding(North, Spades).count; ++k) north += frenchRank(d.holding(North, Spades).rank(k));
        QCOMPARE(w->hand[0][3]->text(), QString::fromStdString(north));
        for (auto *p : w->pack) QCOMPARE(p->text().size(), 2);
        QCOMPARE(w->Distribution->text(), QString("Vérification"));
        QVERIFY(!w->BtClavier->isEnabled());
        QCOMPARE(w->Titre->text(), QString("Mardi"));
        QCOMPARE(w->Theme->text(), QString("Thème 1"));
        QCOMPARE(w->Contrat->text(), QString("4P S entame RC"));
        QCOMPARE(w->EdAttaquant->text(), QString("4"));
        QCOMPARE(w->EdDefense->text(), QString("3"));
        QCOMPARE(w->EdEncheres->text(), QString("5"));
        QCOMPARE(w->Attaquant->toPlainText(), QString("c0\nc1\nc2\nc3"));
        QCOMPARE(w->Defense->toPlainText(), QString("c4\nc5\nc6"));
        QCOMPARE(w->Encheres->toPlainText(), QString("c7\nc8\nc9\nc10\nc11"));
        QCOMPARE(w->Provenance->text(), QString("Prov 1"));
        // Board 1: North deals, nobody vulnerable.
        QVERIFY(!w->vul[0]->autoFillBackground());
        QVERIFY(w->vul[1]->autoFillBackground());
        QCOMPARE(w->vul[1]->palette().color(QPalette::Window), QColor(0, 128, 0));
        QCOMPARE(w->vul[0]->palette().color(QPalette::WindowText), QColor(Qt::black));

        w->gotoDeal(2);  // East deals, North-South vulnerable
        QCOMPARE(w->hand[0][3]->text(), QString("P AR"));
        QCOMPARE(w->hand[1][2]->text(), QString("C D"));
        QCOMPARE(w->pack[3]->text(), QString("P DVX98765432"));
        QCOMPARE(w->pack[0]->text(), QString("T ARDVX9876543"));  // West holds the two
        QCOMPARE(w->Distribution->text(), QString("Distribution"));
        QVERIFY(w->BtClavier->isEnabled());
        QCOMPARE(w->vul[0]->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QCOMPARE(w->vul[2]->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QCOMPARE(w->vul[1]->palette().color(QPalette::WindowText), QColor(Qt::black));
        QVERIFY(!w->vul[1]->autoFillBackground());
        QCOMPARE(w->points[0]->text(), QString("7"));
        QVERIFY(!w->points[0]->isHidden());
        QVERIFY(w->points[2]->isHidden());  // South has nothing
        QCOMPARE(w->PoinsNS->text(), QString("7 - 7"));
        QCOMPARE(w->EdAttaquant->text(), QString("3"));  // short contract line: 3 3 6
        QCOMPARE(w->EdEncheres->text(), QString("6"));
        QCOMPARE(w->Panel1Caption->text(), QString("2"));
        QCOMPARE(w->action("Recopielediagramme")->text(), QString("&Recopie le diagramme donne 2 jusque 96"));
        QCOMPARE(w->action("Permutation")->text(), QString("&Permutation du diagramme 2"));

        w->model().setEntryCursor(cursorOf(East, Hearts));
        QCOMPARE(w->hand[1][2]->palette().color(QPalette::Window), QColor(255, 255, 0));
        QCOMPARE(w->pack[2]->palette().color(QPalette::Window), QColor(255, 255, 0));
        QCOMPARE(w->pack[3]->palette().color(QPalette::Window), QColor(255, 255, 255));
        w->ScrollBar1->setValue(3);
        QCOMPARE(w->model().entryCursor(), 0);  // navigation resets the entry cursor
        QCOMPARE(w->model().currentDeal(), 3);
        QVERIFY(w->PoinsNS->isHidden());  // empty deal: no totals
    }

    void aDamagedHoldingIsCleared() {
        Series s;
        s.clear();
        s.deal(1).holding(West, Clubs).insert(5);
        s.deal(1).holding(West, Clubs).ranks[0] = 17;
        s.deal(1).holding(North, Spades).insert(14);
        saveSeries(dir->file("bad.vrk"), s);
        auto w = start({path("bad.vrk")});
        QVERIFY(w->model().series().deal(1).empty());
        QCOMPARE(w->hand[3][0]->text(), QString("T "));
        QCOMPARE(w->hand[0][3]->text(), QString("P "));
    }

    void everyFieldIsStoredAtEachKeystroke() {
        auto w = start({makeSeries("s.vrk")});
        w->show();
        w->gotoDeal(2);
        QTest::keyClicks(w->Titre, "X");
        QCOMPARE(w->model().series().line(0), std::string("MardiX"));
        w->Theme->clear();
        QTest::keyClicks(w->Theme, "Squeeze");
        QCOMPARE(w->model().series().line(themeLine(2)), std::string("Squeeze"));
        QTest::keyClicks(w->Contrat, "3SA");
        std::string cl = w->model().series().line(contractLine(2));
        QCOMPARE(cl.size(), size_t(66));
        QCOMPARE(cl.substr(0, 4), std::string("3SA "));
        QCOMPARE(cl.substr(50, 12), std::string("03   03   06"));
        typeLines(w->Attaquant, {"a1", "a2"});
        QCOMPARE(w->model().series().line(commentLine(2, 0)), std::string("a1"));
        QCOMPARE(w->model().series().line(commentLine(2, 1)), std::string("a2"));
        QTest::keyClicks(w->Defense, "d1");
        QCOMPARE(w->model().series().line(commentLine(2, 3)), std::string("d1"));
        QTest::keyClicks(w->Encheres, "1P");
        QTest::keyClick(w->Encheres, Qt::Key_Tab);  // the auction accepts tabs
        QTest::keyClicks(w->Encheres, "2C");
        QCOMPARE(w->model().series().line(commentLine(2, 6)), std::string("1P\t2C"));
        QTest::keyClicks(w->Provenance, "Tournoi");
        QCOMPARE(w->model().series().line(provenanceLine(2)), std::string("Tournoi"));
        // Accented text goes to the store as Windows-1252 bytes.
        w->Provenance->insert("é");
        QCOMPARE(w->model().series().line(provenanceLine(2)), std::string("Tournoi\xE9"));
        // A character Windows-1252 has no byte for is not accepted.
        w->Theme->insert(QString(QChar(0x2660)));
        QCOMPARE(w->Theme->text(), QString("Squeeze"));
        w->Attaquant->insertPlainText(QString(QChar(0x2665)) + "b");
        QVERIFY(!w->Attaquant->toPlainText().contains(QChar(0x2665)));
        QCOMPARE(w->model().series().line(commentLine(2, 1)), std::string("a2b"));
        // Redrawing fills the fields without storing anything.
        std::vector<std::string> before = w->model().series().lines;
        w->redraw();
        QCOMPARE(w->model().series().lines, before);
    }

    void aLineBeyondTheCountMakesRoomOrIsRefused() {
        auto w = start({makeSeries("s.vrk")});
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        // Board 2 (3 3 6, no text): three lines typed from a click on the third line.
        w->gotoDeal(2);
        const int h = w->Attaquant->fontMetrics().height();
        QTest::mouseClick(w->Attaquant->viewport(), Qt::LeftButton, {}, QPoint(20, 2 * h + h / 2));
        typeLines(w->Attaquant, {"ligne A", "ligne B", "ligne C"});
        QTest::keyClick(w->Attaquant, Qt::Key_PageDown);
        QTest::keyClick(w->Attaquant, Qt::Key_PageUp);
        QCOMPARE(w->Attaquant->toPlainText(), QString("\n\nligne A\nligne B\nligne C"));
        QCOMPARE(w->EdAttaquant->text() + w->EdEncheres->text(), QString("54"));
        QCOMPARE(w->model().series().line(contractLine(2)).substr(50, 12), std::string("05   03   04"));
        w->action("Annuler1")->trigger();  // the typing and the growth: one step
        QCOMPARE(w->counts(), (LineCounts{3, 3, 6}));
        // Board 1 holds text on all its 12 lines: Return is refused, and said so.
        w->gotoDeal(1);
        w->Defense->moveCursor(QTextCursor::End);
        QTest::keyClick(w->Defense, Qt::Key_Return);
        QCOMPARE(w->Defense->toPlainText(), QString("c4\nc5\nc6"));
        QVERIFY(w->LbPlein->isVisible());
        QTest::keyClicks(w->Defense, "!");
        QVERIFY(w->LbPlein->isHidden());
        QCOMPARE(w->model().series().line(commentLine(1, 6)), std::string("c6!"));
    }

    void spinnersDivideTheTwelveLines() {
        auto w = start({makeSeries("s.vrk")});
        w->gotoDeal(3);
        w->UpAttaquant->click(+1);
        QCOMPARE(w->counts(), (LineCounts{4, 3, 5}));
        QCOMPARE(w->model().series().line(contractLine(3)).substr(50, 12), std::string("04   03   05"));
        for (int i = 0; i < 10; ++i) w->UpAttaquant->click(+1);
        QCOMPARE(w->counts(), (LineCounts{12, 0, 0}));
        w->UpAttaquant->click(+1);
        QCOMPARE(w->counts(), (LineCounts{12, 0, 0}));
        w->UpDefense->click(+1);
        QCOMPARE(w->counts(), (LineCounts{11, 1, 0}));
        QCOMPARE(w->EdDefense->text(), QString("1"));
        QVERIFY(!w->UpEncheres->isEnabled());
        // Dividing differently moves no text.
        w->gotoDeal(1);
        w->UpDefense->click(-1);
        QCOMPARE(w->Defense->toPlainText(), QString("c4\nc5"));
        QCOMPARE(w->Encheres->toPlainText(), QString("c6\nc7\nc8\nc9\nc10\nc11"));
        QCOMPARE(w->model().series().line(commentLine(1, 6)), std::string("c6"));
    }

    void openDialogAsksToSaveTheOtherSeries() {
        QString a = makeSeries("a.vrk");
        QString b = makeSeries("b.vrk");
        auto w = start({a});
        w->Titre->setText("Changé");
        plat->fileNames.enqueue(b);
        plat->choices.enqueue(Platform::Answer::Yes);
        w->action("Ouvrir1")->trigger();
        QCOMPARE(plat->dialogs.size(), 1);
        QCOMPARE(plat->dialogs[0].title, QString("Ouverture d'un fichier de donnes"));
        QCOMPARE(plat->dialogs[0].filter, QString("VRK|*.vrk"));
        QCOMPARE(plat->dialogs[0].defaultSuffix, QString("VRK"));
        QCOMPARE(plat->dialogs[0].initialName, a);
        QCOMPARE(plat->messages.size(), 1);
        QCOMPARE(plat->messages[0].kind, RecordedMessage::Question);
        QCOMPARE(plat->messages[0].text, " Faut-il enregistrer " + a);
        QCOMPARE(plat->messages[0].buttons, QString("Yes No Cancel"));
        Series back;
        loadSeries(a.toStdString(), back);
        QCOMPARE(back.line(0), std::string("Chang\xE9"));
        QCOMPARE(w->seriesFileName(), b);
        QCOMPARE(QString::fromStdString(w->model().workingFileName()), b);
        QCOMPARE(w->windowTitle(), "Distribution memorisée dans " + b);

        // The series already open, changed: asked too; "Non" reads it back from disk.
        w->gotoDeal(5);
        w->Titre->setText("perdu");
        plat->fileNames.enqueue(b);
        plat->choices.enqueue(Platform::Answer::No);
        w->action("Nouveau1")->trigger();
        QCOMPARE(plat->dialogs[1].title, QString("Nouveau fichier de donnes"));
        QCOMPARE(plat->messages.size(), 2);
        QCOMPARE(plat->messages[1].text, " Faut-il enregistrer " + b);
        QCOMPARE(w->Titre->text(), QString("Mardi"));
        QCOMPARE(w->model().currentDeal(), 1);
        // Unchanged: opened again without a question.
        plat->fileNames.enqueue(b);
        w->action("Ouvrir1")->trigger();
        QCOMPARE(plat->messages.size(), 2);

        // Cancel changes nothing.
        w->action("Ouvrir1")->trigger();
        QCOMPARE(w->seriesFileName(), b);

        // Changed: asked before the file dialog, and "Annuler" opens none.
        w->Titre->setText("encore");
        const int dialogs = plat->dialogs.size();
        plat->choices.enqueue(Platform::Answer::Cancel);
        w->action("Nouveau1")->trigger();
        QCOMPARE(plat->dialogs.size(), dialogs);
        QCOMPARE(w->Titre->text(), QString("encore"));
    }

    void theUsualKeys() {
        const QString a = makeSeries("a.vrk");
        auto w = start({a});
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        for (auto [name, key] : {std::pair{"Nouveau1", Qt::Key_N}, {"Ouvrir1", Qt::Key_O}, {"Diagrammes1", Qt::Key_P}}) {
            QSignalSpy triggered(w->action(name), &QAction::triggered);
            QTest::keyClick(w->Attaquant, key, Qt::ControlModifier);
            QCOMPARE(triggered.size(), 1);
        }
        // Ctrl+S in a text field saves what was just typed there.
        QTest::keyClicks(w->Theme, "!");
        QTest::keyClick(w->Theme, Qt::Key_S, Qt::ControlModifier);
        Series back;
        QVERIFY(loadSeries(a.toStdString(), back).ok);
        QCOMPARE(back.line(themeLine(1)), std::string("Th\xE8me 1!"));
    }

    void saveAsAndSave() {
        QString a = makeSeries("a.vrk");
        auto w = start({a});
        plat->fileNames.enqueue(path("copie.vrk"));
        w->action("EnregistrerSous1")->trigger();
        QCOMPARE(plat->dialogs[0].title, QString("Enregistre un fichier de donnes"));
        QCOMPARE(plat->dialogs[0].filter, QString("VRK|*.VRK"));
        QVERIFY(plat->dialogs[0].overwritePrompt);
        QCOMPARE(w->windowTitle(), "VREK : " + path("copie.vrk"));
        QCOMPARE(QString::fromStdString(w->model().workingFileName()), a);
        QCOMPARE(testutil::readFile(dir->file("copie.vrk")), testutil::readFile(dir->file("a.vrk")));
        QCOMPARE(testutil::readFile(dir->file("copie.VRT")), testutil::readFile(dir->file("a.VRT")));
        w->Provenance->setText("x");
        w->action("Enregistrer1")->trigger();
        Series back;
        loadSeries(dir->file("copie.vrk"), back);
        QCOMPARE(back.line(provenanceLine(1)), std::string("x"));
        QVERIFY(plat->messages.isEmpty());
    }

    void aFailedSaveIsReported() {
        QString a = makeSeries("a.vrk");
        auto w = start({a});
        QDir(QString::fromStdString(dir->path())).remove("a.VRT");
        QDir(QString::fromStdString(dir->path())).mkdir("a.VRT");
        std::string before = testutil::readFile(dir->file("a.vrk"));
        w->model().edit(vrek::ChangeSeries, [&](vrek::Series &s) { s.deal(1).clear(); });
        w->action("Enregistrer1")->trigger();
        QCOMPARE(plat->messages.size(), 1);
        QCOMPARE(plat->messages[0].kind, RecordedMessage::Error);
        QVERIFY(plat->messages[0].text.contains("a.VRT"));
        QCOMPARE(testutil::readFile(dir->file("a.vrk")), before);
    }

    void anUnreadableSeriesIsNotReplaced() {
        QDir(QString::fromStdString(dir->path())).mkdir("d.vrk");
        auto w = start({path("d.vrk")});
        QVERIFY(!w->model().fileOpen());
        QCOMPARE(plat->messages.size(), 1);
        QCOMPARE(plat->messages[0].kind, RecordedMessage::Error);
        QVERIFY(QFileInfo(path("d.vrk")).isDir());
    }

    void resetAndWipe() {
        auto w = start({makeSeries("s.vrk")});
        w->gotoDeal(2);
        w->action("Vidage")->trigger();
        QCOMPARE(w->model().currentDeal(), 1);
        QVERIFY(w->model().series().deal(1).empty());
        QCOMPARE(w->model().series().line(themeLine(1)), std::string("Th\xE8me 1"));
        w->gotoDeal(2);
        w->action("RAZ")->trigger();
        QCOMPARE(w->model().currentDeal(), 1);
        QCOMPARE(w->model().series().line(0), std::string());
        QCOMPARE(w->model().series().line(themeLine(1)), std::string());
        QCOMPARE(w->Titre->text(), QString());
        // Nothing reaches the disk before a save.
        Series back;
        loadSeries(dir->file("s.vrk"), back);
        QVERIFY(back.deal(1).complete());
    }

    void rememberedWorkingFileAndBoard() {
        QString a = makeSeries("a.vrk");
        {
            auto w = start({a});
            w->action("Automatiser1")->trigger();
            QVERIFY(w->action("Automatiser1")->isChecked());
            QVERIFY(w->action("EnregistrementAutomatique1")->isEnabled());
            w->action("EnregistrementAutomatique1")->trigger();
            QVERIFY(w->action("EnregistrementAutomatique1")->isChecked());
            w->gotoDeal(5);
            w->Theme->setText("gardé");
            plat->choices.enqueue(Platform::Answer::Yes);
            w->close();
            QCOMPARE(plat->lastMessage(), "Enregistrement du fichier " + a);
            QCOMPARE(plat->messages.last().buttons, QString("Yes No Cancel"));
        }
        QVERIFY(ini().find("donne=5\r\n") != std::string::npos);
        QVERIFY(ini().find("automatise=1\r\nenregistrement=1\r\n") != std::string::npos);
        auto w = start();
        QVERIFY(w->model().fileOpen());
        QCOMPARE(w->model().currentDeal(), 5);
        QCOMPARE(w->seriesFileName(), a);
        QCOMPARE(w->Theme->text(), QString("gardé"));
        QVERIFY(w->action("EnregistrementAutomatique1")->isEnabled());
        // Unticking "Mémoriser" unticks the automatic save too.
        w->action("Automatiser1")->trigger();
        QVERIFY(!w->action("Automatiser1")->isChecked());
        QVERIFY(!w->action("EnregistrementAutomatique1")->isChecked());
        QVERIFY(!w->action("EnregistrementAutomatique1")->isEnabled());
    }

    void aRememberedBoardOutOfRangeStartsAtOne() {
        QString a = makeSeries("a.vrk");
        writeIni("[r\xE9pertoire]\r\ntravail=" + a.toStdString() + "\r\nDONNE=200\r\n[fonctionnement]\r\nAutomatise=1\r\n");
        auto w = start();
        QVERIFY(w->model().fileOpen());
        QCOMPARE(w->model().currentDeal(), 1);
    }

    void zoomIsWrittenAtOnceAndAppliesAtTheNextStart() {
        writeIni("[Fonctionnement]\r\nZoom=5\r\n");
        auto w = start();
        QCOMPARE(w->layoutZoom, 5);
        int width = w->Table->width();
        w->action("Moins1")->trigger();
        QCOMPARE(w->model().settings().zoom, 3);
        QCOMPARE(plat->lastMessage(), QString("Ne sera pris en compte qu'au redémarrage\n          Un Zoom de : ") +
                                          QLocale().toString(0.3, 'f', 2));
        QCOMPARE(plat->messages.last().kind, RecordedMessage::Information);
        QVERIFY(ini().find("Zoom=3") != std::string::npos);
        QCOMPARE(w->Table->width(), width);  // the layout waits for the next start
        w->action("Plus5")->trigger();
        QCOMPARE(w->model().settings().zoom, 8);
        auto again = start();
        QCOMPARE(again->layoutZoom, 8);
        QCOMPARE(again->Table->width(), 280);
        // Zoom 5 lays out as 8, the smallest zoom at which the text panel holds its fields.
        QCOMPARE(width, 280);
        w->action("Plus5")->trigger();
        auto third = start();
        QCOMPARE(third->layoutZoom, 13);
        QCOMPARE(third->Table->width(), 455);
    }

    void theUpdateOptOutLapsesAfterThirtyDays() {
        writeIni("[MiseAjour]\r\nNoValide=1\r\nDate=07/11/2026\r\n");
        auto w = start();
        QVERIFY(!w->model().settings().noValide);
        QVERIFY(!w->action("Nepasvrifierlamisejour1")->isChecked());
        QVERIFY(ini().find("NoValide=0") != std::string::npos);

        writeIni("[MiseAjour]\r\nNoValide=1\r\nDate=08/11/2026\r\n");
        auto v = start();
        QVERIFY(v->model().settings().noValide);
        QVERIFY(v->action("Nepasvrifierlamisejour1")->isChecked());

        // Ticking the item writes today's date and the opt-out at once.
        v->action("Nepasvrifierlamisejour1")->trigger();
        QVERIFY(ini().find("NoValide=0") != std::string::npos);
        v->action("Nepasvrifierlamisejour1")->trigger();
        QVERIFY(ini().find("Date=08/12/2026") != std::string::npos);
        QVERIFY(ini().find("NoValide=1") != std::string::npos);
    }

    void exitWritesTheSettingsWithoutAQuestionByDefault() {
        auto w = start({makeSeries("a.vrk")});
        QFile::remove(path("vrek.ini"));
        w->gotoDeal(9);
        w->close();
        QVERIFY(plat->messages.isEmpty());
        QVERIFY(ini().find("donne=9") != std::string::npos);
        QVERIFY(ini().find("Zoom") == std::string::npos);
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
