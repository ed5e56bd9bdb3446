#pragma once
// Builders for the records of a worksheet substream, one per record kind.

#include <cstdint>
#include <span>

#include "Record.h"

namespace xls {

namespace RecordId {
inline constexpr std::uint16_t DefaultRowHeight = 0x0225;
inline constexpr std::uint16_t WsBool = 0x0081;
inline constexpr std::uint16_t DefColWidth = 0x0055;
inline constexpr std::uint16_t ColInfo = 0x007D;
inline constexpr std::uint16_t Dimensions = 0x0200;
inline constexpr std::uint16_t Row = 0x0208;
inline constexpr std::uint16_t LabelSst = 0x00FD;
inline constexpr std::uint16_t Number = 0x0203;
inline constexpr std::uint16_t Blank = 0x0201;
inline constexpr std::uint16_t MulBlank = 0x00BE;
inline constexpr std::uint16_t BoolErr = 0x0205;
inline constexpr std::uint16_t Window2 = 0x023E;
} // namespace RecordId

// Row height used throughout, in twips (12.75 points).
inline constexpr std::uint16_t kRowHeightTwips = 255;
// Error value for a number the format cannot hold (infinite, not a number): #NUM!.
inline constexpr std::uint8_t kNumError = 0x24;

Record defaultRowHeightRecord();
Record wsBoolRecord();
Record defColWidthRecord();
Record colInfoRecord(std::uint16_t column, std::uint16_t width);

// The used range, as [firstRow, endRow) x [firstColumn, endColumn); all zero when empty.
struct UsedRange
{
    std::uint32_t firstRow = 0, endRow = 0;
    std::uint16_t firstColumn = 0, endColumn = 0;
};
Record dimensionsRecord(const UsedRange &range);

Record rowRecord(std::uint16_t row, std::uint16_t firstColumn, std::uint16_t endColumn);
Record labelSstRecord(std::uint16_t row, std::uint16_t column, std::uint16_t xf, std::uint32_t stringIndex);
Record numberRecord(std::uint16_t row, std::uint16_t column, std::uint16_t xf, double value);
Record errorRecord(std::uint16_t row, std::uint16_t column, std::uint16_t xf, std::uint8_t error);
Record blankRecord(std::uint16_t row, std::uint16_t column, std::uint16_t xf);
// Blank cells from firstColumn on, one per XF; at least two.
Record mulBlankRecord(std::uint16_t row, std::uint16_t firstColumn, std::span<const std::uint16_t> xfs);

Record window2Record();

} // namespace xls
