#include "windowbed.h"

#include "app/windows.h"
#include "core/seriesfile.h"

WindowBed::WindowBed() { plat.folder = QString::fromStdString(dir.path()) + "/"; }

TForm1 &WindowBed::start(const vrek::Series &s, const std::string &name) {
    vrek::saveSeries(dir.file(name), s);
    return start(name);
}

TForm1 &WindowBed::start(const std::string &name) {
    form.reset();
    form = std::make_unique<TForm1>(name.empty() ? QStringList{} : QStringList{path(name)});
    createWindows(*form);
    return *form;
}
