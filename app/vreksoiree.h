// "Préparer la soirée…": the evening's boards written in one step into a
// folder beside the series, with a tick per file; the analysis the PBN file
// and the diagram pages need runs first, under its own progress window.
#pragma once
#include <QDialog>
#include <functional>
#include <map>
#include <vector>

#include "core/dealanalysis.h"
#include "evening/bundle.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class Platform;
namespace vrek {
class Workspace;
}

class TVrekSoiree : public QDialog {
    Q_OBJECT
public:
    TVrekSoiree(vrek::Workspace &ws, Platform &pf, QWidget *parent);

    // Given by the window creation: the analysis of boards under the
    // progress window (false when stopped or failed, already said), and the
    // fingerprint of the key used in this session ("" when none).
    std::function<bool(const std::vector<int> &, std::map<int, vrek::DealAnalysis> &)> analyse;
    std::function<std::string()> keyFingerprint;

    // The menu item: the evening's boards, the folder proposed, every tick on.
    void open();
    // "&Parcourir…": another folder, by naming a file in it.
    void BtParcourirClick();
    // "&Préparer": writes the files; true when every one was written.
    bool BtPreparerClick();

    QLabel *LbDonnes;
    QLineEdit *EdDossier;
    QPushButton *BtParcourir, *BtPreparer, *BtAnnuler;
    std::map<vrek::bundle::Item, QCheckBox *> Choix;  // objectName "Choix" + the item's word

private:
    vrek::Workspace &ws_;
    Platform &pf_;
};
