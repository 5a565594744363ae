// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef FIELDCLEAR_RECORDS_CORE_CODE_PAGE_H
#define FIELDCLEAR_RECORDS_CORE_CODE_PAGE_H

#include <string>
#include <string_view>

namespace records {

// The best-times file holds one byte per character, so that every field keeps its fixed
// position whatever the names are: the names are in the Windows code page of the player's
// language, as the file has always been written.
enum class CodePage { Windows1250, Windows1251, Windows1252, Windows1254 };

// A typed name as bytes: control characters (line breaks, tabs) become blanks, so the file
// stays one line; a letter the code page lacks becomes its plain letter without accents
// ("ł" and "ı" too), and anything else it lacks becomes '?'.
std::string encodeName(std::u32string_view name, CodePage page);

// Bytes of the file as characters, for showing them; every byte maps to one character.
std::u32string decodeName(std::string_view bytes, CodePage page);

}  // namespace records

#endif
