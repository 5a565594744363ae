// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef FIELDCLEAR_RECORDS_CORE_SCORE_LINE_H
#define FIELDCLEAR_RECORDS_CORE_SCORE_LINE_H

#include <cstddef>
#include <string>
#include <string_view>

namespace records {

// The best-times line: a quote, the times of Beginner, Intermediate and Expert in three
// characters each, their names in eight characters each, and a closing quote. Fields are
// taken by position only; nothing is ever validated, so a damaged line shows as it is.
inline constexpr std::string_view kDefaultScores = "\"999999999MrNobodyMrNobodyMrNobody\"";
inline constexpr std::string_view kLineEnd = "\r\n";
inline constexpr int kRecordLevels = 3;  // Beginner, Intermediate, Expert
inline constexpr int kTimeWidth = 3;
inline constexpr int kNameWidth = 8;

// No more than this is read of a file: the line is 35 characters, the rest is never used.
inline constexpr std::size_t kReadLimit = 1024;

// The first line of a file's bytes: everything before the first carriage return.
std::string firstLine(std::string_view bytes);

// The fields of level 1..3 as they stand in the line; shorter or empty past its end.
std::string_view timeText(std::string_view scores, int level);
std::string_view nameText(std::string_view scores, int level);

// Whether `seconds` beats the stored time of `level`; levels beyond 3 keep no records.
bool isRecord(std::string_view scores, int level, int seconds);

// The whole file after a record of `seconds` by `name` (bytes, as encodeName gives them) on
// `level`, the other levels' fields copied from `scores` unchanged.
std::string recordFile(std::string_view scores, int level, int seconds, std::string_view name);

// The whole file that a reset writes.
std::string defaultFile();

}  // namespace records

#endif
