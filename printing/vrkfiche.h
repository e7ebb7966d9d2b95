// The travelling sheets dialog: the pairs of boards to print, on blank or
// pre-printed paper, the numbering, the colour choice and the section.
#pragma once
#include <QColor>
#include <QDialog>
#include <vector>

#include "printing/traveller.h"

class ClickLabel;
class QCheckBox;
class QFrame;
class QLineEdit;
class QProgressBar;
class QPushButton;
class RadioGroup;
class UpDown;
class Platform;
namespace vrek {
class Workspace;
}

class Tvrekfiche : public QDialog {
    Q_OBJECT
public:
    Tvrekfiche(vrek::Workspace &ws, Platform &pf, QWidget *parent);

    // The menu items "Sur feuilles vierges" (false) and "Sur feuilles pré-imprimées" (true).
    void openFor(bool preprinted);
    bool preprinted() const { return preprinted_; }
    void activate();

    void selectPairs(int first, bool on);  // pairs first .. first + 15
    void UpSectionClick(int delta);
    void PnSectionClick();
    void ImprimanteClick();
    void ImprimerClick();
    void ApercuClick();

    std::vector<int> pairs() const;
    vrek::TravellerOptions options() const;
    bool draw(vrek::Canvas &c) const;

    QCheckBox *Fiche[vrek::kTravellerPairs];  // Fiche1 .. Fiche48
    QFrame *Panel1, *Panel2, *Panel3;
    QPushButton *Selectionner, *Deselectionner, *Select1, *Deselect1, *Select2, *Deselecti2;
    RadioGroup *Numerotation, *Imprimante;
    UpDown *UpSection;
    QLineEdit *EdSection;
    ClickLabel *PnSection;
    QProgressBar *ProgressBar1;
    QPushButton *Imprimer, *Annuler, *Apercu;

private:
    vrek::Workspace &ws_;
    Platform &pf_;
    bool preprinted_ = false;
    QColor sectionColour_;
    void setSectionColour(const QColor &c);
    // The letter in the field and its colour on the panel.
    void showSection(const std::string &letter);
};
