// The Medicaid share and its texts: a double from the input as the grid cell shows it, and
// pairs of counts as the cell and the footer show them. Each text is checked for its form
// and against the share worked out from the counts in integers.

#include "FuzzCheck.h"
#include "MedicaidShare.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

#include <QChar>
#include <QString>

namespace {

struct Shown
{
    bool negative = false;
    std::string integerPart;   // possibly empty
    char decimal = 0;
};

// Checks the form [-][digits]<separator><digit>% and takes it apart.
Shown checkForm(const QString &text, QChar separator, bool zeroIntegerPartWritten)
{
    const std::string detail = text.toStdString();
    fuzz::check(text.endsWith(QLatin1Char('%')), "the text ends with %", detail);
    fuzz::check(text.count(separator) == 1, "the text has one decimal separator", detail);
    const qsizetype at = text.indexOf(separator);
    fuzz::check(at == text.size() - 3, "exactly one digit follows the separator", detail);
    Shown shown;
    shown.decimal = char(text.at(at + 1).unicode());
    fuzz::check(shown.decimal >= '0' && shown.decimal <= '9', "the decimal is a digit", detail);
    qsizetype i = 0;
    if (text.startsWith(QLatin1Char('-'))) {
        shown.negative = true;
        i = 1;
    }
    for (; i < at; ++i) {
        const char16_t c = text.at(i).unicode();
        fuzz::check(c >= u'0' && c <= u'9', "the integer part is digits only", detail);
        shown.integerPart += char(c);
    }
    if (zeroIntegerPartWritten)
        fuzz::check(!shown.integerPart.empty(), "the footer writes the integer part", detail);
    else
        fuzz::check(shown.integerPart != "0", "the cell leaves out an integer part of 0", detail);
    fuzz::check(shown.integerPart.size() <= 1 || shown.integerPart[0] != '0', "no leading zeros", detail);
    fuzz::check(!(shown.negative && (shown.integerPart.empty() || shown.integerPart == "0") && shown.decimal == '0'),
                "a value that rounds to zero has no sign", detail);
    return shown;
}

// The shown value in tenths, as a signed 128-bit integer (it fits for every count pair).
__int128 shownTenths(const Shown &shown)
{
    __int128 tenths = 0;
    for (char c : shown.integerPart)
        tenths = tenths * 10 + (c - '0');
    tenths = tenths * 10 + (shown.decimal - '0');
    return shown.negative ? -tenths : tenths;
}

// medicaid × 1000 ÷ total in tenths of a percent, rounded half away from zero, and whether
// the quotient lies exactly halfway (then the rounding of the binary value decides).
struct ExactTenths
{
    __int128 rounded = 0;
    bool halfway = false;
};

ExactTenths exactTenths(std::int64_t medicaid, std::int64_t total)
{
    __int128 numerator = __int128(medicaid) * 1000;
    __int128 denominator = total;
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    const bool negative = numerator < 0;
    const __int128 magnitude = negative ? -numerator : numerator;
    const __int128 whole = magnitude / denominator;
    const __int128 twiceRest = (magnitude % denominator) * 2;
    ExactTenths exact;
    exact.halfway = twiceRest == denominator;
    exact.rounded = twiceRest >= denominator ? whole + 1 : whole;
    if (negative)
        exact.rounded = -exact.rounded;
    return exact;
}

void checkAgainstExact(const Shown &shown, std::int64_t medicaid, std::int64_t total, const std::string &what)
{
    const ExactTenths exact = exactTenths(medicaid, total);
    const __int128 got = shownTenths(shown);
    const std::string detail = what + ": " + std::to_string(medicaid) + " of " + std::to_string(total);
    if (exact.halfway) {
        // 0.15 is stored as 0.1499999…: the binary value may round either way from a half.
        const __int128 lower = exact.rounded > 0 ? exact.rounded - 1 : exact.rounded + 1;
        fuzz::check(got == exact.rounded || got == lower, "a halfway share rounds to a neighbour", detail);
    } else {
        fuzz::check(got == exact.rounded, "the share agrees with the exact quotient", detail);
    }
}

void checkDouble(double share, QChar separator)
{
    const QString text = shareDisplayText(share, separator);
    if (std::isnan(share)) {
        fuzz::check(text == QLatin1String("NAN"), "NaN is shown as NAN");
        return;
    }
    if (std::isinf(share)) {
        fuzz::check(text == (share < 0 ? QLatin1String("-INF") : QLatin1String("INF")), "infinity's text");
        return;
    }
    const Shown shown = checkForm(text, separator, false);
    // Within half a tenth of the value (plus what 18 significant digits leave out).
    std::string plain = (shown.negative ? "-" : "") + (shown.integerPart.empty() ? "0" : shown.integerPart)
                        + "." + shown.decimal;
    const long double read = std::strtold(plain.c_str(), nullptr);
    const long double error = std::fabs(read - static_cast<long double>(share));
    const long double allowed = 0.05L + std::fabs(static_cast<long double>(share)) * 1e-17L;
    fuzz::check(error <= allowed, "the text is the value rounded to one decimal",
                text.toStdString() + " for " + std::to_string(share));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const QChar separator = input.ConsumeBool() ? QLatin1Char('.') : QLatin1Char(',');
    switch (input.ConsumeIntegralInRange<int>(0, 2)) {
    case 0: { // any double, NaNs and infinities included, as the cell shows it
        const std::uint64_t bits = input.ConsumeIntegral<std::uint64_t>();
        double share = 0;
        std::memcpy(&share, &bits, sizeof share);
        checkDouble(share, separator);
        break;
    }
    case 1: { // a provider's counts, 0 <= M <= T: the stored share and the cell's text
        const auto total = input.ConsumeIntegralInRange<qint32>(0, std::numeric_limits<qint32>::max());
        const auto medicaid = input.ConsumeIntegralInRange<qint32>(0, total);
        const double share = medicaidShare(medicaid, total);
        if (total == 0) {
            fuzz::check(share == 0, "no visits give a share of 0");
            fuzz::check(shareDisplayText(share, separator) == QString(separator) + QStringLiteral("0%"),
                        "no visits are shown as .0%");
            break;
        }
        fuzz::check(share >= 0 && share <= 100, "a share lies between 0 and 100", std::to_string(share));
        fuzz::check((medicaid == total) == (share == 100), "100 only for all visits", std::to_string(share));
        checkDouble(share, separator);
        checkAgainstExact(checkForm(shareDisplayText(share, separator), separator, false), medicaid, total, "cell");
        break;
    }
    case 2: { // the footer's sums: any pair for the form, pairs that fit 18 digits against the exact share
        const auto total = input.ConsumeIntegral<qint64>();
        const auto medicaid = input.ConsumeIntegral<qint64>();
        const QString text = footerShareText(medicaid, total, separator);
        const Shown shown = checkForm(text, separator, true);
        if (total == 0) {
            fuzz::check(text == QStringLiteral("0") + separator + QStringLiteral("0%"), "no visits are shown as 0.0%");
            break;
        }
        // Below 2^40 visits a quotient that is no exact half lies further from the rounding
        // boundary than the 18 digits can blur.
        constexpr qint64 limit = qint64(1) << 40;
        if (total > -limit && total < limit && medicaid > -limit && medicaid < limit)
            checkAgainstExact(shown, medicaid, total, "footer");
        break;
    }
    }
    return 0;
}
