// SPDX-License-Identifier: MIT
#include "cli/line_converter.h"

#include <algorithm>
#include <cstring>

namespace zembra::cli {

namespace {

constexpr std::size_t kChunkBytes = std::size_t{1} << 18;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

}  // namespace

LineConverter::LineConverter(const TalkGroupTable& table, const std::vector<IdForm>& forms,
                             OutputBuffer& out, Diagnostics& diagnostics)
    : m_table(table), m_out(out), m_diagnostics(diagnostics), m_buffer(kChunkBytes) {
    m_lines.reserve(kIdCount);
    for (int id = 0; id < kIdCount; ++id) {
        std::string line;
        for (const IdForm form : forms) {
            line += (line.empty() ? "" : "\t") + table.Text(id, form);
        }
        m_lines.push_back(line + '\n');
    }
    m_refusedLine = std::string(forms.size() - 1, '\t') + '\n';
}

void LineConverter::Convert(ByteSource& in, std::string_view source) {
    long number = 0;
    // A line cut by the end of a chunk, kept only up to two bytes past the
    // limit: enough to refuse it even when a carriage return is cut off.
    std::string pending;
    const auto keep = [&pending](const char* begin, const char* end) {
        const std::size_t room = kMaxLineBytes + 2 - pending.size();
        pending.append(begin, std::min(room, static_cast<std::size_t>(end - begin)));
    };
    for (;;) {
        const std::size_t count = in.Read(m_buffer.data(), m_buffer.size());
        if (count == 0) {
            break;
        }
        const char* position = m_buffer.data();
        const char* const end = position + count;
        for (;;) {
            const auto* newline = static_cast<const char*>(
                std::memchr(position, '\n', static_cast<std::size_t>(end - position)));
            if (newline == nullptr) {
                keep(position, end);
                break;
            }
            if (pending.empty()) {
                ConvertLine({position, newline}, source, ++number);
            } else {
                keep(position, newline);
                ConvertLine(pending, source, ++number);
                pending.clear();
            }
            position = newline + 1;
        }
    }
    if (!pending.empty()) {
        ConvertLine(pending, source, ++number);
    }
}

void LineConverter::ConvertLine(std::string_view line, std::string_view source, long number) {
    if (number == 1 && line.starts_with(kByteOrderMark)) {
        line.remove_prefix(kByteOrderMark.size());
    }
    if (line.ends_with('\r')) {
        line.remove_suffix(1);
    }
    if (line.size() <= kMaxLineBytes) {
        if (const auto id = m_table.Parse(line)) {
            m_out.Append(m_lines[static_cast<std::size_t>(*id)]);
            m_out.EndLine();
            return;
        }
    }
    m_diagnostics.NotAnId(source, number, line);
    m_out.Append(m_refusedLine);
    m_out.EndLine();
}

}  // namespace zembra::cli
