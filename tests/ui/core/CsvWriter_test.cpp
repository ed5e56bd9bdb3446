#include "CsvWriter.h"
#include "ExportTestSupport.h"

#include <gtest/gtest.h>

namespace {

using namespace exporttest;

TEST(CsvWriter, ExampleGridGivesThreeQuotedLines)
{
    EXPECT_EQ(csvBytes(exampleSnapshot()), exampleCsv());
}

TEST(CsvWriter, EmptyGridGivesHeaderAndEmptyFooter)
{
    const QByteArray expected = QByteArrayLiteral(
        "\"Prov ID\",\"Provider Name\",\"Total Render\",\"MCD Render\",\"% MCD Render\",\"Total Billed\","
        "\"MCD Billed\",\"% MCD Billed\"\r\n"
        "\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n");
    EXPECT_EQ(csvBytes(snapshotOf({})), expected);
}

TEST(CsvWriter, FieldsStayWholeAndTextIsUtf8WithoutByteOrderMark)
{
    // Columns as the user arranged them: name first, then the billed share and the id.
    const QList<ResultsTable::ColumnLayout> layout = {
        {GridField::SigName, 120}, {GridField::PctBilled, 45}, {GridField::AddrId, 40}};
    const GridSnapshot snapshot = snapshotOf({visit(7, QStringLiteral("Doe, Jane \"JJ\" DO"), 10, 0, 10, 2),
                                              visit(8, QString::fromUtf8("M\u00fcller \u20ac"), 0, 0, 0, 0)},
                                             layout);
    const QByteArray expected =
        QByteArrayLiteral("\"Provider Name\",\"% MCD Billed\",\"Prov ID\"\r\n"
                          "\"Doe, Jane \"\"JJ\"\" DO\",\"20.0%\",\"7\"\r\n") +
        QByteArray("\"M\xc3\xbcller \xe2\x82\xac\",\".0%\",\"8\"\r\n") +
        QByteArrayLiteral("\"\",\"20.0%\",\"\"\r\n");
    EXPECT_EQ(csvBytes(snapshot), expected);
}

TEST(CsvWriter, QuoteLineHandlesEmptyAndQuoteOnlyFields)
{
    EXPECT_EQ(csvLine({}), QStringLiteral("\r\n"));
    EXPECT_EQ(csvLine({QString(), QStringLiteral("\""), QStringLiteral("a\r\nb")}),
              QStringLiteral("\"\",\"\"\"\",\"a\r\nb\"\r\n"));
}

} // namespace
