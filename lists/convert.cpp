// SPDX-License-Identifier: MIT
#include "lists/convert.h"

#include <csv.h>

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <istream>
#include <ostream>
#include <sstream>

#include "core/text_rules.h"

namespace zembra::lists {

namespace {

constexpr std::size_t kNone = std::string_view::npos;
constexpr int kIdCount = 2048;
// Longer lines and rows are refused without being held whole.
constexpr std::size_t kMaxLineBytes = 4096;
constexpr std::size_t kMaxRowBytes = std::size_t{1} << 20;
constexpr std::size_t kMaxNameBytes = 49;  // the decoders cut names there
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::array<const char*, 3> kFormTitles = {"Decimal", "AFS", "Hex"};  // by IdForm
const std::vector<std::string> kDsdHeader = {"DEC", "Mode", "Name", "Tag"};
const std::vector<std::string> kRadioReferenceHeader = {"Decimal",     "Hex", "Alpha Tag", "Mode",
                                                        "Description", "Tag", "Category"};

// Numbers are read only up to this, so that no run of digits overflows;
// below it lie the 16-bit IDs of Extended Addressing systems.
constexpr int kExtendedCount = 65536;

int Digit(char c, int base) { return DigitValue(static_cast<unsigned char>(c), base); }

std::optional<int> ReadNumber(std::string_view digits, int base) {
    int value = 0;
    for (const char c : digits) {
        if (Digit(c, base) < 0) return std::nullopt;
        value = std::min(value * base + Digit(c, base), kExtendedCount);
    }
    return digits.empty() ? std::nullopt : std::optional(value);
}

std::optional<int> ReadAnyNumber(std::string_view text, bool hexColumn) {
    const bool prefixed = text.size() > 2 && text[0] == '0' && (text[1] | 0x20) == 'x';
    return prefixed || hexColumn ? ReadNumber(text.substr(prefixed ? 2 : 0), 16)
                                 : ReadNumber(text, 10);
}

void AppendPadded(std::string& out, int value, std::size_t width, int base = 10) {
    char digits[8];
    const auto size = static_cast<std::size_t>(
        std::to_chars(digits, digits + sizeof digits, value, base).ptr - digits);
    out.append(width > size ? width - size : 0, '0').append(digits, size);
}

std::string_view TrimBlanks(std::string_view text) {
    text.remove_prefix(std::min(text.find_first_not_of(" \t"), text.size()));
    return text.substr(0, text.find_last_not_of(" \t") + 1);
}

bool IsBlank(std::string_view text) { return TrimBlanks(text).empty(); }

// The code point of the UTF-8 sequence at the start of a text and its length;
// length 0 when it is not well formed.
std::pair<char32_t, std::size_t> DecodeUtf8(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text[0]);
    const std::size_t length = lead < 0x80   ? 1
                               : lead < 0xC2 ? 0
                               : lead < 0xE0 ? 2
                               : lead < 0xF0 ? 3
                               : lead < 0xF5 ? 4
                                             : 0;
    char32_t code = length == 1 ? lead : lead & (0x7Fu >> length);
    for (std::size_t i = 1; i < length; ++i) {
        if (i >= text.size() || (static_cast<unsigned char>(text[i]) & 0xC0u) != 0x80u) {
            return {0, 0};
        }
        code = (code << 6) | (static_cast<unsigned char>(text[i]) & 0x3Fu);
    }
    constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
    const bool valid =
        code >= kLeast[length] && code <= 0x10FFFF && !(code >= 0xD800 && code <= 0xDFFF);
    return {code, valid ? length : 0};
}

// C0 and C1 controls, DEL, the line and paragraph separators and the
// bidirectional marks, embeddings, overrides and isolates: each can hide or
// reorder what a terminal shows.
bool IsShown(char32_t c) {
    return c >= 0x20 && !(c >= 0x7F && c <= 0x9F) && c != 0x061C && c != 0x200E && c != 0x200F &&
           !(c >= 0x2028 && c <= 0x202E) && !(c >= 0x2066 && c <= 0x2069);
}

// A text as a message quotes it: UTF-8 kept; controls, bidirectional
// controls and invalid bytes as \\xHH; cut after 40 characters with "...".
std::string Printable(std::string_view text) {
    std::string out;
    for (std::size_t characters = 0; !text.empty(); ++characters) {
        if (characters == 40) return out + "...";
        const auto [code, length] = DecodeUtf8(text);
        const bool shown = length > 0 && IsShown(code);
        if (shown) {
            out.append(text.substr(0, length));
        } else {
            out += "\\x";
            AppendPadded(out, static_cast<unsigned char>(text[0]), 2, 16);
        }
        text.remove_prefix(shown ? length : 1);
    }
    return out;
}

std::size_t Width(int bits) { return bits <= 3 ? 1 : bits <= 6 ? 2 : 3; }

// What stands before each group: 4:4:3 is written AA-FFS, other splits in the
// decoders' colon form A:FF:SS.
std::string_view Separator(const Split& split, std::size_t group) {
    return group == 0 ? "" : split == Split{} ? (group == 1 ? "-" : "") : ":";
}

using Groups = std::array<int, 3>;

// Reads `count` groups, and the separators before them, off the front.
std::optional<Groups> ReadGroups(std::string_view& text, const Split& split, std::size_t count) {
    Groups groups{};
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t width = Width(split.bits[i]);
        if (!text.starts_with(Separator(split, i))) return std::nullopt;
        text.remove_prefix(Separator(split, i).size());
        const auto value = ReadNumber(text.substr(0, width), 10);
        if (!value || text.size() < width) return std::nullopt;
        groups[i] = *value;
        text.remove_prefix(width);
    }
    return groups;
}

