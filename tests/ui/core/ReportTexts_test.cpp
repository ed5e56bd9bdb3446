#include "ReportTexts.h"

#include <gtest/gtest.h>

namespace {

TEST(ReportTitle, CaptionThenDateRangeAfterALoneCarriageReturn)
{
    EXPECT_EQ(reportTitle("Bresolan", "10/1/2010", "12/31/2010"),
              QStringLiteral("Bresolan\rDate Range: 10/1/2010 through 12/31/2010"));
    // An empty date field leaves its place empty: two spaces around it.
    EXPECT_EQ(reportTitle("Bresolan", "", "12/31/2010"), QStringLiteral("Bresolan\rDate Range:  through 12/31/2010"));
}

TEST(ReportTitle, LinesBreakAtTheCarriageReturn)
{
    EXPECT_EQ(reportTitleLines(QStringLiteral("Bresolan\rDate Range: a through b")),
              QStringList({"Bresolan", "Date Range: a through b"}));
    EXPECT_EQ(reportTitleLines(QStringLiteral("a\r\nb\nc")), QStringList({"a", "b", "c"}));
    EXPECT_EQ(reportTitleLines(QStringLiteral("one")), QStringList({"one"}));
}

TEST(PageOfPages, NumberOfCount)
{
    EXPECT_EQ(pageOfPagesText(1, 3), QStringLiteral("1 Of 3"));
    EXPECT_EQ(pageOfPagesText(12, 12), QStringLiteral("12 Of 12"));
}

TEST(PrintedDateTime, RegionalDateWithFourDigitYearAndTwelveHourTime)
{
    const QDate lastDay(2010, 12, 31);
    const struct
    {
        QLocale locale;
        QTime time;
        const char *expected;
    } cases[] = {
        {QLocale(QLocale::English, QLocale::UnitedStates), QTime(15, 5), "12/31/2010 3:05 PM"},
        {QLocale(QLocale::English, QLocale::UnitedStates), QTime(0, 7), "12/31/2010 12:07 AM"},
        {QLocale(QLocale::English, QLocale::UnitedStates), QTime(9, 5, 59), "12/31/2010 9:05 AM"},
        // The C locale follows United States conventions.
        {QLocale::c(), QTime(15, 5), "12/31/2010 3:05 PM"},
        // German settings pad the hours ("HH:mm"), so the report does too.
        {QLocale(QLocale::German, QLocale::Germany), QTime(9, 5), "31.12.2010 09:05 AM"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(printedDateTimeText(QDateTime(lastDay, c.time), c.locale), QString::fromUtf8(c.expected))
            << c.locale.name().toStdString();
    }
}

} // namespace
