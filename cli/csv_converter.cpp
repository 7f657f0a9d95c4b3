// SPDX-License-Identifier: MIT
#include "cli/csv_converter.h"

#include <csv.h>

#include <algorithm>
#include <cstdlib>
#include <optional>

namespace zembra::cli {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::size_t kChunkBytes = std::size_t{1} << 16;
constexpr std::size_t kNone = std::string_view::npos;

// libcsv grows a field's buffer without bound; past the limit it reports
// CSV_ENOMEM, which ends the parse cleanly.
void* LimitedRealloc(void* block, std::size_t size) {
    return size > kMaxCsvFieldBytes ? nullptr : std::realloc(block, size);
}

std::string ErrorText(int error) {
    return error == CSV_ENOMEM ? "a field longer than 16 MiB" : csv_strerror(error);
}

bool EndsField(char c) { return c == ',' || c == '\n' || c == '\r'; }

bool IsBlank(std::string_view text) { return text.find_first_not_of(" \t") == kNone; }

// libcsv skips blanks, tabs and line ends before a row begins. The row is
// taken to start after the last line end among them, so that blank lines
// stay with the gap between rows and leading blanks with the first field.
std::size_t RowStart(std::string_view raw) {
    const std::size_t skipped = std::min(raw.find_first_not_of(" \t\r\n"), raw.size());
    const std::size_t lastBreak = raw.substr(0, skipped).find_last_of("\r\n");
    return lastBreak == kNone ? 0 : lastBreak + 1;
}

// One input, from its first byte to its last. libcsv reports a field only
// when it reads the comma or line end after it, and the input is handed to
// it in segments that end at each comma and line end; so every report comes
// at the last byte of a segment, and the raw bytes of each field are known.
class CsvRewriter {
public:
    CsvRewriter(const TalkGroupTable& table, const CsvOptions& options, OutputBuffer& out,
                Diagnostics& diagnostics, std::string_view source)
        : m_table(table),
          m_options(options),
          m_out(out),
          m_diagnostics(diagnostics),
          m_source(source) {
        csv_init(&m_parser, CSV_STRICT | CSV_STRICT_FINI);
        csv_set_realloc_func(&m_parser, LimitedRealloc);
        csv_set_blk_size(&m_parser, 4096);
    }
    ~CsvRewriter() { csv_free(&m_parser); }
    CsvRewriter(const CsvRewriter&) = delete;
    CsvRewriter& operator=(const CsvRewriter&) = delete;

    // False once nothing more of the input is wanted.
    bool Feed(std::string_view bytes);
    void Finish();

private:
    enum class State { Header, Rows, CopyingRest, Skipping };

    // Where a form's text goes: an existing column, or one added at the end
    // of the header.
    struct Target {
        IdForm form;
        std::size_t column;
        bool added;
    };

    static void FieldEnded(void* value, std::size_t size, void* self) {
        static_cast<CsvRewriter*>(self)->OnField({static_cast<const char*>(value), size});
    }
    static void RowEnded(int /*terminator*/, void* self) {
        static_cast<CsvRewriter*>(self)->OnRow();
    }

    bool TakeStart();
    bool Parse(std::string_view bytes);
    void ParseSegment(std::string_view segment);
    void OnField(std::string_view value);
    void OnRow();
    void StartHeader();
    void WriteRow();
    void WriteOverlongRowEnd();
    void Refuse(long line, std::string_view why);
    bool Wanted(std::size_t column) const;
    std::string_view RawField(std::size_t column) const;
    long LineAt(std::size_t offset);
    void EnsureRowStart();

    const TalkGroupTable& m_table;
    const CsvOptions& m_options;
    OutputBuffer& m_out;
    Diagnostics& m_diagnostics;
    std::string_view m_source;
    csv_parser m_parser{};
    State m_state = State::Header;
    bool m_atEnd = false;
    std::optional<std::string> m_start = std::string();
    std::string m_byteOrderMark;

    // The current row from the end of the previous one: the gap between the
    // two, the row's fields with their commas, its line end.
    std::string m_raw;
    std::size_t m_rowStart = kNone;
    std::vector<std::size_t> m_fieldEnds;
    std::vector<std::string> m_values;       // set only for the fields Wanted()
    std::vector<std::string_view> m_fields;  // of the row being written
    std::size_t m_fieldCount = 0;
    bool m_overlong = false;
    long m_rowLine = 0;

    // Line counting: m_line is the line of m_raw[m_counted].
    long m_line = 1;
    std::size_t m_counted = 0;
    bool m_afterCarriageReturn = false;

