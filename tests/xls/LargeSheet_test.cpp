// A sheet at the row limit: the string table runs over hundreds of CONTINUE records, mixing
// one- and two-byte strings, and rows past the limit are dropped.

#include <gtest/gtest.h>

#include "PythonReader.h"
#include "RecordWalker.h"
#include "Xls.h"

namespace xls {
namespace {

using test::parseKeyValues;
using test::runReader;
using test::ScratchFolder;
using test::shellQuote;

constexpr int kColumns = 8;

// The same pattern xls_check_pattern.py expects.
std::string patternText(std::size_t row, int column)
{
    return column % 2 == 0 ? "R" + std::to_string(row) + "C" + std::to_string(column)
                           : "Ж" + std::to_string(row) + "·" + std::to_string(column);
}

Sheet patternSheet(std::size_t rows)
{
    Sheet sheet;
    sheet.name = "large";
    sheet.rows.resize(rows);
    for (std::size_t r = 0; r < rows; ++r)
        for (int c = 0; c < kColumns; ++c)
            sheet.rows[r].push_back(Cell::makeText(patternText(r, c)));
    return sheet;
}

TEST(LargeSheet, EveryCellReadsBackAndRowsPastTheLimitAreDropped)
{
    const Sheet sheet = patternSheet(kMaxRows + 4);

    const auto stream = buildWorkbookStream(sheet);
    const WalkResult walk = walkRecords(stream);
    ASSERT_TRUE(walk.ok()) << walk.problem;
    const auto continues = std::count_if(walk.records.begin(), walk.records.end(),
                                         [](const RecordInfo &r) { return r.id == 0x003C; });
    EXPECT_GT(continues, 500);

    ScratchFolder folder;
    const auto path = folder.path() / "large.xls";
    writeWorkbook(sheet, path);
    const auto result = runReader("xls_check_pattern.py", shellQuote(path.string()));
    ASSERT_EQ(result.exitCode, 0) << result.output;
    const auto values = parseKeyValues(result.output);
    EXPECT_EQ(values.at("complaints"), "0") << result.output;
    EXPECT_EQ(values.at("nrows"), std::to_string(kMaxRows));
    EXPECT_EQ(values.at("ncols"), std::to_string(kColumns));
    EXPECT_EQ(values.at("mismatches"), "0") << values.at("first_mismatch");
}

} // namespace
} // namespace xls
