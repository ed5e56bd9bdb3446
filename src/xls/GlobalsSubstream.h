#pragma once
// Writes the workbook globals substream: settings, fonts, cell formats, palette, the sheet's
// entry, the string table.

#include <cstddef>
#include <string_view>

#include "FormatTable.h"
#include "Palette.h"
#include "RecordWriter.h"
#include "SharedStrings.h"

namespace xls {

// Returns the stream position of the sheet offset in BOUNDSHEET, to be patched once the
// worksheet's BOF is placed.
std::size_t writeGlobalsSubstream(RecordWriter &out, const FormatTable &formats, const Palette &palette,
                                  const SharedStrings &strings, std::u16string_view sheetName);

} // namespace xls
