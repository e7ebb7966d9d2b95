// The teaching windows driven as a teacher would: the master display opened
// from the menu, a trick played by clicks and taken back, the auction cells,
// the projector window, the auction panel writing the deal's auction, and
// the double-dummy numbers of each card as the play goes.
#include <QAction>
#include <QCheckBox>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

#include "app/vrekhp.h"
#include "app/windows.h"
#include "core/seriesfile.h"
#include "fakesolver.h"
#include "platform/widgets.h"
#include "scriptedplatform.h"
#include "teach/VrekEnch.h"
#include "teach/VrekMaitre.h"
#include "teach/VrekProjecteur.h"
#include "testutil.h"
#include "verify/vrplayanalysis.h"

using namespace vrek;

namespace {

QString q(const std::string &s) { return QString::fromStdString(s); }

// A 24-bit BMP of one colour (blue, green, red bytes).
std::string bmp(int w, int h, unsigned char b, unsigned char g, unsigned char r) {
    auto le = [](std::string &s, uint32_t v, int n) {
        for (int i = 0; i < n; ++i) s += static_cast<char>(v >> (8 * i) & 0xFF);
    };
    const uint32_t row = (w * 24 + 31) / 32 * 4, data = row * h;
    std::string s = "BM";
    for (uint32_t v : {54 + data, 0u, 54u, 40u, uint32_t(w), uint32_t(h)}) le(s, v, 4);
    le(s, 1, 2);
    le(s, 24, 2);
    for (uint32_t v : {0u, data, 0u, 0u, 0u, 0u}) le(s, v, 4);
    std::string line;
    for (int x = 0; x < w; ++x) line += {char(b), char(g), char(r)};
    line.resize(row, '\0');
    for (int y = 0; y < h; ++y) s += line;
    return s;
}

}  // namespace

class TeachTest : public QObject {
    Q_OBJECT
    std::unique_ptr<testutil::TempDir> dir;
    std::unique_ptr<ScriptedPlatform> plat;
    std::unique_ptr<TForm1> w;
    TVrekFMaitre *m = nullptr;
    TVrekFProjecteur *p = nullptr;
    TVrekFEnch *ench = nullptr;

    // Board 3 with a complete deal, a verified contract and an auction.
    void start(const std::string &background = {}) {
        if (!background.empty()) testutil::writeFile(dir->file("Vrek_Fond_projecteur.bmp"), background);
        Series s;
        s.clear();
        s.deal(3) = testutil::dealFrom("AKQJ.432.T98.765", "T98.AKQJ.432.432", "765.T98.AKQJ.T98", "432.765.765.AKQJ");
        s.setLine(contractLine(3), makeContractLine("4P= par S sur entame 5T", {3, 3, 6}));
        s.setLine(commentLine(3, 6), "\t1 P\t---\t4 P\t---");
        s.setLine(commentLine(3, 7), "\t---\t---");
        saveSeries(dir->file("s.vrk"), s);
        w = std::make_unique<TForm1>(QStringList{q(dir->file("s.vrk"))});
        w->gotoDeal(3);
        createWindows(*w);
        w->show();
        m = w->findChild<TVrekFMaitre *>();
        p = w->findChild<TVrekFProjecteur *>();
        ench = w->findChild<TVrekFEnch *>();
        QVERIFY(m && p && ench);
    }
    ClickLabel *card(int pos, int suit, int k) {
        return m->findChild<ClickLabel *>(QString("L%1%2%3").arg(pos).arg(suit).arg(k));
    }
    ClickLabel *trick(int t, int c, int which) {
        return m->findChild<ClickLabel *>(QString("C%1%2%3").arg(t).arg(c).arg(which));
    }
    QLineEdit *cell(int r, int k) { return m->findChild<QLineEdit *>(QString("E%1%2").arg(r).arg(k)); }
    QPushButton *button(QWidget *in, const char *name) { return in->findChild<QPushButton *>(name); }
    QColor pixel(int x, int y) { return m->picture().pixelColor(x, y); }
    QLabel *number(int pos, int suit, int k) { return m->findChild<QLabel *>(QString("DM%1%2%3").arg(pos).arg(suit).arg(k)); }
    int numbersShown() {
        int n = 0;
        for (QLabel *l : m->findChildren<QLabel *>(QRegularExpression("^DM"))) n += l->isVisible();
        return n;
    }
    // The play's solver, played in-process: the answers by position ("" holds it).
    std::map<std::string, std::string> positions;
    std::unique_ptr<FakeSolver> fakeSolver() {
        auto *play = w->findChild<VrPlayAnalysis *>();
        auto solver = std::make_unique<FakeSolver>(*plat, play->solverProgram = "/fake/bridge");
        solver->positions = [this](const std::string &request) {
            const size_t space = request.find(' ');
            auto it = positions.find(request.substr(space + 1));
            return it == positions.end() || it->second.empty() ? std::string() : request.substr(0, space) + ' ' + it->second;
        };
        return solver;
    }

private slots:
    void init() {
        dir = std::make_unique<testutil::TempDir>();
        plat = std::make_unique<ScriptedPlatform>();
        plat->folder = q(dir->path()) + "/";
    }
    void cleanup() {
        w.reset();
        plat.reset();
        dir.reset();
    }

