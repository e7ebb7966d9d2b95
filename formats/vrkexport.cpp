#include "formats/vrkexport.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

#include "platform/platform.h"
#include "core/workspace.h"
#include "core/fileio.h"
#include "formats/exports.h"

using namespace vrek;

namespace {

QString qs(const std::string &utf8) { return QString::fromStdString(utf8); }

// The path the closing messages show.
QString fullPath(const QString &name) { return QDir::toNativeSeparators(QFileInfo(name).absoluteFilePath()); }

constexpr int kBoxW = 70, kBoxH = 18;
constexpr int kPanelW = 2 * kBoxW + 12, kPanelH = 16 * kBoxH + 10;

}  // namespace

TVrekexpot::TVrekexpot(vrek::Workspace &ws, Platform &pf, QWidget *parent) : QDialog(parent), ws_(ws), pf_(pf) {
    setObjectName("Vrekexpot");
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowContextHelpButtonHint);
    setProperty("HelpContext", 8);

    // Three panels of 32 boxes, two columns of 16 each.
    const char *panelNames[3] = {"Panel1", "Panel3", "Panel4"};
    QFrame *panels[3];
    for (int p = 0; p < 3; ++p) {
        panels[p] = new QFrame(this);
        panels[p]->setObjectName(panelNames[p]);
        panels[p]->setFrameShape(QFrame::StyledPanel);
        panels[p]->setGeometry(8 + p * (kPanelW + 8), 8, kPanelW, kPanelH);
    }
    Panel1 = panels[0];
    Panel3 = panels[1];
    Panel4 = panels[2];
    for (int n = 1; n <= kBoards; ++n) {
        const int k = (n - 1) % 32;
        auto *b = new QCheckBox(qs(boxCaption(n)), panels[(n - 1) / 32]);
        b->setObjectName(QString("Main%1").arg(n));
        b->setToolTip(QStringLiteral("Choisir les mains à exporter"));
        b->setGeometry(6 + (k / 16) * kBoxW, 5 + (k % 16) * kBoxH, kBoxW, kBoxH);
        Main[n - 1] = b;
    }

    auto button = [this](const char *name, const QString &caption, int x, int y, int w) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(name);
        b->setGeometry(x, y, w, 25);
        b->setAutoDefault(false);
        return b;
    };
    // Each panel's own pair of buttons under it.
    const int under = 8 + kPanelH + 6;
    const int x2 = 8 + kPanelW + 8, x3 = 8 + 2 * (kPanelW + 8);
    Select1 = button("Select1", QStringLiteral("Selectionner"), x2, under, kPanelW);
    Deselect1 = button("Deselect1", QStringLiteral("Désélectionner"), x2, under + 30, kPanelW);
    Select2 = button("Select2", QStringLiteral("Selectionner"), x3, under, kPanelW);
    Deselect2 = button("Deselect2", QStringLiteral("Désélectionner"), x3, under + 30, kPanelW);

    const int xr = x3 + kPanelW + 12, wr = 210;
    Selection = button("Selection", QStringLiteral("&Selectionner toutes les mains"), xr, 8, wr);
    Deselection = button("Deselection", QStringLiteral("&Désélectionner toutes les mains"), xr, 40, wr);

    Complete = new QGroupBox(QStringLiteral("Numérotation "), this);
    Complete->setObjectName("Complete");
    Complete->setGeometry(xr, 84, wr, 76);
    const char *items[2] = {"à partir de  1", "à partir de 97"};
    for (int i = 0; i < 2; ++i) {
        CompleteItem[i] = new QRadioButton(QString::fromUtf8(items[i]), Complete);
        CompleteItem[i]->setObjectName(QString("Complete%1").arg(i));
        CompleteItem[i]->setGeometry(12, 24 + i * 22, wr - 24, 20);
        connect(CompleteItem[i], &QRadioButton::clicked, this, [this] { completeClick(); });
    }
    CompleteItem[0]->setChecked(true);

    AvecAnalyse = new QCheckBox(QStringLiteral("Avec l'analyse au double mort"), this);
    AvecAnalyse->setObjectName("AvecAnalyse");
    AvecAnalyse->setGeometry(xr, 168, wr, 22);

    Exporte = button("Exporte", qs(exportButtonCaption(Numbering::FromOne)), xr, under, wr);
    Annule = button("Annule", QStringLiteral("&Annuler"), xr, under + 30, wr);
    setFixedSize(xr + wr + 8, under + 30 + 25 + 8);

    connect(Selection, &QPushButton::clicked, this, [this] { selectionClick(SelectionButton::Selection); });
    connect(Deselection, &QPushButton::clicked, this, [this] { selectionClick(SelectionButton::Deselection); });
    connect(Select1, &QPushButton::clicked, this, [this] { selectionClick(SelectionButton::Select1); });
    connect(Deselect1, &QPushButton::clicked, this, [this] { selectionClick(SelectionButton::Deselect1); });
    connect(Select2, &QPushButton::clicked, this, [this] { selectionClick(SelectionButton::Select2); });
    connect(Deselect2, &QPushButton::clicked, this, [this] { selectionClick(SelectionButton::Deselect2); });
    connect(Exporte, &QPushButton::clicked, this, [this] { exporteClick(); });
    connect(Annule, &QPushButton::clicked, this, &QDialog::hide);
}