    std::size_t m_idColumn = 0;
    std::size_t m_width = 0;
    std::vector<Target> m_targets;
    bool m_anyAdded = false;
};

bool CsvRewriter::Feed(std::string_view bytes) {
    if (m_start) {
        // Held back until there is enough to tell whether a mark begins it.
        m_start->append(bytes);
        return m_start->size() < kByteOrderMark.size() || TakeStart();
    }
    return Parse(bytes);
}

bool CsvRewriter::TakeStart() {
    std::string start = std::move(*m_start);
    m_start.reset();
    if (start.starts_with(kByteOrderMark)) {
        m_byteOrderMark = kByteOrderMark;
        start.erase(0, kByteOrderMark.size());
    }
    return Parse(start);
}

bool CsvRewriter::Parse(std::string_view bytes) {
    while (!bytes.empty() && (m_state == State::Header || m_state == State::Rows)) {
        const auto cut = std::find_if(bytes.begin(), bytes.end(), EndsField);
        const auto length = static_cast<std::size_t>(cut - bytes.begin()) + (cut != bytes.end());
        ParseSegment(bytes.substr(0, length));
        bytes.remove_prefix(length);
    }
    if (m_state == State::CopyingRest) {
        m_out.Append(bytes);
    }
    return m_state != State::Skipping;
}

void CsvRewriter::ParseSegment(std::string_view segment) {
    if (m_overlong) {
        LineAt(m_raw.size());
        m_out.Append(m_raw);
        m_raw.clear();
        m_counted = 0;
    } else if (m_raw.size() + segment.size() > kMaxCsvRowBytes) {
        EnsureRowStart();
        if (m_state == State::Header) {
            m_diagnostics.Failed(std::string(m_source) +
                                 ": the header row is longer than 1 MiB; nothing converted");
            m_state = State::Skipping;
            return;
        }
        m_overlong = true;
        m_out.Append(m_raw);
        LineAt(m_raw.size());
        m_raw.clear();
        m_counted = 0;
    }
    m_raw.append(segment);
    const std::size_t parsed =
        csv_parse(&m_parser, segment.data(), segment.size(), FieldEnded, RowEnded, this);
    if (parsed != segment.size()) {
        const int error = csv_error(&m_parser);
        Refuse(LineAt(m_raw.size() - segment.size() + parsed),
               error == CSV_EPARSE ? "a quote out of place" : ErrorText(error));
    }
}

void CsvRewriter::Finish() {
    if (m_start && !TakeStart()) {
        return;
    }
    if (m_state != State::Header && m_state != State::Rows) {
        return;
    }
    m_atEnd = true;
    if (csv_fini(&m_parser, FieldEnded, RowEnded, this) != 0) {
        const int error = csv_error(&m_parser);
        EnsureRowStart();
        Refuse(m_rowLine,
               error == CSV_EPARSE ? "a quoted field that does not end" : ErrorText(error));
        return;
    }
    if (m_state == State::Skipping) {
        return;
    }
    // Blank lines or blanks after the last row, or an input without rows.
    if (m_state == State::Header) {
        m_out.Append(m_byteOrderMark);
    }
    m_out.Append(m_raw);
}

void CsvRewriter::EnsureRowStart() {
    if (m_rowStart == kNone) {
        m_rowStart = RowStart(m_raw);
        m_rowLine = LineAt(m_rowStart);
    }
}

long CsvRewriter::LineAt(std::size_t offset) {
    for (; m_counted < offset; ++m_counted) {
        const char c = m_raw[m_counted];
        if (c == '\n' && !m_afterCarriageReturn) {
            ++m_line;
        } else if (c == '\r') {
            ++m_line;
        }
        m_afterCarriageReturn = c == '\r';
    }
    return m_line;
}

bool CsvRewriter::Wanted(std::size_t column) const {
    if (m_state == State::Header) {
        return true;
    }
    return column == m_idColumn ||
           std::any_of(m_targets.begin(), m_targets.end(),
                       [column](const Target& t) { return !t.added && t.column == column; });
}

void CsvRewriter::OnField(std::string_view value) {
    if (!m_overlong) {
        EnsureRowStart();
        m_fieldEnds.push_back(m_atEnd ? m_raw.size() : m_raw.size() - 1);
        if (Wanted(m_fieldCount)) {
            if (m_values.size() <= m_fieldCount) {
                m_values.resize(m_fieldCount + 1);
            }
            m_values[m_fieldCount].assign(value);
        }
    }
    ++m_fieldCount;
}

void CsvRewriter::OnRow() {
    if (m_overlong) {
        WriteOverlongRowEnd();
    } else if (m_state == State::Header) {
        StartHeader();
    } else {
        WriteRow();
    }
    LineAt(m_raw.size());
    m_raw.clear();
    m_counted = 0;
    m_rowStart = kNone;
    m_fieldEnds.clear();
    m_fieldCount = 0;
    m_overlong = false;
}

std::string_view CsvRewriter::RawField(std::size_t column) const {
    const std::size_t begin = column == 0 ? m_rowStart : m_fieldEnds[column - 1] + 1;
    return std::string_view(m_raw).substr(begin, m_fieldEnds[column] - begin);
}

void CsvRewriter::StartHeader() {
    m_width = m_fieldCount;
    const auto named = [this](std::string_view name) -> std::size_t {
        for (std::size_t i = 0; i < m_width; ++i) {
            if (m_values[i] == name) {
                return i;
            }
        }
        return kNone;
    };
    const std::string& column = m_options.column;
    m_idColumn = named(column);
    if (m_idColumn == kNone && !column.empty() && column.size() < 10 &&
        column.find_first_not_of("0123456789") == kNone) {
        const std::size_t number = std::stoul(column);
        m_idColumn = number >= 1 && number <= m_width ? number - 1 : kNone;
    }
    if (m_idColumn == kNone) {
        m_diagnostics.Failed(std::string(m_source) + ": no column '" + Printable(column) +
                             "' in the header; nothing converted");
        m_state = State::Skipping;
        return;
    }
    std::size_t nextAdded = m_width;
    for (const IdForm form : m_options.forms) {
        const std::size_t existing = named(CsvColumnName(form));
        m_targets.push_back(existing == kNone ? Target{form, nextAdded++, true}
                                              : Target{form, existing, false});
    }
    m_anyAdded = nextAdded > m_width;

    m_out.Append(m_byteOrderMark);
    m_out.Append(std::string_view(m_raw).substr(0, m_fieldEnds.back()));
    for (const Target& target : m_targets) {
        if (target.added) {
            m_out.Append(',');
            m_out.Append(CsvColumnName(target.form));
        }
    }
    m_out.Append(std::string_view(m_raw).substr(m_fieldEnds.back()));
    m_out.EndLine();
    m_state = State::Rows;
}

void CsvRewriter::WriteRow() {
    std::optional<int> id;
    if (m_idColumn < m_fieldCount) {
        const std::string& text = m_values[m_idColumn];
        id = m_table.Parse(text);
        if (!id) {
            m_diagnostics.NotAnId(m_source, m_rowLine, text);
        }
    } else {
        m_diagnostics.RefusedRow(
            m_source, m_rowLine,
            "the row ends before field " + std::to_string(m_idColumn + 1) + ", the talk-group ID");
    }

    // Short rows are padded only as far as a new text needs, so that every
    // text stands under its own header.
    std::size_t length = m_anyAdded ? std::max(m_fieldCount, m_width) : m_fieldCount;
    const auto fills = [&](const Target& t) {
        return id && !t.added && (t.column >= m_fieldCount || IsBlank(m_values[t.column]));
    };
    for (const Target& target : m_targets) {
        if (fills(target)) {
            length = std::max(length, target.column + 1);
        }
    }
    std::vector<std::string_view>& fields = m_fields;
    fields.clear();
    const auto addNew = [&] {
        for (const Target& target : m_targets) {
            if (target.added) {
                fields.push_back(id ? std::string_view(m_table.Text(*id, target.form)) : "");
            }
        }
    };
    for (std::size_t column = 0; column < length; ++column) {
        if (column == m_width && m_anyAdded) {
            addNew();
        }
        const auto target = std::find_if(m_targets.begin(), m_targets.end(), [&](const Target& t) {
            return !t.added && t.column == column;
        });
        if (target != m_targets.end() && fills(*target)) {
            fields.push_back(m_table.Text(*id, target->form));
        } else {
            fields.push_back(column < m_fieldCount ? RawField(column) : "");
        }
    }
    if (length == m_width && m_anyAdded) {
        addNew();
    }

    m_out.Append(std::string_view(m_raw).substr(0, m_rowStart));
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) {
            m_out.Append(',');
        }
        m_out.Append(fields[i]);
    }
    m_out.Append(std::string_view(m_raw).substr(m_fieldEnds.back()));
    m_out.EndLine();
}

