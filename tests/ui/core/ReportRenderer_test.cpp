// The printed report, read back from the PDF by poppler's pdftotext, pdfinfo and pdftoppm.

#include "ReportRenderer.h"

#include "BresolanError.h"
#include "ResultsTable.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <set>

namespace {

const QLocale kUnitedStates(QLocale::English, QLocale::UnitedStates);
const QDateTime kPrinted(QDate(2010, 12, 31), QTime(15, 5, 42));
const QString kTitle = reportTitle("Bresolan", "10/1/2010", "12/31/2010");

// Runs a poppler tool; its standard output.
QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(60000)) << program.toStdString();
    EXPECT_EQ(process.exitCode(), 0) << program.toStdString() << ": " << process.readAllStandardError().toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The text of each page, as laid out on it.
QStringList pageTexts(const QString &pdf)
{
    QStringList pages = run("pdftotext", {"-layout", pdf, "-"}).split(u'\f');
    if (!pages.isEmpty() && pages.back().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

QImage firstPage(const QString &pdf, int dpi)
{
    const QString prefix = pdf + QStringLiteral("-page");
    run("pdftoppm", {"-png", "-r", QString::number(dpi), "-f", "1", "-l", "1", "-singlefile", pdf, prefix});
    return QImage(prefix + QStringLiteral(".png"));
}

// The box of the first word with this text in `pdftotext -bbox` output.
QRectF wordBox(const QString &boxes, const QString &word)
{
    const QRegularExpression pattern(
        QStringLiteral("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">%1</word>")
            .arg(QRegularExpression::escape(word)));
    const QRegularExpressionMatch m = pattern.match(boxes);
    EXPECT_TRUE(m.hasMatch()) << word.toStdString();
    return QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                  QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()));
}

VisitRow provider(int id, double pctRender, double pctBilled)
{
    VisitRow row;
    row.addrId = id;
    row.sigName = QStringLiteral("Provider %1").arg(id, 3, 10, QLatin1Char('0'));
    row.totalRender = 100 + id;
    row.mcRender = id;
    row.pctRender = pctRender;
    row.totalBilled = 200 + id;
    row.mcBilled = 2 * id;
    row.pctBilled = pctBilled;
    return row;
}

ResultsTable providers(int count)
{
    std::vector<VisitRow> rows;
    for (int id = 1; id <= count; ++id)
        rows.push_back(provider(id, id % 40, 40 - id % 40));
    ResultsTable table;
    table.setLocale(kUnitedStates);
    table.setRows(std::move(rows));
    return table;
}

class ReportRendererTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        static int argc = 1;
        static char name[] = "ReportRenderer_test";
        static char *argv[] = {name, nullptr};
        s_app = std::make_unique<QGuiApplication>(argc, argv);
    }
    static void TearDownTestSuite() { s_app.reset(); }

    QString path(const QString &name) const { return m_dir.filePath(name); }

    static inline std::unique_ptr<QGuiApplication> s_app;
    QTemporaryDir m_dir;
};

TEST_F(ReportRendererTest, LongGridRepeatsHeadersAndFooterOnNumberedPages)
{
    const ResultsTable table = providers(90);
    const QString pdf = path("report.pdf");
    {
        QFile stale(pdf); // an earlier file in the way is replaced
        ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
        stale.write("stale");
    }
    writeReportPdf(table.snapshot(), kTitle, kPrinted, kUnitedStates, pdf);

    const QString info = run("pdfinfo", {pdf});
    EXPECT_TRUE(info.contains(QRegularExpression("Pages:\\s+3\n"))) << info.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression("Page size:\\s+792 x 612 pts"))) << info.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression("Title:\\s+Bresolan\n"))) << info.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression("Creator:\\s+Bresolan\n"))) << info.toStdString();

    const QStringList pages = pageTexts(pdf);
    ASSERT_EQ(pages.size(), 3);
    const QString renderSum = table.footerText(GridField::TotalRender);
    const QString billedShare = table.footerText(GridField::PctBilled);
    ASSERT_EQ(renderSum, "13095");
    for (int i = 0; i < 3; ++i) {
        const QString &text = pages[i];
        SCOPED_TRACE("page " + std::to_string(i + 1));
        // Left of the page header and centred in the page footer.
        EXPECT_EQ(text.count(QStringLiteral("%1 Of 3").arg(i + 1)), 2) << text.toStdString();
        EXPECT_EQ(text.count("12/31/2010 3:05 PM"), 1);
        for (const char *caption : {"Prov ID", "Provider Name", "Total Render", "MCD Render", "% MCD Render",
                                    "Total Billed", "MCD Billed", "% MCD Billed"})
            EXPECT_TRUE(text.contains(caption)) << caption;
        EXPECT_TRUE(text.contains(QRegularExpression(renderSum + ".*" + billedShare))) << text.toStdString();
        // The title on the first page only.
        EXPECT_EQ(text.contains(QRegularExpression("^\\s*Bresolan\\s*$", QRegularExpression::MultilineOption)), i == 0);
        EXPECT_EQ(text.contains("Date Range: 10/1/2010 through 12/31/2010"), i == 0);
    }
    // The title above the grid.
    EXPECT_LT(pages[0].indexOf("Date Range:"), pages[0].indexOf("Provider Name"));

    // Every row once, in the grid's order, each page's rows between its headers and footer.
    const QRegularExpression name("Provider (\\d{3})");
    int expected = 1;
    for (const QString &text : pages) {
        const qsizetype header = text.indexOf("Provider Name");
        const qsizetype footer = text.indexOf(renderSum);
        for (auto match = name.globalMatch(text); match.hasNext();) {
            const QRegularExpressionMatch m = match.next();
            EXPECT_EQ(m.captured(1).toInt(), expected++);
            EXPECT_GT(m.capturedStart(), header);
            EXPECT_LT(m.capturedStart(), footer);
        }
    }
    EXPECT_EQ(expected, 91);
}

