#include "platform/recordingcanvas.h"

#include <algorithm>

namespace vrek {

int utf8Length(const std::string &s) {
    return static_cast<int>(std::count_if(s.begin(), s.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

RecordingCanvas::RecordingCanvas(int width, int height, double dpi) : w_(width), h_(height), dpi_(dpi) {}

double RecordingCanvas::pixelHeight(const Font &f) const { return f.pixels ? f.size : f.size * dpi_ / 72.0; }

DrawOp RecordingCanvas::op(DrawOp::Kind k) const {
    DrawOp o{};
    o.kind = k;
    o.document = document_;
    o.page = page_;
    o.font = font_;
    o.pen = pen_;
    o.penWidth = penWidth_;
    o.brush = brush_;
    o.textBackground = textBg_;
    return o;
}

bool RecordingCanvas::beginDocument(const std::string &jobTitle) {
    ++document_;
    page_ = 1;
    titles.push_back(jobTitle);
    DrawOp o = op(DrawOp::BeginDocument);
    o.text = jobTitle;
    ops.push_back(o);
    return true;
}

void RecordingCanvas::newPage() {
    ++page_;
    ops.push_back(op(DrawOp::NewPage));
}

bool RecordingCanvas::endDocument() {
    ops.push_back(op(DrawOp::EndDocument));
    return !failEnd;
}

int RecordingCanvas::textWidth(const std::string &utf8) {
    return roundEven(utf8Length(utf8) * pixelHeight(font_) / 2);
}

int RecordingCanvas::textHeight(const std::string &) {
    return font_.pixels ? roundEven(font_.size) : roundEven(pixelHeight(font_) * 1.2);
}

void RecordingCanvas::text(int x, int y, const std::string &utf8) {
    DrawOp o = op(DrawOp::Text);
    o.x1 = x;
    o.y1 = y;
    o.text = utf8;
    ops.push_back(o);
}

void RecordingCanvas::lineTo(int x, int y) {
    DrawOp o = op(DrawOp::Line);
    o.x1 = cx_;
    o.y1 = cy_;
    o.x2 = x;
    o.y2 = y;
    ops.push_back(o);
    cx_ = x;
    cy_ = y;
}

void RecordingCanvas::rectangle(int x1, int y1, int x2, int y2) {
    DrawOp o = op(DrawOp::Rectangle);
    o.x1 = x1, o.y1 = y1, o.x2 = x2, o.y2 = y2;
    ops.push_back(o);
}

void RecordingCanvas::roundRect(int x1, int y1, int x2, int y2, int rx, int ry) {
    DrawOp o = op(DrawOp::RoundRect);
    o.x1 = x1, o.y1 = y1, o.x2 = x2, o.y2 = y2, o.rx = rx, o.ry = ry;
    ops.push_back(o);
}

bool RecordingCanvas::image(const std::string &path, int x, int y, int w, int h) {
    if (std::find(readableImages.begin(), readableImages.end(), path) == readableImages.end()) return false;
    DrawOp o = op(DrawOp::Image);
    o.x1 = x, o.y1 = y, o.x2 = x + w, o.y2 = y + h;
    o.text = path;
    ops.push_back(o);
    return true;
}

std::vector<DrawOp> RecordingCanvas::texts() const {
    std::vector<DrawOp> r;
    for (const DrawOp &o : ops)
        if (o.kind == DrawOp::Text) r.push_back(o);
    return r;
}

std::vector<DrawOp> RecordingCanvas::textsEqual(const std::string &t) const {
    std::vector<DrawOp> r;
    for (const DrawOp &o : ops)
        if (o.kind == DrawOp::Text && o.text == t) r.push_back(o);
    return r;
}

const DrawOp *RecordingCanvas::firstText(const std::string &t) const {
    for (const DrawOp &o : ops)
        if (o.kind == DrawOp::Text && o.text == t) return &o;
    return nullptr;
}

std::vector<DrawOp> RecordingCanvas::lines() const {
    std::vector<DrawOp> r;
    for (const DrawOp &o : ops)
        if (o.kind == DrawOp::Line) r.push_back(o);
    return r;
}

int RecordingCanvas::pages() const {
    int n = 0;
    for (const DrawOp &o : ops)
        if (o.kind == DrawOp::BeginDocument || o.kind == DrawOp::NewPage) ++n;
    return n;
}

}  // namespace vrek