    void presentationOpensOnTheDealLoadedAtStart() {
        start();
        QVERIFY(!m->isVisible());
        // Moving on after start-up does not reload the display.
        w->gotoDeal(4);
        w->action("Prsentation1")->trigger();
        QVERIFY(m->isVisible());
        QCOMPARE(m->windowTitle(), q(dir->file("s.vrk")) + "     Donne : 3");
        QCOMPARE(m->LbContrat->text(), QString("4P"));
        QCOMPARE(m->LbEntame->text(), QString("= par S sur entame 5T"));
        QCOMPARE(m->LH->text(), QString("Nord"));
        QCOMPARE(m->LG->text(), QString("Ouest"));
        for (QPushButton *b : m->Vis) QCOMPARE(b->text(), QString("Visible"));
        QCOMPARE(m->BtContrat->text(), QString("Visible"));
        QCOMPARE(m->BtVul->text(), QString("Caché"));
        QVERIFY(m->BtProjecteur->isHidden());
        QCOMPARE(card(1, Spades, 1)->text(), QString("A"));
        QCOMPARE(card(2, Hearts, 4)->text(), QString("V"));
        QVERIFY(card(1, Spades, 5)->isHidden());
        QCOMPARE(cell(1, 1)->text(), QString("1 P"));
        QCOMPARE(cell(2, 2)->text(), QString("---"));
        // The plain background and a hidden hand's first card back.
        QCOMPARE(pixel(1590, 1190), QColor(248, 248, 240));
        QCOMPARE(pixel(565, 250), QColor(0, 255, 255));
        // "Charger" reads the board now shown.
        m->BtRecharger->click();
        QCOMPARE(m->windowTitle(), q(dir->file("s.vrk")) + "     Donne : 4");
        QVERIFY(card(1, Spades, 1)->isHidden());
    }

    void withoutASeriesTheDisplayIsEmpty() {
        w = std::make_unique<TForm1>(QStringList{});
        createWindows(*w);
        m = w->findChild<TVrekFMaitre *>();
        ench = w->findChild<TVrekFEnch *>();
        w->action("Prsentation1")->trigger();
        QVERIFY(m->isVisible());
        QCOMPARE(m->display().cardsLeft(Upper), 0);
        QCOMPARE(m->LbContrat->text(), QString());
        m->BtRotation->click();
        m->BtVul->click();
        QTest::mouseClick(cell(1, 1), Qt::LeftButton);
        ench->open();
        QVERIFY(!ench->isVisible());
        QVERIFY(!w->model().modified());
    }

