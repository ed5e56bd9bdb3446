#include "DateText.h"

#include "BresolanError.h"

#include <gtest/gtest.h>

namespace {

const QLocale unitedStates(QStringLiteral("en_US"));
const QLocale german(QStringLiteral("de_DE"));
const QLocale british(QStringLiteral("en_GB"));
const QLocale &posix = QLocale::c();

TEST(DateText, ShortFormatCarriesAFourDigitYear)
{
    const struct
    {
        QLocale locale;
        const char *format;
    } cases[] = {
        {unitedStates, "M/d/yyyy"},
        {QLocale::c(), "M/d/yyyy"},
        {german, "dd.MM.yyyy"},
        {british, "dd/MM/yyyy"},
        {QLocale(QStringLiteral("hu_HU")), "yyyy. MM. dd."},
        {QLocale(QStringLiteral("bg_BG")), "d.MM.yyyy 'г'."},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.locale.name().toStdString());
        EXPECT_EQ(shortDateFormat(c.locale), QString::fromUtf8(c.format));
    }
}

TEST(DateText, FormatsTheDateAsTheFieldShowsIt)
{
    const QDate october(2010, 10, 1);
    EXPECT_EQ(formatShortDate(october, unitedStates), QStringLiteral("10/1/2010"));
    EXPECT_EQ(formatShortDate(october, posix), QStringLiteral("10/1/2010"));
    EXPECT_EQ(formatShortDate(QDate(2010, 12, 31), unitedStates), QStringLiteral("12/31/2010"));
    EXPECT_EQ(formatShortDate(october, german), QStringLiteral("01.10.2010"));
    EXPECT_EQ(formatShortDate(october, british), QStringLiteral("01/10/2010"));
    EXPECT_EQ(formatShortDate(QDate(), unitedStates), QString());
}

TEST(DateText, EmptyTextIsNoBound)
{
    EXPECT_EQ(parseDateText(QString(), unitedStates), std::nullopt);
    EXPECT_EQ(parseDateText(QStringLiteral(""), german), std::nullopt);
}

TEST(DateText, ReadsDatesAndTimesInTheLocalesOrder)
{
    const struct
    {
        QLocale locale;
        const char *text;
        QDate date;
        QTime time;
    } cases[] = {
        {unitedStates, "10/1/2010", {2010, 10, 1}, {0, 0}},
        {unitedStates, "12/31/2010", {2010, 12, 31}, {0, 0}},
        {unitedStates, "  10/01/2010  ", {2010, 10, 1}, {0, 0}},
        {unitedStates, "10 / 1 / 2010", {2010, 10, 1}, {0, 0}},
        {unitedStates, "2/29/2012", {2012, 2, 29}, {0, 0}},
        {unitedStates, "10/1/10", {2010, 10, 1}, {0, 0}},
        {unitedStates, "10/1/29", {2029, 10, 1}, {0, 0}},
        {unitedStates, "10/1/30", {1930, 10, 1}, {0, 0}},
        {unitedStates, "10/1/0010", {10, 10, 1}, {0, 0}},
        {unitedStates, "10/1/2010 13:45", {2010, 10, 1}, {13, 45}},
        {unitedStates, "10/1/2010 9:05:30", {2010, 10, 1}, {9, 5, 30}},
        {unitedStates, "10/1/2010 1:45 PM", {2010, 10, 1}, {13, 45}},
        {unitedStates, "10/1/2010 12:00 am", {2010, 10, 1}, {0, 0}},
        {unitedStates, "10/1/2010 12:30:15PM", {2010, 10, 1}, {12, 30, 15}},
        {posix, "10/1/2010", {2010, 10, 1}, {0, 0}},
        {posix, "12/31/2010 23:59:59", {2010, 12, 31}, {23, 59, 59}},
        {german, "1.10.2010", {2010, 10, 1}, {0, 0}},
        {german, "01.10.2010 08:30", {2010, 10, 1}, {8, 30}},
        {german, "31.12.10", {2010, 12, 31}, {0, 0}},
        {british, "01/10/2010", {2010, 10, 1}, {0, 0}},
        {british, "1/10/2010 6:00 pm", {2010, 10, 1}, {18, 0}},
        {QLocale(QStringLiteral("hu_HU")), "2010. 10. 01.", {2010, 10, 1}, {0, 0}},
        {QLocale(QStringLiteral("hu_HU")), "2010.10.1", {2010, 10, 1}, {0, 0}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.locale.name().toStdString() << " '" << c.text << "'");
        const std::optional<QDateTime> value = parseDateText(QString::fromUtf8(c.text), c.locale);
        ASSERT_TRUE(value.has_value());
        EXPECT_EQ(value->date(), c.date);
        EXPECT_EQ(value->time(), c.time);
        EXPECT_EQ(value->timeSpec(), Qt::UTC);
    }
}

