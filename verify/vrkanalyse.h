// "Analyse au double mort de la série": the complete boards analysed by the
// solver in the background, with a progress bar and a button that stops the
// solver at once. Also gets the analyses the PBN export asks for.
#pragma once
#include <QDialog>
#include <map>
#include <vector>

#include "core/dealanalysis.h"

class QLabel;
class QProgressBar;
class QPushButton;
class Platform;
class VrAnalysis;
namespace vrek {
class Workspace;
}

class TVrekanalyse : public QDialog {
    Q_OBJECT
public:
    TVrekanalyse(vrek::Workspace &ws, Platform &pf, VrAnalysis &analysis, QWidget *parent);

    // The menu command: every complete board, then a closing message.
    void analyseSeriesClick();
    // Analyses the complete boards among `boards` under the progress bar and
    // gives them in `out`; false when the user stopped it or the solver
    // failed (the failure is reported).
    bool analyseBoards(const std::vector<int> &boards, std::map<int, vrek::DealAnalysis> &out);

    QLabel *Texte;
    QProgressBar *Progression;
    QPushButton *Annuler;

private:
    vrek::Workspace &ws_;
    Platform &pf_;
    VrAnalysis &analysis_;
    bool running_ = false;
};
