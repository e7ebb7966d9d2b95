// Creates the dialogs once, in the program's order, gives each the model and
// the platform, and connects the main window's menu items and buttons to
// them. The program and the window tests both use it.
#pragma once
class TForm1;
void createWindows(TForm1 &form);
// Gives the main window's start-up what the subsystems run in it (the update
// check); before the main window is created.
void installStartupHooks();
