#pragma once
// The command line of bresolan-report.

#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>

struct ReportOptions
{
    std::optional<QString> configFile; // --config FILE
    std::optional<QString> database;   // --database NAME
    QString from;                      // as the start date field would hold it
    QString to;
    bool all = false;                  // --all: no row filter
    bool tsv = false;                  // --tsv
    std::optional<QString> csvFile;    // --csv FILE ("-" standard output)
    std::optional<QString> xlsFile;    // --xls FILE
    std::optional<QString> pdfFile;    // --pdf FILE
};

QString reportUsage();

// Throws BresolanError with the reason when the command line is wrong. A date given as
// YYYY-MM-DD is rewritten in the regional short date format, so both forms read alike.
ReportOptions parseReportOptions(const QStringList &arguments, const QLocale &locale);
