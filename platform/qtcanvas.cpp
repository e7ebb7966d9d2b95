#include "platform/qtcanvas.h"

#include <QDateTime>
#include <QFileInfo>
#include <QFontMetrics>
#include <QHash>
#include <QImage>
#include <QImageReader>
#include <QPdfWriter>
#include <QPrinter>
#include <QRawFont>

namespace {
QColor qc(const vrek::Rgb &c) { return QColor(c.r, c.g, c.b); }
QString qs(const std::string &s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// Whether the family maps the suit signs only through the old symbol codes
// (0xA7 clubs .. 0xAA spades), as the URW stand-in for "Symbol" does.
bool symbolEncoded(const QFont &f) {
    static QHash<QString, bool> known;
    auto it = known.constFind(f.family());
    if (it != known.constEnd()) return *it;
    QFont probe(f);
    probe.setPixelSize(20);
    probe.setStyleStrategy(QFont::NoFontMerging);
    const QRawFont raw = QRawFont::fromFont(probe);
    const bool sym = raw.isValid() && !raw.supportsCharacter(QChar(0x2660)) && raw.supportsCharacter(QChar(0xAA));
    known.insert(f.family(), sym);
    return sym;
}
}  // namespace

QtCanvas::QtCanvas(QPrinter *printer, bool oneJob) : printer_(printer), oneJob_(oneJob) {}

QtCanvas::QtCanvas(QPdfWriter *pdf) : pdf_(pdf), oneJob_(true) {}

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
        // Suit signs in it go by its own codes (symbolCodes below).
        {"Symbol", "Standard Symbols PS"},
        // No free font has Arial Black's metrics: Inter at its black weight
        // is the nearest heavy grotesque.
        {"Arial Black", "Inter"},
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

QString QtCanvas::shown(const std::string &utf8, const QFont &font) {
    QString t = qs(utf8);
    if (!symbolEncoded(font)) return t;
    for (QChar &c : t) {
        switch (c.unicode()) {
        case 0x2663: c = QChar(0xA7); break;
        case 0x2666: c = QChar(0xA8); break;
        case 0x2665: c = QChar(0xA9); break;
        case 0x2660: c = QChar(0xAA); break;
        default: break;
        }
    }
    return t;
}

QPaintDevice *QtCanvas::device() const {
    if (printer_) return printer_;
    if (pdf_) return pdf_;
    return image_;
}

QPagedPaintDevice *QtCanvas::paged() const {
    if (printer_) return printer_;
    return pdf_;
}

int QtCanvas::dpi() const {
    if (printer_) return printer_->resolution();
    if (pdf_) return pdf_->resolution();
    if (image_) return image_->logicalDpiX() > 0 ? image_->logicalDpiX() : 96;
    return 96;
}

bool QtCanvas::ensurePainter() {
    if (painter_.isActive()) return true;
    QPaintDevice *dev = device();
    ok_ = ok_ && dev && painter_.begin(dev);
    if (ok_) {
        fm();
        painter_.setRenderHint(QPainter::Antialiasing);
        painter_.setRenderHint(QPainter::TextAntialiasing);
        painter_.setFont(qfont_);
        painter_.setPen(pen_);
        painter_.setBrush(brush_);
    }
    return ok_;
}

bool QtCanvas::beginDocument(const std::string &jobTitle) {
    log_.push_back({jobTitle, 1});
    if (oneJob_ && log_.size() > 1 && painter_.isActive()) {
        if (QPagedPaintDevice *p = paged()) p->newPage();
        return ok_;
    }
    // The title goes with the job, so it is set before the painting starts.
    if (printer_) printer_->setDocName(qs(jobTitle));
    if (pdf_) pdf_->setTitle(qs(jobTitle));
    // The resolution may have changed since the canvas was made.
    metrics_.reset();
    if (!ensurePainter()) return false;
    setFont(font_);
    return true;
}

void QtCanvas::newPage() {
    if (!painter_.isActive()) return;
    if (QPagedPaintDevice *p = paged()) {
        p->newPage();
        if (!log_.empty()) ++log_.back().pages;
    }
}

bool QtCanvas::endDocument() {
    if (oneJob_) return ok_;
    if (painter_.isActive()) ok_ = painter_.end() && ok_;
    if (printer_ && printer_->printerState() == QPrinter::Error) ok_ = false;
    return ok_;
}

bool QtCanvas::finish() {
    if (painter_.isActive()) ok_ = painter_.end() && ok_;
    if (printer_ && printer_->printerState() == QPrinter::Error) ok_ = false;
    return ok_;
}

int QtCanvas::width() const {
    QPaintDevice *d = device();
    return d ? d->width() : 0;
}

int QtCanvas::height() const {
    QPaintDevice *d = device();
    return d ? d->height() : 0;
}

void QtCanvas::setFont(const vrek::Font &f) {
    const bool same = f.name == font_.name && f.size == font_.size && f.pixels == font_.pixels &&
                      f.bold == font_.bold && f.italic == font_.italic && f.underline == font_.underline;
    font_ = f;
    textColour_ = qc(f.colour);
    if (same && metrics_) return;
    metrics_.reset();
    fm();
    if (painter_.isActive()) painter_.setFont(qfont_);
}

const QFontMetrics &QtCanvas::fm() {
    if (!metrics_) {
        qfont_ = qtFont(font_, dpi());
        metrics_.emplace(qfont_, device());
    }
    return *metrics_;
}

int QtCanvas::textWidth(const std::string &utf8) { return fm().horizontalAdvance(shown(utf8, qfont_)); }

int QtCanvas::textHeight(const std::string &) { return fm().height(); }

void QtCanvas::text(int x, int y, const std::string &utf8) {
    if (!ensurePainter()) return;
    const QFontMetrics &m = fm();
    const QString t = shown(utf8, qfont_);
    if (hasTextBg_) painter_.fillRect(QRect(x, y, m.horizontalAdvance(t), m.height()), textBg_);
    // Text is drawn from its baseline, unclipped; the pen is the text colour
    // only for the time of the call.
    painter_.setPen(textColour_);
    painter_.drawText(QPoint(x, y + m.ascent()), t);
    painter_.setPen(pen_);
}

void QtCanvas::setTextBackground(const vrek::Rgb &c) {
    textBg_ = qc(c);
    hasTextBg_ = true;
}

void QtCanvas::setPen(const vrek::Rgb &c, int width) {
    pen_ = QPen(qc(c));
    pen_.setWidth(std::max(1, width));
    if (painter_.isActive()) painter_.setPen(pen_);
}

void QtCanvas::setBrush(const vrek::Rgb &c) {
    brush_ = QBrush(qc(c));
    if (painter_.isActive()) painter_.setBrush(brush_);
}

void QtCanvas::clearBrush() {
    brush_ = QBrush(Qt::NoBrush);
    if (painter_.isActive()) painter_.setBrush(brush_);
}

void QtCanvas::moveTo(int x, int y) { cursor_ = QPoint(x, y); }

void QtCanvas::lineTo(int x, int y) {
    if (ensurePainter()) painter_.drawLine(cursor_, QPoint(x, y));
    cursor_ = QPoint(x, y);
}

void QtCanvas::rectangle(int x1, int y1, int x2, int y2) {
    if (ensurePainter()) painter_.drawRect(QRect(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1)));
}

void QtCanvas::roundRect(int x1, int y1, int x2, int y2, int rx, int ry) {
    // The corner is given as the ellipse's width and height.
    if (ensurePainter()) painter_.drawRoundedRect(QRect(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1)), rx / 2.0, ry / 2.0);
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
    if (!ensurePainter()) return false;
    painter_.drawImage(QRect(x, y, w, h), *img);
    return true;
}
