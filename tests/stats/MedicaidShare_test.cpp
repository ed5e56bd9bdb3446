#include "MedicaidShare.h"
#include "VisitRow.h"

#include <cmath>
#include <cstdint>
#include <string>

#include <gtest/gtest.h>

namespace {

const QChar point('.');
const QChar comma(',');

// ---- the share number ----

struct ShareCase
{
    qint32 medicaid;
    qint32 total;
    double share;
    const char *shown;
};

TEST(MedicaidShare, CountsGiveTheShareAndItsText)
{
    const ShareCase cases[] = {
        {0, 0, 0.0, ".0%"},
        {1, 3, 100.0 / 3.0, "33.3%"},
        {1, 8, 12.5, "12.5%"},
        {49, 400, 12.25, "12.3%"},
        {1, 400, 0.25, ".3%"},
        {3, 2000, 0.15, ".1%"},
        {1, 3000, 1.0 / 30.0, ".0%"},
        {1999, 2000, 99.95, "100.0%"},
        {7, 7, 100.0, "100.0%"},
        {2, 5, 40.0, "40.0%"},
        {499, 2500, 19.96, "20.0%"},
        {0, 17, 0.0, ".0%"},
    };
    for (const ShareCase &c : cases) {
        SCOPED_TRACE(testing::Message() << c.medicaid << " of " << c.total);
        const double share = medicaidShare(c.medicaid, c.total);
        EXPECT_EQ(share, c.share);
        EXPECT_EQ(shareDisplayText(share, point), QString::fromLatin1(c.shown));
    }
    // The text rounds up, the number stays below the band bound.
    EXPECT_LT(medicaidShare(499, 2500), 20.0);
}

TEST(MedicaidShare, ProductIsFormedBeforeTheQuotientInExtendedPrecision)
{
    // In doubles, 1 ÷ 3 × 100 gives 33.33333333333333; the product first gives 100 ÷ 3.
    EXPECT_EQ(medicaidShare(1, 3), static_cast<double>(100.0L / 3.0L));
    EXPECT_EQ(medicaidShare(1, 3), 33.333333333333336);
    EXPECT_NE(medicaidShare(1, 3), 1.0 / 3.0 * 100.0);
    // Counts near the 32-bit limit: the product does not overflow.
    EXPECT_EQ(medicaidShare(2147483647, 2147483647), 100.0);
    EXPECT_DOUBLE_EQ(medicaidShare(1073741823, 2147483646), 50.0);
}

TEST(MedicaidShare, CalcFieldsFillsBothPairsIndependently)
{
    VisitRow row;
    row.totalBilled = 0;
    row.mcBilled = 0;
    row.totalRender = 5;
    row.mcRender = 2;
    row.pctBilled = 77; // stale values from a former calculation are overwritten
    row.pctRender = 77;
    qryATCalcFields(row);
    EXPECT_EQ(row.pctBilled, 0.0);
    EXPECT_EQ(row.pctRender, 40.0);
    EXPECT_EQ(shareDisplayText(row.pctBilled, point), QStringLiteral(".0%"));
    EXPECT_EQ(shareDisplayText(row.pctRender, point), QStringLiteral("40.0%"));

    row.totalBilled = 400;
    row.mcBilled = 49;
    qryATCalcFields(row);
    EXPECT_EQ(row.pctBilled, 12.25);
    EXPECT_EQ(row.pctRender, 40.0);
}

// ---- the cell text ----

TEST(ShareDisplayText, StoredValuesFromTheFormatTable)
{
    const struct
    {
        double stored;
        const char *withPoint;
        const char *withComma;
    } cases[] = {
        {0.0, ".0%", ",0%"},
        {0.04, ".0%", ",0%"},
        {0.05, ".1%", ",1%"},
        {0.15, ".1%", ",1%"},        // stored as 0.149999999999999994…
        {0.25, ".3%", ",3%"},        // exactly halfway: up
        {0.96, "1.0%", "1,0%"},
        {5.0, "5.0%", "5,0%"},
        {12.25, "12.3%", "12,3%"},
        {100.0 / 3.0, "33.3%", "33,3%"},
        {99.95, "100.0%", "100,0%"}, // carry adds a digit
        {100.0, "100.0%", "100,0%"},
        {9.95, "9.9%", "9,9%"},       // stored as 9.9499999999999992894…
        {0.94999999999999996, ".9%", ",9%"},
        {-0.0, ".0%", ",0%"},
        {1234.56, "1234.6%", "1234,6%"}, // no thousands separator
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << "stored " << c.stored);
        EXPECT_EQ(shareDisplayText(c.stored, point), QString::fromLatin1(c.withPoint));
        EXPECT_EQ(shareDisplayText(c.stored, comma), QString::fromLatin1(c.withComma));
    }
}

TEST(ShareDisplayText, EighteenDigitsDecideNotTheExactBinaryValue)
{
    // 0.35 is stored as 0.34999999999999997779…; at 18 digits it reads 0.349999999999999978.
    EXPECT_EQ(shareDisplayText(0.35, point), QStringLiteral(".3%"));
    // 0.45 is stored as 0.450000000000000011102…: up.
    EXPECT_EQ(shareDisplayText(0.45, point), QStringLiteral(".5%"));
    // The double next below 12.25 is 12.2499999999999982236431605997495353221893310546875;
    // its 18 digits are 12.2499999999999982: down.
    EXPECT_EQ(shareDisplayText(std::nextafter(12.25, 0.0), point), QStringLiteral("12.2%"));
}

