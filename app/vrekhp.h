// The main window: owns the series and the settings, shows one deal at a
// time with its texts, and runs start-up, navigation, redraw and exit.
#pragma once
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStringList>
#include <functional>

#include "app/widgets.h"
#include "core/dealops.h"
#include "core/series.h"
#include "core/settings.h"
#include "dealing/constraints.h"

class QAction;
class QMenu;
class QFrame;

class Tvrkpermut;
class TContraint;
class TInformation;

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    static constexpr const char *kVersion = "20.23.03";

    // Runs the whole start-up; `args` are the command-line arguments after
    // the program name.
    explicit TForm1(const QStringList &args, QWidget *parent = nullptr);
    ~TForm1() override;

    // Process-wide state.
    vrek::Series series;
    int currentDeal = 0;   // 1 .. 96 once a series is open
    int entryCursor = 0;   // keyboard-entry holding, 0 = none
    QString seriesFileName;
    QString workingFileName;
    bool fileOpen = false;
    vrek::Settings settings;
    QString iniFileName;
    int layoutZoom = 10;      // the zoom the window was laid out with
    bool endRequested = false;  // the update check asked the program to end
    vrek::PendingExchange pending;
    // The dealer's constraint sets, at their defaults from the start.
    vrek::ConstraintTable constraints;

    // Called by start-up step 8 when set (the update check).
    static std::function<bool(TForm1 &)> updateCheck;
    // Hooks of windows that belong to the exit sequence and to navigation.
    std::function<void()> closeKeyboardEntry;
    std::function<void()> hideProjector;
    // Actions of the button `Distribution` (deal the rest / verify a full
    // deal) and of `BtClavier`, given by the windows that carry them out.
    std::function<void()> distribute;
    std::function<void()> verify;
    std::function<void()> keyboardEntry;
    // The dialogs, created once after the main window.
    Tvrkpermut *vrkpermut = nullptr;
    TContraint *contraint = nullptr;
    TInformation *information = nullptr;

    void redraw();
    // Sets the scroll bar, which navigates (board 1 .. 96).
    void gotoDeal(int n);
    void cancelPendingExchange() { pending = {}; }

    // Card entry and deal operations.
    void packPressedAt(int suit, int x, Qt::MouseButton button);
    void handPressedAt(int seat, int suit, int x, Qt::MouseButton button);
    // Width of one character of the hand and pack labels' fixed-pitch font.
    int charWidth() const;
    void copyForward();
    void insertBoard();
    void deleteBoard();
    void permutationClick(bool copyMode);

    // File commands.
    void openSeriesDialog(bool isNew);
    bool saveSeries();  // reports failures; true when written
    void saveAs();
    void toggleAutomatiser();
    void toggleEnregistrementAutomatique();
    void resetSeries();
    void wipeDeals();
    void enableSeriesCommands();
    // Opens `name` as the series (Load and the caption); false on failure.
    bool openSeries(const QString &name, const QString &captionPrefix = QStringLiteral("Distribution memorisée dans "));

    // Settings file.
    bool writeExitSettings();  // false when the write failed (reported)
    bool writeIniValue(const std::function<void(vrek::IniFile &)> &edit);
    void zoomBy(int step);

    void exitSequence();

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
    QScrollBar *ScrollBar1;

    // Store-back of each text field into the text store.
    void storeTitre();
    void storeTheme();
    void storeContrat();
    void storeAttaquant();
    void storeDefense();
    void storeEncheres();
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

private:
    bool filling_ = false;  // the redraw is filling the fields: store nothing
    bool exited_ = false;
    double sx_ = 1.0, sy_ = 1.0;

    void buildMenus();
    void buildDealPanel();
    void buildTextPanel();
    void layoutForZoom(int zoom);
    void place(QWidget *w, int x, int y, int wd, int ht, double fontPt = 0);
    void startUp(const QStringList &args);
    void readSettings();
    void showTexts();
    void navigated(int n);
    void showDealControls(bool on);
    QString lineText(int i) const;
    void setLine(int i, const QString &text);
};

// Creates the application's windows in their order and runs the event loop.
int runApplication(int argc, char **argv);
