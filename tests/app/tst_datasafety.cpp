// The director's work is never lost in the window: unsaved changes, the
// series' history, what the text fields accept, and the window's habits.
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QSpinBox>
#include <QtTest>

#include "app/VrekDiagramme.h"
#include "app/vrekhp.h"
#include "app/vrekpermut.h"
#include "app/windows.h"
#include "core/dealview.h"
#include "core/seriesfile.h"
#include "dealing/vrekcon.h"
#include "inkruns.h"
#include "scriptedplatform.h"
#include "testutil.h"

using namespace vrek;

class DataSafetyTest : public QObject {
    Q_OBJECT

    std::unique_ptr<testutil::TempDir> dir;
    std::unique_ptr<ScriptedPlatform> plat;

    QString path(const char *name) const { return QString::fromStdString(dir->file(name)); }
    std::string ini() const { return testutil::readFile(dir->file("vrek.ini")); }
    QString makeSeries(const char *name) {
        Series s;
        s.clear();
        s.deal(1) = testutil::shuffledDeal(11);
        s.deal(2) = testutil::dealFrom("AK.-.-.-", "-.Q.-.-", "-.-.-.-", "-.-.-.2");
        s.setLine(0, "Mardi");
        for (int n = 1; n <= 96; ++n) s.setLine(themeLine(n), "Th\xE8me " + std::to_string(n));
        s.setLine(contractLine(1), makeContractLine("4P S entame RC", {4, 3, 5}));
        saveSeries(dir->file(name), s);
        return path(name);
    }
    std::unique_ptr<TForm1> open(const QString &series) {
        auto w = std::make_unique<TForm1>(QStringList{series});
        createWindows(*w);
        return w;
    }
    Series onDisk(const QString &name) {
        Series s;
        readSeries(name.toStdString(), s);
        return s;
    }
    static void paste(QWidget *field, const QString &text) {
        QGuiApplication::clipboard()->setText(text);
        field->setFocus();
        QTest::keySequence(field, QKeySequence::Paste);
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

    // ------------------------------------------------------------ unsaved work

    void closingAsksOnlyWhenSomethingChanged() {
        const QString a = makeSeries("a.vrk");
        {
            auto w = open(a);
            QVERIFY(w->close());
            QVERIFY(plat->messages.isEmpty());
        }
        auto w = open(a);
        w->Theme->setText("nouveau");
        QVERIFY(w->model().modified());
        // "Annuler": the window stays with its series.
        plat->choices.enqueue(Platform::Answer::Cancel);
        QVERIFY(!w->close());
        QCOMPARE(plat->messages.size(), 1);
        QCOMPARE(plat->messages[0].text, "La série " + a + " a été modifiée.\nFaut-il l'enregistrer ?");
        QCOMPARE(plat->messages[0].buttons, QString("Yes No Cancel"));
        QCOMPARE(w->Theme->text(), QString("nouveau"));
        // "Non": ends without writing the series.
        plat->choices.enqueue(Platform::Answer::No);
        QVERIFY(w->close());
        QCOMPARE(onDisk(a).line(themeLine(1)), std::string("Th\xE8me 1"));
    }

    void quitterSavesOnYes() {
        const QString a = makeSeries("a.vrk");
        auto w = open(a);
        w->Nouvelle->click();
        plat->choices.enqueue(Platform::Answer::Yes);
        w->action("Quitter1")->trigger();
        QVERIFY(!w->isVisible());
        QVERIFY(onDisk(a).deal(1).empty());
    }

    void aFailedSaveStopsEveryOperation() {
        const QString a = makeSeries("a.vrk");
        auto w = open(a);
        w->Theme->setText("gardé");
        w->model().rename(path("absent/a.vrk").toStdString(), {});  // a folder that is not there
        // Exit: the program does not end.
        plat->choices.enqueue(Platform::Answer::Yes);
        QVERIFY(!w->close());
        QCOMPARE(plat->messages.last().kind, RecordedMessage::Error);
        // Opening another series: the save asked first fails, no file is even asked for.
        const int dialogs = plat->dialogs.size();
        plat->choices.enqueue(Platform::Answer::Yes);
        w->action("Ouvrir1")->trigger();
        QCOMPARE(plat->dialogs.size(), dialogs);
        QCOMPARE(w->seriesFileName(), path("absent/a.vrk"));
        QCOMPARE(w->Theme->text(), QString("gardé"));
        // The user can still save it elsewhere.
        plat->fileNames.enqueue(path("ailleurs.vrk"));
        w->action("EnregistrerSous1")->trigger();
        QCOMPARE(onDisk(path("ailleurs.vrk")).line(themeLine(1)), std::string("gard\xE9"));
        QVERIFY(!w->model().modified());
        QVERIFY(w->close());
    }

    void reopeningTheSameSeriesAsksBeforeReading() {
        const QString a = makeSeries("a.vrk");
        auto w = open(a);
        w->Titre->setText("changé");
        plat->choices.enqueue(Platform::Answer::Cancel);
        w->action("Ouvrir1")->trigger();
        QCOMPARE(w->Titre->text(), QString("changé"));
        plat->fileNames.enqueue(a);
        plat->choices.enqueue(Platform::Answer::Yes);
        w->action("Ouvrir1")->trigger();
        QCOMPARE(onDisk(a).line(0), std::string("chang\xE9"));
        QCOMPARE(w->Titre->text(), QString("changé"));
        QVERIFY(!w->model().modified());
    }

    void aSeriesWithADamagedTextIsNotOpened() {
        const QString a = makeSeries("a.vrk");
        const QString b = makeSeries("b.vrk");
        const std::string damaged(std::string::size_type(64) << 20, '\n');  // 64 million lines
        testutil::writeFile(dir->file("b.VRT"), damaged);
        auto w = open(a);
        w->Titre->setText("changé");
        plat->choices.enqueue(Platform::Answer::No);
        plat->fileNames.enqueue(b);
        w->action("Ouvrir1")->trigger();
        QCOMPARE(plat->messages.last().kind, RecordedMessage::Error);
        QVERIFY2(plat->messages.last().text.contains("b.VRT compte plus de 100 000 lignes"),
                 qPrintable(plat->messages.last().text));
        QCOMPARE(w->seriesFileName(), a);
        QCOMPARE(w->Titre->text(), QString("changé"));
        QVERIFY(w->model().modified());
        QCOMPARE(testutil::readFile(dir->file("b.VRT")).size(), damaged.size());
    }

    void theAutomaticSaveKeepsItsQuestion() {
        const QString a = makeSeries("a.vrk");
        auto w = open(a);
        w->action("Automatiser1")->trigger();
        w->action("EnregistrementAutomatique1")->trigger();
        // Nothing changed: the question as it always was, "Oui" and "Non".
        w->close();
        QCOMPARE(plat->messages.size(), 1);
        QCOMPARE(plat->messages[0].text, "Enregistrement du fichier " + a);
        QCOMPARE(plat->messages[0].buttons, QString("Yes No"));
    }

    // ------------------------------------------------------------ history

    void everyChangeOfTheSeriesCanBeUndone() {
        const QString a = makeSeries("a.vrk");
        auto w = open(a);
        QAction *undo = w->action("Annuler1");
        QAction *redo = w->action("Retablir1");
        QCOMPARE(undo->text(), QString("Annuler"));
        QCOMPARE(redo->text(), QString("Rétablir"));
        QCOMPARE(undo->shortcut(), QKeySequence(QKeySequence::Undo));
        QCOMPARE(redo->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Y));
        QVERIFY(!undo->isEnabled());
        const Series loaded = w->model().series();

        auto check = [&](const char *what, const std::function<void()> &op) {
            const Series before = w->model().series();
            op();
            QVERIFY2(!(w->model().series() == before), what);
            QVERIFY2(undo->isEnabled(), what);
            undo->trigger();
            QVERIFY2(w->model().series() == before, what);
            QVERIFY2(redo->isEnabled(), what);
            redo->trigger();
            QVERIFY2(!(w->model().series() == before), what);
        };
        check("Effacer", [&] { w->Nouvelle->click(); });
        check("Rotation", [&] { w->gotoDeal(2), w->Rotation->click(); });
        check("carte", [&] { QTest::mouseClick(w->pack[3], Qt::LeftButton, {}, cardCentre(w->pack[3], 1)); });
        check("Insertion", [&] { w->gotoDeal(1), w->action("InsertionDonne")->trigger(); });
        check("Suppression", [&] { w->action("SuppressionDonne")->trigger(); });
        w->gotoDeal(94);
        w->Theme->setText("copié");
        check("Recopie", [&] { w->action("Recopielediagramme")->trigger(); });
        check("Permutation", [&] {
            w->gotoDeal(3);
            w->action("Permutation")->trigger();
            auto *p = w->findChild<Tvrkpermut *>();
            p->ScrollBar2->setValue(9);
            p->imprimClick();
        });
        check("Distribution", [&] { w->gotoDeal(40), w->Distribution->click(); });
        check("texte", [&] { w->Provenance->setText("ici"); });
        check("Vidage", [&] { w->action("Vidage")->trigger(); });
        check("Remise à zéro", [&] { w->action("RAZ")->trigger(); });

        // Everything back, one step at a time.
        while (undo->isEnabled()) undo->trigger();
        QVERIFY(w->model().series() == loaded);
        QVERIFY(w->model().modified());  // undone after no save: still a change of state
    }

