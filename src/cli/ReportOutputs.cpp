#include "ReportOutputs.h"

#include "BresolanError.h"
#include "ReportRenderer.h"

#include <QDateTime>

void writeReportOutputs(const GridSnapshot &grid, const ReportOptions &options, const QLocale &locale, std::FILE *out)
{
    Q_UNUSED(out);
    if (options.csvFile || options.xlsFile)
        throw BresolanError(QStringLiteral("file outputs are not available yet"));
    if (options.pdfFile)
        writeReportPdf(grid, reportTitle(QStringLiteral("Bresolan"), options.from, options.to),
                       QDateTime::currentDateTime(), locale, *options.pdfFile);
}
