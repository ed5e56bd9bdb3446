// The real window under faults and bad input: each fault gives its message, the grid stays as
// it was, and no file is left half written or destroyed.
#include "DateField.h"
#include "ReliabilitySupport.h"
#include "ReportPrinter.h"
#include "SpreadsheetExporter.h"
#include "VisitQuery.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QHeaderView>
#include <QPrintPreviewDialog>
#include <QProcess>
#include <QTableView>

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

using namespace reliability;

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

SaveDialog choose(const QString &path, int type)
{
    return [path, type](QWidget *, const SaveDialogRequest &) { return SaveDialogAnswer{true, path, type}; };
}

TEST(StartFaults, ServerUnreachableOrDatabaseMissing)
{
    PracticeFolder empty; // no medical.gdb in it
    const struct { QString netPathMed; const char *code; } cases[] = {
        {QStringLiteral("127.0.0.1/3059:") + empty.path() + "/", "ISC ERROR CODE:335544721"}, // nobody listens
        {QStringLiteral("127.0.0.1:") + empty.path() + "/", "ISC ERROR CODE:335544344"},      // no such file
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.netPathMed.toStdString());
        PracticeFolder folder(c.netPathMed);
        RunningWindow w(folder.path());
        ASSERT_EQ(w.dialogs.shown.size(), 2) << w.dialogs.shown.join('\n').toStdString();
        EXPECT_TRUE(w.dialogs.shown[0].startsWith(QStringLiteral("opening: ") + c.code));
        // The first refresh attaches to the configured name again and reports its own failure.
        EXPECT_TRUE(w.dialogs.shown[1].startsWith(QStringLiteral("report: ") + c.code)) << w.dialogs.shown[1].toStdString();
        EXPECT_EQ(w.window.conMain.databaseName(), c.netPathMed + "medical.gdb");
        EXPECT_EQ(w.rows(), 0);
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    }
}

TEST(StartFaults, ReadOnlyDatabaseWorks)
{
    PracticeFolder folder;
    folder.createPractice(practiceWith(3));
    ASSERT_EQ(QProcess::execute(QStringLiteral("gfix"), {"-user", "SYSDBA", "-password", "masterkey", "-mode",
                                                         "read_only", folder.tcpName()}),
              0);
    RunningWindow w(folder.path());
    EXPECT_TRUE(w.dialogs.shown.isEmpty()) << w.dialogs.shown.join('\n').toStdString();
    EXPECT_TRUE(w.window.conMain.isReadOnly());
    EXPECT_EQ(w.rows(), 3);
    w.refresh();
    EXPECT_EQ(w.rows(), 3);
    EXPECT_TRUE(w.dialogs.shown.isEmpty());
}

TEST(ExportFaults, MissingFolderAndFolderTargetLeaveEverythingAsItWas)
{
    PracticeFolder folder;
    folder.createPractice(practiceWith(3));
    RunningWindow w(folder.path());
    const QStringList footer = w.footer();
    QTemporaryDir out;
    QDir().mkpath(out.filePath("taken.xls/inside"));
    QDir().mkpath(out.filePath("taken.csv"));
    const struct { QString path; int type; QString report; } cases[] = {
        {out.filePath("missing/grid.xls"), 1, "report: Can't create the export output file."},
        {out.filePath("missing/grid.csv"), 2, "report: Cannot create file \"" + out.filePath("missing/grid.csv") + "\"."},
        {out.filePath("taken.xls"), 1, "report: Can't create the export output file."},
        {out.filePath("taken.csv"), 2, "report: Cannot create file \"" + out.filePath("taken.csv") + "\"."},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        w.dialogs.shown.clear();
        w.window.setSaveDialog(choose(c.path, c.type));
        QTest::mouseClick(w.window.bExport, Qt::LeftButton);
        ASSERT_EQ(w.dialogs.shown.size(), 1);
        EXPECT_TRUE(w.dialogs.shown[0].startsWith(c.report)) << w.dialogs.shown[0].toStdString();
        EXPECT_EQ(w.rows(), 3);
        EXPECT_EQ(w.footer(), footer);
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    }
    EXPECT_FALSE(QFile::exists(out.filePath("missing")));
    EXPECT_TRUE(QFileInfo(out.filePath("taken.xls/inside")).isDir());
    EXPECT_EQ(QDir(out.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              (QStringList{"taken.csv", "taken.xls"}));
}

// Runs in a child process (started by the next test) whose file size limit stops both exports
// in the middle of writing.
TEST(ExportFaults, DISABLED_FileSizeLimitChild)
{
    const QString program = qEnvironmentVariable("BRESOLAN_FSIZE_PROGRAM");
    const QString out = qEnvironmentVariable("BRESOLAN_FSIZE_OUT");
    ASSERT_FALSE(program.isEmpty() || out.isEmpty());
    RunningWindow w(program);
    ASSERT_EQ(w.rows(), 600);
    const QStringList footer = w.footer();

    ::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{16 * 1024, 16 * 1024};
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limit), 0);

    w.window.setSaveDialog(choose(out + "/old.csv", 2));
    QTest::mouseClick(w.window.bExport, Qt::LeftButton);
    w.window.setSaveDialog(choose(out + "/old.xls", 1));
    QTest::mouseClick(w.window.bExport, Qt::LeftButton);
    ASSERT_EQ(w.dialogs.shown.size(), 2) << w.dialogs.shown.join('\n').toStdString();
    EXPECT_TRUE(w.dialogs.shown[0].startsWith("report: Cannot create file \"" + out + "/old.csv\".")) << w.dialogs.shown[0].toStdString();
    EXPECT_EQ(w.dialogs.shown[1], "report: Can't create the export output file.");
    EXPECT_EQ(w.rows(), 600);
    EXPECT_EQ(w.footer(), footer);
}

