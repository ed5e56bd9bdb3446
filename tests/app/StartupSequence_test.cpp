#include "DatabaseConnection.h"
#include "ErrorReport.h"
#include "PracticeFixture.h"
#include "StartupSequence.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

void writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
}

class Startup : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(programFolder.isValid());
        QDir().mkpath(databaseFolder);
        QFile::setPermissions(databaseFolder, QFileDevice::Permissions(0x7777)); // the server creates the file
        PracticeData data;
        data.providers = {{1, QStringLiteral("A"), 1}};
        fixture = std::make_unique<PracticeFixture>(PracticeFixture::ExactFile{databaseFolder + "medical.gdb"}, data);
    }

    QString configure(const QByteArray &content)
    {
        const QString path = configurationPath(programFolder.path());
        writeFile(path, content);
        return path;
    }

    QTemporaryDir programFolder;
    const QString databaseFolder = fixtureFolder() + QStringLiteral("/startup-%1/").arg(QCoreApplication::applicationPid());
    std::unique_ptr<PracticeFixture> fixture;
};

TEST_F(Startup, ConfigurationPathIsBesideTheProgram)
{
    EXPECT_EQ(configurationPath(QStringLiteral("/opt/telvo")), "/opt/telvo/telvosetup.ini");
    EXPECT_EQ(configurationPath(QStringLiteral("/opt/telvo/")), "/opt/telvo/telvosetup.ini");
}

TEST_F(Startup, GoodConfigurationsAttach)
{
    const QByteArray server = "127.0.0.1:" + databaseFolder.toUtf8();
    for (const QByteArray &line : {"NetPathMed=" + server, "  netpathmed =  \"" + server + "\"  ", "NETPATHMED=" + server + "\r"}) {
        SCOPED_TRACE(line.toStdString());
        DatabaseConnection connection;
        const QString path = configure("[Other]\nNetPathMed=nowhere\n[ib]\r\n" + line + "\r\n");
        EXPECT_EQ(openPracticeDatabase(connection, path), std::nullopt);
        EXPECT_TRUE(connection.isConnected());
        EXPECT_EQ(connection.databaseName(), server + "medical.gdb");
        // Run again on an open connection: the name is refused, the connection stays as it was.
        EXPECT_EQ(openPracticeDatabase(connection, path), QStringLiteral("Cannot change while connected"));
        EXPECT_TRUE(connection.isConnected());
    }
}

TEST_F(Startup, FailuresGiveTheirDescription)
{
    const QString path = configurationPath(programFolder.path());
    const QString missing = QStringLiteral("Cannot find NetPathMed in file ") + path
                            + QStringLiteral(".  Check to make sure you installed the update in the TELVO folder.");
    const struct { const char *content; const char *startsWith; } cases[] = {
        {nullptr, ""},                               // no file at all
        {"[IB]\nNetPathMed=\n", ""},
        {"[IB]\nNetPathMed=    \n", ""},
        {"[IB]\nOtherKey=127.0.0.1:/x/\n", ""},
        {"[Other]\nNetPathMed=127.0.0.1:/x/\n", ""},
        {"[IB]\nNetPathMed=c:\n", "Invalid connection path"},
        {"[IB]\nNetPathMed=127.0.0.1:/tmp/bresolan-fixtures/no-separator\n", "ISC ERROR CODE:"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.content ? c.content : "(no file)");
        QFile::remove(path);
        if (c.content)
            configure(c.content);
        DatabaseConnection connection;
        const std::optional<QString> failure = openPracticeDatabase(connection, path);
        ASSERT_TRUE(failure.has_value());
        if (*c.startsWith)
            EXPECT_TRUE(failure->startsWith(QString::fromLatin1(c.startsWith))) << failure->toStdString();
        else
            EXPECT_EQ(*failure, missing);
        EXPECT_FALSE(connection.isConnected());
    }
    // After a failure before the name was set, the connection still holds its built-in name.
    DatabaseConnection untouched;
    QFile::remove(path);
    openPracticeDatabase(untouched, path);
    EXPECT_EQ(untouched.databaseName(), "127.0.0.1:c:\\gdbmed\\medical.gdb");
    EXPECT_EQ(openingFailedText(), "Error opening database.");
}

TEST(StartupActivation, OnlyTheFirstActivationRunsTheSequence)
{
    StartupSequence sequence;
    EXPECT_TRUE(sequence.takeFirstActivation());
    EXPECT_FALSE(sequence.takeFirstActivation());
    EXPECT_FALSE(sequence.takeFirstActivation());
}

TEST(ErrorReport, CaptionAndText)
{
    EXPECT_EQ(errorReportCaption(QStringLiteral("/opt/telvo/Bresolan")), "Bresolan");
    EXPECT_EQ(errorReportCaption(QStringLiteral("C:/TELVO/BRESOLAN.EXE")), "Bresolan");
    EXPECT_EQ(errorReportCaption(QStringLiteral("/x/my.TOOL.exe")), "my"); // the first letter keeps its case
    const struct { const char *message, *shown; } cases[] = {
        {"Invalid connection path", "Invalid connection path."},
        {"'x' is not a valid date and time", "'x' is not a valid date and time."},
        {"ends in a period.", "ends in a period."},
        {"ISC ERROR CODE:1\r\n", "ISC ERROR CODE:1\r\n"},   // a line break sorts before "."
        {"ends with )", "ends with )"},                      // ")" sorts before "."
        {"", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(errorReportText(QString::fromLatin1(c.message)), QString::fromLatin1(c.shown)) << c.message;
}

} // namespace
