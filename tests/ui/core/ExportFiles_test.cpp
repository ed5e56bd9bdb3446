#include "BresolanError.h"
#include "CsvWriter.h"
#include "ExportFiles.h"
#include "ExportTestSupport.h"

#include <QTemporaryDir>

#include <csignal>
#include <functional>

#include <sys/resource.h>

#include <gtest/gtest.h>

namespace {

using namespace exporttest;

const QByteArray kOleSignature("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);
const QString kWorkbookError = QStringLiteral("Can't create the export output file");

// The message of the BresolanError the call throws; empty when it throws none.
QString failureOf(const std::function<void()> &call)
{
    try {
        call();
    } catch (const BresolanError &error) {
        return error.message();
    }
    return {};
}

// While it lives, no file of this process may grow beyond `bytes`: writing past it fails
// (EFBIG), as on a full disk, also for root.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
};

class ExportFiles : public testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }
    QString at(const QString &name) const { return folder.filePath(name); }

    QTemporaryDir folder;
    const GridSnapshot snapshot = exampleSnapshot();
};

TEST_F(ExportFiles, BothFormatsAreWrittenAtThePathGivenAndReplaceAnOldFile)
{
    for (const QString &name : {QStringLiteral("report.csv"), QStringLiteral("report"), QStringLiteral("report.dat")}) {
        SCOPED_TRACE(name.toStdString());
        writeFile(at(name), "old contents that are longer than the new ones ....................................");
        exportCsv(snapshot, at(name));
        EXPECT_EQ(readFile(at(name)), exampleCsv());
    }
    writeFile(at(QStringLiteral("report.xls")), "old");
    exportWorkbook(snapshot, at(QStringLiteral("report.xls")));
    EXPECT_TRUE(readFile(at(QStringLiteral("report.xls"))).startsWith(kOleSignature));
    // Nothing else is made: no ".txt" beside them, no temporary file left.
    EXPECT_EQ(folderEntries(folder.path()),
              QStringList({"report", "report.csv", "report.dat", "report.xls"}));
}

TEST_F(ExportFiles, MissingFolderFailsWithTheMessageOfEachFormat)
{
    const QString csv = at(QStringLiteral("missing/report.csv"));
    EXPECT_EQ(failureOf([&] { exportCsv(snapshot, csv); }),
              QStringLiteral("Cannot create file \"%1\". No such file or directory").arg(csv));
    EXPECT_EQ(failureOf([&] { exportWorkbook(snapshot, at(QStringLiteral("missing/report.xls"))); }),
              kWorkbookError);
    EXPECT_EQ(folderEntries(folder.path()), QStringList());
}

TEST_F(ExportFiles, FolderInTheTargetsPlaceIsLeftAsItWas)
{
    for (const QString &name : {QStringLiteral("taken.csv"), QStringLiteral("taken.xls")}) {
        SCOPED_TRACE(name.toStdString());
        ASSERT_TRUE(QDir(folder.path()).mkpath(name));
        writeFile(at(name + QStringLiteral("/inside")), "kept");
    }
    const QString csv = at(QStringLiteral("taken.csv"));
    EXPECT_EQ(failureOf([&] { exportCsv(snapshot, csv); }),
              QStringLiteral("Cannot create file \"%1\". Is a directory").arg(csv));
    EXPECT_EQ(failureOf([&] { exportWorkbook(snapshot, at(QStringLiteral("taken.xls"))); }), kWorkbookError);
    EXPECT_EQ(folderEntries(folder.path()), QStringList({"taken.csv", "taken.xls"}));
    EXPECT_EQ(readFile(at(QStringLiteral("taken.csv/inside"))), "kept");
    EXPECT_EQ(readFile(at(QStringLiteral("taken.xls/inside"))), "kept");
}

TEST_F(ExportFiles, WriteFailingHalfwayKeepsTheOldFileAndLeavesNoPartialFile)
{
    // Large enough that neither file fits under the limit.
    GridSnapshot large = snapshotOf(std::vector<VisitRow>(200, visit(1, QStringLiteral("Provider"), 9, 3, 9, 3)));
    writeFile(at(QStringLiteral("old.csv")), "old csv");
    writeFile(at(QStringLiteral("old.xls")), "old xls");
    QString csvFailure, workbookFailure;
    {
        const FileSizeLimit limit(2048);
        csvFailure = failureOf([&] { exportCsv(large, at(QStringLiteral("old.csv"))); });
        workbookFailure = failureOf([&] { exportWorkbook(large, at(QStringLiteral("old.xls"))); });
    }
    EXPECT_EQ(csvFailure, QStringLiteral("Cannot create file \"%1\". File too large").arg(at(QStringLiteral("old.csv"))));
    EXPECT_EQ(workbookFailure, kWorkbookError);
    EXPECT_EQ(readFile(at(QStringLiteral("old.csv"))), "old csv");
    EXPECT_EQ(readFile(at(QStringLiteral("old.xls"))), "old xls");
    EXPECT_EQ(folderEntries(folder.path()), QStringList({"old.csv", "old.xls"}));
}

} // namespace
