#include "platform/qtcanvas.h"

#include <QDateTime>
#include <QFileInfo>
#include <QFontMetrics>
#include <QHash>
#include <QImage>
#include <QImageReader>
#include <QPrinter>

namespace {
QColor qc(const vrek::Rgb &c) { return QColor(c.r, c.g, c.b); }
QString qs(const std::string &s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
}  // namespace

QtCanvas::QtCanvas(QPrinter *printer, bool oneJob) : printer_(printer), oneJob_(oneJob) {}

QtCanvas::QtCanvas(QImage *image) : image_(image), oneJob_(true) {}

QtCanvas::~QtCanvas() {
    if (painter_.isActive()) painter_.end();
}

QString QtCanvas::standIn(const std::string &name) {
    // Metric-compatible free fonts where they exist, so that measured layouts hold.
    static const std::pair<const char *, const char *> table[] = {
        {"Arial", "Liberation Sans"},
        {"Courier New", "Liberation Mono"},
        {"Times New Roman", "Liberation Serif"},
        {"Century Schoolbook", "C059"},
        // The program asks for "Symbol" only to draw suit signs; Qt draws
        // nothing for them in Standard Symbols PS.
        {"Symbol", "DejaVu Sans"},
        {"Arial Black", "DejaVu Sans"},
        {"commercialScript BT", "Z003"},
    };
    for (const auto &[asked, free] : table)
        if (name == asked) return QString::fromLatin1(free);
    return qs(name);
}

namespace {

// Line height (ascent + descent) of a font per pixel of its size, measured
// once per family and style.
double cellRatio(const QFont &f) {
    static QHash<QString, double> ratios;
    const QString key = f.family() + QLatin1Char('/') + QString::number(f.weight()) + (f.italic() ? "i" : "");
    auto it = ratios.constFind(key);
    if (it != ratios.constEnd()) return *it;
    QFont probe = f;
    probe.setPixelSize(1000);
    const QFontMetricsF m(probe);
    const double r = m.height() > 0 ? m.height() / 1000.0 : 1.0;
    ratios.insert(key, r);
    return r;
}

}  // namespace

QFont QtCanvas::qtFont(const vrek::Font &f, int dpi) {
    QFont q(standIn(f.name));
    q.setBold(f.bold);
    if (f.name == "Arial Black") q.setWeight(QFont::Black);
    q.setItalic(f.italic);
    q.setUnderline(f.underline);
    q.setKerning(false);
    // A height in pixels is the whole line, ascent and descent, as the
    // desktop's font height is: the size that fills it depends on the font.
    if (f.pixels) q.setPixelSize(std::max(1, vrek::roundEven(f.size / cellRatio(q))));
    else q.setPixelSize(std::max(1, vrek::roundEven(f.size * dpi / 72.0)));
    return q;
}

int QtCanvas::dpi() const {
    if (printer_) return printer_->resolution();
    if (image_) return image_->logicalDpiX() > 0 ? image_->logicalDpiX() : 96;
    return 96;
}

void QtCanvas::ensurePainter() {
    if (painter_.isActive()) return;
    QPaintDevice *dev = printer_ ? static_cast<QPaintDevice *>(printer_) : static_cast<QPaintDevice *>(image_);
    ok_ = dev && painter_.begin(dev);
    if (ok_) {
        painter_.setRenderHint(QPainter::Antialiasing);
        painter_.setRenderHint(QPainter::TextAntialiasing);
        painter_.setFont(qfont_);
        painter_.setBrush(Qt::NoBrush);
    }
}

bool QtCanvas::beginDocument(const std::string &jobTitle) {
    ++documents_;
    if (printer_ && (!oneJob_ || documents_ == 1)) {
        printer_->setDocName(qs(jobTitle));
        if (printer_->outputFormat() == QPrinter::PdfFormat) printer_->setDocName(qs(jobTitle));
    }
    if (oneJob_ && documents_ > 1 && painter_.isActive()) {
        if (printer_) printer_->newPage();
        return true;
    }
    ensurePainter();
    setFont(font_);
    return ok_;
}

void QtCanvas::newPage() {
    if (printer_ && painter_.isActive()) printer_->newPage();
}

bool QtCanvas::endDocument() {
    if (oneJob_) return ok_;
    if (painter_.isActive()) return painter_.end() && ok_;
    return ok_;
}

int QtCanvas::width() const {
    if (printer_) return printer_->width();
    return image_ ? image_->width() : 0;
}

int QtCanvas::height() const {
    if (printer_) return printer_->height();
    return image_ ? image_->height() : 0;
}

void QtCanvas::setFont(const vrek::Font &f) {
    font_ = f;
    qfont_ = qtFont(f, dpi());
    textColour_ = qc(f.colour);
    if (painter_.isActive()) painter_.setFont(qfont_);
}

int QtCanvas::textWidth(const std::string &utf8) {
    QPaintDevice *dev = printer_ ? static_cast<QPaintDevice *>(printer_) : static_cast<QPaintDevice *>(image_);
    return QFontMetrics(qfont_, dev).horizontalAdvance(qs(utf8));
}

int QtCanvas::textHeight(const std::string &) {
    QPaintDevice *dev = printer_ ? static_cast<QPaintDevice *>(printer_) : static_cast<QPaintDevice *>(image_);
    return QFontMetrics(qfont_, dev).height();
}

void QtCanvas::text(int x, int y, const std::string &utf8) {
    ensurePainter();
    if (!ok_) return;
    const QString t = qs(utf8);
    QFontMetrics fm(qfont_, painter_.device());
    if (hasTextBg_) painter_.fillRect(QRect(x, y, fm.horizontalAdvance(t), fm.height()), textBg_);
    const QPen keep = painter_.pen();
    painter_.setPen(textColour_);
    painter_.setFont(qfont_);
    painter_.drawText(QPoint(x, y + fm.ascent()), t);
    painter_.setPen(keep);
}

void QtCanvas::setTextBackground(const vrek::Rgb &c) {
    textBg_ = qc(c);
    hasTextBg_ = true;
}

void QtCanvas::setPen(const vrek::Rgb &c, int width) {
    ensurePainter();
    QPen p(qc(c));
    p.setWidth(std::max(1, width));
    painter_.setPen(p);
}

void QtCanvas::setBrush(const vrek::Rgb &c) {
    ensurePainter();
    painter_.setBrush(qc(c));
}

void QtCanvas::clearBrush() {
    ensurePainter();
    painter_.setBrush(Qt::NoBrush);
}

void QtCanvas::moveTo(int x, int y) { cursor_ = QPoint(x, y); }

void QtCanvas::lineTo(int x, int y) {
    ensurePainter();
    painter_.drawLine(cursor_, QPoint(x, y));
    cursor_ = QPoint(x, y);
}

void QtCanvas::rectangle(int x1, int y1, int x2, int y2) {
    ensurePainter();
    painter_.drawRect(QRect(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1)));
}

