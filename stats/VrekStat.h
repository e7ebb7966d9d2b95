// The statistics window: the series set against theory in five tabs
// (observed or full record), or the theoretical tables alone, with sorting
// by any column and the printout.
#pragma once
#include <QDialog>

#include "stats/statistics.h"

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QTabWidget;
class QTableWidget;
class Platform;
class TVrekEquite;
namespace vrek {
class Workspace;
}

class TvrekFStat : public QDialog {
    Q_OBJECT
public:
    TvrekFStat(vrek::Workspace &ws, Platform &pf, QWidget *parent);
    ~TvrekFStat() override;

    // A menu item: the caption that chooses the mode, then the window shown.
    void openAs(vrek::stats::Mode mode);
    // Activation: the mode from the caption's first letter, everything
    // recomputed from the series, the initial sorts.
    void activate();
    // A sort entry of a grid's pop-up menu (tab 0 .. 3, column 0 .. 3).
    void sortClick(int tab, int column, bool descending);
    // "Imprimer": the print dialog, then the printout.
    void ButImprimeClick();

    const vrek::stats::Statistics &statistics() const { return st_; }
    // The pop-up entry of a tab for a column and direction.
    QAction *sortAction(int tab, int column, bool descending) const { return sort_[tab][descending][column]; }

    // Controls, named as the program names them.
    QTabWidget *PageControl1;
    QWidget *TabSheet[5];
    QTableWidget *StringGrid[8];  // StringGrid1 .. StringGrid8
    QLabel *LabelNbMain, *LabelTypeMain, *LabelNBMainHonn, *LabelTypeHonn, *LabelNbLigne, *LabelTypeLigne;
    QLabel *LabelNb[4];   // LabelNbNord .. LabelNbOuest
    QLabel *LabelAvg[4];  // LabelNord .. LabelOuest
    QLabel *LabelNbDonnes;
    QLabel *LabelSoiree;  // "24 donnes sont prises en compte"
    QMenu *PopupMenu[4];
    QPushButton *Button2, *ButImprime;
    TVrekEquite *Equite;    // the sixth tab, "Équité"
    QPushButton *ButEquite;  // shows it

protected:
    void showEvent(QShowEvent *e) override;
    void changeEvent(QEvent *e) override;

private:
    vrek::Workspace &ws_;
    Platform &pf_;
    int listener_ = -1;
    bool stale_ = true;  // the series changed since the last computation
    vrek::stats::Statistics st_;
    QAction *sort_[4][2][4] = {};

    void buildTab(int tab);
    void fill();
    void fillGrid(QTableWidget *g, const vrek::stats::Grid &grid, bool header, bool spare);
};
