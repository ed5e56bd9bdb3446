#include "GlobalsRecords.h"

#include "ByteBuffer.h"
#include "XlString.h"

namespace xls {

namespace {

Record makeRecord(std::uint16_t id, ByteBuffer &data) { return Record{id, data.take()}; }

Record valueRecord(std::uint16_t id, std::uint16_t value)
{
    ByteBuffer data;
    data.u16(value);
    return makeRecord(id, data);
}

Record emptyRecord(std::uint16_t id) { return Record{id, {}}; }

constexpr std::uint16_t kUtf16CodePage = 1200;

Record writeAccessRecord()
{
    // The writer's name, padded with spaces to the fixed record size.
    constexpr std::size_t kSize = 112;
    ByteBuffer data;
    const std::u16string_view name = u"Bresolan";
    data.u16(static_cast<std::uint16_t>(name.size()));
    data.u8(kOneByteCharacters);
    appendCharacters(data, name, kOneByteCharacters);
    while (data.size() < kSize)
        data.u8(' ');
    return makeRecord(0x005C, data);
}

Record window1Record()
{
    ByteBuffer data;
    data.u16(360);     // left, in twips
    data.u16(270);     // top
    data.u16(14940);   // width
    data.u16(9150);    // height
    data.u16(0x0038);  // horizontal and vertical scroll bars, sheet tabs shown
    data.u16(0);       // active sheet
    data.u16(0);       // first sheet tab shown
    data.u16(1);       // selected sheets
    data.u16(600);     // tab bar width, per mille
    return makeRecord(RecordId::Window1, data);
}

// Layout shared by every XF record.
struct XfFields
{
    std::uint16_t fontIndex = 0;
    std::uint16_t typeAndProtection = 0x0001;   // cell XF, locked, parent style XF 0
    std::uint8_t alignment = 0x20;              // general, bottom
    std::uint8_t usedAttributes = 0x00;
    std::uint32_t borderLines = 0;
    std::uint32_t borderColoursAndFill = 0;
    std::uint16_t fillColours = kWindowTextColour | (kWindowBackgroundColour << 7);
};

Record xfRecord(const XfFields &fields)
{
    ByteBuffer data;
    data.u16(fields.fontIndex);
    data.u16(0);   // number format: General
    data.u16(fields.typeAndProtection);
    data.u8(fields.alignment);
    data.u8(0);    // rotation
    data.u8(0);    // indent, shrink, reading order
    data.u8(fields.usedAttributes);
    data.u32(fields.borderLines);
    data.u32(fields.borderColoursAndFill);
    data.u16(fields.fillColours);
    return makeRecord(RecordId::Xf, data);
}

std::uint8_t horizontalAlignment(HAlign align)
{
    switch (align) {
    case HAlign::General: return 0;
    case HAlign::Left: return 1;
    case HAlign::Centre: return 2;
    case HAlign::Right: return 3;
    }
    return 0;
}

} // namespace

Record bofRecord(Substream type)
{
    ByteBuffer data;
    data.u16(0x0600);                            // BIFF8
    data.u16(static_cast<std::uint16_t>(type));
    data.u16(0x0DBB);                            // build
    data.u16(0x07CC);                            // build year
    data.u32(0);                                 // file history
    data.u32(6);                                 // lowest version that can read everything
    return makeRecord(RecordId::Bof, data);
}

Record eofRecord() { return emptyRecord(RecordId::Eof); }

std::vector<Record> workbookSettingsRecords()
{
    return {
        valueRecord(0x00E1, kUtf16CodePage),   // INTERFACEHDR
        valueRecord(0x00C1, 0),                // MMS
        emptyRecord(0x00E2),                   // INTERFACEEND
        writeAccessRecord(),
        valueRecord(RecordId::CodePage, kUtf16CodePage),
        valueRecord(0x0161, 0),                // DSF: no double stream
        valueRecord(0x013D, 1),                // TABID: the one sheet
        valueRecord(0x009C, 14),               // FNGROUPCOUNT
        valueRecord(0x0019, 0),                // WINDOWPROTECT
        valueRecord(0x0012, 0),                // PROTECT
        valueRecord(0x0013, 0),                // PASSWORD
        valueRecord(0x01AF, 0),                // PROT4REV
        valueRecord(0x01BC, 0),                // PROT4REVPASS
        window1Record(),
        valueRecord(0x0040, 0),                // BACKUP
        valueRecord(0x008D, 0),                // HIDEOBJ: show all objects
        valueRecord(0x0022, 0),                // DATEMODE: 1900 date system
        valueRecord(0x000E, 1),                // PRECISION: full precision
        valueRecord(0x01B7, 0),                // REFRESHALL
        valueRecord(0x00DA, 0),                // BOOKBOOL
    };
}

Record fontRecord(const FontSpec &font)
{
    ByteBuffer data;
    data.u16(font.heightTwips);
    std::uint16_t flags = 0;
    if (font.bold)
        flags |= 0x0001;   // read by some programs instead of the weight
    if (font.italic)
        flags |= 0x0002;
    if (font.strikeOut)
        flags |= 0x0008;
    data.u16(flags);
    data.u16(font.colourIndex);
    data.u16(font.bold ? 700 : 400);
    data.u16(0);                          // no super- or subscript
    data.u8(font.underline ? 0x01 : 0x00);
    data.u8(0);                           // family: not given
    data.u8(0);                           // character set: ANSI
    data.u8(0);
    appendShortString(data, font.name);
    return makeRecord(RecordId::Font, data);
}

std::vector<Record> builtInXfRecords()
{
    std::vector<Record> records;
    XfFields normal;
    normal.typeAndProtection = 0xFFF5;   // style XF, locked, no parent
    records.push_back(xfRecord(normal));
    for (std::uint16_t i = 1; i < kDefaultCellXf; ++i) {
        XfFields style = normal;
        style.fontIndex = i <= 2 ? 1 : (i <= 4 ? 2 : 0);
        style.usedAttributes = 0xF4;
        records.push_back(xfRecord(style));
    }
    records.push_back(xfRecord(XfFields{}));   // XF 15: default cell format
    return records;
}

Record cellXfRecord(const XfSpec &xf)
{
    constexpr std::uint32_t kThin = 1;
    constexpr std::uint32_t kSolid = 1;
    const std::uint32_t colour = xf.borderColourIndex;

    XfFields fields;
    fields.fontIndex = xf.fontIndex;
    fields.alignment = static_cast<std::uint8_t>(0x20 | horizontalAlignment(xf.align));
    fields.usedAttributes = 0xF8;   // font, alignment, borders, fill, protection
    if (xf.borderLeft)
        fields.borderLines |= kThin | (colour << 16);
    if (xf.borderRight)
        fields.borderLines |= (kThin << 4) | (colour << 23);
    if (xf.borderTop) {
        fields.borderLines |= kThin << 8;
        fields.borderColoursAndFill |= colour;
    }
    if (xf.borderBottom) {
        fields.borderLines |= kThin << 12;
        fields.borderColoursAndFill |= colour << 7;
    }
    if (xf.fillColourIndex) {
        fields.borderColoursAndFill |= kSolid << 26;
        fields.fillColours = static_cast<std::uint16_t>(*xf.fillColourIndex | (kWindowBackgroundColour << 7));
    }
    return xfRecord(fields);
}

Record normalStyleRecord()
{
    ByteBuffer data;
    data.u16(0x8000);   // built-in style on XF 0
    data.u8(0);         // Normal
    data.u8(0xFF);      // no outline level
    return makeRecord(RecordId::Style, data);
}

Record paletteRecord(const std::array<Rgb, kPaletteSize> &entries)
{
    ByteBuffer data;
    data.u16(static_cast<std::uint16_t>(entries.size()));
    for (const Rgb &colour : entries) {
        data.u8(colour.r);
        data.u8(colour.g);
        data.u8(colour.b);
        data.u8(0);
    }
    return makeRecord(RecordId::Palette, data);
}

Record boundSheetRecord(std::uint32_t sheetOffset, std::u16string_view name)
{
    ByteBuffer data;
    data.u32(sheetOffset);
    data.u8(0);   // visible
    data.u8(0);   // worksheet
    appendShortString(data, name);
    return makeRecord(RecordId::BoundSheet, data);
}

Record countryRecord()
{
    ByteBuffer data;
    data.u16(1);   // United States
    data.u16(1);
    return makeRecord(RecordId::Country, data);
}

} // namespace xls