void QtCanvas::roundRect(int x1, int y1, int x2, int y2, int rx, int ry) {
    ensurePainter();
    // The corner is given as the ellipse's width and height.
    painter_.drawRoundedRect(QRect(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1)), rx / 2.0, ry / 2.0);
}

namespace {

// The last picture read, kept while its file stays the same: a window that
// repaints its background at every click should not decode it each time.
struct CachedImage {
    QString path;
    QDateTime modified;
    qint64 size = -1;
    QImage image;
};

const QImage *readImage(const QString &path) {
    static CachedImage cache;
    const QFileInfo info(path);
    if (!info.exists()) return nullptr;
    if (cache.path == path && cache.modified == info.lastModified() && cache.size == info.size() &&
        !cache.image.isNull())
        return &cache.image;
    QImageReader reader(path);
    QImage img = reader.read();
    if (img.isNull()) return nullptr;
    cache = {path, info.lastModified(), info.size(), img.convertToFormat(QImage::Format_ARGB32_Premultiplied)};
    return &cache.image;
}

}  // namespace

bool QtCanvas::image(const std::string &path, int x, int y, int w, int h) {
    const QImage *img = readImage(qs(path));
    if (!img) return false;
    ensurePainter();
    painter_.drawImage(QRect(x, y, w, h), *img);
    return true;
}
