// The dialog that swaps two boards of the series, or copies one over another.
#pragma once
#include <QDialog>

class QLabel;
class QPushButton;
class QScrollBar;
class TForm1;

class Tvrkpermut : public QDialog {
    Q_OBJECT
public:
    Tvrkpermut(TForm1 &form, QWidget *parent);
    int tag() const { return tag_; }   // 0 swap, 1 copy
    void setTag(int t) { tag_ = t; }
    // Captions of the mode, both bars on the current board.
    void activate();
    void imprimClick();

    QLabel *Label1, *Label2, *Label3;
    QScrollBar *ScrollBar1, *ScrollBar2;
    QPushButton *Imprim, *Quitter;

private:
    TForm1 &form_;
    int tag_ = 0;
    void showNumbers();
};
