// Card entry and deal operations through real mouse clicks on the main window.
#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

#include "app/vrekhp.h"
#include "app/vrekpermut.h"
#include "app/windows.h"
#include "inkruns.h"
#include "core/seriesfile.h"
#include "windowbed.h"

using namespace vrek;

class CardEntryTest : public QObject {
    Q_OBJECT
    std::unique_ptr<WindowBed> bed;
    testutil::TempDir *dir = nullptr;
    ScriptedPlatform *plat = nullptr;
    TForm1 *w = nullptr;

    // Clicks the middle of the k-th card drawn in a label (k = 1 is the first card after "P ").
    void clickCard(QLabel *l, int k, Qt::MouseButton b = Qt::LeftButton) {
        QTest::mouseClick(l, b, {}, cardCentre(l, k));
    }
    ClickLabel *handLabel(int seat, int suit) { return w->hand[seat - 1][suit - 1]; }
    QLabel *packLabel(int suit) { return w->pack[suit - 1]; }

private slots:
    void init() {
        bed = std::make_unique<WindowBed>();
        dir = &bed->dir;
        plat = &bed->plat;
        Series s;
        s.clear();
        for (int n = 1; n <= 96; ++n)
            for (int j = 0; j < 15; ++j) s.setLine(15 * n - j, "b" + std::to_string(n) + "." + std::to_string(j));
        s.setLine(0, "Titre");
        s.deal(5) = testutil::shuffledDeal(5);
        w = &bed->start(s);
        w->show();
        w->model().edit(vrek::ChangeSeries, [&](vrek::Series &s) { s.deal(1).clear(); });
        w->redraw();
    }
    void cleanup() { bed.reset(); }

    void packClicksFillNorthFirst() {
        clickCard(packLabel(Spades), 1);
        QCOMPARE(handLabel(North, Spades)->text(), QString("P A"));
        QCOMPARE(packLabel(Spades)->text(), QString("P RDVX98765432"));
        clickCard(packLabel(Spades), 13 - 1);  // the two is now the 12th card
        QCOMPARE(handLabel(North, Spades)->text(), QString("P A2"));
        // Right button works in the pack too.
        clickCard(packLabel(Hearts), 2, Qt::RightButton);
        QCOMPARE(handLabel(North, Hearts)->text(), QString("C R"));
        // Just outside the label's cards (the blank before them, past the
        // last one): nothing.
        QLabel *clubs = packLabel(Clubs);
        const auto letter = charSpan(clubs, 0), ace = charSpan(clubs, 2), two = charSpan(clubs, 14);
        QTest::mouseClick(clubs, Qt::LeftButton, {}, QPoint((letter.second + ace.first) / 2, 5));
        QTest::mouseClick(clubs, Qt::LeftButton, {}, QPoint(two.second + 6, 5));
        QCOMPARE(handLabel(North, Clubs)->text(), QString("T "));
        // The first card's left edge and the last card's right edge count.
        QTest::mouseClick(clubs, Qt::LeftButton, {}, QPoint(ace.first, 5));
        QCOMPARE(handLabel(North, Clubs)->text(), QString("T A"));
        QTest::mouseClick(clubs, Qt::LeftButton, {}, QPoint(charSpan(clubs, 13).second, 5));
        QCOMPARE(handLabel(North, Clubs)->text(), QString("T A2"));
    }

