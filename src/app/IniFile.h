#pragma once
// Reading one value from an INI file the way the Windows profile-string functions
// (GetPrivateProfileString) read it.

#include <QString>

// The value of `key` in `section` of the INI file at `filePath`, or `defaultValue` when the
// file, the section or the key is missing or unreadable. Never throws.
//
// - Section and key names match without regard to case; blanks around names are ignored.
// - The value is the text after the first "=", without the blanks (spaces, tabs) around it,
//   then without one pair of enclosing quotation marks: "…" or '…', the same mark at both
//   ends, as Windows does. Blanks inside the marks stay.
// - At most 2047 characters of a value are returned (Windows' limit for a 2048-character
//   buffer); the rest is cut.
// - When a section occurs more than once, only its first occurrence is searched, as Windows
//   does; when a key occurs more than once in it, the first wins.
// - Lines starting with ";" or "#" are comments; lines without "=" are ignored.
// - The file is UTF-8 when it is valid UTF-8 (a byte-order mark is skipped), UTF-16 when it
//   starts with a UTF-16 little-endian byte-order mark, and Windows-1252 otherwise.
QString readProfileString(const QString &filePath, const QString &section, const QString &key,
                          const QString &defaultValue = {});
