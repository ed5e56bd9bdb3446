#include "WorksheetSubstream.h"

#include <algorithm>
#include <cmath>

#include "GlobalsRecords.h"
#include "SheetRecords.h"

namespace xls {

namespace {

// Rows are written in blocks: the ROW records of up to 32 rows, then those rows' cells.
constexpr std::uint16_t kRowsPerBlock = 32;

using CellIt = std::vector<PlacedCell>::const_iterator;

void writeColumnWidths(RecordWriter &out, const std::vector<double> &widths)
{
    const std::size_t count = std::min(widths.size(), kMaxColumns);
    for (std::size_t c = 0; c < count; ++c) {
        if (std::isnan(widths[c]))
            continue;
        const double width = std::clamp(std::round(widths[c]), 0.0, 65535.0);
        out.write(colInfoRecord(static_cast<std::uint16_t>(c), static_cast<std::uint16_t>(width)));
    }
}

// Writes the cells of one row; blank cells side by side share a MULBLANK record.
void writeRowCells(RecordWriter &out, CellIt begin, CellIt end)
{
    for (CellIt it = begin; it != end;) {
        const PlacedCell &cell = *it;
        switch (cell.kind) {
        case PlacedCell::Kind::Text:
            out.write(labelSstRecord(cell.row, cell.column, cell.xf, cell.stringIndex));
            ++it;
            break;
        case PlacedCell::Kind::Number:
            out.write(numberRecord(cell.row, cell.column, cell.xf, cell.number));
            ++it;
            break;
        case PlacedCell::Kind::NumberError:
            out.write(errorRecord(cell.row, cell.column, cell.xf, kNumError));
            ++it;
            break;
        case PlacedCell::Kind::Blank: {
            std::vector<std::uint16_t> xfs{cell.xf};
            CellIt next = it + 1;
            while (next != end && next->kind == PlacedCell::Kind::Blank
                   && next->column == cell.column + xfs.size()) {
                xfs.push_back(next->xf);
                ++next;
            }
            out.write(xfs.size() == 1 ? blankRecord(cell.row, cell.column, cell.xf)
                                      : mulBlankRecord(cell.row, cell.column, xfs));
            it = next;
            break;
        }
        }
    }
}

CellIt endOfRow(CellIt it, CellIt end)
{
    const std::uint16_t row = it->row;
    return std::find_if(it, end, [row](const PlacedCell &cell) { return cell.row != row; });
}

void writeCells(RecordWriter &out, const std::vector<PlacedCell> &cells)
{
    CellIt blockBegin = cells.begin();
    while (blockBegin != cells.end()) {
        const std::uint32_t blockEndRow = (blockBegin->row / kRowsPerBlock + 1u) * kRowsPerBlock;
        const CellIt blockEnd = std::find_if(blockBegin, cells.end(),
                                             [blockEndRow](const PlacedCell &cell) { return cell.row >= blockEndRow; });
        for (CellIt row = blockBegin; row != blockEnd;) {
            const CellIt rowEnd = endOfRow(row, blockEnd);
            out.write(rowRecord(row->row, row->column, static_cast<std::uint16_t>((rowEnd - 1)->column + 1)));
            row = rowEnd;
        }
        for (CellIt row = blockBegin; row != blockEnd;) {
            const CellIt rowEnd = endOfRow(row, blockEnd);
            writeRowCells(out, row, rowEnd);
            row = rowEnd;
        }
        blockBegin = blockEnd;
    }
}

} // namespace

void writeWorksheetSubstream(RecordWriter &out, const std::vector<double> &columnWidths, const CellGrid &grid)
{
    out.write(bofRecord(Substream::Worksheet));
    out.write(defaultRowHeightRecord());
    out.write(wsBoolRecord());
    out.write(defColWidthRecord());
    writeColumnWidths(out, columnWidths);
    out.write(dimensionsRecord(grid.range));
    writeCells(out, grid.cells);
    out.write(window2Record());
    out.write(eofRecord());
}

} // namespace xls
