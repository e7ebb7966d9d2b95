// The update check at start-up against a small web server on 127.0.0.1 run by
// the test itself, through the desktop's own HTTP client; the option that
// suspends it, the maker's links and the help items.
#include <QAction>
#include <QElapsedTimer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QtTest>

#include "app/vrekhp.h"
#include "app/windows.h"
#include "scriptedplatform.h"
#include "testutil.h"

namespace {

// Answers 200 for the pages it has, 404 for the others; or, when silent,
// takes the connection and never answers.
class TinyServer : public QObject {
public:
    QSet<QString> pages;
    bool silent = false;
    QStringList paths;          // asked, in order
    QList<QByteArray> requests; // whole request heads

    TinyServer() {
        QObject::connect(&server_, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *s = server_.nextPendingConnection()) {
                s->setParent(this);
                QObject::connect(s, &QTcpSocket::readyRead, this, [this, s] { read(s); });
            }
        });
        server_.listen(QHostAddress::LocalHost);
        port_ = server_.serverPort();
    }
    // Still the same address once closed: nothing listens there any more.
    QString site() const { return QStringLiteral("http://127.0.0.1:%1/").arg(port_); }
    void close() { server_.close(); }

private:
    QTcpServer server_;
    quint16 port_ = 0;
    QHash<QTcpSocket *, QByteArray> buffers_;

    void read(QTcpSocket *s) {
        QByteArray &b = buffers_[s];
        b += s->readAll();
        if (!b.contains("\r\n\r\n")) return;
        requests << b;
        const QByteArray path = b.split(' ').value(1);
        paths << QString::fromLatin1(path);
        if (silent) return;
        const bool found = pages.contains(QString::fromLatin1(path));
        const QByteArray body = found ? "<html>ok</html>" : "<html>absent</html>";
        s->write((found ? "HTTP/1.1 200 OK\r\n" : "HTTP/1.1 404 Not Found\r\n") +
                 QByteArray("Content-Type: text/html\r\nConnection: close\r\nContent-Length: ") +
                 QByteArray::number(body.size()) + "\r\n\r\n" + body);
        s->disconnectFromHost();
    }
};

// Answers each request with `head`, then sends `filler` on and on (every
// `ms`) while the client takes it, up to 256 MB; "/ailleurs" has a page.
class HostileServer : public QObject {
public:
    qint64 written = 0;
    bool clientGone = false;

    HostileServer(const QByteArray &head, const QByteArray &filler, int ms) {
        QObject::connect(&server_, &QTcpServer::newConnection, this, [=, this] {
            QTcpSocket *s = server_.nextPendingConnection();
            QObject::connect(s, &QTcpSocket::disconnected, this, [this] { clientGone = true; });
            QObject::connect(s, &QTcpSocket::readyRead, this, [=, this] {
                if (s->readAll().startsWith("GET /ailleurs ")) return void(s->write("HTTP/1.0 200 OK\r\n\r\n"));
                s->write(head);
                auto *more = new QTimer(s);
                QObject::connect(more, &QTimer::timeout, s, [=, this] {
                    if (!filler.isEmpty() && written < (qint64(256) << 20) && s->bytesToWrite() < (1 << 20))
                        written += s->write(filler);
                });
                more->start(ms);
            });
        });
        server_.listen(QHostAddress::LocalHost);
    }
    QString url(const char *path) const { return QStringLiteral("http://127.0.0.1:%1%2").arg(server_.serverPort()).arg(path); }

private:
    QTcpServer server_;
};

const QString kQuestion = QStringLiteral(
    "Il éxiste une nouvelle version de Vrek\n\n   qui peut être téléchargée sur :\n\n        %1\n\n\n\n"
    " Voullez vous la télécharger ?\n");

}  // namespace

class UpdateCheckTest : public QObject {
    Q_OBJECT

    std::unique_ptr<testutil::TempDir> dir;
    std::unique_ptr<ScriptedPlatform> plat;
    std::unique_ptr<TinyServer> web;

    void writeIni(const QString &extra = {}) {
        testutil::writeFile(dir->file("vrek.ini"),
                            ("[MiseAjour]\r\nSite=" + web->site() +
                             "\r\nPageTelechargement=http://telechargement.test/\r\n" + extra)
                                .toStdString());
    }
    std::string ini() const { return testutil::readFile(dir->file("vrek.ini")); }
    std::unique_ptr<TForm1> start() {
        auto w = std::make_unique<TForm1>(QStringList{});
        createWindows(*w);
        return w;
    }

private slots:
    void initTestCase() { installStartupHooks(); }
    void init() {
        dir = std::make_unique<testutil::TempDir>();
        plat = std::make_unique<ScriptedPlatform>();
        plat->folder = QString::fromStdString(dir->path()) + "/";
        plat->realHttp = true;
        web = std::make_unique<TinyServer>();
    }
    void cleanup() {
        web.reset();
        plat.reset();
        dir.reset();
    }

