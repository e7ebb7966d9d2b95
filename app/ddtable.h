// The double-dummy table and par of the current deal, in a corner of the
// deal panel: "N S E O" by "SA P C K T", then the par; nothing while unknown.
#pragma once
#include <QLabel>
#include <functional>

namespace vrek {
struct DealAnalysis;
}
class TForm1;
class VrAnalysis;

class DdTableView : public QLabel {
    Q_OBJECT
public:
    explicit DdTableView(QWidget *parent);
    // Shows the analysis, or nothing for nullptr.
    void showAnalysis(const vrek::DealAnalysis *a);

protected:
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    void place();
};

// The text the grid shows.
QString ddTableText(const vrek::DealAnalysis &a);

// Puts the grid on the main window's deal panel and keeps it on the current
// deal, asking for its analysis in the background when the deal is complete
// (not while `busy` says the solver is wanted elsewhere).
DdTableView *attachDdTable(TForm1 &form, VrAnalysis &analysis, std::function<bool()> busy = {});
