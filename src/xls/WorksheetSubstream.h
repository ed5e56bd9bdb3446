#pragma once
// Writes the worksheet substream: BOF, column widths, used range, rows and cells, window, EOF.

#include <vector>

#include "CellGrid.h"
#include "RecordWriter.h"

namespace xls {

// Widths in 1/256 of a character, from the first column; a width that is not a number gets no
// COLINFO (the default width), others are rounded and kept within 0..65535.
void writeWorksheetSubstream(RecordWriter &out, const std::vector<double> &columnWidths, const CellGrid &grid);

} // namespace xls