    void currentVersionSaysNothing() {
        web->pages = {"/arbitrage/index.html", "/arbitrage/Vrek_20.23.03.html"};
        writeIni();
        auto w = start();
        QCOMPARE(web->paths, QStringList({"/arbitrage/index.html", "/arbitrage/Vrek_20.23.03.html"}));
        QVERIFY(plat->messages.isEmpty());
        QVERIFY(!w->endRequested);
        // The probe introduces itself as the program always has.
        QVERIFY(web->requests[0].contains("User-Agent: Mozilla/3.0 (compatible; Indy Library)\r\n"));
        QVERIFY(web->requests[0].contains("Accept: text/html, */*\r\n"));
    }

    void newVersionOffersTheDownload() {
        web->pages = {"/arbitrage/index.html"};
        writeIni();
        plat->answers << false;
        auto w = start();
        QCOMPARE(plat->messages.size(), 1);
        QCOMPARE(plat->messages[0].kind, RecordedMessage::Question);
        QCOMPARE(plat->messages[0].text, kQuestion.arg(web->site()));
        // "Non": the start-up goes on.
        QVERIFY(!w->endRequested);
        QVERIFY(plat->opened.isEmpty());
        w.reset();

        plat->messages.clear();
        plat->answers << true;
        w = start();
        QCOMPARE(plat->opened, QStringList{"http://telechargement.test/"});
        QVERIFY(w->endRequested);
        // When the browser cannot open the page, the user is told and the program goes on.
        w.reset();
        plat->messages.clear();
        plat->answers << true;
        plat->openSucceeds = false;
        w = start();
        QVERIFY(!w->endRequested);
        QCOMPARE(plat->lastMessage(), QString("Le logiciel de surff par défaut\n\nn'est pas installé correctement"));
    }

    void unreachableSiteEndsTheCheckSilently() {
        const QString site = web->site();
        web->close();
        writeIni();
        QElapsedTimer t;
        t.start();
        auto w = start();
        QVERIFY(t.elapsed() < 2500);
        QCOMPARE(plat->httpRequests, QStringList{site + "arbitrage/index.html"});
        QVERIFY(plat->messages.isEmpty());
        QVERIFY(!w->endRequested);
    }

    void silentSiteIsLeftAfterThreeSeconds() {
        web->silent = true;
        writeIni();
        QElapsedTimer t;
        t.start();
        auto w = start();
        const qint64 ms = t.elapsed();
        QVERIFY2(ms >= 2900 && ms < 4500, qPrintable(QString::number(ms)));
        QCOMPARE(web->paths, QStringList{"/arbitrage/index.html"});
        QVERIFY(plat->messages.isEmpty());
    }

    // A hostile server is left as soon as the status is known, or when the
    // time given to the whole exchange is up; its head and body are never
    // read past a few kilobytes, and nothing keeps reading afterwards.
    void hostileServersAreLeftQuickly() {
        const QByteArray headers = QByteArray("X-Encore: oui\r\n").repeated(4096), body(65536, 'x');
        struct Case {
            QByteArray head, filler;
            int ms, status, timeoutMs;
        };
        for (const Case &c : {Case{"HTTP/1.1 200 OK\r\n", headers, 0, 200, 3000},
                              {"HTTP/1.1 302 Found\r\n", headers, 0, 302, 3000},
                              {"HTTP/1.1 200 OK\r\nContent-Length: 1073741824\r\n\r\n", body, 0, 200, 3000},
                              {"HTTP/1.1 301 Moved\r\nLocation: /ailleurs\r\n\r\n", {}, 0, 200, 3000},
                              {"HTTP/1.1", " ", 100, 0, 1000}}) {
            HostileServer server(c.head, c.filler, c.ms);
            QElapsedTimer t;
            t.start();
            QCOMPARE(qtHttpGet(server.url("/arbitrage/index.html"), c.timeoutMs), c.status);
            QVERIFY2(t.elapsed() < c.timeoutMs + 500, qPrintable(QString::number(t.elapsed())));
            QTRY_VERIFY(server.clientGone);
            QVERIFY2(server.written < (qint64(64) << 20), qPrintable(QString::number(server.written)));
        }
        // Through the start-up: two huge answers cost neither time nor a message.
        HostileServer huge("HTTP/1.1 200 OK\r\n\r\n", body, 0);
        testutil::writeFile(dir->file("vrek.ini"), "[MiseAjour]\r\nSite=" + huge.url("/").toStdString() + "\r\n");
        QElapsedTimer t;
        t.start();
        auto w = start();
        QVERIFY(t.elapsed() < 2000);
        QCOMPARE(plat->httpRequests.size(), 2);
        QVERIFY(plat->messages.isEmpty());
    }

