// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef FIELDCLEAR_RECORDS_TWIPS_H
#define FIELDCLEAR_RECORDS_TWIPS_H

namespace records {

// The dialogs were laid out in twips, 15 to a pixel at 96 dots per inch.
constexpr int px(int twips) {
    return (twips + 7) / 15;
}

}  // namespace records

#endif
