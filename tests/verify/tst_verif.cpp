// The verification window driven as a user would: the contract line read on
// activation, lead and settings clicks, "&Vérifier" with the real solver
// program and with fake ones, and "Vérification Automatique" over a series.
#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include "app/vrekhp.h"
#include "platform/widgets.h"
#include "app/windows.h"
#include "core/seriesfile.h"
#include "fakesolver.h"
#include "windowbed.h"
#include "verify/contractline.h"
#include "verify/lead.h"
#include "verify/vrkverif.h"
#include "verify/vrsolverpool.h"

using namespace vrek;

namespace {

// North holds every top card: North-South take all thirteen tricks whoever leads.
Deal topCards() {
    return testutil::dealFrom("AKQJ.AKQ.AKQ.AKQ", "T98.JT9.JT9.JT98", "765.876.8765.765", "432.5432.432.432");
}

QString q(const std::string &s) { return QString::fromStdString(s); }

}  // namespace

class VerifTest : public QObject {
    Q_OBJECT
    std::unique_ptr<WindowBed> bed;
    testutil::TempDir *dir = nullptr;
    ScriptedPlatform *plat = nullptr;
    TForm1 *w = nullptr;
    TVrekverif *v = nullptr;

    // Board n gets a deal and a contract line with counts 4, 3, 5.
    void setBoard(int n, const Deal &d, const std::string &contract) {
        w->model().edit(vrek::ChangeSeries, [&](vrek::Series &s) { s.deal(n) = d; });
        w->model().edit(vrek::ChangeSeries, [&](vrek::Series &s) { s.setLine(contractLine(n), makeContractLine(contract, {4, 3, 5})); });
    }
    void openBoard(int n) {
        w->gotoDeal(n);
        QCOMPARE(w->Distribution->text(), QString("Vérification"));
        w->Distribution->click();
        QVERIFY(v->isVisible());
    }
    QLabel *cardLabel(const char *prefix, int k) { return v->findChild<QLabel *>(QString("%1%2").arg(prefix).arg(k)); }
    bool green(QLabel *l) { return l->palette().color(QPalette::Window) == QColor(0, 255, 0); }
    QString greenCards() {
        QString out;
        for (const char *p : {"Piq", "Coe", "Kar", "Tre"})
            for (int k = 1; k <= 9; ++k)
                if (green(cardLabel(p, k))) out += QString("%1%2 ").arg(p).arg(k);
        return out.trimmed();
    }
    QString leaderCards(const char *prefix) {
        QString out;
        for (int k = 1; k <= 9; ++k) out += cardLabel(prefix, k)->text().isEmpty() ? "." : cardLabel(prefix, k)->text();
        return out;
    }
    bool exchangeLeft() const { return !QDir(plat->folder).entryList({"vrek*.txt*"}, QDir::Files).isEmpty(); }

private slots:
    void initTestCase() {
        const QString bridge = QDir(QCoreApplication::applicationDirPath()).filePath("bridge");
        QVERIFY2(QFileInfo(bridge).isExecutable(), "the solver program bridge must be built beside the test");
    }

    void init() {
        bed = std::make_unique<WindowBed>();
        dir = &bed->dir;
        plat = &bed->plat;
        Series s;
        s.clear();
        w = &bed->start(s);
        w->show();
        v = w->findChild<TVrekverif *>();
        QVERIFY(v);
        QVERIFY(!v->isVisible());
    }
    void cleanup() { bed.reset(); }