    void typingUndoesPerFieldAndBoard() {
        const QString a = makeSeries("a.vrk");
        auto w = open(a);
        w->show();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        w->Theme->setFocus();
        w->Theme->selectAll();
        QTest::keyClicks(w->Theme, "Squeeze");
        QTest::keyClicks(w->Contrat, " X");
        // Ctrl+Z in the field is the series' undo: the contract typing goes in one step.
        QTest::keySequence(w->Contrat, QKeySequence::Undo);
        QCOMPARE(w->Contrat->text(), QString("4P S entame RC"));
        QCOMPARE(w->Theme->text(), QString("Squeeze"));
        QTest::keySequence(w->Theme, QKeySequence::Undo);
        QCOMPARE(w->Theme->text(), QString("Thème 1"));
        QVERIFY(w->action("Retablir1")->isEnabled());
        QTest::keySequence(w->Theme, QKeySequence(Qt::CTRL | Qt::Key_Y));
        QCOMPARE(w->Theme->text(), QString("Squeeze"));
        // Another board is another step.
        w->gotoDeal(2);
        QTest::keyClicks(w->Theme, "!");
        w->action("Annuler1")->trigger();
        QCOMPARE(w->model().currentDeal(), 2);
        QCOMPARE(w->Theme->text(), QString("Thème 2"));
        w->action("Annuler1")->trigger();
        QCOMPARE(w->model().currentDeal(), 1);
        QCOMPARE(w->Theme->text(), QString("Thème 1"));
    }

