#pragma once
// The texts of the printed report that do not come from the grid: the two-line title and the
// page header and footer fields.

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QStringList>

// The report title: the window caption, a lone carriage return (no line feed), then
// "Date Range: <start> through <end>" with the two date fields' texts as shown.
QString reportTitle(const QString &caption, const QString &startText, const QString &endText);

// The title's printed lines: the text broken at each carriage return (a CR LF pair or a lone
// line feed also ends a line).
QStringList reportTitleLines(const QString &title);

// "[Page # of Pages #]": "2 Of 3".
QString pageOfPagesText(int page, int pageCount);

// The time format of "[Date & Time Printed]": hours, ":mm", a space and the AM/PM designator;
// the hours are padded ("hh") when the locale's own time format pads them. The C locale
// follows United States conventions ("h:mm AP").
QString printedTimeFormat(const QLocale &locale);

// "[Date & Time Printed]": the short date with a four-digit year, a space and the time,
// e.g. "12/31/2010 3:05 PM" with United States settings.
QString printedDateTimeText(const QDateTime &printed, const QLocale &locale);
