// Where the printouts go: the desktop's printer (one print job per
// document), a PDF file (one file for the whole run, written atomically) or
// the preview window. The drawing itself is the logic's.
#pragma once
#include <QDialog>
#include <QPageLayout>
#include <QString>
#include <functional>
#include <vector>

#include "platform/qtcanvas.h"

class QPrinter;
class QPrintPreviewWidget;
class Platform;
namespace vrek {
class Workspace;
}

namespace printing {

// Draws the documents of a run on the canvas; false when the canvas failed.
using Documents = std::function<bool(vrek::Canvas &)>;

// PDF files are drawn at a printer's usual resolution, so that the few
// sizes given in pixels (pen widths) look as they do on paper.
constexpr int kPdfResolution = 600;

// A4 portrait with 5 mm margins, the layout of the PDF files.
QPageLayout defaultLayout();
// A printer ready for the print dialog: that layout, the job's title.
void preparePrinter(QPrinter &printer, const QString &title);

// Draws the run into one PDF file (a page per page of every document) and
// puts it in place atomically. Returns "" or a French message; `log`
// receives each document's title and pages.
QString writePdf(const QString &path, const Documents &draw, const QPageLayout &layout = defaultLayout(),
                 std::vector<QtCanvas::Document> *log = nullptr);

// Runs `measure` on a canvas laid out as the PDF files are but drawn on by
// nothing: what a printout would take, before it is printed.
void onMeasuringCanvas(const std::function<void(vrek::Canvas &)> &measure, const QPageLayout &layout = defaultLayout());

// Prints the run on the printer the print dialog accepted: a PDF file when
// the dialog chose one, else one job per document. Returns "" or a French message.
QString printOn(QPrinter &printer, const Documents &draw);

// The whole "&Imprimer" of a print dialog: the print dialog, then the
// printing; failures are reported. Returns whether the dialog was accepted.
// A PDF chosen in the dialog is offered in `folder` (the series' folder).
bool printWithDialog(QWidget *parent, Platform &pf, const QString &title, const Documents &draw,
                     const QString &folder = {});

// Stores the colour choice shared by the print dialogs in the model and in
// vrek.ini (when it changed); a failed write is reported.
void storeColourChoice(vrek::Workspace &ws, Platform &pf, QWidget *parent, int choice);

// The pages on screen before printing. "&Imprimer" closes it and runs `print`.
class PrintPreview : public QDialog {
    Q_OBJECT
public:
    PrintPreview(QWidget *parent, const QString &title, Documents draw, std::function<void()> print);
    ~PrintPreview() override;
    QPrintPreviewWidget *view() const { return view_; }
    int pageCount() const;

private:
    QPrinter *printer_;
    QPrintPreviewWidget *view_;
    Documents draw_;
};

// Opens the preview of a run over `parent` (window-modal, deleted on close).
PrintPreview *showPreview(QWidget *parent, const QString &title, const Documents &draw, std::function<void()> print);

}  // namespace printing