    // ------------------------------------------------------------ text fields

    void pastesNeverBringLineBreaksOrControlCharacters() {
        const QString a = makeSeries("a.vrk");
        auto w = open(a);
        w->Theme->clear();
        paste(w->Theme, "Premier\r\nSecond\nTroisième");
        QCOMPARE(w->Theme->text(), QString("Premier"));
        w->Contrat->setText("4P  entame RC");
        w->Contrat->setCursorPosition(3);
        paste(w->Contrat, QString("S\nfin") + QChar(0) + "x");
        QCOMPARE(w->Contrat->text(), QString("4P S entame RC"));
        w->Provenance->clear();
        paste(w->Provenance, QString("a") + QChar(0) + "b\tc");
        QCOMPARE(w->Provenance->text(), QString("abc"));
        // A comment field splits the paste into lines, as typing would.
        w->Attaquant->clear();
        paste(w->Attaquant, QString("un\r\ndeux\rtrois") + QChar(0) + "!");
        QCOMPARE(w->Attaquant->toPlainText(), QString("un\ndeux\ntrois!"));
        QCOMPARE(w->model().series().line(commentLine(1, 1)), std::string("deux"));
        QCOMPARE(w->model().series().line(commentLine(1, 2)), std::string("trois!"));
        w->Encheres->clear();
        paste(w->Encheres, "\t1P\tpasse\r\n");
        QCOMPARE(w->model().series().line(commentLine(1, 7)), std::string("\t1P\tpasse"));

        // After a save and a reload every other line is where it was.
        QVERIFY(w->saveSeries());
        const Series back = onDisk(a);
        QCOMPARE(back.lines.size(), size_t(kTextLines));
        for (int n = 2; n <= 96; ++n) QCOMPARE(back.line(themeLine(n)), "Th\xE8me " + std::to_string(n));
    }

