// The constraint editor: for each set and seat, the ranges of points and
// lengths the dealer must respect, with the ".vrc" file commands.
#pragma once
#include <QDialog>

#include "core/constraints.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTabBar;
class UpDown;
class Platform;
namespace vrek {
class Workspace;
}

class TContraint : public QDialog {
    Q_OBJECT
public:
    TContraint(vrek::Workspace &ws, Platform &pf, QWidget *parent);
    // "C&ontraintes de distribution": activated and shown.
    void openEditor();
    // "&Initialiser les contraintes": every set to its defaults.
    void initialiseAllClick();

    // Tabs rebuilt, the edited set and seat selected, values shown.
    void activate();
    // Shows the edited record; the value field `typing` keeps what is typed in it.
    void refresh(int typing = -1);
    // A value typed into field `field` (0 .. 17): stored as shown, within
    // the field's own range.
    void typed(int field, const QString &text);
    // The typed field left: its value brought between its pair's bounds.
    void settle();

    void plusClick();
    void moinsClick();
    void initialiserClick();
    void ouvrirClick();
    void enregistrerClick();

    QTabBar *Niveau, *Joueur;
    QLabel *Pique, *Coeur, *Carreau, *Trefle;
    QLineEdit *value[vrek::kConstraintFields];  // ptmi ... pmi, pma in field order
    UpDown *updown[vrek::kConstraintFields];
    QLabel *cmi, *cma;
    QPushButton *Plus, *Moins, *Initialiser, *Button1, *Button3, *Button2;

protected:
    void showEvent(QShowEvent *e) override;
    void hideEvent(QHideEvent *e) override;
    // The keyboard's up and down arrows step the value field they are typed in.
    bool eventFilter(QObject *watched, QEvent *e) override;

private:
    vrek::Workspace &ws_;
    Platform &pf_;
    vrek::ConstraintTable &t_;
    bool building_ = false;
    int typing_ = -1;  // the field typed in and not yet left
    void rebuildLevels();
};
