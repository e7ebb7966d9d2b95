#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrinter>
#include <QDir>
#include <QUrl>

#include "platform/keylocks.h"
#include "platform/platform.h"

namespace {

// "VRK|*.vrk" -> "VRK (*.vrk *.VRK)": series come from Windows machines with
// either case, and a file dialog here may match names case by case.
QString qtFilter(const QString &filter) {
    QStringList parts = filter.split('|');
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns;
        for (const QString &p : parts[i + 1].split(';', Qt::SkipEmptyParts))
            for (const QString &v : {p, p.toLower(), p.toUpper()})
                if (!patterns.contains(v)) patterns << v;
        out << parts[i] + " (" + patterns.join(' ') + ")";
    }
    return out.join(";;");
}

class QtPlatform : public Platform {
public:
    void information(QWidget *p, const QString &t) override {
        box(p, QMessageBox::Information, QStringLiteral("Information"), t, false);
    }
    bool question(QWidget *p, const QString &t) override {
        return box(p, QMessageBox::Question, QStringLiteral("Confirmation"), t, true);
    }
    Answer questionCancel(QWidget *p, const QString &t) override {
        QMessageBox m(QMessageBox::Question, QStringLiteral("Confirmation"), t, QMessageBox::NoButton, p);
        QAbstractButton *yes = m.addButton(QStringLiteral("&Oui"), QMessageBox::YesRole);
        QAbstractButton *no = m.addButton(QStringLiteral("&Non"), QMessageBox::NoRole);
        QAbstractButton *cancel = m.addButton(QStringLiteral("&Annuler"), QMessageBox::RejectRole);
        m.setDefaultButton(static_cast<QPushButton *>(yes));
        m.setEscapeButton(cancel);
        m.exec();
        if (m.clickedButton() == yes) return Answer::Yes;
        if (m.clickedButton() == no) return Answer::No;
        return Answer::Cancel;
    }
    void warning(QWidget *p, const QString &t) override {
        box(p, QMessageBox::Warning, QStringLiteral("Avertissement"), t, false);
    }
    void error(QWidget *p, const QString &t) override {
        box(p, QMessageBox::Critical, QStringLiteral("Erreur"), t, false);
    }

    QString openFileName(QWidget *p, const FileDialogOptions &o) override {
        QFileDialog d(p, o.title);
        d.setAcceptMode(QFileDialog::AcceptOpen);
        // A new name may be typed: the open dialog also creates series.
        d.setFileMode(o.createPrompt ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
        return run(d, o);
    }
    QString saveFileName(QWidget *p, const FileDialogOptions &o) override {
        QFileDialog d(p, o.title);
        d.setAcceptMode(QFileDialog::AcceptSave);
        d.setFileMode(QFileDialog::AnyFile);
        if (!o.overwritePrompt) d.setOption(QFileDialog::DontConfirmOverwrite);
        return run(d, o);
    }

    bool printDialog(QWidget *p, QPrinter &printer) override {
        QPrintDialog d(&printer, p);
        return d.exec() == QDialog::Accepted;
    }
    QColor chooseColor(QWidget *p, const QColor &initial) override { return QColorDialog::getColor(initial, p); }

    void setClipboardImage(const QImage &image) override { QGuiApplication::clipboard()->setImage(image); }
    void setClipboardText(const ClipboardText &t) override {
        auto *m = new QMimeData;
        if (!t.rtf.isEmpty()) {
            m->setData("text/rtf", t.rtf);
            m->setData("application/rtf", t.rtf);
        }
        if (!t.html.isEmpty()) m->setHtml(t.html);
        m->setText(t.plain);
        QGuiApplication::clipboard()->setMimeData(m);
    }

    bool openUrl(const QString &url) override { return QDesktopServices::openUrl(QUrl(url)); }
    int httpGet(const QString &url, int timeoutMs) override { return qtHttpGet(url, timeoutMs); }

    bool capsLock() override { return keylocks::state(keylocks::Caps); }
    void setCapsLock(bool on) override { keylocks::set(keylocks::Caps, on); }
    bool numLock() override { return keylocks::state(keylocks::Num); }
    void setNumLock(bool on) override { keylocks::set(keylocks::Num, on); }

    QString programFolder() override {
        QString d = QCoreApplication::applicationDirPath();
        return d.endsWith('/') ? d : d + '/';
    }
    QDate today() override { return QDate::currentDate(); }
    QString shortDateFormat() override { return QLocale::system().dateFormat(QLocale::ShortFormat); }

private:
    // A message box with French buttons: "OK", or "Oui" and "Non".
    static bool box(QWidget *p, QMessageBox::Icon icon, const QString &title, const QString &text, bool yesNo) {
        QMessageBox m(icon, title, text, QMessageBox::NoButton, p);
        QAbstractButton *yes = nullptr;
        if (yesNo) {
            yes = m.addButton(QStringLiteral("&Oui"), QMessageBox::YesRole);
            m.addButton(QStringLiteral("&Non"), QMessageBox::NoRole);
            m.setDefaultButton(static_cast<QPushButton *>(yes));
        } else {
            m.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        }
        m.exec();
        return yesNo && m.clickedButton() == yes;
    }

    QString run(QFileDialog &d, const FileDialogOptions &o) {
        d.setNameFilter(qtFilter(o.filter));
        if (!o.defaultSuffix.isEmpty()) d.setDefaultSuffix(o.defaultSuffix);
        if (!o.initialName.isEmpty()) {
            QFileInfo fi(o.initialName);
            if (fi.dir().exists()) d.setDirectory(fi.dir());
            d.selectFile(fi.fileName());
        }
        if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty()) return {};
        QString name = d.selectedFiles().first();
        if (o.createPrompt && d.acceptMode() == QFileDialog::AcceptOpen && !QFileInfo::exists(name)) {
            if (!question(d.parentWidget(), name + "\nCe fichier n'existe pas.\nVoulez-vous le créer ?")) return {};
        }
        return name;
    }
};

QtPlatform &desktop() {
    static QtPlatform p;
    return p;
}
Platform *current = nullptr;

}  // namespace

QString Platform::folderName(QWidget *parent, const QString &title, const QString &initial) {
    return QFileDialog::getExistingDirectory(parent, title, initial);
}

Platform &platform() { return current ? *current : desktop(); }

std::unique_ptr<QCoreApplication> batchApplication() {
    if (QCoreApplication::instance()) return nullptr;
    static int argc = 1;
    static char name[] = "vrek";
    static char *argv[] = {name, nullptr};
    return std::make_unique<QCoreApplication>(argc, argv);
}
void setPlatform(Platform *p) { current = p; }
