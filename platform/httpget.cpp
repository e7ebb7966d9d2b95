// The desktop's HTTP GET for the update check's probes: it reads the status
// line (and a redirection's address) and stops, reads no more than a small
// head whatever the server sends, and keeps to the time it is given for the
// whole exchange, lookup, redirections and all. No thread is left behind.
#include <QElapsedTimer>
#include <QEventLoop>
#include <QSslSocket>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>
#include <memory>

#include "platform/httphead.h"
#include "platform/platform.h"

namespace {

constexpr int kMaxRedirections = 5;

struct Answer {
    int status = 0;
    QUrl next;  // where a redirection leads
};

QByteArray requestFor(const QUrl &url) {
    QByteArray path = url.path(QUrl::FullyEncoded).toLatin1();
    if (path.isEmpty()) path = "/";
    if (url.hasQuery()) path += '?' + url.query(QUrl::FullyEncoded).toLatin1();
    QByteArray host = url.host(QUrl::FullyEncoded).toLatin1();
    if (url.port() != -1) host += ':' + QByteArray::number(url.port());
    return "GET " + path + " HTTP/1.1\r\nHost: " + host +
           "\r\nAccept: text/html, */*\r\nUser-Agent: Mozilla/3.0 (compatible; Indy Library)\r\n"
           "Connection: close\r\n\r\n";
}

Answer askOnce(const QUrl &url, int timeoutMs) {
    Answer a;
    const bool secure = url.scheme() == QLatin1String("https");
    if ((!secure && url.scheme() != QLatin1String("http")) || url.host().isEmpty()) return a;
    if (secure && !QSslSocket::supportsSsl()) return a;
    std::unique_ptr<QTcpSocket> socket(secure ? new QSslSocket : new QTcpSocket);
    // What the socket takes from the system stays within the head's bound.
    socket->setReadBufferSize(http::kMaxHead);
    QEventLoop loop;
    std::string got;
    http::Head head;
    auto send = [&] { socket->write(requestFor(url)); };
    if (secure) QObject::connect(static_cast<QSslSocket *>(socket.get()), &QSslSocket::encrypted, &loop, send);
    else QObject::connect(socket.get(), &QTcpSocket::connected, &loop, send);
    QObject::connect(socket.get(), &QTcpSocket::readyRead, &loop, [&] {
        const QByteArray chunk = socket->read(static_cast<qint64>(http::kMaxHead - got.size()));
        got.append(chunk.constData(), static_cast<size_t>(chunk.size()));
        head = http::readHead(got);
        if (head.state != http::Head::Incomplete || got.size() >= http::kMaxHead) loop.quit();
    });
    QObject::connect(socket.get(), &QTcpSocket::disconnected, &loop, &QEventLoop::quit);
    QObject::connect(socket.get(), &QTcpSocket::errorOccurred, &loop, &QEventLoop::quit);
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    deadline.start(timeoutMs);
    const quint16 port = static_cast<quint16>(url.port(secure ? 443 : 80));
    if (secure) static_cast<QSslSocket *>(socket.get())->connectToHostEncrypted(url.host(), port);
    else socket->connectToHost(url.host(), port);
    if (socket->state() != QAbstractSocket::UnconnectedState) loop.exec();
    // What a server that closed at once still sent.
    if (head.state == http::Head::Incomplete && socket->bytesAvailable() > 0) {
        const QByteArray rest = socket->read(static_cast<qint64>(http::kMaxHead - got.size()));
        got.append(rest.constData(), static_cast<size_t>(rest.size()));
        head = http::readHead(got);
    }
    socket->abort();
    if (head.state != http::Head::Complete) return a;
    a.status = head.status;
    if (http::isRedirection(head.status) && !head.location.empty())
        a.next = url.resolved(QUrl::fromEncoded(QByteArray::fromStdString(head.location)));
    return a;
}

}  // namespace

int qtHttpGet(const QString &address, int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    QUrl url(address);
    for (int hop = 0; hop <= kMaxRedirections; ++hop) {
        const qint64 left = timeoutMs - clock.elapsed();
        if (left <= 0) return 0;
        const Answer a = askOnce(url, static_cast<int>(left));
        if (a.next.isEmpty() || !a.next.isValid()) return a.status;
        url = a.next;
    }
    return 0;
}
