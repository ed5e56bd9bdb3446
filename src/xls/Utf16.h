#pragma once
// UTF-8 <-> UTF-16 for the workbook, which stores every text as UTF-16 code units.

#include <cstddef>
#include <string>
#include <string_view>

namespace xls {

// Malformed UTF-8 (stray or missing continuation bytes, overlong forms, surrogates, values
// beyond U+10FFFF) becomes U+FFFD, one per offending sequence.
std::u16string utf8ToUtf16(std::string_view utf8);
// A lone surrogate becomes U+FFFD.
std::string utf16ToUtf8(std::u16string_view utf16);

// Keeps at most maxUnits code units without cutting a surrogate pair in two.
std::u16string_view truncateUtf16(std::u16string_view text, std::size_t maxUnits);

// True when every code unit is at most U+00FF, so the text may be stored one byte per character.
bool fitsOneByte(std::u16string_view text);

} // namespace xls
