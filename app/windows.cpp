#include "app/windows.h"

#include "app/VrekDiagramme.h"
#include "app/vrekhp.h"
#include "app/vrekpermut.h"
#include "dealing/vrekcon.h"
#include "dealing/vrekinf.h"
#include "formats/vrkImport.h"
#include "formats/vrkexport.h"
#include "verify/vrkverif.h"

// The order of the program's windows: the printing dialogs, the constraint
// editor, the progress window, the travellers, export, verification, swap,
// labels, statistics, import, the about box, the teaching windows and the
// keyboard entry. Those not built yet are left out of the sequence.
void createWindows(TForm1 &form) {
    form.contraint = new TContraint(form, &form);
    form.information = new TInformation(form, &form);
    new TVrekexpot(form, &form);
    new TVrekverif(form, &form);
    form.vrkpermut = new Tvrkpermut(form, &form);
    new TVrkFImport(form, &form);
    new TVrekFDiagramme(form, &form);
}
