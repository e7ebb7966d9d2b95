// The import and insertion dialog: the boards of a deal file or of another
// series as 96 check boxes, and the menu commands that open it.
#pragma once
#include <QDialog>
#include <QString>
#include <functional>
#include <map>

#include "formats/importdeal.h"

class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;
class QSpinBox;
class Platform;
namespace vrek {
class Workspace;
}

class TVrkFImport : public QDialog {
    Q_OBJECT
public:
    TVrkFImport(vrek::Workspace &ws, Platform &pf, QWidget *parent);
    // Names of the menu items that open the dialog, for import or for insertion.
    static QStringList menuItems(bool insert);

    // 0 import; for insertion the deal that was current when it was asked.
    int tag() const { return tag_; }
    void setTag(int t) { tag_ = t; }

    // The "&Importer" and "Insérer" menu commands; `item` is the clicked
    // item's name, which gives the file type.
    void HundyDup1Click(const QString &item);
    void HundyDup1InsertClick(const QString &item);

    // Each showing: the mode's captions, then the scan of the file.
    void activate();
    void selectionClick();
    void deselectionClick();
    void importeClick();

    bool available(int board) const { return available_[board - 1]; }
    const QString &derivedName() const { return derivedName_; }
    // The file to read: the end of the caption.
    QString fileName() const;

    // The double-dummy analyses a file gave for the boards they went to:
    // kept as the boards' analyses, or checked against the solver when
    // VerifAnalyse is ticked.
    std::function<void(const std::map<int, vrek::DealAnalysis> &)> keepAnalyses, checkAnalyses;

    QCheckBox *Main[96];
    QCheckBox *VerifAnalyse;  // "Vérifier au double mort l'analyse du fichier" (PBN)
    QFrame *Panel1, *Panel2, *Panel3, *Panel4;
    QLabel *Label1, *Label2, *Label3;
    QSpinBox *SpEd_Insertion;
    QPushButton *Importe, *Selection, *Deselection, *Annule;

private:
    vrek::Workspace &ws_;
    Platform &pf_;
    int tag_ = 0;
    vrek::Availability available_{};
    QString derivedName_;

    bool inserting() const { return tag_ != 0; }
    void openFor(bool insert, const QString &item);
    void refuse(const QString &text);
};
