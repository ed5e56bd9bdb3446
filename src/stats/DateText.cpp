#include "DateText.h"

#include <array>
#include <utility>
#include <vector>

#include "BresolanError.h"

namespace {

const QString unitedStatesShortFormat = QStringLiteral("M/d/yyyy");

// Texts longer than this are no date field's text; they are refused before any scanning.
constexpr qsizetype maxDateTextLength = 100;

// One piece of a date format: a field (d, M or y with its run length) or literal text.
struct FormatPiece
{
    QChar field;      // 'd', 'M', 'y', or null for literal text
    qsizetype width = 0;
    QString literal;  // the literal's text, quotes resolved
};

// Splits a Qt date format into fields and literal text ('…' quotes a literal, '' is a quote).
std::vector<FormatPiece> splitFormat(const QString &format)
{
    std::vector<FormatPiece> pieces;
    auto literal = [&pieces]() -> QString & {
        if (pieces.empty() || !pieces.back().field.isNull())
            pieces.push_back(FormatPiece{});
        return pieces.back().literal;
    };
    bool quoted = false;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format.at(i);
        if (c == QLatin1Char('\'')) {
            if (i + 1 < format.size() && format.at(i + 1) == QLatin1Char('\'')) {
                literal() += c;
                ++i;
            } else {
                quoted = !quoted;
            }
        } else if (!quoted && (c == QLatin1Char('d') || c == QLatin1Char('M') || c == QLatin1Char('y'))) {
            qsizetype run = 1;
            while (i + run < format.size() && format.at(i + run) == c)
                ++run;
            pieces.push_back(FormatPiece{c, run, {}});
            i += run - 1;
        } else {
            literal() += c;
        }
    }
    return pieces;
}

// Direction marks and other invisible format characters play no part in reading a date.
QString withoutFormatCharacters(const QString &text)
{
    QString result;
    result.reserve(text.size());
    for (const QChar c : text) {
        if (c.category() != QChar::Other_Format)
            result += c;
    }
    return result;
}

// A separator or other literal as it is matched against typed text: blanks and invisible
// characters removed.
QString matchableLiteral(const QString &literal)
{
    QString result;
    for (const QChar c : withoutFormatCharacters(literal)) {
        if (!c.isSpace())
            result += c;
    }
    return result;
}

// The numeric layout of a short date format: the order of the three fields and the
// literals before, between and after them.
struct DateLayout
{
    std::array<QChar, 3> order;
    QString leading, first, second, trailing;
};

// Reads the layout of a format made only of day, month (each one or two digits) and year
// fields with non-empty separators; std::nullopt for anything else (month names, weekdays).
std::optional<DateLayout> numericLayout(const QString &format)
{
    const std::vector<FormatPiece> pieces = splitFormat(format);
    DateLayout layout;
    std::array<QString *, 4> literals{&layout.leading, &layout.first, &layout.second, &layout.trailing};
    int fields = 0;
    for (const FormatPiece &piece : pieces) {
        if (piece.field.isNull()) {
            *literals[std::size_t(fields)] = matchableLiteral(piece.literal);
            continue;
        }
        if (fields == 3 || (piece.field != QLatin1Char('y') && piece.width > 2))
            return std::nullopt;
        for (int i = 0; i < fields; ++i) {
            if (layout.order[std::size_t(i)] == piece.field)
                return std::nullopt;
        }
        layout.order[std::size_t(fields++)] = piece.field;
    }
    if (fields != 3 || layout.first.isEmpty() || layout.second.isEmpty())
        return std::nullopt;
    return layout;
}

// "yy" (or any year run shorter than four letters) becomes "yyyy"; quoted text is left alone.
QString withFourDigitYear(const QString &format)
{
    QString result;
    bool quoted = false;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format.at(i);
        if (c == QLatin1Char('\'')) {
            quoted = !quoted;
            result += c;
        } else if (!quoted && c == QLatin1Char('y')) {
            qsizetype run = 1;
            while (i + run < format.size() && format.at(i + run) == c)
                ++run;
            result += run < 4 ? QStringLiteral("yyyy") : QString(run, c);
            i += run - 1;
        } else {
            result += c;
        }
    }
    return result;
}