    void aLongTextIsShownAndKeptWhole() {
        const QString a = makeSeries("a.vrk");
        const std::string theme(70, 't');
        const std::string contract = "4P S entame RC, puis le roi de coeur et la suite";  // 48 characters
        {
            Series s = onDisk(a);
            s.setLine(themeLine(3), theme);
            s.setLine(contractLine(3), makeContractLine(contract, {2, 5, 5}));
            s.setLine(0, std::string(30, 'T'));
            saveSeries(a.toStdString(), s);
        }
        auto w = open(a);
        w->gotoDeal(3);
        QCOMPARE(w->Theme->text().size(), 70);
        QCOMPARE(w->Contrat->text().toStdString(), contract);
        QCOMPARE(w->Titre->text().size(), 30);
        // Typing stops at the limit, deleting does not.
        w->Theme->end(false);
        QTest::keyClicks(w->Theme, "x");
        QCOMPARE(w->Theme->text().size(), 70);
        QTest::keyClick(w->Theme, Qt::Key_Backspace);
        QCOMPARE(w->model().series().line(themeLine(3)), std::string(69, 't'));
        // A spinner click and "Recopie" keep the whole contract.
        w->UpAttaquant->click(+1);
        QCOMPARE(contractTextOf(w->model().series().line(contractLine(3))), contract);
        QCOMPARE(lineCountsOf(w->model().series().line(contractLine(3))), balanceCounts({2, 5, 5}, 0, +1));
        w->action("Recopielediagramme")->trigger();
        QCOMPARE(contractTextOf(w->model().series().line(contractLine(96))), contract);
        // Typing in a short field still stops at its limit.
        w->Provenance->clear();
        w->Theme->clear();
        QTest::keyClicks(w->Theme, QString(60, 'y'));
        QCOMPARE(w->Theme->text().size(), 50);
    }

    void lineCountsAreBroughtBackToTwelve() {
        const QString a = makeSeries("a.vrk");
        {
            Series s = onDisk(a);
            // 5 and 3 with the auction count missing: the default 6 would make 14.
            s.setLine(contractLine(4), std::string("3SA N").append(45, ' ') + "05   03");
            for (int i = 0; i < 12; ++i) s.setLine(commentLine(4, i), "l" + std::to_string(i));
            for (int i = 0; i < 15; ++i) s.setLine(15 * 5 - i, "cinq " + std::to_string(i));
            saveSeries(a.toStdString(), s);
        }
        auto w = open(a);
        w->gotoDeal(4);
        QCOMPARE(w->EdAttaquant->text(), QString("5"));
        QCOMPARE(w->EdDefense->text(), QString("3"));
        QCOMPARE(w->EdEncheres->text(), QString("4"));
        QCOMPARE(w->Encheres->toPlainText(), QString("l8\nl9\nl10\nl11"));
        w->Encheres->moveCursor(QTextCursor::End);
        QTest::keyClick(w->Encheres, Qt::Key_Return);
        QTest::keyClicks(w->Encheres, "de trop");
        w->Attaquant->moveCursor(QTextCursor::End);
        QTest::keyClicks(w->Attaquant, "+");
        for (int i = 0; i < 15; ++i) QCOMPARE(w->model().series().line(15 * 5 - i), "cinq " + std::to_string(i));
        QCOMPARE(w->model().series().line(commentLine(4, 4)), std::string("l4+"));
    }

