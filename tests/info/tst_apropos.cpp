// The about box: its texts, the mail address, and the history scrolling up.
#include <QAction>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "app/vrekhp.h"
#include "app/windows.h"
#include "info/aprop.h"
#include "scriptedplatform.h"
#include "testutil.h"

class AproposTest : public QObject {
    Q_OBJECT

    std::unique_ptr<testutil::TempDir> dir;
    std::unique_ptr<ScriptedPlatform> plat;
    std::unique_ptr<TForm1> form;
    TApropos *box = nullptr;

private slots:
    void init() {
        dir = std::make_unique<testutil::TempDir>();
        plat = std::make_unique<ScriptedPlatform>();
        plat->folder = QString::fromStdString(dir->path()) + "/";
        testutil::writeFile(dir->file("vrek.ini"), "[MiseAjour]\r\nCourriel=auteur@exemple.fr\r\n");
        form = std::make_unique<TForm1>(QStringList{});
        createWindows(*form);
        box = form->findChild<TApropos *>("Apropos");
        QVERIFY(box);
    }
    void cleanup() {
        form.reset();
        plat.reset();
        dir.reset();
    }

    void textsOfTheBox() {
        QVERIFY(!box->isVisible());
        form->action("Apropos1")->trigger();
        QVERIFY(box->isVisible());
        QCOMPARE(box->windowTitle(), QString("A propos du distributeur de mains 20.23.03"));
        QCOMPARE(box->Version->text(), QString("Version : 20.23.03"));
        QCOMPARE(box->Label3->text(), QString("E-mail "));
        QCOMPARE(box->LbMail->text(), QString("auteur@exemple.fr"));
        QCOMPARE(box->LbMail->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(box->Memo1->isReadOnly());
        QCOMPARE(box->Memo1->toPlainText(), QString("Toutes critiques afin d'améliorer ce programme \n"
                                                    "seront les bienvenues ainsi que les encouragements."));
        QCOMPARE(box->Memo1->palette().color(QPalette::Text), QColor(0, 255, 0));
        QCOMPARE(box->Memo1->palette().color(QPalette::Base), QColor(255, 0, 0));
        QVERIFY(!box->Image1->pixmap().isNull());
        QCOMPARE(box->history.size(), 66);
        QCOMPARE(box->history.filter(QRegularExpression("^Version .* : \\d{4}$")).size(), 18);
    }

    void mailAddressOpensAMail() {
        form->action("Apropos1")->trigger();
        QTest::mouseClick(box->LbMail, Qt::LeftButton);
        // The subject is the caption's first 39 characters.
        QCOMPARE(plat->opened,
                 QStringList{"mailto:auteur@exemple.fr?subject=A%20propos%20du%20distributeur%20de%20mains%2020.23"});
        plat->openSucceeds = false;
        QTest::mouseClick(box->LbMail, Qt::LeftButton);
        QCOMPARE(plat->lastMessage(), QString("Le courier électronique par défaut\n\nn'est pas installé correctement"));
    }

    void historyScrollsUpAndGoes() {
        form->action("Apropos1")->trigger();
        QVERIFY(QTest::qWaitForWindowExposed(box));
        QVERIFY(!box->Panel1->isVisible());
        QTest::mouseClick(box->Historique, Qt::LeftButton);
        QVERIFY(box->Panel1->isVisible());
        QCOMPARE(box->Panel1->geometry(), box->rect());
        const int h = box->PaintBox1->lineHeight();
        const int steps = box->scrollSteps();
        QCOMPARE(steps, std::max(box->PaintBox1->height(), static_cast<int>(box->history.size()) * h));
        // The timer moves it on by itself, a step each 55 ms.
        QTRY_VERIFY_WITH_TIMEOUT(box->PaintBox1->step >= 3, 1000);
        // Half-way, the lines are drawn in blue on white.
        while (box->PaintBox1->step < box->PaintBox1->height()) box->scrollOneStep();
        const QImage shot = box->PaintBox1->grab().toImage();
        int blue = 0;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x) blue += shot.pixelColor(x, y).blue() > 200 && shot.pixelColor(x, y).red() < 100;
        QVERIFY(blue > 200);
        while (box->PaintBox1->step < steps) box->scrollOneStep();
        QVERIFY(box->Panel1->isVisible());
        // Two seconds later the panel goes.
        QTRY_VERIFY_WITH_TIMEOUT(!box->Panel1->isVisible(), 3000);
    }

    void closingTheBoxStopsTheScroll() {
        form->action("Apropos1")->trigger();
        QTest::mouseClick(box->Historique, Qt::LeftButton);
        box->BtOk->click();
        QVERIFY(!box->isVisible());
        QVERIFY(!box->Panel1->isVisible());
        const int step = box->PaintBox1->step;
        QTest::qWait(200);
        QCOMPARE(box->PaintBox1->step, step);
    }
};

QTEST_MAIN(AproposTest)
#include "tst_apropos.moc"
