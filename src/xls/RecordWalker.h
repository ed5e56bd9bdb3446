#pragma once
// Walks a BIFF8 workbook stream record by record and checks its structure: every record lies
// within the stream and within the record size limit, BOF and EOF pair up, and each
// BOUNDSHEET points at a worksheet BOF. Never reads outside the bytes it is given, whatever
// they hold.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace xls {

struct RecordInfo
{
    std::size_t offset = 0;       // of the record header in the stream
    std::uint16_t id = 0;
    std::uint16_t length = 0;     // of the data, which starts at offset + 4
};

struct WalkResult
{
    std::vector<RecordInfo> records;   // every record read, up to the first problem
    std::string problem;               // empty when the stream is sound

    bool ok() const { return problem.empty(); }
};

WalkResult walkRecords(std::span<const std::uint8_t> stream);

// The data bytes of a record the walk found in the same stream.
std::span<const std::uint8_t> recordData(std::span<const std::uint8_t> stream, const RecordInfo &record);

} // namespace xls
