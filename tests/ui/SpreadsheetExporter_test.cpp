#include "BresolanError.h"
#include "SpreadsheetExporter.h"
#include "core/ExportTestSupport.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>

#include <memory>
#include <vector>

#include <gtest/gtest.h>

namespace {

using namespace exporttest;

const QDate kStart(2010, 10, 1);
const QDate kEnd(2010, 12, 31);
const QByteArray kOleSignature("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);

// Stands in for the save dialog: records what it is asked and answers as scripted.
struct ScriptedDialog
{
    std::vector<SaveDialogRequest> requests;
    std::vector<SaveDialogAnswer> answers;

    SaveDialog seam()
    {
        return [this](QWidget *, const SaveDialogRequest &request) {
            requests.push_back(request);
            SaveDialogAnswer answer = answers.at(requests.size() - 1);
            return answer;
        };
    }
};

SaveDialogAnswer chose(const QString &path, int filterIndex)
{
    return {true, path, filterIndex};
}

const SaveDialogAnswer kCancelled{false, QString(), 1};

class SpreadsheetExporterTest : public testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        static int argc = 1;
        static char name[] = "SpreadsheetExporter_test";
        static char *argv[] = {name, nullptr};
        app = std::make_unique<QApplication>(argc, argv);
    }
    static void TearDownTestSuite() { app.reset(); }

    void SetUp() override { ASSERT_TRUE(folder.isValid()); }
    QString at(const QString &name) const { return folder.filePath(name); }

    // One export through the exporter; the message of a BresolanError it throws, else empty.
    QString exportOnce(SpreadsheetExporter &exporter, std::optional<QDate> start = kStart,
                       std::optional<QDate> end = kEnd)
    {
        QString failure;
        try {
            exporter.exportGrid(nullptr, snapshot, start, end);
        } catch (const BresolanError &error) {
            failure = error.message();
        }
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << "the busy cursor stayed";
        return failure;
    }

    static inline std::unique_ptr<QApplication> app;
    QTemporaryDir folder;
    const GridSnapshot snapshot = exampleSnapshot();
};

TEST_F(SpreadsheetExporterTest, DialogIsAskedWithTheProposedNameAndTypes)
{
    ScriptedDialog dialog;
    dialog.answers = {kCancelled, kCancelled};
    SpreadsheetExporter exporter(dialog.seam());
    EXPECT_EQ(exportOnce(exporter), QString());
    EXPECT_EQ(exportOnce(exporter, std::nullopt, kEnd), QString());

    ASSERT_EQ(dialog.requests.size(), 2u);
    const SaveDialogRequest &first = dialog.requests[0];
    EXPECT_EQ(first.fileName, QStringLiteral("Bresolan_20101001_20101231"));
    EXPECT_EQ(first.nameFilters,
              QStringList({QStringLiteral("Excel files (*.xls)"), QStringLiteral(" Delimited files (*.csv)")}));
    EXPECT_EQ(first.defaultSuffix, QStringLiteral("xls"));
    EXPECT_EQ(first.filterIndex, 1);
    EXPECT_EQ(dialog.requests[1].fileName, QStringLiteral("Bresolan_00000000_20101231"));

    // Cancelled: nothing written, but the export folder beside the program is there.
    EXPECT_EQ(folderEntries(folder.path()), QStringList());
    EXPECT_TRUE(QDir(QCoreApplication::applicationDirPath() + QStringLiteral("/export_files")).exists());
}

TEST_F(SpreadsheetExporterTest, TypeOfTheLastSuccessfulExportIsPreselected)
{
    ScriptedDialog dialog;
    dialog.answers = {
        chose(at(QStringLiteral("a.csv")), 2),          // succeeds: text from now on
        kCancelled,                                     // keeps it
        chose(at(QStringLiteral("missing/b.xls")), 1),  // fails: keeps it
        chose(at(QStringLiteral("c.xls")), 1),          // succeeds: workbook again
        kCancelled,
    };
    SpreadsheetExporter exporter(dialog.seam());
    EXPECT_EQ(exportOnce(exporter), QString());
    EXPECT_EQ(exportOnce(exporter), QString());
    EXPECT_EQ(exportOnce(exporter), QStringLiteral("Can't create the export output file"));
    EXPECT_EQ(exportOnce(exporter), QString());
    EXPECT_EQ(exportOnce(exporter), QString());

    std::vector<int> preselected;
    for (const SaveDialogRequest &request : dialog.requests)
        preselected.push_back(request.filterIndex);
    EXPECT_EQ(preselected, (std::vector<int>{1, 2, 2, 2, 1}));
    EXPECT_EQ(exporter.filterIndex(), 1);
}

TEST_F(SpreadsheetExporterTest, WorkbookTypeWritesTheChosenNameAsXls)
{
    writeFile(at(QStringLiteral("x.xls")), "old workbook");
    ScriptedDialog dialog;
    dialog.answers = {chose(at(QStringLiteral("x.csv")), 1), chose(at(QStringLiteral("report")), 1)};
    SpreadsheetExporter exporter(dialog.seam());
    EXPECT_EQ(exportOnce(exporter), QString());
    EXPECT_EQ(exportOnce(exporter), QString());

    EXPECT_EQ(folderEntries(folder.path()), QStringList({"report.xls", "x.xls"}));
    EXPECT_TRUE(readFile(at(QStringLiteral("x.xls"))).startsWith(kOleSignature)); // replaced
    const QJsonObject book = readWorkbookBack(at(QStringLiteral("report.xls")));
    EXPECT_EQ(book.value(QStringLiteral("sheets")).toArray().at(0).toObject().value(QStringLiteral("name")).toString(),
              QStringLiteral("report"));
}