    void activationReadsTheContractLine() {
        // West holds the named lead.
        setBoard(1, testutil::dealFrom("AKQJ.AQ5.AKQ.AKQ", "T98.JT9.JT9.JT98", "765.876.8765.765", "432.K432.432.432"),
                 "4P S entame RC");
        openBoard(1);
        QCOMPARE(v->level(), 4);
        QCOMPARE(v->hauteur->text(), QString("4"));
        QCOMPARE(v->strain(), Strain::Spades);
        QVERIFY(v->NatureItem[1]->isChecked());
        QCOMPARE(v->declarer(), int(South));
        QCOMPARE(v->declarant->text(), QString("S"));
        QCOMPARE(v->Entam->text(), QString("Entame de O"));
        QVERIFY(!v->Contrer->isChecked());
        QCOMPARE(v->lead(), cardCode(Hearts, 13));
        QCOMPARE(leaderCards("Coe"), QString("R432....."));
        QCOMPARE(leaderCards("Piq"), QString("432......"));
        QCOMPARE(greenCards(), QString("Coe1"));

        // The same line when West lacks the king: West's lowest spade.
        setBoard(2, topCards(), "4P S entame RC");
        openBoard(2);
        QCOMPARE(v->lead(), cardCode(Spades, 2));
        QCOMPARE(greenCards(), QString("Piq3"));

        // Settings changed by hand are reset by the next activation.
        v->NatureItem[4]->setChecked(true);
        v->U_contrat->upButton()->click();
        openBoard(2);
        QCOMPARE(v->strain(), Strain::Spades);
        QCOMPARE(v->level(), 4);

        // East void in spades: the lowest heart; "*" ticks Contrer.
        setBoard(3, testutil::dealFrom("AKQJ.AKQ.AKQ.AKQ", "-.JT98.JT98.JT985", "T98765.76.765.76", "432.5432.432.432"),
                 "3SA* N");
        openBoard(3);
        QCOMPARE(v->level(), 3);
        QCOMPARE(v->strain(), Strain::NoTrump);
        QCOMPARE(v->Entam->text(), QString("Entame de E"));
        QVERIFY(v->Contrer->isChecked());
        QCOMPARE(leaderCards("Piq"), QString("........."));
        QCOMPARE(v->lead(), cardCode(Hearts, 8));
        QCOMPARE(greenCards(), QString("Coe4"));

        // Nothing readable: 1 Sans-Atout by North.
        setBoard(4, topCards(), "à jouer");
        openBoard(4);
        QCOMPARE(v->level(), 1);
        QCOMPARE(v->strain(), Strain::NoTrump);
        QCOMPARE(v->declarer(), int(North));
        QCOMPARE(v->lead(), cardCode(Spades, 8));
    }

    void cardLevelAndDeclarerClicks() {
        setBoard(1, topCards(), "4P S");
        openBoard(1);
        QCOMPARE(greenCards(), QString("Piq3"));
        QTest::mouseClick(cardLabel("Piq", 1), Qt::LeftButton);
        QCOMPARE(v->lead(), cardCode(Spades, 4));
        QCOMPARE(greenCards(), QString("Piq1"));
        QTest::mouseClick(cardLabel("Coe", 4), Qt::LeftButton);
        QCOMPARE(v->lead(), cardCode(Hearts, 2));

        // The declarer's up arrow goes back one seat: East, whose leader South lacks 2C.
        v->U_declarant->upButton()->click();
        QCOMPARE(v->declarer(), int(East));
        QCOMPARE(v->declarant->text(), QString("E"));
        QCOMPARE(v->Entam->text(), QString("Entame de S"));
        QCOMPARE(leaderCards("Piq"), QString("765......"));
        QCOMPARE(v->lead(), cardCode(Spades, 5));
        for (int i = 0; i < 2; ++i) v->U_declarant->upButton()->click();
        QCOMPARE(v->declarer(), int(North));
        for (int i = 0; i < 4; ++i) v->U_declarant->downButton()->click();
        QCOMPARE(v->declarer(), int(West));
        QCOMPARE(v->Entam->text(), QString("Entame de N"));

        for (int i = 0; i < 5; ++i) v->U_contrat->upButton()->click();
        QCOMPARE(v->level(), 7);
        QCOMPARE(v->hauteur->text(), QString("7"));
        for (int i = 0; i < 9; ++i) v->U_contrat->downButton()->click();
        QCOMPARE(v->hauteur->text(), QString("1"));

        QVERIFY(!(v->windowFlags() & Qt::WindowCloseButtonHint));
        v->Quitter->click();
        QVERIFY(!v->isVisible());
    }