    void aTrickPlayedByClicksAndTakenBack() {
        start();
        m->open();
        const int before = m->repaints();
        QTest::mouseClick(card(1, Spades, 1), Qt::LeftButton);  // upper leads the ace
        QTest::mouseClick(card(3, Spades, 1), Qt::LeftButton);  // lower out of turn: ignored
        QVERIFY(card(3, Spades, 1)->isVisible());
        QTest::mouseClick(card(2, Spades, 1), Qt::RightButton);  // not a left click
        QVERIFY(card(2, Spades, 1)->isVisible());
        QTest::mouseClick(card(2, Spades, 1), Qt::LeftButton);
        QTest::mouseClick(card(3, Spades, 1), Qt::LeftButton);
        QTest::mouseClick(card(4, Spades, 1), Qt::LeftButton);
        QCOMPARE(m->display().cardsPlayed(), 4);
        QVERIFY(m->repaints() > before);
        // The trick table and the mark.
        QCOMPARE(trick(1, 1, 1)->text(), QString("A"));
        QCOMPARE(trick(1, 1, 0)->text(), QString("\u2660"));
        QVERIFY(trick(1, 4, 1)->isVisible());
        QVERIFY(trick(1, 5, 1)->isHidden());
        QCOMPARE(m->S[0]->text(), QString("+"));
        QVERIFY(m->S[0]->isVisible());
        // The upper spades moved up after the ace left; backs went from 13 to 12.
        QCOMPARE(card(1, Spades, 1)->text(), QString("R"));
        QVERIFY(card(1, Spades, 4)->isHidden());
        QCOMPARE(pixel(565 + 12 * 40, 250), QColor(248, 248, 240));
        // The last trick on the picture: the ace's letter on white beside the upper hand.
        QCOMPARE(pixel(797, 455), QColor(255, 255, 255));

        // Taking back the second card returns it and everything after it.
        QTest::mouseClick(trick(1, 2, 1), Qt::LeftButton);
        QCOMPARE(m->display().cardsPlayed(), 1);
        QVERIFY(trick(1, 2, 1)->isHidden());
        QVERIFY(m->S[0]->isHidden());
        QCOMPARE(card(2, Spades, 1)->text(), QString("X"));
        QVERIFY(card(3, Spades, 3)->isVisible());
        // And the first: the deal is whole again, as loaded.
        QTest::mouseClick(trick(1, 1, 0), Qt::LeftButton);
        QCOMPARE(m->display().cardsPlayed(), 0);
        QCOMPARE(card(1, Spades, 1)->text(), QString("A"));
        QCOMPARE(pixel(565 + 12 * 40, 250), QColor(0, 255, 255));
        // Nothing of this reached the series.
        QVERIFY(!w->model().modified());
    }

    void doubleDummyNumbersFollowThePlay() {
        start();
        m->open();
        auto solver = fakeSolver();
        const std::string hands = " AKQJ.432.T98.765 T98.AKQJ.432.432 765.T98.AKQJ.T98 432.765.765.AKQJ";
        positions["S s 0 w -" + hands] = "w S432:10 H765:10 D765:10 CAKQJ:9";
        positions["S s 0 w CA AKQJ.432.T98.765 T98.AKQJ.432.432 765.T98.AKQJ.T98 432.765.765.KQJ"] = "n C7:9 C65:10";
        QVERIFY(!m->SurProjecteur->isEnabled());
        m->DoubleMort->click();
        // West, on lead against 4P by South: "…" under every card until the answer.
        QCOMPARE(number(Left, Clubs, 1)->text(), QString("…"));
        QCOMPARE(numbersShown(), 13);
        QCOMPARE(m->LbDoubleMort->text(), QString("Double mort de Ouest : …"));
        QTRY_COMPARE(number(Left, Clubs, 1)->text(), QString("9"));
        QCOMPARE(number(Left, Spades, 3)->text(), QString("10"));
        QVERIFY(number(Left, Clubs, 4)->font().bold());  // the defence's best cards
        QVERIFY(!number(Left, Spades, 1)->font().bold());
        QCOMPARE(m->LbDoubleMort->text(), QString("Double mort de Ouest : le camp du déclarant fait au mieux 9 levées."));

        // On the projector only with the second tick and only while West is shown.
        const QImage plain = m->picture();
        m->SurProjecteur->click();
        QCOMPARE(m->picture(), plain);
        m->Vis[Left - 1]->click();
        const QImage withNumbers = m->picture();
        m->SurProjecteur->click();
        QVERIFY(m->picture() != withNumbers);
        m->SurProjecteur->click();
        QCOMPARE(m->picture(), withNumbers);

        // A card played: North must follow in clubs; his best cards are the highest numbers.
        QTest::mouseClick(card(Left, Clubs, 1), Qt::LeftButton);
        QCOMPARE(numbersShown(), 3);
        QCOMPARE(number(Upper, Clubs, 2)->text(), QString("…"));
        QTRY_COMPARE(number(Upper, Clubs, 2)->text(), QString("10"));
        QCOMPARE(number(Upper, Clubs, 1)->text(), QString("9"));
        QVERIFY(number(Upper, Clubs, 3)->font().bold());
        const QImage northHidden = m->picture();  // so nothing of his numbers on the projector
        m->SurProjecteur->click();
        QCOMPARE(m->picture(), northHidden);
        m->SurProjecteur->click();
        const int asked = solver->requests;

        // A question left unanswered is dropped for the newer position.
        QTest::mouseClick(card(Upper, Clubs, 1), Qt::LeftButton);
        QTest::mouseClick(card(Right, Clubs, 1), Qt::LeftButton);
        QCOMPARE(number(Lower, Clubs, 1)->text(), QString("…"));
        positions.clear();  // nothing more is answered
        QTRY_COMPARE(solver->kills, 1);
        QCOMPARE(solver->requests, asked + 2);
        QCOMPARE(number(Lower, Clubs, 1)->text(), QString("…"));
        QVERIFY(plat->messages.isEmpty());

        // Taking the cards back shows the known numbers at once.
        QTest::mouseClick(trick(1, Left, 1), Qt::LeftButton);
        QCOMPARE(m->display().cardsPlayed(), 0);
        QCOMPARE(numbersShown(), 13);
        QCOMPARE(number(Left, Clubs, 1)->text(), QString("9"));
        QCOMPARE(solver->requests, asked + 2);
        m->DoubleMort->click();
        QCOMPARE(numbersShown(), 0);
        QVERIFY(!m->SurProjecteur->isChecked() && !m->SurProjecteur->isEnabled());
        QVERIFY(m->LbDoubleMort->text().isEmpty());
    }

