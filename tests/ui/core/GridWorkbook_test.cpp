#include "ExportFiles.h"
#include "ExportTestSupport.h"
#include "GridWorkbook.h"

#include <QJsonArray>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using namespace exporttest;

const QJsonArray kHeaderFill{240, 240, 240};
const QJsonArray kWhite{255, 255, 255};
const QJsonArray kRed{255, 128, 128};
const QJsonArray kYellow{255, 255, 128};
const QJsonArray kGreen{128, 255, 128};
const QJsonArray kGridLine{160, 160, 160};

TEST(GridWorkbook, ColumnWidthsFollowScreenPixelsAndDpi)
{
    struct Case { int pixels, dpi, width; };
    const Case cases[] = {
        {40, 96, 1464}, {45, 96, 1647}, {120, 96, 4392}, // 36.6 per pixel at 96 dpi
        {45, 120, 1318},                                 // 45 × 36.6 ÷ 1.25 = 1317.6
        {60, 144, 1464},
        {45, 72, 1647}, {45, 0, 1647},                   // a ratio below 1 counts as 1
        {0, 96, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.pixels << " px at " << c.dpi << " dpi");
        EXPECT_EQ(workbookColumnWidth(c.pixels, c.dpi), c.width);
    }
}

TEST(GridWorkbook, DataCellsAreTextsAndOnlyTheFourSumsAreNumbers)
{
    GridSnapshot snapshot = snapshotOf({visit(12, QStringLiteral("Provider A, MD"), 120, 30, 130, 35),
                                        visit(13, QStringLiteral("B"), 5, 1, 0, 0)});
    snapshot.rows[1][1].text = QStringLiteral("Two\r\nlines\r");
    snapshot.rows[1][0].text.clear();

    const xls::Sheet sheet = gridWorksheet(snapshot, QStringLiteral("grid"));
    EXPECT_EQ(sheet.name, "grid");
    ASSERT_EQ(sheet.rows.size(), 4u);
    using Kind = xls::Cell::Kind;
    for (const auto &row : sheet.rows)
        ASSERT_EQ(row.size(), 8u);
    EXPECT_EQ(sheet.rows[0][4].text, "% MCD Render");
    EXPECT_EQ(sheet.rows[1][0].kind, Kind::Text);
    EXPECT_EQ(sheet.rows[1][0].text, "12");
    EXPECT_EQ(sheet.rows[1][2].kind, Kind::Text);
    EXPECT_EQ(sheet.rows[1][4].text, "25.0%");
    EXPECT_EQ(sheet.rows[2][0].kind, Kind::Empty);           // empty text: no text cell
    EXPECT_TRUE(sheet.rows[2][0].format.showsOnEmptyCell()); // but the cell's look
    EXPECT_EQ(sheet.rows[2][1].text, "Two\nlines");           // carriage returns removed
    EXPECT_EQ(sheet.rows[2][7].text, ".0%");

    const std::vector<xls::Cell> &footer = sheet.rows[3];
    const Kind kinds[] = {Kind::Empty, Kind::Empty, Kind::Number, Kind::Number,
                          Kind::Empty, Kind::Number, Kind::Number, Kind::Empty};
    const double sums[] = {0, 0, 125, 31, 0, 130, 35, 0};
    for (int c = 0; c < 8; ++c) {
        SCOPED_TRACE(c);
        EXPECT_EQ(footer[c].kind, kinds[c]);
        EXPECT_EQ(footer[c].number, sums[c]);
    }
}

TEST(GridWorkbook, WithoutRowsTheFooterRowIsThereAndEmpty)
{
    const xls::Sheet sheet = gridWorksheet(snapshotOf({}), QStringLiteral("empty"));
    ASSERT_EQ(sheet.rows.size(), 2u);
    for (const xls::Cell &cell : sheet.rows[1])
        EXPECT_EQ(cell.kind, xls::Cell::Kind::Empty);
}