    void blankLabelGivesTheDefaultLead() {
        setBoard(1, topCards(), "4P S entame DP");  // West leads: 432.5432.432.432
        openBoard(1);
        QCOMPARE(v->lead(), cardCode(Spades, 2));
        QTest::mouseClick(cardLabel("Coe", 1), Qt::LeftButton);
        QCOMPARE(greenCards(), QString("Coe1"));
        // Past the end of a holding, and in another suit: the lowest spade again.
        QTest::mouseClick(cardLabel("Coe", 5), Qt::LeftButton);
        QCOMPARE(v->lead(), cardCode(Spades, 2));
        QCOMPARE(greenCards(), QString("Piq3"));
        QTest::mouseClick(cardLabel("Tre", 2), Qt::LeftButton);
        QTest::mouseClick(cardLabel("Tre", 9), Qt::LeftButton);
        QCOMPARE(v->lead(), cardCode(Spades, 2));
        // Without spades the default is the lowest heart.
        setBoard(2, testutil::dealFrom("AKQJ.AKQ.AKQ.AKQ", "-.JT98.JT98.JT985", "T98765.76.765.76", "432.5432.432.432"),
                 "3SA N");
        openBoard(2);
        QTest::mouseClick(cardLabel("Tre", 1), Qt::LeftButton);
        QCOMPARE(v->lead(), cardCode(Clubs, 11));
        QTest::mouseClick(cardLabel("Piq", 1), Qt::LeftButton);
        QCOMPARE(v->lead(), cardCode(Hearts, 8));
        QCOMPARE(greenCards(), QString("Coe4"));
    }

    void verifyWithTheRealSolver() {
        setBoard(1, topCards(), "4P S entame RC");
        openBoard(1);
        plat->answers.enqueue(true);
        v->verifier->click();
        QCOMPARE(plat->messages.size(), 1);
        QCOMPARE(plat->messages[0].kind, RecordedMessage::Question);
        QCOMPARE(plat->messages[0].text, QString("13 levées par Sud\n\n510\n\n4P+3 par S sur entame 2P"));
        QCOMPARE(w->Contrat->text(), QString("4P+3 par S sur entame 2P"));
        QCOMPARE(w->model().series().line(contractLine(1)), makeContractLine("4P+3 par S sur entame 2P", {4, 3, 5}));
        QVERIFY(!v->isVisible());
        QVERIFY(!exchangeLeft());
        // The deal itself is never touched.
        QVERIFY(w->model().series().deal(1) == topCards());

        // Settings from the controls: 3 Sans-Atout doubled by East on board 3 (East-West vulnerable).
        setBoard(3, topCards(), "");
        openBoard(3);
        v->U_declarant->downButton()->click();
        v->U_contrat->upButton()->click();
        v->U_contrat->upButton()->click();
        v->Contrer->setChecked(true);
        plat->answers.enqueue(true);
        v->verifier->click();
        QCOMPARE(plat->lastMessage(), QString("0 levées par Est\n\n-2600\n\n3SA*-9 par E sur entame 5P"));
        QCOMPARE(w->Contrat->text(), QString("3SA*-9 par E sur entame 5P"));

        // Verifying the result text again gives the same text, and stores it.
        openBoard(3);
        QCOMPARE(v->choice().doubled, true);
        w->model().edit(vrek::ChangeSeries, [&](vrek::Series &s) { s.setLine(contractLine(3), makeContractLine("3SA*-9 par E sur entame 5P", {2, 2, 2})); });
        plat->answers.enqueue(true);
        v->verifier->click();
        // The store's line counts are kept (the window shows the line the model holds).
        QCOMPARE(w->model().series().line(contractLine(3)), makeContractLine("3SA*-9 par E sur entame 5P", {2, 2, 2}));
    }

    void answerNoWritesNothing() {
        setBoard(1, topCards(), "7SA N");
        openBoard(1);
        const std::string before = w->model().series().line(contractLine(1));
        v->verifier->click();  // the empty answer queue says No
        QCOMPARE(plat->messages.size(), 1);
        QCOMPARE(plat->lastMessage(), QString("13 levées par Nord\n\n1520\n\n7SA= par N sur entame 8P"));
        QCOMPARE(w->Contrat->text(), QString("7SA N"));
        QCOMPARE(w->model().series().line(contractLine(1)), before);
        QVERIFY(v->isVisible());
        QVERIFY(!exchangeLeft());
    }