TEST(DateText, ReadsBackWhatItWrites)
{
    const QDate dates[] = {{2010, 10, 1}, {2010, 12, 31}, {1999, 1, 9}, {2024, 2, 29}};
    for (const char *name : {"en_US", "C", "de_DE", "en_GB", "fr_FR", "hu_HU", "ko_KR", "bg_BG", "ja_JP",
                             "fi_FI", "nl_NL", "zh_CN", "ar_EG", "th_TH"}) {
        const QLocale locale(QString::fromLatin1(name));
        for (const QDate &date : dates) {
            const QString text = formatShortDate(date, locale);
            SCOPED_TRACE(testing::Message() << name << " '" << text.toStdString() << "'");
            std::optional<QDateTime> value;
            EXPECT_NO_THROW(value = parseDateText(text, locale));
            ASSERT_TRUE(value.has_value());
            EXPECT_EQ(value->date(), date);
            EXPECT_EQ(value->time(), QTime(0, 0));
        }
    }
}

TEST(DateText, RefusesWhatIsNoDate)
{
    const struct
    {
        QLocale locale;
        QString text;
    } cases[] = {
        {unitedStates, QStringLiteral("garbage")},
        {unitedStates, QStringLiteral("31/31/2010")},
        {unitedStates, QStringLiteral("2/30/2010")},
        {unitedStates, QStringLiteral("2/29/2011")},
        {unitedStates, QStringLiteral("0/1/2010")},
        {unitedStates, QStringLiteral("10:30")},
        {unitedStates, QStringLiteral("10/1")},
        {unitedStates, QStringLiteral("10/1/")},
        {unitedStates, QStringLiteral("10/1/201")},
        {unitedStates, QStringLiteral("10/1/20100")},
        {unitedStates, QStringLiteral("10/1/0000")},
        {unitedStates, QStringLiteral("100/1/2010")},
        {unitedStates, QStringLiteral("10-1-2010")},
        {unitedStates, QStringLiteral("10/1/2010 25:00")},
        {unitedStates, QStringLiteral("10/1/2010 10:60")},
        {unitedStates, QStringLiteral("10/1/2010 13:00 PM")},
        {unitedStates, QStringLiteral("10/1/2010 10")},
        {unitedStates, QStringLiteral("10/1/2010 PM")},
        {unitedStates, QStringLiteral("10/1/2010 10:30 tomorrow")},
        {unitedStates, QStringLiteral("10/1/2010x")},
        {unitedStates, QStringLiteral("   ")},
        {unitedStates, QStringLiteral("1.10.2010")},
        {german, QStringLiteral("10/1/2010")},
        {german, QStringLiteral("1.13.2010")},
        {british, QStringLiteral("12/31/2010")},
        {unitedStates, QString(5000, QLatin1Char('1'))},
        {unitedStates, QStringLiteral("10/1/2010 ") + QString(5000, QLatin1Char(' '))},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.locale.name().toStdString() << " '" << c.text.left(40).toStdString() << "'");
        try {
            parseDateText(c.text, c.locale);
            ADD_FAILURE() << "no error";
        } catch (const BresolanError &error) {
            EXPECT_EQ(error.message(), QLatin1Char('\'') + c.text + QStringLiteral("' is not a valid date and time"));
        }
    }
}

TEST(DateText, ErrorTextNamesTheFieldText)
{
    try {
        parseDateText(QStringLiteral("31/31/2010"), unitedStates);
        FAIL() << "no error";
    } catch (const BresolanError &error) {
        EXPECT_EQ(error.message(), QStringLiteral("'31/31/2010' is not a valid date and time"));
    }
}

} // namespace
