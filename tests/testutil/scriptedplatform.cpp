#include "scriptedplatform.h"

#include <QPrinter>


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

// Real processes: tests of the solver dialogue run real (or fake) programs.
ProcessResult ScriptedPlatform::runProcess(const QString &program, const QStringList &args, const QByteArray &input,
                                           int timeoutMs, const std::function<bool(const QByteArray &)> &onOutput) {
    return runQtProcess(program, args, input, timeoutMs, onOutput);
}

bool ScriptedPlatform::printDialog(QWidget *, QPrinter &printer) {
    if (!printTo.isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printTo);
    }
    return printAccepted;
}
