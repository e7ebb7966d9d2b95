// The desktop's processes behind the platform: what a program prints and how
// it ends reach the callbacks from the event loop or a blocking wait, a kill
// leaves no process behind, and a handle may go inside its own callback.
#include <QDir>
#include <QElapsedTimer>
#include <QtTest>
#include <memory>

#include "platform/platform.h"

namespace {

struct Seen {
    QByteArray output;
    int ends = 0, exitCode = -2, failures = 0;
    bool crashed = false;
};

ProcessEvents recorder(Seen &s) {
    ProcessEvents e;
    e.output = [&s](const QByteArray &b) { s.output += b; };
    e.ended = [&s](int code, bool crashed) {
        ++s.ends;
        s.exitCode = code;
        s.crashed = crashed;
    };
    e.failedToStart = [&s] { ++s.failures; };
    return e;
}

std::unique_ptr<ChildProcess> shell(Seen &s, const QString &script) {
    return platform().startProcess("/bin/sh", {"-c", script}, recorder(s));
}

}  // namespace

class ProcessTest : public QObject {
    Q_OBJECT
private slots:
    void endsAndOutput_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QByteArray>("output");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<bool>("crashed");
        QTest::newRow("en morceaux") << "printf li; sleep 0.1; printf 'ne:\\n'; exit 3" << QByteArray() << QByteArray("line:\n")
                                     << 3 << false;
        QTest::newRow("écho") << "cat" << QByteArray("-dcq x\0\0", 8) << QByteArray("-dcq x\0\0", 8) << 0 << false;
        QTest::newRow("planté") << "echo avant; kill -SEGV $$" << QByteArray() << QByteArray("avant\n") << -1 << true;
    }
    void endsAndOutput() {
        QFETCH(QString, script);
        QFETCH(QByteArray, input);
        QFETCH(QByteArray, output);
        QFETCH(int, exitCode);
        QFETCH(bool, crashed);
        // Told from the event loop...
        Seen a;
        auto p = shell(a, script);
        p->write(input);
        p->closeInput();
        QTRY_COMPARE(a.ends, 1);
        QCOMPARE(a.output, output);
        QCOMPARE(a.exitCode, exitCode);
        QCOMPARE(a.crashed, crashed);
        QVERIFY(!p->running());
        // ... and from a blocking wait, with the same news.
        Seen b;
        auto r = shell(b, script);
        r->write(input);
        r->closeInput();
        QElapsedTimer clock;
        clock.start();
        while (!b.ends && clock.elapsed() < 5000) r->waitForActivity(100);
        QCOMPARE(b.output, output);
        QCOMPARE(b.exitCode, exitCode);
        QCOMPARE(b.ends + b.failures, 1);
    }

    void aMissingProgramIsToldLater() {
        Seen s;
        auto p = platform().startProcess(QDir::tempPath() + "/vrek-absent-program", {}, recorder(s));
        QCOMPARE(s.failures, 0);  // never inside startProcess: the caller holds no handle yet
        QVERIFY(p->running());
        QTRY_COMPARE(s.failures, 1);
        QVERIFY(!p->running());
        QCOMPARE(s.ends, 0);
        // A blocking caller learns it too.
        Seen t;
        auto r = platform().startProcess(QDir::tempPath() + "/vrek-absent-program", {}, recorder(t));
        for (int i = 0; i < 50 && !t.failures; ++i) r->waitForActivity(100);
        QCOMPARE(t.failures, 1);
    }

    void killLeavesNothingRunning() {
        Seen s;
        auto p = shell(s, "echo $$; exec sleep 60");
        QTRY_VERIFY(s.output.endsWith('\n'));
        const QString pid = QString::fromLatin1(s.output).trimmed();
        QVERIFY(QDir("/proc/" + pid).exists());
        p->kill();
        QVERIFY(!p->running());
        QVERIFY(!QDir("/proc/" + pid).exists());
        QTest::qWait(50);
        QCOMPARE(s.ends, 0);  // nothing is told after a kill

        // A handle dropped inside its own callback kills the program too.
        Seen t;
        std::unique_ptr<ChildProcess> q;
        ProcessEvents e = recorder(t);
        e.output = [&](const QByteArray &b) {
            t.output += b;
            q.reset();
        };
        q = platform().startProcess("/bin/sh", {"-c", "echo $$; exec sleep 60"}, e);
        QTRY_VERIFY(!q);
        const QString other = QString::fromLatin1(t.output).trimmed();
        QVERIFY(!other.isEmpty());
        QVERIFY(!QDir("/proc/" + other).exists());
    }

    void runProcessStopsAtTheBound() {
        ProcessResult r = platform().runProcess("/bin/sh", {"-c", "cat; exit 5"}, "abc", 5000, {});
        QVERIFY(r.started && r.finished);
        QCOMPARE(r.output, QByteArray("abc"));
        QCOMPARE(r.exitCode, 5);
        QElapsedTimer clock;
        clock.start();
        r = platform().runProcess("/bin/sh", {"-c", "echo début; exec sleep 60"}, {}, 300, {});
        QVERIFY(clock.elapsed() < 2000);
        QVERIFY(r.started && !r.finished);
        QCOMPARE(r.output, QByteArray("début\n"));
        // Told to stop waiting by what it printed.
        r = platform().runProcess("/bin/sh", {"-c", "echo assez; exec sleep 60"}, {}, 5000,
                                  [](const QByteArray &out) { return !out.contains("assez"); });
        QVERIFY(r.started && !r.finished);
        QVERIFY(clock.elapsed() < 4000);
    }
};

QTEST_MAIN(ProcessTest)
#include "tst_process.moc"
