#include "RecordWalker.h"

#include <algorithm>

#include "Record.h"

namespace xls {

namespace {

constexpr std::uint16_t kBof = 0x0809;
constexpr std::uint16_t kEof = 0x000A;
constexpr std::uint16_t kBoundSheet = 0x0085;
constexpr std::uint16_t kGlobalsType = 0x0005;
constexpr std::uint16_t kWorksheetType = 0x0010;

std::uint16_t readU16(std::span<const std::uint8_t> bytes, std::size_t at)
{
    return static_cast<std::uint16_t>(bytes[at] | (bytes[at + 1] << 8));
}

std::uint32_t readU32(std::span<const std::uint8_t> bytes, std::size_t at)
{
    return readU16(bytes, at) | (std::uint32_t(readU16(bytes, at + 2)) << 16);
}

std::string hex(std::size_t value)
{
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string text;
    do {
        text.insert(text.begin(), digits[value % 16]);
        value /= 16;
    } while (value != 0);
    return "0x" + text;
}

// BOF type of the record at this offset, or 0 when no BOF starts there.
std::uint16_t bofTypeAt(std::span<const std::uint8_t> stream, const std::vector<RecordInfo> &records,
                        std::size_t offset)
{
    const auto found = std::lower_bound(records.begin(), records.end(), offset,
                                        [](const RecordInfo &r, std::size_t at) { return r.offset < at; });
    if (found == records.end() || found->offset != offset || found->id != kBof || found->length < 4)
        return 0;
    return readU16(stream, offset + kRecordHeaderSize + 2);
}

} // namespace

std::span<const std::uint8_t> recordData(std::span<const std::uint8_t> stream, const RecordInfo &record)
{
    return stream.subspan(record.offset + kRecordHeaderSize, record.length);
}

WalkResult walkRecords(std::span<const std::uint8_t> stream)
{
    WalkResult result;
    int depth = 0;
    std::size_t at = 0;
    while (at < stream.size()) {
        if (stream.size() - at < kRecordHeaderSize) {
            result.problem = "truncated record header at " + hex(at);
            return result;
        }
        const RecordInfo record{at, readU16(stream, at), readU16(stream, at + 2)};
        if (record.length > kMaxRecordData) {
            result.problem = "record " + hex(record.id) + " at " + hex(at) + " is longer than a record may be";
            return result;
        }
        if (stream.size() - at - kRecordHeaderSize < record.length) {
            result.problem = "record " + hex(record.id) + " at " + hex(at) + " runs past the end of the stream";
            return result;
        }
        if (at == 0 && (record.id != kBof || record.length < 4 || readU16(stream, at + 6) != kGlobalsType)) {
            result.problem = "the stream does not start with the BOF of the workbook globals";
            return result;
        }
        if (depth == 0 && at != 0 && record.id != kBof) {
            result.problem = "record " + hex(record.id) + " at " + hex(at) + " lies outside any substream";
            return result;
        }
        if (record.id == kBof)
            ++depth;
        if (record.id == kEof)
            --depth;
        result.records.push_back(record);
        at += kRecordHeaderSize + record.length;
    }
    if (result.records.empty()) {
        result.problem = "empty stream";
        return result;
    }
    if (depth != 0) {
        result.problem = "a substream has no EOF";
        return result;
    }

    for (const RecordInfo &record : result.records) {
        if (record.id != kBoundSheet)
            continue;
        if (record.length < 8) {
            result.problem = "BOUNDSHEET at " + hex(record.offset) + " is too short";
            return result;
        }
        const std::uint32_t sheetOffset = readU32(stream, record.offset + kRecordHeaderSize);
        if (bofTypeAt(stream, result.records, sheetOffset) != kWorksheetType) {
            result.problem = "BOUNDSHEET at " + hex(record.offset) + " points at " + hex(sheetOffset)
                             + ", where no worksheet BOF starts";
            return result;
        }
    }
    return result;
}

} // namespace xls
