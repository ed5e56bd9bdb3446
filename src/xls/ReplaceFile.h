#pragma once
// Puts a file's whole new contents in place, or leaves everything as it was.

#include <cstdint>
#include <filesystem>
#include <span>

namespace xls {

// Writes the bytes to a new temporary file in the target's folder and renames it over the
// target only once they are all written and flushed. On any failure the temporary file is
// removed, an existing target is untouched, and WriteError is thrown.
void replaceFile(const std::filesystem::path &target, std::span<const std::uint8_t> bytes);

} // namespace xls
