#include "MedicaidShare.h"

#include <charconv>
#include <cmath>
#include <string>

#include "VisitRow.h"

namespace {

// A value rounded to tenths, as decimal digits: `tenths` holds value × 10 without leading
// zeros, "0" when the rounded value is zero; its last digit is the one decimal.
struct Tenths
{
    bool negative = false;
    std::string tenths;
};

// Rounds to one decimal the way the display formats do: the value is first written with 18
// significant digits (rounded to nearest), then that digit string is cut after the first
// decimal, rounding up when the next digit is 5 or more. Rounding the exact binary value
// instead would send 12.25 and 0.15 the wrong way: only the 18-digit text decides.
Tenths roundToTenths(long double value)
{
    constexpr int significantDigits = 18;
    char buffer[64];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value,
                                       std::chars_format::scientific, significantDigits - 1);
    const std::string text(buffer, written.ptr);   // e.g. "-1.22500000000000000e+01"

    Tenths result;
    std::size_t pos = 0;
    if (text[pos] == '-') {
        result.negative = true;
        ++pos;
    }
    const std::size_t exponentAt = text.find('e');
    std::string digits;
    for (std::size_t i = pos; i < exponentAt; ++i) {
        if (text[i] != '.')
            digits += text[i];
    }
    const int exponent = std::stoi(text.substr(exponentAt + 1));

    // digits[0] stands for 10^exponent; the first decimal is 10^-1, so the digits kept are
    // those down to 10^-1 and the next one decides.
    const int kept = exponent + 2;
    std::string tenths;
    bool roundUp = false;
    if (kept <= 0) {
        roundUp = kept == 0 && digits[0] >= '5';
    } else if (kept >= int(digits.size())) {
        tenths = digits + std::string(std::size_t(kept) - digits.size(), '0');
    } else {
        tenths = digits.substr(0, std::size_t(kept));
        roundUp = digits[std::size_t(kept)] >= '5';
    }
    if (roundUp) {
        int i = int(tenths.size()) - 1;
        while (i >= 0 && tenths[std::size_t(i)] == '9')
            tenths[std::size_t(i--)] = '0';
        if (i >= 0)
            ++tenths[std::size_t(i)];
        else
            tenths.insert(tenths.begin(), '1');
    }
    const std::size_t firstNonZero = tenths.find_first_not_of('0');
    result.tenths = firstNonZero == std::string::npos ? "0" : tenths.substr(firstNonZero);
    if (result.tenths == "0")
        result.negative = false;
    return result;
}

QString nonFiniteText(long double value)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
}

// Writes a rounded value: sign, integer part (or nothing / "0" for a zero integer part),
// the decimal separator, the one decimal, and "%".
QString percentText(const Tenths &rounded, bool writeZeroIntegerPart, QChar decimalSeparator)
{
    const std::string &t = rounded.tenths;
    std::string integerPart = t.size() > 1 ? t.substr(0, t.size() - 1) : std::string();
    if (integerPart.empty() && writeZeroIntegerPart)
        integerPart = "0";
    QString text;
    if (rounded.negative)
        text += QLatin1Char('-');
    text += QLatin1String(integerPart.data(), qsizetype(integerPart.size()));
    text += decimalSeparator;
    text += QLatin1Char(t.back());
    text += QLatin1Char('%');
    return text;
}

} // namespace

double medicaidShare(qint32 medicaid, qint32 total)
{
    if (total == 0)
        return 0;
    const long double product = static_cast<long double>(medicaid) * 100.0L;
    return static_cast<double>(product / static_cast<long double>(total));
}

void qryATCalcFields(VisitRow &row)
{
    row.pctBilled = medicaidShare(row.mcBilled, row.totalBilled);
    row.pctRender = medicaidShare(row.mcRender, row.totalRender);
}

QString shareDisplayText(double share, QChar decimalSeparator)
{
    if (!std::isfinite(share))
        return nonFiniteText(share);
    return percentText(roundToTenths(share), false, decimalSeparator);
}

QString footerShareText(qint64 medicaidSum, qint64 totalSum, QChar decimalSeparator)
{
    long double share = 0;
    if (totalSum != 0)
        share = static_cast<long double>(medicaidSum) / static_cast<long double>(totalSum) * 100.0L;
    return percentText(roundToTenths(share), true, decimalSeparator);
}

QString footerSumText(qint64 sum)
{
    return QString::number(sum);
}
