// The diagram pages dialog in its three modes: the sheets of the series
// (mode 0), four chosen deals (mode 1) or eight (mode 2).
#pragma once
#include <QDialog>
#include <functional>
#include <map>
#include <vector>

#include "core/dealanalysis.h"
#include "printing/diagrampage.h"

class QCheckBox;
class QFrame;
class QLabel;
class QProgressBar;
class QPushButton;
class QSpinBox;
class RadioGroup;
class Platform;
namespace vrek {
class Workspace;
}

class TVrekcom : public QDialog {
    Q_OBJECT
public:
    TVrekcom(vrek::Workspace &ws, Platform &pf, QWidget *parent);

    // The menu items: 0 "&Diagrammes de la série", 1 "Quatre Dia&grammes
    // choisis", 2 "Huit Diagrammes choisis".
    void openMode(int mode);
    int mode() const { return mode_; }
    void activate();

    // Check or uncheck the sheets first .. first + 7.
    void selectSheets(int first, bool on);
    void ImprimanteClick();
    void ImprimerClick();
    void ApercuClick();

    std::vector<int> sheets() const;
    std::vector<int> chosenDeals() const;
    // The deals the pages show.
    std::vector<int> printedDeals() const;
    vrek::DiagramOptions options() const;
    bool draw(vrek::Canvas &c) const;

    // Gets the double-dummy analysis of the boards for "Avec l'analyse au
    // double mort"; false when the user stopped it or it failed.
    std::function<bool(const std::vector<int> &boards, std::map<int, vrek::DealAnalysis> &out)> analyse;
    // The fingerprint of the dealing key in use for "Avec l'empreinte de la
    // clé"; with `ask` and no key yet, the user may choose one. "" for none.
    std::function<std::string(bool ask)> keyFingerprint;

    QCheckBox *Feuille[24];  // Feuille1 .. Feuille24
    QFrame *Panel1, *Panel2, *Panel3;
    QPushButton *Selectionner, *Deselectionner, *Select1, *Deselect1, *Select2, *DeSelect2;
    QSpinBox *Don[8];  // Don_1 .. Don_8
    QLabel *LbDonnes, *LbNumPage, *LbPasNumero;
    QSpinBox *Sp_NumPage;
    RadioGroup *Numerotation, *Imprimante;
    QCheckBox *AvecAnalyse;  // "Avec l'analyse au double mort"
    QCheckBox *AvecEmpreinte;  // "Avec l'empreinte de la clé"
    QProgressBar *ProgressBar1;
    QPushButton *Imprimer, *Annuler, *Apercu;

private:
    vrek::Workspace &ws_;
    Platform &pf_;
    int mode_ = 0;
    // The analyses got for the pages, by the deals' cards: a deal changed
    // since prints without its table.
    vrek::AnalysisCache analyses_;

    // With the tick, the analyses of the deals printed; false when stopped.
    bool fetchAnalyses();
};

// "Feuille &1 (1-4)" .. "Feuille &8 (29-32)", "Feuille  9  (33-36)", "Feuille 10 (37-40)" ..
QString sheetCaption(int n);
