// SPDX-License-Identifier: MIT
#include "lists/convert.h"

#include <csv.h>

#include <algorithm>
#include <cstdlib>
#include <istream>
#include <ostream>
#include <sstream>

namespace zembra::lists {

namespace {

constexpr std::size_t kNone = std::string_view::npos;
constexpr std::size_t kBlockBytes = std::size_t{1} << 16;
// Longer lines, fields and rows are refused without being held whole.
constexpr std::size_t kMaxLineBytes = 4096;
constexpr std::size_t kMaxRowBytes = std::size_t{1} << 20;
constexpr std::size_t kMaxNameBytes = 49;  // the decoders cut names there
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::array<const char*, 3> kFormTitles = {"Decimal", "AFS", "Hex"};  // by IdForm

// libcsv grows a field without bound; past the limit it stops with CSV_ENOMEM.
void* LimitedRealloc(void* block, std::size_t size) {
    return size > kMaxRowBytes ? nullptr : std::realloc(block, size);
}

// libcsv would strip blanks around unquoted fields; every byte is kept.
int NoBlanks(unsigned char) { return 0; }

bool IsBlank(std::string_view text) { return text.find_first_not_of(" \t") == kNone; }

// Header names compare without case and without blanks around them.
std::string Folded(std::string_view text) {
    std::string folded;
    for (const char c : text.substr(std::min(text.find_first_not_of(" \t"), text.size()))) {
        folded += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return folded.substr(0, folded.find_last_not_of(" \t") + 1);
}

std::size_t Find(const std::vector<std::string>& header,
                 std::initializer_list<std::string_view> names) {
    for (const std::string_view name : names) {
        for (std::size_t i = 0; i < header.size(); ++i) {
            if (Folded(header[i]) == Folded(name)) {
                return i;
            }
        }
    }
    return kNone;
}

std::string_view Field(const std::vector<std::string>& row, std::size_t column) {
    return column < row.size() ? std::string_view(row[column]) : std::string_view();
}

}  // namespace

struct Converter::Input {
    explicit Input(const std::string& inputName) : name(inputName) {}
    const std::string& name;
    std::string lineEnd;  // "\n", "\r\n" or "\r", from the first line end
    char counted = '\n';  // the character whose count numbers the lines
    char delimiter = ',';
    bool byteOrderMark = false;
    bool stopped = false;  // nothing more of the input is read
    long line = 0;         // line ends read so far
    std::string pending;   // a line cut by the end of a block
    csv_parser parser{};
    std::vector<std::string> row;
    std::size_t rowBytes = 0;
    bool headerRead = false;
};

Converter::Converter(Options options, std::ostream& out, std::ostream& messages)
    : m_options(std::move(options)), m_groups(m_options.split), m_out(out), m_messages(messages) {}

void Converter::Note(const std::string& message) { m_messages << message << '\n'; }

void Converter::Refuse(const std::string& message) {
    Note(message);
    m_status = std::max(m_status, kRefused);
}

void Converter::Fail(const std::string& message) {
    Note(message);
    m_status = kFailed;
}

void Converter::Convert(std::istream& in, const std::string& name) {
    Input input{name};
    m_input = &input;
    const bool table = m_options.format != Format::Lines;
    if (table) {
        csv_init(&input.parser, CSV_STRICT | CSV_STRICT_FINI | CSV_REPALL_NL);
        csv_set_space_func(&input.parser, NoBlanks);
        csv_set_realloc_func(&input.parser, LimitedRealloc);
        csv_set_blk_size(&input.parser, 4096);
    }
    std::vector<char> block(kBlockBytes);
    while (!input.stopped) {
        in.read(block.data(), static_cast<std::streamsize>(block.size()));
        std::string_view bytes(block.data(), static_cast<std::size_t>(in.gcount()));
        if (bytes.empty()) {
            break;
        }
        if (input.lineEnd.empty()) {
            input.byteOrderMark = bytes.starts_with(kByteOrderMark);
            bytes.remove_prefix(input.byteOrderMark ? kByteOrderMark.size() : 0);
            const std::size_t end = bytes.find_first_of("\r\n");
            const bool carriageReturn = end != kNone && bytes[end] == '\r';
            const int next = end + 1 < bytes.size() ? bytes[end + 1] : in.peek();
            input.lineEnd = !carriageReturn ? "\n" : next == '\n' ? "\r\n" : "\r";
            input.counted = input.lineEnd.back();
            // Pasted web tables are tab-separated, downloads comma-separated.
            const std::string_view first = bytes.substr(0, end);
            input.delimiter = std::count(first.begin(), first.end(), '\t') >
                                      std::count(first.begin(), first.end(), ',')
                                  ? '\t'
                                  : ',';
            csv_set_delim(&input.parser, static_cast<unsigned char>(input.delimiter));
        }
        table ? ConvertTable(bytes, input) : ConvertLines(bytes, input);
    }
    if (in.bad()) {
        Fail(name + ": read error");
    } else if (!table && !input.pending.empty()) {
        ConvertLine(input.pending, input);
    } else if (table && !input.stopped &&
               csv_fini(&input.parser, OnField, OnRowEnd, this) != CSV_SUCCESS) {
        Fail(name + ":" + std::to_string(input.line + 1) +
             ": not valid CSV (a quoted field does not end)");
    } else if (table && !input.headerRead && !input.stopped) {
        Fail(name + ": no header row; a table starts with the names of its columns");
    }
    if (table) {
        csv_free(&input.parser);
    }
    m_input = nullptr;
}

// A line cut by the end of a block waits in `pending`, no longer than the
// limit; every other line is read where it stands.
void Converter::ConvertLines(std::string_view bytes, Input& input) {
    const auto keep = [&input](std::string_view piece) {
        input.pending.append(piece.substr(0, kMaxLineBytes + 1 - input.pending.size()));
    };
    for (std::size_t end; (end = bytes.find(input.counted)) != kNone;
         bytes.remove_prefix(end + 1)) {
        if (input.pending.empty()) {
            ConvertLine(bytes.substr(0, end), input);
            continue;
        }
        keep(bytes.substr(0, end));
        ConvertLine(input.pending, input);
        input.pending.clear();
    }
    keep(bytes);
}

void Converter::ConvertLine(std::string_view line, Input& input) {
    ++input.line;
    if (input.counted == '\n' && line.ends_with('\r')) {
        line.remove_suffix(1);
    }
    const auto id = line.size() <= kMaxLineBytes ? m_groups.Read(line) : std::nullopt;
    if (!id) {
        Refuse(input.name + ":" + std::to_string(input.line) + ": " + m_groups.Refusal(line));
    }
    m_line.clear();
    for (std::size_t i = 0; i < m_options.forms.size(); ++i) {
        m_line += i > 0 ? "\t" : "";
        if (id) {
            m_groups.AppendText(m_line, *id, m_options.forms[i]);
        }
    }
    m_line += '\n';
    m_out.write(m_line.data(), static_cast<std::streamsize>(m_line.size()));
}

void Converter::ConvertTable(std::string_view bytes, Input& input) {
    const std::size_t parsed =
        csv_parse(&input.parser, bytes.data(), bytes.size(), OnField, OnRowEnd, this);
    if (parsed != bytes.size() && !input.stopped) {
        const bool tooLong = csv_error(&input.parser) == CSV_ENOMEM;
        Fail(input.name + ":" + std::to_string(input.line + 1) + ": not valid CSV (" +
             (tooLong ? "a field longer than 1 MiB" : "a quote out of place") +
             "); the rest of the input is skipped");
        input.stopped = true;
    }
}

void Converter::OnField(void* data, std::size_t size, void* self) {
    Input& input = *static_cast<Converter*>(self)->m_input;
    input.rowBytes += size + 1;
    if (input.rowBytes > kMaxRowBytes && !input.stopped) {
        static_cast<Converter*>(self)->Fail(input.name + ":" + std::to_string(input.line + 1) +
                                            ": a row longer than 1 MiB; the rest is skipped");
        input.stopped = true;
    }
    input.row.emplace_back(static_cast<const char*>(data), size);
}

// A row's line is where it starts: the line ends before it, blank lines
// included, which libcsv reports as rows without fields. Line breaks inside
// quoted fields count only when they are the input's own line end, as in
// editors and grep -n.
void Converter::OnRowEnd(int end, void* self) {
    auto& converter = *static_cast<Converter*>(self);
    Input& input = *converter.m_input;
    const long line = input.line + 1;
    for (const std::string& field : input.row) {
        input.line += std::count(field.begin(), field.end(), input.counted);
    }
    input.line += end == input.counted ? 1 : 0;
    if (!input.row.empty() && !input.stopped) {
        converter.OnRow(input.row, input, line);
    }
    input.row.clear();
    input.rowBytes = 0;
}

void Converter::OnRow(std::vector<std::string>& row, Input& input, long line) {
    if (!input.headerRead) {
        input.headerRead = true;
        input.stopped = !ReadHeader(row, input);
        return;
    }
    const std::string where = input.name + ":" + std::to_string(line);
    const bool table = m_options.format == Format::Table;
    const std::string leftOut = table ? "" : "; row left out";
    const std::size_t column = m_columns.id;
    std::optional<int> id;
    if (column >= row.size()) {
        Refuse(where + ": the row has no field " + std::to_string(column + 1) + leftOut);
    } else if (id = m_groups.Read(row[column], KindOf(column)); !id) {
        Refuse(where + ": " + m_groups.Refusal(row[column], KindOf(column)) + leftOut);
    } else {
        CrossCheck(row, *id, where);
    }
    if (id && !table) {
        std::string& seenAt = m_seenAt[static_cast<std::size_t>(*id)];
        if (!seenAt.empty()) {
            Refuse(where + ": talk group " + std::to_string(*id) + " is listed already, at " +
                   seenAt + leftOut);
            return;
        }
        seenAt = where;
    }
    if (id || table) {
        WriteRow(row, id, where);
    }
}

std::array<std::pair<IdForm, std::size_t>, 3> Converter::FormColumns() const {
    return {{{IdForm::Decimal, m_columns.decimal},
             {IdForm::Afs, m_columns.afs},
             {IdForm::Hex, m_columns.hex}}};
}

IdColumn Converter::KindOf(std::size_t column) const {
    return column == m_columns.hex ? IdColumn::Hex : IdColumn::Any;
}

bool Converter::ReadHeader(const std::vector<std::string>& header, Input& input) {
    if (!m_header.empty()) {
        if (header != m_header) {
            Fail(input.name + ": its header differs from the first input's; skipped");
        }
        return header == m_header;
    }
    const std::string& name = m_options.column;
    std::size_t id = name.empty()
                         ? Find(header, {"DEC", "Decimal", "TGID", "Talkgroup", "ID", "AFS", "Hex"})
                         : Find(header, {name});
    if (id == kNone && !name.empty() && name.size() < 6 &&
        std::all_of(name.begin(), name.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        id = std::stoul(name) >= 1 && std::stoul(name) <= header.size() ? std::stoul(name) - 1
                                                                        : kNone;
    }
    if (id == kNone) {
        Fail(input.name + ": " +
             (name.empty() ? "no column named DEC, Decimal, TGID, Talkgroup, ID, AFS or Hex; "
                             "name it with --column"
                           : "no column '" + Printable(name) + "'"));
        return false;
    }
    Note(input.name + ": talk-group IDs read from column " + std::to_string(id + 1) + ", '" +
         Printable(header[id]) + "'");
    m_header = header;
    m_columns = {id,
                 Find(header, {"DEC", "Decimal"}),
                 Find(header, {"AFS"}),
                 Find(header, {"Hex"}),
                 Find(header, {"Mode"}),
                 Find(header, {"Alpha Tag"}),
                 Find(header, {"Description"}),
                 Find(header, {"Tag"}),
                 Find(header, {"Category"})};
    switch (m_options.format) {
        case Format::Table: {
            m_delimiter = input.delimiter;
            m_lineEnd = input.lineEnd;
            std::vector<std::string> names = header;
            for (const auto& [form, column] : FormColumns()) {
                if (column == kNone) {
                    m_added.push_back(form);
                    names.emplace_back(kFormTitles[static_cast<std::size_t>(form)]);
                }
            }
            m_out << (input.byteOrderMark ? kByteOrderMark : "");
            WriteLine(names, m_delimiter, m_lineEnd);
            break;
        }
        case Format::Dsd:
            m_out << "DEC,Mode,Name,Tag\n";
            break;
        case Format::RadioReference:
            m_out << "Decimal,Hex,Alpha Tag,Mode,Description,Tag,Category\n";
            break;
        case Format::Lines:
            break;
    }
    return true;
}

void Converter::CrossCheck(const std::vector<std::string>& row, int id, const std::string& where) {
    for (const auto& [form, other] : FormColumns()) {
        if (other == m_columns.id || IsBlank(Field(row, other))) {
            continue;
        }
        const std::string otherName = Printable(m_header[other]);
        const auto otherId = m_groups.Read(row[other], KindOf(other));
        if (!otherId) {
            Refuse(where + ": " + otherName + " " + m_groups.Refusal(row[other], KindOf(other)));
        } else if (*otherId != id) {
            Refuse(where + ": " + Printable(m_header[m_columns.id]) + " '" +
                   Printable(row[m_columns.id]) + "' and " + otherName + " '" +
                   Printable(row[other]) + "' name different talk groups (" + std::to_string(id) +
                   ", " + std::to_string(*otherId) + ")");
        }
    }
}

void Converter::WriteRow(std::vector<std::string>& row, std::optional<int> id,
                         const std::string& where) {
    const auto text = [&](IdForm form) { return id ? m_groups.Text(*id, form) : std::string(); };
    const auto first = [&](std::initializer_list<std::size_t> columns, std::string fallback) {
        for (const std::size_t column : columns) {
            if (!IsBlank(Field(row, column))) {
                return std::string(Field(row, column));
            }
        }
        return fallback;
    };
    switch (m_options.format) {
        case Format::Table:
            row.resize(std::max(row.size(), m_header.size()));
            for (const auto& [form, column] : FormColumns()) {
                if (id && column != kNone && IsBlank(row[column])) {
                    row[column] = text(form);
                }
            }
            for (std::size_t i = 0; i < m_added.size(); ++i) {
                row.insert(row.begin() + static_cast<std::ptrdiff_t>(m_header.size() + i),
                           text(m_added[i]));
            }
            WriteLine(row, m_delimiter, m_lineEnd);
            break;
        case Format::Dsd: {
            const std::string_view mode = Field(row, m_columns.mode);
            const bool encrypted = mode.find_last_not_of(" \t") != kNone &&
                                   (mode[mode.find_last_not_of(" \t")] | 0x20) == 'e';
            WriteCleaned({text(IdForm::Decimal), encrypted ? "DE" : "A",
                          first({m_columns.alphaTag, m_columns.description}, text(IdForm::Afs)),
                          first({m_columns.tag, m_columns.category}, "EDACS")},
                         {"DEC", "Mode", "Name", "Tag"}, where);
            break;
        }
        case Format::RadioReference: {
            std::string hex = text(IdForm::Hex);
            std::transform(hex.begin(), hex.end(), hex.begin(),
                           [](char c) { return static_cast<char>(c | 0x20); });
            WriteCleaned({text(IdForm::Decimal), std::string(3 - hex.size(), '0') + hex,
                          first({m_columns.alphaTag}, ""), first({m_columns.mode}, ""),
                          first({m_columns.description}, ""), first({m_columns.tag}, ""),
                          first({m_columns.category}, "")},
                         {"Decimal", "Hex", "Alpha Tag", "Mode", "Description", "Tag", "Category"},
                         where);
            break;
        }
        case Format::Lines:
            break;
    }
}

// The decoders split on every comma and know no quoting, and the web
// scanner front end splits on commas and quotes: neither may appear in a
// field, and a line break would end the row.
void Converter::WriteCleaned(std::vector<std::string> fields, const std::vector<std::string>& names,
                             const std::string& where) {
    std::string changes;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        std::string cleaned = fields[i];
        std::replace(cleaned.begin(), cleaned.end(), ',', ';');
        std::replace(cleaned.begin(), cleaned.end(), '"', '\'');
        std::replace(cleaned.begin(), cleaned.end(), '\r', ' ');
        std::replace(cleaned.begin(), cleaned.end(), '\n', ' ');
        if (cleaned != fields[i]) {
            changes += (changes.empty() ? "" : ", ") + names[i] + " '" + Printable(fields[i]) +
                       "' written as '" + Printable(cleaned) + "'";
            fields[i] = cleaned;
        }
    }
    if (!changes.empty()) {
        Note(where + ": " + changes);
    }
    if (m_options.format == Format::Dsd && fields[2].size() > kMaxNameBytes) {
        // Cut before a UTF-8 continuation byte never splits a character.
        std::size_t cut = kMaxNameBytes;
        while (cut > 0 && (static_cast<unsigned char>(fields[2][cut]) & 0xC0u) == 0x80u) {
            --cut;
        }
        fields[2].resize(cut);
    }
    WriteLine(fields, ',', "\n");
}

// Fields are quoted only when they must be (RFC 4180).
void Converter::WriteLine(const std::vector<std::string>& fields, char delimiter,
                          std::string_view lineEnd) {
    const char special[] = {delimiter, '"', '\r', '\n', '\0'};
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        line += i > 0 ? std::string(1, delimiter) : "";
        if (fields[i].find_first_of(special) == kNone) {
            line += fields[i];
            continue;
        }
        std::string quoted(2 * fields[i].size() + 2, '\0');
        quoted.resize(csv_write(quoted.data(), quoted.size(), fields[i].data(), fields[i].size()));
        line += quoted;
    }
    line += lineEnd;
    m_out.write(line.data(), static_cast<std::streamsize>(line.size()));
}

Result ConvertText(const Options& options, std::string_view text, const std::string& name) {
    std::istringstream in{std::string(text)};
    std::ostringstream out;
    std::ostringstream messages;
    Converter converter(options, out, messages);
    converter.Convert(in, name);
    Result result{out.str(), {}, converter.Status()};
    std::istringstream lines(messages.str());
    for (std::string line; std::getline(lines, line);) {
        result.messages.push_back(line);
    }
    return result;
}

}  // namespace zembra::lists
