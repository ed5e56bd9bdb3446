#pragma once
// The BIFF8 "Workbook" stream of a one-sheet workbook.

#include <cstdint>
#include <vector>

#include "Sheet.h"

namespace xls {

// The same sheet always gives the same bytes. The sheet's name is made valid first
// (sanitizeSheetName); cells beyond 65,536 rows or 256 columns are dropped, texts longer
// than 32,767 UTF-16 units are cut.
std::vector<std::uint8_t> buildWorkbookStream(const Sheet &sheet);

} // namespace xls
