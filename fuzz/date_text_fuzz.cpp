// The date fields' text reader. The first byte picks the regional settings, the rest is the
// typed text (UTF-8).

#include "BresolanError.h"
#include "DateText.h"
#include "FuzzCheck.h"

#include <array>
#include <cstdint>

#include <QLocale>
#include <QString>

namespace {

// Orders, separators, digit scripts and AM/PM designators that differ from one another.
const std::array<QLocale, 12> &locales()
{
    static const std::array<QLocale, 12> all{
        QLocale::c(),
        QLocale(QStringLiteral("en_US")),
        QLocale(QStringLiteral("en_GB")),
        QLocale(QStringLiteral("de_DE")),
        QLocale(QStringLiteral("hu_HU")),   // year first, closing literal
        QLocale(QStringLiteral("bg_BG")),   // quoted literal after the year
        QLocale(QStringLiteral("ko_KR")),   // designator before the time
        QLocale(QStringLiteral("ar_EG")),   // Arabic-Indic digits, direction marks
        QLocale(QStringLiteral("fa_IR")),   // Persian digits
        QLocale(QStringLiteral("ja_JP")),
        QLocale(QStringLiteral("fi_FI")),   // "." between hours and minutes
        QLocale(QStringLiteral("th_TH")),
    };
    return all;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const QLocale &locale = locales()[data[0] % locales().size()];
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));

    std::optional<QDateTime> value;
    try {
        value = parseDateText(text, locale);
    } catch (const BresolanError &error) {
        fuzz::check(!text.isEmpty(), "empty text is no error");
        fuzz::check(error.message() == QLatin1Char('\'') + text + QStringLiteral("' is not a valid date and time"),
                    "the refusal's text", error.message().left(300));
        return 0;
    }
    if (text.isEmpty()) {
        fuzz::check(!value.has_value(), "empty text is no bound");
        return 0;
    }
    fuzz::check(value.has_value(), "a text that is accepted gives a value");
    fuzz::check(value->isValid() && value->date().isValid() && value->time().isValid(), "the value is valid",
                text.left(200));
    fuzz::check(value->timeSpec() == Qt::UTC, "the value is in UTC");
    fuzz::check(value->date().year() >= 1 && value->date().year() <= 9999, "the year has at most four digits",
                text.left(200));
    fuzz::check(text.size() <= 100, "a long text is refused");

    // What the field shows for the date reads back as the same date at midnight.
    const QString shown = formatShortDate(value->date(), locale);
    std::optional<QDateTime> again;
    try {
        again = parseDateText(shown, locale);
    } catch (const BresolanError &error) {
        fuzz::fail("the field's own text reads back", error.message().toStdString());
    }
    fuzz::check(again.has_value() && again->date() == value->date() && again->time() == QTime(0, 0),
                "the field's own text gives the same date", shown);
    return 0;
}
