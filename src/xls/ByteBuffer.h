#pragma once
// Little-endian byte sink used by every record builder.

#include <bit>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace xls {

class ByteBuffer
{
public:
    void u8(std::uint8_t value) { m_bytes.push_back(value); }
    void u16(std::uint16_t value)
    {
        u8(static_cast<std::uint8_t>(value));
        u8(static_cast<std::uint8_t>(value >> 8));
    }
    void u32(std::uint32_t value)
    {
        u16(static_cast<std::uint16_t>(value));
        u16(static_cast<std::uint16_t>(value >> 16));
    }
    void f64(double value)
    {
        const auto bits = std::bit_cast<std::uint64_t>(value);
        u32(static_cast<std::uint32_t>(bits));
        u32(static_cast<std::uint32_t>(bits >> 32));
    }
    void bytes(std::span<const std::uint8_t> data) { m_bytes.insert(m_bytes.end(), data.begin(), data.end()); }
    void zeros(std::size_t count) { m_bytes.insert(m_bytes.end(), count, 0); }

    void patchU32(std::size_t at, std::uint32_t value)
    {
        for (int i = 0; i < 4; ++i)
            m_bytes.at(at + i) = static_cast<std::uint8_t>(value >> (8 * i));
    }

    std::size_t size() const { return m_bytes.size(); }
    const std::vector<std::uint8_t> &data() const { return m_bytes; }
    std::vector<std::uint8_t> take() { return std::move(m_bytes); }

private:
    std::vector<std::uint8_t> m_bytes;
};

} // namespace xls
