// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/core/score_line.h"

#include "records/core/number_reader.h"

namespace records {

namespace {

// Characters from 1-based position `from` to `to` inclusive, as far as the line reaches.
std::string_view positions(std::string_view s, std::size_t from, std::size_t to) {
    if (from > s.size()) {
        return {};
    }
    return s.substr(from - 1, to - from + 1);
}

std::string withQuotes(std::string_view body) {
    std::string file = "\"";
    file += body;
    file += '"';
    file += kLineEnd;
    return file;
}

}  // namespace

std::string firstLine(std::string_view bytes) {
    return std::string(bytes.substr(0, bytes.find('\r')));
}

std::string_view timeText(std::string_view scores, int level) {
    const auto from = static_cast<std::size_t>(kTimeWidth * level - 1);
    return positions(scores, from, from + kTimeWidth - 1);
}

std::string_view nameText(std::string_view scores, int level) {
    const auto from = static_cast<std::size_t>(kNameWidth * level + 3);
    return positions(scores, from, from + kNameWidth - 1);
}

bool isRecord(std::string_view scores, int level, int seconds) {
    return level >= 1 && level <= kRecordLevels && seconds < readNumber(timeText(scores, level));
}

std::string recordFile(std::string_view scores, int level, int seconds, std::string_view name) {
    const std::string time = "   " + std::to_string(seconds);
    const std::string t = time.substr(time.size() - kTimeWidth);
    const std::string n = (std::string(name) + "        ").substr(0, kNameWidth);
    std::string body;
    switch (level) {
        case 1:
            body = t + std::string(positions(scores, 5, 10)) + n +
                   std::string(positions(scores, 19, 34));
            break;
        case 2:
            body = std::string(positions(scores, 2, 4)) + t +
                   std::string(positions(scores, 8, 18)) + n +
                   std::string(positions(scores, 27, 34));
            break;
        default:
            body = std::string(positions(scores, 2, 7)) + t +
                   std::string(positions(scores, 11, 26)) + n;
            break;
    }
    return withQuotes(body);
}

std::string defaultFile() {
    return std::string(kDefaultScores) + std::string(kLineEnd);
}

}  // namespace records
