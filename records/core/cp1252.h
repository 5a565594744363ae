// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef FIELDCLEAR_RECORDS_CORE_CP1252_H
#define FIELDCLEAR_RECORDS_CORE_CP1252_H

#include <string>
#include <string_view>

namespace records {

// The best-times file holds one byte per character in Windows-1252, so that every field keeps
// its fixed position whatever the names are.

// A typed name as bytes: control characters (line breaks, tabs) become blanks, so the file
// stays one line, and a character that Windows-1252 cannot hold becomes '?'.
std::string encodeName(std::u32string_view name);

// Bytes of the file as characters, for showing them; every byte maps to one character.
std::u32string decodeCp1252(std::string_view bytes);

}  // namespace records

#endif
