#include "app/windows.h"

#include <QAction>

#include "app/VrekDiagramme.h"
#include "app/ddtable.h"
#include "app/vrekhp.h"
#include "app/vrekpermut.h"
#include "dealing/vrekcon.h"
#include "dealing/vrekinf.h"
#include "formats/vrkImport.h"
#include "formats/vrkexport.h"
#include "verify/vranalysis.h"
#include "verify/vrkanalyse.h"
#include "verify/vrkverif.h"

namespace {

template <typename F>
void onItem(TForm1 &form, const QString &name, QObject *receiver, F f) {
    if (QAction *a = form.action(name)) QObject::connect(a, &QAction::triggered, receiver, f);
}

}  // namespace

// The order of the program's windows: the printing dialogs, the constraint
// editor, the progress window, the travellers, export, verification, swap,
// labels, statistics, import, the about box, the teaching windows and the
// keyboard entry. Those not built yet are left out of the sequence.
void createWindows(TForm1 &form) {
    vrek::Workspace &ws = form.model();
    Platform &pf = form.platform();

    auto *contraint = new TContraint(ws, pf, &form);
    onItem(form, "Caractristiques1", contraint, [contraint] { contraint->openEditor(); });
    onItem(form, "RInitialise1", contraint, [contraint] { contraint->initialiseAllClick(); });

    auto *information = new TInformation(ws, pf, &form);
    form.distribute = [information] { information->distributionClick(); };
    onItem(form, "N3", information, [information] { information->n3Click(); });

    auto *expot = new TVrekexpot(ws, pf, &form);
    for (int i = 0; i < vrek::kExportMenuItems; ++i) {
        const auto item = static_cast<vrek::ExportMenuItem>(i);
        onItem(form, QString::fromStdString(vrek::menuItemName(item)), expot, [expot, item] { expot->Baco1Click(item); });
    }

    auto *verif = new TVrekverif(ws, pf, &form);
    form.verify = [verif] { verif->open(); };
    onItem(form, "Verif_Auto", verif, [verif] { verif->Verif_AutoClick(); });

    // The double-dummy analysis: the current deal's grid, the series command
    // and the PBN export's option share one solver and its results.
    auto *analysis = new VrAnalysis(&form);
    auto *analyse = new TVrekanalyse(ws, pf, *analysis, &form);
    onItem(form, "AnalyseDoubleMort", analyse, [analyse] { analyse->analyseSeriesClick(); });
    expot->analyse = [analyse](const std::vector<int> &boards, std::map<int, vrek::DealAnalysis> &out) {
        return analyse->analyseBoards(boards, out);
    };
    attachDdTable(form, *analysis, [verif] { return verif->tag() == 1; });

    auto *permut = new Tvrkpermut(ws, &form);
    onItem(form, "Permutation", permut, [permut] { permut->openFor(0); });
    onItem(form, "Recopiedundiagramme1", permut, [permut] { permut->openFor(1); });

    auto *import = new TVrkFImport(ws, pf, &form);
    for (const QString &name : TVrkFImport::menuItems(false))
        onItem(form, name, import, [import, name] { import->HundyDup1Click(name); });
    for (const QString &name : TVrkFImport::menuItems(true))
        onItem(form, name, import, [import, name] { import->HundyDup1InsertClick(name); });

    auto *clavier = new TVrekFDiagramme(ws, pf, information, &form);
    form.keyboardEntry = [clavier] { clavier->open(); };
    form.closeKeyboardEntry = [clavier] { clavier->hide(); };
}
