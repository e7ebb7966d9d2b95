#include "formats/vrkImport.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

#include "platform/platform.h"
#include "core/workspace.h"
#include "formats/exportselection.h"
#include "formats/importer.h"

using namespace vrek;

namespace {
QFrame *boxPanel(QWidget *parent, const char *name, int x) {
    auto *f = new QFrame(parent);
    f->setObjectName(name);
    f->setFrameShape(QFrame::Panel);
    f->setFrameShadow(QFrame::Raised);
    f->setGeometry(x, 8, 156, 334);
    return f;
}

QString text(const std::string &utf8) { return QString::fromStdString(utf8); }
}  // namespace

TVrkFImport::TVrkFImport(vrek::Workspace &ws, Platform &pf, QWidget *parent) : QDialog(parent), ws_(ws), pf_(pf) {
    setObjectName("VrkFImport");
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(700, 350);

    Panel1 = boxPanel(this, "Panel1", 8);
    Panel3 = boxPanel(this, "Panel3", 170);
    Panel4 = boxPanel(this, "Panel4", 332);
    for (int b = 1; b <= kBoards; ++b) {
        QFrame *p = b <= 32 ? Panel1 : b <= 64 ? Panel3 : Panel4;
        const int i = (b - 1) % 32;
        auto *c = new QCheckBox(text(boxCaption(b)), p);
        c->setObjectName(QString("Main%1").arg(b));
        c->setGeometry(6 + (i / 16) * 74, 4 + (i % 16) * 20, 72, 20);
        Main[b - 1] = c;
    }

    Selection = new QPushButton(QStringLiteral("&Selectionner toutes les mains"), this);
    Selection->setObjectName("Selection");
    Selection->setGeometry(496, 8, 196, 28);
    Deselection = new QPushButton(QStringLiteral("&Désélectionner toutes les mains"), this);
    Deselection->setObjectName("Deselection");
    Deselection->setGeometry(496, 42, 196, 28);

    Panel2 = new QFrame(this);
    Panel2->setObjectName("Panel2");
    Panel2->setFrameShape(QFrame::Panel);
    Panel2->setFrameShadow(QFrame::Raised);
    Panel2->setGeometry(496, 84, 196, 150);
    Label1 = new QLabel(QStringLiteral("Importer à"), Panel2);
    Label1->setObjectName("Label1");
    Label1->setGeometry(10, 8, 176, 20);
    Label2 = new QLabel(QStringLiteral("Partir de"), Panel2);
    Label2->setObjectName("Label2");
    Label2->setGeometry(10, 32, 176, 20);
    Label3 = new QLabel(QStringLiteral("la position"), Panel2);
    Label3->setObjectName("Label3");
    Label3->setGeometry(10, 56, 176, 20);
    SpEd_Insertion = new QSpinBox(Panel2);
    SpEd_Insertion->setObjectName("SpEd_Insertion");
    SpEd_Insertion->setRange(1, kBoards);
    SpEd_Insertion->setGeometry(10, 84, 80, 26);

    VerifAnalyse = new QCheckBox(QStringLiteral("Vérifier au double mort l'analyse du fichier"), this);
    VerifAnalyse->setObjectName("VerifAnalyse");
    VerifAnalyse->setGeometry(8, 348, 480, 24);
    VerifAnalyse->setToolTip(QStringLiteral("Sans cette case, l'analyse que donne le fichier est reprise telle quelle"));
    VerifAnalyse->hide();

    Importe = new QPushButton(QStringLiteral("I&mporter"), this);
    Importe->setObjectName("Importe");
    Importe->setGeometry(496, 246, 196, 30);
    Annule = new QPushButton(QStringLiteral("&Annuler"), this);
    Annule->setObjectName("Annule");
    Annule->setGeometry(496, 284, 196, 30);

    connect(Selection, &QPushButton::clicked, this, [this] { selectionClick(); });
    connect(Deselection, &QPushButton::clicked, this, [this] { deselectionClick(); });
    connect(Importe, &QPushButton::clicked, this, [this] { importeClick(); });
    connect(Annule, &QPushButton::clicked, this, &QDialog::hide);
}

QStringList TVrkFImport::menuItems(bool insert) {
    QStringList l;
    for (const ImportItem &m : importMenu(insert)) l << QString::fromLatin1(m.name);
    return l;
}

void TVrkFImport::HundyDup1Click(const QString &item) { openFor(false, item); }
void TVrkFImport::HundyDup1InsertClick(const QString &item) { openFor(true, item); }

void TVrkFImport::openFor(bool insert, const QString &item) {
    if (!ws_.fileOpen()) return;
    const FormatDescriptor *m = descriptorOfImportItem(item.toStdString(), insert);
    if (!m) return;
    FileDialogOptions o;
    o.title = QStringLiteral("Ouverture d'un fichier de donnes");
    o.defaultSuffix = QString::fromLatin1(m->imports->suffix);
    o.filter = QString::fromLatin1(m->imports->filter);
    o.initialName = QString::fromStdString(ws_.workingFileName());
    const QString name = pf_.openFileName(parentWidget(), o);
    if (name.isEmpty()) return;
    setTag(insert ? ws_.currentDeal() : 0);
    setWindowTitle(text(importDialogCaption(insert, name.toStdString())));
    // Centred on the main window.
    if (parentWidget()) move(parentWidget()->geometry().center() - rect().center());
    show();
    raise();
    activate();
}