int Compose(const Groups& groups, const Split& split) {
    const auto [a, f, s] = split.bits;
    return groups[0] << (f + s) | groups[1] << s | groups[2];
}

// The ID a text names, blanks and tabs around it ignored: decimal, AFS, or
// hexadecimal after 0x or 0X (in a hex column also without the prefix).
std::optional<int> ReadId(std::string_view text, const Split& split, bool hexColumn) {
    text = TrimBlanks(text);
    if (const auto number = ReadAnyNumber(text, hexColumn)) {
        return *number < kIdCount ? number : std::nullopt;
    }
    const auto groups = hexColumn ? std::nullopt : ReadGroups(text, split, 3);
    for (std::size_t i = 0; groups && i < 3; ++i) {
        if ((*groups)[i] >= 1 << split.bits[i]) return std::nullopt;
    }
    return groups && text.empty() ? std::optional(Compose(*groups, split)) : std::nullopt;
}

// Why ReadId refuses a text. Partial IDs end in the first separator, as the
// scanners write wildcards: "09-" is an agency, "09-10-" a fleet.
std::string Refusal(std::string_view text, const Split& split, bool hexColumn) {
    const std::string quoted = "'" + Printable(text) + "'";
    text = TrimBlanks(text);
    if (const auto number = ReadAnyNumber(text, hexColumn); number && *number < kExtendedCount) {
        return quoted + " is above 2047: an Extended Addressing ID has no AFS form";
    }
    for (std::size_t count = 3; count >= 1 && !hexColumn; --count) {
        std::string_view rest = text;
        const auto groups = ReadGroups(rest, split, count);
        if (!groups || rest != (count < 3 ? Separator(split, 1) : "")) continue;
        for (std::size_t i = 0; i < count; ++i) {
            if ((*groups)[i] >= 1 << split.bits[i]) {
                return quoted +
                       " is not a talk-group ID: " + std::array{"agency", "fleet", "subfleet"}[i] +
                       " " + std::to_string((*groups)[i]) + " is beyond " +
                       std::to_string((1 << split.bits[i]) - 1);
            }
        }
        const int low = Compose(*groups, split);
        const int size = 1 << (split.bits[2] + (count == 1 ? split.bits[1] : 0));
        return quoted + " is a partial AFS ID (talk groups " + std::to_string(low) + "-" +
               std::to_string(low + size - 1) + ")";
    }
    std::string pattern;
    for (std::size_t i = 0; i < 3; ++i) {
        pattern.append(Separator(split, i)).append(Width(split.bits[i]), "AFS"[i]);
    }
    return quoted + " is not a talk-group ID (" +
           (hexColumn ? "hexadecimal 0-7ff" : "0-2047, " + pattern + " or 0x0-0x7FF") + ")";
}

