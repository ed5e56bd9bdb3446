#include "ExportNames.h"
#include "GridWorkbook.h"

#include <gtest/gtest.h>

namespace {

TEST(ExportNames, ProposedNameCarriesBothDatesOrZeros)
{
    const QDate start(2010, 10, 1);
    const QDate end(2010, 12, 31);
    EXPECT_EQ(proposedExportName(start, end), QStringLiteral("Bresolan_20101001_20101231"));
    EXPECT_EQ(proposedExportName(std::nullopt, end), QStringLiteral("Bresolan_00000000_20101231"));
    EXPECT_EQ(proposedExportName(start, std::nullopt), QStringLiteral("Bresolan_20101001_00000000"));
    EXPECT_EQ(proposedExportName(QDate(), QDate(999, 1, 2)), QStringLiteral("Bresolan_00000000_09990102"));
}

TEST(ExportNames, DialogOffersWorkbookFirstThenDelimitedText)
{
    EXPECT_EQ(exportNameFilters(),
              QStringList({QStringLiteral("Excel files (*.xls)"), QStringLiteral(" Delimited files (*.csv)")}));
    EXPECT_EQ(kWorkbookFileType, 1);
    // A description without its mask gets it appended, for Qt to read the patterns from.
    EXPECT_EQ(nameFiltersFromPairs(QStringLiteral("Text|*.txt|Odd")), QStringList({QStringLiteral("Text (*.txt)")}));
}

struct PathCase
{
    const char *chosen;
    const char *workbook;
    const char *baseName;
};

TEST(ExportNames, ExtensionIsFromTheLastDotAfterTheLastSeparator)
{
    const PathCase cases[] = {
        {"/out/report", "/out/report.xls", "report"},
        {"/out/report.csv", "/out/report.xls", "report"},
        {"/out/report.xls", "/out/report.xls", "report"},
        {"/out/report.tar.gz", "/out/report.tar.xls", "report.tar"},
        {"/out/report.", "/out/report.xls", "report"},
        {"/out.d/report", "/out.d/report.xls", "report"},
        {"C:\\out.d\\report", "C:\\out.d\\report.xls", "report"},
        {"C:report.txt", "C:report.xls", "report"},
        {"/out/.csv", "/out/.xls", ""},
        {"report", "report.xls", "report"},
    };
    for (const PathCase &c : cases) {
        SCOPED_TRACE(c.chosen);
        const QString chosen = QString::fromUtf8(c.chosen);
        EXPECT_EQ(workbookPathFor(chosen), QString::fromUtf8(c.workbook));
        EXPECT_EQ(pathBaseName(chosen), QString::fromUtf8(c.baseName));
    }
    EXPECT_EQ(pathExtension(QStringLiteral("/out/report.CSV")), QStringLiteral(".CSV"));
    EXPECT_EQ(pathExtension(QStringLiteral("/out.d/report")), QString());
}

TEST(ExportNames, SheetIsNamedAfterTheWrittenFileAsAValidSheetName)
{
    EXPECT_EQ(workbookSheetName(QStringLiteral("/out/Bresolan_20101001_20101231.xls")),
              QStringLiteral("Bresolan_20101001_20101231"));
    EXPECT_EQ(workbookSheetName(QStringLiteral("/out/a[1]*?.xls")), QStringLiteral("a_1___"));
    EXPECT_EQ(workbookSheetName(QStringLiteral("/out/'quoted'.xls")), QStringLiteral("quoted"));
    EXPECT_EQ(workbookSheetName(QStringLiteral("/out/.xls")), QStringLiteral("Sheet1"));
    EXPECT_EQ(workbookSheetName(QStringLiteral("/out/") + QString(40, u'x') + QStringLiteral(".xls")),
              QString(31, u'x'));
}

} // namespace
