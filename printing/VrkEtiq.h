// The labels dialog: the deals to print, the label to start from on a
// partly used sheet, the numbering, the colour choice and the title.
#pragma once
#include <QDialog>

#include "printing/labels.h"

class QLabel;
class QPushButton;
class QSpinBox;
class RadioGroup;
class Platform;
namespace vrek {
class Workspace;
}

class TVrekEtiq : public QDialog {
    Q_OBJECT
public:
    TVrekEtiq(vrek::Workspace &ws, Platform &pf, QWidget *parent);

    // The menu item "Im&prime".
    void open();
    void activate();

    void ImprimanteClick();
    void ImprimerClick();
    void ApercuClick();

    vrek::LabelRun run() const;
    bool draw(vrek::Canvas &c) const;

    QSpinBox *Diagr_deb, *Diagr_fin, *Etiq;
    RadioGroup *Numerotation, *Imprimante, *Entete;
    QPushButton *Imprimer, *Annuler, *Apercu;

private:
    vrek::Workspace &ws_;
    Platform &pf_;
    // False, once the user is told why, when the labels cannot hold their texts.
    bool sheetFits();
};