    // How a solver may go wrong: at its start (FakeSolver::atStart), what it
    // says to the question and what it does next (FakeSolver::always).
    static void faultColumns() {
        QTest::addColumn<int>("atStart");
        QTest::addColumn<QByteArray>("says");
        QTest::addColumn<int>("then");
        QTest::addColumn<QString>("message");
    }
    static void faultRow(const char *name, int atStart, const QByteArray &says, int then, const QString &message) {
        QTest::newRow(name) << atStart << says << then << message;
    }
    void fakeSolvers_data() {
        faultColumns();
        const int go = FakeSolver::kGoOn, hang = FakeSolver::kHang, crash = FakeSolver::kCrash;
        const QByteArray ok = "NS = 13 tricks after lead S2\n";
        const QString late = "Le programme de calcul n'a pas terminé dans les 7 secondes : il a été arrêté.";
        const QString noAnswer = "Le programme de calcul n'a pas donné le nombre de levées (pas de ligne « after »).";
        faultRow("bloqué", go, "", hang, late);
        faultRow("muet", 0, "", go, "Le programme de calcul n'a pas affiché son invite « line: ».");
        faultRow("sans invite, bloqué", hang, "", go, late);
        faultRow("illisible", go, "des octets sans rien\n", 3, noAnswer + " Code de sortie : 3.");
        faultRow("hors limites", go, "NS = 42 tricks after\n", go,
                 "Le programme de calcul a donné un nombre de levées invalide : «  42 tr ».");
        faultRow("négatif", go, "NS = -1 tricks after\n", go,
                 "Le programme de calcul a donné un nombre de levées invalide : «  -1 tr ».");
        faultRow("chiffres en trop", go, "NS = 1.2 tricks after\n", go,
                 "Le programme de calcul a donné un nombre de levées invalide : «  1.2 t ».");
        faultRow("réponse puis erreur", go, ok, 2,
                 "Le programme de calcul s'est terminé en erreur après avoir répondu. Code de sortie : 2.");
        faultRow("réponse puis plantage", go, ok, crash,
                 "Le programme de calcul s'est arrêté anormalement après avoir répondu.");
        faultRow("planté", go, "", crash, noAnswer + " Il s'est arrêté anormalement.");
        // What comes after the first megabyte is not read: the answer is lost.
        faultRow("bavard", go, QByteArray(3 << 20, 'x') + ok, go, noAnswer);
    }
    void fakeSolvers() {
        QFETCH(int, atStart);
        QFETCH(QByteArray, says);
        QFETCH(int, then);
        QFETCH(QString, message);
        setBoard(1, topCards(), "4P S entame RC");
        openBoard(1);
        FakeSolver solver(*plat, v->solverProgram = "/fake/bridge");
        solver.atStart = atStart;
        solver.always(says, then);
        // A shorter bound than the program's 7 s, which the message still names.
        v->solverTimeoutMs = 1500;
        const std::string before = w->model().series().line(contractLine(1));
        QElapsedTimer clock;
        clock.start();
        v->verifier->click();
        QVERIFY2(clock.elapsed() < 3500, "the solver is stopped at the bound");
        QCOMPARE(plat->messages.size(), 1);
        QCOMPARE(plat->messages[0].kind, RecordedMessage::Error);
        QCOMPARE(plat->messages[0].text, message);
        QCOMPARE(w->Contrat->text(), QString("4P S entame RC"));
        QCOMPARE(w->model().series().line(contractLine(1)), before);
        QVERIFY(v->isVisible());
        QVERIFY(!exchangeLeft());
        QVERIFY(!QApplication::overrideCursor());
        // A solver left running is killed, one that ended is not.
        const bool hangs = atStart == FakeSolver::kHang || (atStart == FakeSolver::kGoOn && then == FakeSolver::kHang);
        QCOMPARE(solver.kills, hangs ? 1 : 0);
    }

    void missingSolver() {
        setBoard(1, topCards(), "4P S");
        openBoard(1);
        v->solverProgram = q(dir->file("absent"));
        v->verifier->click();
        QCOMPARE(plat->lastMessage(),
                 "Le programme de calcul « " + v->solverProgram + " » est introuvable ou ne peut pas être lancé.");
        QCOMPARE(w->Contrat->text(), QString("4P S"));
        QVERIFY(!exchangeLeft());
    }

