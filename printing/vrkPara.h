// The label sheet parameters: labels across and down, the first label's
// centre and the distances between centres, with a picture of the sheet.
#pragma once
#include <QDialog>

#include "printing/labels.h"

class QLabel;
class QPushButton;
class QSpinBox;
class UpDown;
class Platform;
namespace vrek {
class Workspace;
}

// The picture of the sheet, drawn by the logic on an image.
class LabelSheetPicture : public QWidget {
public:
    explicit LabelSheetPicture(QWidget *parent);
    vrek::LabelGeometry geometry;

protected:
    void paintEvent(QPaintEvent *) override;
};

class TVrekPara : public QDialog {
    Q_OBJECT
public:
    TVrekPara(vrek::Workspace &ws, Platform &pf, QWidget *parent);

    // The menu item "P&aramètres".
    void open();
    // The controls from the six values.
    void load();

    void UpEtiLigClick(int delta);
    void UpEtiColClick(int delta);
    // A spin edit changed: the four lengths are stored at once.
    void storeLengths();

    UpDown *UpEtiLig, *UpEtiCol;
    QLabel *EtiLig, *EtiCol;
    QSpinBox *EtiMargeLig, *Largeur, *EtiMargeCol, *Hauteur;
    QPushButton *Imprimer;
    LabelSheetPicture *PbApercu;
    // Says when the labels of this geometry cannot hold their texts.
    QLabel *LbAvertissement;

protected:
    void hideEvent(QHideEvent *e) override;

private:
    vrek::Workspace &ws_;
    Platform &pf_;
    vrek::LabelGeometry shown_;  // as the dialog opened, to write vrek.ini only on a change
    vrek::LabelGeometry geometry() const;
    void apply(const vrek::LabelGeometry &g);
    void showPicture(const vrek::LabelGeometry &g);
};
