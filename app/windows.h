// Creates the dialogs once, in the program's order, gives each the model and
// the platform, and connects the main window's menu items and buttons to
// them. The program and the window tests both use it.
#pragma once
class TForm1;
void createWindows(TForm1 &form);
