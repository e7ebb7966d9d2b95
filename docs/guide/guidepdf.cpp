// Makes one PDF of the user guide from its Markdown source:
//   guidepdf SOURCE.md OUTPUT.pdf
// The pictures named in the source are read beside it and shown at their own
// size (96 pixels to the inch), at most the text's width, or at the width in
// pixels given as their title: ![Une page](images/page.png "220").
// Pages are A4 with the guide's name and the page number at the foot; a
// heading never ends a page alone, nor does a picture part from its caption.
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextLayout>
#include <QTextTable>
#include <QUrl>
#include <QAbstractTextDocumentLayout>
#include <cstdio>

namespace {

constexpr double kMarginMm = 20, kFootMm = 10;
const QColor kHeadingColour(0, 70, 130);
const QString kFont = QStringLiteral("Liberation Sans");

double mm(double v, int dpi) { return v * dpi / 25.4; }

bool onlyImage(const QTextBlock &b) {
    bool image = false;
    for (auto it = b.begin(); !it.atEnd(); ++it) {
        const QTextFragment f = it.fragment();
        if (f.charFormat().isImageFormat()) image = true;
        else if (!f.text().trimmed().isEmpty()) return false;
    }
    return image;
}

// Fonts, headings, tables and pictures in the guide's look.
void style(QTextDocument &doc, double textWidthPx) {
    QTextCursor c(&doc);
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        c.setPosition(b.position());
        c.setPosition(b.position() + b.length() - 1, QTextCursor::KeepAnchor);
        QTextBlockFormat bf = b.blockFormat();
        const int level = bf.headingLevel();
        if (level > 0) {
            QTextCharFormat cf;
            cf.setFontPointSize(level == 1 ? 20 : level == 2 ? 14 : 11.5);
            cf.setFontWeight(QFont::Bold);
            cf.setForeground(kHeadingColour);
            c.mergeCharFormat(cf);
            bf.setTopMargin(level == 1 ? 0 : level == 2 ? 16 : 10);
            bf.setBottomMargin(level == 1 ? 12 : 5);
        } else if (onlyImage(b)) {
            bf.setAlignment(Qt::AlignHCenter);
            bf.setTopMargin(6);
            bf.setBottomMargin(2);
        } else {
            bf.setBottomMargin(5);
            bf.setLineHeight(115, QTextBlockFormat::ProportionalHeight);
        }
        c.setBlockFormat(bf);
        // Pictures keep their size unless wider than the text.
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            if (!f.charFormat().isImageFormat()) continue;
            QTextImageFormat img = f.charFormat().toImageFormat();
            const QImage picture = doc.resource(QTextDocument::ImageResource, QUrl(img.name())).value<QImage>();
            if (picture.isNull()) {
                std::fprintf(stderr, "guidepdf: picture %s not found\n", qPrintable(img.name()));
                continue;
            }
            // A number as the picture's title is the width to show it at.
            bool sized = false;
            const double asked = img.property(QTextFormat::ImageTitle).toString().toDouble(&sized);
            const double w = std::min<double>(sized && asked > 0 ? asked : picture.width(), textWidthPx);
            img.setWidth(w);
            img.setHeight(w * picture.height() / picture.width());
            QTextCursor ic(&doc);
            ic.setPosition(f.position());
            ic.setPosition(f.position() + f.length(), QTextCursor::KeepAnchor);
            ic.setCharFormat(img);
        }
    }
    for (QTextFrame *frame : doc.rootFrame()->childFrames()) {
        auto *table = qobject_cast<QTextTable *>(frame);
        if (!table) continue;
        QTextTableFormat tf = table->format();
        tf.setBorder(2);
        tf.setBorderBrush(QColor(140, 140, 140));
        tf.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
        tf.setBorderCollapse(true);
        tf.setCellPadding(4);
        tf.setCellSpacing(0);
        tf.setWidth(QTextLength(QTextLength::PercentageLength, 100));
        tf.setHeaderRowCount(1);
        tf.setTopMargin(4);
        tf.setBottomMargin(8);
        table->setFormat(tf);
        for (int col = 0; col < table->columns(); ++col) {
            QTextTableCellFormat hf = table->cellAt(0, col).format().toTableCellFormat();
            hf.setBackground(QColor(225, 234, 244));
            table->cellAt(0, col).setFormat(hf);
        }
    }
}

// The page of a block's first (or last) line: a block may start at the foot
// of a page and have its lines pushed to the next.
// A paragraph all in bold ("Comment faire.") leads into what follows it.
bool leadIn(const QTextBlock &b) {
    if (b.text().trimmed().isEmpty()) return false;
    for (auto it = b.begin(); !it.atEnd(); ++it) {
        const QTextFragment f = it.fragment();
        if (!f.text().trimmed().isEmpty() && f.charFormat().fontWeight() < QFont::Bold) return false;
    }
    return true;
}

