#include "ReportOutputs.h"

#include "BresolanError.h"

void writeReportOutputs(const GridSnapshot &grid, const ReportOptions &options, const QLocale &locale, std::FILE *out)
{
    Q_UNUSED(grid);
    Q_UNUSED(locale);
    Q_UNUSED(out);
    if (options.csvFile || options.xlsFile || options.pdfFile)
        throw BresolanError(QStringLiteral("file outputs are not available yet"));
}
