// Small controls of the main window: the up-down spinner, a label that
// reports where it was clicked, and the Windows-1252 guard of text fields.
#pragma once
#include <QLabel>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QToolButton>
#include <QValidator>
#include <QWidget>

// Up-down control: two arrow buttons over a position within a range. The
// owner decides what a click does (the line-count spinners balance each other).
class UpDown : public QWidget {
    Q_OBJECT
public:
    explicit UpDown(QWidget *parent = nullptr);
    int position() const { return pos_; }
    void setPosition(int p);
    void setRange(int lo, int hi) { lo_ = lo, hi_ = hi; }
    int minimum() const { return lo_; }
    int maximum() const { return hi_; }
    QToolButton *upButton() const { return up_; }
    QToolButton *downButton() const { return down_; }
    // Same as a click on the upper (+1) or lower (-1) arrow.
    void click(int delta);

signals:
    void clicked(int delta);

protected:
    void resizeEvent(QResizeEvent *) override;

private:
    QToolButton *up_, *down_;
    int pos_ = 0, lo_ = 0, hi_ = 12;
};

// A label that reports mouse presses with their position and button, and
// can frame one character of its text (a card waiting for an exchange).
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
    // The character drawn under x (pixels from the label's left), or -1:
    // measured with the layout the label paints with, so that fractional
    // character widths at any zoom pick the character under the mouse.
    int charAt(int x) const;
    // Frames character `index` of the text; -1 frames none.
    void setMarked(int index);
    int marked() const { return marked_; }
signals:
    void pressed(int x, Qt::MouseButton button);

protected:
    void mousePressEvent(QMouseEvent *e) override;
    void paintEvent(QPaintEvent *e) override;

private:
    int marked_ = -1;
    // Left and right edges of character i, in pixels; false past the text.
    bool charSpan(int i, double &left, double &right) const;
};

// Accepts only text that Windows-1252 can hold.
class Cp1252Validator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString &input, int &pos) const override;
};

class QLineEdit;

// The guard of a one-line text field: a paste keeps its first line only,
// control characters never enter, the text must fit Windows-1252, and
// typing stops at `typedLimit` characters (0: no limit) while a longer text
// that came from a file is shown and kept whole.
class LineFieldValidator : public QValidator {
public:
    LineFieldValidator(int typedLimit, QLineEdit *field);
    State validate(QString &input, int &pos) const override;
    // Sets the field's text as a whole (from the store): it is kept whole,
    // however long.
    static void show(QLineEdit *field, const QString &text);

private:
    int limit_;
    int known_ = 0;  // length of the text the field holds
};

// A multi-line text field whose pastes split into lines as typing would:
// CR LF and CR become line breaks, other control characters (the tab
// excepted) are dropped.
class MemoField : public QPlainTextEdit {
    Q_OBJECT
public:
    using QPlainTextEdit::QPlainTextEdit;
    static QString cleanPaste(QString text);

protected:
    void insertFromMimeData(const QMimeData *source) override;
    // Shift+Enter breaks the line as Enter does: no line separator inside a line.
    void keyPressEvent(QKeyEvent *e) override;
};

// Removes from a plain-text field any character Windows-1252 cannot hold,
// keeping the cursor where it was.
void guardCp1252(QPlainTextEdit *edit);
bool fitsCp1252(const QString &s);
