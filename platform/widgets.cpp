#include "platform/widgets.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTextLayout>
#include <QLineEdit>
#include <QTextBlock>

#include "core/cp1252.h"

UpDown::UpDown(QWidget *parent) : QWidget(parent) {
    up_ = new QToolButton(this);
    down_ = new QToolButton(this);
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    up_->setAutoRepeat(true);
    down_->setAutoRepeat(true);
    connect(up_, &QToolButton::clicked, this, [this] { click(+1); });
    connect(down_, &QToolButton::clicked, this, [this] { click(-1); });
}

void UpDown::setPosition(int p) { pos_ = std::clamp(p, lo_, hi_); }

void UpDown::click(int delta) {
    if (!isEnabled()) return;
    emit clicked(delta);
}

void UpDown::resizeEvent(QResizeEvent *) {
    int h = height() / 2;
    up_->setGeometry(0, 0, width(), h);
    down_->setGeometry(0, h, width(), height() - h);
}

void ClickLabel::mousePressEvent(QMouseEvent *e) {
    emit pressed(static_cast<int>(e->position().x()), e->button());
    QLabel::mousePressEvent(e);
}

bool ClickLabel::charSpan(int i, double &left, double &right) const {
    const QString t = text();
    if (i < 0 || i >= t.size()) return false;
    QTextLayout layout(t, font(), const_cast<ClickLabel *>(this));
    layout.beginLayout();
    QTextLine line = layout.createLine();
    layout.endLayout();
    if (!line.isValid()) return false;
    const double origin = contentsRect().left() + margin();
    left = origin + line.cursorToX(i);
    right = origin + line.cursorToX(i + 1);
    return true;
}

int ClickLabel::charAt(int x) const {
    double left = 0, right = 0;
    for (int i = 0; charSpan(i, left, right); ++i)
        if (x >= left && x < right) return i;
    return -1;
}

void ClickLabel::setMarked(int index) {
    if (marked_ == index) return;
    marked_ = index;
    update();
}

void ClickLabel::paintEvent(QPaintEvent *e) {
    QLabel::paintEvent(e);
    double left = 0, right = 0;
    if (!charSpan(marked_, left, right)) return;
    QPainter p(this);
    p.setPen(QPen(QColor(255, 0, 0), 2));
    p.drawRect(QRectF(left, 1, right - left, height() - 2));
}

bool fitsCp1252(const QString &s) { return vrek::utf8ToCp1252(s.toStdString()).has_value(); }

QValidator::State Cp1252Validator::validate(QString &input, int &) const {
    return fitsCp1252(input) ? Acceptable : Invalid;
}

namespace {
bool isLineBreak(QChar c) { return c == '\n' || c == '\r' || c == QChar(0x2028) || c == QChar(0x2029); }
bool isControl(QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7f; }
}  // namespace

LineFieldValidator::LineFieldValidator(int typedLimit, QLineEdit *field) : QValidator(field), limit_(typedLimit) {
    connect(field, &QLineEdit::textChanged, this, [this](const QString &t) { known_ = static_cast<int>(t.size()); });
}

void LineFieldValidator::show(QLineEdit *field, const QString &text) {
    // Known before the field checks it, so that the limit does not mark it invalid.
    if (auto *v = const_cast<LineFieldValidator *>(dynamic_cast<const LineFieldValidator *>(field->validator())))
        v->known_ = static_cast<int>(text.size());
    field->setText(text);
}

QValidator::State LineFieldValidator::validate(QString &input, int &pos) const {
    // The text held had no line break: the first one starts what a paste
    // brought beyond its first line, which ends at the cursor.
    for (int i = 0; i < input.size(); ++i)
        if (isLineBreak(input[i])) {
            const int end = std::max(i, std::min(pos, static_cast<int>(input.size())));
            input.remove(i, end - i);
            pos = i;
            // A break after the cursor (never typed) goes with the rest of its line.
            for (int j = i; j < input.size(); ++j)
                if (isLineBreak(input[j])) {
                    input.truncate(j);
                    break;
                }
            break;
        }
    for (int i = static_cast<int>(input.size()) - 1; i >= 0; --i)
        if (isControl(input[i])) {
            input.remove(i, 1);
            if (pos > i) --pos;
        }
    if (!fitsCp1252(input)) return Invalid;
    if (limit_ > 0 && input.size() > limit_ && input.size() > known_) return Invalid;
    return Acceptable;
}

QString MemoField::cleanPaste(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QChar('\r'), QChar('\n'));
    text.replace(QChar(0x2028), QChar('\n'));
    text.replace(QChar(0x2029), QChar('\n'));
    QString out;
    out.reserve(text.size());
    for (QChar c : text)
        if (c == '\n' || c == '\t' || !isControl(c)) out += c;
    return out;
}

void MemoField::insertFromMimeData(const QMimeData *source) {
    if (!source || !source->hasText()) return;
    insertPlainText(cleanPaste(source->text()));
}

void MemoField::keyPressEvent(QKeyEvent *e) {
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && (e->modifiers() & Qt::ShiftModifier)) {
        QKeyEvent plain(e->type(), e->key(), e->modifiers() & ~Qt::ShiftModifier, e->text(), e->isAutoRepeat(),
                        static_cast<ushort>(e->count()));
        QPlainTextEdit::keyPressEvent(&plain);
        e->setAccepted(plain.isAccepted());
        return;
    }
    QPlainTextEdit::keyPressEvent(e);
}

void guardCp1252(QPlainTextEdit *edit) {
    QString text = edit->toPlainText();
    if (fitsCp1252(text)) return;
    QTextCursor c = edit->textCursor();
    int pos = c.position();
    QString kept;
    int removedBefore = 0;
    int i = 0;
    for (QChar ch : text) {
        QString one(ch);
        // Surrogate halves never fit alone; the pair is dropped as one.
        if (fitsCp1252(one)) kept += ch;
        else if (i < pos) ++removedBefore;
        ++i;
    }
    QSignalBlocker b(edit->document());
    edit->setPlainText(kept);
    c = edit->textCursor();
    c.setPosition(std::clamp(pos - removedBefore, 0, static_cast<int>(kept.size())));
    edit->setTextCursor(c);
}
