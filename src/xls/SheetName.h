#pragma once
// Turns any wanted name into one that spreadsheet programs accept as a worksheet name.

#include <string>
#include <string_view>

namespace xls {

// At most 31 UTF-16 units; each of : \ / ? * [ ] becomes '_'; apostrophes at either end are
// removed; an empty result becomes "Sheet1". Malformed UTF-8 becomes U+FFFD.
std::string sanitizeSheetName(std::string_view wanted);

} // namespace xls