QString TVrkFImport::fileName() const {
    return text(fileOfImportCaption(inserting(), windowTitle().toStdString()));
}

void TVrkFImport::refuse(const QString &message) {
    pf_.error(this, message);
    hide();
}

void TVrkFImport::activate() {
    for (QPushButton *b : {Selection, Importe, Deselection}) b->setEnabled(false);
    if (inserting()) {
        SpEd_Insertion->setValue(tag_);
        SpEd_Insertion->setEnabled(true);
        Panel2->setEnabled(true);
        Label1->setText(QStringLiteral("Insérer à"));
        Importe->setText(QStringLiteral("I&nsert"));
    } else {
        SpEd_Insertion->setValue(1);
        SpEd_Insertion->setEnabled(false);
        Panel2->setEnabled(false);
        Label1->setText(QStringLiteral("Importer à"));
        Importe->setText(QStringLiteral("I&mporter"));
    }
    available_.fill(false);
    derivedName_.clear();
    for (QCheckBox *c : Main) {
        c->setChecked(false);
        c->setEnabled(false);
    }

    const std::string file = fileName().toStdString();
    const auto format = importFormatOf(file);
    if (!format) {
        refuse(text("Le fichier " + file + " n'est pas d'un type connu : l'extension doit être " +
                    importExtensionsText() + "."));
        return;
    }
    if (std::string why = modeRefusal(*format, inserting()); !why.empty()) {
        refuse(text(why));
        return;
    }
    ImportScan scan = scanImportFile(*format, file);
    if (!scan.error.empty()) {
        refuse(text(scan.error));
        return;
    }
    if (scan.empty) {
        pf_.question(this, text(emptyFileMessage()));  // either answer only closes it
        hide();
        return;
    }
    // Only a PBN file carries analyses; the dialog grows for the box.
    VerifAnalyse->setVisible(*format == ImportFormat::Pbn);
    setFixedSize(700, VerifAnalyse->isHidden() ? 350 : 378);
    available_ = scan.available;
    for (int b = 1; b <= kBoards; ++b)
        if (available_[b - 1]) {
            Main[b - 1]->setChecked(true);
            Main[b - 1]->setEnabled(true);
        }
    derivedName_ = text(derivedSeriesName(file));
    for (QPushButton *b : {Selection, Importe, Deselection}) b->setEnabled(true);
}

void TVrkFImport::deselectionClick() {
    for (int b = 1; b <= kBoards; ++b) {
        Main[b - 1]->setEnabled(available_[b - 1]);
        Main[b - 1]->setChecked(false);
    }
}

void TVrkFImport::selectionClick() {
    deselectionClick();
    for (int b = 1; b <= kBoards; ++b)
        if (available_[b - 1]) Main[b - 1]->setChecked(true);
}

void TVrkFImport::importeClick() {
    if (derivedName_.isEmpty() || !ws_.fileOpen()) return;
    const std::string file = fileName().toStdString();
    const auto format = importFormatOf(file);
    if (!format) return;
    vrek::Selection checked{};
    for (int b = 1; b <= kBoards; ++b) checked[b - 1] = Main[b - 1]->isChecked();

    ImportRequest r;
    r.format = *format;
    r.file = file;
    r.boards = chosenBoards(available_, checked);
    r.insertAt = inserting() ? SpEd_Insertion->value() : 0;
    r.title = importTitle(file);

    const std::string current = ws_.seriesFileName();
    if (!inserting()) {
        // An existing file other than the open series is never replaced unasked.
        const std::string ask = replaceQuestion(file, current);
        if (!ask.empty() && !pf_.question(this, text(ask))) return;
    }
    if (!inserting() && ws_.modified()) {
        // The import replaces the series: unsaved changes are offered a save
        // first; cancelling or a failed save stops the import.
        switch (pf_.questionCancel(this, text(saveQuestion(current)))) {
        case Platform::Answer::Cancel: return;
        case Platform::Answer::No: break;
        case Platform::Answer::Yes:
            if (const std::string e = ws_.save(); !e.empty()) {
                pf_.error(this, text(e));
                return;
            }
        }
    }
    Series next = ws_.series();
    ImportResult res = importDeals(next, r);
    if (!res.ok()) {
        pf_.error(this, text(res.error));
        return;
    }
    hide();
    if (inserting()) {
        ws_.edit(ChangeSeries, [&](Series &s) { s = std::move(next); });
        ws_.rename(current, importedCaption(current));
        ws_.setCurrentDeal(r.insertAt);
    } else {
        const std::string name = importedSeriesName(file, current);
        ws_.replace(std::move(next), name, importedCaption(name));
        ws_.setCurrentDeal(1);
    }
    if (const std::string report = importReport(res, file, inserting()); !report.empty())
        pf_.information(parentWidget(), text(report));
    if (res.analyses.empty()) return;
    const bool check = !VerifAnalyse->isHidden() && VerifAnalyse->isChecked();
    if (check && checkAnalyses) checkAnalyses(res.analyses);
    else if (!check && keepAnalyses) keepAnalyses(res.analyses);
}
