#include "ReportCommand.h"

#include "BresolanError.h"
#include "DatabaseConnection.h"
#include "ErrorReport.h"
#include "RefreshResults.h"
#include "ReportOptions.h"
#include "ReportOutputs.h"
#include "ResultsTable.h"
#include "StartupSequence.h"
#include "TextTable.h"
#include "VisitQuery.h"

namespace {

void print(std::FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
}

// Attaches to the configured or the given database; the failure's text, if any.
std::optional<QString> openDatabase(DatabaseConnection &connection, const ReportOptions &options,
                                    const QString &programFolder)
{
    if (!options.database)
        return openPracticeDatabase(connection, options.configFile.value_or(configurationPath(programFolder)));
    try {
        connection.setDatabaseName(*options.database);
        connection.connect();
    } catch (const BresolanError &e) {
        return e.message();
    }
    return std::nullopt;
}

} // namespace

int runReportCommand(const QStringList &arguments, const QString &programFolder, const QLocale &locale,
                     std::FILE *out, std::FILE *err)
{
    if (arguments.contains(QStringLiteral("--help"))) {
        print(out, reportUsage());
        return ReportDone;
    }
    ReportOptions options;
    try {
        options = parseReportOptions(arguments, locale);
    } catch (const BresolanError &e) {
        print(err, QStringLiteral("bresolan-report: %1\n\n%2").arg(e.message(), reportUsage()));
        return ReportBadCommandLine;
    }

    DatabaseConnection connection;
    if (const auto failure = openDatabase(connection, options, programFolder)) {
        print(err, openingFailedText() + u'\n' + *failure + u'\n');
        return ReportOpenFailed;
    }

    ResultsTable table;
    table.setLocale(locale);
    if (!options.all)
        installRenderedVisitFilter(table.filter());
    VisitQuery query(connection);
    try {
        refreshResults(query, options.from, options.to, locale);
    } catch (const BresolanError &e) {
        print(err, errorReportText(e.message()) + u'\n');
        return ReportQueryFailed;
    }
    table.setRows(query.rows());
    const GridSnapshot grid = table.snapshot();

    try {
        writeReportOutputs(grid, options, locale, out);
    } catch (const BresolanError &e) {
        print(err, errorReportText(e.message()) + u'\n');
        return ReportOutputFailed;
    }
    const bool stdoutTaken = options.csvFile == QStringLiteral("-");
    if (!stdoutTaken)
        print(out, options.tsv ? tabSeparatedText(grid) : alignedText(grid));
    std::fflush(out);
    if (std::ferror(out)) {
        print(err, QStringLiteral("bresolan-report: standard output could not be written\n"));
        return ReportOutputFailed;
    }
    return ReportDone;
}
