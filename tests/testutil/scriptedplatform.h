// A platform for window tests: answers questions and file dialogs from
// scripts, records every message box with its exact text, and keeps the
// program's folder and today's date under the test's control.
#pragma once
#include <QList>
#include <QPrinter>
#include <QQueue>
#include <QStringList>
#include <functional>
#include <map>

#include "platform/platform.h"

class ScriptedProcess;

struct RecordedMessage {
    enum Kind { Information, Question, Warning, Error } kind;
    QString text;
    QString buttons;  // "OK" or "Yes No"
};

class ScriptedPlatform : public Platform {
public:
    ScriptedPlatform();
    ~ScriptedPlatform() override;

    // Scripts.
    QQueue<bool> answers;            // question answers; an empty queue answers No
    QQueue<Answer> choices;          // three-way answers; an empty queue answers No
    QQueue<QString> fileNames;       // dialog results; an empty queue cancels
    QString folder;                  // program folder, with a trailing '/'
    QDate date = QDate(2026, 12, 8);
    QString dateFormat = QStringLiteral("dd/MM/yyyy");
    int httpStatus = 0;
    bool realHttp = false;           // httpGet asks the address for real
    bool caps = false, num = false;
    // Programs played in-process, by the path they are started by (see
    // scriptedprocess.h and fakesolver.h); any other program is started for real.
    std::map<QString, std::function<void(ScriptedProcess &)>> programs;

    // Records.
    QList<RecordedMessage> messages;
    QList<FileDialogOptions> dialogs;  // every file dialog opened, in order
    QStringList opened;                // URLs given to the desktop
    QStringList httpRequests;          // addresses asked, in order
    QStringList started;               // every program started, with its arguments
    QString clipboardPlain, clipboardHtml;
    QByteArray clipboardRtf;
    QImage clipboardImage;
    int clipboardWrites = 0;

    QString lastMessage() const { return messages.isEmpty() ? QString() : messages.last().text; }

    void information(QWidget *, const QString &t) override;
    bool question(QWidget *, const QString &t) override;
    Answer questionCancel(QWidget *, const QString &t) override;
    void warning(QWidget *, const QString &t) override;
    void error(QWidget *, const QString &t) override;
    QString openFileName(QWidget *, const FileDialogOptions &o) override;
    QString saveFileName(QWidget *, const FileDialogOptions &o) override;
    // From `fileNames` too; the dialog is recorded with its title as its own.
    QString folderName(QWidget *, const QString &title, const QString &initial) override;
    bool printDialog(QWidget *, QPrinter &printer) override;
    QColor chooseColor(QWidget *, const QColor &) override { return chosenColor; }
    void setClipboardImage(const QImage &image) override {
        clipboardImage = image;
        ++clipboardWrites;
    }
    void setClipboardText(const ClipboardText &t) override {
        clipboardPlain = t.plain;
        clipboardHtml = t.html;
        clipboardRtf = t.rtf;
        ++clipboardWrites;
    }
    bool openUrl(const QString &url) override {
        opened << url;
        return openSucceeds;
    }
    int httpGet(const QString &url, int timeoutMs) override {
        httpRequests << url;
        return realHttp ? qtHttpGet(url, timeoutMs) : httpStatus;
    }
    bool capsLock() override { return caps; }
    void setCapsLock(bool on) override { caps = on; }
    bool numLock() override { return num; }
    void setNumLock(bool on) override { num = on; }
    std::unique_ptr<ChildProcess> startProcess(const QString &program, const QStringList &args,
                                               ProcessEvents events) override;
    QString programFolder() override { return folder; }
    QDate today() override { return date; }
    QString shortDateFormat() override { return dateFormat; }

    bool printAccepted = false;
    QString offeredPdf;  // the PDF file the last print dialog offered
    QString printTo;  // when set, an accepted print goes into this PDF file
    QColor chosenColor;
    bool openSucceeds = true;
};
