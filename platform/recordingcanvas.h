// A canvas that keeps what was drawn, with fixed font metrics, so that tests
// can check texts, fonts and positions without a display.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "platform/canvas.h"

namespace vrek {

struct DrawOp {
    enum Kind { BeginDocument, NewPage, EndDocument, Text, Line, Rectangle, RoundRect, Image };
    Kind kind;
    int document = 0;  // 1 .. documents begun
    int page = 0;      // 1 .. within the document
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0, rx = 0, ry = 0;
    std::string text;  // text, job title or picture path
    Font font;
    Rgb pen;
    int penWidth = 1;
    std::optional<Rgb> brush, textBackground;
};

class RecordingCanvas : public Canvas {
public:
    // A4 at 600 dots per inch by default: 2.4 pixels per page unit both ways.
    explicit RecordingCanvas(int width = 4800, int height = 6720, double dpi = 600);

    // Fixed metrics: a character is half the font's pixel height wide; a
    // line is 1.2 times that height. Pixel height = points x dpi / 72; a
    // font sized in pixels is a line of exactly its size.
    double pixelHeight(const Font &f) const;

    std::vector<DrawOp> ops;
    std::vector<std::string> titles;  // job titles, one per document
    // Pictures that exist for `image` (tests say which paths can be read).
    std::vector<std::string> readableImages;
    bool failEnd = false;  // endDocument reports a failure

    // The text operations, in order; those whose text equals `t`.
    std::vector<DrawOp> texts() const;
    std::vector<DrawOp> textsEqual(const std::string &t) const;
    const DrawOp *firstText(const std::string &t) const;
    std::vector<DrawOp> lines() const;
    int pages() const;  // pages over all documents

    bool beginDocument(const std::string &jobTitle) override;
    void newPage() override;
    bool endDocument() override;
    int width() const override { return w_; }
    int height() const override { return h_; }
    void setFont(const Font &f) override { font_ = f; }
    const Font &font() const override { return font_; }
    int textWidth(const std::string &utf8) override;
    int textHeight(const std::string &utf8) override;
    void text(int x, int y, const std::string &utf8) override;
    void setTextBackground(const Rgb &c) override { textBg_ = c; }
    void clearTextBackground() override { textBg_.reset(); }
    void setPen(const Rgb &c, int width = 1) override {
        pen_ = c;
        penWidth_ = width;
    }
    void setBrush(const Rgb &c) override { brush_ = c; }
    void clearBrush() override { brush_.reset(); }
    void moveTo(int x, int y) override {
        cx_ = x;
        cy_ = y;
    }
    void lineTo(int x, int y) override;
    void rectangle(int x1, int y1, int x2, int y2) override;
    void roundRect(int x1, int y1, int x2, int y2, int rx, int ry) override;
    bool image(const std::string &path, int x, int y, int w, int h) override;

    using Canvas::font;

private:
    int w_, h_;
    double dpi_;
    Font font_;
    Rgb pen_;
    int penWidth_ = 1;
    std::optional<Rgb> brush_, textBg_;
    int cx_ = 0, cy_ = 0;
    int document_ = 0, page_ = 0;
    DrawOp op(DrawOp::Kind k) const;
};

// Number of characters (code points) of a UTF-8 text.
int utf8Length(const std::string &s);

}  // namespace vrek