// Hexadecimal in upper case, as the window writes it.
void AppendText(std::string& out, int id, IdForm form, const Split& split) {
    const std::size_t start = out.size();
    if (form != IdForm::Afs) {
        AppendPadded(out, id, 1, form == IdForm::Hex ? 16 : 10);
        std::transform(out.begin() + static_cast<std::ptrdiff_t>(start), out.end(),
                       out.begin() + static_cast<std::ptrdiff_t>(start),
                       [](char c) { return c >= 'a' ? static_cast<char>(c - 'a' + 'A') : c; });
        return;
    }
    for (std::size_t i = 0, shift = 11; i < 3; ++i) {
        shift -= static_cast<std::size_t>(split.bits[i]);
        out += Separator(split, i);
        AppendPadded(out, (id >> shift) & ((1 << split.bits[i]) - 1), Width(split.bits[i]));
    }
}

// libcsv grows a field without bound; past the limit it stops with CSV_ENOMEM.
void* LimitedRealloc(void* block, std::size_t size) {
    return size > kMaxRowBytes ? nullptr : std::realloc(block, size);
}

// libcsv would strip blanks around unquoted fields; every byte is kept.
int NoBlanks(unsigned char) { return 0; }

// Header names match without regard to case or blanks around them.
std::size_t Find(const std::vector<std::string>& header,
                 std::initializer_list<std::string_view> names) {
    const auto folded = [](std::string_view text) {
        std::string lower(TrimBlanks(text));
        for (char& c : lower) {
            c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
        }
        return lower;
    };
    for (const std::string_view name : names) {
        for (std::size_t i = 0; i < header.size(); ++i) {
            if (folded(header[i]) == folded(name)) return i;
        }
    }
    return kNone;
}

std::string_view Field(const std::vector<std::string>& row, std::size_t column) {
    return column < row.size() ? std::string_view(row[column]) : std::string_view();
}

// One input being read: its line ends, how far it has come, the row that
// libcsv is filling.
struct Input {
    explicit Input(const std::string& inputName) : name(inputName) {}
    const std::string& name;
    std::string lineEnd;  // "\n", "\r\n" or "\r", as the first line ends; empty before
    char counted = '\n';  // the character whose count numbers the lines
    char delimiter = ',';
    bool byteOrderMark = false;
    bool headerRead = false;
    bool stopped = false;  // the rest of the input is skipped
    long line = 0;         // line ends read so far
    std::string pending;   // in line mode a line cut by the end of a block
    csv_parser parser{};
    std::vector<std::string> row;
    std::size_t rowBytes = 0;

    std::string At(long number) const { return name + ":" + std::to_string(number); }
};

}  // namespace

std::optional<Split> ParseSplit(std::string_view text) {
    const bool colons = text.size() == 5 && text[1] == ':' && text[3] == ':';
    Split split;
    for (std::size_t i = 0; i < 3; ++i) {
        split.bits[i] = colons || text.size() == 3 ? Digit(text[colons ? 2 * i : i], 10) : -1;
    }
    const auto [a, f, s] = split.bits;
    return a > 0 && f > 0 && s > 0 && a + f + s == 11 ? std::optional(split) : std::nullopt;
}

struct Converter::State {
    State(Options from, std::ostream& output, std::ostream& messageStream)
        : options(std::move(from)), out(output), messages(messageStream) {}

    Options options;
    std::ostream& out;
    std::ostream& messages;
    int status = kConverted;
    Input* input = nullptr;
    std::string building;  // the output line
    // The table, as the first input's header sets it up; kNone for a column
    // it lacks.
    std::vector<std::string> header;
    struct {
        std::size_t id, decimal, afs, hex, mode, alphaTag, description, tag, category;
    } columns{};
    std::vector<IdForm> added;
    char delimiter = ',';
    std::string lineEnd = "\n";
    std::array<std::string, kIdCount> seenAt;  // where each ID was written first

    void Report(const std::string& message, int atLeast = kConverted) {
        messages << message + "\n";
        status = std::max(status, atLeast);
    }

    void Stop(const std::string& why) {
        Report(input->At(input->line + 1) + ": " + why + "; the rest of the input is skipped",
               kFailed);
        input->stopped = true;
    }

