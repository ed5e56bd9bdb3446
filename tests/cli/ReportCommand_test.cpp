// bresolan-report as a whole process, against fixtures and the demo database.
#include "PracticeFixture.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct ReportRun
{
    int exitCode = -1;
    QString out;
    QString err;
};

ReportRun report(const QStringList &arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(BRESOLAN_BIN_DIR "/bresolan-report"), arguments);
    process.waitForFinished(120000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

PracticeData twoProviders()
{
    PracticeData data;
    data.providers = {{12, QStringLiteral("Provider A, MD"), 1}, {13, QStringLiteral("Hidden\tTab"), 1}};
    data.carriers = {{QStringLiteral("M"), QStringLiteral("MC")}};
    for (int i = 0; i < 4; ++i)
        data.transactions.push_back({QStringLiteral("99213"), QDateTime(QDate(2010, 11, 2), QTime(0, 0)), 13, 12,
                                     i == 0 ? std::optional<QString>(QStringLiteral("M")) : std::nullopt, {}});
    return data;
}

TEST(ReportCommand, TabSeparatedGridWithFilterAndFooter)
{
    PracticeFixture fixture(QStringLiteral("report"), twoProviders());
    const ReportRun filtered = report({"--database", fixture.tcpName(), "--tsv"});
    ASSERT_EQ(filtered.exitCode, 0) << filtered.err.toStdString();
    EXPECT_EQ(filtered.out,
              "Prov ID\tProvider Name\tTotal Render\tMCD Render\t% MCD Render\tTotal Billed\tMCD Billed\t% MCD Billed\n"
              "12\tProvider A, MD\t4\t1\t25.0%\t0\t0\t.0%\n"
              "\t\t4\t1\t25.0%\t0\t0\t0.0%\n");
    const ReportRun all = report({"--database", fixture.tcpName(), "--tsv", "--all", "--from", "2010-10-01", "--to", "12/31/2010"});
    ASSERT_EQ(all.exitCode, 0);
    EXPECT_TRUE(all.out.contains("13\tHidden Tab\t0\t0\t.0%\t4\t1\t25.0%\n")) << all.out.toStdString();
    EXPECT_TRUE(all.out.endsWith("\t\t4\t1\t25.0%\t4\t1\t25.0%\n"));

    const ReportRun empty = report({"--database", fixture.tcpName(), "--tsv", "--from", ""});
    ASSERT_EQ(empty.exitCode, 0);
    EXPECT_EQ(empty.out.count(u'\n'), 2); // captions and a blank footer
    EXPECT_TRUE(empty.out.endsWith("\t\t\t\t\t\t\t\n"));
}

TEST(ReportCommand, WritesTheWindowsExportsAndReport)
{
    PracticeFixture fixture(QStringLiteral("report-files"), twoProviders());
    QTemporaryDir out;
    const ReportRun stdoutCsv = report({"--database", fixture.tcpName(), "--csv", "-"});
    ASSERT_EQ(stdoutCsv.exitCode, 0) << stdoutCsv.err.toStdString();
    EXPECT_EQ(stdoutCsv.out,
              "\"Prov ID\",\"Provider Name\",\"Total Render\",\"MCD Render\",\"% MCD Render\",\"Total Billed\","
              "\"MCD Billed\",\"% MCD Billed\"\r\n"
              "\"12\",\"Provider A, MD\",\"4\",\"1\",\"25.0%\",\"0\",\"0\",\".0%\"\r\n"
              "\"\",\"\",\"4\",\"1\",\"25.0%\",\"0\",\"0\",\"0.0%\"\r\n");

    const ReportRun files = report({"--database", fixture.tcpName(), "--tsv", "--csv", out.filePath("g.csv"), "--xls",
                                    out.filePath("g.xls"), "--pdf", out.filePath("g.pdf")});
    ASSERT_EQ(files.exitCode, 0) << files.err.toStdString();
    EXPECT_TRUE(files.out.startsWith("Prov ID\t")); // the table still goes to standard output
    QFile csv(out.filePath("g.csv"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(csv.readAll()), stdoutCsv.out);
    QFile xls(out.filePath("g.xls"));
    ASSERT_TRUE(xls.open(QIODevice::ReadOnly));
    EXPECT_TRUE(xls.read(8) == QByteArray::fromHex("d0cf11e0a1b11ae1")); // an OLE2 compound document
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), out.filePath("g.pdf"), QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished(30000));
    const QString printed = QString::fromUtf8(text.readAllStandardOutput());
    EXPECT_TRUE(printed.contains("Date Range: 10/1/2010 through 12/31/2010")) << printed.toStdString();
    EXPECT_TRUE(printed.contains("Provider A, MD"));

    const ReportRun failed = report({"--database", fixture.tcpName(), "--xls", out.filePath("missing/g.xls")});
    EXPECT_EQ(failed.exitCode, 4);
    EXPECT_EQ(failed.err, "Can't create the export output file.\n");
}

