#include "ReportPrinter.h"

#include "BresolanError.h"
#include "ReportRenderer.h"
#include "ResultsTable.h"

#include <QApplication>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace {

const QLocale kUnitedStates(QLocale::English, QLocale::UnitedStates);
const QString kTitle = reportTitle("Bresolan", "10/1/2010", "12/31/2010");

GridSnapshot providers(int count)
{
    std::vector<VisitRow> rows;
    for (int id = 1; id <= count; ++id) {
        VisitRow row;
        row.addrId = id;
        row.sigName = QStringLiteral("Provider %1").arg(id);
        row.totalRender = 10;
        row.totalBilled = 10;
        rows.push_back(row);
    }
    ResultsTable table;
    table.setRows(std::move(rows));
    return table.snapshot();
}

QString pdfText(const QString &pdf)
{
    QProcess process;
    process.start("pdftotext", {"-layout", pdf, "-"});
    EXPECT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 0);
    return QString::fromUtf8(process.readAllStandardOutput());
}

class ReportPrinterTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        static int argc = 1;
        static char name[] = "ReportPrinter_test";
        static char *argv[] = {name, nullptr};
        s_app = std::make_unique<QApplication>(argc, argv);
    }
    static void TearDownTestSuite() { s_app.reset(); }

    static QPrintPreviewWidget *previewOf(QPrintPreviewDialog &dialog)
    {
        return dialog.findChild<QPrintPreviewWidget *>();
    }

    static inline std::unique_ptr<QApplication> s_app;
    QTemporaryDir m_dir;
};

TEST_F(ReportPrinterTest, PrinterStartsOnLandscapeLetterWithHalfInchMargins)
{
    ReportPrinter reportPrinter(kUnitedStates);
    const QPageLayout layout = reportPrinter.printer().pageLayout();
    EXPECT_EQ(layout.pageSize().id(), QPageSize::Letter);
    EXPECT_EQ(layout.orientation(), QPageLayout::Landscape);
    EXPECT_EQ(layout.margins(QPageLayout::Inch), QMarginsF(0.5, 0.5, 0.5, 0.5));
    EXPECT_EQ(reportPrinter.printer().docName(), "Bresolan");
}

TEST_F(ReportPrinterTest, PreviewKeepsItsTimeAndAPrintJobTakesTheTimeItStarts)
{
    const QDateTime opened(QDate(2010, 12, 31), QTime(15, 5));
    const QDateTime printing(QDate(2010, 12, 31), QTime(16, 10));
    int clockReads = 0;
    ReportPrinter reportPrinter(kUnitedStates, [&] { return ++clockReads == 1 ? opened : printing; });
    const QString pdf = m_dir.filePath("printed.pdf");
    reportPrinter.printer().setOutputFormat(QPrinter::PdfFormat);
    reportPrinter.printer().setOutputFileName(pdf);

    bool ran = false;
    reportPrinter.setDialogRunner([&](QPrintPreviewDialog &dialog) {
        ran = true;
        EXPECT_EQ(dialog.windowTitle(), "Print Preview");
        dialog.show(); // builds the preview
        QPrintPreviewWidget *preview = previewOf(dialog);
        EXPECT_EQ(preview->pageCount(), 3);
        preview->updatePreview(); // a new page setup lays the pages out again, at the same time
        EXPECT_EQ(clockReads, 1);
        preview->print();
        EXPECT_EQ(clockReads, 2);
        // What the user sets up in the preview stays with the printer.
        dialog.printer()->setPageOrientation(QPageLayout::Portrait);
        return int(QDialog::Accepted);
    });
    reportPrinter.preview(nullptr, providers(90), kTitle);
    ASSERT_TRUE(ran);

    const QString text = pdfText(pdf);
    EXPECT_EQ(text.count("12/31/2010 4:10 PM"), 3) << text.toStdString();
    EXPECT_FALSE(text.contains("3:05 PM"));
    EXPECT_EQ(text.count("Of 3"), 6);

    reportPrinter.setDialogRunner([&](QPrintPreviewDialog &dialog) {
        EXPECT_EQ(dialog.printer()->pageLayout().orientation(), QPageLayout::Portrait);
        return int(QDialog::Rejected);
    });
    reportPrinter.preview(nullptr, providers(3), kTitle);
}

TEST_F(ReportPrinterTest, FailedPrintJobClosesThePreviewAndIsThrown)
{
    ReportPrinter reportPrinter(kUnitedStates);
    reportPrinter.printer().setOutputFormat(QPrinter::PdfFormat);
    reportPrinter.printer().setOutputFileName(m_dir.filePath("missing-folder/printed.pdf"));
    reportPrinter.setDialogRunner([](QPrintPreviewDialog &dialog) {
        dialog.show();
        previewOf(dialog)->print();
        return int(QDialog::Accepted);
    });
    EXPECT_THROW(reportPrinter.preview(nullptr, providers(3), kTitle), BresolanError);
}

} // namespace
