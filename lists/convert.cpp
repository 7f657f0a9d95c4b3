// SPDX-License-Identifier: MIT
#include "lists/convert.h"

#include <csv.h>

#include <algorithm>
#include <bit>
#include <charconv>
#include <cstdlib>
#include <istream>
#include <map>
#include <ostream>
#include <sstream>

#include "core/text_rules.h"

namespace zembra::lists {

namespace {

constexpr std::size_t kNone = std::string_view::npos;
constexpr int kIdCount = 2048;
// Numbers are read only up to this, so that no run of digits overflows;
// below it lie the 16-bit IDs of Extended Addressing systems.
constexpr int kExtendedCount = 65536;
// Longer IDs, lines and rows are refused without being held whole.
constexpr std::size_t kMaxLineBytes = 4096;
constexpr std::size_t kMaxRowBytes = std::size_t{1} << 20;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
const std::vector<std::string> kDsdHeader = {"DEC", "Mode", "Name", "Tag"};
const std::vector<std::string> kRadioReferenceHeader = {"Decimal",     "Hex", "Alpha Tag", "Mode",
                                                        "Description", "Tag", "Category"};

int Digit(char c, int base) { return DigitValue(static_cast<unsigned char>(c), base); }

std::optional<int> ReadNumber(std::string_view digits, int base) {
    int value = 0;
    for (const char c : digits) {
        if (Digit(c, base) < 0) return std::nullopt;
        value = std::min(value * base + Digit(c, base), kExtendedCount);
    }
    return digits.empty() ? std::nullopt : std::optional(value);
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

// The length of the UTF-8 character at the start of a text when it may be
// shown as it is. 0 for bytes that are no well-formed UTF-8, and for C0 and
// C1 controls, DEL, the line and paragraph separators and the bidirectional
// marks, embeddings, overrides and isolates, which can hide or reorder what a
// terminal shows.
std::size_t ShownLength(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text[0]);
    const auto length = static_cast<std::size_t>(lead < 0x80   ? 1
                                                 : lead < 0xC0 ? 0
                                                               : std::countl_one(lead));
    char32_t c = length == 1 ? lead : lead & (0x7Fu >> length);
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(i < text.size() ? text[i] : 0);
        if ((next & 0xC0u) != 0x80u) return 0;
        c = (c << 6) | (next & 0x3Fu);
    }
    constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
    const bool valid = length >= 1 && length <= 4 && c >= kLeast[length] && c <= 0x10FFFF &&
                       !(c >= 0xD800 && c <= 0xDFFF);
    const bool shown = c >= 0x20 && !(c >= 0x7F && c <= 0x9F) && c != 0x061C && c != 0x200E &&
                       c != 0x200F && !(c >= 0x2028 && c <= 0x202E) &&
                       !(c >= 0x2066 && c <= 0x2069);
    return valid && shown ? length : 0;
}

// A text as a message quotes it, what may not be shown as it is as \xHH,
// cut after 40 characters with "...".
std::string Printable(std::string_view text) {
    std::string out;
    for (std::size_t characters = 0; !text.empty(); ++characters) {
        if (characters == 40) return out + "...";
        const std::size_t length = ShownLength(text);
        out.append(length > 0 ? text.substr(0, length) : "\\x");
        if (length == 0) AppendPadded(out, static_cast<unsigned char>(text[0]), 2, 16);
        text.remove_prefix(std::max<std::size_t>(length, 1));
    }
    return out;
}

std::size_t Width(int bits) { return bits <= 3 ? 1 : bits <= 6 ? 2 : 3; }

// What stands before each group: 4:4:3 is written AA-FFS, other splits in
// the decoders' colon form A:FF:SS.
std::string_view Separator(const Split& split, std::size_t group) {
    const bool standard = split.bits[0] == 4 && split.bits[1] == 4 && split.bits[2] == 3;
    return group == 0 ? "" : standard ? (group == 1 ? "-" : "") : ":";
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

// The ID a text names, blanks and tabs around it ignored: decimal, AFS, or
// hexadecimal after 0x or 0X (in a hex column also without the prefix). For
// a text that names none, `refusal` says why. Partial IDs end in the first
// separator, as the scanners write wildcards: "09-" is an agency, "09-10-" a
// fleet.
std::optional<int> ReadId(std::string_view text, const Split& split, bool hexColumn,
                          std::string& refusal) {
    const auto refuse = [&refusal, text](const std::string& why) -> std::optional<int> {
        refusal = "'" + Printable(text) + "'" + why;
        return std::nullopt;
    };
    if (text.size() > kMaxLineBytes) return refuse(" is longer than 4096 bytes");
    const std::string_view trimmed = TrimBlanks(text);
    const bool prefixed =
        trimmed.size() > 2 && trimmed[0] == '0' && (trimmed[1] == 'x' || trimmed[1] == 'X');
    if (const auto number = prefixed || hexColumn ? ReadNumber(trimmed.substr(prefixed ? 2 : 0), 16)
                                                  : ReadNumber(trimmed, 10)) {
        if (*number < kIdCount) return number;
        if (*number < kExtendedCount) {
            return refuse(" is above 2047: an Extended Addressing ID has no AFS form");
        }
    }
    for (std::size_t count = 3; count >= 1 && !hexColumn; --count) {
        std::string_view rest = trimmed;
        const auto groups = ReadGroups(rest, split, count);
        if (!groups || rest != (count < 3 ? Separator(split, 1) : "")) continue;
        for (std::size_t i = 0; i < count; ++i) {
            if ((*groups)[i] < 1 << split.bits[i]) continue;
            return refuse(" is not a talk-group ID: " +
                          std::string(std::array{"agency", "fleet", "subfleet"}[i]) + " " +
                          std::to_string((*groups)[i]) + " is beyond " +
                          std::to_string((1 << split.bits[i]) - 1));
        }
        const auto [agency, fleet, subfleet] = *groups;
        const int low =
            agency << (split.bits[1] + split.bits[2]) | fleet << split.bits[2] | subfleet;
        if (count == 3) return low;
        const int size = 1 << (split.bits[2] + (count == 1 ? split.bits[1] : 0));
        return refuse(" is a partial AFS ID (talk groups " + std::to_string(low) + "-" +
                      std::to_string(low + size - 1) + ")");
    }
    std::string pattern;
    for (std::size_t i = 0; i < 3; ++i) {
        pattern.append(Separator(split, i)).append(Width(split.bits[i]), "AFS"[i]);
    }
    return refuse(" is not a talk-group ID (" +
                  (hexColumn ? "hexadecimal 0-7ff" : "0-2047, " + pattern + " or 0x0-0x7FF") + ")");
}

// Hexadecimal in upper case, as the window writes it.
void AppendText(std::string& out, int id, IdForm form, const Split& split) {
    if (form != IdForm::Afs) {
        const std::size_t start = out.size();
        AppendPadded(out, id, 1, form == IdForm::Hex ? 16 : 10);
        for (std::size_t i = start; i < out.size(); ++i) {
            out[i] = out[i] >= 'a' ? static_cast<char>(out[i] - 'a' + 'A') : out[i];
        }
        return;
    }
    for (std::size_t i = 0, shift = 11; i < 3; ++i) {
        shift -= static_cast<std::size_t>(split.bits[i]);
        out += Separator(split, i);
        AppendPadded(out, (id >> shift) & ((1 << split.bits[i]) - 1), Width(split.bits[i]));
    }
}

// Header names match whatever their case and blanks around them.
std::size_t Find(const std::vector<std::string>& header,
                 std::initializer_list<std::string_view> names) {
    const auto folded = [](std::string_view text) {
        std::string lower(TrimBlanks(text));
        for (char& c : lower) c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
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
    // The input being read: its line ends, how far it has come, the row
    // that libcsv is filling.
    struct Input {
        std::string name;
        std::string lineEnd;  // "\n", "\r\n" or "\r", as the first line ends; empty before
        char counted = '\n';  // the character whose count numbers the lines
        char delimiter = ',';
        bool byteOrderMark = false;
        bool headerRead = false;
        bool stopped = false;  // the rest of the input is skipped
        long line = 0;         // line ends read so far
        std::string pending;   // in line mode the line being collected
        csv_parser parser{};
        std::vector<std::string> row;
        std::size_t rowBytes = 0;
        std::string At(long number) const { return name + ":" + std::to_string(number); }
    } input;
    std::string building;  // the output line
    // The table, as the first input's header sets it up; kNone for a
    // column it lacks.
    std::vector<std::string> header;
    struct {
        std::size_t id, decimal, afs, hex, mode, alphaTag, description, tag, category;
    } columns{};
    std::vector<IdForm> added;
    char delimiter = ',';
    std::string lineEnd = "\n";
    std::map<int, std::string> seenAt;  // where each ID was written first

    void Report(const std::string& message, int atLeast = kConverted) {
        messages << message + "\n";
        status = std::max(status, atLeast);
    }

    void Stop(const std::string& why) {
        if (input.stopped) return;
        Report(input.At(input.line + 1) + ": " + why + "; the rest is skipped", kFailed);
        input.stopped = true;
    }

    void Convert(std::istream& in, const std::string& name) {
        input = {};
        input.name = name;
        const bool table = options.format != Format::Lines;
        // A quote inside a field is text, as pasted web tables write it (Tac "2").
        csv_init(&input.parser, CSV_STRICT_FINI | CSV_REPALL_NL);
        // Every byte of a field is kept: libcsv would strip blanks around it.
        csv_set_space_func(&input.parser, [](unsigned char) { return 0; });
        // libcsv grows a field without bound; past the limit it stops with CSV_ENOMEM.
        csv_set_realloc_func(&input.parser, [](void* block, std::size_t size) {
            return size > kMaxRowBytes ? nullptr : std::realloc(block, size);
        });
        std::vector<char> block(std::size_t{1} << 16);
        while (!input.stopped &&
               in.read(block.data(), static_cast<std::streamsize>(block.size())).gcount() > 0) {
            std::string_view bytes(block.data(), static_cast<std::size_t>(in.gcount()));
            if (input.lineEnd.empty()) Begin(bytes, in);
            table ? ParseTable(bytes) : ConvertLines(bytes);
        }
        if (in.bad()) {
            Report(name + ": read error", kFailed);
        } else if (!table && !input.pending.empty()) {
            ConvertLine(input.pending);
        } else if (table && csv_fini(&input.parser, OnField, OnRowEnd, this) != CSV_SUCCESS) {
            Stop("not valid CSV (a quoted field does not end)");
        } else if (table && !input.headerRead && !input.stopped) {
            Report(name + ": no header row; a table starts with the names of its columns", kFailed);
        }
        csv_free(&input.parser);
    }

    // The first block sets the byte order mark, the line end and, for
    // tables, the delimiter: pasted web tables are tab-separated.
    void Begin(std::string_view& bytes, std::istream& in) {
        input.byteOrderMark = bytes.starts_with(kByteOrderMark);
        bytes.remove_prefix(input.byteOrderMark ? kByteOrderMark.size() : 0);
        const std::size_t end = bytes.find_first_of("\r\n");
        const int next = end + 1 < bytes.size() ? bytes[end + 1] : in.peek();
        input.lineEnd = end == kNone || bytes[end] == '\n' ? "\n" : next == '\n' ? "\r\n" : "\r";
        input.counted = input.lineEnd.back();
        const std::string_view first = bytes.substr(0, end);
        const auto tabs = std::count(first.begin(), first.end(), '\t');
        input.delimiter = tabs > std::count(first.begin(), first.end(), ',') ? '\t' : ',';
        csv_set_delim(&input.parser, static_cast<unsigned char>(input.delimiter));
    }

    // Each line is collected in `pending`, which keeps no more than the limit
    // of a longer line, as a line may be cut by the end of a block.
    void ConvertLines(std::string_view bytes) {
        std::string& pending = input.pending;
        for (;;) {
            const std::size_t end = bytes.find(input.counted);
            pending.append(bytes.substr(0, std::min(end, kMaxLineBytes + 1 - pending.size())));
            if (end == kNone) return;
            ConvertLine(pending);
            pending.clear();
            bytes.remove_prefix(end + 1);
        }
    }

    void ConvertLine(std::string_view text) {
        ++input.line;
        if (input.counted == '\n' && text.ends_with('\r')) text.remove_suffix(1);
        std::string refusal;
        const auto id = ReadId(text, options.split, false, refusal);
        if (!id) Report(input.At(input.line) + ": " + refusal, kRefused);
        building.clear();
        for (std::size_t i = 0; i < options.forms.size(); ++i) {
            building += i > 0 ? "\t" : "";
            if (id) AppendText(building, *id, options.forms[i], options.split);
        }
        building += '\n';
        out.write(building.data(), static_cast<std::streamsize>(building.size()));
    }

    void ParseTable(std::string_view bytes) {
        const std::size_t parsed =
            csv_parse(&input.parser, bytes.data(), bytes.size(), OnField, OnRowEnd, this);
        if (parsed == bytes.size()) return;
        Stop("a field longer than 1 MiB");  // the only error libcsv has when not strict
    }

    static void OnField(void* data, std::size_t size, void* self) {
        State& state = *static_cast<State*>(self);
        state.input.row.emplace_back(static_cast<const char*>(data), size);
        state.input.rowBytes += size + 1;
        if (state.input.rowBytes > kMaxRowBytes) state.Stop("a row longer than 1 MiB");
    }

    // A row's line is where it starts: after the line ends before it, blank
    // lines included, which libcsv reports as rows without fields. Line
    // breaks inside quoted fields count only when they are the input's own
    // line end, as editors and grep -n count them.
    static void OnRowEnd(int end, void* self) {
        State& state = *static_cast<State*>(self);
        Input& current = state.input;
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
        if (!input.headerRead) {
            input.headerRead = true;
            input.stopped = !ReadHeader(row);
            return;
        }
        const std::string where = input.At(line);
        const bool table = options.format == Format::Table;
        const std::string leftOut = table ? "" : "; row left out";
        const std::string_view text = Field(row, columns.id);  // empty in a row too short
        std::string refusal;
        const auto id = ReadId(text, options.split, columns.id == columns.hex, refusal);
        if (!id) Report(where + ": " + refusal + leftOut, kRefused);
        if (id) CrossCheck(row, *id, where);
        if (table) {
            WriteRow(row, id, where);
        } else if (id && seenAt.contains(*id)) {
            Report(where + ": talk group " + std::to_string(*id) + " again (first at " +
                       seenAt[*id] + ")" + leftOut,
                   kRefused);
        } else if (id) {
            seenAt[*id] = where;
            WriteRow(row, id, where);
        }
    }

    std::array<std::pair<IdForm, std::size_t>, 3> FormColumns() const {
        return {{{IdForm::Decimal, columns.decimal},
                 {IdForm::Afs, columns.afs},
                 {IdForm::Hex, columns.hex}}};
    }

    bool ReadHeader(const std::vector<std::string>& names) {
        if (!header.empty() && names != header) {
            Report(input.name + ": its header differs from the first input's; skipped", kFailed);
        }
        if (!header.empty()) return names == header;
        const std::string& name = options.column;
        std::size_t id =
            name.empty() ? Find(names, {"DEC", "Decimal", "TGID", "Talkgroup", "ID", "AFS", "Hex"})
                         : Find(names, {name});
        std::size_t number = 0;
        std::from_chars(name.data(), name.data() + name.size(), number);
        if (id == kNone && number >= 1 && number <= names.size() &&
            std::to_string(number) == name) {
            id = number - 1;
        }
        if (id == kNone) {
            const std::string usual = "DEC, Decimal, TGID, Talkgroup, ID, AFS or Hex";
            Report(
                input.name + ": no column " + (name.empty() ? usual : "'" + Printable(name) + "'"),
                kFailed);
            return false;
        }
        Report(input.name + ": talk-group IDs read from column " + std::to_string(id + 1) + ", '" +
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
        if (options.format != Format::Table) {
            WriteLine(options.format == Format::Dsd ? kDsdHeader : kRadioReferenceHeader, ',',
                      "\n");
            return true;
        }
        std::vector<std::string> titles = names;
        for (const auto& [form, column] : FormColumns()) {
            if (column != kNone) continue;
            added.push_back(form);
            titles.emplace_back(
                std::array{"Decimal", "AFS", "Hex"}[static_cast<std::size_t>(form)]);
        }
        delimiter = input.delimiter;
        lineEnd = input.lineEnd;
        out << (input.byteOrderMark ? kByteOrderMark : "");
        WriteLine(titles, delimiter, lineEnd);
        return true;
    }

    void CrossCheck(const std::vector<std::string>& row, int id, const std::string& where) {
        for (const auto& [form, other] : FormColumns()) {
            if (other == columns.id || TrimBlanks(Field(row, other)).empty()) continue;
            std::string refusal;
            const auto otherId = ReadId(row[other], options.split, other == columns.hex, refusal);
            if (otherId == id) continue;
            Report(
                where + ": " +
                    (otherId ? Printable(header[columns.id]) + " '" + Printable(row[columns.id]) +
                                   "' and " + Printable(header[other]) + " '" +
                                   Printable(row[other]) + "' name different talk groups (" +
                                   std::to_string(id) + ", " + std::to_string(*otherId) + ")"
                             : Printable(header[other]) + " " + refusal),
                kRefused);
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
                if (!TrimBlanks(Field(row, column)).empty()) return std::string(Field(row, column));
            }
            return fallback;
        };
        if (options.format == Format::Dsd) {
            const std::string_view mode = TrimBlanks(Field(row, columns.mode));
            std::string name = first({columns.alphaTag, columns.description}, text(IdForm::Afs));
            // The decoders cut names at 49 bytes; a cut before a UTF-8 continuation
            // byte splits no character.
            std::size_t cut = std::min<std::size_t>(name.size(), 49);
            while (cut > 0 && cut < name.size() && (name[cut] & 0xC0) == 0x80) --cut;
            name.resize(cut);
            WriteCleaned(
                {text(IdForm::Decimal), mode.ends_with('E') || mode.ends_with('e') ? "DE" : "A",
                 name, first({columns.tag, columns.category}, "EDACS")},
                kDsdHeader, where);
        } else if (options.format == Format::RadioReference) {
            std::string hex;
            AppendPadded(hex, *id, 3, 16);  // lower case, three digits, as the listing site writes
            std::vector<std::string> fields = {text(IdForm::Decimal), hex};
            for (const std::size_t column : {columns.alphaTag, columns.mode, columns.description,
                                             columns.tag, columns.category}) {
                fields.emplace_back(Field(row, column));
            }
            WriteCleaned(fields, kRadioReferenceHeader, where);
        } else {
            row.resize(std::max(row.size(), header.size()));
            for (const auto& [form, column] : FormColumns()) {
                if (id && column != kNone && TrimBlanks(row[column]).empty())
                    row[column] = text(form);
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
            for (char& c : cleaned) {
                c = c == ',' ? ';' : c == '"' ? '\'' : c == '\r' || c == '\n' ? ' ' : c;
            }
            if (cleaned == fields[i]) continue;
            changes += (changes.empty() ? "" : ", ") + names[i] + " '" + Printable(fields[i]) +
                       "' written as '" + Printable(cleaned) + "'";
            fields[i] = cleaned;
        }
        if (!changes.empty()) Report(where + ": " + changes);
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
    for (std::string line; std::getline(lines, line);) result.messages.push_back(line);
    return result;
}

}  // namespace zembra::lists
