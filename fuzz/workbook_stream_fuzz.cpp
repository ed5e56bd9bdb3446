// The workbook stream of a random sheet: names and texts of any bytes and length, any
// doubles, any formats, rows and columns past the format's limits. The record walker must
// accept the stream, and its records are checked here once more on their own terms.

#include "FuzzCheck.h"
#include "RecordWalker.h"
#include "Xls.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr std::uint16_t kBof = 0x0809;
constexpr std::uint16_t kEof = 0x000A;
constexpr std::uint16_t kBoundSheet = 0x0085;
constexpr std::size_t kMaxRecordData = 8224;

double anyDouble(FuzzedDataProvider &input)
{
    const auto bits = input.ConsumeIntegral<std::uint64_t>();
    double value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// Any bytes (malformed UTF-8 included); now and then repeated into a text longer than a
// record or a cell may hold.
std::string textFrom(FuzzedDataProvider &input)
{
    std::string text = input.ConsumeRandomLengthString(48);
    if (!text.empty() && input.ConsumeIntegralInRange(0, 15) == 0) {
        const int times = input.ConsumeIntegralInRange(1, 40000 / int(text.size()) + 1);
        std::string repeated;
        repeated.reserve(text.size() * std::size_t(times));
        for (int i = 0; i < times; ++i)
            repeated += text;
        text = std::move(repeated);
    }
    return text;
}

xls::Rgb colourFrom(FuzzedDataProvider &input)
{
    return {input.ConsumeIntegral<std::uint8_t>(), input.ConsumeIntegral<std::uint8_t>(),
            input.ConsumeIntegral<std::uint8_t>()};
}

xls::CellFormat formatFrom(FuzzedDataProvider &input)
{
    xls::CellFormat format;
    if (!input.ConsumeBool())
        return format;
    format.font.name = input.ConsumeRandomLengthString(40);
    format.font.points = input.ConsumeBool() ? anyDouble(input) : input.ConsumeFloatingPointInRange(0.0, 500.0);
    const auto flags = input.ConsumeIntegral<std::uint8_t>();
    format.font.bold = flags & 1;
    format.font.italic = flags & 2;
    format.font.underline = flags & 4;
    format.font.strikeOut = flags & 8;
    format.borderLeft = flags & 16;
    format.borderRight = flags & 32;
    format.borderTop = flags & 64;
    format.borderBottom = flags & 128;
    format.font.colour = colourFrom(input);
    if (input.ConsumeBool())
        format.fill = colourFrom(input);
    format.align = static_cast<xls::HAlign>(input.ConsumeIntegralInRange(0, 3));
    format.borderColour = colourFrom(input);
    return format;
}

xls::Cell cellFrom(FuzzedDataProvider &input)
{
    switch (input.ConsumeIntegralInRange(0, 2)) {
    case 0:
        return xls::Cell::makeText(textFrom(input), formatFrom(input));
    case 1:
        return xls::Cell::makeNumber(input.ConsumeBool() ? anyDouble(input) : double(input.ConsumeIntegral<std::int32_t>()),
                                     formatFrom(input));
    default:
        return xls::Cell::makeEmpty(formatFrom(input));
    }
}

xls::Sheet sheetFrom(FuzzedDataProvider &input)
{
    xls::Sheet sheet;
    sheet.name = input.ConsumeRandomLengthString(80);
    const int widths = input.ConsumeIntegralInRange(0, 300);
    for (int i = 0; i < widths && input.remaining_bytes() > 0; ++i)
        sheet.columnWidths.push_back(input.ConsumeBool() ? anyDouble(input)
                                                         : input.ConsumeFloatingPointInRange(0.0, 70000.0));
    // Now and then the rows start just before the last row the format holds.
    if (input.ConsumeIntegralInRange(0, 7) == 0)
        sheet.rows.resize(std::size_t(input.ConsumeIntegralInRange(65500, 65540)));
    const int rows = input.ConsumeIntegralInRange(0, 64);
    for (int r = 0; r < rows && input.remaining_bytes() > 0; ++r) {
        std::vector<xls::Cell> row;
        const int cells = input.ConsumeIntegralInRange(0, input.ConsumeBool() ? 12 : 300);
        for (int c = 0; c < cells && input.remaining_bytes() > 0; ++c)
            row.push_back(cellFrom(input));
        sheet.rows.push_back(std::move(row));
    }
    return sheet;
}

std::uint16_t u16At(const std::vector<std::uint8_t> &bytes, std::size_t at)
{
    return static_cast<std::uint16_t>(bytes[at] | (bytes[at + 1] << 8));
}

// The records read without the walker: lengths, the two substreams, the one BOUNDSHEET and
// where it points.
void checkRecords(const std::vector<std::uint8_t> &stream)
{
    std::vector<std::size_t> bofs;
    std::vector<std::size_t> eofs;
    std::vector<std::size_t> boundSheets;
    std::size_t at = 0;
    while (at < stream.size()) {
        fuzz::check(stream.size() - at >= 4, "a whole record header");
        const std::uint16_t id = u16At(stream, at);
        const std::uint16_t length = u16At(stream, at + 2);
        fuzz::check(length <= kMaxRecordData, "a record holds at most 8224 bytes", std::to_string(length));
        fuzz::check(stream.size() - at - 4 >= length, "a record lies within the stream");
        if (id == kBof)
            bofs.push_back(at);
        else if (id == kEof)
            eofs.push_back(at);
        else if (id == kBoundSheet)
            boundSheets.push_back(at);
        at += 4 + length;
    }
    fuzz::check(bofs.size() == 2 && eofs.size() == 2, "globals and one worksheet, each with BOF and EOF");
    fuzz::check(bofs[0] == 0 && eofs[0] < bofs[1] && eofs[1] + 4 == stream.size(),
                "the worksheet follows the globals; the stream ends with its EOF");
    fuzz::check(boundSheets.size() == 1, "one BOUNDSHEET");
    const std::size_t field = boundSheets[0] + 4;
    const std::uint32_t offset = stream[field] | (stream[field + 1] << 8) | (stream[field + 2] << 16)
                                 | (std::uint32_t(stream[field + 3]) << 24);
    fuzz::check(offset == bofs[1], "BOUNDSHEET points at the worksheet's BOF",
                std::to_string(offset) + " vs " + std::to_string(bofs[1]));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const xls::Sheet sheet = sheetFrom(input);

    const std::vector<std::uint8_t> stream = xls::buildWorkbookStream(sheet);
    const xls::WalkResult walk = xls::walkRecords(stream);
    fuzz::check(walk.ok(), "the record walker accepts the stream", walk.problem);
    checkRecords(stream);
    fuzz::check(xls::buildWorkbookStream(sheet) == stream, "the same sheet gives the same bytes");
    return 0;
}