    void Convert(std::istream& in, const std::string& name) {
        Input current(name);
        input = &current;
        const bool table = options.format != Format::Lines;
        csv_init(&current.parser, CSV_STRICT | CSV_STRICT_FINI | CSV_REPALL_NL);
        csv_set_space_func(&current.parser, NoBlanks);
        csv_set_realloc_func(&current.parser, LimitedRealloc);
        std::vector<char> block(std::size_t{1} << 16);
        while (!current.stopped &&
               in.read(block.data(), static_cast<std::streamsize>(block.size())).gcount() > 0) {
            std::string_view bytes(block.data(), static_cast<std::size_t>(in.gcount()));
            if (current.lineEnd.empty()) Begin(bytes, in);
            table ? ParseTable(bytes) : ConvertLines(bytes);
        }
        if (in.bad()) {
            Report(name + ": read error", kFailed);
        } else if (!table && !current.pending.empty()) {
            ConvertLine(current.pending);
        } else if (table && !current.stopped &&
                   csv_fini(&current.parser, OnField, OnRowEnd, this) != CSV_SUCCESS) {
            Stop("not valid CSV (a quoted field does not end)");
        } else if (table && !current.headerRead && !current.stopped) {
            Report(name + ": no header row; a table starts with the names of its columns", kFailed);
        }
        csv_free(&current.parser);
        input = nullptr;
    }

    // The first block sets the byte order mark, the line end and, for
    // tables, the delimiter: pasted web tables are tab-separated.
    void Begin(std::string_view& bytes, std::istream& in) {
        input->byteOrderMark = bytes.starts_with(kByteOrderMark);
        bytes.remove_prefix(input->byteOrderMark ? kByteOrderMark.size() : 0);
        const std::size_t end = bytes.find_first_of("\r\n");
        const int next = end + 1 < bytes.size() ? bytes[end + 1] : in.peek();
        input->lineEnd = end == kNone || bytes[end] == '\n' ? "\n" : next == '\n' ? "\r\n" : "\r";
        input->counted = input->lineEnd.back();
        const std::string_view first = bytes.substr(0, end);
        const auto tabs = std::count(first.begin(), first.end(), '\t');
        input->delimiter = tabs > std::count(first.begin(), first.end(), ',') ? '\t' : ',';
        csv_set_delim(&input->parser, static_cast<unsigned char>(input->delimiter));
    }

    // A line cut by the end of a block waits in `pending`, no longer than the
    // limit; every other line is read where it stands.
    void ConvertLines(std::string_view bytes) {
        std::string& pending = input->pending;
        const auto keep = [&pending](std::string_view piece) {
            pending.append(piece.substr(0, kMaxLineBytes + 1 - pending.size()));
        };
        for (std::size_t end; (end = bytes.find(input->counted)) != kNone;
             bytes.remove_prefix(end + 1)) {
            if (pending.empty()) {
                ConvertLine(bytes.substr(0, end));
                continue;
            }
            keep(bytes.substr(0, end));
            ConvertLine(pending);
            pending.clear();
        }
        keep(bytes);
    }

    void ConvertLine(std::string_view text) {
        ++input->line;
        if (input->counted == '\n' && text.ends_with('\r')) text.remove_suffix(1);
        const auto id =
            text.size() <= kMaxLineBytes ? ReadId(text, options.split, false) : std::nullopt;
        if (!id)
            Report(input->At(input->line) + ": " + Refusal(text, options.split, false), kRefused);
        building.clear();
        for (std::size_t i = 0; i < options.forms.size(); ++i) {
            building += i > 0 ? "\t" : "";
            if (id) AppendText(building, *id, options.forms[i], options.split);
        }
        building += '\n';
        out.write(building.data(), static_cast<std::streamsize>(building.size()));
    }

    void ParseTable(std::string_view bytes) {
        if (csv_parse(&input->parser, bytes.data(), bytes.size(), OnField, OnRowEnd, this) !=
                bytes.size() &&
            !input->stopped) {
            Stop(csv_error(&input->parser) == CSV_ENOMEM ? "a field longer than 1 MiB"
                                                         : "not valid CSV (a quote out of place)");
        }
    }

    static void OnField(void* data, std::size_t size, void* self) {
        State& state = *static_cast<State*>(self);
        Input& current = *state.input;
        current.row.emplace_back(static_cast<const char*>(data), size);
        current.rowBytes += size + 1;
        if (current.rowBytes > kMaxRowBytes && !current.stopped)
            state.Stop("a row longer than 1 MiB");
    }

    // A row's line is where it starts: after the line ends before it, blank
    // lines included, which libcsv reports as rows without fields. Line
    // breaks inside quoted fields count only when they are the input's own
    // line end, as editors and grep -n count them.
    static void OnRowEnd(int end, void* self) {
        State& state = *static_cast<State*>(self);
        Input& current = *state.input;
        const long line = current.line + 1;
        for (const std::string& field : current.row) {
            current.line += std::count(field.begin(), field.end(), current.counted);
        }
        current.line += end == current.counted ? 1 : 0;
        if (!current.row.empty() && !current.stopped) state.OnRow(current.row, line);
        current.row.clear();
        current.rowBytes = 0;
    }

