// Random typing, pasting, clicking, undoing and navigating in the text
// fields of a series with odd line counts and long texts: each comment box
// shows exactly what the series holds at every step, no edit reaches another
// board's lines, and undoing everything gives the series back as loaded.
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QtTest>
#include <set>

#include "app/vrekhp.h"
#include "app/windows.h"
#include "core/commentblocks.h"
#include "core/cp1252.h"
#include "core/seriesfile.h"
#include "scriptedplatform.h"
#include "testutil.h"

using namespace vrek;

// Types any text, accented letters and tabs included, key by key.
static void typeText(QWidget *w, const QString &text) {
    for (QChar c : text) {
        const Qt::Key key = c == '\t' ? Qt::Key_Tab : c.unicode() < 128 && c.isLetterOrNumber()
                                                         ? Qt::Key(QChar(c).toUpper().unicode())
                                                         : c == ' ' ? Qt::Key_Space : Qt::Key_unknown;
        QTest::sendKeyEvent(QTest::Click, w, key, QString(c), Qt::NoModifier);
    }
}

// Each comment box of the board shown holds the lines the series keeps for
// it (empty ones at the end aside), no more, none scrolled out of sight, and
// the spinners show the series' counts.
static QString shownDiffersFromStored(TForm1 &w) {
    const int n = w.model().currentDeal();
    const LineCounts c = normalizedCounts(lineCountsOf(w.model().series().line(contractLine(n))));
    std::vector<std::string> stored;
    for (int i = 0; i < kCommentLines; ++i) stored.push_back(w.model().series().line(commentLine(n, i)));
    auto trimmed = [](QString t) { return t.remove(QRegularExpression("\n*$")); };
    for (int k = 0; k < 3; ++k) {
        QStringList kept;
        for (const std::string &l : commentBlock(stored, c, k)) kept << QString::fromStdString(cp1252ToUtf8(l));
        QPlainTextEdit *box = w.commentBox(k);
        if (!(w.counts() == c) || trimmed(box->toPlainText()) != trimmed(kept.join('\n')) ||
            box->blockCount() > std::max(int(kept.size()), 1) || box->verticalScrollBar()->value() != 0)
            return QString("board %1 box %2 shows \"%3\", the series holds \"%4\"").arg(n).arg(k).arg(box->toPlainText(), kept.join('|'));
    }
    return {};
}

class TextPropertyTest : public QObject {
    Q_OBJECT