TEST(GridWorkbook, CellsBeyondTheFormatsBoundsAreDropped)
{
    GridSnapshot wide;
    for (int c = 0; c < 300; ++c) {
        wide.columns.append({GridField::AddrId, QStringLiteral("c%1").arg(c), 10, Qt::AlignRight, false});
        wide.footerTexts.append(QString());
        wide.footerSums.append(c);
    }
    wide.rows.append(QList<SnapshotCell>(300, SnapshotCell{QStringLiteral("x"), std::nullopt}));
    const xls::Sheet cut = gridWorksheet(wide, QStringLiteral("wide"));
    EXPECT_EQ(cut.columnWidths.size(), 256u);
    for (const auto &row : cut.rows)
        EXPECT_EQ(row.size(), 256u);

    // 65,535 grid rows fill the sheet together with the header; the footer falls outside.
    GridSnapshot tall = snapshotOf({visit(1, QStringLiteral("A"), 1, 1, 1, 1)});
    tall.rows = QList<QList<SnapshotCell>>(65535, tall.rows.first());
    EXPECT_EQ(gridWorksheet(tall, QStringLiteral("tall")).rows.size(), 65536u);
    tall.rows.removeLast();
    const xls::Sheet fits = gridWorksheet(tall, QStringLiteral("tall"));
    ASSERT_EQ(fits.rows.size(), 65536u);
    EXPECT_EQ(fits.rows.back()[2].kind, xls::Cell::Kind::Number); // the footer is the last row
}

// ---- read back by independent readers ----

class GridWorkbookFile : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        // One provider per band in each share column, in the user's column widths at 120 dpi.
        QList<ResultsTable::ColumnLayout> layout = ResultsTable::defaultLayout();
        layout[1].width = 150;
        snapshot = snapshotOf({visit(1, QStringLiteral("Low"), 100, 10, 100, 29),     // 10.0% red, 29.0% yellow
                               visit(2, QStringLiteral("Mid, \"Q\""), 100, 20, 7, 7), // 20.0% yellow, 100.0% green
                               visit(3, QStringLiteral("High"), 10, 3, 400, 49)},     // 30.0% green, 12.3% red
                              layout, 120);
        snapshot.rows[0][1].text = QStringLiteral("Low\r\nline");
        snapshot.rows[2][1].text.clear();
        path = folder.filePath(QStringLiteral("Bresolan_20101001_20101231.xls"));
        exportWorkbook(snapshot, path);
    }

    QTemporaryDir folder;
    GridSnapshot snapshot;
    QString path;
};