TEST(ExportFaults, FileSizeLimitMidWriteKeepsTheOldFiles)
{
    PracticeFolder folder;
    folder.createPractice(practiceWith(600));
    QTemporaryDir out;
    writeAll(out.filePath("old.csv"), "the old comma-separated file");
    writeAll(out.filePath("old.xls"), "the old workbook");

    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("BRESOLAN_FSIZE_PROGRAM"), folder.path());
    environment.insert(QStringLiteral("BRESOLAN_FSIZE_OUT"), out.path());
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(),
                {"--gtest_also_run_disabled_tests", "--gtest_filter=ExportFaults.DISABLED_FileSizeLimitChild"});
    ASSERT_TRUE(child.waitForFinished(120000));
    const QString output = QString::fromUtf8(child.readAll());
    EXPECT_EQ(child.exitCode(), 0) << output.toStdString();
    EXPECT_TRUE(output.contains("[  PASSED  ] 1 test")) << output.toStdString();

    EXPECT_EQ(readAll(out.filePath("old.csv")), "the old comma-separated file");
    EXPECT_EQ(readAll(out.filePath("old.xls")), "the old workbook");
    EXPECT_EQ(QDir(out.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              (QStringList{"old.csv", "old.xls"}));
}

TEST(BadInput, ProviderNamesOfEveryShapeFromAUtf8Database)
{
    PracticeFolder folder;
    PracticeData data;
    const QString names[] = {
        QStringLiteral("Doe, Jane \"JJ\" DO, Family Medicine and Pediatrics"), // over 40, comma, quotes
        QStringLiteral("Line\r\nBreak, MD"),
        QStringLiteral("Tab\tSeparated, NP"),
        QStringLiteral("漢字 Провайдер Ω ✓, MD"),                             // outside Windows-1252
    };
    for (int i = 0; i < 4; ++i) {
        data.providers.push_back({i + 1, names[i], 1});
        data.transactions.push_back({QStringLiteral("99213"), QDateTime(QDate(2010, 11, 1), QTime(0, 0)), i + 1, i + 1, {}, {}});
    }
    folder.createPractice(data, {SchemaVariant::Dialect3Date, QStringLiteral("UTF8"), 60});
    RunningWindow w(folder.path());
    ASSERT_TRUE(w.dialogs.shown.isEmpty()) << w.dialogs.shown.join('\n').toStdString();
    ASSERT_EQ(w.rows(), 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(w.cell(i, 1), names[i].left(40)) << i;
    EXPECT_EQ(w.footer()[2], "4");

    QTemporaryDir out;
    w.window.setSaveDialog(choose(out.filePath("names.csv"), 2));
    QTest::mouseClick(w.window.bExport, Qt::LeftButton);
    w.window.setSaveDialog(choose(out.filePath("names.xls"), 1));
    QTest::mouseClick(w.window.bExport, Qt::LeftButton);
    EXPECT_TRUE(w.dialogs.shown.isEmpty()) << w.dialogs.shown.join('\n').toStdString();
    const QString csv = QString::fromUtf8(readAll(out.filePath("names.csv")));
    EXPECT_TRUE(csv.contains("\"1\",\"Doe, Jane \"\"JJ\"\" DO, Family Medicine and P\",\"1\"")) << csv.toStdString();
    EXPECT_TRUE(csv.contains("\"2\",\"Line\r\nBreak, MD\",\"1\""));
    EXPECT_TRUE(csv.contains("\"4\",\"漢字 Провайдер Ω ✓, MD\",\"1\""));

    QProcess reader;
    reader.start(QStringLiteral(BRESOLAN_TEST_PYTHON),
                 {"-c", "import sys, xlrd\n"
                        "sh = xlrd.open_workbook(sys.argv[1]).sheet_by_index(0)\n"
                        "print('|'.join(sh.cell_value(r, 1) for r in range(1, 5)))",
                  out.filePath("names.xls")});
    ASSERT_TRUE(reader.waitForFinished(30000));
    EXPECT_EQ(QString::fromUtf8(reader.readAllStandardOutput()).trimmed(),
              names[0].left(40) + "|Line\nBreak, MD|Tab\tSeparated, NP|" + names[3])
        << reader.readAllStandardError().toStdString();
}

TEST(BadInput, TenThousandProviders)
{
    PracticeFolder folder;
    folder.createPractice(practiceWith(10000));
    RunningWindow w(folder.path());
    ASSERT_TRUE(w.dialogs.shown.isEmpty());
    ASSERT_EQ(w.rows(), 10000);
    // Providers 1..5 render 1..5 visits, the others one each: 15 + 9995; one Medicaid visit each.
    EXPECT_EQ(w.footer(), (QStringList{"", "", "10010", "10000", "99.9%", "10010", "10000", "99.9%"}));
    EXPECT_EQ(w.cell(9999, 0), "10000");
    QTemporaryDir out;
    w.window.setSaveDialog(choose(out.filePath("all.csv"), 2));
    QTest::mouseClick(w.window.bExport, Qt::LeftButton);
    EXPECT_TRUE(w.dialogs.shown.isEmpty());
    EXPECT_EQ(readAll(out.filePath("all.csv")).count("\r\n"), 10002);
}

// Everything the program does to a practice database: start-up, refresh, sort, print, both
// exports. Afterwards every table holds what it held before, the program's attachment changed
// no record, and it prepared no statement but the visit count.
TEST(ReadOnlyPromise, AWholeSessionChangesNothing)
{
    PracticeFolder folder;
    folder.createPractice(practiceWith(12));
    const auto contents = [&folder] {
        QStringList all = isqlQuery(folder.tcpName(), "select rdb$relation_name from rdb$relations "
                                                      "where coalesce(rdb$system_flag, 0) = 0 order by 1");
        all += isqlQuery(folder.tcpName(), "select * from drlabel order by addr_id");
        all += isqlQuery(folder.tcpName(), "select * from ins_carrier order by ins_carrier_code");
        all += isqlQuery(folder.tcpName(), "select * from archive_transactions order by transaction_id");
        return all;
    };
    const QStringList before = contents();

    QTemporaryDir out;
    {
        RunningWindow w(folder.path());
        w.refresh();
        const QHeaderView *header = w.window.viewAT->horizontalHeader();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier,
                          QPoint(header->sectionViewportPosition(1) + 5, header->height() / 2));
        w.window.dxComponentPrinter1().setDialogRunner([&](QPrintPreviewDialog &dialog) {
            QPrinter &printer = w.window.dxComponentPrinter1().printer();
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(out.filePath("session.pdf"));
            emit dialog.paintRequested(&printer);
            return 0;
        });
        QTest::mouseClick(w.window.bPrintGrid, Qt::LeftButton);
        w.window.setSaveDialog(choose(out.filePath("session.xls"), 1));
        QTest::mouseClick(w.window.bExport, Qt::LeftButton);
        w.window.setSaveDialog(choose(out.filePath("session.csv"), 2));
        QTest::mouseClick(w.window.bExport, Qt::LeftButton);
        EXPECT_TRUE(w.dialogs.shown.isEmpty()) << w.dialogs.shown.join('\n').toStdString();
        EXPECT_EQ(w.rows(), 12);
        EXPECT_EQ(w.cell(0, 1), "Provider 1, MD"); // sorted by name
        EXPECT_EQ(w.cell(1, 1), "Provider 10, MD");

        // The server's own record counters for this process's attachment.
        EXPECT_EQ(isqlQuery(folder.tcpName(),
                            QStringLiteral("select r.mon$record_inserts + r.mon$record_updates + r.mon$record_deletes "
                                           "from mon$attachments a join mon$record_stats r on r.mon$stat_id = a.mon$stat_id "
                                           "where a.mon$remote_pid = %1")
                                .arg(QCoreApplication::applicationPid())),
                  QStringList{"0"});
        ASSERT_EQ(w.window.conMain.preparedStatements().size(), 1);
        QString expected = VisitQuery::statementText();
        expected.replace(QLatin1String(":sdate"), QLatin1String("?")).replace(QLatin1String(":edate"), QLatin1String("?"));
        EXPECT_EQ(w.window.conMain.preparedStatements()[0], expected);
    }
    for (const char *file : {"session.pdf", "session.xls", "session.csv"})
        EXPECT_GT(QFileInfo(out.filePath(file)).size(), 100) << file;
    EXPECT_EQ(contents(), before);
}

} // namespace
