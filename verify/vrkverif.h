// The verification window: level, strain, declarer, doubling and opening
// lead of the current deal's contract, checked double dummy by the solver
// program; the result text goes into the main window's contract field.
// Also runs "Vérification Automatique" over the 96 boards.
#pragma once
#include <QDialog>
#include <QString>

#include "verify/contractline.h"

namespace vrek {
struct Verification;
struct Series;
}

class QButtonGroup;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class ClickLabel;
class UpDown;
class Platform;
namespace vrek {
class Workspace;
}

class TVrekverif : public QDialog {
    Q_OBJECT
public:
    TVrekverif(vrek::Workspace &ws, Platform &pf, QWidget *parent);

    // 1 = automatic mode: no question before writing, the window stays up.
    int tag() const { return tag_; }
    void setTag(int t) { tag_ = t; }

    // The main window's "Vérification" button: activation, then shown.
    void open();
    // Resets the settings from the current deal's contract line and shows
    // the leader's cards.
    void activate();
    // Declarer and leader labels, the leader's cards, the lead in green;
    // a lead the leader does not hold gives way to the default lead.
    void showLeader();

    void cardClick(int suit, int position);  // position 1 .. 9 in the leader's holding
    void levelClick(int delta);
    void declarerClick(int delta);
    // "&Vérifier": true when the result was written into the contract field.
    bool verifierClick();
    // TForm1.Verif_AutoClick.
    void Verif_AutoClick();

    int level() const;
    vrek::Strain strain() const;
    int declarer() const;
    bool doubled() const;
    int lead() const { return lead_; }
    vrek::ContractChoice choice() const;

    // The solver program; beside the running program unless a test points elsewhere.
    QString solverProgram;
    // How long one question may take before the solver is stopped; tests of
    // a hanging solver shorten it.
    int solverTimeoutMs;

    // Controls, named as the program names them.
    QFrame *Panel1;
    QLabel *LbContrat, *hauteur, *LbDeclarant, *declarant, *Entam;
    QLabel *PiqS, *CoeS, *KarS, *TreS;
    ClickLabel *card[4][9];  // [suit-1][position-1]: Tre1 .. Piq9
    QGroupBox *Nature;
    QRadioButton *NatureItem[5];
    UpDown *U_contrat, *U_declarant;
    QCheckBox *Contrer;
    QPushButton *verifier, *Quitter;

protected:
    void changeEvent(QEvent *e) override;

private:
    vrek::Workspace &ws_;
    Platform &pf_;
    QButtonGroup *natureGroup_;
    int tag_ = 0;
    int lead_ = 0;
    bool busy_ = false;  // a verification or the automatic run is going on

    void setStrain(vrek::Strain s);
    void setSuitGlyphs();
    // Exchange file, solver run and score, under the busy cursor.
    vrek::Verification run();
    // The result text into board n's contract line, its line counts kept.
    static void writeResult(vrek::Series &s, int n, const std::string &result);
};
