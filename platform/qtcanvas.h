// The page canvas on Qt: a printer (a real one, a PDF file or a print
// preview) or an image, with the free fonts standing in for the names the
// program asks for.
#pragma once
#include <QFont>
#include <QPainter>
#include <QString>

#include "platform/canvas.h"

class QImage;
class QPrinter;

class QtCanvas : public vrek::Canvas {
public:
    // On a printer: each document is a print job with its title. With
    // `oneJob` (a preview, or one PDF for a whole run) later documents go on
    // as new pages of the first one.
    explicit QtCanvas(QPrinter *printer, bool oneJob = false);
    // On an image, which is one page; the documents draw over it.
    explicit QtCanvas(QImage *image);
    ~QtCanvas() override;

    // The family that stands in for a name the program uses.
    static QString standIn(const std::string &name);
    static QFont qtFont(const vrek::Font &f, int dpi);

    bool beginDocument(const std::string &jobTitle) override;
    void newPage() override;
    bool endDocument() override;
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
    // Documents begun so far, and whether any failed to open.
    int documents() const { return documents_; }

private:
    QPrinter *printer_ = nullptr;
    QImage *image_ = nullptr;
    bool oneJob_ = false;
    QPainter painter_;
    vrek::Font font_;
    QFont qfont_;
    QColor textColour_;
    QColor textBg_;
    bool hasTextBg_ = false;
    QPoint cursor_;
    int documents_ = 0;
    bool ok_ = true;
    int dpi() const;
    void ensurePainter();
};
