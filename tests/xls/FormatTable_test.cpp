// Cell formats deduplicated into fonts and XFs; colours placed in the 56-entry palette.

#include <gtest/gtest.h>

#include "FormatTable.h"
#include "Palette.h"

namespace xls {
namespace {

CellFormat filled(Rgb colour)
{
    CellFormat format;
    format.fill = colour;
    return format;
}

TEST(Palette, StandardColoursKeepTheirIndexes)
{
    Palette palette;
    EXPECT_EQ(palette.indexFor({0, 0, 0}), 8);
    EXPECT_EQ(palette.indexFor({255, 255, 255}), 9);
    EXPECT_EQ(palette.indexFor({255, 128, 128}), 29);
    EXPECT_EQ(palette.entries(), Palette::standardColours());
}

TEST(Palette, NewColoursTakeSlotsNoColourInUseNeeds)
{
    Palette palette;
    // Navy stands at 18 and again at 32: the repeat is handed over first.
    const std::uint8_t yellow = palette.indexFor({255, 255, 128});
    const std::uint8_t green = palette.indexFor({128, 255, 128});
    EXPECT_EQ(yellow, 32);
    EXPECT_EQ(green, 33);
    EXPECT_EQ(palette.entries()[yellow - 8], (Rgb{255, 255, 128}));
    EXPECT_EQ(palette.entries()[green - 8], (Rgb{128, 255, 128}));
    EXPECT_EQ(palette.indexFor({255, 255, 128}), yellow);
    EXPECT_EQ(palette.indexFor({0, 0, 128}), 18);
}

TEST(Palette, ColoursInUseAreNeverHandedOver)
{
    Palette palette;
    std::vector<std::pair<Rgb, std::uint8_t>> given;
    // 56 colours of which a few are standard ones: every one gets a slot of its own.
    for (int i = 0; i < 56; ++i) {
        const Rgb colour = i % 7 == 0 ? Palette::standardColours()[i]
                                      : Rgb{static_cast<std::uint8_t>(i * 4 + 1), 7, 200};
        given.emplace_back(colour, palette.indexFor(colour));
    }
    for (const auto &[colour, index] : given) {
        ASSERT_GE(index, 8);
        ASSERT_LE(index, 63);
        EXPECT_EQ(palette.entries()[index - 8], colour) << int(index);
    }
    // A 57th colour gets the nearest colour in use and changes nothing.
    const auto before = palette.entries();
    const std::uint8_t nearest = palette.indexFor({6, 8, 199});
    EXPECT_EQ(palette.entries()[nearest - 8], (Rgb{5, 7, 200}));
    EXPECT_EQ(palette.entries(), before);
}

TEST(FormatTable, EqualFormatsShareOneXfAndFont)
{
    Palette palette;
    FormatTable table(palette);
    CellFormat bold;
    bold.font.bold = true;

    const std::uint16_t plain = table.xfIndexFor(CellFormat{});
    EXPECT_EQ(plain, kFirstCellXf);
    EXPECT_EQ(table.xfIndexFor(filled({255, 128, 128})), kFirstCellXf + 1);
    EXPECT_EQ(table.xfIndexFor(bold), kFirstCellXf + 2);
    EXPECT_EQ(table.xfIndexFor(filled({255, 128, 128})), kFirstCellXf + 1);
    EXPECT_EQ(table.xfIndexFor(CellFormat{}), plain);

    ASSERT_EQ(table.cellXfs().size(), 3u);
    ASSERT_EQ(table.cellFonts().size(), 2u);   // plain and bold
    EXPECT_EQ(table.cellXfs()[0].fontIndex, kFirstCellFontIndex);
    EXPECT_EQ(table.cellXfs()[1].fontIndex, kFirstCellFontIndex);
    EXPECT_EQ(table.cellXfs()[1].fillColourIndex, std::optional<std::uint8_t>(29));
    EXPECT_EQ(table.cellXfs()[2].fontIndex, kFirstCellFontIndex + 1);
    EXPECT_EQ(table.cellFonts()[0].heightTwips, 165);
    EXPECT_EQ(table.cellFonts()[0].name, u"Arial");
}

TEST(FormatTable, OddFontValuesBecomeUsableOnes)
{
    Palette palette;
    CellFont font;
    font.name = "";
    font.points = -3;
    EXPECT_EQ(fontSpecFor(font, palette).name, u"Arial");
    EXPECT_EQ(fontSpecFor(font, palette).heightTwips, 200);
    font.name = std::string(40, 'F');
    font.points = 409.55;
    EXPECT_EQ(fontSpecFor(font, palette).name.size(), 31u);
    EXPECT_EQ(fontSpecFor(font, palette).heightTwips, 8191);
}

TEST(FormatTable, BeyondTheXfLimitFallsBackToTheDefaultFormat)
{
    Palette palette;
    FormatTable table(palette);
    CellFormat format;
    std::uint16_t last = 0;
    for (int i = 0; i < 5000; ++i) {
        format.font.points = 6 + (i % 400);
        format.align = static_cast<HAlign>(i / 400 % 4);
        format.borderTop = i / 1600 % 2;
        format.borderBottom = i / 3200 % 2;
        last = table.xfIndexFor(format);
    }
    EXPECT_EQ(kFirstCellXf + table.cellXfs().size(), kMaxXfs);
    EXPECT_LE(kFirstCellFontIndex + table.cellFonts().size(), kMaxFonts);
    EXPECT_EQ(last, kDefaultCellXf);
}

} // namespace
} // namespace xls
