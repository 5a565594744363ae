// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef FIELDCLEAR_RECORDS_CORE_NUMBER_READER_H
#define FIELDCLEAR_RECORDS_CORE_NUMBER_READER_H

#include <string_view>

namespace records {

// The game's lenient reading of a typed or stored number. Blanks, tabs and line feeds are
// ignored wherever they stand; then the longest start of the rest that forms a number counts:
// an optional sign, digits with an optional decimal point and an optional exponent (E or D),
// or &H / &O and hexadecimal / octal digits. Anything else reads as 0. A value beyond the
// range of a double saturates at the largest finite one; one too small to hold becomes 0.
double readNumber(std::string_view text);

// readNumber rounded to the nearest whole number, halves away from zero, and saturated to the
// range of int.
int readWholeNumber(std::string_view text);

}  // namespace records

#endif
