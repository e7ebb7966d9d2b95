// Keyboard entry of a diagram: the window, its keys and its three buttons.
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "app/VrekDiagramme.h"
#include "app/vrekhp.h"
#include "app/windows.h"
#include "core/dealview.h"
#include "core/keyentry.h"
#include "windowbed.h"

using namespace vrek;

class KeyEntryWindowTest : public QObject {
    Q_OBJECT
    std::unique_ptr<WindowBed> bed;
    testutil::TempDir *dir = nullptr;
    ScriptedPlatform *plat = nullptr;
    TForm1 *w = nullptr;
    TVrekFDiagramme *k = nullptr;

    void type(const QString &keys) { QTest::keyClicks(k->Saisit, keys); }

private slots:
    void init() {
        bed = std::make_unique<WindowBed>();
        dir = &bed->dir;
        plat = &bed->plat;
        w = &bed->start();
        k = w->findChild<TVrekFDiagramme *>();
        QVERIFY(k);
        w->show();
    }
    void cleanup() { bed.reset(); }

    void openingStartsAtNorthSpadesAndSetsTheLocks() {
        QTest::mouseClick(w->BtClavier, Qt::LeftButton);
        QVERIFY(k->isVisible());
        QCOMPARE(k->windowTitle(), QString("Saisie au clavier ET/OU au pavé numérique"));
        QCOMPARE(w->model().entryCursor(), 1);
        QVERIFY(plat->caps);
        QVERIFY(plat->num);
        QCOMPARE(w->hand[0][3]->palette().color(QPalette::Window), QColor(255, 255, 0));
        QCOMPARE(w->pack[3]->palette().color(QPalette::Window), QColor(255, 255, 0));
        QCOMPARE(k->BtCompleter->text(), QString("Quitter en complétant le diagramme"));
        QCOMPARE(k->BtDiagrammeSuivant->text(), QString("Compléter le diagramme et passer au suivant"));
    }

    void typingFillsTheHoldings() {
        QTest::mouseClick(w->BtClavier, Qt::LeftButton);
        type("AR2");
        type("0");
        type("1");
        QCOMPARE(w->hand[0][3]->text(), QString("P AR2"));
        QCOMPARE(w->hand[0][2]->text(), QString("C A"));
        QCOMPARE(w->model().entryCursor(), cursorOf(North, Hearts));
        QCOMPARE(k->Saisit->text(), QString());
        // The keypad keys, a ten three ways, ignored characters.
        type("/*-+");
        type("x");  // the ten is taken now: ignored
        type("zq!");
        QCOMPARE(w->hand[0][2]->text(), QString("C ARDVX"));
        // BtClavier with the window open keeps the cursor.
        QTest::mouseClick(w->BtClavier, Qt::LeftButton);
        QCOMPARE(w->model().entryCursor(), cursorOf(North, Hearts));
        type(".");
        QCOMPARE(w->model().entryCursor(), cursorOf(North, Spades));
    }

    void quitterRestoresTheLocks() {
        plat->num = false;
        QTest::mouseClick(w->BtClavier, Qt::LeftButton);
        QTest::mouseClick(k->BtQuitter, Qt::LeftButton);
        QVERIFY(!k->isVisible());
        QVERIFY(!plat->caps);
        QVERIFY(plat->num);
        QCOMPARE(w->model().entryCursor(), 0);
        // Reopened after hiding: back at North's spades.
        QTest::mouseClick(w->BtClavier, Qt::LeftButton);
        type("0");
        QCOMPARE(w->model().entryCursor(), 2);
        k->hide();
        QTest::mouseClick(w->BtClavier, Qt::LeftButton);
        QCOMPARE(w->model().entryCursor(), 1);
    }

    void theFiftySecondCardFinishes() {
        Deal full = testutil::shuffledDeal(2);
        Deal d = full;
        Holding &h = d.holding(West, Clubs);
        QVERIFY(h.count > 0);
        int rank = h.rank(1);
        h.removeAt(1);
        w->model().edit(vrek::ChangeSeries, [&](vrek::Series &s) { s.deal(1) = d; });
        QTest::mouseClick(w->BtClavier, Qt::LeftButton);
        QCOMPARE(w->model().entryCursor(), cursorOf(West, Spades));
        type(".");  // back from West's spades: wraps to West's clubs
        QCOMPARE(w->model().entryCursor(), cursorOf(West, Clubs));
        type(QString(QChar(frenchRank(rank))));
        QCOMPARE(w->model().series().deal(1), full);
        QVERIFY(!k->isVisible());
        QCOMPARE(w->model().entryCursor(), 0);
        QCOMPARE(w->Distribution->text(), QString("Vérification"));
    }

    void completionButtons() {
        QTest::mouseClick(w->BtClavier, Qt::LeftButton);
        type("AR");
        QTest::mouseClick(k->BtCompleter, Qt::LeftButton);
        QVERIFY(w->model().series().deal(1).complete());
        QVERIFY(w->model().series().deal(1).holding(North, Spades).holds(14));
        QCOMPARE(w->model().series().line(provenanceLine(1)), std::string());  // the count is not recorded
        QVERIFY(!k->isVisible());
        QCOMPARE(w->model().entryCursor(), 0);

        w->gotoDeal(95);
        QTest::mouseClick(w->BtClavier, Qt::LeftButton);
        QTest::mouseClick(k->BtDiagrammeSuivant, Qt::LeftButton);
        QVERIFY(w->model().series().deal(95).complete());
        QCOMPARE(w->model().currentDeal(), 96);
        QVERIFY(k->isVisible());  // board 96 is not complete: the window comes back
        QCOMPARE(w->model().entryCursor(), 1);
        QTest::mouseClick(k->BtDiagrammeSuivant, Qt::LeftButton);
        QVERIFY(w->model().series().deal(96).complete());
        QCOMPARE(w->model().currentDeal(), 96);  // stays on the last board
        QVERIFY(!k->isVisible());
    }

    void exitClosesTheWindow() {
        QTest::mouseClick(w->BtClavier, Qt::LeftButton);
        w->close();
        QVERIFY(!k->isVisible());
    }
};

QTEST_MAIN(KeyEntryWindowTest)
#include "tst_keyentry.moc"
