// A whole workbook file read back by independent readers: xlrd (cells, fonts, fills,
// alignment, borders, widths, sheet name), olefile (the container) and Gnumeric's ssconvert.

#include <cmath>
#include <fstream>
#include <iterator>
#include <limits>

#include <gtest/gtest.h>

#include "PythonReader.h"
#include "Xls.h"

namespace xls {
namespace {

using test::parseKeyValues;
using test::runCommand;
using test::runReader;
using test::ScratchFolder;
using test::shellQuote;

const Rgb kRed{255, 128, 128};
const Rgb kYellow{255, 255, 128};
const Rgb kGreen{128, 255, 128};
const Rgb kHeaderGrey{212, 208, 200};
const Rgb kNavy{0, 0, 128};

CellFormat headerFormat()
{
    CellFormat format;
    format.font.name = "Tahoma";
    format.font.bold = true;
    format.fill = kHeaderGrey;
    format.align = HAlign::Centre;
    format.borderLeft = format.borderRight = format.borderTop = format.borderBottom = true;
    format.borderColour = Rgb{128, 128, 128};
    return format;
}

CellFormat band(Rgb colour)
{
    CellFormat format;
    format.fill = colour;
    format.align = HAlign::Right;
    format.borderBottom = true;
    return format;
}

// What an export of the grid looks like: header, data rows with bands, footer with sums.
Sheet gridLikeSheet()
{
    CellFormat plain;
    CellFormat left;
    left.align = HAlign::Left;
    left.font.italic = true;
    left.font.underline = true;
    left.font.colour = kNavy;
    CellFormat struck;
    struck.font.strikeOut = true;
    struck.font.points = 12;
    CellFormat footer;
    footer.font.bold = true;
    footer.fill = Rgb{192, 192, 192};
    footer.borderTop = true;

    Sheet sheet;
    sheet.name = "Q4/2010: [draft]";
    sheet.columnWidths = {1830, 5124.4, 2928};
    sheet.rows = {
        {Cell::makeText("Prov ID", headerFormat()), Cell::makeText("Provider Name", headerFormat()),
         Cell::makeText("% MCD Render", headerFormat())},
        {Cell::makeText("12", plain), Cell::makeText("Zoë Ümlaut", left), Cell::makeText("15.0%", band(kRed))},
        {Cell::makeText("13", plain), Cell::makeText("€ Provider 中", struck), Cell::makeText("25.0%", band(kYellow))},
        {Cell::makeText("14", plain), Cell::makeEmpty(plain), Cell::makeText("35.0%", band(kGreen))},
        {Cell::makeEmpty(footer), Cell::makeEmpty(footer), Cell::makeNumber(120, footer),
         Cell::makeNumber(std::numeric_limits<double>::quiet_NaN(), footer), Cell::makeNumber(-2.5, plain)},
    };
    return sheet;
}

class ReadBack : public ::testing::Test
{
protected:
    void SetUp() override
    {
        workbook = folder.path() / "Bresolan_20101001_20101231.xls";
        writeWorkbook(gridLikeSheet(), workbook);
        const auto result = runReader("xls_dump.py", shellQuote(workbook.string()) + " "
                                                         + shellQuote((folder.path() / "stream.bin").string()));
        ASSERT_EQ(result.exitCode, 0) << result.output;
        output = result.output;
        values = parseKeyValues(output);
    }

    std::string cell(int row, int column, const std::string &what)
    {
        return values["cell " + std::to_string(row) + "," + std::to_string(column) + "." + what];
    }

