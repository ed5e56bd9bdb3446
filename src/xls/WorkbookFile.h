#pragma once
// Writes a one-sheet Excel 97-2003 workbook (.xls) file.

#include <filesystem>

#include "Sheet.h"

namespace xls {

// The whole file is built in memory first, then written to a temporary file beside the target
// and renamed into place. Throws WriteError when it cannot be written; then no partial file is
// left and an existing file of that name is untouched.
void writeWorkbook(const Sheet &sheet, const std::filesystem::path &target);

} // namespace xls