// Reads typed text from left to right; every step either consumes what it expects or
// leaves the position where it was and says so.
class Scanner
{
public:
    explicit Scanner(QString text) : m_text(std::move(text)) {}

    bool atEnd() const { return m_pos == m_text.size(); }

    bool skipBlanks()
    {
        const qsizetype start = m_pos;
        while (m_pos < m_text.size() && m_text.at(m_pos).isSpace())
            ++m_pos;
        return m_pos > start;
    }

    bool literal(const QString &expected)
    {
        if (expected.isEmpty())
            return true;
        if (QStringView(m_text).mid(m_pos).startsWith(expected, Qt::CaseInsensitive)) {
            m_pos += expected.size();
            return true;
        }
        return false;
    }

    // Decimal digits (of any script); at most maxDigits of them, else no number.
    std::optional<int> number(qsizetype maxDigits, qsizetype *digitCount = nullptr)
    {
        qsizetype end = m_pos;
        int value = 0;
        while (end < m_text.size() && m_text.at(end).isDigit()) {
            if (end - m_pos == maxDigits)
                return std::nullopt;
            value = value * 10 + m_text.at(end).digitValue();
            ++end;
        }
        if (end == m_pos)
            return std::nullopt;
        if (digitCount)
            *digitCount = end - m_pos;
        m_pos = end;
        return value;
    }

    // One of the texts (case-insensitive), the longest that matches; its index.
    std::optional<int> oneOf(const std::vector<QString> &texts)
    {
        int best = -1;
        for (int i = 0; i < int(texts.size()); ++i) {
            const QString &t = texts[std::size_t(i)];
            if (!t.isEmpty() && QStringView(m_text).mid(m_pos).startsWith(t, Qt::CaseInsensitive)
                && (best < 0 || t.size() > texts[std::size_t(best)].size()))
                best = i;
        }
        if (best < 0)
            return std::nullopt;
        m_pos += texts[std::size_t(best)].size();
        return best;
    }

private:
    QString m_text;
    qsizetype m_pos = 0;
};

// Years typed with one or two digits: 30–99 are 1930–1999, 00–29 are 2000–2029.
int fullYear(int year, qsizetype digits)
{
    if (digits > 2)
        return year;
    return year < 30 ? 2000 + year : 1900 + year;
}

std::optional<QDate> scanDate(Scanner &scanner, const DateLayout &layout)
{
    int day = 0, month = 0, year = 0;
    const std::array<const QString *, 3> separatorBefore{nullptr, &layout.first, &layout.second};
    scanner.skipBlanks();
    if (!scanner.literal(layout.leading))
        return std::nullopt;
    for (std::size_t i = 0; i < 3; ++i) {
        scanner.skipBlanks();
        if (separatorBefore[i]) {
            if (!scanner.literal(*separatorBefore[i]))
                return std::nullopt;
            scanner.skipBlanks();
        }
        const QChar field = layout.order[i];
        qsizetype digits = 0;
        const std::optional<int> value = scanner.number(field == QLatin1Char('y') ? 4 : 2, &digits);
        if (!value)
            return std::nullopt;
        if (field == QLatin1Char('d')) {
            day = *value;
        } else if (field == QLatin1Char('M')) {
            month = *value;
        } else {
            if (digits == 3)
                return std::nullopt;
            year = fullYear(*value, digits);
        }
    }
    scanner.skipBlanks();
    scanner.literal(layout.trailing); // the closing literal ("2010." in Hungarian) is optional
    const QDate date(year, month, day);
    if (!date.isValid() || year < 1)
        return std::nullopt;
    return date;
}