// The start of the row is already written as it came; it gets its empty
// texts at its end.
void CsvRewriter::WriteOverlongRowEnd() {
    m_diagnostics.RefusedRow(m_source, m_rowLine, "the row is longer than 1 MiB; not converted");
    const bool ended = !m_atEnd;
    m_out.Append(std::string_view(m_raw).substr(0, m_raw.size() - (ended ? 1 : 0)));
    if (m_anyAdded) {
        m_out.Append(std::string(m_width > m_fieldCount ? m_width - m_fieldCount : 0, ','));
        for (const Target& target : m_targets) {
            m_out.Append(target.added ? "," : "");
        }
    }
    if (ended) {
        m_out.Append(m_raw.back());
    }
    m_out.EndLine();
}

void CsvRewriter::Refuse(long line, std::string_view why) {
    m_diagnostics.Failed(std::string(m_source) + ":" + std::to_string(line) + ": not valid CSV (" +
                         std::string(why) + "); the rest is copied unchanged");
    if (m_state == State::Header) {
        m_out.Append(m_byteOrderMark);
    }
    m_out.Append(m_raw);
    m_raw.clear();
    m_state = State::CopyingRest;
}

}  // namespace

std::string_view CsvColumnName(IdForm form) {
    switch (form) {
        case IdForm::Decimal:
            return "Decimal";
        case IdForm::Afs:
            return "AFS";
        case IdForm::Hex:
            break;
    }
    return "Hex";
}

void CsvConverter::Convert(ByteSource& in, std::string_view source) {
    CsvRewriter rewriter(m_table, m_options, m_out, m_diagnostics, source);
    std::vector<char> buffer(kChunkBytes);
    for (;;) {
        const std::size_t count = in.Read(buffer.data(), buffer.size());
        if (count == 0 || !rewriter.Feed({buffer.data(), count})) {
            break;
        }
    }
    rewriter.Finish();
}

}  // namespace zembra::cli
