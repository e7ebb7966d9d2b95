// Small helpers that every window uses: colours of labels and panels, the
// conversions between the stores' Windows-1252 bytes and the window's text,
// and the locale's short date.
#pragma once
#include <QColor>
#include <QString>
#include <optional>
#include <string>
#include <utility>

#include "core/settings.h"

class QFrame;
class QPrinter;
class QWidget;
namespace vrek {
class Workspace;
}

namespace ui {

inline const QColor kGreen(0, 128, 0);
inline const QColor kYellow(255, 255, 0);
inline const QColor kWhite(255, 255, 255);
inline const QColor kRed(255, 0, 0);

// Background (none when invalid) and text colour of a widget.
void setColours(QWidget *w, const QColor &bg, const QColor &fg);
// A raised panel.
QFrame *panel(QWidget *parent, const char *name);

// Text of the store (Windows-1252) for a window, and back. Characters that
// Windows-1252 cannot hold are dropped on the way back.
QString fromStore(const std::string &s);
std::string toStore(const QString &s);

// A path as the settings file keeps it: its Windows-1252 bytes when it fits,
// otherwise a file URL with the UTF-8 bytes percent-encoded, which reads
// back to the same path.
std::string pathToSettings(const QString &path);
QString pathFromSettings(const std::string &value);

// The desktop's short date both ways, as day numbers (30/12/1899 = 0).
vrek::DateFormat localeDateFormat();
long todayNumber();

// Width and height of a picture from its bytes, read from its header by the
// toolkit without decoding it; nullopt when it is not a picture.
std::optional<std::pair<int, int>> pictureSize(const std::string &bytes);
// The folder of the open series, or "" when none is open.
QString seriesFolder(const vrek::Workspace &ws);
// The file the print dialog offers for a PDF: `title` (a job title, which
// may hold ':') made a name that file systems accept, in `folder` (the
// user's home when empty). The printers stay the dialog's first choice.
void offerPdfFile(QPrinter &printer, const QString &title, const QString &folder);

}  // namespace ui
