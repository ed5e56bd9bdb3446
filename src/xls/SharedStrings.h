#pragma once
// The shared string table (SST): every distinct cell text once; cells refer to it by index.

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "RecordWriter.h"

namespace xls {

class SharedStrings
{
public:
    // Index of the text (cut to 32,767 units) in the table, adding it when new. Counts every use.
    std::uint32_t add(std::u16string_view text);

    std::uint32_t totalCount() const { return m_totalCount; }
    std::uint32_t uniqueCount() const { return static_cast<std::uint32_t>(m_strings.size()); }

    // SST with its CONTINUE records, then EXTSST (whose offsets need the stream position).
    void writeTo(RecordWriter &out) const;

private:
    std::vector<std::u16string> m_strings;
    std::unordered_map<std::u16string, std::uint32_t> m_indexOf;
    std::uint32_t m_totalCount = 0;
};

} // namespace xls
