// The dealer's progress window, and the two main-window commands that deal:
// the `Distribution` button on the current board and "&Distribution
// Automatique" over the 96 boards.
#pragma once
#include <QDialog>
#include <QElapsedTimer>

class QProgressBar;
class Platform;
namespace vrek {
class Workspace;
struct DealingKey;
}

class TInformation : public QDialog {
    Q_OBJECT
public:
    TInformation(vrek::Workspace &ws, Platform &pf, QWidget *parent);

    // TForm1.DistributionClick with the caption "Distribution".
    void distributionClick();
    // TForm1.N3Click.
    void n3Click();
    // Deals the current board, appending the count to its provenance when
    // `record` (the keyboard entry's completion buttons do not record it).
    // False when the deal could not be dealt (reported).
    bool dealCurrentBoard(bool record = true);
    // The same two runs with a dealing key: each board from its own stream.
    bool dealCurrentBoardWith(const vrek::DealingKey &key);
    void n3ClickWith(const vrek::DealingKey &key);

    QProgressBar *ProgressBar1, *ProgressBar2;

private:
    vrek::Workspace &ws_;
    Platform &pf_;
    QElapsedTimer pump_;
    const vrek::DealingKey *key_ = nullptr;  // during a run with a key
    void showCentred();
    void pump();
    void attempts(uint32_t n);
};
