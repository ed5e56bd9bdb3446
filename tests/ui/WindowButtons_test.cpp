// The Print and Help buttons of the real window, on a practice served by the test server.
#include "PracticeFixture.h"
#include "ReportPrinter.h"
#include "ResultsModel.h"
#include "WindowTestSupport.h"
#include "DateField.h"
#include "qelUpdater.h"

#include <QFile>
#include <QPrintPreviewDialog>
#include <QProcess>
#include <QRegularExpression>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace windowtest;

namespace {

class WindowButtons : public testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        folder = std::make_unique<QTemporaryDir>(fixtureFolder() + QStringLiteral("/buttons-XXXXXX"));
        ::chmod(folder->path().toLocal8Bit().constData(), 0777);
        QFile ini(folder->filePath(QStringLiteral("telvosetup.ini")));
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
        ini.write(("[IB]\r\nNetPathMed=127.0.0.1:" + folder->path() + "/\r\n").toUtf8());
        ini.close();
        PracticeData data;
        data.providers = {{7, QStringLiteral("Provider A, MD"), 1}};
        data.transactions = {{QStringLiteral("99213"), QDateTime(QDate(2010, 10, 5), QTime(0, 0)), 7, 7, {}, {}}};
        database = std::make_unique<PracticeFixture>(PracticeFixture::ExactFile{folder->filePath("medical.gdb")}, data);
    }
    static void TearDownTestSuite()
    {
        database.reset();
        folder.reset();
    }

    void SetUp() override
    {
        window = std::make_unique<TfrmDatabaseUpdate>(folder->path(), std::make_unique<RecordingDialogs>(dialogs));
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        QCoreApplication::processEvents();
        ASSERT_EQ(window->dsAT->rowCount(), 1);
    }

    static inline std::unique_ptr<QTemporaryDir> folder;
    static inline std::unique_ptr<PracticeFixture> database;
    DialogLog dialogs;
    std::unique_ptr<TfrmDatabaseUpdate> window;
};

TEST_F(WindowButtons, PrintOpensThePreviewOfTheGridUnderTheDateRangeTitle)
{
    QTemporaryDir out;
    const QString pdf = out.filePath(QStringLiteral("printed.pdf"));
    QString caption;
    window->edtStartDate->setText(QString());
    window->dxComponentPrinter1().setDialogRunner([&](QPrintPreviewDialog &dialog) {
        caption = dialog.windowTitle();
        // Print what the preview shows, to a file instead of a printer.
        QPrinter &printer = window->dxComponentPrinter1().printer();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        emit dialog.paintRequested(&printer);
        return 0;
    });
    QTest::mouseClick(window->bPrintGrid, Qt::LeftButton);
    EXPECT_EQ(caption, "Print Preview");
    EXPECT_TRUE(dialogs.shown.isEmpty()) << dialogs.shown.join('\n').toStdString();

    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished(30000));
    const QString printed = QString::fromUtf8(text.readAllStandardOutput());
    EXPECT_TRUE(printed.contains("Bresolan")) << printed.toStdString();
    EXPECT_TRUE(printed.contains(QRegularExpression("Date Range: +through 12/31/2010"))) << printed.toStdString();
    EXPECT_TRUE(printed.contains("Provider A, MD"));
    EXPECT_EQ(window->dsAT->rowCount(), 1); // the rows printed were the grid's: nothing queried again
}

TEST_F(WindowButtons, HelpHandsOneAddressForTheWindowCaption)
{
    QList<QUrl> opened;
    window->setHelpOpener([&opened](const QUrl &url) {
        opened << url;
        return true;
    });
    QTest::mouseClick(window->btnHelp, Qt::LeftButton);
    ASSERT_EQ(opened.size(), 1);
    EXPECT_TRUE(opened[0].toString(QUrl::FullyEncoded).startsWith("http://"));
    EXPECT_TRUE(opened[0].toString(QUrl::FullyEncoded).endsWith("/index.php/Special:Search?search=Bresolan&go=Go"))
        << opened[0].toString().toStdString();
    EXPECT_TRUE(dialogs.shown.isEmpty());
}

TEST_F(WindowButtons, ExportProposesTheDateRangeAndWritesWhatTheGridShows)
{
    QTemporaryDir out;
    QList<SaveDialogRequest> requests;
    window->setSaveDialog([&](QWidget *, const SaveDialogRequest &request) {
        requests << request;
        return SaveDialogAnswer{true, out.filePath("grid.csv"), 2}; // the user picks the text type
    });
    QTest::mouseClick(window->bExport, Qt::LeftButton);
    window->edtStartDate->setText(QString());
    QTest::mouseClick(window->bExport, Qt::LeftButton);
    ASSERT_EQ(requests.size(), 2);
    EXPECT_EQ(requests[0].fileName, "Bresolan_20101001_20101231");
    EXPECT_EQ(requests[0].filterIndex, 1);
    EXPECT_EQ(requests[1].fileName, "Bresolan_00000000_20101231");
    EXPECT_EQ(requests[1].filterIndex, 2); // the type of the last successful save
    EXPECT_TRUE(dialogs.shown.isEmpty()) << dialogs.shown.join('\n').toStdString();
    QFile csv(out.filePath("grid.csv"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    const QByteArray bytes = csv.readAll();
    EXPECT_TRUE(bytes.startsWith("\"Prov ID\",\"Provider Name\","));
    EXPECT_TRUE(bytes.contains("\"7\",\"Provider A, MD\",\"1\",\"0\",\".0%\""));

    // A failure reaches the default error report and leaves the grid as it was.
    window->setSaveDialog([&](QWidget *, const SaveDialogRequest &) {
        return SaveDialogAnswer{true, out.filePath("missing/grid.xls"), 1};
    });
    QTest::mouseClick(window->bExport, Qt::LeftButton);
    EXPECT_EQ(dialogs.shown, QStringList{"report: Can't create the export output file."});
    EXPECT_EQ(window->dsAT->rowCount(), 1);
    EXPECT_FALSE(QFile::exists(out.filePath("missing")));
}

} // namespace