    void OnRow(std::vector<std::string>& row, long line) {
        if (!input->headerRead) {
            input->headerRead = true;
            input->stopped = !ReadHeader(row);
            return;
        }
        const std::string where = input->At(line);
        const bool table = options.format == Format::Table;
        const std::string leftOut = table ? "" : "; row left out";
        const std::size_t column = columns.id;
        std::optional<int> id;
        if (column >= row.size()) {
            Report(where + ": the row has no field " + std::to_string(column + 1) + leftOut,
                   kRefused);
        } else if (id = ReadId(row[column], options.split, column == columns.hex); !id) {
            Report(
                where + ": " + Refusal(row[column], options.split, column == columns.hex) + leftOut,
                kRefused);
        } else {
            CrossCheck(row, *id, where);
        }
        if (id && !table && !seenAt[static_cast<std::size_t>(*id)].empty()) {
            Report(where + ": talk group " + std::to_string(*id) + " is listed already, at " +
                       seenAt[static_cast<std::size_t>(*id)] + leftOut,
                   kRefused);
            return;
        }
        if (id && !table) seenAt[static_cast<std::size_t>(*id)] = where;
        if (id || table) WriteRow(row, id, where);
    }

    std::array<std::pair<IdForm, std::size_t>, 3> FormColumns() const {
        return {{{IdForm::Decimal, columns.decimal},
                 {IdForm::Afs, columns.afs},
                 {IdForm::Hex, columns.hex}}};
    }

    bool ReadHeader(const std::vector<std::string>& names) {
        if (!header.empty()) {
            if (names != header) {
                Report(input->name + ": its header differs from the first input's; skipped",
                       kFailed);
            }
            return names == header;
        }
        const std::string& name = options.column;
        std::size_t id =
            name.empty() ? Find(names, {"DEC", "Decimal", "TGID", "Talkgroup", "ID", "AFS", "Hex"})
                         : Find(names, {name});
        std::size_t number = 0;
        const char* const end = name.data() + name.size();
        if (id == kNone && std::from_chars(name.data(), end, number).ptr == end && number >= 1 &&
            number <= names.size()) {
            id = number - 1;
        }
        if (id == kNone) {
            Report(input->name + ": " +
                       (name.empty() ? "no column named DEC, Decimal, TGID, Talkgroup, ID, AFS "
                                       "or Hex; name it with --column"
                                     : "no column '" + Printable(name) + "'"),
                   kFailed);
            return false;
        }
        Report(input->name + ": talk-group IDs read from column " + std::to_string(id + 1) + ", '" +
               Printable(names[id]) + "'");
        header = names;
        const auto find = [&names](auto... candidates) { return Find(names, {candidates...}); };
        columns = {id,
                   find("DEC", "Decimal"),
                   find("AFS"),
                   find("Hex"),
                   find("Mode"),
                   find("Alpha Tag"),
                   find("Description"),
                   find("Tag"),
                   find("Category")};
        if (options.format == Format::Dsd) {
            WriteLine(kDsdHeader, ',', "\n");
        } else if (options.format == Format::RadioReference) {
            WriteLine(kRadioReferenceHeader, ',', "\n");
        } else {
            std::vector<std::string> titles = names;
            for (const auto& [form, column] : FormColumns()) {
                if (column == kNone) {
                    added.push_back(form);
                    titles.emplace_back(kFormTitles[static_cast<std::size_t>(form)]);
                }
            }
            delimiter = input->delimiter;
            lineEnd = input->lineEnd;
            out << (input->byteOrderMark ? kByteOrderMark : "");
            WriteLine(titles, delimiter, lineEnd);
        }
        return true;
    }

