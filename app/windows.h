// Creates the dialogs once, in the program's order, and attaches them to the
// main window. The program and the window tests both use it.
#pragma once
class TForm1;
void createWindows(TForm1 &form);
