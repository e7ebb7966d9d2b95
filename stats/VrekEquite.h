// The "Équité" tab of the statistics window: the fairness tests of the
// series (with other series added, a season), the sentence that sums them
// up, the classes of the test chosen, and whether the statistics printout
// ends with the report's page.
#pragma once
#include <QWidget>
#include <functional>

#include "stats/fairness.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QTableWidget;
class Platform;
namespace vrek {
class Workspace;
class Canvas;
}

class TVrekEquite : public QWidget {
    Q_OBJECT
public:
    TVrekEquite(vrek::Workspace &ws, Platform &pf, QWidget *parent);

    // Everything again from the open series and the series added.
    void refresh();
    // "Ajouter une série…": another series file, read only, joins the report.
    void BtAjouterClick();
    // "Série seule": the series added are dropped.
    void BtSeuleClick();
    // The classes of test `row` below the tests.
    void showClasses(int row);

    const vrek::fairness::Report &report() const { return report_; }
    // The page for the statistics printout, or none when the tick is off.
    std::function<void(vrek::Canvas &)> printedPage() const;

    QLabel *LbSeries, *LbVerdict, *LbNote;
    QTableWidget *GrTests, *GrClasses;
    QPushButton *BtAjouter, *BtSeule;
    QCheckBox *CbImprimer;

private:
    vrek::Workspace &ws_;
    Platform &pf_;
    std::vector<vrek::Series> others_;
    QStringList otherNames_;
    vrek::fairness::Report report_;
    std::string point_;
};
