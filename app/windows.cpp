#include "app/windows.h"

#include "app/vrekhp.h"
#include "app/vrekpermut.h"
#include "formats/vrkImport.h"
#include "formats/vrkexport.h"

void createWindows(TForm1 &form) {
    form.vrkpermut = new Tvrkpermut(form, &form);
    new TVrkFImport(form, &form);
    new TVrekexpot(form, &form);
}
