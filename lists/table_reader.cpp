// SPDX-License-Identifier: MIT
// The table reader: fields, the quote rule, line ends and line numbers, on
// a buffer that holds the row being read and the bytes after it.
#include "lists/table_reader.h"

#include <algorithm>

namespace zembra::lists {

namespace {

constexpr std::size_t kNone = std::string::npos;

}  // namespace

TableReader::Step TableReader::Next(bool complete) {
    for (;;) {
        if (m_rowDone) StartRow();
        if (m_field == m_buffer.size() && m_field == m_rowStart) {
            if (!complete) {
                Compact();
                return Step::NeedMore;
            }
            return Step::End;
        }
        const FieldEnd field = ScanField(complete);
        if (field.step == Step::NeedMore) Compact();
        if (field.step != Step::Row) return field.step;
        if (!TakeField(field)) continue;
        m_rowDone = true;
        const bool blank = m_fields.size() == 1 && m_fields[0].empty() && !field.quoted;
        return blank ? Step::BlankLine : Step::Row;
    }
}

void TableReader::StartRow() {
    m_rowStart = m_field;
    m_scanned = m_field;
    m_rowLine = m_line;
    m_lastLine = m_line;
    m_plain = false;
    m_rowDone = false;
    m_fields.clear();
}

// The bytes before the row are read: only the row and what follows stay.
void TableReader::Compact() {
    m_buffer.erase(0, m_rowStart);
    m_field -= m_rowStart;
    m_scanned -= m_rowStart;
    m_rowStart = 0;
}

TableReader::FieldEnd TableReader::ScanField(bool complete) {
    const bool opensQuote = m_field < m_buffer.size() && m_buffer[m_field] == '"';
    if (opensQuote && !m_plain) return ScanQuoted(complete);
    return ScanPlain(complete);
}

TableReader::FieldEnd TableReader::ScanPlain(bool complete) {
    const std::size_t limit = m_rowStart + kMaxRowBytes;
    const std::size_t searched = std::min(m_buffer.size(), limit + 1);
    const char delimiter = m_layout.delimiter;
    const char counted = m_layout.counted;
    for (std::size_t i = m_scanned; i < searched; ++i) {
        if (m_buffer[i] == delimiter || m_buffer[i] == counted) return {Step::Row, i, false};
    }
    m_scanned = searched;
    if (m_buffer.size() > limit) return {Step::RowTooLong};
    if (!complete) return {Step::NeedMore};
    return {Step::Row, m_buffer.size(), false};
}

// The first quote after the opening one that is not doubled closes the
// field when a delimiter, a line end or the end of the input follows.
TableReader::FieldEnd TableReader::ScanQuoted(bool complete) {
    const std::size_t limit = m_rowStart + kMaxRowBytes;
    for (std::size_t from = std::max(m_scanned, m_field + 1);;) {
        const std::size_t quote = m_buffer.find('"', from);
        if (std::min(quote, m_buffer.size()) >= limit) return {Step::RowTooLong};
        m_scanned = std::min(quote, m_buffer.size());
        if (quote == kNone) return {complete ? Step::UnclosedQuote : Step::NeedMore};
        if (quote + 1 < m_buffer.size() && m_buffer[quote + 1] == '"') {
            from = quote + 2;
            continue;
        }
        const bool delimited =
            quote + 1 < m_buffer.size() && m_buffer[quote + 1] == m_layout.delimiter;
        const std::optional<bool> rowEnds = RowEndsAt(quote + 1, complete);
        if (!delimited && !rowEnds) return {Step::NeedMore};
        if (delimited || *rowEnds) return {Step::Row, quote, true};
        m_plain = true;
        m_scanned = m_field;
        return ScanPlain(complete);
    }
}

// Whether a row ends at `at`: the end of the input or a line end (in a file
// of LF or CR LF ends, a CR only when an LF follows). nullopt while the
// bytes to come decide.
std::optional<bool> TableReader::RowEndsAt(std::size_t at, bool complete) const {
    if (at == m_buffer.size()) {
        if (!complete) return std::nullopt;
        return true;
    }
    if (m_buffer[at] == m_layout.counted) return true;
    if (m_layout.counted != '\n' || m_buffer[at] != '\r') return false;
    if (at + 1 == m_buffer.size() && !complete) return std::nullopt;
    return at + 1 == m_buffer.size() || m_buffer[at + 1] == '\n';
}

// Keeps the field and moves past what ends it; true when that ends the row.
bool TableReader::TakeField(const FieldEnd& field) {
    std::string_view text(m_buffer.data() + m_field, field.end - m_field);
    std::size_t next = field.end;
    if (field.quoted) {
        text.remove_prefix(1);
        next += 1;
        m_line += static_cast<LineNumber>(std::count(text.begin(), text.end(), m_layout.counted));
        std::string& kept = m_fields.emplace_back();
        kept.reserve(text.size());
        for (std::size_t i = 0; i < text.size(); ++i) {
            kept += text[i];
            if (text[i] == '"') ++i;  // the second of a doubled quote
        }
    } else {
        const bool rowEnd = next == m_buffer.size() || m_buffer[next] != m_layout.delimiter;
        if (rowEnd && m_layout.counted == '\n' && text.ends_with('\r')) text.remove_suffix(1);
        m_fields.emplace_back(text);
    }
    m_plain = false;
    if (next < m_buffer.size() && m_buffer[next] == m_layout.delimiter) {
        m_field = m_scanned = next + 1;
        return false;
    }
    m_lastLine = m_line;
    const bool crLf =
        next + 1 < m_buffer.size() && m_buffer[next] == '\r' && m_buffer[next + 1] == '\n';
    if (crLf && m_layout.counted == '\n') ++next;
    if (next < m_buffer.size() && m_buffer[next] == m_layout.counted) ++m_line;
    m_field = std::min(next + 1, m_buffer.size());
    return true;
}

std::vector<std::string> FieldsOfLine(std::string_view line, const Layout& layout) {
    TableReader reader(layout);
    reader.Append(line);
    if (reader.Next(true) != TableReader::Step::Row) return {};
    return reader.Fields();
}

}  // namespace zembra::lists