    void aWorkingFileNameWindows1252CannotHoldReadsBack() {
        QDir().mkpath(path("Pique ♠"));
        const QString name = path("Pique ♠/Série ♥.vrk");
        {
            auto w = std::make_unique<TForm1>(QStringList{name});
            QVERIFY(w->model().fileOpen());
            w->action("Automatiser1")->trigger();
            QVERIFY(w->close());
        }
        QVERIFY2(ini().find("Travail=file://") != std::string::npos, ini().c_str());
        auto w = std::make_unique<TForm1>(QStringList{});
        QVERIFY(w->model().fileOpen());
        QCOMPARE(w->seriesFileName(), name);
    }

    void emptyFieldsSayWhatGoesThere() {
        const QString a = makeSeries("a.vrk");
        auto w = open(a);
        QCOMPARE(w->Titre->placeholderText(), QString("Titre de la série"));
        QCOMPARE(w->Contrat->placeholderText(), QString("Contrat, par exemple 4P S entame RC"));
        for (QWidget *f : std::initializer_list<QWidget *>{w->Theme, w->Provenance})
            QVERIFY(!static_cast<QLineEdit *>(f)->placeholderText().isEmpty());
        for (QPlainTextEdit *f : {w->Attaquant, w->Defense, w->Encheres}) QVERIFY(!f->placeholderText().isEmpty());
    }

    // ------------------------------------------------------------ the window's habits

    void cardClicksPickTheDrawnCardAtEveryZoom() {
        const QString a = makeSeries("a.vrk");
        for (int zoom : {5, 7, 8, 10, 12, 13, 15, 17}) {
            testutil::writeFile(dir->file("vrek.ini"), "[Fonctionnement]\r\nZoom=" + std::to_string(zoom) + "\r\n");
            auto w = open(a);
            w->gotoDeal(10);
            // Cards picked all over the pack: each click takes the card drawn there.
            for (int k : {13, 1, 7, 2, 9, 5, 3, 6, 4}) {
                const QString before = w->pack[3]->text();
                const QChar drawn = before[k + 1];
                QTest::mouseClick(w->pack[3], Qt::LeftButton, {}, cardCentre(w->pack[3], k));
                const QString after = w->pack[3]->text();
                QVERIFY2(after == QString(before).remove(k + 1, 1),
                         qPrintable(QString("zoom %1: %2 then %3").arg(zoom).arg(before, after)));
                QVERIFY(w->hand[0][3]->text().contains(drawn));
            }
            // And back out of the hand, from the middle.
            for (int k : {5, 1, 7, 2}) {
                const QString before = w->hand[0][3]->text();
                QTest::mouseClick(w->hand[0][3], Qt::LeftButton, {}, cardCentre(w->hand[0][3], k));
                QCOMPARE(w->hand[0][3]->text(), QString(before).remove(k + 1, 1));
            }
            w->model().markSaved();
        }
    }

    void everyZoomLeavesTheWindowUsable() {
        const QString a = makeSeries("a.vrk");
        for (const char *zoom : {"3", "5000", "2147483647", "-4"}) {
            testutil::writeFile(dir->file("vrek.ini"), std::string("[Fonctionnement]\r\nZoom=") + zoom + "\r\n");
            auto w = open(a);
            w->show();
            QVERIFY(w->model().settings().zoom >= kSmallestZoom && w->model().settings().zoom <= kLargestZoom);
            QVERIFY2(w->ScrollBar1->isVisible() && w->ScrollBar1->height() >= 16, zoom);
            QVERIFY2(w->Provenance->geometry().bottom() <= w->Panel5->height(), zoom);
            QVERIFY2(w->Encheres->geometry().bottom() < w->Provenance->y(), zoom);
            QVERIFY(w->width() <= 700 * kLargestZoom / 10 + 10);
            w->model().markSaved();
        }
        // Resizing scales the panels as a zoom would.
        testutil::writeFile(dir->file("vrek.ini"), "[Fonctionnement]\r\nZoom=10\r\n");
        auto w = open(a);
        w->show();
        const int table = w->Table->width();
        QWidget *texts[] = {w->Titre, w->Theme, w->Contrat, w->Attaquant, w->Defense, w->Encheres, w->Provenance};
        std::vector<double> sizes;
        for (QWidget *t : texts) sizes.push_back(t->font().pointSizeF());
        const double hand = w->hand[0][3]->font().pointSizeF();
        w->resize(1400, 1032);
        QCOMPARE(w->Table->width(), 2 * table);
        QVERIFY(w->hand[0][3]->font().pointSizeF() > 15);
        // The text column's fonts follow the deal panel's, and its fields still fit.
        for (size_t i = 0; i < sizes.size(); ++i)
            QVERIFY2(qAbs(texts[i]->font().pointSizeF() / sizes[i] - w->hand[0][3]->font().pointSizeF() / hand) < 0.05,
                     qPrintable(texts[i]->objectName()));
        QVERIFY(w->Encheres->geometry().bottom() < w->Provenance->y());
        QVERIFY(w->Provenance->geometry().bottom() <= w->Panel5->height());
        QCOMPARE(w->Panel6->width(), 1400);
    }

