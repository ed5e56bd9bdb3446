// Text as the workbook stores it: UTF-8 in, UTF-16 units out, cut at the limits without
// breaking a character, and sheet names made acceptable.

#include <gtest/gtest.h>

#include "SheetName.h"
#include "Utf16.h"
#include "XlString.h"

namespace xls {
namespace {

TEST(Utf16, DecodesUtf8AndReplacesMalformedSequences)
{
    struct Case { const char *what; std::string utf8; std::u16string utf16; };
    const Case cases[] = {
        {"ASCII", "Prov ID", u"Prov ID"},
        {"Latin-1 and euro", "Zoë €", u"Zoë €"},
        {"CJK", "中文", u"中文"},
        {"outside the BMP", "\xF0\x9F\x98\x80", u"\U0001F600"},
        {"stray continuation byte", "a\x80z", u"a\uFFFDz"},
        {"cut-short sequence", "a\xE2\x82z", u"a\uFFFDz"},
        {"overlong slash", "\xC0\xAF", u"\uFFFD\uFFFD"},
        {"encoded surrogate", "\xED\xA0\x80", u"\uFFFD"},
        {"beyond U+10FFFF", "\xF4\x90\x80\x80", u"\uFFFD"},
        {"Windows-1252 byte", "caf\xE9", u"caf\uFFFD"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(utf8ToUtf16(c.utf8), c.utf16) << c.what;
}

TEST(Utf16, TruncationNeverSplitsASurrogatePair)
{
    const std::u16string text = u"ab\U0001F600c";   // a b <high> <low> c
    EXPECT_EQ(truncateUtf16(text, 10), text);
    EXPECT_EQ(truncateUtf16(text, 4), u"ab\U0001F600");
    EXPECT_EQ(truncateUtf16(text, 3), u"ab");
    EXPECT_EQ(truncateUtf16(text, 0), u"");
    EXPECT_EQ(utf16ToUtf8(u"x\xD800y"), "x\xEF\xBF\xBDy");   // lone surrogate
}

TEST(Utf16, OneByteStorageOnlyUpToU00FF)
{
    EXPECT_EQ(characterOption(u""), kOneByteCharacters);
    EXPECT_EQ(characterOption(u"Zoë ÿ"), kOneByteCharacters);
    EXPECT_EQ(characterOption(u"Ā"), kTwoByteCharacters);   // U+0100
    EXPECT_EQ(characterOption(u"€"), kTwoByteCharacters);   // 0x80 in Windows-1252, not Latin-1
}

TEST(SheetName, IsMadeAcceptable)
{
    struct Case { const char *what; std::string wanted; std::string name; };
    const Case cases[] = {
        {"usual export name", "Bresolan_20101001_20101231", "Bresolan_20101001_20101231"},
        {"each forbidden character", "a:b\\c/d?e*f[g]h", "a_b_c_d_e_f_g_h"},
        {"apostrophes at the ends", "''report'", "report"},
        {"apostrophe inside kept", "Mary's", "Mary's"},
        {"empty", "", "Sheet1"},
        {"only apostrophes", "'''", "Sheet1"},
        {"exactly 31", std::string(31, 'x'), std::string(31, 'x')},
        {"cut to 31", std::string(40, 'x'), std::string(31, 'x')},
        {"apostrophe left at the cut", std::string(30, 'x') + "'abc", std::string(30, 'x')},
        {"counted in UTF-16 units", std::string(30, 'x') + "\xF0\x9F\x98\x80", std::string(30, 'x')},
        {"non-Latin kept", "Übersicht €", "Übersicht €"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(sanitizeSheetName(c.wanted), c.name) << c.what;
}

} // namespace
} // namespace xls
