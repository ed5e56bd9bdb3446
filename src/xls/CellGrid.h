#pragma once
// The cells that go into the worksheet, in the order they are written (row by row, columns
// ascending), with their text in the string table and their format in the format table.
// Cells beyond the format's row and column limits are dropped here.

#include <cstdint>
#include <vector>

#include "FormatTable.h"
#include "SharedStrings.h"
#include "Sheet.h"
#include "SheetRecords.h"

namespace xls {

struct PlacedCell
{
    enum class Kind : std::uint8_t { Text, Number, NumberError, Blank };
    std::uint16_t row = 0;
    std::uint16_t column = 0;
    std::uint16_t xf = 0;
    Kind kind = Kind::Blank;
    std::uint32_t stringIndex = 0;
    double number = 0;
};

struct CellGrid
{
    std::vector<PlacedCell> cells;
    UsedRange range;
};

CellGrid placeCells(const Sheet &sheet, FormatTable &formats, SharedStrings &strings);

} // namespace xls
