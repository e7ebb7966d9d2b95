#include "platform/uiutil.h"

#include <QBuffer>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QImageReader>
#include <QPrinter>
#include <QPalette>
#include <QUrl>
#include <QWidget>

#include "core/cp1252.h"
#include "core/fileio.h"
#include "core/workspace.h"
#include "platform/platform.h"

namespace ui {

void setColours(QWidget *w, const QColor &bg, const QColor &fg) {
    QPalette p = w->palette();
    if (bg.isValid()) {
        p.setColor(QPalette::Window, bg);
        w->setAutoFillBackground(true);
    } else {
        w->setAutoFillBackground(false);
    }
    p.setColor(QPalette::WindowText, fg);
    w->setPalette(p);
}

QFrame *panel(QWidget *parent, const char *name) {
    auto *f = new QFrame(parent);
    f->setObjectName(name);
    f->setFrameShape(QFrame::Panel);
    f->setFrameShadow(QFrame::Raised);
    return f;
}

QString fromStore(const std::string &s) { return QString::fromStdString(vrek::cp1252ToUtf8(s)); }

std::string toStore(const QString &s) {
    auto b = vrek::utf8ToCp1252(s.toStdString());
    if (b) return *b;
    std::string out;
    for (QChar c : s) {
        int v = vrek::cp1252Byte(c.unicode());
        if (v >= 0) out += static_cast<char>(v);
    }
    return out;
}

std::string pathToSettings(const QString &path) {
    if (auto b = vrek::utf8ToCp1252(path.toStdString()); b && b->rfind("file:", 0) != 0) return *b;
    return QUrl::fromLocalFile(path).toEncoded().toStdString();
}

QString pathFromSettings(const std::string &value) {
    if (value.rfind("file:", 0) == 0) return QUrl::fromEncoded(QByteArray::fromStdString(value)).toLocalFile();
    return fromStore(value);
}

vrek::DateFormat localeDateFormat() {
    QString fmt = platform().shortDateFormat();
    const QDate epoch(1899, 12, 30);
    vrek::DateFormat f;
    f.parse = [fmt, epoch](const std::string &s) -> std::optional<long> {
        QString t = QString::fromStdString(vrek::cp1252ToUtf8(s));
        QDate d = QDate::fromString(t, fmt);
        // Two-digit years read as this century, as the desktop's date reader does.
        if (d.isValid() && d.year() < 1950 && fmt.count('y') == 2) d = d.addYears(100);
        if (!d.isValid()) return std::nullopt;
        return static_cast<long>(epoch.daysTo(d));
    };
    f.format = [fmt, epoch](long n) { return toStore(epoch.addDays(n).toString(fmt)); };
    return f;
}

long todayNumber() { return static_cast<long>(QDate(1899, 12, 30).daysTo(platform().today())); }

std::optional<std::pair<int, int>> pictureSize(const std::string &bytes) {
    QByteArray data = QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    if (!size.isValid() || size.isEmpty()) return std::nullopt;
    return std::pair{size.width(), size.height()};
}

QString seriesFolder(const vrek::Workspace &ws) {
    if (!ws.fileOpen() || ws.seriesFileName().empty()) return {};
    return QFileInfo(QString::fromStdString(ws.seriesFileName())).absolutePath();
}

void offerPdfFile(QPrinter &printer, const QString &title, const QString &folder) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    // The dialog takes the printer's file as the one it offers; naming one
    // switches the printer to PDF, so the desktop's printer is chosen again
    // (the dialog forgets the file when a printer is kept).
    const QString name = QString::fromStdString(vrek::safeFileName(title.toStdString())) + QStringLiteral(".pdf");
    const QPrinter::OutputFormat format = printer.outputFormat();
    printer.setOutputFileName(QDir(folder.isEmpty() ? QDir::homePath() : folder).filePath(name));
    if (format == QPrinter::NativeFormat) printer.setOutputFormat(QPrinter::NativeFormat);
#else
    (void)printer, (void)title, (void)folder;
#endif
}

}  // namespace ui