    void suspensionLastsThirtyDays() {
        web->pages = {"/arbitrage/index.html", "/arbitrage/Vrek_20.23.03.html"};
        // Today is 08/12/2026: 30 days ago the check stays off.
        writeIni("NoValide=1\r\nDate=08/11/2026\r\n");
        auto w = start();
        QVERIFY(web->paths.isEmpty());
        QVERIFY(w->action("Nepasvrifierlamisejour1")->isChecked());
        QVERIFY(ini().find("NoValide=1") != std::string::npos);
        w.reset();
        // 31 days ago: switched back on, written at once, and the check runs.
        writeIni("NoValide=1\r\nDate=07/11/2026\r\n");
        w = start();
        QCOMPARE(web->paths.size(), 2);
        QVERIFY(!w->action("Nepasvrifierlamisejour1")->isChecked());
        QVERIFY(ini().find("NoValide=0") != std::string::npos);
        QVERIFY(ini().find("Date=07/11/2026") != std::string::npos);
    }

    void switchingTheCheckOffAndOn() {
        web->close();
        writeIni("Date=01/01/2020\r\n");
        auto w = start();
        QAction *a = w->action("Nepasvrifierlamisejour1");
        a->trigger();
        QVERIFY(a->isChecked());
        QVERIFY(ini().find("Date=08/12/2026") != std::string::npos);
        QVERIFY(ini().find("NoValide=1") != std::string::npos);
        plat->date = QDate(2026, 12, 20);
        a->trigger();
        QVERIFY(!a->isChecked());
        QVERIFY(ini().find("NoValide=0") != std::string::npos);
        QVERIFY(ini().find("Date=08/12/2026") != std::string::npos);
    }

    void makerLinks() {
        web->close();
        writeIni("Courriel=auteur@exemple.fr\r\nPageInformations=http://infos.test/maj.html\r\n");
        auto w = start();
        w->action("Information1")->trigger();
        w->action("Courier")->trigger();
        QCOMPARE(plat->opened,
                 QStringList({"http://infos.test/maj.html", "mailto:auteur@exemple.fr?subject=Vrek%2020.23.03"}));
        QVERIFY(plat->messages.isEmpty());
        plat->openSucceeds = false;
        w->action("Information1")->trigger();
        QCOMPARE(plat->lastMessage(), QString("Le logiciel de surff par défaut\n\nn'est pas installé correctement"));
        QCOMPARE(plat->messages.last().kind, RecordedMessage::Warning);
        w->action("Courier")->trigger();
        QCOMPARE(plat->lastMessage(),
                 QString("Le courier électronique par défaut\n\nn'est pas installé correctement"));
    }

    void helpItemsOpenTheirFiles() {
        web->close();
        writeIni();
        auto w = start();
        const std::pair<const char *, const char *> items[] = {
            {"Aide1", "VrekF.pdf"}, {"Aide2", "VrekE.pdf"}, {"Aide3", "VrekI.pdf"}, {"Aide4", "VrekC.pdf"},
            {"Aide5", "VrekS.pdf"}, {"Aide6", "Vrek.pdf"},  {"Aide7", "VrekZ.pdf"}};
        for (const auto &[item, file] : items) {
            testutil::writeFile(dir->file(file), "%PDF-1.4\n");
            QVERIFY2(w->action(item)->isEnabled(), item);
            w->action(item)->trigger();
            QCOMPARE(plat->opened.last(), QUrl::fromLocalFile(plat->folder + file).toString());
        }
        QVERIFY(plat->messages.isEmpty());
        QFile::remove(plat->folder + "VrekS.pdf");
        w->action("Aide5")->trigger();
        QCOMPARE(plat->lastMessage(), "Le fichier d'aide " + plat->folder + "VrekS.pdf est introuvable.");
        QCOMPARE(plat->opened.size(), 7);
    }
};

QTEST_MAIN(UpdateCheckTest)
#include "tst_updatecheck.moc"
