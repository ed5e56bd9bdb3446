#pragma once
// bresolan-report's work: attach as the window does, run the visit-count query once, and
// write the grid as text and to the requested files.

#include <QLocale>
#include <QString>
#include <QStringList>

#include <cstdio>

enum ReportExitCode { ReportDone = 0, ReportBadCommandLine = 1, ReportOpenFailed = 2, ReportQueryFailed = 3, ReportOutputFailed = 4 };

int runReportCommand(const QStringList &arguments, const QString &programFolder, const QLocale &locale,
                     std::FILE *out, std::FILE *err);
