#include "ReportOutputs.h"

#include "CsvWriter.h"
#include "ExportFiles.h"
#include "ReportRenderer.h"

#include <QDateTime>

void writeReportOutputs(const GridSnapshot &grid, const ReportOptions &options, const QLocale &locale, std::FILE *out)
{
    if (options.csvFile == QStringLiteral("-")) {
        const QByteArray bytes = csvBytes(grid);
        std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), out);
    } else if (options.csvFile) {
        exportCsv(grid, *options.csvFile);
    }
    if (options.xlsFile)
        exportWorkbook(grid, *options.xlsFile);
    if (options.pdfFile)
        writeReportPdf(grid, reportTitle(QStringLiteral("Bresolan"), options.from, options.to),
                       QDateTime::currentDateTime(), locale, *options.pdfFile);
}
