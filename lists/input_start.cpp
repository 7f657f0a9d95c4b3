// SPDX-License-Identifier: MIT
// Reading the start of an input: byte order marks, the line end, the first
// non-blank line and its delimiter. Only the first MiB is looked at, so
// that the answer is the same however the input arrives in blocks.
#include "lists/input_start.h"

#include <algorithm>
#include <array>

#include "lists/text.h"

namespace zembra::lists {

namespace {

constexpr std::array<std::string_view, 2> kUtf16ByteOrderMarks = {"\xFF\xFE", "\xFE\xFF"};

// The line end of the first line; nullopt when the bytes after it decide.
std::optional<std::string_view> FirstLineEnd(std::string_view body, bool complete) {
    const std::size_t end = body.find_first_of("\r\n");
    if (end == std::string_view::npos) {
        if (!complete) return std::nullopt;
        return "\n";
    }
    if (body[end] == '\n') return "\n";
    if (end + 1 == body.size() && !complete) return std::nullopt;
    if (end + 1 < body.size() && body[end + 1] == '\n') return "\r\n";
    return "\r";
}

struct FirstLine {
    std::string_view text;
    LineNumber number = 0;
};

// The first line with more than blanks; nullopt when the bytes to come decide.
std::optional<FirstLine> FindFirstLine(std::string_view body, char counted, bool complete) {
    LineNumber number = 1;
    for (std::size_t start = 0;; ++number) {
        const std::size_t end = body.find(counted, start);
        if (end == std::string_view::npos && !complete) return std::nullopt;
        std::string_view line = body.substr(start, end - std::min(end, start));
        if (counted == '\n' && line.ends_with('\r')) line.remove_suffix(1);
        if (!TrimBlanks(line).empty()) return FirstLine{line, number};
        if (end == std::string_view::npos) return FirstLine{};
        start = end + 1;
    }
}

char DelimiterOf(std::string_view line) {
    const auto tabs = std::count(line.begin(), line.end(), '\t');
    if (tabs > std::count(line.begin(), line.end(), ',')) return '\t';
    return ',';
}

}  // namespace

std::optional<InputStart> ReadInputStart(std::string_view start, bool complete) {
    if (start.size() < kUtf8ByteOrderMark.size() && !complete) return std::nullopt;
    InputStart read;
    if (std::any_of(kUtf16ByteOrderMarks.begin(), kUtf16ByteOrderMarks.end(),
                    [start](std::string_view mark) { return start.starts_with(mark); })) {
        read.utf16 = true;
        return read;
    }
    read.layout.byteOrderMark = start.starts_with(kUtf8ByteOrderMark);
    std::string_view body = start.substr(read.layout.byteOrderMark ? kUtf8ByteOrderMark.size() : 0);
    const bool enough = complete || body.size() >= kMaxRowBytes;
    body = body.substr(0, kMaxRowBytes);
    const auto lineEnd = FirstLineEnd(body, enough);
    if (!lineEnd) return std::nullopt;
    read.layout.lineEnd = *lineEnd;
    read.layout.counted = lineEnd->back();
    const auto first = FindFirstLine(body, read.layout.counted, enough);
    if (!first) return std::nullopt;
    read.firstLine = first->text;
    read.firstLineNumber = first->number;
    read.layout.delimiter = DelimiterOf(first->text);
    return read;
}

}  // namespace zembra::lists
