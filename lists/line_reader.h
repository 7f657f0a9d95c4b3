// SPDX-License-Identifier: MIT
// Reading one ID a line from bytes that arrive in blocks cut anywhere. A
// line longer than an ID may be is kept only as far as needed to refuse it,
// so that memory stays flat whatever the input.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zembra::lists {

class LineReader {
public:
    // `counted`: the character that ends a line ('\n', a CR before it dropped, or '\r').
    explicit LineReader(char counted) : m_counted(counted) {}

    void Append(std::string_view bytes);
    // The next line without its end; nullopt when the bytes to come hold
    // it. With `complete` the last line needs no end.
    std::optional<std::string_view> Next(bool complete);

private:
    std::string m_buffer;
    std::size_t m_start = 0;  // where the next line starts
    bool m_skipping = false;  // the line is cut; its rest up to its end is dropped
    char m_counted;
};

}  // namespace zembra::lists