TEST(ReportCommand, ExitCodesAndMessages)
{
    QTemporaryDir folder;
    const struct { QStringList arguments; int exitCode; const char *stderrStart; } cases[] = {
        {{"--bogus"}, 1, "bresolan-report: unknown option '--bogus'"},
        {{"--from"}, 1, "bresolan-report: --from needs a value"},
        {{"--config", folder.filePath("missing.ini")}, 2, "Error opening database.\nCannot find NetPathMed in file "},
        {{"--database", "127.0.0.1/3059:/nowhere/medical.gdb"}, 2, "Error opening database.\nISC ERROR CODE:335544721"},
        {{"--database", "server:c:medical.gdb"}, 2, "Error opening database.\nInvalid connection path"},
    };
    for (const auto &c : cases) {
        const ReportRun run = report(c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.arguments.join(' ').toStdString();
        EXPECT_TRUE(run.err.startsWith(QString::fromUtf8(c.stderrStart))) << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty());
    }
    PracticeFixture fixture(QStringLiteral("report-codes"), twoProviders());
    const ReportRun badDate = report({"--database", fixture.tcpName(), "--from", "31/31/2010"});
    EXPECT_EQ(badDate.exitCode, 3);
    EXPECT_EQ(badDate.err, "'31/31/2010' is not a valid date and time.\n");
    EXPECT_EQ(report({"--help"}).exitCode, 0);
}

TEST(ReportCommand, DemoDatabaseShowsAllThreeBands)
{
    const QString folder = fixtureFolder() + QStringLiteral("/demo-%1/").arg(QCoreApplication::applicationPid());
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
    QProcess generator;
    generator.setStandardOutputFile(folder + "medical.sql");
    generator.start(QStringLiteral("/usr/bin/python3"),
                    {QStringLiteral(BRESOLAN_SOURCE_DIR "/scripts/demo-database.py"), folder + "medical.gdb"});
    ASSERT_TRUE(generator.waitForFinished(60000) && generator.exitCode() == 0);
    QFile script(folder + "medical.sql");
    ASSERT_TRUE(script.open(QIODevice::ReadOnly));
    runIsqlScript(QString::fromUtf8(script.readAll())); // embedded: a plain local path

    QTemporaryDir program;
    QFile ini(program.filePath("telvosetup.ini"));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("[IB]\r\nNetPathMed=" + folder.toUtf8() + "\r\n");
    ini.close();
    const ReportRun run = report({"--config", ini.fileName(), "--tsv"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    QStringList lines = run.out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_GT(lines.size(), 12);
    bool below20 = false, from20 = false, from30 = false;
    for (qsizetype i = 1; i + 1 < lines.size(); ++i) {
        const double share = lines[i].split(u'\t').value(4).chopped(1).toDouble();
        below20 |= share < 20;
        from20 |= share >= 20 && share < 30;
        from30 |= share >= 30;
    }
    EXPECT_TRUE(below20 && from20 && from30) << run.out.toStdString();
    EXPECT_TRUE(run.out.contains(QStringLiteral("Zoë Ümlaut, PA-C")));
    QDir(folder).removeRecursively();
}

} // namespace

namespace {

TEST(ReportCommand, SavedPasswordIsNotInTheBinaryAsText)
{
    for (const char *program : {BRESOLAN_BIN_DIR "/bresolan-report", BRESOLAN_BIN_DIR "/Bresolan"}) {
        QFile binary(QString::fromUtf8(program));
        ASSERT_TRUE(binary.open(QIODevice::ReadOnly)) << program;
        const QByteArray bytes = binary.readAll();
        EXPECT_FALSE(bytes.contains("masterkey")) << program;
        EXPECT_FALSE(bytes.contains("MASTERKEY")) << program;
    }
}

} // namespace
