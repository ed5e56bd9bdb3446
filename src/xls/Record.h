#pragma once
// One BIFF record before it is written: its identifier and its data.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace xls {

// Most data bytes one record may hold; longer contents go on in CONTINUE records.
inline constexpr std::size_t kMaxRecordData = 8224;
inline constexpr std::size_t kRecordHeaderSize = 4;

struct Record
{
    std::uint16_t id = 0;
    std::vector<std::uint8_t> data;
};

} // namespace xls
