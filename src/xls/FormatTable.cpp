#include "FormatTable.h"

#include <algorithm>
#include <cmath>

#include "Utf16.h"

namespace xls {

namespace {

constexpr std::size_t kMaxFontNameUnits = 31;   // what spreadsheet programs accept for a font name

std::uint16_t heightInTwips(double points)
{
    // 1 to 409.55 points; anything else (zero, negative, not a number) gets the 10-point default.
    if (!(points >= 1.0 && points <= 409.55))
        return 200;
    return static_cast<std::uint16_t>(std::lround(points * 20.0));
}

} // namespace

FontSpec defaultFont()
{
    return FontSpec{u"Arial", 200, false, false, false, false, 0x7FFF};
}

FontSpec fontSpecFor(const CellFont &font, Palette &palette)
{
    std::u16string name(truncateUtf16(utf8ToUtf16(font.name), kMaxFontNameUnits));
    if (name.empty())
        name = u"Arial";
    return FontSpec{std::move(name),       heightInTwips(font.points), font.bold, font.italic,
                    font.underline,        font.strikeOut,             palette.indexFor(font.colour)};
}

std::uint16_t FormatTable::xfIndexFor(const CellFormat &format)
{
    if (m_lastFormat && *m_lastFormat == format)
        return m_lastXf;
    m_lastFormat = format;
    m_lastXf = kDefaultCellXf;

    const FontSpec font = fontSpecFor(format.font, m_palette);
    const auto knownFont = m_fontIndex.find(font);
    if (knownFont == m_fontIndex.end() && kFirstCellFontIndex + m_fonts.size() >= kMaxFonts)
        return m_lastXf;

    XfSpec xf;
    xf.fontIndex = knownFont != m_fontIndex.end()
                       ? knownFont->second
                       : static_cast<std::uint16_t>(kFirstCellFontIndex + m_fonts.size());
    xf.align = format.align;
    xf.borderLeft = format.borderLeft;
    xf.borderRight = format.borderRight;
    xf.borderTop = format.borderTop;
    xf.borderBottom = format.borderBottom;
    if (format.hasBorder())
        xf.borderColourIndex = m_palette.indexFor(format.borderColour);
    if (format.fill)
        xf.fillColourIndex = m_palette.indexFor(*format.fill);

    if (const auto knownXf = m_xfIndex.find(xf); knownXf != m_xfIndex.end()) {
        m_lastXf = knownXf->second;
        return m_lastXf;
    }
    if (kFirstCellXf + m_xfs.size() >= kMaxXfs)
        return m_lastXf;

    if (knownFont == m_fontIndex.end()) {
        m_fonts.push_back(font);
        m_fontIndex.emplace(font, xf.fontIndex);
    }
    m_lastXf = static_cast<std::uint16_t>(kFirstCellXf + m_xfs.size());
    m_xfs.push_back(xf);
    m_xfIndex.emplace(xf, m_lastXf);
    return m_lastXf;
}

} // namespace xls
