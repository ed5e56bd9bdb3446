#include "SheetRecords.h"

#include <stdexcept>

#include "ByteBuffer.h"
#include "Palette.h"

namespace xls {

namespace {

Record makeRecord(std::uint16_t id, ByteBuffer &data) { return Record{id, data.take()}; }

void cellHeader(ByteBuffer &data, std::uint16_t row, std::uint16_t column, std::uint16_t xf)
{
    data.u16(row);
    data.u16(column);
    data.u16(xf);
}

} // namespace

Record defaultRowHeightRecord()
{
    ByteBuffer data;
    data.u16(0);   // heights match the fonts, rows visible
    data.u16(kRowHeightTwips);
    return makeRecord(RecordId::DefaultRowHeight, data);
}

Record wsBoolRecord()
{
    ByteBuffer data;
    data.u16(0x04C1);   // automatic page breaks shown, outline symbols, summary rows below and right
    return makeRecord(RecordId::WsBool, data);
}

Record defColWidthRecord()
{
    ByteBuffer data;
    data.u16(8);   // characters
    return makeRecord(RecordId::DefColWidth, data);
}

Record colInfoRecord(std::uint16_t column, std::uint16_t width)
{
    ByteBuffer data;
    data.u16(column);
    data.u16(column);
    data.u16(width);
    data.u16(15);   // default cell XF
    data.u16(0);    // visible, no outline
    data.u16(0);
    return makeRecord(RecordId::ColInfo, data);
}

Record dimensionsRecord(const UsedRange &range)
{
    ByteBuffer data;
    data.u32(range.firstRow);
    data.u32(range.endRow);
    data.u16(range.firstColumn);
    data.u16(range.endColumn);
    data.u16(0);
    return makeRecord(RecordId::Dimensions, data);
}

Record rowRecord(std::uint16_t row, std::uint16_t firstColumn, std::uint16_t endColumn)
{
    ByteBuffer data;
    data.u16(row);
    data.u16(firstColumn);
    data.u16(endColumn);
    data.u16(kRowHeightTwips);
    data.u16(0);
    data.u16(0);
    data.u16(0x0100);   // height follows the fonts
    data.u16(15);       // default cell XF
    return makeRecord(RecordId::Row, data);
}

Record labelSstRecord(std::uint16_t row, std::uint16_t column, std::uint16_t xf, std::uint32_t stringIndex)
{
    ByteBuffer data;
    cellHeader(data, row, column, xf);
    data.u32(stringIndex);
    return makeRecord(RecordId::LabelSst, data);
}

Record numberRecord(std::uint16_t row, std::uint16_t column, std::uint16_t xf, double value)
{
    ByteBuffer data;
    cellHeader(data, row, column, xf);
    data.f64(value);
    return makeRecord(RecordId::Number, data);
}

Record errorRecord(std::uint16_t row, std::uint16_t column, std::uint16_t xf, std::uint8_t error)
{
    ByteBuffer data;
    cellHeader(data, row, column, xf);
    data.u8(error);
    data.u8(1);   // an error value, not a Boolean
    return makeRecord(RecordId::BoolErr, data);
}

Record blankRecord(std::uint16_t row, std::uint16_t column, std::uint16_t xf)
{
    ByteBuffer data;
    cellHeader(data, row, column, xf);
    return makeRecord(RecordId::Blank, data);
}

Record mulBlankRecord(std::uint16_t row, std::uint16_t firstColumn, std::span<const std::uint16_t> xfs)
{
    if (xfs.size() < 2)
        throw std::invalid_argument("MULBLANK needs at least two cells");
    ByteBuffer data;
    data.u16(row);
    data.u16(firstColumn);
    for (std::uint16_t xf : xfs)
        data.u16(xf);
    data.u16(static_cast<std::uint16_t>(firstColumn + xfs.size() - 1));
    return makeRecord(RecordId::MulBlank, data);
}

Record window2Record()
{
    ByteBuffer data;
    data.u16(0x06B6);   // grid lines, headers, zeros, default grid colour, outline, selected, shown
    data.u16(0);        // top row
    data.u16(0);        // left column
    data.u16(kWindowTextColour);   // grid line colour
    data.u16(0);
    data.u16(0);        // zoom in page break preview: default
    data.u16(0);        // zoom in normal view: default
    data.u32(0);
    return makeRecord(RecordId::Window2, data);
}

} // namespace xls