    void CrossCheck(const std::vector<std::string>& row, int id, const std::string& where) {
        for (const auto& [form, other] : FormColumns()) {
            if (other == columns.id || IsBlank(Field(row, other))) continue;
            const std::string otherName = Printable(header[other]);
            const auto otherId = ReadId(row[other], options.split, other == columns.hex);
            if (!otherId) {
                Report(where + ": " + otherName + " " +
                           Refusal(row[other], options.split, other == columns.hex),
                       kRefused);
            } else if (*otherId != id) {
                Report(where + ": " + Printable(header[columns.id]) + " '" +
                           Printable(row[columns.id]) + "' and " + otherName + " '" +
                           Printable(row[other]) + "' name different talk groups (" +
                           std::to_string(id) + ", " + std::to_string(*otherId) + ")",
                       kRefused);
            }
        }
    }

    void WriteRow(std::vector<std::string>& row, std::optional<int> id, const std::string& where) {
        const auto text = [&](IdForm form) {
            std::string written;
            if (id) AppendText(written, *id, form, options.split);
            return written;
        };
        const auto first = [&row](std::initializer_list<std::size_t> from, std::string fallback) {
            for (const std::size_t column : from) {
                if (!IsBlank(Field(row, column))) return std::string(Field(row, column));
            }
            return fallback;
        };
        if (options.format == Format::Dsd) {
            const std::string_view mode = TrimBlanks(Field(row, columns.mode));
            WriteCleaned(
                {text(IdForm::Decimal), mode.ends_with('E') || mode.ends_with('e') ? "DE" : "A",
                 first({columns.alphaTag, columns.description}, text(IdForm::Afs)),
                 first({columns.tag, columns.category}, "EDACS")},
                kDsdHeader, where);
        } else if (options.format == Format::RadioReference) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "%03x", *id);  // as the listing site writes it
            std::vector<std::string> fields = {text(IdForm::Decimal), hex};
            for (const std::size_t column : {columns.alphaTag, columns.mode, columns.description,
                                             columns.tag, columns.category}) {
                fields.emplace_back(Field(row, column));
            }
            WriteCleaned(fields, kRadioReferenceHeader, where);
        } else {
            row.resize(std::max(row.size(), header.size()));
            for (const auto& [form, column] : FormColumns()) {
                if (id && column != kNone && IsBlank(row[column])) row[column] = text(form);
            }
            for (std::size_t i = 0; i < added.size(); ++i) {
                row.insert(row.begin() + static_cast<std::ptrdiff_t>(header.size() + i),
                           text(added[i]));
            }
            WriteLine(row, delimiter, lineEnd);
        }
    }

    // The decoders split on every comma and know no quotes, and the web
    // scanner front end splits on commas with quotes around them: neither
    // may stand in a field, and a line break would end the row.
    void WriteCleaned(std::vector<std::string> fields, const std::vector<std::string>& names,
                      const std::string& where) {
        std::string changes;
        for (std::size_t i = 0; i < fields.size(); ++i) {
            std::string cleaned = fields[i];
            for (const auto& [from, to] :
                 {std::pair{',', ';'}, {'"', '\''}, {'\r', ' '}, {'\n', ' '}}) {
                std::replace(cleaned.begin(), cleaned.end(), from, to);
            }
            if (cleaned != fields[i]) {
                changes += (changes.empty() ? "" : ", ") + names[i] + " '" + Printable(fields[i]) +
                           "' written as '" + Printable(cleaned) + "'";
                fields[i] = cleaned;
            }
        }
        if (!changes.empty()) Report(where + ": " + changes);
        if (options.format == Format::Dsd && fields[2].size() > kMaxNameBytes) {
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
    void WriteLine(const std::vector<std::string>& fields, char separator, std::string_view end) {
        const char special[] = {separator, '"', '\r', '\n', '\0'};
        building.clear();
        for (std::size_t i = 0; i < fields.size(); ++i) {
            building += i > 0 ? std::string(1, separator) : "";
            if (fields[i].find_first_of(special) == kNone) {
                building += fields[i];
                continue;
            }
            std::string quoted(2 * fields[i].size() + 2, '\0');
            quoted.resize(
                csv_write(quoted.data(), quoted.size(), fields[i].data(), fields[i].size()));
            building += quoted;
        }
        building += end;
        out.write(building.data(), static_cast<std::streamsize>(building.size()));
    }
};

Converter::Converter(Options options, std::ostream& out, std::ostream& messages)
    : m_state(std::make_unique<State>(std::move(options), out, messages)) {}

Converter::~Converter() = default;

void Converter::Convert(std::istream& in, const std::string& name) { m_state->Convert(in, name); }

void Converter::Fail(const std::string& message) { m_state->Report(message, kFailed); }

int Converter::Status() const { return m_state->status; }

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
