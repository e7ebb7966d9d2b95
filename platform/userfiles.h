// Where the program keeps the files it writes for itself: the settings file
// and the solver's exchange files. Beside the program, as a copy unpacked in
// a folder of its own expects; in the user's own folders when the program's
// folder cannot take them (an installed program).
#pragma once
#include <QString>

class Platform;

namespace ui {

// True when the program may keep its files in `folder`: not a system folder
// (an installed program never writes into its installation, even when root
// runs it) and a file can be created there.
bool canKeepFilesIn(const QString &folder);

// The settings file, the one rule for the window and the batch commands.
// In the user's folder a missing file starts as a copy of the one beside the
// program, when there is one, so that defaults set there for every user
// hold the first time. A reader that never writes (`forWriting` false)
// makes no copy: it reads the user's file, or else the one beside the program.
QString settingsFile(Platform &pf, bool forWriting = true);

// The folder, with a trailing '/', for the solver's exchange files.
QString scratchFolder(Platform &pf);

}  // namespace ui