// ---- the footer ----

TEST(FooterShareText, ShareOfTheColumnTotals)
{
    const struct
    {
        qint64 medicaid;
        qint64 total;
        const char *withPoint;
        const char *withComma;
    } cases[] = {
        {45, 180, "25.0%", "25,0%"},
        {7, 7, "100.0%", "100,0%"},
        {49, 400, "12.3%", "12,3%"},
        {247, 2000, "12.4%", "12,4%"},
        {0, 0, "0.0%", "0,0%"},      // rows in view but no visit of that kind
        {0, 12, "0.0%", "0,0%"},
        {1, 3000, "0.0%", "0,0%"},
        {1, 400, "0.3%", "0,3%"},
        {1, 3, "33.3%", "33,3%"},
        {1999, 2000, "100.0%", "100,0%"},
        {3, 2000, "0.2%", "0,2%"},   // 0.15 in extended precision reads 0.150000000000000000
        {5000000000LL, 10000000000LL, "50.0%", "50,0%"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.medicaid << " of " << c.total);
        EXPECT_EQ(footerShareText(c.medicaid, c.total, point), QString::fromLatin1(c.withPoint));
        EXPECT_EQ(footerShareText(c.medicaid, c.total, comma), QString::fromLatin1(c.withComma));
    }
}

TEST(FooterSumText, WholeNumberWithoutSeparators)
{
    EXPECT_EQ(footerSumText(0), QStringLiteral("0"));
    EXPECT_EQ(footerSumText(45), QStringLiteral("45"));
    EXPECT_EQ(footerSumText(1234567), QStringLiteral("1234567"));
    EXPECT_EQ(footerSumText(9000000000LL), QStringLiteral("9000000000"));
}

// ---- agreement with exact decimal arithmetic ----

__extension__ typedef unsigned __int128 u128;

u128 powerOfTen(int n)
{
    u128 p = 1;
    while (n-- > 0)
        p *= 10;
    return p;
}

// The value × 10, rounded half up from its 18-significant-digit decimal form, worked out
// with integers only: the value is mantissa ÷ 2^k exactly; R = round-to-nearest-even of
// value × 10^s with s chosen so that R has 18 digits; then R is cut at the first decimal.
std::uint64_t exactTenths(long double value)
{
    if (value == 0)
        return 0;
    int exponent2 = 0;
    const long double fraction = std::frexp(value, &exponent2);
    u128 mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 64));
    int k = 64 - exponent2;
    while (k > 0 && (mantissa & 1) == 0) {
        mantissa >>= 1;
        --k;
    }
    if (k < 0) { // a whole number
        mantissa <<= -k;
        k = 0;
    }
    EXPECT_LT(k, 127) << "value outside the range this check covers";

    const u128 lowest18 = powerOfTen(17);
    const u128 beyond18 = powerOfTen(18);
    u128 rounded = 0;
    int scale = -1;
    for (int s = 2; s <= 19; ++s) {
        const u128 scaled = mantissa * powerOfTen(s);
        u128 r = scaled >> k;
        if (k > 0) {
            const u128 remainder = scaled - (r << k);
            const u128 half = u128(1) << (k - 1);
            if (remainder > half || (remainder == half && (r & 1)))
                ++r;
        }
        if (r >= lowest18 && r < beyond18) {
            rounded = r;
            scale = s;
        }
    }
    if (scale < 0) { // rounding carried to 10^18 (a 19-digit value): one digit fewer
        ADD_FAILURE() << "no 18-digit scale";
        return 0;
    }
    const u128 unit = powerOfTen(scale - 1);
    return static_cast<std::uint64_t>((rounded + unit / 2) / unit);
}

std::string expectedText(std::uint64_t tenths, bool writeZeroIntegerPart)
{
    const std::uint64_t integerPart = tenths / 10;
    std::string text = integerPart == 0 && !writeZeroIntegerPart ? std::string() : std::to_string(integerPart);
    return text + "." + std::to_string(tenths % 10) + "%";
}

TEST(ShareTexts, AgreeWithExactDecimalRoundingForAllCountsUpTo3000)
{
    int checked = 0;
    for (qint32 total = 1; total <= 3000; ++total) {
        const qint32 step = total <= 400 ? 1 : 17;
        for (qint32 medicaid = 0; medicaid <= total; medicaid += (medicaid < 3 || total - medicaid < 3) ? 1 : step) {
            const double share = medicaidShare(medicaid, total);
            const QString cell = shareDisplayText(share, point);
            const std::string expectedCell = expectedText(exactTenths(share), false);
            if (cell.toStdString() != expectedCell) {
                ADD_FAILURE() << medicaid << " of " << total << ": cell " << cell.toStdString()
                              << ", exact " << expectedCell;
                return;
            }
            const long double footer = static_cast<long double>(medicaid) / total * 100.0L;
            const QString footerText = footerShareText(medicaid, total, point);
            const std::string expectedFooter = expectedText(exactTenths(footer), true);
            if (footerText.toStdString() != expectedFooter) {
                ADD_FAILURE() << medicaid << " of " << total << ": footer " << footerText.toStdString()
                              << ", exact " << expectedFooter;
                return;
            }
            ++checked;
        }
    }
    EXPECT_GT(checked, 100000);
}

} // namespace
