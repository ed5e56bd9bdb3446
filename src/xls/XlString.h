#pragma once
// The string layouts of BIFF8: a character count, an option byte (0 = one byte per
// character, Latin-1; 1 = UTF-16LE), then the characters.

#include <string_view>

#include "ByteBuffer.h"

namespace xls {

inline constexpr std::uint8_t kOneByteCharacters = 0x00;
inline constexpr std::uint8_t kTwoByteCharacters = 0x01;

// Option byte for the text: one byte per character when every unit fits.
std::uint8_t characterOption(std::u16string_view text);

// Appends the characters alone, in the layout the option byte names.
void appendCharacters(ByteBuffer &out, std::u16string_view text, std::uint8_t option);

// Count as one byte (at most 255 units; longer is cut): names of fonts and sheets.
void appendShortString(ByteBuffer &out, std::u16string_view text);

// Count as two bytes (at most 65535 units; longer is cut).
void appendLongString(ByteBuffer &out, std::u16string_view text);

} // namespace xls
