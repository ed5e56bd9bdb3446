#pragma once
// Wraps the workbook stream into an OLE2 compound document, in memory, with libgsf.

#include <cstdint>
#include <span>
#include <vector>

namespace xls {

// The bytes of a compound document holding the stream under the name "Workbook".
// Throws WriteError when libgsf fails.
std::vector<std::uint8_t> wrapInCompoundDocument(std::span<const std::uint8_t> workbookStream);

} // namespace xls