    void handClicksAndExchange() {
        w->model().edit(vrek::ChangeSeries, [&](vrek::Series &s) { s.deal(1) = testutil::dealFrom("AKQJT.-.-.-", "-.5432.-.-", "-.-.-.-", "-.-.-.-"); });
        w->redraw();
        clickCard(handLabel(North, Spades), 3);
        QCOMPARE(handLabel(North, Spades)->text(), QString("P ARVX"));
        QVERIFY(packLabel(Spades)->text().startsWith("P D"));
        // Right click on North's king, then East's three of hearts: the king
        // waits framed in its hand, and the exchange is one step.
        clickCard(handLabel(North, Spades), 2, Qt::RightButton);
        QVERIFY(w->model().pending().active);
        QCOMPARE(handLabel(North, Spades)->text(), QString("P ARVX"));
        QCOMPARE(handLabel(North, Spades)->marked(), 3);
        clickCard(handLabel(East, Hearts), 3, Qt::RightButton);
        QVERIFY(!w->model().pending().active);
        QCOMPARE(handLabel(North, Spades)->marked(), -1);
        QCOMPARE(handLabel(North, Hearts)->text(), QString("C 3"));
        QCOMPARE(handLabel(East, Spades)->text(), QString("P R"));
        QCOMPARE(handLabel(East, Hearts)->text(), QString("C 542"));
        w->action("Annuler1")->trigger();
        QCOMPARE(handLabel(North, Spades)->text(), QString("P ARVX"));
        QCOMPARE(handLabel(East, Hearts)->text(), QString("C 5432"));
        w->action("Retablir1")->trigger();
        // A left click after one right click cancels: the card stays in its hand.
        clickCard(handLabel(North, Spades), 1, Qt::RightButton);
        clickCard(handLabel(East, Hearts), 1, Qt::LeftButton);
        QVERIFY(!w->model().pending().active);
        QCOMPARE(handLabel(North, Spades)->text(), QString("P AVX"));
        QCOMPARE(handLabel(North, Spades)->marked(), -1);
        QVERIFY(packLabel(Spades)->text().startsWith("P D"));
        // Navigation cancels too.
        clickCard(handLabel(North, Spades), 1, Qt::RightButton);
        QVERIFY(w->model().pending().active);
        w->ScrollBar1->setValue(2);
        QVERIFY(!w->model().pending().active);
    }

    void buttons() {
        w->gotoDeal(5);
        Deal d = w->model().series().deal(5);
        QCOMPARE(w->Distribution->text(), QString("Vérification"));
        int verified = 0, dealt = 0, keyboard = 0;
        w->verify = [&] { ++verified; };
        w->distribute = [&] { ++dealt; };
        w->keyboardEntry = [&] { ++keyboard; };
        QTest::mouseClick(w->Distribution, Qt::LeftButton);
        QCOMPARE(verified, 1);
        QTest::mouseClick(w->Inverser, Qt::LeftButton);
        QCOMPARE(w->model().series().deal(5).hand(North).suits[0].count, d.hand(South).suits[0].count);
        QTest::mouseClick(w->Inverser, Qt::LeftButton);
        QCOMPARE(w->model().series().deal(5), d);
        for (int i = 0; i < 4; ++i) QTest::mouseClick(w->Rotation, Qt::LeftButton);
        QCOMPARE(w->model().series().deal(5), d);
        QTest::mouseClick(w->Rotation, Qt::LeftButton);
        QCOMPARE(std::memcmp(&w->model().series().deal(5).hand(East), &d.hand(North), 40), 0);
        QTest::mouseClick(w->Nouvelle, Qt::LeftButton);
        QVERIFY(w->model().series().deal(5).empty());
        QCOMPARE(w->Distribution->text(), QString("Distribution"));
        QCOMPARE(w->model().series().line(themeLine(5)), std::string("b5.14"));  // texts stay
        QTest::mouseClick(w->Distribution, Qt::LeftButton);
        QCOMPARE(dealt, 1);
        QTest::mouseClick(w->BtClavier, Qt::LeftButton);
        QCOMPARE(keyboard, 1);
    }