    void markersSplitAcrossReadsAndTheExchangeFile() {
        setBoard(1, topCards(), "4C O entame DC");
        openBoard(1);
        FakeSolver solver(*plat, v->solverProgram = "/fake/bridge");
        solver.pieces = 3;  // "lin" "e:\n", "NS " "= 1" "1 t" "ric" "ks " "aft" "er\n"
        solver.always("NS = 11 tricks after\n", FakeSolver::kGoOn);
        plat->answers.enqueue(true);
        v->verifier->click();
        // West takes 13 - 11 = 2 tricks: eight down, not vulnerable.
        QCOMPARE(plat->lastMessage(), QString("2 levées par Ouest\n\n-400\n\n4C-8 par O sur entame DC"));
        QCOMPARE(w->Contrat->text(), QString("4C-8 par O sur entame DC"));
        QCOMPARE(solver.commands.size(), size_t(1));
        const std::string &command = solver.commands[0];
        const std::string path = (plat->folder + "vrek.txt").toStdString();
        QCOMPARE(command.substr(0, 5 + path.size()), "-dcq " + path);
        QCOMPARE(command.find_first_not_of('\0', 5 + path.size()), std::string::npos);
        QCOMPARE(solver.exchanges[0], std::string("n AKQJ.AKQ.AKQ.AKQ\r\ne T98.JT9.JT9.JT98\r\ns 765.876.8765.765\r\n"
                                                  "w 432.5432.432.432\r\nw H\r\nHQ\r\n"));
        QCOMPARE(plat->started, QStringList{"/fake/bridge"});
        QVERIFY(!exchangeLeft());
    }

    void incompleteDealIsRefused() {
        w->model().edit(vrek::ChangeSeries, [&](vrek::Series &s) { s.deal(2) = testutil::dealFrom("AK.-.-.-", "-.-.-.-", "-.-.-.-", "-.-.-.2"); });
        w->gotoDeal(2);
        v->open();
        QVERIFY(!v->isVisible());
        QCOMPARE(plat->lastMessage(), QString("L'entameur (Est) n'a aucune carte : vérification impossible."));
        // A leader with cards, still incomplete.
        w->model().edit(vrek::ChangeSeries, [&](vrek::Series &s) { s.setLine(contractLine(2), makeContractLine("2K S", {3, 3, 6})); });
        w->redraw();
        v->open();
        QVERIFY(!v->isVisible());
        QCOMPARE(plat->lastMessage(), QString("La donne n'est pas complète (3 cartes sur 52) : vérification impossible."));
        QCOMPARE(plat->messages[0].kind, RecordedMessage::Information);
    }

    void hiddenWhenTheMainWindowTakesOver() {
        setBoard(1, topCards(), "4P S");
        openBoard(1);
        QVERIFY(QTest::qWaitForWindowActive(v));
        w->activateWindow();
        QTRY_VERIFY(!v->isVisible());
    }

    void automaticMode() {
        setBoard(1, topCards(), "4P S entame RC");
        w->model().edit(vrek::ChangeSeries, [&](vrek::Series &s) { s.deal(2) = testutil::dealFrom("AK.-.-.-", "-.Q.-.-", "-.-.-.-", "-.-.-.2"); });  // incomplete
        setBoard(3, topCards(), "3SA* E");
        setBoard(5, topCards(), "");  // no contract
        setBoard(9, topCards(), "Passe");  // no level digit either
        w->model().edit(vrek::ChangeSeries, [&](vrek::Series &s) { s.deal(7) = testutil::dealFrom("AKQ.-.-.-", "-.-.-.-", "-.-.-.-", "-.-.-.-"); });  // East has nothing
        setBoard(96, topCards(), "6T N");
        std::vector<std::string> lines(97);
        for (int n = 1; n <= 96; ++n) lines[n] = w->model().series().line(contractLine(n));
        w->gotoDeal(40);

        w->action("Verif_Auto")->trigger();
        QCOMPARE(plat->messages.size(), 1);
        QCOMPARE(plat->messages[0].kind, RecordedMessage::Information);
        QCOMPARE(plat->messages[0].text, QString("Donnes non vérifiées car incomplètes : 2, 7.\n"
                                                 "Donnes non vérifiées car sans contrat : 5, 9."));
        QCOMPARE(w->model().series().line(contractLine(1)), makeContractLine("4P+3 par S sur entame 2P", {4, 3, 5}));
        QCOMPARE(w->model().series().line(contractLine(3)), makeContractLine("3SA*-9 par E sur entame 5P", {4, 3, 5}));
        QCOMPARE(w->model().series().line(contractLine(5)), makeContractLine("", {4, 3, 5}));
        QCOMPARE(w->model().series().line(contractLine(9)), makeContractLine("Passe", {4, 3, 5}));
        QCOMPARE(w->model().series().line(contractLine(96)), makeContractLine("6T= par N sur entame 8P", {4, 3, 5}));
        for (int n : {2, 4, 6, 7, 8, 50, 95}) QCOMPARE(w->model().series().line(contractLine(n)), lines[n]);
        // Back on the board shown before the run.
        QCOMPARE(w->model().currentDeal(), 40);
        QCOMPARE(w->ScrollBar1->value(), 40);
        QCOMPARE(w->Contrat->text(), QString());
        QCOMPARE(v->tag(), 0);
        QVERIFY(!v->isVisible());
        QVERIFY(!exchangeLeft());

        // Everything complete or empty, every contract named: no message at all.
        plat->messages.clear();
        w->model().edit(vrek::ChangeSeries, [&](vrek::Series &s) { s.deal(2).clear(); });
        w->model().edit(vrek::ChangeSeries, [&](vrek::Series &s) { s.deal(7).clear(); });
        w->model().edit(vrek::ChangeSeries, [&](vrek::Series &s) { s.deal(5).clear(); });
        w->model().edit(vrek::ChangeSeries, [&](vrek::Series &s) { s.deal(9).clear(); });
        w->action("Verif_Auto")->trigger();
        QVERIFY(plat->messages.isEmpty());
    }

