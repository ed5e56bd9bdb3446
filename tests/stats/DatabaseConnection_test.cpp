// The connection against the real server started by scripts/test (127.0.0.1:3050, SYSDBA/masterkey).
#include "BresolanError.h"
#include "DatabaseConnection.h"
#include "PracticeFixture.h"
#include "SqlStatement.h"

#include <QFile>

#include <gtest/gtest.h>
#include <ibase.h>

namespace {

PracticeData smallPractice()
{
    PracticeData data;
    data.providers = {{1, QStringLiteral("Zoë Ümlaut, PA-C"), 1}, {2, QStringLiteral("O'Brien"), 1}};
    data.carriers = {{QStringLiteral("MCD"), QStringLiteral("MC")}};
    data.transactions = {{QStringLiteral("99213"), QDateTime(QDate(2010, 10, 5), QTime(0, 0)), 1, 2,
                          QStringLiteral("MCD"), std::nullopt}};
    return data;
}

QString errorOf(const std::function<void()> &action)
{
    try {
        action();
    } catch (const BresolanError &e) {
        return e.message();
    }
    return QStringLiteral("<no error>");
}

TEST(DatabaseConnection, AttachesOverTcpAndReadsTextByCharacterSet)
{
    PracticeFixture fixture(QStringLiteral("attach"), smallPractice());
    DatabaseConnection connection;
    connection.setDatabaseName(fixture.tcpName());
    EXPECT_EQ(connection.databaseName(), fixture.tcpName());
    connection.connect();
    ASSERT_TRUE(connection.isConnected());
    EXPECT_EQ(connection.sqlDialect(), 3);
    EXPECT_FALSE(connection.isReadOnly());
    connection.connect(); // a second connect does nothing

    SqlStatement statement(connection, QStringLiteral("select addr_id, signame from drlabel order by addr_id"));
    statement.execute();
    ASSERT_TRUE(statement.fetch());
    EXPECT_EQ(statement.integerValue(0), 1);
    EXPECT_EQ(statement.textValue(1), QStringLiteral("Zoë Ümlaut, PA-C"));
    ASSERT_TRUE(statement.fetch());
    EXPECT_EQ(statement.textValue(1), QStringLiteral("O'Brien"));
    EXPECT_FALSE(statement.fetch());

    EXPECT_EQ(errorOf([&] { connection.setDatabaseName(QStringLiteral("elsewhere:/x.gdb")); }),
              "Cannot change while connected");
    EXPECT_EQ(connection.databaseName(), fixture.tcpName());
}

TEST(DatabaseConnection, DescribesDateParametersInTheColumnsType)
{
    const struct { SchemaVariant variant; int dialect; short type; } cases[] = {
        {SchemaVariant::Dialect3Date, 3, SQL_TYPE_DATE},
        {SchemaVariant::Dialect3Timestamp, 3, SQL_TIMESTAMP},
        {SchemaVariant::Dialect1, 1, SQL_TIMESTAMP},
    };
    for (const auto &c : cases) {
        PracticeFixture fixture(QStringLiteral("describe"), smallPractice(), {c.variant});
        DatabaseConnection connection;
        connection.setDatabaseName(fixture.tcpName());
        SqlStatement statement(connection,
                               QStringLiteral("select count(*) from archive_transactions where date1 between ? and ?"));
        statement.prepare(); // attaches by itself
        EXPECT_EQ(connection.sqlDialect(), c.dialect);
        ASSERT_EQ(statement.parameterCount(), 2);
        EXPECT_EQ(statement.parameterType(0), c.type);
        statement.setDateTimeParameter(0, QDateTime(QDate(2010, 10, 1), QTime(0, 0)));
        statement.setDateTimeParameter(1, QDateTime(QDate(2010, 10, 31), QTime(0, 0)));
        statement.execute();
        ASSERT_TRUE(statement.fetch());
        EXPECT_EQ(statement.integerValue(0), 1);
        statement.setDateTimeParameter(1, std::nullopt);
        statement.execute();
        ASSERT_TRUE(statement.fetch());
        EXPECT_EQ(statement.integerValue(0), 0);
        EXPECT_EQ(connection.preparedStatements().size(), 1);
    }
}

TEST(DatabaseConnection, AFailedFetchLeavesTheStatementReadyToRunAgain)
{
    // The row of provider 1 divides by zero for the 1st of a month, no row does for the 3rd:
    // the server reports it while the rows are fetched, after the cursor has opened.
    PracticeFixture fixture(QStringLiteral("fetchfails"), smallPractice());
    DatabaseConnection connection;
    connection.setDatabaseName(fixture.tcpName());
    SqlStatement statement(connection, QStringLiteral("select 10 / (addr_id - extract(day from cast(? as date))) "
                                                      "from drlabel order by addr_id"));
    const auto run = [&](int day) {
        statement.prepare();
        statement.setDateTimeParameter(0, QDateTime(QDate(2010, 10, day), QTime(0, 0)));
        statement.execute();
        QList<qint64> values;
        while (statement.fetch())
            values << statement.integerValue(0);
        return values;
    };

    for (int attempt = 0; attempt < 2; ++attempt) {
        const QString failure = errorOf([&] { run(1); });
        EXPECT_TRUE(failure.contains(QLatin1String("divide by zero"))) << attempt << ": " << failure.toStdString();
    }
    EXPECT_EQ(run(3), (QList<qint64>{-5, -10}));
}

TEST(DatabaseConnection, AttachFailuresCarryTheServersText)
{
    PracticeFixture fixture(QStringLiteral("failures"), smallPractice());

    DatabaseConnection wrongPassword(DatabaseConnection::defaultClientLibrary(), "not-the-password");
    wrongPassword.setDatabaseName(fixture.tcpName());
    const QString rejected = errorOf([&] { wrongPassword.connect(); });
    EXPECT_TRUE(rejected.startsWith("ISC ERROR CODE:335544472\r\n\r\nISC ERROR MESSAGE:\r\n")) << rejected.toStdString();
    EXPECT_TRUE(rejected.contains("Your user name and password are not defined")) << rejected.toStdString();
    EXPECT_FALSE(wrongPassword.isConnected());

    DatabaseConnection missingFile;
    missingFile.setDatabaseName(fixture.tcpName() + QStringLiteral(".missing"));
    const QString missing = errorOf([&] { missingFile.connect(); });
    EXPECT_TRUE(missing.startsWith("ISC ERROR CODE:335544344\r\n")) << missing.toStdString();
    EXPECT_TRUE(missing.contains(fixture.path() + ".missing")) << missing.toStdString();
    EXPECT_TRUE(missing.endsWith("\r\n"));

    DatabaseConnection closedPort;
    closedPort.setDatabaseName(QStringLiteral("127.0.0.1/3059:") + fixture.path());
    const QString refused = errorOf([&] { closedPort.connect(); });
    EXPECT_TRUE(refused.startsWith("ISC ERROR CODE:335544721\r\n")) << refused.toStdString();
    EXPECT_TRUE(refused.contains("Unable to complete network request")) << refused.toStdString();

    DatabaseConnection badPath;
    badPath.setDatabaseName(QStringLiteral("server:c:medical.gdb"));
    EXPECT_EQ(errorOf([&] { badPath.connect(); }), "Invalid connection path");
}

TEST(DatabaseConnection, MissingClientLibraryFailsEveryAttempt)
{
    DatabaseConnection connection("libfbclient-not-here.so.2");
    connection.setDatabaseName(QStringLiteral("127.0.0.1:/nowhere/medical.gdb"));
    for (int attempt = 0; attempt < 2; ++attempt)
        EXPECT_EQ(errorOf([&] { connection.connect(); }), "InterBase Client GDS32.DLL is not installed");
    SqlStatement statement(connection, QStringLiteral("select 1 from rdb$database"));
    EXPECT_EQ(errorOf([&] { statement.execute(); }), "InterBase Client GDS32.DLL is not installed");
}

TEST(DatabaseConnection, EmbeddedAttachToALocalPath)
{
    PracticeFixture fixture(QStringLiteral("embedded"), smallPractice());
    DatabaseConnection connection;
    connection.setDatabaseName(fixture.path()); // a plain local path: opened in this process
    EXPECT_EQ(connection.settings().protocol(), "");
    SqlStatement statement(connection, QStringLiteral("select count(*) from drlabel"));
    statement.execute();
    ASSERT_TRUE(statement.fetch());
    EXPECT_EQ(statement.integerValue(0), 2);
}

TEST(DatabaseConnection, ReadOnlyDatabaseGetsAReadTransaction)
{
    PracticeFixture fixture(QStringLiteral("readonly"), smallPractice());
    ASSERT_EQ(std::system(("gfix -user SYSDBA -password masterkey -mode read_only " + fixture.tcpName()).toLocal8Bit()), 0);
    DatabaseConnection connection;
    connection.setDatabaseName(fixture.tcpName());
    SqlStatement statement(connection, QStringLiteral("select count(*) from archive_transactions"));
    statement.execute(); // a write transaction would be refused on a read-only database
    ASSERT_TRUE(statement.fetch());
    EXPECT_TRUE(connection.isReadOnly());
    EXPECT_EQ(statement.integerValue(0), 1);
}

} // namespace
