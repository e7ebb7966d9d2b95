#include "scriptedplatform.h"

#include <QPrinter>

#include "scriptedprocess.h"


ScriptedPlatform::ScriptedPlatform() { setPlatform(this); }
ScriptedPlatform::~ScriptedPlatform() { setPlatform(nullptr); }

void ScriptedPlatform::information(QWidget *, const QString &t) {
    messages.append({RecordedMessage::Information, t, "OK"});
}
bool ScriptedPlatform::question(QWidget *, const QString &t) {
    messages.append({RecordedMessage::Question, t, "Yes No"});
    return answers.isEmpty() ? false : answers.dequeue();
}
Platform::Answer ScriptedPlatform::questionCancel(QWidget *, const QString &t) {
    messages.append({RecordedMessage::Question, t, "Yes No Cancel"});
    return choices.isEmpty() ? Answer::No : choices.dequeue();
}
void ScriptedPlatform::warning(QWidget *, const QString &t) { messages.append({RecordedMessage::Warning, t, "OK"}); }
void ScriptedPlatform::error(QWidget *, const QString &t) { messages.append({RecordedMessage::Error, t, "OK"}); }

QString ScriptedPlatform::openFileName(QWidget *, const FileDialogOptions &o) {
    dialogs.append(o);
    return fileNames.isEmpty() ? QString() : fileNames.dequeue();
}
QString ScriptedPlatform::saveFileName(QWidget *, const FileDialogOptions &o) {
    dialogs.append(o);
    return fileNames.isEmpty() ? QString() : fileNames.dequeue();
}

QString ScriptedPlatform::folderName(QWidget *, const QString &title, const QString &initial) {
    FileDialogOptions o;
    o.title = title;
    o.initialName = initial;
    dialogs.append(o);
    return fileNames.isEmpty() ? QString() : fileNames.dequeue();
}

std::unique_ptr<ChildProcess> ScriptedPlatform::startProcess(const QString &program, const QStringList &args,
                                                             ProcessEvents events) {
    started << (args.isEmpty() ? program : program + ' ' + args.join(' '));
    auto played = programs.find(program);
    if (played == programs.end()) return Platform::startProcess(program, args, std::move(events));
    auto p = std::make_unique<ScriptedProcess>(program, args, std::move(events));
    played->second(*p);
    return p;
}

bool ScriptedPlatform::printDialog(QWidget *, QPrinter &printer) {
    offeredPdf = printer.outputFileName();
    if (!printTo.isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printTo);
    }
    return printAccepted;
}
