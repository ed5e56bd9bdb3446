#include "IniFile.h"

#include "TextDecoding.h"

#include <algorithm>

#include <QByteArray>
#include <QFile>
#include <QStringDecoder>
#include <QStringView>

namespace {

// The number of characters the Windows function returns at most with a 2048-character buffer.
constexpr qsizetype maxValueLength = 2047;

// A configuration file is a few lines; reading stops here, so that a path that names a
// device or a huge file cannot exhaust memory or hang the start-up.
constexpr qint64 maxFileBytes = 16 * 1024 * 1024;

QString decodeFileText(QByteArrayView bytes)
{
    if (bytes.startsWith("\xFF\xFE")) {
        QStringDecoder utf16(QStringDecoder::Utf16LE);
        return utf16.decode(bytes.sliced(2));
    }
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return decodeWindows1252(bytes.data(), bytes.size());
}

// The blanks Windows strips around names and values (it strips vertical tabs too).
bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\v');
}

QStringView trimBlanks(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin);
}

bool sameName(QStringView a, QStringView b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QString valueText(QStringView raw)
{
    QStringView value = trimBlanks(raw);
    if (value.size() >= 2 && (value.front() == QLatin1Char('"') || value.front() == QLatin1Char('\''))
        && value.back() == value.front())
        value = value.sliced(1, value.size() - 2);
    if (value.size() > maxValueLength) {
        qsizetype cut = maxValueLength;
        if (value[cut - 1].isHighSurrogate())
            --cut; // never leave half a character
        value = value.first(cut);
    }
    return value.toString();
}

} // namespace

QString readProfileString(const QString &filePath, const QString &section, const QString &key,
                          const QString &defaultValue)
{
    const QStringView wantedSection = trimBlanks(section);
    const QStringView wantedKey = trimBlanks(key);
    if (wantedKey.isEmpty())
        return defaultValue;

    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly))
        return defaultValue;
    // A regular file is read at its size; a device or pipe in its place up to the cap.
    const qint64 size = file.size();
    const QByteArray bytes = file.read(size > 0 ? std::min<qint64>(size, maxFileBytes) : maxFileBytes);
    const QString text = decodeFileText(bytes);

    bool inWantedSection = false;
    qsizetype lineStart = 0;
    while (lineStart <= text.size()) {
        qsizetype lineEnd = lineStart;
        while (lineEnd < text.size() && text[lineEnd] != QLatin1Char('\n') && text[lineEnd] != QLatin1Char('\r'))
            ++lineEnd;
        const QStringView line = trimBlanks(QStringView(text).sliced(lineStart, lineEnd - lineStart));
        lineStart = lineEnd + 1;

        if (line.isEmpty() || line.front() == QLatin1Char(';') || line.front() == QLatin1Char('#'))
            continue;
        if (line.front() == QLatin1Char('[')) {
            // The first occurrence of the section is the only one searched.
            if (inWantedSection)
                return defaultValue;
            QStringView name = line.sliced(1);
            const qsizetype close = name.indexOf(QLatin1Char(']'));
            if (close >= 0)
                name = name.first(close);
            inWantedSection = sameName(trimBlanks(name), wantedSection);
            continue;
        }
        if (!inWantedSection)
            continue;
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals < 0)
            continue;
        if (sameName(trimBlanks(line.first(equals)), wantedKey))
            return valueText(line.sliced(equals + 1));
    }
    return defaultValue;
}
