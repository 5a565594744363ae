// SPDX-License-Identifier: GPL-3.0-or-later
// Random bytes as a best-times file, as typed numbers and as names: nothing may crash, overflow
// or hang, and what the writer builds must keep its fixed layout.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "records/core/code_page.h"
#include "records/core/number_reader.h"
#include "records/core/score_line.h"

namespace {

void require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    require(std::isfinite(records::readNumber(bytes)));
    records::readWholeNumber(bytes);

    const std::string scores = records::firstLine(bytes);
    require(scores.find('\r') == std::string::npos);
    const int level = size > 0 ? data[0] % 5 : 1;
    const int seconds = size > 1 ? data[1] * 4 : 0;
    records::isRecord(scores, level, seconds);
    const records::CodePage page =
        size > 2 ? static_cast<records::CodePage>(data[2] % 4) : records::CodePage::Windows1252;
    const std::string_view typed = bytes.substr(std::min<std::size_t>(2, size));
    const std::u32string shown = records::decodeName(typed, page);
    require(shown.size() == typed.size());
    // What the file shows is written back as it was, but for the control bytes.
    const std::string name = records::encodeName(shown, page);
    for (std::size_t i = 0; i < typed.size(); ++i) {
        const bool control = shown[i] < 0x20 || (shown[i] >= 0x7F && shown[i] <= 0x9F);
        require(name[i] == (control ? ' ' : typed[i]));
    }
    for (int k = 1; k <= records::kRecordLevels; ++k) {
        require(records::timeText(scores, k).size() <= records::kTimeWidth);
        require(records::nameText(scores, k).size() <= records::kNameWidth);
        const std::string file = records::recordFile(scores, k, seconds % 999, name);
        require(file.size() <= 37 && file.size() >= 15);
        require(file.substr(file.size() - 2) == "\r\n");
        if (scores.size() >= 35) {
            require(file.size() == 37);
            require(records::timeText(records::firstLine(file), k).size() == 3);
        }
    }
    return 0;
}