    // A series whose boards carry every kind of odd contract line.
    static Series oddSeries() {
        Series s;
        s.clear();
        s.setLine(0, "S\xE9rie du mardi soir au club");  // longer than the title's typing limit
        const std::string counts[] = {"05   03", "12   12   12", "00   00   00", "xx   yy   zz", "", "02   02   02",
                                      "03   03   06", "11   00   01"};
        for (int n = 1; n <= kBoards; ++n) {
            // Some boards with every line taken, others with room.
            for (int j = 0; j < 15; ++j)
                if (n % 4 == 0 || (n + j) % 3) s.setLine(15 * n - j, "b" + std::to_string(n) + "l" + std::to_string(j));
            std::string text = n % 3 ? "4P S entame RC" : std::string(48, 'c');
            text.resize(kContractWidth, ' ');
            s.setLine(contractLine(n), text + counts[n % 8]);
            if (n % 5 == 0) s.setLine(themeLine(n), std::string(70, 't'));
        }
        return s;
    }

private slots:
    void randomEditsStayInTheirBoard() {
        for (quint32 seed : {1u, 2u, 3u, 4u}) {
            testutil::TempDir dir;
            ScriptedPlatform plat;
            plat.folder = QString::fromStdString(dir.path()) + "/";
            const Series original = oddSeries();
            saveSeries(dir.file("p.vrk"), original);
            TForm1 w({QString::fromStdString(dir.file("p.vrk"))});
            createWindows(w);
            w.show();
            QVERIFY(QTest::qWaitForWindowExposed(&w));
            const Series loaded = w.model().series();
            QRandomGenerator rng(seed);
            std::set<int> touched;
            QLineEdit *lines[] = {w.Titre, w.Theme, w.Contrat, w.Provenance};
            QPlainTextEdit *memos[] = {w.Attaquant, w.Defense, w.Encheres};
            const QString alphabet = QStringLiteral("abcéèàç XRDV0123456789\t");
            auto word = [&] {
                QString t;
                for (int i = rng.bounded(1, 8); i > 0; --i) t += alphabet[rng.bounded(int(alphabet.size()))];
                return t;
            };

            for (int step = 0; step < 240; ++step) {
                const int n = w.model().currentDeal();
                switch (rng.bounded(10)) {
                case 0: w.gotoDeal(rng.bounded(1, kBoards + 1)); break;
                case 1: {
                    QLineEdit *f = lines[rng.bounded(4)];
                    f->setCursorPosition(rng.bounded(int(f->text().size()) + 1));
                    typeText(f, word());
                    touched.insert(f == w.Titre ? 0 : n);
                    break;
                }
                case 2: {
                    QPlainTextEdit *m = memos[rng.bounded(3)];
                    m->moveCursor(rng.bounded(2) ? QTextCursor::End : QTextCursor::Start);
                    typeText(m, word());
                    if (rng.bounded(2)) QTest::keyClick(m, Qt::Key_Return);
                    touched.insert(n);
                    break;
                }
                case 3: {
                    // Line breaks and control characters of every kind.
                    QGuiApplication::clipboard()->setText(word() + "\r\n" + word() + QChar(0) + "\r" + word() + "\n");
                    QWidget *f = rng.bounded(2) ? static_cast<QWidget *>(lines[rng.bounded(4)])
                                                : static_cast<QWidget *>(memos[rng.bounded(3)]);
                    QTest::keySequence(f, QKeySequence::Paste);
                    touched.insert(f == w.Titre ? 0 : n);
                    break;
                }
                case 4: QTest::keyClick(memos[rng.bounded(3)], Qt::Key_Backspace), touched.insert(n); break;
                case 5: (rng.bounded(2) ? w.UpAttaquant : w.UpDefense)->click(rng.bounded(2) ? 1 : -1), touched.insert(n); break;
                case 6:
                case 7: w.action("Annuler1")->trigger(); break;
                case 8: w.action("Retablir1")->trigger(); break;
                case 9: {
                    // A click on any line of a comment box, then lines typed or pasted there.
                    QPlainTextEdit *m = memos[rng.bounded(3)];
                    const int h = m->fontMetrics().height();
                    QTest::mouseClick(m->viewport(), Qt::LeftButton, {},
                                      QPoint(20, rng.bounded(std::max(1, m->viewport()->height() / h)) * h + h / 2));
                    QGuiApplication::clipboard()->setText(word() + "\n\n" + word());
                    for (int i = rng.bounded(1, 4); i > 0; --i) {
                        if (rng.bounded(3)) {
                            typeText(m, word());
                            QTest::keyClick(m, Qt::Key_Return, rng.bounded(4) ? Qt::NoModifier : Qt::ShiftModifier);
                        } else {
                            QTest::keySequence(m, QKeySequence::Paste);
                        }
                        QVERIFY2(shownDiffersFromStored(w).isEmpty(), qPrintable(shownDiffersFromStored(w)));
                    }
                    touched.insert(n);
                    break;
                }
                }
                QCOMPARE(w.model().series().lines.size(), size_t(kTextLines));
                QVERIFY2(shownDiffersFromStored(w).isEmpty(),
                         qPrintable(QString("seed %1 step %2: ").arg(seed).arg(step) + shownDiffersFromStored(w)));
            }

            // Saved and read back: the boards never edited are as they were.
            QVERIFY(w.saveSeries());
            Series back;
            QVERIFY(readSeries(dir.file("p.vrk"), back).ok);
            QCOMPARE(back.lines.size(), size_t(kTextLines));
            for (int n = 1; n <= kBoards; ++n) {
                if (touched.count(n)) continue;
                for (int j = 0; j < 15; ++j)
                    QVERIFY2(back.line(15 * n - j) == original.line(15 * n - j),
                             qPrintable(QString("seed %1 board %2 line %3").arg(seed).arg(n).arg(j)));
            }
            for (const std::string &l : back.lines)
                for (char c : l) QVERIFY(c == '\t' || static_cast<unsigned char>(c) >= 0x20);

            // Everything undone: the series as it was loaded.
            while (w.action("Annuler1")->isEnabled()) w.action("Annuler1")->trigger();
            QVERIFY2(w.model().series() == loaded, qPrintable(QString("seed %1").arg(seed)));
            w.model().markSaved();
        }
    }
};

QTEST_MAIN(TextPropertyTest)
#include "tst_textproperty.moc"
