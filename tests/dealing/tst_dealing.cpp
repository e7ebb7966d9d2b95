// The dealing commands of the main window and the constraint editor, driven headless.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabBar>
#include <QTimer>
#include <QWheelEvent>
#include <QtTest>

#include "app/vrekhp.h"
#include "app/windows.h"
#include "core/evaluation.h"
#include "core/seriesfile.h"
#include "dealing/VrekCle.h"
#include "dealing/dealer.h"
#include "dealing/vrekcon.h"
#include "dealing/vrekinf.h"
#include "fakesolver.h"
#include "verify/contractline.h"
#include "verify/vrkverif.h"
#include "windowbed.h"

using namespace vrek;

class DealingWindowsTest : public QObject {
    Q_OBJECT
    std::unique_ptr<WindowBed> bed;
    testutil::TempDir *dir = nullptr;
    ScriptedPlatform *plat = nullptr;
    TForm1 *w = nullptr;

    QLineEdit *label(const char *name) { return w->findChild<TContraint *>()->findChild<QLineEdit *>(name); }
    UpDown *updown(const char *name) { return w->findChild<TContraint *>()->findChild<UpDown *>(name); }
    void click(const char *updownName, int delta, int times = 1) {
        for (int i = 0; i < times; ++i) updown(updownName)->click(delta);
    }

private slots:
    void init() {
        bed = std::make_unique<WindowBed>();
        dir = &bed->dir;
        plat = &bed->plat;
        w = &bed->start();
    }
    void cleanup() { bed.reset(); }

    void distributionCompletesTheCurrentBoard() {
        w->gotoDeal(3);
        w->Provenance->setText("Club");
        w->model().edit(vrek::ChangeSeries, [&](vrek::Series &s) { s.deal(3).holding(North, Spades).insert(14); });
        w->redraw();
        QCOMPARE(w->Distribution->text(), QString("Distribution"));
        QTest::mouseClick(w->Distribution, Qt::LeftButton);
        const Deal &d = w->model().series().deal(3);
        QVERIFY(d.complete());
        for (int seat = 1; seat <= 4; ++seat) QCOMPARE(d.hand(seat).cards(), 13);
        QVERIFY(d.holding(North, Spades).holds(14));  // default constraints: nothing moves
        QCOMPARE(w->model().series().line(provenanceLine(3)), std::string("Club Nombre d'it\xE9rations: 1"));
        QCOMPARE(w->Provenance->text(), QString("Club Nombre d'itérations: 1"));
        QCOMPARE(w->Distribution->text(), QString("Vérification"));
        QVERIFY(!w->findChild<TInformation *>()->isVisible());
        QCOMPARE(w->findChild<TInformation *>()->windowTitle(), QString("Nombre d'Itérations"));
        QCOMPARE(w->findChild<TInformation *>()->ProgressBar1->maximum(), 200000);
        QCOMPARE(w->findChild<TInformation *>()->ProgressBar2->value(), 96);
    }

    void distributionAutomatiqueDealsTheWholeSeries() {
        w->model().edit(vrek::ChangeSeries, [&](vrek::Series &s) { s.deal(10) = testutil::shuffledDeal(10); });
        Deal ten = w->model().series().deal(10);
        w->model().edit(vrek::ChangeSeries, [&](vrek::Series &s) { s.setLine(provenanceLine(10), "ancien"); });
        w->gotoDeal(17);
        w->action("N3")->trigger();
        for (int n = 1; n <= 96; ++n) {
            QVERIFY(w->model().series().deal(n).complete());
            QCOMPARE(w->model().series().line(provenanceLine(n)), std::string("Nombre d'it\xE9rations: 1"));
        }
        QCOMPARE(w->model().series().deal(10), ten);  // complete already: not redealt
        // Back on the board shown before the run.
        QCOMPARE(w->model().currentDeal(), 17);
        QCOMPARE(w->ScrollBar1->value(), 17);
        QCOMPARE(w->Provenance->text(), QString("Nombre d'itérations: 1"));
        QVERIFY(plat->messages.isEmpty());
        QVERIFY(w->model().series().deal(1) != w->model().series().deal(2));
    }

