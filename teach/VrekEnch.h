// The auction panel: bids, passes, doubles and redoubles clicked in turn
// become the auction memo of the deal it was opened on.
#pragma once
#include <QDialog>

#include "teach/auctionpad.h"

class QComboBox;
class QPushButton;
class Platform;
namespace vrek {
class Workspace;
}

class TVrekFEnch : public QDialog {
    Q_OBJECT
public:
    TVrekFEnch(vrek::Workspace &ws, Platform &pf, QWidget *parent);

    // The main window's `BtEncheres`: placed beside the main window, a new
    // auction for the current deal, shown.
    void open();
    // A new auction: the memo cleared, every bid open, the board's dealer.
    void activate();
    void bidClick(int level, int strain);
    void Pn00Click();  // "Passe"
    void Pn01Click();  // "Contre"
    void Pn02Click();  // "SurContre"
    void Pn03Click();  // "Fin"
    void Pn04Click();  // "Fin en ajoutant les titres des colonnes"

    const vrek::AuctionPad &pad() const { return pad_; }

    // Controls, named as the program names them.
    QComboBox *Cb_Donneur;
    QPushButton *Pn[vrek::kBidLevels][vrek::kStrains];  // Pn + level + strain
    QPushButton *Pn00, *Pn01, *Pn02, *Pn03, *Pn04, *BtQuitter;

private:
    vrek::Workspace &ws_;
    Platform &pf_;
    vrek::AuctionPad pad_;

    void showBids();
    // Rewrites the memo of the panel's board through the model.
    void storeMemo();
    void called();
};