// The separator between hours and minutes in the locale's time format, besides ":".
QString localTimeSeparator(const QLocale &locale)
{
    const QString format = locale.timeFormat(QLocale::ShortFormat);
    qsizetype hours = -1;
    qsizetype minutes = -1;
    bool quoted = false;
    for (qsizetype i = 0; i < format.size() && minutes < 0; ++i) {
        const QChar c = format.at(i);
        if (c == QLatin1Char('\''))
            quoted = !quoted;
        else if (!quoted && (c == QLatin1Char('h') || c == QLatin1Char('H')))
            hours = i;
        else if (!quoted && c == QLatin1Char('m') && hours >= 0)
            minutes = i;
    }
    if (minutes < 0)
        return {};
    QString separator = format.mid(hours + 1, minutes - hours - 1);
    separator.remove(QLatin1Char('\''));
    return matchableLiteral(separator);
}

std::optional<QTime> scanTime(Scanner &scanner, const QLocale &locale)
{
    const std::vector<QString> designators{matchableLiteral(locale.amText()), matchableLiteral(locale.pmText()),
                                           QStringLiteral("AM"), QStringLiteral("PM")};
    std::vector<QString> separators{QStringLiteral(":")};
    const QString local = localTimeSeparator(locale);
    if (!local.isEmpty() && local != separators.front())
        separators.push_back(local);

    std::optional<int> designator = scanner.oneOf(designators); // "오후 3:30" in Korean
    scanner.skipBlanks();
    const std::optional<int> hour = scanner.number(2);
    if (!hour || !scanner.oneOf(separators))
        return std::nullopt;
    const std::optional<int> minute = scanner.number(2);
    if (!minute)
        return std::nullopt;
    int second = 0;
    if (scanner.oneOf(separators)) {
        const std::optional<int> s = scanner.number(2);
        if (!s)
            return std::nullopt;
        second = *s;
    }
    scanner.skipBlanks();
    if (!designator)
        designator = scanner.oneOf(designators);

    int hour24 = *hour;
    if (designator) {
        if (hour24 < 1 || hour24 > 12)
            return std::nullopt;
        const bool pm = *designator % 2 == 1;
        hour24 = hour24 % 12 + (pm ? 12 : 0);
    }
    if (!QTime::isValid(hour24, *minute, second))
        return std::nullopt;
    return QTime(hour24, *minute, second);
}

[[noreturn]] void throwInvalid(const QString &text)
{
    throw BresolanError(QStringLiteral("'%1' is not a valid date and time").arg(text));
}

} // namespace

QString shortDateFormat(const QLocale &locale)
{
    if (locale.language() == QLocale::C)
        return unitedStatesShortFormat;
    const QString format = withFourDigitYear(locale.dateFormat(QLocale::ShortFormat));
    // Only a format of day, month and year numbers can be typed and read back.
    if (!numericLayout(format))
        return unitedStatesShortFormat;
    return format;
}

QString formatShortDate(const QDate &date, const QLocale &locale)
{
    if (date.isNull())
        return {};
    return locale.toString(date, shortDateFormat(locale));
}

std::optional<QDateTime> parseDateText(const QString &text, const QLocale &locale)
{
    if (text.isEmpty())
        return std::nullopt;
    if (text.size() > maxDateTextLength)
        throwInvalid(text);

    const std::optional<DateLayout> layout = numericLayout(shortDateFormat(locale));
    Scanner scanner(withoutFormatCharacters(text));
    const std::optional<QDate> date = scanDate(scanner, layout.value());
    if (!date)
        throwInvalid(text);

    QTime time(0, 0, 0);
    scanner.skipBlanks();
    if (!scanner.atEnd()) {
        const std::optional<QTime> typed = scanTime(scanner, locale);
        scanner.skipBlanks();
        if (!typed || !scanner.atEnd())
            throwInvalid(text);
        time = *typed;
    }
    return QDateTime(*date, time, Qt::UTC);
}