    ScratchFolder folder;
    std::filesystem::path workbook;
    std::string output;
    std::map<std::string, std::string> values;
};

TEST_F(ReadBack, XlrdReadsEveryCellWithoutComplaint)
{
    EXPECT_EQ(values["complaints"], "0") << output;
    EXPECT_EQ(values["sheets"], "1");
    EXPECT_EQ(values["sheet.name"], "\"Q4_2010_ _draft_\"");
    EXPECT_EQ(values["nrows"], "5");
    EXPECT_EQ(values["ncols"], "5");

    struct Expected { int row, column; const char *type, *value; };
    const Expected expected[] = {
        {0, 0, "text", "\"Prov ID\""},         {0, 2, "text", "\"% MCD Render\""},
        {1, 1, "text", "\"Zoë Ümlaut\""},      {2, 1, "text", "\"€ Provider 中\""},
        {2, 2, "text", "\"25.0%\""},           {4, 0, "blank", "\"\""},
        {4, 1, "blank", "\"\""},               {4, 2, "number", "120.0"},
        {4, 3, "error", "36"},                 {4, 4, "number", "-2.5"},
    };
    for (const Expected &e : expected) {
        SCOPED_TRACE(std::to_string(e.row) + "," + std::to_string(e.column));
        EXPECT_EQ(cell(e.row, e.column, "type"), e.type);
        EXPECT_EQ(cell(e.row, e.column, "value"), e.value);
    }
    // An empty cell without fill or border is not written at all.
    EXPECT_EQ(values.count("cell 3,1.type"), 0u) << output;
}

TEST_F(ReadBack, FormatsComeBackAsGiven)
{
    EXPECT_EQ(cell(0, 0, "font"), "Tahoma|165|bold=1|italic=0|underline=0|struck=0|colour=0,0,0");
    EXPECT_EQ(cell(1, 1, "font"), "Arial|165|bold=0|italic=1|underline=1|struck=0|colour=0,0,128");
    EXPECT_EQ(cell(2, 1, "font"), "Arial|240|bold=0|italic=0|underline=0|struck=1|colour=0,0,0");

    EXPECT_EQ(cell(0, 0, "fill"), "212,208,200");
    EXPECT_EQ(cell(1, 2, "fill"), "255,128,128");
    EXPECT_EQ(cell(2, 2, "fill"), "255,255,128");
    EXPECT_EQ(cell(3, 2, "fill"), "128,255,128");
    EXPECT_EQ(cell(4, 1, "fill"), "192,192,192");
    EXPECT_EQ(cell(1, 0, "fill"), "none");

    EXPECT_EQ(cell(0, 1, "align"), "2");
    EXPECT_EQ(cell(1, 1, "align"), "1");
    EXPECT_EQ(cell(1, 2, "align"), "3");
    EXPECT_EQ(cell(1, 0, "align"), "0");

    EXPECT_EQ(cell(0, 0, "borders"), "1,1,1,1 128,128,128|128,128,128|128,128,128|128,128,128");
    EXPECT_EQ(cell(1, 2, "borders"), "0,0,0,1 -|-|-|0,0,0");
    EXPECT_EQ(cell(1, 0, "borders"), "0,0,0,0 -|-|-|-");

    EXPECT_EQ(values["col 0.width"], "1830");
    EXPECT_EQ(values["col 1.width"], "5124");
    EXPECT_EQ(values["col 2.width"], "2928");
}

TEST_F(ReadBack, ContainerHoldsTheWorkbookStreamUnchanged)
{
    EXPECT_EQ(values["ole.streams"], "Workbook");
    std::ifstream file(folder.path() / "stream.bin", std::ios::binary);
    const std::vector<std::uint8_t> stored{std::istreambuf_iterator<char>(file), {}};
    EXPECT_EQ(stored, buildWorkbookStream(gridLikeSheet()));
}

TEST_F(ReadBack, GnumericConvertsItWithoutError)
{
    const auto csv = folder.path() / "out.csv";
    const auto result = runCommand("ssconvert " + shellQuote(workbook.string()) + " " + shellQuote(csv.string()));
    ASSERT_EQ(result.exitCode, 0) << result.output;
    EXPECT_EQ(result.output.find("CRITICAL"), std::string::npos) << result.output;
    EXPECT_EQ(result.output.find("WARNING"), std::string::npos) << result.output;

    std::ifstream file(csv);
    const std::string text{std::istreambuf_iterator<char>(file), {}};
    EXPECT_NE(text.find("Zoë Ümlaut"), std::string::npos) << text;
    EXPECT_NE(text.find("€ Provider 中"), std::string::npos) << text;
    EXPECT_NE(text.find("120"), std::string::npos) << text;
}

TEST(WorkbookOutput, SameSheetGivesTheSameBytes)
{
    ScratchFolder folder;
    writeWorkbook(gridLikeSheet(), folder.path() / "a.xls");
    writeWorkbook(gridLikeSheet(), folder.path() / "b.xls");
    std::ifstream a(folder.path() / "a.xls", std::ios::binary), b(folder.path() / "b.xls", std::ios::binary);
    const std::string first{std::istreambuf_iterator<char>(a), {}}, second{std::istreambuf_iterator<char>(b), {}};
    EXPECT_FALSE(first.empty());
    EXPECT_EQ(first, second);
}

TEST(WorkbookOutput, EmptySheetIsAValidWorkbook)
{
    ScratchFolder folder;
    const auto path = folder.path() / "empty.xls";
    writeWorkbook(Sheet{}, path);
    const auto result = runReader("xls_dump.py", shellQuote(path.string()));
    ASSERT_EQ(result.exitCode, 0) << result.output;
    const auto values = parseKeyValues(result.output);
    EXPECT_EQ(values.at("complaints"), "0") << result.output;
    EXPECT_EQ(values.at("sheet.name"), "\"Sheet1\"");
    EXPECT_EQ(values.at("nrows"), "0");
}

TEST(WorkbookOutput, ColumnsBeyondTheLimitAreDroppedAndLongTextCut)
{
    Sheet sheet;
    sheet.name = "wide";
    std::vector<Cell> row;
    for (int c = 0; c < 300; ++c)
        row.push_back(Cell::makeText("c" + std::to_string(c)));
    // 40,000 characters: only the first 32,767 are kept.
    row[1] = Cell::makeText(std::string(39999, 'x') + "y");
    sheet.rows.push_back(row);
    sheet.columnWidths.assign(300, 3000);

    ScratchFolder folder;
    const auto path = folder.path() / "wide.xls";
    writeWorkbook(sheet, path);
    const auto result = runReader("xls_dump.py", shellQuote(path.string()));
    ASSERT_EQ(result.exitCode, 0) << result.output;
    const auto values = parseKeyValues(result.output);
    EXPECT_EQ(values.at("complaints"), "0") << result.output;
    EXPECT_EQ(values.at("ncols"), "256");
    EXPECT_EQ(values.at("cell 0,255.value"), "\"c255\"");
    EXPECT_EQ(values.at("cell 0,1.value"), "\"" + std::string(32767, 'x') + "\"");
    EXPECT_EQ(values.count("col 255.width"), 1u);
    EXPECT_EQ(values.count("col 256.width"), 0u);
}

} // namespace
} // namespace xls
