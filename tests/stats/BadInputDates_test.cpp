// Date field texts with control characters, broken UTF-16, signs and runs of digits: each is
// refused with the date error, the text quoted as it was typed.
#include "BresolanError.h"
#include "DateText.h"

#include <gtest/gtest.h>

namespace {

QString withChar(const char *before, char16_t c, const char *after)
{
    return QString::fromLatin1(before) + QChar(c) + QString::fromLatin1(after);
}

TEST(BadInputDates, RefusedWithTheDateError)
{
    const QLocale unitedStates(QStringLiteral("en_US"));
    const QLocale german(QStringLiteral("de_DE"));
    const struct
    {
        const char *what;
        QLocale locale;
        QString text;
    } cases[] = {
        {"NUL after the date", unitedStates, withChar("10/1/2010", u'\0', "")},
        {"NUL inside the date", unitedStates, withChar("10/1", u'\0', "/2010")},
        {"control character before the date", unitedStates, withChar("", u'\x01', "10/1/2010")},
        {"bell after the time", unitedStates, withChar("10/1/2010 13:45", u'\a', "")},
        {"DEL in the separator", german, withChar("1.", u'\x7f', "10.2010")},
        {"lone high surrogate", unitedStates, withChar("10/1/2010", u'\xD800', "")},
        {"lone low surrogate in a field", unitedStates, withChar("10/", u'\xDC00', "1/2010")},
        {"replacement character", unitedStates, withChar("10/1/2010", u'\xFFFD', "")},
        {"a month of twenty digits", unitedStates, QStringLiteral("99999999999999999999/1/2010")},
        {"an hour of eleven digits", unitedStates, QStringLiteral("10/1/2010 99999999999:00")},
        {"a sign before the month", unitedStates, QStringLiteral("-10/1/2010")},
        {"a plus before the day", unitedStates, QStringLiteral("10/+1/2010")},
        {"doubled separator", unitedStates, QStringLiteral("10//1/2010")},
        {"only separators", unitedStates, QStringLiteral("//")},
        {"only a time with seconds", german, QStringLiteral("13:45:10")},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        try {
            parseDateText(c.text, c.locale);
            ADD_FAILURE() << "no error";
        } catch (const BresolanError &error) {
            EXPECT_EQ(error.message(), QLatin1Char('\'') + c.text + QStringLiteral("' is not a valid date and time"));
        }
    }
}

} // namespace
