#include "GlobalsSubstream.h"

#include "GlobalsRecords.h"

namespace xls {

std::size_t writeGlobalsSubstream(RecordWriter &out, const FormatTable &formats, const Palette &palette,
                                  const SharedStrings &strings, std::u16string_view sheetName)
{
    out.write(bofRecord(Substream::Globals));
    out.write(workbookSettingsRecords());

    for (std::uint16_t i = 0; i < kDefaultFontCount; ++i)
        out.write(fontRecord(defaultFont()));
    for (const FontSpec &font : formats.cellFonts())
        out.write(fontRecord(font));

    out.write(builtInXfRecords());
    for (const XfSpec &xf : formats.cellXfs())
        out.write(cellXfRecord(xf));
    out.write(normalStyleRecord());
    out.write(paletteRecord(palette.entries()));

    const std::size_t offsetField = out.offset() + kBoundSheetOffsetField;
    out.write(boundSheetRecord(0, sheetName));
    out.write(countryRecord());
    strings.writeTo(out);
    out.write(eofRecord());
    return offsetField;
}

} // namespace xls
