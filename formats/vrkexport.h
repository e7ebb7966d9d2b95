// The export dialog: the boards to export in three panels of 32, the
// numbering mode, and the shared handler of the nine "E&xporter" items. It
// asks for the file, writes what the logic built, and reports.
#pragma once
#include <QDialog>
#include <functional>
#include <map>
#include <optional>
#include <vector>

#include "core/dealanalysis.h"
#include "formats/exportselection.h"

class QCheckBox;
class QFrame;
class QGroupBox;
class QPushButton;
class QRadioButton;
class Platform;
namespace vrek {
class Workspace;
}

class TVrekexpot : public QDialog {
    Q_OBJECT
public:
    TVrekexpot(vrek::Workspace &ws, Platform &pf, QWidget *parent);

    // TForm1.Baco1Click, shared by the nine menu items: the caption carries
    // the item's extension, then the dialog is activated and shown.
    void Baco1Click(vrek::ExportMenuItem item);
    // Boxes enabled and checked for the complete deals, button caption for the mode.
    void activate();

    vrek::Selection selection() const;
    vrek::Numbering numbering() const;
    // The format named by the caption's last three characters.
    std::optional<vrek::ExportFormat> formatTag() const;

    void selectionClick(vrek::SelectionButton b);
    void completeClick();
    // Runs the writer of the format tag, then hides the dialog whatever happened.
    void exporteClick();

    // Gets the double-dummy analysis of the boards for the PBN export's
    // option; false when it could not (stopped or failed: already told).
    std::function<bool(const std::vector<int> &boards, std::map<int, vrek::DealAnalysis> &out)> analyse;

    QCheckBox *Main[vrek::kBoards];  // Main1 .. Main96
    QCheckBox *AvecAnalyse;          // "Avec l'analyse au double mort" (PBN)
    QFrame *Panel1, *Panel3, *Panel4;
    QPushButton *Selection, *Deselection, *Select1, *Deselect1, *Select2, *Deselect2, *Exporte, *Annule;
    QGroupBox *Complete;
    QRadioButton *CompleteItem[2];  // "à partir de  1", "à partir de 97"

protected:
    void showEvent(QShowEvent *e) override;

private:
    vrek::Workspace &ws_;
    Platform &pf_;
    bool centred_ = false;
    void runExport(vrek::ExportFormat f);
};
