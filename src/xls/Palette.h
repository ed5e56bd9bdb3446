#pragma once
// The workbook's 56-entry colour palette (colour indexes 8..63). Starts as the standard one;
// a colour it lacks takes over a slot that no colour in use needs.

#include <array>
#include <cstddef>
#include <cstdint>

#include "Sheet.h"

namespace xls {

inline constexpr std::size_t kPaletteSize = 56;
inline constexpr std::uint8_t kFirstPaletteIndex = 8;
inline constexpr std::uint8_t kWindowTextColour = 0x40;        // default foreground
inline constexpr std::uint8_t kWindowBackgroundColour = 0x41;  // default background

class Palette
{
public:
    Palette();

    // Colour index (8..63) that shows exactly this colour: an entry that already holds it, or
    // else a slot handed over to it. Once all 56 slots hold colours in use, the nearest of them.
    std::uint8_t indexFor(Rgb colour);

    const std::array<Rgb, kPaletteSize> &entries() const { return m_entries; }
    static const std::array<Rgb, kPaletteSize> &standardColours();

private:
    std::array<Rgb, kPaletteSize> m_entries;
    std::array<bool, kPaletteSize> m_inUse{};
    std::array<std::uint8_t, kPaletteSize> m_handOverOrder{};
};

} // namespace xls