TEST_F(GridWorkbookFile, XlrdReadsTextsNumbersAndTheGridsLook)
{
    const QJsonObject book = readWorkbookBack(path);
    EXPECT_EQ(book.value(QStringLiteral("problems")).toArray(), QJsonArray());
    const QJsonArray sheets = book.value(QStringLiteral("sheets")).toArray();
    ASSERT_EQ(sheets.size(), 1);
    const QJsonObject sheet = sheets.at(0).toObject();
    EXPECT_EQ(sheet.value(QStringLiteral("name")).toString(), QStringLiteral("Bresolan_20101001_20101231"));
    EXPECT_EQ(sheet.value(QStringLiteral("widths")).toArray(),
              QJsonArray({1171, 4392, 1318, 1318, 1318, 1318, 1318, 1318}));

    const QJsonArray rows = sheet.value(QStringLiteral("rows")).toArray();
    ASSERT_EQ(rows.size(), 5);
    const auto cell = [&rows](int r, int c) { return rows.at(r).toArray().at(c).toObject(); };
    const auto type = [&cell](int r, int c) { return cell(r, c).value(QStringLiteral("type")).toString(); };
    const auto look = [&cell](int r, int c) { return cell(r, c).value(QStringLiteral("look")).toObject(); };

    // Texts as the grid shows them; the footer's sums alone are numbers.
    const QStringList header = {"Prov ID", "Provider Name", "Total Render", "MCD Render",
                                "% MCD Render", "Total Billed", "MCD Billed", "% MCD Billed"};
    const QStringList data[] = {
        {"1", "Low\nline", "100", "10", "10.0%", "100", "29", "29.0%"},
        {"2", "Mid, \"Q\"", "100", "20", "20.0%", "7", "7", "100.0%"},
        {"3", "", "10", "3", "30.0%", "400", "49", "12.3%"},
    };
    for (int c = 0; c < 8; ++c) {
        SCOPED_TRACE(c);
        EXPECT_EQ(type(0, c), QStringLiteral("text"));
        EXPECT_EQ(cell(0, c).value(QStringLiteral("value")).toString(), header[c]);
        for (int r = 0; r < 3; ++r) {
            EXPECT_EQ(type(r + 1, c), data[r][c].isEmpty() ? QStringLiteral("blank") : QStringLiteral("text"));
            EXPECT_EQ(cell(r + 1, c).value(QStringLiteral("value")).toString(), data[r][c]);
        }
    }
    const double sums[] = {0, 0, 210, 33, 0, 507, 85, 0};
    for (int c = 0; c < 8; ++c) {
        SCOPED_TRACE(c);
        EXPECT_EQ(type(4, c), sums[c] != 0 ? QStringLiteral("number") : QStringLiteral("blank"));
        if (sums[c] != 0) {
            EXPECT_EQ(cell(4, c).value(QStringLiteral("value")).toDouble(), sums[c]);
        }
    }

    // Every cell: Arial 8.25 regular in black, thin grid lines all round.
    const QJsonObject font{{"name", "Arial"}, {"height", 165}, {"bold", false}, {"italic", false},
                           {"colour", QJsonArray{0, 0, 0}}};
    for (int r = 0; r < 5; ++r) {
        for (int c = 0; c < 8; ++c) {
            SCOPED_TRACE(testing::Message() << "row " << r << " column " << c);
            EXPECT_EQ(look(r, c).value(QStringLiteral("font")).toObject(), font);
            EXPECT_EQ(look(r, c).value(QStringLiteral("borders")).toArray(), QJsonArray({1, 1, 1, 1}));
            EXPECT_EQ(look(r, c).value(QStringLiteral("border_colours")).toArray(),
                      QJsonArray({kGridLine, kGridLine, kGridLine, kGridLine}));
        }
    }

    // Fills and alignment: button face centred above, button face right-aligned below,
    // white or the bands between, aligned like their column.
    const QJsonArray bands[3][2] = {{kRed, kYellow}, {kYellow, kGreen}, {kGreen, kRed}};
    for (int c = 0; c < 8; ++c) {
        SCOPED_TRACE(c);
        EXPECT_EQ(look(0, c).value(QStringLiteral("fill")).toArray(), kHeaderFill);
        EXPECT_EQ(look(0, c).value(QStringLiteral("align")).toString(), QStringLiteral("centre"));
        EXPECT_EQ(look(4, c).value(QStringLiteral("fill")).toArray(), kHeaderFill);
        EXPECT_EQ(look(4, c).value(QStringLiteral("align")).toString(), QStringLiteral("right"));
        for (int r = 0; r < 3; ++r) {
            const QJsonArray fill = c == 4 ? bands[r][0] : c == 7 ? bands[r][1] : kWhite;
            EXPECT_EQ(look(r + 1, c).value(QStringLiteral("fill")).toArray(), fill);
            EXPECT_EQ(look(r + 1, c).value(QStringLiteral("align")).toString(),
                      c == 1 ? QStringLiteral("left") : QStringLiteral("right"));
        }
    }
}

TEST_F(GridWorkbookFile, GnumericReadsTheSameCells)
{
    const QString csv = folder.filePath(QStringLiteral("back.csv"));
    runProgram(QStringLiteral("ssconvert"),
               {QStringLiteral("--export-type=Gnumeric_stf:stf_csv"), path, csv});
    const QString expected = QStringLiteral(
        "\"Prov ID\",\"Provider Name\",\"Total Render\",\"MCD Render\",\"% MCD Render\",\"Total Billed\","
        "\"MCD Billed\",\"% MCD Billed\"\n"
        "1,\"Low\nline\",100,10,10.0%,100,29,29.0%\n"
        "2,\"Mid, \"\"Q\"\"\",100,20,20.0%,7,7,100.0%\n"
        "3,,10,3,30.0%,400,49,12.3%\n"
        ",,210,33,,507,85,\n");
    EXPECT_EQ(QString::fromUtf8(readFile(csv)), expected);
}

} // namespace
