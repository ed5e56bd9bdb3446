#pragma once
// Builders for the records of the workbook globals substream, one per record kind.

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "FormatTable.h"
#include "Palette.h"
#include "Record.h"

namespace xls {

namespace RecordId {
inline constexpr std::uint16_t Bof = 0x0809;
inline constexpr std::uint16_t Eof = 0x000A;
inline constexpr std::uint16_t Font = 0x0031;
inline constexpr std::uint16_t Xf = 0x00E0;
inline constexpr std::uint16_t Style = 0x0293;
inline constexpr std::uint16_t Palette = 0x0092;
inline constexpr std::uint16_t BoundSheet = 0x0085;
inline constexpr std::uint16_t Window1 = 0x003D;
inline constexpr std::uint16_t Country = 0x008C;
inline constexpr std::uint16_t CodePage = 0x0042;
inline constexpr std::uint16_t Sst = 0x00FC;
inline constexpr std::uint16_t ExtSst = 0x00FF;
inline constexpr std::uint16_t Continue = 0x003C;
} // namespace RecordId

enum class Substream : std::uint16_t { Globals = 0x0005, Worksheet = 0x0010 };

Record bofRecord(Substream type);
Record eofRecord();

// The records between BOF and the first FONT that Excel-compatible writers always write:
// interface markers, writer name, code page (UTF-16), protection off, window, date system.
std::vector<Record> workbookSettingsRecords();

Record fontRecord(const FontSpec &font);
// The 15 style XFs and the default cell XF that every workbook starts with.
std::vector<Record> builtInXfRecords();
Record cellXfRecord(const XfSpec &xf);
Record normalStyleRecord();
Record paletteRecord(const std::array<Rgb, kPaletteSize> &entries);

// BOUNDSHEET starts with the absolute stream offset of the sheet's BOF, which is known only
// once the globals are complete: it is patched at this position of the written record.
inline constexpr std::size_t kBoundSheetOffsetField = kRecordHeaderSize;
Record boundSheetRecord(std::uint32_t sheetOffset, std::u16string_view name);
Record countryRecord();

} // namespace xls