    // West's answer, slow to come, arrives after his card is played: kept
    // for later but never told; the newer position is asked after it.
    void doubleDummyAnOlderAnswerIsNotTold() {
        start();
        m->open();
        auto solver = fakeSolver();
        solver->pieces = 6;  // 20 ms a piece
        positions["S s 0 w - AKQJ.432.T98.765 T98.AKQJ.432.432 765.T98.AKQJ.T98 432.765.765.AKQJ"] =
            "w S432:10 H765:10 D765:10 CAKQJ:9";
        positions["S s 0 w CA AKQJ.432.T98.765 T98.AKQJ.432.432 765.T98.AKQJ.T98 432.765.765.KQJ"] = "n C7:9 C65:10";
        auto *play = w->findChild<VrPlayAnalysis *>();
        QSignalSpy told(play, &VrPlayAnalysis::answered);
        m->DoubleMort->click();
        QTest::mouseClick(card(Left, Clubs, 1), Qt::LeftButton);
        QTRY_COMPARE(number(Upper, Clubs, 1)->text(), QString("9"));
        QCOMPARE(told.count(), 1);
        QCOMPARE(solver->requests, 2);
        QCOMPARE(solver->kills, 0);
        QTest::mouseClick(trick(1, Left, 1), Qt::LeftButton);
        QCOMPARE(numbersShown(), 13);
        QCOMPARE(number(Left, Clubs, 1)->text(), QString("9"));
        QCOMPARE(solver->requests, 2);
    }

    // A solver that is missing, crashes, hangs or talks nonsense is told
    // once, the tick goes off and the play goes on; a refused position is
    // only said beside the tick.
    void doubleDummyWithoutAWorkingSolver() {
        const struct {
            int atStart;
            std::string answer;
            const char *says;
            bool warned;
        } cases[] = {
            {FakeSolver::kGoOn, "", "Double mort indisponible : Le programme de calcul ne répond plus", true},
            {FakeSolver::kCrash, "", "Double mort indisponible : Le programme de calcul s'est arrêté anormalement.", true},
            {FakeSolver::kGoOn, "w S4:99", "Double mort indisponible : Le programme de calcul a donné une réponse illisible", true},
            {FakeSolver::kGoOn, "w S432:10", "Double mort indisponible : Le programme de calcul a donné une réponse qui ne", true},
            {FakeSolver::kGoOn, "! position refusée", "Double mort impossible : position refusée", false},
        };
        for (const auto &k : cases) {
            start();
            m->open();
            auto solver = fakeSolver();
            solver->atStart = k.atStart;
            w->findChild<VrPlayAnalysis *>()->silenceMs = 200;
            positions["S s 0 w - AKQJ.432.T98.765 T98.AKQJ.432.432 765.T98.AKQJ.T98 432.765.765.AKQJ"] = k.answer;
            m->DoubleMort->click();
            QTRY_VERIFY2(m->LbDoubleMort->text().startsWith(QString::fromUtf8(k.says)), qPrintable(m->LbDoubleMort->text()));
            QCOMPARE(plat->messages.size(), k.warned ? 1 : 0);
            QCOMPARE(m->DoubleMort->isChecked(), !k.warned);
            QCOMPARE(numbersShown(), 0);
            // The play goes on; after a failure nothing more is asked.
            const int asked = solver->requests;
            QTest::mouseClick(card(Left, Clubs, 1), Qt::LeftButton);
            QCOMPARE(m->display().cardsPlayed(), 1);
            QCOMPARE(solver->requests, asked + (k.warned ? 0 : 1));
            cleanup();
            init();
        }
        // No solver program at all.
        start();
        w->findChild<VrPlayAnalysis *>()->solverProgram = q(dir->file("absent"));
        m->DoubleMort->click();
        QTRY_COMPARE(plat->lastMessage(), "Le programme de calcul « " + q(dir->file("absent")) +
                                          " » est introuvable ou ne peut pas être lancé.");
        QVERIFY(!m->DoubleMort->isChecked());
    }