    void automaticModeLeavesTheSeriesAsItWasOnFailure() {
        setBoard(1, topCards(), "4P S");
        setBoard(2, topCards(), "3SA E");
        setBoard(3, topCards(), "2K N");
        std::vector<std::string> lines(97);
        for (int n = 1; n <= 96; ++n) lines[n] = w->model().series().line(contractLine(n));
        // Answers every board but board 2 (East declares), where it prints garbage.
        FakeSolver solver(*plat, v->solverProgram = "/fake/bridge");
        auto eastDeclares = [](const std::string &exchange) { return exchange.find("\r\ne ", 60) != std::string::npos; };
        solver.answer = [&](const std::string &x) { return QByteArray(eastDeclares(x) ? "rien\n" : "NS = 13 tricks after\n"); };
        solver.then = [&](const std::string &x) { return eastDeclares(x) ? 0 : FakeSolver::kGoOn; };
        w->action("Verif_Auto")->trigger();
        QCOMPARE(plat->messages.size(), 1);
        QCOMPARE(plat->messages[0].kind, RecordedMessage::Error);
        QCOMPARE(plat->messages[0].text,
                 QString("Donne 2 : Le programme de calcul n'a pas donné le nombre de levées (pas de ligne « after »).\n"
                         "La série n'a pas été modifiée."));
        for (int n = 1; n <= 96; ++n) QCOMPARE(w->model().series().line(contractLine(n)), lines[n]);
        QCOMPARE(w->Contrat->text(), QString("3SA E"));
        QVERIFY(!v->isVisible());
        QVERIFY(!exchangeLeft());
    }