    void inputDuringARunIsHeldOff() {
        // Keys, clicks and commands that reach the windows while the boards are
        // dealt change nothing of the run: one undo step, every board dealt.
        w->model().edit(vrek::ChangeSeries, [&](vrek::Series &s) { s.deal(1).holding(North, Spades).insert(14); });
        const Series before = w->model().series();
        QTimer poke;
        connect(&poke, &QTimer::timeout, this, [&] {
            if (!w->model().busy() || !poke.isActive()) return;
            poke.stop();
            QTest::keyClick(w->Titre, Qt::Key_Z, Qt::ControlModifier);
            QTest::mouseClick(w->hand[0][3], Qt::LeftButton, {}, QPoint(3 * w->charWidth() - 2, 5));
            w->findChild<TInformation *>()->dealCurrentBoard();
            plat->fileNames.enqueue(QString::fromStdString(dir->file("autre.vrk")));
            w->action("Ouvrir1")->trigger();
            w->action("Enregistrer1")->trigger();
        });
        poke.start(0);
        w->action("N3")->trigger();
        QVERIFY(!poke.isActive());
        QCOMPARE(w->seriesFileName(), QString::fromStdString(dir->file("s.vrk")));
        for (int n = 1; n <= 96; ++n)
            QCOMPARE(w->model().series().line(provenanceLine(n)), std::string("Nombre d'it\xE9rations: 1"));
        QVERIFY(w->model().series().deal(1).holding(North, Spades).holds(14));
        QCOMPARE(plat->lastMessage(), QString("Une distribution ou une vérification travaille sur la série : "
                                              "attendez qu'elle soit terminée."));
        w->action("Annuler1")->trigger();
        QVERIFY(w->model().series() == before);
    }

