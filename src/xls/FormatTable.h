#pragma once
// Cell formats turned into FONT and XF records, each distinct one once. Colours go through the
// palette, so the palette is final once every cell's format has been asked for.

#include <compare>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "Palette.h"
#include "Sheet.h"

namespace xls {

// FONT index 4 does not exist; the first four fonts are the workbook's defaults.
inline constexpr std::uint16_t kDefaultFontCount = 4;
inline constexpr std::uint16_t kFirstCellFontIndex = 5;
// XF 0..14 are style XFs, XF 15 the default cell format.
inline constexpr std::uint16_t kDefaultCellXf = 15;
inline constexpr std::uint16_t kFirstCellXf = 16;
inline constexpr std::size_t kMaxXfs = 4050;
inline constexpr std::size_t kMaxFonts = 512;

struct FontSpec
{
    std::u16string name;
    std::uint16_t heightTwips = 200;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    std::uint16_t colourIndex = 0x7FFF;
    friend auto operator<=>(const FontSpec &, const FontSpec &) = default;
};

struct XfSpec
{
    std::uint16_t fontIndex = 0;
    HAlign align = HAlign::General;
    bool borderLeft = false;
    bool borderRight = false;
    bool borderTop = false;
    bool borderBottom = false;
    std::uint8_t borderColourIndex = 0;             // for the lines drawn; 0 when none is
    std::optional<std::uint8_t> fillColourIndex;    // solid fill
    friend auto operator<=>(const XfSpec &, const XfSpec &) = default;
};

// The font every workbook starts with (indexes 0..3); column widths are measured in its digits.
FontSpec defaultFont();
FontSpec fontSpecFor(const CellFont &font, Palette &palette);

class FormatTable
{
public:
    explicit FormatTable(Palette &palette) : m_palette(palette) {}

    // XF index for a cell of this format. Past the format's limits on fonts or XFs, a format
    // not seen before falls back to the default cell format.
    std::uint16_t xfIndexFor(const CellFormat &format);

    // Fonts from index 5 on, cell XFs from index 16 on.
    const std::vector<FontSpec> &cellFonts() const { return m_fonts; }
    const std::vector<XfSpec> &cellXfs() const { return m_xfs; }

private:
    Palette &m_palette;
    std::vector<FontSpec> m_fonts;
    std::map<FontSpec, std::uint16_t> m_fontIndex;
    std::vector<XfSpec> m_xfs;
    std::map<XfSpec, std::uint16_t> m_xfIndex;
    // Neighbouring cells mostly share a format: remember the last one asked for.
    std::optional<CellFormat> m_lastFormat;
    std::uint16_t m_lastXf = kDefaultCellXf;
};

} // namespace xls
