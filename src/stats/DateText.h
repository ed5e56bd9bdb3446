#pragma once
// Dates as the date fields show them: the user's short date format with a four-digit year,
// and the reading of such a text back into the value a query parameter takes.

#include <optional>

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QString>

// The locale's short date format with the year widened to four digits ("M/d/yy" becomes
// "M/d/yyyy"). The C locale uses United States conventions: "M/d/yyyy".
QString shortDateFormat(const QLocale &locale);

// The date in shortDateFormat(locale), e.g. "10/1/2010" for the United States; empty for a
// null date.
QString formatShortDate(const QDate &date, const QLocale &locale);

// Reads a date field's text: a date in the order and with the separator of the locale's
// short date format, optionally followed by a time of day ("H:mm" or "H:mm:ss", with the
// locale's AM/PM designator if any). Without a time the time is 00:00:00.
//
// - Empty text gives std::nullopt (the parameter becomes NULL).
// - Day and month take one or two digits; the year four digits, or one or two digits that
//   fall in 1930–2029 (the two-digit-year window of Windows' regional settings).
// - Blanks before, after and around the separators are accepted.
// - The result carries the date and time as typed, in Qt::UTC: no time zone applies, and
//   UTC has no daylight-saving gap that could move a midnight. Callers read only the date
//   and time fields.
//
// Anything else throws BresolanError "'<text>' is not a valid date and time".
std::optional<QDateTime> parseDateText(const QString &text, const QLocale &locale);
