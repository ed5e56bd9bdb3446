#include "CellGrid.h"

#include <algorithm>
#include <cmath>

#include "Utf16.h"

namespace xls {

namespace {

void widenRange(UsedRange &range, std::uint16_t row, std::uint16_t column, bool first)
{
    if (first) {
        range = UsedRange{row, std::uint32_t(row) + 1, column, static_cast<std::uint16_t>(column + 1)};
        return;
    }
    range.firstRow = std::min<std::uint32_t>(range.firstRow, row);
    range.endRow = std::max<std::uint32_t>(range.endRow, std::uint32_t(row) + 1);
    range.firstColumn = std::min(range.firstColumn, column);
    range.endColumn = std::max(range.endColumn, static_cast<std::uint16_t>(column + 1));
}

} // namespace

CellGrid placeCells(const Sheet &sheet, FormatTable &formats, SharedStrings &strings)
{
    CellGrid grid;
    const std::size_t rowCount = std::min(sheet.rows.size(), kMaxRows);
    for (std::size_t r = 0; r < rowCount; ++r) {
        const std::vector<Cell> &row = sheet.rows[r];
        const std::size_t columnCount = std::min(row.size(), kMaxColumns);
        for (std::size_t c = 0; c < columnCount; ++c) {
            const Cell &cell = row[c];
            if (cell.kind == Cell::Kind::Empty && !cell.format.showsOnEmptyCell())
                continue;

            PlacedCell placed;
            placed.row = static_cast<std::uint16_t>(r);
            placed.column = static_cast<std::uint16_t>(c);
            placed.xf = formats.xfIndexFor(cell.format);
            switch (cell.kind) {
            case Cell::Kind::Text:
                placed.kind = PlacedCell::Kind::Text;
                placed.stringIndex = strings.add(truncateUtf16(utf8ToUtf16(cell.text), kMaxTextUnits));
                break;
            case Cell::Kind::Number:
                placed.kind = std::isfinite(cell.number) ? PlacedCell::Kind::Number : PlacedCell::Kind::NumberError;
                placed.number = cell.number;
                break;
            case Cell::Kind::Empty:
                placed.kind = PlacedCell::Kind::Blank;
                break;
            }
            widenRange(grid.range, placed.row, placed.column, grid.cells.empty());
            grid.cells.push_back(placed);
        }
    }
    return grid;
}

} // namespace xls
