#include "app/bundlepdf.h"

#include "printing/printjob.h"

vrek::bundle::PdfWriter bundlePdfWriter() {
    return [](const std::string &path, const std::function<bool(vrek::Canvas &)> &draw, int &pages) {
        std::vector<QtCanvas::Document> log;
        const QString e = printing::writePdf(QString::fromStdString(path), draw, printing::defaultLayout(), &log);
        pages = 0;
        for (const QtCanvas::Document &d : log) pages += d.pages;
        return e.toStdString();
    };
}