TEST_F(ReportRendererTest, EmptyStartDateLeavesItsPlaceEmpty)
{
    const QString pdf = path("empty-start.pdf");
    writeReportPdf(providers(2).snapshot(), reportTitle("Bresolan", "", "12/31/2010"), kPrinted, kUnitedStates, pdf);
    const QStringList pages = pageTexts(pdf);
    ASSERT_EQ(pages.size(), 1);
    EXPECT_TRUE(pages[0].contains(QRegularExpression("Date Range: +through 12/31/2010"))) << pages[0].toStdString();

    // pdftotext writes any gap as one space: the words' positions show the two spaces.
    const QString boxes = run("pdftotext", {"-bbox", pdf, "-"});
    const auto left = [&](const QString &word) { return wordBox(boxes, word).left(); };
    const auto right = [&](const QString &word) { return wordBox(boxes, word).right(); };
    const double oneSpace = left("Range:") - right("Date");
    const double emptyDate = left("through") - right("Range:");
    EXPECT_NEAR(emptyDate / oneSpace, 2.0, 0.25) << oneSpace << " " << emptyDate;
}

TEST_F(ReportRendererTest, GridWithoutRowsPrintsHeadersAndBlankFooter)
{
    const QString pdf = path("empty.pdf");
    writeReportPdf(ResultsTable().snapshot(), kTitle, kPrinted, kUnitedStates, pdf);
    const QStringList pages = pageTexts(pdf);
    ASSERT_EQ(pages.size(), 1);
    EXPECT_EQ(pages[0].count("1 Of 1"), 2);
    // Between the column headers and the page footer: a footer row without sums or shares.
    const qsizetype headers = pages[0].indexOf("% MCD Billed");
    const qsizetype pageFooter = pages[0].lastIndexOf("1 Of 1");
    ASSERT_GT(headers, 0);
    ASSERT_GT(pageFooter, headers);
    EXPECT_EQ(pages[0].mid(headers, pageFooter - headers).trimmed(), "% MCD Billed");
}

TEST_F(ReportRendererTest, ChosenPageRangePrintsThosePagesWithTheirOwnNumbers)
{
    const QString pdf = path("page-two.pdf");
    {
        QPdfWriter writer(pdf);
        writer.setPageLayout(reportPageLayout());
        QPageRanges ranges;
        ranges.addPage(2);
        writer.setPageRanges(ranges);
        const ReportRenderer renderer(providers(90).snapshot(), kTitle, kPrinted, kUnitedStates);
        EXPECT_EQ(renderer.pageCount(writer), 3);
        renderer.render(writer);
    }
    const QStringList pages = pageTexts(pdf);
    ASSERT_EQ(pages.size(), 1);
    EXPECT_EQ(pages[0].count("2 Of 3"), 2);
    EXPECT_FALSE(pages[0].contains("Date Range:"));
}

TEST_F(ReportRendererTest, ShareCellsCarryTheirBandColours)
{
    ResultsTable table;
    table.setLocale(kUnitedStates);
    table.setRows({provider(1, 10, 35), provider(2, 25, 25), provider(3, 35, 19.96), provider(4, 0, 20)});
    const QString pdf = path("bands.pdf");
    writeReportPdf(table.snapshot(), kTitle, kPrinted, kUnitedStates, pdf);

    const int dpi = 72;
    const QImage page = firstPage(pdf, dpi);
    ASSERT_EQ(page.size(), QSize(792, 612));

    // The band colours met going down the middle of a column, one entry per run.
    const QColor red = bandColour(ShareBand::Below20);
    const QColor yellow = bandColour(ShareBand::From20);
    const QColor green = bandColour(ShareBand::From30);
    const auto runsDown = [&](int firstScreenPixel, int widthScreenPixels) {
        const int x = int((0.5 + 10.0 * (firstScreenPixel + widthScreenPixels / 2.0) / 430.0) * dpi);
        QList<QColor> runs;
        for (int y = 0; y < page.height(); ++y) {
            const QColor c = page.pixelColor(x, y);
            if ((c == red || c == yellow || c == green) && (runs.isEmpty() || runs.back() != c))
                runs.append(c);
        }
        return runs;
    };
    // Default layout: Prov ID 40, Provider Name 120, Total Render 45, MCD Render 45,
    // % MCD Render 45, Total Billed 45, MCD Billed 45, % MCD Billed 45 screen pixels.
    EXPECT_EQ(runsDown(250, 45), QList<QColor>({red, yellow, green, red}));
    // 19.96 shows as 20.0% but stays red; 20 is yellow.
    EXPECT_EQ(runsDown(385, 45), QList<QColor>({green, yellow, red, yellow}));
    EXPECT_EQ(runsDown(160, 45), QList<QColor>());
}

TEST_F(ReportRendererTest, UnwritableTargetThrowsAndLeavesNoFile)
{
    const QString pdf = path("missing-folder/report.pdf");
    try {
        writeReportPdf(providers(3).snapshot(), kTitle, kPrinted, kUnitedStates, pdf);
        FAIL() << "no error";
    } catch (const BresolanError &e) {
        EXPECT_TRUE(e.message().startsWith(QStringLiteral("Cannot create file \"%1\".").arg(pdf)))
            << e.message().toStdString();
    }
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
}

} // namespace
