// The three raised panels of numbered check boxes that the printing dialogs
// share: each panel a column of boxes with its "select" and "deselect"
// buttons under them.
#pragma once
#include <QString>
#include <functional>

class QCheckBox;
class QFrame;
class QHBoxLayout;
class QPushButton;
class QWidget;

struct BoxPanels {
    QFrame *panel[3];
    QPushButton *on[3], *off[3];
};

struct BoxPanelShape {
    const char *onNames[3];
    const char *offNames[3];
    int perPanel;                                        // boxes in each panel
    std::function<QString(int n)> caption;                // caption of box n (1 ..)
    std::function<QString(int panel, bool on)> button;    // caption of a panel's button
    int spacing = -1;                                     // between the boxes; -1: the style's
};

// Creates the panels Panel1 .. Panel3 side by side in `row`; boxes[n - 1]
// receives box n, named prefix + n. `toggle(first, on)` runs on a button click
// with the panel's first box number.
BoxPanels makeBoxPanels(QWidget *owner, QHBoxLayout *row, const BoxPanelShape &shape, const QString &prefix,
                        QCheckBox **boxes, const std::function<void(int first, bool on)> &toggle);
