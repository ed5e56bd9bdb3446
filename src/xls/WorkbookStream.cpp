#include "WorkbookStream.h"

#include "CellGrid.h"
#include "GlobalsSubstream.h"
#include "SheetName.h"
#include "Utf16.h"
#include "WorksheetSubstream.h"

namespace xls {

std::vector<std::uint8_t> buildWorkbookStream(const Sheet &sheet)
{
    // Every format and text is collected before anything is written: the globals hold the
    // fonts, formats, palette and strings that the cells refer to.
    Palette palette;
    FormatTable formats(palette);
    SharedStrings strings;
    const CellGrid grid = placeCells(sheet, formats, strings);

    RecordWriter out;
    const std::size_t sheetOffsetField =
        writeGlobalsSubstream(out, formats, palette, strings, utf8ToUtf16(sanitizeSheetName(sheet.name)));
    out.patchU32(sheetOffsetField, static_cast<std::uint32_t>(out.offset()));
    writeWorksheetSubstream(out, sheet.columnWidths, grid);
    return out.take();
}

} // namespace xls
