#include "TextDecoding.h"

namespace {

constexpr int kCharsetUnicodeFss = 3;
constexpr int kCharsetUtf8 = 4;

// 0x80..0x9F of Windows-1252; the five unassigned bytes map to the C1 control of the same value,
// as Windows' own conversion does.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

} // namespace

QString decodeWindows1252(const char *data, qsizetype length)
{
    QString text(length, Qt::Uninitialized);
    QChar *out = text.data();
    for (qsizetype i = 0; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(data[i]);
        out[i] = (byte >= 0x80 && byte < 0xA0) ? QChar(kHighControls[byte - 0x80]) : QChar(byte);
    }
    return text;
}

QString decodeColumnText(const char *data, qsizetype length, int characterSetId)
{
    if (characterSetId == kCharsetUtf8 || characterSetId == kCharsetUnicodeFss)
        return QString::fromUtf8(data, length);
    return decodeWindows1252(data, length);
}
