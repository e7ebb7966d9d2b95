// The self-dealing sheets dialog: the seats to print, the block of 32
// boards, the numbering and the colour choice.
#pragma once
#include <QDialog>
#include <array>

#include "printing/handsheet.h"

class QCheckBox;
class QProgressBar;
class QPushButton;
class RadioGroup;
class Platform;
namespace vrek {
class Workspace;
}

class TVrekPrn : public QDialog {
    Q_OBJECT
public:
    TVrekPrn(vrek::Workspace &ws, Platform &pf, QWidget *parent);

    // The menu item "&Mains pour auto-distribution".
    void open();
    void activate();

    void ToutClick();
    void RienClick();
    void PageClick();
    void ImprimanteClick();
    void ImprimClick();
    void ApercuClick();

    std::array<bool, 4> seats() const;
    vrek::HandSheetOptions options() const;
    // The sheets of the chosen seats on a canvas.
    bool draw(vrek::Canvas &c) const;

    QCheckBox *Nord, *Est, *Sud, *Ouest;
    QPushButton *Tout, *Rien, *Imprim, *Annuler, *Apercu;
    RadioGroup *Page, *Numerotation, *Imprimante;
    QProgressBar *ProgressBar1;

private:
    vrek::Workspace &ws_;
    Platform &pf_;
};
