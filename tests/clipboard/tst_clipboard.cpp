// The clipboard items of the Edition menu on an open series: pictures, texts
// and formatted hands, in the font the menu chooses.
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QtTest>

#include "app/vrekhp.h"
#include "app/windows.h"
#include "clipboard/pictures.h"
#include "core/seriesfile.h"
#include "platform/qtcanvas.h"
#include "scriptedplatform.h"
#include "testutil.h"

using namespace vrek;

namespace {

// Rows of the picture holding red pixels, and those holding dark ones.
struct Ink {
    int redRows = 0, darkRows = 0;
};
Ink ink(const QImage &img, int y0, int y1) {
    Ink k;
    for (int y = y0; y < y1 && y < img.height(); ++y) {
        bool red = false, dark = false;
        for (int x = 0; x < img.width(); ++x) {
            const QColor c = img.pixelColor(x, y);
            red |= c.red() > 200 && c.green() < 80 && c.blue() < 80;
            dark |= c.red() < 60 && c.green() < 60 && c.blue() < 60;
        }
        k.redRows += red;
        k.darkRows += dark;
    }
    return k;
}

clip::Size measured(clip::Size (*size)(Canvas &, bool), bool arial) {
    QImage probe(1, 1, QImage::Format_RGB32);
    QtCanvas c(&probe);
    return size(c, arial);
}

}  // namespace

class ClipboardTest : public QObject {
    Q_OBJECT

    std::unique_ptr<testutil::TempDir> dir;
    std::unique_ptr<ScriptedPlatform> plat;
    std::unique_ptr<TForm1> form;

    void open(const std::string &contract) {
        Series s;
        s.clear();
        s.deal(1) = testutil::dealFrom("AKT2.QJ.987.A654", "Q98.AK5.KQJ.KQJ", "J765.9876.AT.T98", "43.T432.65432.73");
        s.deal(1).holding(West, Spades) = {};  // a void for West
        s.setLine(themeLine(1), "Squeeze");
        s.setLine(contractLine(1), makeContractLine(contract, {2, 1, 9}));
        s.setLine(commentLine(1, 0), "Premier");
        s.setLine(commentLine(1, 1), "Second");
        saveSeries(dir->file("serie.vrk"), s);
        form = std::make_unique<TForm1>(QStringList{QString::fromStdString(dir->file("serie.vrk"))});
        createWindows(*form);
        QVERIFY(form->model().fileOpen());
    }
    void click(const char *item) { form->action(item)->trigger(); }

private slots:
    void init() {
        dir = std::make_unique<testutil::TempDir>();
        plat = std::make_unique<ScriptedPlatform>();
        plat->folder = QString::fromStdString(dir->path()) + "/";
    }
    void cleanup() {
        form.reset();
        plat.reset();
        dir.reset();
    }

    void nothingWithoutASeries() {
        form = std::make_unique<TForm1>(QStringList{});
        createWindows(*form);
        for (const char *item : {"CopierlamainNord", "Copierlatable1", "Lentame1", "hme1", "Enchres1", "LamaindeSud1",
                                 "LeDiagramme1"})
            click(item);
        QCOMPARE(plat->clipboardWrites, 0);
    }

    void handPicturesInTheirColours() {
        open("4P S entame XK");
        const clip::Size s = measured(clip::handPictureSize, true);
        click("CopierlamainNord");
        const QImage img = plat->clipboardImage;
        QCOMPARE(img.size(), QSize(s.width, s.height));
        // Spades black, hearts and diamonds red, clubs black, line by line.
        const int h = s.height / 4;
        QCOMPARE(ink(img, 0, h).redRows, 0);
        QVERIFY(ink(img, 0, h).darkRows > 5);
        QVERIFY(ink(img, h, 3 * h).redRows > 10);
        QCOMPARE(ink(img, h + 2, 3 * h - 2).darkRows, 0);
        QCOMPARE(ink(img, 3 * h + 2, 4 * h).redRows, 0);
        // The four hands, then the same in Arial Black: the menu's choice.
        click("Copierlatable1");
        const clip::Size t = measured(clip::tablePictureSize, true);
        QCOMPARE(plat->clipboardImage.size(), QSize(t.width, t.height));
        click("PaliceArialBlack1");
        QVERIFY(!form->model().settings().arial);
        QVERIFY(!form->action("PoliceArial1")->isChecked());
        click("Copierlatable1");
        const clip::Size b = measured(clip::tablePictureSize, false);
        QCOMPARE(plat->clipboardImage.size(), QSize(b.width, b.height));
        QVERIFY(b.width > t.width);
        // Clicking the ticked item changes nothing.
        click("PaliceArialBlack1");
        QVERIFY(form->action("PaliceArialBlack1")->isChecked());
        QVERIFY(!form->model().settings().arial);
        // The choice is kept at exit.
        QVERIFY(form->close());
        QVERIFY(testutil::readFile(dir->file("vrek.ini")).find("Arial=0") != std::string::npos);
    }

