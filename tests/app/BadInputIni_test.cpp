// Configuration files no installer writes: files without sections, broken encodings, values of
// thousands of characters, devices in the file's place; and what the start-up block makes of
// such values (an error text, never a crash or an open connection).
#include "DatabaseConnection.h"
#include "IniFile.h"
#include "StartupSequence.h"

#include <chrono>

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Bytes of a literal, embedded NULs included.
template <std::size_t N>
QByteArray bytes(const char (&literal)[N])
{
    return QByteArray(literal, N - 1);
}

QByteArray repeated(const QByteArray &piece, int times)
{
    QByteArray result;
    for (int i = 0; i < times; ++i)
        result += piece;
    return result;
}

class BadInputIni : public testing::Test
{
protected:
    QString write(const QByteArray &content)
    {
        const QString path = configurationPath(m_dir.path());
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
        return path;
    }

    QTemporaryDir m_dir;
};

TEST_F(BadInputIni, OddFilesGiveTheValueOrTheDefault)
{
    const QString e2047(2047, QChar(0xE9));
    const struct
    {
        const char *what;
        QByteArray file;
        QString expected;
    } cases[] = {
        {"keys without any section", "NetPathMed=x\r\nOther=y\r\n", "<default>"},
        {"only the section header", "[IB]", "<default>"},
        {"keys without a name", "[IB]\n=x\n \t =y\nNetPathMed=z\n", "z"},
        {"a section without a name", "[]\nNetPathMed=x\n[IB]\nNetPathMed=y\n", "y"},
        {"UTF-16 cut inside its last character", bytes("\xFF\xFE[\0I\0B\0]\0\n\0N\0e\0t\0P\0a\0t\0h\0M\0e\0d\0=\0x\0\n\0\x41"),
         "x"},
        {"UTF-16 big-endian is not read as UTF-16", bytes("\xFE\xFF\0[\0I\0B\0]\0\n\0N\0e\0t\0P\0a\0t\0h\0M\0e\0d\0=\0x\0\n"),
         "<default>"},
        // The cut counts characters, not bytes.
        {"3,000 two-byte UTF-8 characters", "[IB]\nNetPathMed=" + repeated("\xC3\xA9", 3000) + "\n", e2047},
        {"3,000 Windows-1252 characters", "[IB]\nNetPathMed=" + repeated("\xE9", 3000) + "\n", e2047},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(readProfileString(write(c.file), QStringLiteral("IB"), QStringLiteral("NetPathMed"),
                                    QStringLiteral("<default>")),
                  c.expected);
    }
}

TEST_F(BadInputIni, DevicesInTheFilesPlaceGiveTheDefault)
{
    for (const char *device : {"/dev/zero", "/dev/urandom"}) {
        SCOPED_TRACE(device);
        if (!QFileInfo::exists(QString::fromLatin1(device)))
            GTEST_SKIP() << device << " is missing";
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(readProfileString(QString::fromLatin1(device), QStringLiteral("IB"), QStringLiteral("NetPathMed"),
                                    QStringLiteral("<default>")),
                  QStringLiteral("<default>"));
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
    }
}

TEST_F(BadInputIni, StartupTurnsOddValuesIntoAnErrorText)
{
    const struct
    {
        const char *what;
        QByteArray value;
        const char *startsWith;
    } cases[] = {
        {"3,000 characters, cut", QByteArray(3000, 'a'), "ISC ERROR CODE:"},
        {"control characters", bytes("127.0.0.1:/tmp/\x01\x02\x7f/"), "ISC ERROR CODE:"},
        {"binary junk", bytes("\x80\x81\xFF\xFE\x9D/"), "ISC ERROR CODE:"},
        {"only the UNC separator", "\\\\", "ISC ERROR CODE:"},
        {"a drive without a separator", "c:x", "Invalid connection path"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        DatabaseConnection connection;
        const std::optional<QString> failure = openPracticeDatabase(connection, write("[IB]\nNetPathMed=" + c.value + "\n"));
        ASSERT_TRUE(failure.has_value());
        EXPECT_TRUE(failure->startsWith(QLatin1String(c.startsWith))) << failure->left(300).toStdString();
        EXPECT_FALSE(connection.isConnected());
    }
}

} // namespace
