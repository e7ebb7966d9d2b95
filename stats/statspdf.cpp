#include "stats/statspdf.h"

#include <QFile>
#include <QLocale>
#include <QPrinter>
#include <QTemporaryDir>

#include "core/cp1252.h"
#include "core/fileio.h"
#include "platform/qtcanvas.h"
#include "stats/statsprint.h"

bool printStatisticsOn(QPrinter &printer, const vrek::stats::Statistics &st, const QString &caption,
                       const std::function<void(vrek::Canvas &)> &lastPage) {
    printer.setPageOrientation(QPageLayout::Portrait);
    QtCanvas canvas(&printer);
    return vrek::stats::printStatistics(canvas, st, caption.toStdString(), lastPage);
}

bool writeStatisticsPdf(const QString &path, const vrek::Series &series, vrek::stats::Mode mode, QString *error) {
    auto fail = [error](const QString &why) {
        if (error) *error = why;
        return false;
    };
    using namespace vrek::stats;
    const Statistics st = computeStatistics(series, mode, QLocale().decimalPoint().toStdString());
    const std::string caption = captionFor(mode, vrek::cp1252ToUtf8(series.line(0)));

    // The printer writes a scratch file; the target is replaced in one step.
    QTemporaryDir scratch;
    if (!scratch.isValid()) return fail(QStringLiteral("Impossible de créer un fichier temporaire."));
    const QString tmp = scratch.filePath(QStringLiteral("stats.pdf"));
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(tmp);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setPageOrientation(QPageLayout::Portrait);
        QtCanvas canvas(&printer);
        if (!printStatistics(canvas, st, caption))
            return fail(QStringLiteral("Impossible d'écrire le fichier ") + path);
    }
    QFile f(tmp);
    if (!f.open(QIODevice::ReadOnly)) return fail(QStringLiteral("Impossible d'écrire le fichier ") + path);
    const QByteArray bytes = f.readAll();
    const std::string err = vrek::writeFileAtomic(path.toStdString(), bytes.toStdString());
    if (!err.empty()) return fail(QString::fromStdString(err));
    return true;
}
