#include "SheetName.h"

#include "Sheet.h"
#include "Utf16.h"

namespace xls {

namespace {

bool isForbidden(char16_t unit)
{
    return std::u16string_view(u":\\/?*[]").find(unit) != std::u16string_view::npos;
}

std::u16string_view trimApostrophes(std::u16string_view name)
{
    while (!name.empty() && name.front() == u'\'')
        name.remove_prefix(1);
    while (!name.empty() && name.back() == u'\'')
        name.remove_suffix(1);
    return name;
}

} // namespace

std::string sanitizeSheetName(std::string_view wanted)
{
    std::u16string name = utf8ToUtf16(wanted);
    for (char16_t &unit : name)
        if (isForbidden(unit))
            unit = u'_';

    // Trim again after cutting: the cut may leave an apostrophe at the end.
    const std::u16string_view trimmed =
        trimApostrophes(truncateUtf16(trimApostrophes(name), kMaxSheetNameUnits));
    if (trimmed.empty())
        return "Sheet1";
    return utf16ToUtf8(trimmed);
}

} // namespace xls
