// The keyboard entry window: a whole diagram typed on the keyboard or the
// numeric keypad, card by card, into the current deal.
#pragma once
#include <QDialog>

class QLineEdit;
class QPushButton;
class Platform;
class TInformation;
namespace vrek {
class Workspace;
}

class TVrekFDiagramme : public QDialog {
    Q_OBJECT
public:
    // `dealer` completes the deal for the two completion buttons.
    TVrekFDiagramme(vrek::Workspace &ws, Platform &pf, TInformation *dealer, QWidget *parent);

    int tag() const { return tag_; }
    void setTag(int t) { tag_ = t; }

    // The main window's `BtClavier`.
    void open();
    // Showing: the cursor on the first holding with room, the edit emptied and focused.
    void onShow();
    // Activation: the lock keys set for typing; a restart unless the mark says otherwise.
    void onActivate();
    void typed(const QString &text);

    void quitterClick();
    void completerClick();
    void suivantClick();

    QLineEdit *Saisit;
    QPushButton *BtQuitter, *BtCompleter, *BtDiagrammeSuivant;

    // Escape finishes the entry as "Terminer" does.
    void reject() override;

protected:
    void changeEvent(QEvent *e) override;
    // Closing the window finishes the entry as "Terminer" does.
    void closeEvent(QCloseEvent *e) override;

private:
    vrek::Workspace &ws_;
    Platform &pf_;
    TInformation *dealer_;
    int tag_ = 0;
    bool clearing_ = false;
    void placeBesideMainWindow();
    void restoreLocks();
    // Cursor on the first holding with room from `from`; finishes the entry when none is left.
    void walkForward(int from);
    void finish();
};
