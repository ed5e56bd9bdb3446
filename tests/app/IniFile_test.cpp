#include "IniFile.h"

#include <chrono>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Bytes of a literal, embedded NULs included.
template <std::size_t N>
QByteArray bytes(const char (&literal)[N])
{
    return QByteArray(literal, N - 1);
}

class IniFileTest : public testing::Test
{
protected:
    QString write(const QByteArray &bytes, const QString &name = QStringLiteral("telvosetup.ini"))
    {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        return path;
    }

    QString read(const QByteArray &bytes)
    {
        return readProfileString(write(bytes), QStringLiteral("IB"), QStringLiteral("NetPathMed"),
                                 QStringLiteral("<default>"));
    }

    QTemporaryDir m_dir;
};

TEST_F(IniFileTest, ReadsTheValueByWindowsRules)
{
    const struct
    {
        const char *what;
        QByteArray file;
        QString expected;
    } cases[] = {
        {"CR LF line ends", "[IB]\r\nNetPathMed=srv:c:\\gdbmed\\\r\n", "srv:c:\\gdbmed\\"},
        {"LF line ends, no final line end", "[IB]\nNetPathMed=srv:c:\\gdbmed\\", "srv:c:\\gdbmed\\"},
        {"CR line ends", "[IB]\rOther=1\rNetPathMed=x\r", "x"},
        {"names match without regard to case", "[ib]\nNETPATHMED=x\n", "x"},
        {"UTF-8 byte-order mark before the section", "\xEF\xBB\xBF[IB]\r\nNetPathMed=x\r\n", "x"},
        {"comment lines", "[IB]\n;NetPathMed=semicolon\n#NetPathMed=hash\nNetPathMed=x\n", "x"},
        {"blank and junk lines", "\n\n[IB]\n\n   \njunk without equals\nNetPathMed\nNetPathMed=x\n", "x"},
        {"lines before any section", "NetPathMed=early\n[IB]\nNetPathMed=x\n", "x"},
        {"the key of another section", "[Other]\nNetPathMed=other\n[IB]\nNetPathMed=x\n[Next]\nNetPathMed=next\n", "x"},
        {"blanks around section and key names", "  [  IB  ]  \n \t NetPathMed \t = x\n", "x"},
        {"section without closing bracket", "[IB\nNetPathMed=x\n", "x"},
        {"text after the closing bracket", "[IB] ; the database\nNetPathMed=x\n", "x"},
        {"blanks around the value", "[IB]\nNetPathMed= \t srv:c:\\db\\ \t \n", "srv:c:\\db\\"},
        {"double quotes, blanks inside kept", "[IB]\nNetPathMed=  \" c:\\db\\ \"  \n", " c:\\db\\ "},
        {"single quotes", "[IB]\nNetPathMed='c:\\db\\'\n", "c:\\db\\"},
        {"only the outermost pair", "[IB]\nNetPathMed=\"'x'\"\n", "'x'"},
        {"marks that do not pair", "[IB]\nNetPathMed=\"x'\n", "\"x'"},
        {"a lone mark", "[IB]\nNetPathMed=\"\n", "\""},
        {"an empty quoted value", "[IB]\nNetPathMed=\"\"\n", ""},
        {"an empty value is not the default", "[IB]\nNetPathMed=\n", ""},
        {"blanks only", "[IB]\nNetPathMed=   \n", ""},
        {"text after the first equals sign", "[IB]\nNetPathMed=a=b\n", "a=b"},
        {"duplicate keys: the first wins", "[IB]\nNetPathMed=first\nNetPathMed=second\n", "first"},
        {"duplicate sections: the first is searched", "[IB]\nNetPathMed=first\n[IB]\nNetPathMed=second\n", "first"},
        {"duplicate sections: later ones are not", "[IB]\nOther=1\n[X]\n[IB]\nNetPathMed=second\n", "<default>"},
        {"missing key", "[IB]\nNetPath=x\n", "<default>"},
        {"missing section", "[IBX]\nNetPathMed=x\n", "<default>"},
        {"empty file", "", "<default>"},
        {"UTF-8 text", "[IB]\nNetPathMed=\\\\srv\\D\xC3\xA4ten\\\n", QStringLiteral("\\\\srv\\Däten\\")},
        {"Windows-1252 text", "[IB]\nNetPathMed=C:\\M\xFCller\\\x80\n", QStringLiteral("C:\\Müller\\€")},
        {"binary junk around the entry", bytes("\x00\x01\xFF\xFE\x80[IB\n\x00\x00\n[IB]\n\x01\x02=\x03\nNetPathMed=x\n\x00\xFF"), "x"},
        {"UTF-16 with its byte-order mark",
         bytes("\xFF\xFE[\0I\0B\0]\0\n\0N\0e\0t\0P\0a\0t\0h\0M\0e\0d\0=\0\xE9\0\n\0"), QStringLiteral("é")},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(read(c.file), c.expected);
    }
}