    void showButtonsCellsAndRotation() {
        start();
        m->Vis[0]->click();
        QCOMPARE(m->Vis[0]->text(), QString("Cachée"));
        QCOMPARE(pixel(565, 250), QColor(255, 255, 255));  // the white hand, no backs
        m->BtContrat->click();
        QCOMPARE(m->BtContrat->text(), QString("Caché"));
        m->BtVisEnch->click();
        QCOMPARE(m->BtVisEnch->text(), QString("Cachées"));

        // Cell 21 reveals row 1 and itself; cell 12 then hides the rest.
        QTest::mouseClick(cell(2, 1), Qt::LeftButton);
        QVERIFY(m->display().cells[1][0].revealed);
        QCOMPARE(cell(1, 2)->palette().color(QPalette::Base), QColor(0, 128, 0));
        QCOMPARE(cell(1, 1)->palette().color(QPalette::Text), QColor(0, 0, 0));
        QTest::mouseClick(cell(1, 2), Qt::LeftButton);
        QVERIFY(m->display().cells[0][0].revealed);
        QVERIFY(!m->display().cells[0][1].revealed);
        QCOMPARE(cell(1, 2)->palette().color(QPalette::Base), QColor(128, 128, 128));
        // A cell typed into changes the bid shown.
        QTest::keyClicks(cell(3, 1), "7SA");
        QCOMPARE(m->display().cells[2][0].text, std::string("7SA"));

        // Vulnerability hidden: the imposed number cannot be switched on.
        QVERIFY(m->BtImpose->isEnabled());
        m->BtImpose->click();
        QVERIFY(m->display().imposed);
        m->SpEdNum->setValue(7);
        QCOMPARE(m->display().imposedNumber, 7);
        QCOMPARE(pixel(800, 600), QColor(255, 0, 0));  // board 7: red axes
        m->BtVul->click();
        QCOMPARE(m->BtVul->text(), QString("Visible"));
        QVERIFY(!m->BtImpose->isEnabled());
        QVERIFY(!m->display().imposed);

        m->BtRotation->click();
        QCOMPARE(m->LH->text(), QString("Ouest"));
        QCOMPARE(m->LD->text(), QString("Nord"));
        QCOMPARE(m->Vis[0]->text(), QString("Visible"));
        QCOMPARE(m->BtVisEnch->text(), QString("Visible"));
        QCOMPARE(cell(1, 2)->text(), QString("1 P"));
        QCOMPARE(card(1, Clubs, 1)->text(), QString("A"));  // West's clubs on top
    }