int pageOf(const QTextDocument &doc, const QTextBlock &b, double pageHeight, bool lastLine) {
    double y = doc.documentLayout()->blockBoundingRect(b).top();
    if (const QTextLayout *l = b.layout(); l && l->lineCount() > 0)
        y += l->lineAt(lastLine ? l->lineCount() - 1 : 0).y();
    // The layout keeps its positions in 1/64 pixels: a line pushed to the
    // top of a page may sit a hair above the page's exact start.
    return int((y + 2) / pageHeight);
}

// A heading, a picture or a lead-in must stand on the page of the block after it.
void keepWithNext(QTextDocument &doc, double pageHeight) {
    for (int pass = 0; pass < 10; ++pass) {
        bool moved = false;
        for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
            const QTextBlock next = b.next();
            if (!next.isValid()) break;
            const bool tied = (b.blockFormat().headingLevel() > 0 || onlyImage(b) || leadIn(b)) && !QTextCursor(b).currentTable();
            if (!tied || pageOf(doc, b, pageHeight, true) == pageOf(doc, next, pageHeight, false)) continue;
            // A heading right after a forced break would only move again.
            QTextBlockFormat bf = b.blockFormat();
            if (bf.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore) continue;
            // Move the heading that leads to a picture along with it.
            QTextBlock first = b;
            if (onlyImage(b) && b.previous().isValid() && b.previous().blockFormat().headingLevel() > 0)
                first = b.previous();
            QTextBlockFormat ff = first.blockFormat();
            ff.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            QTextCursor(first).setBlockFormat(ff);
            moved = true;
        }
        if (!moved) return;
    }
}

}  // namespace

int main(int argc, char **argv) {
    // Fonts need a platform, never a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: guidepdf SOURCE.md OUTPUT.pdf\n");
        return 2;
    }
    QFile in(QString::fromLocal8Bit(argv[1]));
    if (!in.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "guidepdf: cannot read %s\n", argv[1]);
        return 1;
    }
    const QString source = QString::fromUtf8(in.readAll());
    const QString output = QString::fromLocal8Bit(argv[2]);

    QPdfWriter pdf(output + ".part");
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setResolution(300);
    pdf.setCreator(QStringLiteral("Vrek"));
    const int dpi = pdf.resolution();
    const double pageW = pdf.width(), pageH = pdf.height();
    const double margin = mm(kMarginMm, dpi), foot = mm(kFootMm, dpi);
    const QSizeF body(pageW - 2 * margin, pageH - 2 * margin - foot);

    QTextDocument doc;
    doc.documentLayout()->setPaintDevice(&pdf);
    doc.setBaseUrl(QUrl::fromLocalFile(QFileInfo(in.fileName()).absolutePath() + '/'));
    doc.setDefaultFont(QFont(kFont, 10));
    doc.setDocumentMargin(0);
    doc.setMarkdown(source, QTextDocument::MarkdownDialectGitHub);
    doc.setPageSize(body);
    // Picture sizes are in the layout's pixels at 96 per inch.
    style(doc, body.width() * 96.0 / dpi);
    keepWithNext(doc, body.height());

    const QString title = doc.begin().text();
    pdf.setTitle(title);
    QPainter p(&pdf);
    const int pages = doc.pageCount();
    QFont footFont(kFont, 8);
    for (int i = 0; i < pages; ++i) {
        if (i) pdf.newPage();
        p.save();
        p.translate(margin, margin - i * body.height());
        // A picture pushed to the next page may start a hair before it:
        // its first row must not show at the foot of this one.
        const QRectF clip(0, i * body.height(), body.width(), body.height() - 2);
        QAbstractTextDocumentLayout::PaintContext ctx;
        ctx.clip = clip;
        p.setClipRect(clip);
        doc.documentLayout()->draw(&p, ctx);
        p.restore();
        p.setFont(QFont(footFont, &pdf));
        p.setPen(QColor(110, 110, 110));
        const QRectF footRect(margin, pageH - margin - foot / 2, body.width(), foot / 2);
        p.drawLine(QPointF(margin, footRect.top()), QPointF(pageW - margin, footRect.top()));
        p.drawText(footRect, Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("Vrek — ") + title);
        p.drawText(footRect, Qt::AlignRight | Qt::AlignBottom, QStringLiteral("%1 / %2").arg(i + 1).arg(pages));
    }
    if (!p.end()) {
        std::fprintf(stderr, "guidepdf: cannot write %s\n", qPrintable(output));
        return 1;
    }
    QFile::remove(output);
    if (!QFile::rename(output + ".part", output)) {
        std::fprintf(stderr, "guidepdf: cannot write %s\n", qPrintable(output));
        return 1;
    }
    return 0;
}
