#include "Palette.h"

#include <algorithm>
#include <limits>

namespace xls {

namespace {

constexpr Rgb rgb(std::uint32_t value)
{
    return Rgb{static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 8),
               static_cast<std::uint8_t>(value)};
}

int distanceSquared(Rgb a, Rgb b)
{
    const int dr = a.r - b.r, dg = a.g - b.g, db = a.b - b.b;
    return dr * dr + dg * dg + db * db;
}

} // namespace

const std::array<Rgb, kPaletteSize> &Palette::standardColours()
{
    static constexpr std::array<Rgb, kPaletteSize> colours = {
        rgb(0x000000), rgb(0xFFFFFF), rgb(0xFF0000), rgb(0x00FF00), rgb(0x0000FF), rgb(0xFFFF00), rgb(0xFF00FF), rgb(0x00FFFF),
        rgb(0x800000), rgb(0x008000), rgb(0x000080), rgb(0x808000), rgb(0x800080), rgb(0x008080), rgb(0xC0C0C0), rgb(0x808080),
        rgb(0x9999FF), rgb(0x993366), rgb(0xFFFFCC), rgb(0xCCFFFF), rgb(0x660066), rgb(0xFF8080), rgb(0x0066CC), rgb(0xCCCCFF),
        rgb(0x000080), rgb(0xFF00FF), rgb(0xFFFF00), rgb(0x00FFFF), rgb(0x800080), rgb(0x800000), rgb(0x008080), rgb(0x0000FF),
        rgb(0x00CCFF), rgb(0xCCFFFF), rgb(0xCCFFCC), rgb(0xFFFF99), rgb(0x99CCFF), rgb(0xFF99CC), rgb(0xCC99FF), rgb(0xFFCC99),
        rgb(0x3366FF), rgb(0x33CCCC), rgb(0x99CC00), rgb(0xFFCC00), rgb(0xFF9900), rgb(0xFF6600), rgb(0x666699), rgb(0x969696),
        rgb(0x003366), rgb(0x339966), rgb(0x003300), rgb(0x333300), rgb(0x993300), rgb(0x993366), rgb(0x333399), rgb(0x333333),
    };
    return colours;
}

Palette::Palette() : m_entries(standardColours())
{
    // Slots repeating a colour held by an earlier slot are given away first, then the rest
    // from the last slot backwards, so the common colours stay where other programs expect them.
    std::size_t next = 0;
    std::array<bool, kPaletteSize> queued{};
    for (std::size_t slot = 0; slot < kPaletteSize; ++slot) {
        const auto first = std::find(m_entries.begin(), m_entries.end(), m_entries[slot]);
        if (static_cast<std::size_t>(first - m_entries.begin()) < slot) {
            m_handOverOrder[next++] = static_cast<std::uint8_t>(slot);
            queued[slot] = true;
        }
    }
    for (std::size_t slot = kPaletteSize; slot-- > 0;)
        if (!queued[slot])
            m_handOverOrder[next++] = static_cast<std::uint8_t>(slot);
}

std::uint8_t Palette::indexFor(Rgb colour)
{
    const auto toIndex = [](std::size_t slot) { return static_cast<std::uint8_t>(kFirstPaletteIndex + slot); };

    for (std::size_t slot = 0; slot < kPaletteSize; ++slot) {
        // A slot not in use may still be handed over later: only a slot marked in use keeps its colour.
        if (m_entries[slot] == colour) {
            m_inUse[slot] = true;
            return toIndex(slot);
        }
    }
    for (std::uint8_t slot : m_handOverOrder) {
        if (!m_inUse[slot]) {
            m_entries[slot] = colour;
            m_inUse[slot] = true;
            return toIndex(slot);
        }
    }
    std::size_t nearest = 0;
    int best = std::numeric_limits<int>::max();
    for (std::size_t slot = 0; slot < kPaletteSize; ++slot) {
        if (const int d = distanceSquared(m_entries[slot], colour); d < best) {
            best = d;
            nearest = slot;
        }
    }
    return toIndex(nearest);
}

} // namespace xls
