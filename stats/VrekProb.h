// The split calculator: how the missing cards of a suit are likely to lie
// between the opponents, given the cards held and those already known.
#pragma once
#include <QDialog>

class QLabel;
class QPushButton;
class QScrollArea;
class Platform;
class UpDown;
namespace vrek {
class Workspace;
}

class TVrekFProb : public QDialog {
    Q_OBJECT
public:
    static constexpr int kRows = 14;    // 0 .. 13 cards on the left
    static constexpr int kMerged = 7;

    TVrekFProb(vrek::Workspace &ws, Platform &pf, QWidget *parent);

    // Fills both panels from the three up-downs.
    void compute();
    // Rows shown in each panel.
    int rows() const { return rows_; }
    int mergedRows() const { return merged_; }

    // Controls, named as the program names them.
    UpDown *UpDownPoss, *UpDownConGauche, *UpDownConDroit;
    QLabel *LabelPoss, *LabelRep, *LabelConGauche, *LabelConDroite;
    QScrollArea *ScrollBox1, *ScrollBox2;
    QWidget *Panel1, *Panel2;
    QLabel *GC[kRows], *GP[kRows], *PR[kRows], *DP[kRows], *DC[kRows];
    QLabel *RC[kMerged], *RP[kMerged];
    QPushButton *ButQuitte, *ButImprime;

private:
    int rows_ = 0, merged_ = 0;
    void upDownClick(UpDown *u, QLabel *l, int delta);
};