    void copyForwardInsertDelete() {
        w->gotoDeal(5);
        Deal d = w->model().series().deal(5);
        w->UpAttaquant->click(+1);
        w->action("Recopielediagramme")->trigger();
        QCOMPARE(w->model().series().deal(96), d);
        QCOMPARE(w->model().series().line(contractLine(96)).substr(50, 12), std::string("04   03   05"));
        QCOMPARE(w->model().series().line(provenanceLine(96)), std::string("b5.0"));
        QVERIFY(w->model().series().deal(4).empty());
        QCOMPARE(w->model().series().line(themeLine(4)), std::string("b4.14"));

        w->gotoDeal(1);
        w->Titre->setText("Nouveau titre");
        w->action("Recopielediagramme")->trigger();
        QCOMPARE(w->model().series().line(0), std::string("Nouveau titre"));
        QVERIFY(w->model().series().deal(5).empty());

        w->model().edit(vrek::ChangeSeries, [&](vrek::Series &s) { s.deal(10) = d; });
        w->model().edit(vrek::ChangeSeries, [&](vrek::Series &s) { s.setLine(themeLine(10), "dix"); });
        w->gotoDeal(10);
        w->action("InsertionDonne")->trigger();
        QVERIFY(w->model().series().deal(10).empty());
        QCOMPARE(w->Theme->text(), QString());
        QCOMPARE(w->model().series().deal(11), d);
        QCOMPARE(w->model().series().line(themeLine(11)), std::string("dix"));
        w->action("SuppressionDonne")->trigger();
        QCOMPARE(w->model().series().deal(10), d);
        QCOMPARE(w->Theme->text(), QString("dix"));
    }

    void permutationDialog() {
        w->model().edit(vrek::ChangeSeries, [&](vrek::Series &s) { s.deal(3) = testutil::shuffledDeal(3); });
        w->model().edit(vrek::ChangeSeries, [&](vrek::Series &s) { s.deal(7) = testutil::shuffledDeal(7); });
        Deal d3 = w->model().series().deal(3), d7 = w->model().series().deal(7);
        std::string t3 = w->model().series().line(themeLine(3)), t7 = w->model().series().line(themeLine(7));
        w->gotoDeal(12);
        w->action("Permutation")->trigger();
        Tvrkpermut *p = w->findChild<Tvrkpermut *>();
        QVERIFY(p->isVisible());
        QCOMPARE(p->windowTitle(), QString("Permutation entre 2 diagrammes"));
        QCOMPARE(p->Label1->text(), QString("Permuter le diagramme 12"));
        QCOMPARE(p->Label2->text(), QString("Avec"));
        QCOMPARE(p->Label3->text(), QString("          le diagramme 12"));
        QCOMPARE(p->Imprim->text(), QString("&Permuter"));
        QCOMPARE(p->ScrollBar2->value(), 12);
        p->ScrollBar1->setValue(3);
        p->ScrollBar2->setValue(7);
        QCOMPARE(p->Label1->text(), QString("Permuter le diagramme 3"));
        QCOMPARE(p->Label3->text(), QString("          le diagramme 7"));
        QTest::mouseClick(p->Imprim, Qt::LeftButton);
        QVERIFY(!p->isVisible());
        QCOMPARE(w->model().series().deal(3), d7);
        QCOMPARE(w->model().series().deal(7), d3);
        QCOMPARE(w->model().series().line(themeLine(3)), t7);

        w->action("Recopiedundiagramme1")->trigger();
        QCOMPARE(p->windowTitle(), QString("Recopie d'un diagramme"));
        QCOMPARE(p->Label1->text(), QString("Recopier à la place du 12"));
        QCOMPARE(p->Label2->text(), QString("  le  "));
        QCOMPARE(p->Imprim->text(), QString("Reco&pier"));
        p->ScrollBar1->setValue(3);
        p->ScrollBar2->setValue(7);
        QTest::mouseClick(p->Imprim, Qt::LeftButton);
        QCOMPARE(w->model().series().deal(3), d3);
        QCOMPARE(w->model().series().deal(7), d3);
        w->action("Permutation")->trigger();
        QTest::mouseClick(p->Quitter, Qt::LeftButton);
        QVERIFY(!p->isVisible());
    }
};

QTEST_MAIN(CardEntryTest)
#include "tst_cardentry.moc"
