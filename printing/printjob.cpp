#include "printing/printjob.h"

#include <QBuffer>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPdfWriter>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/fileio.h"
#include "core/workspace.h"
#include "platform/platform.h"
#include "platform/uiutil.h"
#include "printing/printstyle.h"

namespace printing {

QPageLayout defaultLayout() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(5, 5, 5, 5),
                       QPageLayout::Millimeter);
}

void preparePrinter(QPrinter &printer, const QString &title) {
    printer.setPageLayout(defaultLayout());
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setDocName(title);
    if (printer.outputFormat() == QPrinter::PdfFormat) printer.setResolution(kPdfResolution);
}

QString writePdf(const QString &path, const Documents &draw, const QPageLayout &layout,
                 std::vector<QtCanvas::Document> *log) {
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    bool drawn;
    {
        QPdfWriter pdf(&bytes);
        pdf.setResolution(kPdfResolution);
        pdf.setPageLayout(layout);
        pdf.setCreator(QStringLiteral("Vrek"));
        QtCanvas canvas(&pdf);
        drawn = draw(canvas);
        drawn = canvas.finish() && drawn;
        if (log) *log = canvas.log();
        if (drawn && canvas.documents() == 0) return QStringLiteral("Rien à imprimer : aucune page n'a été choisie.");
    }
    if (!drawn) return QStringLiteral("La création du document PDF a échoué.");
    const std::string e = vrek::writeFileAtomic(QFileInfo(path).absoluteFilePath().toStdString(), bytes.data().toStdString());
    return QString::fromStdString(e);
}

void onMeasuringCanvas(const std::function<void(vrek::Canvas &)> &measure, const QPageLayout &layout) {
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&bytes);
    pdf.setResolution(kPdfResolution);
    pdf.setPageLayout(layout);
    QtCanvas canvas(&pdf);
    measure(canvas);
}

QString printOn(QPrinter &printer, const Documents &draw) {
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        if (printer.outputFileName().isEmpty()) return QStringLiteral("Aucun fichier PDF n'a été choisi.");
        return writePdf(printer.outputFileName(), draw, printer.pageLayout());
    }
    QtCanvas canvas(&printer);
    const bool ok = draw(canvas) && canvas.finish();
    if (!ok)
        return QStringLiteral("L'impression a échoué : l'imprimante « %1 » n'est pas disponible ou a refusé le travail.")
            .arg(printer.printerName());
    return {};
}

bool printWithDialog(QWidget *parent, Platform &pf, const QString &title, const Documents &draw,
                     const QString &folder) {
    QPrinter printer(QPrinter::HighResolution);
    preparePrinter(printer, title);
    ui::offerPdfFile(printer, title, folder);
    if (!pf.printDialog(parent, printer)) return false;
    const QString e = printOn(printer, draw);
    if (!e.isEmpty()) pf.error(parent, e);
    return true;
}

void storeColourChoice(vrek::Workspace &ws, Platform &pf, QWidget *parent, int choice) {
    if (ws.settings().imprimante == choice) return;
    ws.settings().imprimante = choice;
    if (!ws.iniFileName().empty()) {
        const std::string e = ws.writeIni([choice](vrek::IniFile &ini) { vrek::writeColourChoice(ini, choice); });
        if (!e.empty()) pf.error(parent, QString::fromStdString(e));
    }
    ws.notify(vrek::ChangeSettings);
}

PrintPreview::PrintPreview(QWidget *parent, const QString &title, Documents draw, std::function<void()> print)
    : QDialog(parent), printer_(new QPrinter(QPrinter::HighResolution)), draw_(std::move(draw)) {
    setObjectName("PrintPreview");
    setWindowTitle(QStringLiteral("Aperçu avant impression : ") + title);
    preparePrinter(*printer_, title);
    printer_->setOutputFormat(QPrinter::PdfFormat);
    printer_->setResolution(kPdfResolution);

    view_ = new QPrintPreviewWidget(printer_, this);
    view_->setObjectName("Pages");
    connect(view_, &QPrintPreviewWidget::paintRequested, this, [this](QPrinter *p) {
        QtCanvas canvas(p, true);
        draw_(canvas);
        canvas.finish();
    });

    auto button = [this](const char *name, const QString &caption) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(name);
        b->setAutoDefault(false);
        return b;
    };
    QPushButton *zoomIn = button("ZoomPlus", QStringLiteral("Zoom &+"));
    QPushButton *zoomOut = button("ZoomMoins", QStringLiteral("Zoom &-"));
    QPushButton *whole = button("PageEntiere", QStringLiteral("&Page entière"));
    QPushButton *width = button("Largeur", QStringLiteral("&Largeur de la page"));
    QPushButton *printButton = button("Imprimer", QStringLiteral("&Imprimer"));
    QPushButton *closeButton = button("Fermer", QStringLiteral("&Fermer"));
    connect(zoomIn, &QPushButton::clicked, view_, [this] { view_->zoomIn(); });
    connect(zoomOut, &QPushButton::clicked, view_, [this] { view_->zoomOut(); });
    connect(whole, &QPushButton::clicked, view_, &QPrintPreviewWidget::fitInView);
    connect(width, &QPushButton::clicked, view_, &QPrintPreviewWidget::fitToWidth);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::close);
    connect(printButton, &QPushButton::clicked, this, [this, print] {
        close();
        if (print) print();
    });

    auto *bar = new QHBoxLayout;
    for (QPushButton *b : {zoomIn, zoomOut, whole, width}) bar->addWidget(b);
    bar->addStretch();
    bar->addWidget(printButton);
    bar->addWidget(closeButton);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(view_, 1);
    resize(820, 960);
    view_->setZoomMode(QPrintPreviewWidget::FitInView);
}

PrintPreview::~PrintPreview() {
    delete view_;
    delete printer_;
}

int PrintPreview::pageCount() const { return view_->pageCount(); }

PrintPreview *showPreview(QWidget *parent, const QString &title, const Documents &draw, std::function<void()> print) {
    auto *p = new PrintPreview(parent, title, draw, std::move(print));
    p->setAttribute(Qt::WA_DeleteOnClose);
    p->setWindowModality(Qt::WindowModal);
    p->show();
    p->view()->updatePreview();
    return p;
}

}  // namespace printing
