// What most window tests start from: a fresh folder that stands for the
// program's folder, the scripted platform, and the main window with every
// dialog, opened on a series of that folder.
#pragma once
#include <QString>
#include <memory>
#include <string>

#include "app/vrekhp.h"
#include "core/series.h"
#include "scriptedplatform.h"
#include "testutil.h"

class WindowBed {
public:
    WindowBed();

    testutil::TempDir dir;
    ScriptedPlatform plat;         // installed for the bed's life
    std::unique_ptr<TForm1> form;  // goes first, before the platform it uses

    QString path(const std::string &name) const { return QString::fromStdString(dir.file(name)); }
    // Saves `s` as `name` in the folder, then starts the main window on it
    // and creates every dialog (the window is not shown).
    TForm1 &start(const vrek::Series &s, const std::string &name = "s.vrk");
    // The same on a series that is not saved first (created when missing);
    // an empty name starts without a series.
    TForm1 &start(const std::string &name = "s.vrk");
};
