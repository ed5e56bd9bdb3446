#pragma once
// The names an export works with: the name proposed in the save dialog, the file types it
// offers, the file the workbook is written to, and the worksheet's name.

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>

// "Bresolan_" + start date + "_" + end date, each as YYYYMMDD; "00000000" for an empty field.
QString proposedExportName(const std::optional<QDate> &start, const std::optional<QDate> &end);

// The save dialog's file types, in the order the dialog offers them: index 1 is the workbook,
// any other index the delimited text.
inline constexpr int kWorkbookFileType = 1;
QStringList exportNameFilters();
// Turns a filter of the form "description|mask|description|mask" into Qt's name filters,
// "description (mask)", keeping each description as it is.
QStringList nameFiltersFromPairs(const QString &filter);

// The extension of a path: the part from the last "." after the last "/", "\" or ":"; empty
// when there is none.
QString pathExtension(const QString &path);
// The chosen path with its extension replaced by ".xls", or ".xls" appended when it has none.
QString workbookPathFor(const QString &chosen);
// The file name without folder and extension: "C:\out\report.xls" gives "report".
QString pathBaseName(const QString &path);
