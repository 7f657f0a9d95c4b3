// SPDX-License-Identifier: MIT
// The line reader of plain ID lists.
#include "lists/line_reader.h"

#include <algorithm>

#include "lists/id_grammar.h"

namespace zembra::lists {

namespace {

// One byte over the limit is kept, so that the ID reader sees the line is too long.
constexpr std::size_t kKeptBytes = kMaxIdBytes + 1;

}  // namespace

void LineReader::Append(std::string_view bytes) {
    if (m_skipping) {
        const std::size_t end = bytes.find(m_counted);
        if (end == std::string_view::npos) return;
        m_skipping = false;
        bytes.remove_prefix(end);
    }
    m_buffer.append(bytes);
}

std::optional<std::string_view> LineReader::Next(bool complete) {
    const std::size_t end = m_buffer.find(m_counted, m_start);
    if (end == std::string::npos && !complete) {
        m_buffer.erase(0, m_start);
        m_start = 0;
        if (m_buffer.size() > kKeptBytes) {
            m_buffer.resize(kKeptBytes);
            m_skipping = true;
        }
        return std::nullopt;
    }
    if (end == std::string::npos && m_start >= m_buffer.size()) return std::nullopt;
    const std::size_t stop = std::min(end, m_buffer.size());
    std::string_view line(m_buffer.data() + m_start, stop - m_start);
    m_start = stop + 1;
    if (m_counted == '\n' && line.ends_with('\r')) line.remove_suffix(1);
    return line.substr(0, kKeptBytes);
}

}  // namespace zembra::lists