TEST_F(IniFileTest, NamesMatchWithUnicodeCaseFolding)
{
    const QString path = write("[\xC3\x9C" "ber]\n\xC3\x84nderung=x\n"); // [Über] Änderung
    EXPECT_EQ(readProfileString(path, QStringLiteral("über"), QStringLiteral("äNDERUNG")), QStringLiteral("x"));
    EXPECT_EQ(readProfileString(path, QStringLiteral(" ÜBER "), QStringLiteral(" Änderung ")), QStringLiteral("x"));
}

TEST_F(IniFileTest, MissingOrUnreadableFileGivesTheDefault)
{
    EXPECT_EQ(readProfileString(m_dir.filePath(QStringLiteral("absent.ini")), QStringLiteral("IB"),
                                QStringLiteral("NetPathMed"), QStringLiteral("d")),
              QStringLiteral("d"));
    EXPECT_EQ(readProfileString(m_dir.filePath(QStringLiteral("no/such/dir/x.ini")), QStringLiteral("IB"),
                                QStringLiteral("NetPathMed")),
              QString());
    EXPECT_EQ(readProfileString(m_dir.path(), QStringLiteral("IB"), QStringLiteral("NetPathMed"), QStringLiteral("d")),
              QStringLiteral("d"));
    EXPECT_EQ(readProfileString(QString(), QStringLiteral("IB"), QStringLiteral("NetPathMed"), QStringLiteral("d")),
              QStringLiteral("d"));
}

TEST_F(IniFileTest, FilePathsWithNonAsciiCharacters)
{
    const QString path = write("[IB]\nNetPathMed=x\n", QStringLiteral("Einstellungen – Müller.ini"));
    EXPECT_EQ(readProfileString(path, QStringLiteral("IB"), QStringLiteral("NetPathMed")), QStringLiteral("x"));
}

TEST_F(IniFileTest, ValuesAreCutAfter2047Characters)
{
    const QByteArray exact(2047, 'a');
    EXPECT_EQ(read("[IB]\nNetPathMed=" + exact + "\n"), QString::fromLatin1(exact));

    const QByteArray longer = QByteArray(2046, 'a') + "bcdef";
    EXPECT_EQ(read("[IB]\nNetPathMed=" + longer + "\n"), QString::fromLatin1(longer.first(2047)));

    // The quotes go first, then the cut.
    EXPECT_EQ(read("[IB]\nNetPathMed=\"" + longer + "\"\n"), QString::fromLatin1(longer.first(2047)));

    // A character outside the basic plane is not split in half at the cut.
    const QByteArray emoji = QByteArray(2046, 'a') + "\xF0\x9F\x98\x80" + "z"; // U+1F600
    const QString cut = read("[IB]\nNetPathMed=" + emoji + "\n");
    EXPECT_EQ(cut, QString(2046, QLatin1Char('a')));
}

TEST_F(IniFileTest, HugeLinesNeitherFailNorHang)
{
    const QByteArray junk(100 * 1024, 'j');
    const QByteArray value(100 * 1024, 'v');
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(read("[IB]\n" + junk + "\nOther=" + value + "\nNetPathMed=" + value + "\n"),
              QString(2047, QLatin1Char('v')));
    EXPECT_EQ(read(junk + "[IB]" + junk), QStringLiteral("<default>"));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

} // namespace
