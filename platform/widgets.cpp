#include "platform/widgets.h"

#include <QMouseEvent>
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

bool fitsCp1252(const QString &s) { return vrek::utf8ToCp1252(s.toStdString()).has_value(); }

QValidator::State Cp1252Validator::validate(QString &input, int &) const {
    return fitsCp1252(input) ? Acceptable : Invalid;
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
