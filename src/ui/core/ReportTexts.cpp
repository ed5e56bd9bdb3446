#include "ReportTexts.h"

#include "DateText.h"

#include <QRegularExpression>

QString reportTitle(const QString &caption, const QString &startText, const QString &endText)
{
    return caption + QChar(u'\r') + QStringLiteral("Date Range: ") + startText + QStringLiteral(" through ") + endText;
}

QStringList reportTitleLines(const QString &title)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    return title.split(lineBreak);
}

QString pageOfPagesText(int page, int pageCount)
{
    return QStringLiteral("%1 Of %2").arg(page).arg(pageCount);
}

namespace {

// True when the locale writes hours with two digits ("HH:mm", "hh:mm AP"); quoted literal
// text in the format is not looked at.
bool padsHours(const QString &timeFormat)
{
    bool quoted = false;
    for (qsizetype i = 0; i < timeFormat.size(); ++i) {
        const QChar c = timeFormat.at(i);
        if (c == u'\'') {
            quoted = !quoted;
        } else if (!quoted && (c == u'h' || c == u'H')) {
            return i + 1 < timeFormat.size() && timeFormat.at(i + 1) == c;
        }
    }
    return false;
}

} // namespace

QString printedTimeFormat(const QLocale &locale)
{
    const bool padded = locale.language() != QLocale::C && padsHours(locale.timeFormat(QLocale::ShortFormat));
    return padded ? QStringLiteral("hh:mm AP") : QStringLiteral("h:mm AP");
}

QString printedDateTimeText(const QDateTime &printed, const QLocale &locale)
{
    return formatShortDate(printed.date(), locale) + u' ' + locale.toString(printed.time(), printedTimeFormat(locale));
}
