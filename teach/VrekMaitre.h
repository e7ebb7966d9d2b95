// The master display: the teacher's console for one deal. It shows the four
// hands around a table, plays and takes back cards, reveals the auction bid
// by bid and chooses what the class sees in the projector picture. It works
// on its own copy of the deal; the series is never changed here.
#pragma once
#include <QDialog>
#include <QImage>
#include <functional>

#include "core/playanalysis.h"
#include "teach/display.h"
#include "teach/projection.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class ClickLabel;
class Platform;
class TVrekFProjecteur;
namespace vrek {
class Workspace;
}

class TVrekFMaitre : public QDialog {
    Q_OBJECT
public:
    // Loads the current deal at once; `projector` shows the picture.
    TVrekFMaitre(vrek::Workspace &ws, Platform &pf, TVrekFProjecteur *projector, QWidget *parent);

    // "Présentation": shown as it was left, without reloading.
    void open();
    // "Charger": the current deal, its contract and auction from the series.
    void BtRechargerClick();
    void BtRotationClick();
    void BtActivationClick();
    void BtProjecteurClick();
    void BtQuitterClick();
    void VisClick(int position);
    void BtContratClick();
    void BtVisEnchClick();
    void BtVulClick();
    void BtImposeClick();
    // A left click on a card label, a played card, an auction cell.
    void cardClick(int position, int suit, int slot);
    void trickClick(int trick, int column);
    void cellClick(int row, int column);
    // "Double mort" and "Sur le projecteur" ticked or not.
    void DoubleMortClick();
    void SurProjecteurClick();

    // The solver behind the double-dummy numbers, set by the program: asks
    // for a position (the answer comes through playAnswered or the other
    // two), or forgets what was asked. Unset: there is no solver.
    std::function<void(const vrek::PlayPosition &)> askPlay;
    std::function<void()> forgetPlay;
    void playAnswered(const vrek::PlayPosition &p, const vrek::PlayAnalysis &a);
    void playRefused(const vrek::PlayPosition &p, const QString &message);
    void playFailed(const QString &message);

    const vrek::TeachDisplay &display() const { return d_; }
    const QImage &picture() const { return picture_; }
    const vrek::ProjectorBackground &background() const { return bg_; }
    // Times the picture was drawn (for tests and the benchmark).
    int repaints() const { return repaints_; }
    // Draws the picture again from the state and asks the projector to show it.
    void repaintPicture();

    // Controls, named as the program names them.
    QLabel *LH, *LD, *LB, *LG;
    ClickLabel *card[4][4][9];  // [position-1][suit-1][slot-1]: L + position + suit + slot
    QLabel *suitLabel[4][4];    // L + position + suit + "0"
    QPushButton *Vis[4];
    ClickLabel *trickSuit[vrek::kTricks][vrek::kTrickColumns];  // C + trick + column + "0"
    ClickLabel *trickRank[vrek::kTricks][vrek::kTrickColumns];  // C + trick + column + "1"
    QLabel *S[vrek::kTricks];
    QLabel *LbContrat, *LbEntame;
    QLineEdit *E[vrek::kAuctionRows][vrek::kAuctionColumns];
    QPushButton *BtRotation, *BtRecharger, *BtContrat, *BtVisEnch, *BtVul, *BtImpose, *BtActivation,
        *BtProjecteur, *BtQuitter;
    QSpinBox *SpEdNum;
    QCheckBox *DoubleMort, *SurProjecteur;
    QLabel *LbDoubleMort;                 // what the numbers wait for, or why there are none
    QLabel *DM[4][4][9];                  // the number under each card: DM + position + suit + slot

protected:
    void closeEvent(QCloseEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    vrek::Workspace &ws_;
    Platform &pf_;
    TVrekFProjecteur *projector_;
    vrek::TeachDisplay d_;
    vrek::ProjectorBackground bg_;
    std::string backgroundError_;  // why the background file was not used, until said
    QImage picture_;
    QImage backgroundPicture_;  // the background drawn once, copied under each repaint
    int repaints_ = 0;
    std::string askedKey_;  // the position whose numbers are shown or awaited
    bool redisplaying_ = false;

    void build();
    void buildHand(int position, int x, int y);
    void buildTricks(int x, int y);
    void buildAuction(int x, int y);
    void buildButtons(int y);
    // Labels, tricks, marks and cells from the state, then the picture.
    void redisplay();
    void showCells();
    void showImposed();
    void buildDoubleDummy(int x, int y);
    // Asks for the numbers of the position shown, or says why there are none.
    void refreshNumbers();
    void showNumbers();
};