    void boardsAreReachedFromTheKeyboard() {
        const QString a = makeSeries("a.vrk");
        auto w = open(a);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        w->Theme->setFocus();
        QTest::keyClick(w->Theme, Qt::Key_PageDown);
        QCOMPARE(w->model().currentDeal(), 2);
        QTest::keyClick(w->Attaquant, Qt::Key_PageDown);
        QCOMPARE(w->model().currentDeal(), 3);
        QTest::keyClick(w->Theme, Qt::Key_PageUp);
        QCOMPARE(w->model().currentDeal(), 2);
        QTest::keyClick(w->Theme, Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(w->model().currentDeal(), 96);
        QTest::keyClick(w->ScrollBar1, Qt::Key_Home, Qt::ControlModifier);
        QCOMPARE(w->model().currentDeal(), 1);
        QCOMPARE(w->LbDonne->text(), QString("Donne n°"));
        w->EdDonne->setValue(57);
        QCOMPARE(w->model().currentDeal(), 57);
        QCOMPARE(w->Theme->text(), QString("Thème 57"));
        w->gotoDeal(12);
        QCOMPARE(w->EdDonne->value(), 12);
    }

    void theCopyCaptionAndTheKeyboardEntryFollowTheBoard() {
        const QString a = makeSeries("a.vrk");
        testutil::writeFile(dir->file("vrek.ini"),
                            "[R\xE9pertoire]\r\nTravail=" + a.toStdString() + "\r\nDonne=7\r\n[Fonctionnement]\r\nautomatise=1\r\n");
        auto w = std::make_unique<TForm1>(QStringList{});
        createWindows(*w);
        QCOMPARE(w->model().currentDeal(), 7);
        QCOMPARE(w->action("Recopielediagramme")->text(), QString("&Recopie le diagramme donne 7 jusque 96"));
        // Escape ends the keyboard entry as "Terminer" does.
        w->show();
        w->gotoDeal(30);
        w->BtClavier->click();
        auto *k = w->findChild<TVrekFDiagramme *>();
        QVERIFY(k->isVisible());
        QVERIFY(w->model().entryCursor() > 0);
        QVERIFY(plat->caps);
        QTest::keyClick(k, Qt::Key_Escape);
        QVERIFY(!k->isVisible());
        QCOMPARE(w->model().entryCursor(), 0);
        QVERIFY(!plat->caps);
        // Closing the window does the same.
        w->BtClavier->click();
        QVERIFY(plat->caps);
        k->close();
        QCOMPARE(w->model().entryCursor(), 0);
        QVERIFY(!plat->caps);
    }

    void theConstraintFileDialogTitle() {
        const QString a = makeSeries("a.vrk");
        auto w = open(a);
        w->findChild<TContraint *>()->ouvrirClick();
        QCOMPARE(plat->dialogs.last().title, QString("Ouverture d'un fichier de contraintes"));
    }
};

QTEST_MAIN(DataSafetyTest)
#include "tst_datasafety.moc"
