// SPDX-License-Identifier: MIT
// Reading a table's rows of fields from bytes that arrive in blocks cut
// anywhere. A field is quoted only when it starts with a quote and the first
// closing quote after it (a doubled quote stands for one) is followed at
// once by a delimiter, a line end or the end of the input; any other field
// is plain text up to the next delimiter or line end, quotes included, as a
// person reading the table sees it ("Fire" Dept, Tac "2"). libcsv keeps a
// field quoted after a stray quote and cannot look ahead, which swallowed
// the rows after it; hence this reader.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lists/input_start.h"

namespace zembra::lists {

class TableReader {
public:
    explicit TableReader(const Layout& layout) : m_layout(layout) {}

    // The next bytes of the input.
    void Append(std::string_view bytes) { m_buffer.append(bytes); }

    enum class Step {
        Row,            // Fields() and Lines() hold the row
        BlankLine,      // a line with nothing on it: Lines()
        NeedMore,       // the row goes on in bytes not yet appended
        UnclosedQuote,  // a quoted field runs to the end of the input: Line()
        RowTooLong,     // a row over kMaxRowBytes: Lines().first
        End,            // the input is read to its end
    };
    // Reads the next row; `complete` when no more bytes will be appended.
    Step Next(bool complete);

    const std::vector<std::string>& Fields() const { return m_fields; }
    struct LineSpan {
        LineNumber first = 0;
        LineNumber last = 0;
    };
    // The lines of the row read, or of the row that is too long.
    LineSpan Lines() const { return {m_rowLine, m_lastLine}; }
    // The line being read, where a quote that does not close opens.
    LineNumber Line() const { return m_line; }

private:
    struct FieldEnd {
        Step step = Step::Row;
        std::size_t end = 0;  // where the field's text ends
        bool quoted = false;
    };
    FieldEnd ScanField(bool complete);
    FieldEnd ScanQuoted(bool complete);
    FieldEnd ScanPlain(bool complete);
    std::optional<bool> RowEndsAt(std::size_t at, bool complete) const;
    bool TakeField(const FieldEnd& field);
    void StartRow();
    void Compact();

    Layout m_layout;
    std::string m_buffer;        // the bytes not yet read, from m_rowStart on
    std::size_t m_rowStart = 0;  // where the row being read starts
    std::size_t m_field = 0;     // where the field being read starts
    std::size_t m_scanned = 0;   // how far that field has been searched
    bool m_plain = false;        // the field starts with a quote but is plain text
    bool m_rowDone = true;
    std::vector<std::string> m_fields;
    LineNumber m_line = 1;  // the line of m_field
    LineNumber m_rowLine = 1;
    LineNumber m_lastLine = 1;
};

// The fields of one line, as a table's row.
std::vector<std::string> FieldsOfLine(std::string_view line, const Layout& layout);

}  // namespace zembra::lists
