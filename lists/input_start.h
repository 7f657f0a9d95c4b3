// SPDX-License-Identifier: MIT
// What the first bytes of an input say about all of it: a byte order mark
// (UTF-8 kept, UTF-16 refused), the line end that the first line ends with,
// the first non-blank line, which names a table's columns, and the
// delimiter that line uses. Readers of lines and rows start from this.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace zembra::lists {

// A longer row, or a first line further in, is not read.
inline constexpr std::size_t kMaxRowBytes = std::size_t{1} << 20;
inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";
// Lines are counted from 1, in any count of them.
using LineNumber = std::int64_t;

struct Layout {
    char delimiter = ',';             // tab when the first line holds more tabs than commas
    std::string_view lineEnd = "\n";  // "\n", "\r\n" or "\r", as the first line ends
    char counted = '\n';              // the character whose count numbers the lines
    bool byteOrderMark = false;       // UTF-8's, kept in table output
};

struct InputStart {
    Layout layout;
    bool utf16 = false;          // a UTF-16 byte order mark: nothing else is read
    std::string_view firstLine;  // the first non-blank line, without its end; empty for none
    LineNumber firstLineNumber = 0;
};

// What `start` says, the input's first bytes; nullopt while it is too short
// to tell and more bytes are to come (`complete` false).
std::optional<InputStart> ReadInputStart(std::string_view start, bool complete);

}  // namespace zembra::lists