    void leadPictureOnlyWithEntame() {
        open("4P entame XK");
        click("Lentame1");
        QCOMPARE(plat->clipboardWrites, 1);
        const QImage img = plat->clipboardImage;
        const clip::Size s = measured(clip::leadPictureSize, true);
        QCOMPARE(img.size(), QSize(s.width, s.height));
        QVERIFY(ink(img, 0, img.height()).redRows > 5);
        QCOMPARE(ink(img, 0, img.height()).darkRows, 0);
        // Without the word, the clipboard keeps what it had.
        form->Contrat->setText("4P S");
        click("Lentame1");
        QCOMPARE(plat->clipboardWrites, 1);
        QCOMPARE(plat->clipboardImage, img);
    }

    void fieldTexts() {
        open("3SA N entame RP");
        click("hme1");
        QCOMPARE(plat->clipboardPlain, QString("Squeeze"));
        QVERIFY(plat->clipboardRtf.isEmpty());
        QVERIFY(plat->clipboardHtml.isEmpty());
        click("Contrt1");
        QCOMPARE(plat->clipboardPlain, QString("3SA N entame RP"));
        click("CommentairesAttaquant1");
        QCOMPARE(plat->clipboardPlain, QString("Premier\nSecond"));
        // An empty field copies nothing.
        const int writes = plat->clipboardWrites;
        click("Commentairespourladfense1");
        QCOMPARE(plat->clipboardWrites, writes);
        QCOMPARE(plat->clipboardPlain, QString("Premier\nSecond"));
    }

    void formattedHandAndDiagram() {
        open("4P S");
        click("LamaindeNord1");
        QCOMPARE(plat->clipboardPlain, QString("\u2660 ARX2\n\u2665 DV\n\u2666 987\n\u2663 A654\n"));
        QVERIFY(plat->clipboardRtf.startsWith("{\\rtf1"));
        QVERIFY(plat->clipboardRtf.contains("\\fcharset0 Arial;"));
        QVERIFY(plat->clipboardHtml.contains("color:#ff0000"));
        click("PaliceArialBlack1");
        click("LeDiagramme1");
        const QStringList lines = plat->clipboardPlain.split('\n');
        QCOMPARE(lines.size(), 13);
        QCOMPARE(lines[0], QString("\t\u2660 ARX2"));
        // West's void: the sign and a blank, then East.
        QCOMPARE(lines[4], QString("\u2660 \t\t\u2660 D98"));
        QCOMPARE(lines[11], QString("\t\u2663 X98"));
        QVERIFY(plat->clipboardRtf.contains("\\fcharset0 Arial Black;"));
    }

    // The desktop's clipboard offers the three forms a word processor reads.
    void desktopClipboardHasEveryForm() {
        setPlatform(nullptr);
        ClipboardText t;
        t.plain = "\u2660 AR";
        t.html = "<p>\u2660 AR</p>";
        t.rtf = "{\\rtf1 x}";
        platform().setClipboardText(t);
        const QMimeData *m = QGuiApplication::clipboard()->mimeData();
        QVERIFY(m);
        QCOMPARE(m->data("text/rtf"), QByteArray("{\\rtf1 x}"));
        QCOMPARE(m->text(), QString("\u2660 AR"));
        QVERIFY(m->html().contains("\u2660 AR"));
        setPlatform(plat.get());
    }
};

QTEST_MAIN(ClipboardTest)
#include "tst_clipboard.moc"
