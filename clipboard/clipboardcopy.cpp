#include "clipboard/clipboardcopy.h"

#include <QWidget>

#include "clipboard/pictures.h"
#include "clipboard/richtext.h"
#include "core/series.h"
#include "platform/platform.h"
#include "platform/qtcanvas.h"

using namespace vrek;

namespace {

// A picture measured on a canvas like the one it is drawn on, then drawn
// on white.
template <typename SizeFn, typename DrawFn>
QImage render(SizeFn size, DrawFn draw) {
    QImage probe(1, 1, QImage::Format_RGB32);
    clip::Size s;
    {
        QtCanvas m(&probe);
        s = size(m);
    }
    if (s.width <= 0 || s.height <= 0) return {};
    QImage img(s.width, s.height, QImage::Format_RGB32);
    img.fill(Qt::white);
    QtCanvas c(&img);
    c.beginDocument("");
    draw(c);
    c.finish();
    return img;
}

ClipboardText richClip(const clip::RichText &t) {
    ClipboardText out;
    out.plain = QString::fromStdString(clip::toPlain(t));
    out.html = QString::fromStdString(clip::toHtml(t));
    out.rtf = QByteArray::fromStdString(clip::toRtf(t));
    return out;
}

}  // namespace

ClipboardCopy::ClipboardCopy(Workspace &ws, Platform &pf, QWidget *parent) : QObject(parent), ws_(ws), pf_(pf) {
    setObjectName("ClipboardCopy");
}

const Deal *ClipboardCopy::deal() const {
    const int n = ws_.currentDeal();
    if (!ws_.fileOpen() || n < 1 || n > kBoards) return nullptr;
    return &ws_.series().deal(n);
}

QImage ClipboardCopy::handPicture(int seat) const {
    const Deal *d = deal();
    if (!d || seat < North || seat > West) return {};
    const bool a = arial();
    return render([a](Canvas &c) { return clip::handPictureSize(c, a); },
                  [&](Canvas &c) { clip::drawHandPicture(c, d->hand(seat), a); });
}

QImage ClipboardCopy::tablePicture() const {
    const Deal *d = deal();
    if (!d) return {};
    const bool a = arial();
    return render([a](Canvas &c) { return clip::tablePictureSize(c, a); },
                  [&](Canvas &c) { clip::drawTablePicture(c, *d, a); });
}

QImage ClipboardCopy::leadPicture() const {
    if (!deal()) return {};
    const std::string &line = ws_.series().line(contractLine(ws_.currentDeal()));
    if (!clip::hasLead(line)) return {};
    const bool a = arial();
    return render([a](Canvas &c) { return clip::leadPictureSize(c, a); },
                  [&](Canvas &c) { clip::drawLeadPicture(c, line, a); });
}

void ClipboardCopy::copyHandPicture(int seat) {
    const QImage img = handPicture(seat);
    if (!img.isNull()) pf_.setClipboardImage(img);
}

void ClipboardCopy::copyTablePicture() {
    const QImage img = tablePicture();
    if (!img.isNull()) pf_.setClipboardImage(img);
}

void ClipboardCopy::copyLeadPicture() {
    const QImage img = leadPicture();
    if (!img.isNull()) pf_.setClipboardImage(img);
}

void ClipboardCopy::copyText(const QString &text) {
    if (!ws_.fileOpen() || text.isEmpty()) return;
    ClipboardText t;
    t.plain = text;
    pf_.setClipboardText(t);
}

void ClipboardCopy::copyHandText(int seat) {
    const Deal *d = deal();
    if (!d || seat < North || seat > West) return;
    pf_.setClipboardText(richClip(clip::handRichText(d->hand(seat), arial())));
}

void ClipboardCopy::copyDiagramText() {
    const Deal *d = deal();
    if (!d) return;
    pf_.setClipboardText(richClip(clip::diagramRichText(*d, arial())));
}
