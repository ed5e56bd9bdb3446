// The server process dies under an open connection and comes back (fbguard restarts it).
// Runs alone: it takes the test server away from everybody for a moment.
#include "BresolanError.h"
#include "DatabaseConnection.h"
#include "PracticeFixture.h"
#include "RefreshResults.h"
#include "VisitQuery.h"

#include <QThread>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

bool serverListening()
{
    return std::system("bash -c '(exec 3<>/dev/tcp/127.0.0.1/3050)' 2>/dev/null") == 0;
}

void killServerAndWaitForItsReturn()
{
    ASSERT_EQ(std::system("pkill -9 -x -P \"$(pgrep -x fbguard | head -1)\" firebird"), 0)
        << "no Firebird server under fbguard to end";
    QThread::msleep(300);
    for (int i = 0; i < 100 && !serverListening(); ++i)
        QThread::msleep(100);
    ASSERT_TRUE(serverListening()) << "fbguard did not bring the server back";
}

TEST(LostConnection, TheNextStatementAttachesAgain)
{
    PracticeData data;
    data.providers = {{1, QStringLiteral("A"), 1}};
    data.transactions = {{QStringLiteral("99213"), QDateTime(QDate(2010, 11, 1), QTime(0, 0)), 1, 1, {}, {}}};
    PracticeFixture fixture(QStringLiteral("lost"), data);
    const QLocale us(QLocale::English, QLocale::UnitedStates);

    DatabaseConnection connection;
    connection.setDatabaseName(fixture.tcpName());
    connection.connect();
    VisitQuery query(connection);
    refreshResults(query, QStringLiteral("10/1/2010"), QStringLiteral("12/31/2010"), us);
    ASSERT_EQ(query.rows().size(), 1u);

    killServerAndWaitForItsReturn();

    // The refresh right after the loss reports it once...
    try {
        refreshResults(query, QStringLiteral("10/1/2010"), QStringLiteral("12/31/2010"), us);
        ADD_FAILURE() << "the lost connection went unnoticed";
    } catch (const BresolanError &e) {
        EXPECT_TRUE(e.message().startsWith("ISC ERROR CODE:")) << e.message().toStdString();
    }
    EXPECT_FALSE(connection.isConnected());
    EXPECT_FALSE(query.isOpen());

    // ...and the next one attaches again by itself and shows the rows.
    refreshResults(query, QStringLiteral("10/1/2010"), QStringLiteral("12/31/2010"), us);
    EXPECT_TRUE(connection.isConnected());
    ASSERT_EQ(query.rows().size(), 1u);
    EXPECT_EQ(query.rows()[0].totalRender, 1);
    EXPECT_EQ(connection.preparedStatements().size(), 2); // prepared again on the new attachment
}

} // namespace
