// The dialog that swaps two boards of the series, or copies one over another.
#pragma once
#include <QDialog>

class QLabel;
class QPushButton;
class QScrollBar;
namespace vrek {
class Workspace;
}

class Tvrkpermut : public QDialog {
    Q_OBJECT
public:
    Tvrkpermut(vrek::Workspace &ws, QWidget *parent);
    // The two menu commands: swap (0) or copy (1), on the current board.
    void openFor(int tag);
    int tag() const { return tag_; }   // 0 swap, 1 copy
    void setTag(int t) { tag_ = t; }
    // Captions of the mode, both bars on the current board.
    void activate();
    void imprimClick();

    QLabel *Label1, *Label2, *Label3;
    QScrollBar *ScrollBar1, *ScrollBar2;
    QPushButton *Imprim, *Quitter;

private:
    vrek::Workspace &ws_;
    int tag_ = 0;
    void showNumbers();
};
