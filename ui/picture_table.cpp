// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/picture_table.h"

#include <algorithm>
#include <iterator>

#include "picture_table.inc"  // generated from resources/pictures/ at configure time

namespace ui {

const char* const* pictureXpm(game::PictureId id) {
    const auto* end = std::end(generated::kPictures);
    const auto* it = std::find_if(std::begin(generated::kPictures), end,
                                  [id](const generated::PictureEntry& e) { return e.id == id; });
    return it == end ? nullptr : it->xpm;
}

const char* const* iconXpm(int size) {
    return size <= 16 ? generated::kIcon16 : generated::kIcon32;
}

}  // namespace ui