    void projectorWindow() {
        start(bmp(1800, 1200, 40, 120, 200));
        QCOMPARE(m->background().width, 1800);
        QCOMPARE(p->windowTitle(), QString("Vrek Projecteur"));
        QCOMPARE(p->size(), QSize(600, 450));
        QVERIFY(!p->isVisible());
        m->BtActivation->click();
        QVERIFY(p->isVisible());
        QVERIFY(!m->BtProjecteur->isHidden());
        QCOMPARE(pixel(1590, 1190), QColor(200, 120, 40));
        // The projector shows the picture stretched over its client area.
        const QImage shown = p->grab().toImage();
        QCOMPARE(shown.pixelColor(shown.width() - 2, shown.height() - 2), QColor(200, 120, 40));

        // Each way back from full screen gives the window its size and place again.
        p->setGeometry(70, 80, 640, 480);
        QTRY_COMPARE(p->geometry(), QRect(70, 80, 640, 480));
        const QRect place = p->geometry();
        m->BtProjecteur->click();
        QCOMPARE(m->BtProjecteur->text(), QString("Ecran Normal"));
        QVERIFY(p->isFullScreen());
        QTRY_VERIFY(p->geometry() != place);
        m->BtProjecteur->click();
        QCOMPARE(m->BtProjecteur->text(), QString("Plein écran"));
        QVERIFY(!p->isFullScreen());
        QTRY_COMPARE(p->geometry(), place);
        m->BtProjecteur->click();
        QTest::keyClick(p, Qt::Key_Escape);
        QVERIFY(!p->isFullScreen());
        QCOMPARE(m->BtProjecteur->text(), QString("Plein écran"));
        QTRY_COMPARE(p->geometry(), place);
        m->BtProjecteur->click();
        p->close();
        QVERIFY(!p->isFullScreen());
        QCOMPARE(m->BtProjecteur->text(), QString("Plein écran"));
        QVERIFY(m->BtProjecteur->isHidden());
        m->BtActivation->click();
        QTRY_COMPARE(p->geometry(), place);  // opened again as it was

        m->BtActivation->click();
        m->open();
        m->BtQuitter->click();
        QVERIFY(!p->isVisible());
        QVERIFY(!m->isVisible());
        m->BtActivation->click();
        w->hideProjector();
        QVERIFY(!p->isVisible());
    }

    void aDamagedBackgroundIsMissing() {
        std::string cut = bmp(1800, 1200, 40, 120, 200);
        cut.resize(cut.size() / 2);
        start(cut);
        QVERIFY(m->background().path.empty());
        QCOMPARE(pixel(1590, 1190), QColor(248, 248, 240));
    }

    void theAuctionPanelWritesTheMemo() {
        start();
        w->gotoDeal(1);
        w->BtEncheres->click();
        QVERIFY(ench->isVisible());
        QCOMPARE(ench->windowTitle(), QString("Tableau d'enchères"));
        const QRect g = w->frameGeometry();
        QCOMPARE(ench->pos(), QPoint(g.x() + g.width() / 2, g.y() + g.height() / 9));
        QCOMPARE(ench->Cb_Donneur->currentText(), QString("N"));
        QVERIFY(ench->Cb_Donneur->isEnabled());
        for (const char *name : {"Pn11", "Pn00", "Pn14", "Pn00", "Pn24"}) button(ench, name)->click();
        QCOMPARE(w->Encheres->toPlainText(), QString("\t1 T\t---\t1 P\t---\n\t2 P\n\n\n\n"));
        QCOMPARE(w->model().series().line(commentLine(1, 6)), std::string("\t1 T\t---\t1 P\t---"));
        QVERIFY(!ench->Cb_Donneur->isEnabled());
        QVERIFY(!button(ench, "Pn24")->isEnabled());
        QVERIFY(button(ench, "Pn25")->isEnabled());
        QVERIFY(button(ench, "Pn25")->font().bold());
        QVERIFY(!button(ench, "Pn11")->font().bold());
        button(ench, "Pn03")->click();  // "Fin"
        QVERIFY(!ench->isVisible());
        QCOMPARE(w->model().series().line(commentLine(1, 7)), std::string("\t2 P\t---\t---\t---"));

        // The whole auction undoes as one step, back to the empty memo.
        QVERIFY(w->model().undo());
        QCOMPARE(w->model().series().line(commentLine(1, 6)), std::string());

        // Board 3: South made dealer, the auction ends with the column titles;
        // "Charger" of the master display reads it back.
        w->gotoDeal(3);
        w->BtEncheres->click();
        QCOMPARE(w->Encheres->toPlainText(), QString("\n\n\n\n\n"));  // cleared on opening
        ench->Cb_Donneur->setCurrentIndex(2);
        emit ench->Cb_Donneur->activated(2);
        button(ench, "Pn35")->click();
        button(ench, "Pn04")->click();
        QVERIFY(!ench->isVisible());
        QCOMPARE(w->model().series().line(commentLine(3, 6)), std::string("\t N\t E\t S\t O"));
        QCOMPARE(w->model().series().line(commentLine(3, 7)), std::string("\t\t\t3SA\t---"));
        QCOMPARE(w->model().series().line(commentLine(3, 8)), std::string("\t---\t---"));
        m->BtRecharger->click();
        QCOMPARE(cell(1, 3)->text(), QString(" S"));
        QCOMPARE(cell(2, 3)->text(), QString("3SA"));
        QCOMPARE(cell(3, 2)->text(), QString("---"));
    }
};

QTEST_MAIN(TeachTest)
#include "tst_teach.moc"
