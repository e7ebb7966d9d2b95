// Everything that talks to the desktop goes through this interface, so that
// tests can script a whole user path headless.
#pragma once
#include <QByteArray>
#include <QColor>
#include <QDate>
#include <QImage>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

#include "platform/process.h"

class QCoreApplication;
class QWidget;
class QPrinter;

struct FileDialogOptions {
    QString title;
    QString defaultSuffix;  // without the dot
    QString filter;         // "VRK|*.vrk"
    QString initialName;
    bool overwritePrompt = false;
    bool createPrompt = false;
};

// Rich text for the clipboard in the forms word processors read; an empty
// form is left out.
struct ClipboardText {
    QString plain;
    QString html;
    QByteArray rtf;  // offered as text/rtf and application/rtf
};

struct ProcessResult {
    bool started = false;
    bool finished = false;  // ended within the wait
    int exitCode = -1;
    QByteArray output;      // everything read from standard output
};

class Platform {
public:
    virtual ~Platform() = default;

    // Modal message boxes.
    virtual void information(QWidget *parent, const QString &text) = 0;
    virtual bool question(QWidget *parent, const QString &text) = 0;  // Yes = true
    // "Oui", "Non" and "Annuler": before an operation that would drop unsaved work.
    enum class Answer { Yes, No, Cancel };
    virtual Answer questionCancel(QWidget *parent, const QString &text) = 0;
    virtual void warning(QWidget *parent, const QString &text) = 0;
    virtual void error(QWidget *parent, const QString &text) = 0;

    // File dialogs; an empty result means the user cancelled.
    virtual QString openFileName(QWidget *parent, const FileDialogOptions &o) = 0;
    virtual QString saveFileName(QWidget *parent, const FileDialogOptions &o) = 0;
    // A folder, existing or new, from the desktop's folder dialog; empty when cancelled.
    virtual QString folderName(QWidget *parent, const QString &title, const QString &initial);

    // Print dialog on the given printer; false when cancelled.
    virtual bool printDialog(QWidget *parent, QPrinter &printer) = 0;
    virtual QColor chooseColor(QWidget *parent, const QColor &initial) = 0;  // invalid = cancelled

    virtual void setClipboardImage(const QImage &image) = 0;
    virtual void setClipboardText(const ClipboardText &text) = 0;

    // The desktop's "open" for a web address, mail link or document.
    virtual bool openUrl(const QString &url) = 0;
    // HTTP GET of a probe; the response's status code (after at most a few
    // redirections), or 0 when none came within `timeoutMs`, which bounds
    // the whole exchange. Only the head of the answer is read, never its body.
    virtual int httpGet(const QString &url, int timeoutMs) = 0;

    virtual bool capsLock() = 0;
    virtual void setCapsLock(bool on) = 0;
    virtual bool numLock() = 0;
    virtual void setNumLock(bool on) = 0;

    // Starts `program` with `args`, its standard error going to ours; what it
    // does comes through `events`. The desktop's own processes unless a test
    // plays the program.
    virtual std::unique_ptr<ChildProcess> startProcess(const QString &program, const QStringList &args,
                                                       ProcessEvents events);
    // Starts a program through startProcess(), feeds `input` to its standard
    // input and reads its output until it ends or `timeoutMs` passes (then it
    // is killed). `onOutput` sees the output accumulated so far after each
    // read and may return false to stop waiting.
    virtual ProcessResult runProcess(const QString &program, const QStringList &args, const QByteArray &input,
                                     int timeoutMs, const std::function<bool(const QByteArray &)> &onOutput);

    virtual QString programFolder() = 0;  // with a trailing '/'
    // Whether the settings and exchange files may be kept in the program's
    // folder (platform/userfiles.h says where they go otherwise).
    virtual bool programFolderWritable();
    virtual QDate today() = 0;
    virtual QString shortDateFormat() = 0;  // the locale's, in QDate's notation
};

// The desktop's HTTP GET (platform/httpget.cpp), shared by the real platform and the tests.
int qtHttpGet(const QString &url, int timeoutMs);

Platform &platform();
// Installs another implementation (tests); nullptr restores the desktop one.
void setPlatform(Platform *p);
// For a batch command that starts processes or asks for the program's
// folder: an application object when none exists yet (null when one does).
std::unique_ptr<QCoreApplication> batchApplication();
