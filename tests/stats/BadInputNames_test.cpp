// Database names that no practice would configure, given to a real connection: each attempt
// must end in the client library's error text, leave the connection closed and usable.
// Against the server started by scripts/test (127.0.0.1:3050).
#include "BresolanError.h"
#include "DatabaseConnection.h"
#include "PracticeFixture.h"
#include "SqlStatement.h"

#include <functional>

#include <gtest/gtest.h>

namespace {

QString errorOf(const std::function<void()> &action)
{
    try {
        action();
    } catch (const BresolanError &e) {
        return e.message();
    }
    return QStringLiteral("<no error>");
}

QString withNul(const char *before, const char *after)
{
    return QString::fromLatin1(before) + QChar(u'\0') + QString::fromLatin1(after);
}

TEST(BadInputNames, EveryShapeOfNameEndsInTheLibrarysErrorText)
{
    const struct
    {
        const char *what;
        QString name;
        const char *iscCode; // the error's first line
    } cases[] = {
        {"empty", QString(), "335544344"},
        {"only the UNC separator", QStringLiteral("\\\\"), "335544344"},
        {"only the TCP/IP separator", QStringLiteral(":"), "335544344"},
        {"only the NOVELL separator", QStringLiteral("@"), "335544344"},
        {"a drive letter alone", QStringLiteral("c:"), "335544344"},
        {"a UNC server without a path", QStringLiteral("\\\\srv"), "335544344"},
        {"a server without a path", QStringLiteral("127.0.0.1:"), "335544344"},
        {"the server's root folder", QStringLiteral("127.0.0.1:/"), "335544344"},
        {"control characters", QStringLiteral("127.0.0.1:/tmp/\x01\x1f\x7f\t.gdb"), "335544344"},
        {"a NUL inside the path", withNul("127.0.0.1:/tmp/bresolan-no-such", "/medical.gdb"), "335544344"},
        {"control characters as a local name", QStringLiteral("\x01\x02"), "335544344"},
        // Only the user name and password are limited to 255 bytes: a long name goes to the
        // library as it is, which refuses it with its own text.
        {"a local name of 10,000 characters", QString(10000, u'a'), "335544344"},
        {"a server name of 10,000 characters", QStringLiteral("127.0.0.1:/") + QString(10000, u'a'), "335544344"},
        {"a name longer than its length field holds", QStringLiteral("127.0.0.1:/") + QString(40000, u'a'),
         "335544382"},
        {"a name whose length wraps to zero", QStringLiteral("127.0.0.1:/") + QString(65536 - 11, u'a'), "335544382"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        DatabaseConnection connection;
        connection.setDatabaseName(c.name);
        const QString error = errorOf([&] { connection.connect(); });
        EXPECT_TRUE(error.startsWith(QStringLiteral("ISC ERROR CODE:%1\r\n\r\nISC ERROR MESSAGE:\r\n")
                                         .arg(QLatin1String(c.iscCode))))
            << error.left(300).toStdString();
        EXPECT_LE(error.size(), 255);
        EXPECT_FALSE(connection.isConnected());
        // A statement's implicit attach fails the same way.
        SqlStatement statement(connection, QStringLiteral("select 1 from rdb$database"));
        EXPECT_EQ(errorOf([&] { statement.execute(); }), error);
    }
}

TEST(BadInputNames, ConnectionAttachesAfterFailedNames)
{
    PracticeData data;
    data.providers = {{1, QStringLiteral("A"), 1}};
    PracticeFixture fixture(QStringLiteral("badnames"), data);

    DatabaseConnection connection;
    for (const QString &bad : {QStringLiteral("@"), QStringLiteral("127.0.0.1:/") + QString(40000, u'a'),
                               QStringLiteral("server:c:medical.gdb")}) {
        connection.setDatabaseName(bad);
        EXPECT_NE(errorOf([&] { connection.connect(); }), QStringLiteral("<no error>"));
        EXPECT_FALSE(connection.isConnected());
    }
    connection.setDatabaseName(fixture.tcpName());
    SqlStatement statement(connection, QStringLiteral("select count(*) from drlabel"));
    statement.execute();
    ASSERT_TRUE(statement.fetch());
    EXPECT_EQ(statement.integerValue(0), 1);
}

} // namespace