    // Clicks, keys, a wheel turn and a close request posted at every turn of
    // a run's event pump (those of the last turn stand for input held back
    // until the end) act neither during the run nor after it.
    void inputDuringARunIsDropped_data() {
        QTest::addColumn<QString>("run");
        for (const char *r : {"Distribution", "N3", "DistributionCle", "Verif_Auto"}) QTest::newRow(r) << QString(r);
    }
    void inputDuringARunIsDropped() {
        QFETCH(QString, run);
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w));
        auto *verif = w->findChild<TVrekverif *>();
        auto *cle = w->findChild<TVrekCle *>();
        FakeSolver solver(*plat, verif->solverProgram = "/fake/bridge");
        for (int n = 1; n <= 3; ++n)
            w->model().edit(ChangeSeries, [&](Series &s) {
                s.deal(n) = testutil::shuffledDeal(n);
                s.setLine(contractLine(n), makeContractLine("4P S", {4, 3, 5}));
            });
        QStringList expected;
        if (run == "DistributionCle") {
            w->action(run)->trigger();
            plat->fileNames.enqueue(bed->path("cle.txt"));
            cle->BtCreer->click();
            expected << "Distribution faite avec la clé d'empreinte :\n" + cle->EdEmpreinte->text();
        }
        w->gotoDeal(5);
        const Series before = w->model().series();
        const int messages = plat->messages.size();
        int pokes = 0;
        QTimer poke;
        connect(&poke, &QTimer::timeout, this, [&] {
            if (!w->model().busy() && !w->findChild<TInformation *>()->isVisible()) return;
            ++pokes;
            for (auto t : {QEvent::KeyPress, QEvent::KeyRelease})
                for (int k : {int(Qt::Key_Z), int(Qt::Key_PageDown)})
                    QCoreApplication::postEvent(w->Titre, new QKeyEvent(t, k, k == Qt::Key_Z ? Qt::ControlModifier : Qt::NoModifier));
            for (auto t : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
                for (QWidget *to : {static_cast<QWidget *>(w->hand[0][3]), static_cast<QWidget *>(w->Distribution),
                                    static_cast<QWidget *>(verif->Quitter)}) {
                    const QPointF at(to == w->hand[0][3] ? 3 * w->charWidth() - 2 : 5, 5);
                    QCoreApplication::postEvent(to, new QMouseEvent(t, at, to->mapToGlobal(at), Qt::LeftButton,
                                                                    t == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, {}));
                }
            QCoreApplication::postEvent(w->ScrollBar1, new QWheelEvent(QPointF(5, 5), w->ScrollBar1->mapToGlobal(QPointF(5, 5)), QPoint(),
                                                                     QPoint(0, -120), Qt::NoButton, {}, Qt::NoScrollPhase, false));
            QCoreApplication::postEvent(w, new QCloseEvent);
        });
        poke.start(0);
        if (run == "Distribution") w->Distribution->click();
        else if (run == "DistributionCle") cle->BtSerie->click();
        else w->action(run)->trigger();
        poke.stop();
        QTest::qWait(50);
        QVERIFY(pokes > 0);
        QVERIFY(w->isVisible());
        QCOMPARE(w->model().currentDeal(), 5);
        QStringList after;
        for (int i = messages; i < plat->messages.size(); ++i) after << plat->messages[i].text;
        QCOMPARE(after, expected);
        QVERIFY(w->model().series() != before);
        w->action("Annuler1")->trigger();
        QVERIFY(w->model().series() == before);
    }

    void valuesAreTypedAndBroughtIntoRange() {
        w->action("Caractristiques1")->trigger();
        QVERIFY(QTest::qWaitForWindowActive(w->findChild<TContraint *>()));
        // South 15-17 with 2-5 spades, typed from value to value with Tab;
        // values out of range are brought into it; the down arrow steps.
        auto type = [&](const char *field, const QString &keys) {
            label(field)->setFocus();
            for (QChar k : keys) QTest::keyClicks(QApplication::focusWidget(), QString(k));
        };
        type("pmi", "\b15\t17\t");
        type("cpmi", "\b2\t5\t");
        QCOMPARE(QApplication::focusWidget(), label("pcmi"));
        type("pmi", "\b\b40\t");
        type("pma", "\b\b3\t");
        type("ptma", "\b\b99\t");
        QTest::keyClick(label("pmi"), Qt::Key_Down);
        const ConstraintRecord &r = w->model().constraints().record(1, South);
        QCOMPARE((std::vector<int>{r[kMinPoints], r[kMaxPoints], r[suitByte(Spades, kSuitMinLength)],
                                   r[suitByte(Spades, kSuitMaxLength)], r[suitByte(Clubs, kSuitMaxPoints)]}),
                 (std::vector<int>{16, 17, 2, 5, 10}));
        QCOMPARE(label("pmi")->text() + label("pma")->text() + label("ptma")->text(), QString("161710"));
    }

    // Each keystroke stores what the field shows, within the field's own
    // range; leaving the field (Tab, another seat) keeps the maximum at or
    // above the minimum. South's minimum points are 12.
    void typedValuesAreStoredAsShown_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("settled");
        QTest::newRow("15 au maximum") << "pma" << "\b\b15\t" << 15;
        QTest::newRow("5 au maximum") << "pma" << "\b\b5\t" << 12;
        QTest::newRow("vidé, autre main") << "pma" << "\b\b\b" << 12;
        QTest::newRow("au-delà de 37") << "pmi" << "\b\b40\t" << 37;
        QTest::newRow("au-delà de 10, autre main") << "ptma" << "\b\b99" << 10;
        QTest::newRow("longueur 07") << "cpmi" << "\b07\t" << 7;
    }
    void typedValuesAreStoredAsShown() {
        QFETCH(QString, field);
        QFETCH(QString, keys);
        QFETCH(int, settled);
        w->action("Caractristiques1")->trigger();
        TContraint *c = w->findChild<TContraint *>();
        QVERIFY(QTest::qWaitForWindowActive(c));
        ConstraintRecord &r = w->model().constraints().record(1, South);
        r[kMinPoints] = 12;
        c->refresh();
        auto shownIsStored = [&] {
            for (int i = 0; i < kConstraintFields; ++i)
                if (c->value[i]->text() != QString::number(r[constraintField(i).byte])) return false;
            return true;
        };
        QLineEdit *f = label(field.toLatin1());
        f->setFocus();
        for (QChar k : keys) {
            QTest::keyClicks(f, QString(k));
            QVERIFY2(shownIsStored(), qPrintable(field + " shows " + f->text()));
        }
        c->Joueur->setCurrentIndex(1);
        c->Joueur->setCurrentIndex(0);
        QCOMPARE(f->text(), QString::number(settled));
        QVERIFY(shownIsStored() && r[kMaxPoints] >= r[kMinPoints]);
    }

    void editorStartsAtTheDefaults() {
        w->action("Caractristiques1")->trigger();
        TContraint *c = w->findChild<TContraint *>();
        QVERIFY(c->isVisible());
        QCOMPARE(c->windowTitle(), QString("Contraintes de distribution"));
        QCOMPARE(c->Niveau->count(), 1);
        QCOMPARE(c->Niveau->tabText(0), QString("1"));
        QCOMPARE(c->Joueur->tabText(0), QString("  SUD  "));
        QCOMPARE(c->Joueur->tabText(3), QString("   EST  "));
        QCOMPARE(c->Joueur->currentIndex(), 0);
        QCOMPARE(label("pmi")->text(), QString("0"));
        QCOMPARE(label("pma")->text(), QString("37"));
        for (const char *n : {"ptmi", "pkmi", "pcmi", "ppmi", "ctmi", "ckmi", "ccmi", "cpmi"})
            QCOMPARE(label(n)->text(), QString("0"));
        for (const char *n : {"ptma", "pkma", "pcma", "ppma"}) QCOMPARE(label(n)->text(), QString("10"));
        for (const char *n : {"ctma", "ckma", "ccma", "cpma"}) QCOMPARE(label(n)->text(), QString("9"));
        QVERIFY(c->cmi->isHidden());
        QVERIFY(c->cma->isHidden());
        QCOMPARE(c->Pique->text(), QString(QChar(0x2660)));
        QCOMPARE(c->Coeur->palette().color(QPalette::WindowText), QColor(Qt::red));
        QCOMPARE(updown("upmi")->toolTip(), QString("Nombre de point d'honneur minimum de la main"));
        QCOMPARE(c->Plus->toolTip(), QString("Augmente le nombre de main qui peuvent répondre"));
    }

    void editorBoundsAndWarnings() {
        w->action("Caractristiques1")->trigger();
        // A minimum cannot pass its maximum.
        click("uctma", -1, 6);  // clubs length max 3
        click("uctmi", +1, 5);
        QCOMPARE(label("ctmi")->text(), QString("3"));
        QCOMPARE(w->model().constraints().record(1, South)[suitByte(Clubs, kSuitMinLength)], 3);
        click("uctma", -1, 5);
        QCOMPARE(label("ctma")->text(), QString("3"));
        click("uctma", +1, 6);
        click("uckmi", +1, 5);
        click("uccmi", +1, 5);
        click("uctmi", +1, 2);  // 5 + 5 + 5
        QVERIFY(w->findChild<TContraint *>()->cmi->isVisible());
        for (const char *n : {"uctmi", "uckmi", "uccmi"}) click(n, -1, 5);
        QVERIFY(w->findChild<TContraint *>()->cmi->isHidden());
        click("ucpma", -1, 6);  // 9 + 9 + 9 + 3: fine
        QVERIFY(w->findChild<TContraint *>()->cma->isHidden());
        click("uckma", -1, 6);
        click("uccma", -1, 6);
        click("uctma", -1, 6);  // 3 + 3 + 3 + 3 = 12
        QVERIFY(w->findChild<TContraint *>()->cma->isVisible());
        // Hand minimum 30 with every suit's maximum points at 7.
        for (const char *n : {"uptma", "upkma", "upcma", "uppma"}) click(n, -1, 3);
        click("upmi", +1, 30);
        QCOMPARE(label("pmi")->text(), QString("30"));
        QCOMPARE(label("pmi")->palette().color(QPalette::Window), QColor(Qt::red));
        QCOMPARE(label("pma")->palette().color(QPalette::Window), QColor(Qt::white));
        // Another seat shows its own record.
        w->findChild<TContraint *>()->Joueur->setCurrentIndex(1);  // NORD
        QCOMPARE(w->model().constraints().editSeat, North);
        QCOMPARE(label("pmi")->text(), QString("0"));
    }

    void setsPlusMoinsInitialiser() {
        w->action("Caractristiques1")->trigger();
        TContraint *c = w->findChild<TContraint *>();
        click("upmi", +1, 12);  // set 1, South minimum 12
        for (int i = 0; i < 8; ++i) QTest::mouseClick(c->Plus, Qt::LeftButton);
        QCOMPARE(c->Niveau->count(), 9);
        QCOMPARE(c->Niveau->tabText(8), QString("9"));
        QCOMPARE(c->Niveau->currentIndex(), 8);
        QCOMPARE(label("pmi")->text(), QString("12"));  // copies of the set before
        QTest::mouseClick(c->Plus, Qt::LeftButton);
        QCOMPARE(c->Niveau->count(), 9);
        for (int i = 0; i < 6; ++i) QTest::mouseClick(c->Moins, Qt::LeftButton);
        QCOMPARE(c->Niveau->count(), 3);
        QCOMPARE(w->model().constraints().editSet, 3);
        click("upmi", +1, 3);  // set 3: 15
        QTest::mouseClick(c->Moins, Qt::LeftButton);
        QCOMPARE(w->model().constraints().sets(), 2);
        QCOMPARE(w->model().constraints().editSet, 2);
        QTest::mouseClick(c->Plus, Qt::LeftButton);
        QCOMPARE(label("pmi")->text(), QString("12"));  // set 3 is a fresh copy of set 2
        c->Niveau->setCurrentIndex(1);
        click("upma", -1, 7);
        c->Joueur->setCurrentIndex(2);  // OUEST
        QTest::mouseClick(c->Initialiser, Qt::LeftButton);
        QCOMPARE(c->Joueur->currentIndex(), 0);
        QCOMPARE(w->model().constraints().editSeat, South);
        QCOMPARE(label("pmi")->text(), QString("0"));
        QCOMPARE(label("pma")->text(), QString("37"));
        QCOMPARE(w->model().constraints().record(1, South)[kMinPoints], 12);  // other sets untouched
        QCOMPARE(w->model().constraints().record(3, South)[kMinPoints], 12);
        w->action("RInitialise1")->trigger();
        QCOMPARE(w->model().constraints().sets(), 1);
        QCOMPARE(c->Niveau->count(), 1);
        QCOMPARE(w->model().constraints().record(1, South)[kMinPoints], 0);
    }

    void fileRoundTripAndRefusal() {
        w->action("Caractristiques1")->trigger();
        TContraint *c = w->findChild<TContraint *>();
        for (int i = 0; i < 3; ++i) QTest::mouseClick(c->Plus, Qt::LeftButton);
        click("upmi", +1, 20);
        QString file = QString::fromStdString(dir->file("regles.vrc"));
        plat->fileNames.enqueue(file);
        QTest::mouseClick(c->Button3, Qt::LeftButton);
        QCOMPARE(plat->dialogs.last().filter, QString("VRC|*.vrc"));
        QCOMPARE(plat->dialogs.last().defaultSuffix, QString("vrc"));
        std::string bytes = testutil::readFile(file.toStdString());
        QCOMPARE(bytes.size(), size_t(720));
        QCOMPARE(int(uint8_t(bytes[3])), 4);
        w->action("RInitialise1")->trigger();
        plat->fileNames.enqueue(file);
        QTest::mouseClick(c->Button1, Qt::LeftButton);
        QCOMPARE(plat->dialogs.last().title, QString("Ouverture d'un fichier de contraintes"));
        QCOMPARE(c->Niveau->count(), 4);
        QCOMPARE(c->Niveau->currentIndex(), 3);
        QCOMPARE(c->Joueur->currentIndex(), 0);
        QCOMPARE(label("pmi")->text(), QString("20"));
        QVERIFY(plat->messages.isEmpty());

        // A file with ten sets is refused and the table stays as it was.
        bytes[3] = 10;
        testutil::writeFile(dir->file("bad.vrc"), bytes);
        ConstraintTable before = w->model().constraints();
        plat->fileNames.enqueue(QString::fromStdString(dir->file("bad.vrc")));
        QTest::mouseClick(c->Button1, Qt::LeftButton);
        QCOMPARE(plat->messages.size(), 1);
        QCOMPARE(plat->messages[0].kind, RecordedMessage::Error);
        QVERIFY(w->model().constraints() == before);
        testutil::writeFile(dir->file("short.vrc"), bytes.substr(0, 700));
        plat->fileNames.enqueue(QString::fromStdString(dir->file("short.vrc")));
        QTest::mouseClick(c->Button1, Qt::LeftButton);
        QCOMPARE(plat->messages.size(), 2);
        QVERIFY(w->model().constraints() == before);
        QTest::mouseClick(c->Button2, Qt::LeftButton);
        QVERIFY(!c->isVisible());
    }

    void constraintsMoveTheHandsToTheirSeats() {
        // South must hold 20+ points: the dealer gives South a strong hand.
        w->model().constraints().record(1, South)[kMinPoints] = 20;
        w->gotoDeal(1);
        QTest::mouseClick(w->Distribution, Qt::LeftButton);
        const Deal &d = w->model().series().deal(1);
        QVERIFY(d.complete());
        int attempts = std::stoi(w->model().series().line(provenanceLine(1)).substr(22));
        if (attempts < 200000) QVERIFY(highCardPoints(d.hand(South)) >= 20);
    }

    void unmetConstraintsAreNamedAtTheEnd() {
        w->gotoDeal(2);
        QTest::mouseClick(w->Distribution, Qt::LeftButton);
        QVERIFY(plat->messages.isEmpty());  // met: nothing to say
        w->model().constraints().record(1, North)[kMinPoints] = 38;  // more than a hand can hold
        w->gotoDeal(4);
        QTest::mouseClick(w->Distribution, Qt::LeftButton);
        QCOMPARE(plat->messages.size(), 1);
        QCOMPARE(plat->messages[0].kind, RecordedMessage::Warning);
        QCOMPARE(plat->messages[0].text, QString("Contraintes non satisfaites après 200000 itérations pour la donne 4 "
                                                 ": sa distribution ne les respecte pas."));
        QVERIFY(w->model().series().deal(4).complete());  // completed all the same
        QCOMPARE(w->model().series().line(provenanceLine(4)), std::string(" Nombre d'it\xE9rations: 200000"));

        // Every hand of this deal holds 10 points; North is asked for 11.
        const Deal even = testutil::dealFrom("A98765.K32.Q2.J2", "J43.A98765.K4.Q4", "Q2.JT4.A98765.K5",
                                             "KT.Q.JT3.AT98763");
        QVERIFY(even.complete());
        w->model().constraints().record(1, North)[kMinPoints] = 11;
        w->model().edit(vrek::ChangeSeries, [&](vrek::Series &s) {
            s.deal(3) = even;
            s.deal(4).clear();
            s.deal(7) = even;
        });
        w->action("N3")->trigger();
        QCOMPARE(plat->messages.size(), 2);
        QCOMPARE(plat->messages[1].text, QString("Contraintes non satisfaites après 200000 itérations pour les donnes "
                                                 "3 et 7 : leur distribution ne les respecte pas."));
        for (int n = 1; n <= 96; ++n) QVERIFY(w->model().series().deal(n).complete());
        QCOMPARE(w->model().series().deal(7), even);
        QCOMPARE(w->model().series().line(provenanceLine(7)), std::string("Nombre d'it\xE9rations: 200000"));
    }

    void editorChangesReachTheNextDeal() {
        w->gotoDeal(1);
        QTest::mouseClick(w->Distribution, Qt::LeftButton);  // with the defaults
        w->action("Caractristiques1")->trigger();
        click("upma", -1, 34);  // South at most 3 points
        for (int board = 2; board <= 6; ++board) {
            w->gotoDeal(board);
            QTest::mouseClick(w->Distribution, Qt::LeftButton);
            QVERIFY(highCardPoints(w->model().series().deal(board).hand(South)) <= 3);
        }
        click("upma", +1, 34);
        click("upmi", +1, 20);  // now at least 20
        w->gotoDeal(7);
        QTest::mouseClick(w->Distribution, Qt::LeftButton);
        QVERIFY(highCardPoints(w->model().series().deal(7).hand(South)) >= 20);
    }

    // "Distribution avec une clé…": a key created (its fingerprint shown),
    // the series dealt as the same key deals it anywhere, bad key files and
    // an existing file refused with the key in use kept, and the key in
    // neither the settings nor the series files.
    void dealingWithAKey() {
        auto *cle = w->findChild<TVrekCle *>();
        QVERIFY(cle);
        w->action("DistributionCle")->trigger();
        QVERIFY(cle->isVisible());
        QVERIFY(!cle->BtSerie->isEnabled());
        const QString keyFile = QString::fromStdString(dir->file("cle.txt"));
        plat->fileNames.enqueue(keyFile);
        cle->BtCreer->click();
        std::string err;
        const auto key = readKeyFile(keyFile.toStdString(), err);
        QVERIFY2(key, err.c_str());
        const QString fp = QString::fromStdString(fingerprintOf(*key));
        QCOMPARE(cle->EdEmpreinte->text(), fp);
        QCOMPARE(plat->lastMessage(), "Clé de distribution créée dans " + keyFile +
                                          ".\nEmpreinte à publier avant la compétition :\n" + fp);

        w->model().edit(vrek::ChangeSeries, [&](vrek::Series &s) { s.deal(4).holding(South, Hearts).insert(14); });
        cle->BtSerie->click();
        QCOMPARE(plat->lastMessage(), "Distribution faite avec la clé d'empreinte :\n" + fp);
        Series expected;
        expected.deal(4).holding(South, Hearts).insert(14);
        std::vector<int> all;
        for (int b = 1; b <= 96; ++b) all.push_back(b);
        dealSeries(expected, all, ConstraintTable(), *key);
        QCOMPARE(w->model().series().deals, expected.deals);

        // The current board: complete, nothing to do; emptied, dealt again the same.
        w->gotoDeal(9);
        cle->BtDonne->click();
        QCOMPARE(plat->lastMessage(), QString("La donne 9 est complète : rien à distribuer."));
        w->model().edit(vrek::ChangeSeries, [&](vrek::Series &s) { s.deal(9) = Deal(); });
        cle->BtDonne->click();
        QCOMPARE(w->model().series().deal(9), expected.deal(9));
        QCOMPARE(plat->lastMessage(), "Distribution faite avec la clé d'empreinte :\n" + fp);

        // Refusals keep the key in use and the series.
        const int before = plat->messages.size();
        plat->fileNames.enqueue(keyFile);
        cle->BtCreer->click();
        QCOMPARE(plat->lastMessage(), "Impossible de créer la clé " + keyFile + " : le fichier existe déjà.");
        testutil::writeFile(dir->file("court.txt"), "0123\n");
        plat->fileNames.enqueue(QString::fromStdString(dir->file("court.txt")));
        cle->BtChoisir->click();
        QVERIFY(plat->lastMessage().contains("trop court, 4 chiffres"));
        QCOMPARE(plat->messages.size(), before + 2);
        QCOMPARE(cle->EdEmpreinte->text(), fp);
        QCOMPARE(w->model().series().deals, expected.deals);

        w->saveSeries();
        const std::string hex = keyFileText(*key).substr(0, 64);
        for (const char *f : {"vrek.ini", "s.vrk", "s.VRT"})
            QVERIFY2(testutil::readFile(dir->file(f)).find(hex) == std::string::npos, f);
    }
};

QTEST_MAIN(DealingWindowsTest)
#include "tst_dealing.moc"