    // The pool of solvers kept for the whole run, and how each one's
    // failure ends the run with the series as it was.
    void automaticModeWithFaultySolvers_data() {
        faultColumns();
        const int go = FakeSolver::kGoOn, hang = FakeSolver::kHang, crash = FakeSolver::kCrash;
        const QByteArray ok = "NS = 13 tricks after lead S2\n";
        faultRow("bloqué", go, "", hang, "Le programme de calcul n'a pas terminé dans les 2 secondes : il a été arrêté.");
        faultRow("muet", 0, "", go, "Le programme de calcul n'a pas affiché son invite « line: ».");
        faultRow("hors limites", go, "NS = 42 tricks after\n", go,
                 "Le programme de calcul a donné un nombre de levées invalide : «  42 tr ».");
        // It answers, then ends instead of asking for the next board: started again once, then given up.
        faultRow("réponse puis erreur", go, ok, 4,
                 "Le programme de calcul s'est terminé en erreur après avoir répondu. Code de sortie : 4.");
        faultRow("planté deux fois", go, "", crash,
                 "Le programme de calcul n'a pas donné le nombre de levées (pas de ligne « after »). "
                 "Il s'est arrêté anormalement.");
        // Dies on its first question only: started again, and the run goes on.
        faultRow("planté une fois", go, "", crash, "");
    }
    void automaticModeWithFaultySolvers() {
        QFETCH(int, atStart);
        QFETCH(QByteArray, says);
        QFETCH(int, then);
        QFETCH(QString, message);
        for (int n = 1; n <= 3; ++n) setBoard(n, topCards(), "4P S");
        std::vector<std::string> lines(97);
        for (int n = 1; n <= 96; ++n) lines[n] = w->model().series().line(contractLine(n));
        FakeSolver solver(*plat, v->solverProgram = "/fake/bridge");
        solver.atStart = atStart;
        solver.always(says, then);
        v->solverTimeoutMs = 2000;  // instead of 7 s for the hanging one
        if (message.isEmpty()) {
            auto first = [&solver] { return solver.exchanges.size() == 1; };
            solver.answer = [=](const std::string &) { return QByteArray(first() ? "" : "NS = 13 tricks after\n"); };
            solver.then = [=](const std::string &) { return first() ? FakeSolver::kCrash : FakeSolver::kGoOn; };
        }
        w->action("Verif_Auto")->trigger();
        QVERIFY(!v->isVisible());
        QVERIFY(!exchangeLeft());
        for (const QString &p : plat->started) QCOMPARE(p, QString("/fake/bridge -suite"));
        QCOMPARE(solver.held, 0);
        if (message.isEmpty()) {
            QVERIFY(plat->messages.isEmpty());
            QCOMPARE(plat->started.size(), std::min(poolSize(kBoards), 3) + 1);
            for (int n = 1; n <= 3; ++n)
                QCOMPARE(w->model().series().line(contractLine(n)), makeContractLine("4P+3 par S sur entame 2P", {4, 3, 5}));
            return;
        }
        QCOMPARE(plat->messages.size(), 1);
        QCOMPARE(plat->messages[0].kind, RecordedMessage::Error);
        QCOMPARE(plat->messages[0].text, "Donne 1 : " + message + "\nLa série n'a pas été modifiée.");
        for (int n = 1; n <= 96; ++n) QCOMPARE(w->model().series().line(contractLine(n)), lines[n]);
    }

    void automaticModeOverAFullSeries() {
        const char *strains[5] = {"SA", "P", "C", "K", "T"};
        const char *seats = "NESO";
        for (int n = 1; n <= 96; ++n)
            setBoard(n, testutil::shuffledDeal(1000 + n),
                     std::to_string(1 + n % 7) + strains[n % 5] + (n % 3 ? "" : "*") + " " + seats[n % 4]);
        // The interface keeps running: timers fire during the run.
        int ticks = 0;
        QTimer timer;
        timer.setInterval(5);
        connect(&timer, &QTimer::timeout, [&] { ++ticks; });
        timer.start();
        QElapsedTimer clock;
        clock.start();
        w->action("Verif_Auto")->trigger();
        const qint64 first = clock.elapsed();
        timer.stop();
        QVERIFY(plat->messages.isEmpty());
        QVERIFY2(ticks > 10, qPrintable(QString("%1 timer ticks").arg(ticks)));

        std::vector<std::string> once(97);
        for (int n = 1; n <= 96; ++n) {
            once[n] = w->model().series().line(contractLine(n));
            // The result text reads back as the contract that was verified.
            ContractChoice c = parseContractLine(once[n]);
            QCOMPARE(c.level, 1 + n % 7);
            QCOMPARE(strainText(c.strain), strains[n % 5]);
            QCOMPARE(c.doubled, n % 3 == 0);
            QCOMPARE(seatLetter(c.declarer), seats[n % 4]);
            QCOMPARE(c.lead, defaultLead(w->model().series().deal(n).hand(leaderOf(c.declarer))));
            QVERIFY(q(contractTextOf(once[n])).contains(" par "));
        }
        // A second run over the result texts finds the same results.
        clock.restart();
        w->action("Verif_Auto")->trigger();
        const qint64 second = clock.elapsed();
        for (int n = 1; n <= 96; ++n) QCOMPARE(w->model().series().line(contractLine(n)), once[n]);
        qInfo("automatic verification of 96 boards: %lld ms, then %lld ms (%.1f ms a board)", first, second,
              second / 96.0);
    }
};

QTEST_MAIN(VerifTest)
#include "tst_verif.moc"
