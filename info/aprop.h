// The about box: version, the maker and his address, a word to the users,
// and the version history scrolling up on "Historique".
#pragma once
#include <QDialog>
#include <QStringList>
#include <QTimer>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QFrame;
class Platform;
namespace vrek {
class Workspace;
}

// The paint box of the history: the lines drawn `offset` pixels up from
// below its bottom edge.
class HistoryBox : public QWidget {
    Q_OBJECT
public:
    explicit HistoryBox(QWidget *parent);
    QStringList lines;
    int step = 0;
    int lineHeight() const;

protected:
    void paintEvent(QPaintEvent *) override;
};

class TApropos : public QDialog {
    Q_OBJECT
public:
    static constexpr int kStepMs = 55;
    static constexpr int kHoldMs = 2000;

    TApropos(vrek::Workspace &ws, Platform &pf, const QString &version, QWidget *parent);

    // "Historique": the panel over the whole box, the history scrolling up.
    void HistoriqueClick();
    // One step of the scrolling, as the timer gives them.
    void scrollOneStep();
    // Steps of a whole scroll: the box's height, or the history's if taller.
    int scrollSteps() const;
    // A click on the mail address.
    void mailClick();

    QLabel *Version, *Label1, *Label2, *Label3, *LbMail, *Image1;
    QPlainTextEdit *Memo1;
    QPushButton *Historique, *BtOk;
    QFrame *Panel1;
    HistoryBox *PaintBox1;
    QStringList history;  // the second list: the version history

protected:
    void resizeEvent(QResizeEvent *e) override;
    void hideEvent(QHideEvent *e) override;
    bool eventFilter(QObject *watched, QEvent *e) override;

private:
    vrek::Workspace &ws_;
    Platform &pf_;
    QTimer scroll_, hold_;
    void stopScrolling();
};