TEST_F(SpreadsheetExporterTest, TextTypeWritesTheChosenNameItself)
{
    writeFile(at(QStringLiteral("x.csv")), "old text");
    ScriptedDialog dialog;
    dialog.answers = {chose(at(QStringLiteral("x.csv")), 2), chose(at(QStringLiteral("plain")), 2)};
    SpreadsheetExporter exporter(dialog.seam());
    EXPECT_EQ(exportOnce(exporter), QString());
    EXPECT_EQ(exportOnce(exporter), QString());

    EXPECT_EQ(folderEntries(folder.path()), QStringList({"plain", "x.csv"}));
    EXPECT_EQ(readFile(at(QStringLiteral("x.csv"))), exampleCsv());
    EXPECT_EQ(readFile(at(QStringLiteral("plain"))), exampleCsv());
}

TEST_F(SpreadsheetExporterTest, FailureReportsTheMessageAndLeavesNoFile)
{
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("taken.csv")));
    const QString missing = at(QStringLiteral("missing/x.csv"));
    ScriptedDialog dialog;
    dialog.answers = {chose(missing, 2), chose(at(QStringLiteral("taken.csv")), 2),
                      chose(at(QStringLiteral("missing/x")), 1)};
    SpreadsheetExporter exporter(dialog.seam());
    EXPECT_EQ(exportOnce(exporter), QStringLiteral("Cannot create file \"%1\". No such file or directory").arg(missing));
    EXPECT_EQ(exportOnce(exporter),
              QStringLiteral("Cannot create file \"%1\". Is a directory").arg(at(QStringLiteral("taken.csv"))));
    EXPECT_EQ(exportOnce(exporter), QStringLiteral("Can't create the export output file"));
    EXPECT_EQ(folderEntries(folder.path()), QStringList({"taken.csv"}));
    EXPECT_TRUE(QFileInfo(at(QStringLiteral("taken.csv"))).isDir());
    EXPECT_EQ(exporter.filterIndex(), 1);
}

TEST_F(SpreadsheetExporterTest, FileDialogOffersTheTypesAndReplacesWithoutAsking)
{
    writeFile(at(QStringLiteral("existing.csv")), "old");
    SaveDialogRequest request;
    request.fileName = QStringLiteral("Bresolan_20101001_20101231");
    request.nameFilters = {QStringLiteral("Excel files (*.xls)"), QStringLiteral(" Delimited files (*.csv)")};
    request.defaultSuffix = QStringLiteral("xls");
    request.filterIndex = 2;

    // Plays the user: once the dialog is up, looks at it, switches the type back and forth and
    // accepts an existing file. A question about replacing it would be a fault: it is answered
    // and noted. After 5 s anything still open is closed, so the test cannot hang.
    QStringList seen;
    bool asked = false;
    bool done = false;
    int ticks = 0;
    QTimer user;
    QObject::connect(&user, &QTimer::timeout, [&] {
        ++ticks;
        QFileDialog *fileDialog = nullptr;
        for (QWidget *window : QApplication::topLevelWidgets()) {
            auto *dialog = qobject_cast<QDialog *>(window);
            if (!dialog || !dialog->isVisible())
                continue;
            if (!qobject_cast<QFileDialog *>(dialog)) {
                asked = true;
                dialog->done(QDialog::Rejected);
                return;
            }
            fileDialog = qobject_cast<QFileDialog *>(dialog);
        }
        if (!fileDialog)
            return;
        if (done || ticks > 100) {
            static_cast<QDialog *>(fileDialog)->done(QDialog::Rejected);
            return;
        }
        done = true;
        seen << (fileDialog->acceptMode() == QFileDialog::AcceptSave ? QStringLiteral("save") : QStringLiteral("open"));
        seen << fileDialog->selectedNameFilter() << fileDialog->defaultSuffix();
        seen << QFileInfo(fileDialog->selectedFiles().value(0)).fileName();
        const QStringList filters = fileDialog->nameFilters();
        fileDialog->selectNameFilter(filters.value(0));
        emit fileDialog->filterSelected(filters.value(0));
        seen << fileDialog->defaultSuffix();
        fileDialog->selectNameFilter(filters.value(1));
        emit fileDialog->filterSelected(filters.value(1));
        // Types the name over the proposed one (selectFile leaves a focused name field alone).
        if (auto *name = fileDialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
            name->setText(QStringLiteral("existing.csv"));
        // Queued: a question it might ask runs its own loop, in which this timer must fire again.
        QMetaObject::invokeMethod(fileDialog, "accept", Qt::QueuedConnection);
    });
    user.start(50);
    // The dialog opens in the working folder (no folder is given to it).
    const QString workingFolder = QDir::currentPath();
    QDir::setCurrent(folder.path());
    const SaveDialogAnswer answer = SpreadsheetExporter::runFileDialog(nullptr, request);
    QDir::setCurrent(workingFolder);

    EXPECT_EQ(seen, QStringList({"save", "Delimited files (*.csv)", "csv", "Bresolan_20101001_20101231.csv", "xls"}));
    EXPECT_FALSE(asked);
    EXPECT_TRUE(answer.accepted);
    EXPECT_EQ(answer.path, at(QStringLiteral("existing.csv")));
    EXPECT_EQ(answer.filterIndex, 2);
}

} // namespace