void TVrekexpot::Baco1Click(ExportMenuItem item) {
    if (!ws_.fileOpen()) return;
    setWindowTitle(qs(exportDialogCaption(ws_.seriesFileName(), item)));
    // The series may have changed since the last showing: the boxes follow it.
    activate();
    const auto f = formatTag();
    AvecAnalyse->setVisible(f && (*f == ExportFormat::PbnAll || *f == ExportFormat::PbnBoth));
    show();
    raise();
    activateWindow();
}

void TVrekexpot::activate() {
    const vrek::Selection complete = completeBoards(ws_.series());
    const vrek::Selection chosen = openingSelection(ws_.series(), ws_.settings().nombreDonnes);
    for (int n = 1; n <= kBoards; ++n) {
        Main[n - 1]->setEnabled(complete[n - 1]);
        Main[n - 1]->setChecked(chosen[n - 1]);
    }
    completeClick();
}

vrek::Selection TVrekexpot::selection() const {
    vrek::Selection sel{};
    for (int n = 1; n <= kBoards; ++n) sel[n - 1] = Main[n - 1]->isChecked();
    return sel;
}

Numbering TVrekexpot::numbering() const {
    return CompleteItem[1]->isChecked() ? Numbering::From97 : Numbering::FromOne;
}

std::optional<ExportFormat> TVrekexpot::formatTag() const { return formatOfCaption(windowTitle().toStdString()); }

void TVrekexpot::selectionClick(SelectionButton b) {
    vrek::Selection sel = selection();
    applySelectionButton(b, ws_.series(), sel);
    for (int n = 1; n <= kBoards; ++n) Main[n - 1]->setChecked(sel[n - 1]);
}

void TVrekexpot::completeClick() { Exporte->setText(qs(exportButtonCaption(numbering()))); }

void TVrekexpot::exporteClick() {
    if (auto f = formatTag()) runExport(*f);
    hide();
}

void TVrekexpot::runExport(ExportFormat f) {
    const vrek::Selection sel = selection();
    if (exportsNothing(f, sel)) return;
    // The dialog stays open while the series changes: a deal may have lost cards.
    if (auto bad = incompleteBoards(f, ws_.series(), sel); !bad.empty()) {
        pf_.error(this, qs(incompleteMessage(bad)));
        return;
    }

    ExportOptions opt;
    opt.numbering = numbering();
    if (asksRotation(f)) opt.rotate = pf_.question(this, qs(rotationQuestion()));
    opt.date = pf_.today().toString(QStringLiteral("yyyy.MM.dd")).toStdString();

    const QString defaultName = qs(defaultExportName(ws_.seriesFileName(), f));
    const QString suffix = QFileInfo(defaultName).suffix();
    const bool append = appendsTo(f, opt.numbering);
    QString target;
    if (append) {
        FileDialogOptions o;
        o.title = qs(openDialogTitle());
        o.defaultSuffix = suffix;
        o.filter = qs(openFilter(f));
        o.initialName = defaultName;
        target = pf_.openFileName(this, o);
        if (target.isEmpty()) return;
        if (std::string why = overwritesSeries(ws_.seriesFileName(), target.toStdString()); !why.empty()) {
            pf_.error(this, qs(why));
            return;
        }
        std::string err;
        switch (readWholeFile(target.toStdString(), opt.existing, err, kMaxTextFileSize)) {
        case ReadStatus::Ok: break;
        case ReadStatus::Missing:
            pf_.error(this, QStringLiteral("Le fichier à compléter n'existe pas : ") + fullPath(target));
            return;
        case ReadStatus::Failed: pf_.error(this, qs(err)); return;
        }
        opt.existingName = fullPath(target).toStdString();
    }

    std::map<int, DealAnalysis> analysis;
    if (!AvecAnalyse->isHidden() && AvecAnalyse->isChecked() && (f == ExportFormat::PbnAll || f == ExportFormat::PbnBoth)) {
        std::vector<int> boards;
        for (int n = 1; n <= kBoards; ++n)
            if (sel[n - 1]) boards.push_back(n);
        if (!analyse || !analyse(boards, analysis)) return;
        opt.analysis = &analysis;
    }

    // The whole file is built before anything is asked or written.
    const ExportOutput out = exportSeries(f, ws_.series(), sel, opt);
    if (!out.error.empty()) {
        pf_.information(this, qs(out.error));
        return;
    }
    if (out.nothing) return;

    if (!append) {
        FileDialogOptions o;
        o.title = qs(saveDialogTitle(out.count));
        o.defaultSuffix = suffix;
        o.filter = qs(saveFilter(f));
        o.initialName = defaultName;
        o.overwritePrompt = false;
        target = pf_.saveFileName(this, o);
        if (target.isEmpty()) return;
        if (std::string why = overwritesSeries(ws_.seriesFileName(), target.toStdString()); !why.empty()) {
            pf_.error(this, qs(why));
            return;
        }
    }
    const std::string written = writeFileAtomic(target.toStdString(), out.bytes);
    if (!written.empty()) {
        pf_.error(this, qs(written));
        return;
    }
    const std::string path = fullPath(target).toStdString();
    pf_.information(this, qs(append ? appendMessage(out.count, path) : newFileMessage(out.count, path)));
}

void TVrekexpot::showEvent(QShowEvent *e) {
    QDialog::showEvent(e);
    if (centred_) return;
    centred_ = true;
    if (QScreen *s = screen()) move(s->availableGeometry().center() - rect().center());
}
