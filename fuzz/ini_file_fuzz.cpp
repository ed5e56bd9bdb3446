// The INI reader over arbitrary file contents. The input is the file; it is written to one
// temporary file per process and read back under two section and key names (one of them
// matched only by Unicode case folding).

#include "FuzzCheck.h"
#include "IniFile.h"

#include <cstdint>
#include <cstdio>
#include <unistd.h>

#include <QDir>
#include <QString>

namespace {

// The temporary file of this process, removed when the fuzzer exits normally.
class ScratchFile
{
public:
    ScratchFile()
        : m_path(QDir::temp().filePath(QStringLiteral("bresolan-ini-fuzz-%1.ini").arg(::getpid())))
        , m_native(m_path.toLocal8Bit())
    {
    }
    ~ScratchFile() { std::remove(m_native.constData()); }

    const QString &path() const { return m_path; }

    void write(const std::uint8_t *data, std::size_t size) const
    {
        std::FILE *file = std::fopen(m_native.constData(), "wb");
        fuzz::check(file != nullptr, "the scratch file opens");
        const bool written = size == 0 || std::fwrite(data, 1, size, file) == size;
        fuzz::check(std::fclose(file) == 0 && written, "the scratch file is written");
    }

private:
    QString m_path;
    QByteArray m_native;
};

const QString kDefault = QStringLiteral("<default>");

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const ScratchFile scratch;
    scratch.write(data, size);

    const struct
    {
        QString section;
        QString key;
    } lookups[] = {
        {QStringLiteral("IB"), QStringLiteral("NetPathMed")},
        {QStringLiteral("Über"), QStringLiteral("Änderung")},
    };
    for (const auto &lookup : lookups) {
        QString value;
        try {
            value = readProfileString(scratch.path(), lookup.section, lookup.key, kDefault);
        } catch (...) {
            fuzz::fail("readProfileString throws nothing");
        }
        if (value == kDefault)
            continue;
        fuzz::check(value.size() <= 2047, "a value has at most 2047 characters", QString::number(value.size()));
        fuzz::check(!value.contains(QLatin1Char('\n')) && !value.contains(QLatin1Char('\r')),
                    "a value lies within one line", value.left(200));
        fuzz::check(value.size() < 2047 || !value.back().isHighSurrogate(),
                    "a value cut at 2047 characters ends with a whole character");
    }
    return 0;
}
