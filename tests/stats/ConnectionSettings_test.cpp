#include "ConnectionSettings.h"
#include "BresolanError.h"
#include "IscErrorText.h"
#include "ParameterBlocks.h"
#include "SavedPassword.h"
#include "TextDecoding.h"

#include <gtest/gtest.h>

namespace {

struct NameCase
{
    const char *name;
    const char *server;   // expected SERVER (the earlier value stays for local names)
    const char *path;
    const char *protocol; // "" = no entry
};

TEST(ConnectionSettings, BuiltInValuesGiveTheBuiltInName)
{
    ConnectionSettings settings;
    EXPECT_EQ(settings.userName(), "SYSDBA");
    EXPECT_EQ(settings.databaseName(), "127.0.0.1:c:\\gdbmed\\medical.gdb");
}

TEST(ConnectionSettings, NameFormsAndAttachStrings)
{
    const NameCase cases[] = {
        {"c:\\gdbmed\\medical.gdb", "127.0.0.1", "c:\\gdbmed\\medical.gdb", ""},
        {"server1:c:\\gdbmed\\medical.gdb", "server1", "c:\\gdbmed\\medical.gdb", "TCP/IP"},
        {"server1:/var/db/medical.gdb", "server1", "/var/db/medical.gdb", "TCP/IP"},
        {"\\\\server1\\c:\\gdbmed\\medical.gdb", "server1", "c:\\gdbmed\\medical.gdb", "NETBEUI"},
        {"server1@c:\\gdbmed\\medical.gdb", "server1", "c:\\gdbmed\\medical.gdb", "NOVELL"},
        {"/srv/db/medical.gdb", "127.0.0.1", "/srv/db/medical.gdb", ""},
        {"medical.gdb", "127.0.0.1", "medical.gdb", ""},
        {"c:medical.gdb", "127.0.0.1", "c:medical.gdb", ""},        // rule 1: no ":" after the drive
        {"c:\\a:b\\medical.gdb", "c", "\\a:b\\medical.gdb", "TCP/IP"}, // a second ":" makes it rule 4
        {"127.0.0.1/3051:/srv/medical.gdb", "127.0.0.1/3051", "/srv/medical.gdb", "TCP/IP"},
        {"", "127.0.0.1", "", ""},
    };
    for (const NameCase &c : cases) {
        SCOPED_TRACE(c.name);
        ConnectionSettings settings;
        settings.setDatabaseName(QString::fromUtf8(c.name));
        EXPECT_EQ(settings.server(), QString::fromUtf8(c.server));
        EXPECT_EQ(settings.path(), QString::fromUtf8(c.path));
        EXPECT_EQ(settings.protocol(), QString::fromUtf8(c.protocol));
        EXPECT_EQ(settings.databaseName(), QString::fromUtf8(c.name)); // the name reads back as set
    }
}

TEST(ConnectionSettings, LocalNameKeepsTheEarlierServer)
{
    ConnectionSettings settings;
    settings.setDatabaseName(QStringLiteral("far:d:\\x\\medical.gdb"));
    settings.setDatabaseName(QStringLiteral("d:\\y\\medical.gdb"));
    EXPECT_EQ(settings.server(), "far");
    EXPECT_EQ(settings.databaseName(), "d:\\y\\medical.gdb");
}

TEST(ConnectionSettings, PathCheck)
{
    const struct { const char *path; bool valid; } cases[] = {
        {"c:\\gdbmed\\medical.gdb", true},
        {"c:/gdbmed/medical.gdb", true},
        {"/srv/medical.gdb", true},
        {"c:", true},                     // ":" as the last character
        {"c:medical.gdb", false},
        {"\"c:x\":\\medical.gdb", true},  // the quoted ":" does not count
        {"", true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.path);
        if (c.valid) {
            EXPECT_NO_THROW(checkConnectionPath(QString::fromUtf8(c.path)));
        } else {
            try {
                checkConnectionPath(QString::fromUtf8(c.path));
                ADD_FAILURE() << "accepted";
            } catch (const BresolanError &e) {
                EXPECT_EQ(e.message(), "Invalid connection path");
            }
        }
    }
}

TEST(ParameterBlocks, AttachBlockBytes)
{
    EXPECT_EQ(buildAttachParameterBlock("  SYSDBA ", "masterkey"),
              QByteArray("\x01\x1c\x06SYSDBA\x1d\x09masterkey", 20));
    EXPECT_EQ(buildAttachParameterBlock("SYSDBA", ""), QByteArray("\x01\x1c\x06SYSDBA", 9));
    EXPECT_EQ(buildAttachParameterBlock("   ", ""), QByteArray("\x01", 1));
    EXPECT_EQ(buildAttachParameterBlock("u", QByteArray(255, 'p')).size(), 1 + 3 + 2 + 255);
    try {
        buildAttachParameterBlock("SYSDBA", QByteArray(256, 'p'));
        ADD_FAILURE() << "accepted";
    } catch (const BresolanError &e) {
        EXPECT_EQ(e.message(), "Invalid DPB: Contents over 255 characters");
    }
}

TEST(ParameterBlocks, TransactionBlockBytes)
{
    EXPECT_EQ(buildTransactionParameterBlock(false), QByteArray("\x03\x09\x0f\x11\x07", 5));
    EXPECT_EQ(buildTransactionParameterBlock(true), QByteArray("\x03\x08\x0f\x11\x07", 5));
}

TEST(SavedPassword, IsTheBuildSetting)
{
    EXPECT_EQ(savedPassword(), "masterkey");
}

TEST(IscErrorText, LayoutTrimmingRepeatsAndLimit)
{
    EXPECT_EQ(formatIscErrorText(335544472, {QStringLiteral("  Your user name and password are not defined. "),
                                             QStringLiteral("Your user name and password are not defined."),
                                             QStringLiteral("next")}),
              "ISC ERROR CODE:335544472\r\n\r\nISC ERROR MESSAGE:\r\n"
              "Your user name and password are not defined.\r\nnext\r\n");
    // Only a repeat of the line just before is dropped.
    EXPECT_EQ(formatIscErrorText(1, {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("a")}),
              "ISC ERROR CODE:1\r\n\r\nISC ERROR MESSAGE:\r\na\r\nb\r\na\r\n");
    const QString longText = formatIscErrorText(1, {QString(400, u'x')});
    EXPECT_EQ(longText.size(), 255);
}

TEST(TextDecoding, ByCharacterSet)
{
    const QByteArray win1252("Zo\xeb \xdcmlaut \x80 \x93q\x94 \x81");
    EXPECT_EQ(decodeColumnText(win1252.constData(), win1252.size(), 53),
              QString::fromUtf8("Zoë Ümlaut € “q” \xc2\x81"));
    EXPECT_EQ(decodeColumnText(win1252.constData(), win1252.size(), 0), decodeWindows1252(win1252.constData(), win1252.size()));
    EXPECT_EQ(decodeColumnText(win1252.constData(), win1252.size(), 21), decodeWindows1252(win1252.constData(), win1252.size()));
    const QByteArray utf8 = QStringLiteral("Zoë 漢字").toUtf8();
    EXPECT_EQ(decodeColumnText(utf8.constData(), utf8.size(), 4), QStringLiteral("Zoë 漢字"));
}

} // namespace
