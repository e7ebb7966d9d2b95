// The main window: shows the model's current deal with its texts, and runs
// the menus, start-up, the file commands and the exit sequence. The series
// and everything the windows share live in the model (core/workspace.h).
#pragma once
#include "app/version.h"
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStringList>
#include <functional>

#include "core/workspace.h"
#include "platform/widgets.h"

class QAction;
class QSpinBox;
class QMenu;
class QFrame;
class Platform;

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    static constexpr const char *kVersion = vrek::kProgramVersion;
    // The smallest zoom the panels are laid out at (smaller ones keep their
    // setting but lay out as this one, where every field still fits).
    static constexpr int kSmallestLayoutZoom = 8;
    // The text column's one-line fields at zoom 10.
    static constexpr double kTextFieldPt = 9;

    // Runs the whole start-up; `args` are the command-line arguments after
    // the program name.
    explicit TForm1(const QStringList &args, QWidget *parent = nullptr);
    ~TForm1() override;

    vrek::Workspace &model() { return ws_; }
    const vrek::Workspace &model() const { return ws_; }
    Platform &platform() const { return pf_; }

    int layoutZoom = 10;        // the zoom the window was laid out with
    bool endRequested = false;  // the update check asked the program to end

    // Called by start-up step 8 when set (the update check).
    static std::function<bool(TForm1 &)> updateCheck;
    // Given by the windows that carry them out (app/windows.cpp): the exit
    // sequence's hooks, the two actions of the button `Distribution` (deal
    // the rest / verify a full deal) and that of `BtClavier`.
    std::function<void()> closeKeyboardEntry;
    std::function<void()> hideProjector;
    std::function<void()> distribute;
    std::function<void()> verify;
    std::function<void()> keyboardEntry;

    // Shows the current deal and its texts again.
    void redraw();
    // Navigates to board n (1 .. 96), as the scroll bar does.
    void gotoDeal(int n);
    // "Annuler" and "Rétablir" of the Edition menu: the series' history.
    void undoClick();
    void redoClick();
    // Before an operation that would drop unsaved changes: asks `text` with
    // "Oui", "Non" and "Annuler" when the series has changed, saves on "Oui".
    // False when the operation must not go on (cancelled, or the save failed).
    bool mayDropSeries(const QString &text);

    // Card entry and deal operations.
    void packPressedAt(int suit, int x, Qt::MouseButton button);
    void handPressedAt(int seat, int suit, int x, Qt::MouseButton button);
    // Width of one character of the hand and pack labels' fixed-pitch font.
    int charWidth() const;
    void copyForward();
    void insertBoard();
    void deleteBoard();

    // File commands.
    void openSeriesDialog(bool isNew);
    bool saveSeries();  // reports failures; true when written
    void saveAs();
    void toggleAutomatiser();
    void toggleEnregistrementAutomatique();
    void resetSeries();
    void wipeDeals();
    // Opens `name` as the series (Load and the caption); false on failure.
    bool openSeries(const QString &name, const QString &captionPrefix = QStringLiteral("Distribution memorisée dans "));
    QString seriesFileName() const { return QString::fromStdString(ws_.seriesFileName()); }

    // Settings file.
    bool writeExitSettings();  // false when the write failed (reported)
    bool writeIniValue(const std::function<void(vrek::IniFile &)> &edit);
    void zoomBy(int step);
    // The evening's size (1 .. 96), kept in vrek.ini at once; the commands
    // that go through the series take boards 1 .. n.
    void setEveningSize(int n);

    // False when the user cancelled or a save failed: the program goes on.
    bool exitSequence();

    QAction *action(const QString &name) const;
    QMenu *menu(const QString &name) const;

    // Controls, named as the program names them.
    QFrame *Table, *Panel1, *Panel2, *Panel3, *Panel4, *Panel5, *Panel6;
    ClickLabel *hand[4][4];  // [seat-1][suit-1]: NoTr .. OuPi
    QLabel *handGlyph[4][4];
    ClickLabel *pack[4];     // [suit-1]: trefle, Carreau, Coeur, Pique
    QLabel *packGlyph[4];
    QLabel *points[4];       // PointsN, PointsE, PointsS, PointsO
    QLabel *vul[4];          // VulN, VulE, VulS, VulO
    QLabel *Panel1Caption;
    QLabel *Label2, *Label3, *PoinsNS, *PointsEO;
    QPushButton *Inverser, *Rotation, *Distribution, *Nouvelle, *BtClavier, *BtEncheres;
    QLineEdit *Titre, *Theme, *Contrat, *Provenance;
    QPlainTextEdit *Attaquant, *Defense, *Encheres;
    UpDown *UpAttaquant, *UpDefense, *UpEncheres;
    QLineEdit *EdAttaquant, *EdDefense, *EdEncheres;
    QLabel *TestHauteur;
    QLabel *LbPlein;  // the 12 comment lines are all taken
    QScrollBar *ScrollBar1;
    QLabel *LbDonne;
    QSpinBox *EdDonne;  // "Donne n°": jumps to a board
    QSpinBox *EdSoiree;  // "/ 24": the evening's size

    // Store-back of each text field into the text store.
    void storeTitre();
    void storeTheme();
    void storeContrat();
    // Block 0 (`Attaquant`), 1 (`Defense`) or 2 (`Encheres`): a line that
    // finds no room among the board's 12 is refused (`LbPlein` says so).
    void storeComment(int block);
    QPlainTextEdit *commentBox(int block) const;
    void storeProvenance();
    // The line counts of the spinners.
    vrek::LineCounts counts() const;
    void spinnerClicked(int which, int delta);

signals:
    // Mouse presses on a hand label and on a pack label, at x pixels from the label's left.
    void handPressed(int seat, int suit, int x, Qt::MouseButton button);
    void packPressed(int suit, int x, Qt::MouseButton button);

protected:
    void closeEvent(QCloseEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    // The text fields leave undo, redo and the board keys to the window.
    bool eventFilter(QObject *watched, QEvent *e) override;

private:
    vrek::Workspace ws_;
    Platform &pf_;
    int listener_ = 0;
    bool filling_ = false;  // the redraw is filling the fields: store nothing
    bool storing_ = false;  // a field is storing: its own change needs no redraw
    bool exited_ = false;
    bool laidOut_ = false;
    double sx_ = 1.0, sy_ = 1.0;
    // The zoom the panels are laid out at: the settings' zoom at start, then
    // whatever fits the window when it is resized or maximised.
    double layoutScale_ = 1.0;

    // The model changed.
    void changed(unsigned what);

    // menus.cpp
    void buildMenus();
    void enableSeriesCommands();
    // dealpanel.cpp
    void buildDealPanel();
    void layoutDealPanel();
    void showDeal();
    void showDealControls(bool on);
    // textpanel.cpp
    void buildTextPanel();
    void layoutTextPanel(int tableH);
    void showTexts();
    QString lineText(int i) const;
    void storeLine(int i, const QString &text, const char *field);
    void layoutCommentBlocks();
    void fillComment(int block);
    std::vector<std::string> storedComments() const;
    QString shownComment_[3];  // each comment box's text after its last accepted change
    // vrekhp.cpp
    void layoutForZoom(int zoom);
    void layoutForScale(double scale);
    void updateHistoryItems();
    void place(QWidget *w, int x, int y, int wd, int ht, double fontPt = 0);
    void showCaption();
    // startup.cpp
    void startUp(const QStringList &args);
    void readSettings();
    void navigated(int n);
};

// Creates the application's windows in their order and runs the event loop.
int runApplication(int argc, char **argv);
