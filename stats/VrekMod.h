// The line-of-play calculator: six conditions on the lie of the opponents'
// cards, chained into the chance of the contract.
#pragma once
#include <QDialog>
#include <QWidget>

#include "stats/lineofplay.h"

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabBar;
class Platform;
class UpDown;
namespace vrek {
class Workspace;
}

// A 13 x 13 grid of card cells: green where there is no card, a white square
// for a card not counted, a black one for a counted card.
class SplitGrid : public QWidget {
    Q_OBJECT
public:
    static constexpr int kCell = 15;
    explicit SplitGrid(QWidget *parent);
    void setCells(const uint8_t (*cells)[vrek::stats::kSplitRows]);
    void setCurrent(int row, int column);
    int currentRow() const { return row_; }
    int currentColumn() const { return col_; }
    uint8_t cell(int row, int column) const { return cells_ ? cells_[row][column] : 0; }
    // The cell under a point, or false.
    static bool cellAt(const QPoint &p, int &row, int &column);

signals:
    void cellPressed(int row, int column, Qt::MouseButton button);

protected:
    void paintEvent(QPaintEvent *) override;
    void mousePressEvent(QMouseEvent *e) override;

private:
    const uint8_t (*cells_)[vrek::stats::kSplitRows] = nullptr;
    int row_ = 0, col_ = 0;
};

class TVrekFMod : public QDialog {
    Q_OBJECT
public:
    TVrekFMod(vrek::Workspace &ws, Platform &pf, QWidget *parent);

    const vrek::stats::LineOfPlay &line() const { return line_; }
    int shown() const { return tab_; }

    void selectTab(int c);
    // A press on a card of the left or right grid.
    void cardPress(bool rightGrid, int row, int column, Qt::MouseButton button);
    void placeClick(bool rightGrid);  // "Placé"
    void modeClick(int mode);         // "Inactif", "Et", "Ou"
    void ButEtClick();                // "&Initialiser"
    // The three chances, the radio, the up-downs, their labels and the grids.
    void refresh();

    // Controls, named as the program names them.
    QTabBar *TabControl1;
    UpDown *UpCarte, *UpGauche, *UpDroit;
    QLabel *Carte, *CarteGauche, *CarteDroite, *Label3;
    QGroupBox *Choix;
    QRadioButton *ChoixItem[3];
    SplitGrid *RepGauche, *RepDroit;
    QPushButton *Button1, *Button2, *ButEt, *Plus;
    QLineEdit *PourcEntrant, *PourcLocal, *PourcSortant, *resultat;

private:
    vrek::stats::LineOfPlay line_;
    QButtonGroup *choixGroup_;
    int tab_ = 0;
    void upDownClick(UpDown *u, int delta);
};
