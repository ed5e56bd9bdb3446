#include "XlString.h"

#include "Utf16.h"

namespace xls {

std::uint8_t characterOption(std::u16string_view text)
{
    return fitsOneByte(text) ? kOneByteCharacters : kTwoByteCharacters;
}

void appendCharacters(ByteBuffer &out, std::u16string_view text, std::uint8_t option)
{
    for (char16_t unit : text) {
        if (option == kOneByteCharacters)
            out.u8(static_cast<std::uint8_t>(unit));
        else
            out.u16(unit);
    }
}

void appendShortString(ByteBuffer &out, std::u16string_view text)
{
    text = truncateUtf16(text, 255);
    const std::uint8_t option = characterOption(text);
    out.u8(static_cast<std::uint8_t>(text.size()));
    out.u8(option);
    appendCharacters(out, text, option);
}

void appendLongString(ByteBuffer &out, std::u16string_view text)
{
    text = truncateUtf16(text, 65535);
    const std::uint8_t option = characterOption(text);
    out.u16(static_cast<std::uint16_t>(text.size()));
    out.u8(option);
    appendCharacters(out, text, option);
}

} // namespace xls
