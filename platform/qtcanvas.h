// The page canvas on Qt: a printer (a real one, a PDF file or a print
// preview), a PDF writer or an image, with the free fonts standing in for
// the names the program asks for.
#pragma once
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QString>
#include <optional>
#include <vector>

#include "platform/canvas.h"

class QImage;
class QPagedPaintDevice;
class QPdfWriter;
class QPrinter;

class QtCanvas : public vrek::Canvas {
public:
    // On a printer: each document is a print job with its title. With
    // `oneJob` (a preview, or one PDF for a whole run) later documents go on
    // as new pages of the first one.
    explicit QtCanvas(QPrinter *printer, bool oneJob = false);
    // On a PDF writer: one file, every document on new pages of it.
    explicit QtCanvas(QPdfWriter *pdf);
    // On an image, which is one page; the documents draw over it.
    explicit QtCanvas(QImage *image);
    ~QtCanvas() override;

    // The family that stands in for a name the program uses.
    static QString standIn(const std::string &name);
    static QFont qtFont(const vrek::Font &f, int dpi);
    // The text as the font's character map wants it: a symbol-encoded font
    // (the "Symbol" stand-in) holds the suit signs at its own codes.
    static QString shown(const std::string &utf8, const QFont &font);

    bool beginDocument(const std::string &jobTitle) override;
    void newPage() override;
    bool endDocument() override;
    // Ends the painting (one job, a PDF writer); false when anything failed.
    bool finish();
    int width() const override;
    int height() const override;
    void setFont(const vrek::Font &f) override;
    const vrek::Font &font() const override { return font_; }
    int textWidth(const std::string &utf8) override;
    int textHeight(const std::string &utf8) override;
    void text(int x, int y, const std::string &utf8) override;
    void setTextBackground(const vrek::Rgb &c) override;
    void clearTextBackground() override { hasTextBg_ = false; }
    void setPen(const vrek::Rgb &c, int width = 1) override;
    void setBrush(const vrek::Rgb &c) override;
    void clearBrush() override;
    void moveTo(int x, int y) override;
    void lineTo(int x, int y) override;
    void rectangle(int x1, int y1, int x2, int y2) override;
    void roundRect(int x1, int y1, int x2, int y2, int rx, int ry) override;
    bool image(const std::string &path, int x, int y, int w, int h) override;

    using vrek::Canvas::font;
    QPainter &painter() { return painter_; }
    // Documents begun so far.
    int documents() const { return static_cast<int>(log_.size()); }
    // Each document begun, with its job title and its pages.
    struct Document {
        std::string title;
        int pages = 0;
    };
    const std::vector<Document> &log() const { return log_; }

private:
    QPrinter *printer_ = nullptr;
    QPdfWriter *pdf_ = nullptr;
    QImage *image_ = nullptr;
    bool oneJob_ = false;
    QPainter painter_;
    vrek::Font font_;
    QFont qfont_;
    std::optional<QFontMetrics> metrics_;
    QColor textColour_;
    QColor textBg_;
    bool hasTextBg_ = false;
    QPen pen_;
    QBrush brush_ = Qt::NoBrush;
    QPoint cursor_;
    std::vector<Document> log_;
    bool ok_ = true;
    QPaintDevice *device() const;
    QPagedPaintDevice *paged() const;
    int dpi() const;
    bool ensurePainter();
    const QFontMetrics &fm();
};
