#pragma once
// What a caller hands to the workbook writer: one worksheet of cells, each with its look,
// the column widths and the sheet's name. Text is UTF-8.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace xls {

// The format's own bounds; anything beyond them is dropped (cells) or cut (text).
inline constexpr std::size_t kMaxColumns = 256;
inline constexpr std::size_t kMaxRows = 65536;
inline constexpr std::size_t kMaxTextUnits = 32767;     // UTF-16 code units per cell text
inline constexpr std::size_t kMaxSheetNameUnits = 31;   // UTF-16 code units

struct Rgb
{
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb &, const Rgb &) = default;
};

struct CellFont
{
    std::string name = "Arial";
    double points = 8.25;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    Rgb colour{0, 0, 0};
    friend bool operator==(const CellFont &, const CellFont &) = default;
};

enum class HAlign { General, Left, Centre, Right };

struct CellFormat
{
    CellFont font;
    std::optional<Rgb> fill;   // solid fill; none = no fill
    HAlign align = HAlign::General;
    bool borderLeft = false;
    bool borderRight = false;
    bool borderTop = false;
    bool borderBottom = false;
    Rgb borderColour{0, 0, 0};   // of every thin border line drawn

    bool hasBorder() const { return borderLeft || borderRight || borderTop || borderBottom; }
    // An empty cell still shows a fill or a border line; font and alignment it does not show.
    bool showsOnEmptyCell() const { return fill.has_value() || hasBorder(); }
    friend bool operator==(const CellFormat &, const CellFormat &) = default;
};

struct Cell
{
    enum class Kind { Empty, Text, Number };
    Kind kind = Kind::Empty;
    std::string text;
    double number = 0;
    CellFormat format;

    static Cell makeText(std::string text, CellFormat format = {})
    {
        return Cell{Kind::Text, std::move(text), 0, std::move(format)};
    }
    static Cell makeNumber(double number, CellFormat format = {})
    {
        return Cell{Kind::Number, {}, number, std::move(format)};
    }
    static Cell makeEmpty(CellFormat format = {})
    {
        return Cell{Kind::Empty, {}, 0, std::move(format)};
    }
};

struct Sheet
{
    std::string name;                  // made a valid sheet name on writing (sanitizeSheetName)
    std::vector<double> columnWidths;  // per column from the first, in 1/256 of a character
    std::vector<std::vector<Cell>> rows;
};

} // namespace xls
