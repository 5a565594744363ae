// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef FIELDCLEAR_RECORDS_NAME_CODE_PAGE_H
#define FIELDCLEAR_RECORDS_NAME_CODE_PAGE_H

#include "records/core/code_page.h"

namespace records {

// The code page of the names in the best-times file: the Windows one of the player's language
// (QLocale's default), in which the file has always been written.
CodePage nameCodePage();

}  // namespace records

#endif
