// SPDX-License-Identifier: MIT
// The converter: takes an input's bytes in blocks, chooses from its start
// how to read it, hands its lines or rows to the ID grammar and the
// writers, and accounts for every row in the output or in a message.
#include "lists/convert.h"

#include <algorithm>
#include <istream>
#include <ostream>
#include <sstream>

#include "lists/columns.h"
#include "lists/input_start.h"
#include "lists/line_reader.h"
#include "lists/table_reader.h"
#include "lists/writers.h"

namespace zembra::lists {

namespace {

constexpr std::size_t kBlockBytes = std::size_t{1} << 16;
constexpr int kIdCount = 2048;
// The decoders hold this many groups and read no further, without a word.
constexpr long kDecoderGroups = 1023;

}  // namespace

struct Converter::State {
    State(Options from, std::ostream& output, std::ostream& messageStream)
        : options(std::move(from)), out(output), messages(messageStream) {
        if (options.format != Format::Automatic) format = options.format;
    }

    Options options;
    std::ostream& out;
    std::ostream& messages;
    int status = kConverted;
    Tally tally;
    std::optional<Format> format;  // for Automatic, once the first input has chosen
    std::string building;          // the output line

    // The table, as the first input's header sets it up.
    Fields header;
    Columns columns;
    TableShape shape;
    std::vector<std::string> firstAt = std::vector<std::string>(kIdCount);  // where each ID was
    long decoderRows = 0;

    // The input being read.
    enum class Phase { Start, Lines, Table, Done };
    struct Input {
        std::string name;  // as messages show it
        Phase phase = Phase::Start;
        std::string start;  // the first bytes, until they say how to read the rest
        Layout layout;
        std::optional<LineReader> lines;
        std::optional<TableReader> table;
        long line = 0;  // lines read in line mode
        bool headerRead = false;
        std::string At(long number) const { return name + ":" + std::to_string(number); }
    } input;

    void Report(std::string_view message, int atLeast = kConverted) {
        messages.write(message.data(), static_cast<std::streamsize>(message.size())).put('\n');
        status = std::max(status, atLeast);
    }

    void Write() { out.write(building.data(), static_cast<std::streamsize>(building.size())); }

    void Begin(std::string_view name) {
        input = Input{};
        input.name = Printable(name, kWhole);
    }

    void Feed(std::string_view bytes) {
        for (; !bytes.empty(); bytes.remove_prefix(std::min(bytes.size(), kBlockBytes))) {
            FeedBlock(bytes.substr(0, kBlockBytes));
        }
    }

    void FeedBlock(std::string_view block) {
        if (input.phase == Phase::Start) {
            // The start is looked at again only once a line may have ended.
            const bool again = input.start.size() < 8 || input.start.ends_with('\r') ||
                               block.find_first_of("\r\n") != std::string_view::npos ||
                               input.start.size() + block.size() >= kMaxRowBytes;
            input.start.append(block);
            if (again) Start(false);
        } else if (input.phase == Phase::Lines) {
            input.lines->Append(block);
            ReadLines(false);
        } else if (input.phase == Phase::Table) {
            input.table->Append(block);
            ReadRows(false);
        }
    }

    void End() {
        if (input.phase == Phase::Start) Start(true);
        if (input.phase == Phase::Lines) ReadLines(true);
        if (input.phase == Phase::Table) ReadRows(true);
        input.phase = Phase::Done;
    }

    void Stop(std::string_view message) {
        Report(message, kFailed);
        input.phase = Phase::Done;
    }

    // Once the start of the input says how to read it, it is read so.
    void Start(bool complete) {
        const std::optional<InputStart> start = ReadInputStart(input.start, complete);
        if (!start) return;
        if (start->utf16) {
            return Stop(input.name +
                        ": UTF-16 text, which is not read; convert it to UTF-8 first, "
                        "e.g. with iconv -f UTF-16 -t UTF-8");
        }
        input.layout = start->layout;
        if (!format && !start->firstLine.empty()) format = Chosen(*start);
        const std::string_view body =
            std::string_view(input.start)
                .substr(input.layout.byteOrderMark ? kUtf8ByteOrderMark.size() : 0);
        if (format.value_or(Format::Lines) != Format::Lines) {
            input.table.emplace(input.layout);
            input.table->Append(body);
            input.phase = Phase::Table;
            ReadRows(complete);
        } else if (const std::string refusal = TableInLineMode(*start); !refusal.empty()) {
            Stop(refusal);
        } else {
            input.lines.emplace(input.layout.counted);
            input.lines->Append(body);
            input.phase = Phase::Lines;
            ReadLines(complete);
        }
        input.start = std::string();
    }

    // Automatic: a table when the first line names an ID column.
    Format Chosen(const InputStart& start) const {
        const Fields fields = FieldsOfLine(start.firstLine, start.layout);
        if (NamesIdColumn(fields, options.column, options.split)) return Format::Table;
        return Format::Lines;
    }

    // A first line with delimiters and no ID is a table's header: one
    // message for it, not a refusal of each of its rows.
    std::string TableInLineMode(const InputStart& start) const {
        const std::string_view line = TrimBlanks(start.firstLine);
        if (line.find_first_of(",\t") == std::string_view::npos) return "";
        if (ReadId(line, options.split).id) return "";
        const std::string where = input.At(start.firstLineNumber) + ": ";
        if (options.format == Format::Automatic) {
            return where + "a table without its ID column: " +
                   NoIdColumn(FieldsOfLine(start.firstLine, start.layout), options.column);
        }
        return where + "'" + Printable(line) +
               "' is a table's header, not a talk-group ID; read the input as a table "
               "(--csv) or in the automatic format";
    }

    void ReadLines(bool complete) {
        while (const std::optional<std::string_view> line = input.lines->Next(complete)) {
            ++input.line;
            const IdReading reading = ReadId(*line, options.split);
            if (reading.id) {
                ++tally.converted;
            } else {
                ++tally.refused;
                Report(input.At(input.line) + ": " + reading.refusal, kRefused);
            }
            building.clear();
            AppendForms(building, reading.id, options.forms, options.split);
            Write();
        }
    }

    void ReadRows(bool complete) {
        for (;;) {
            const TableReader::Step step = input.table->Next(complete);
            if (step == TableReader::Step::Row) {
                OnRow(input.table->Fields(), input.table->Lines());
                if (input.phase == Phase::Done) return;
                continue;
            }
            if (step == TableReader::Step::UnclosedQuote) {
                Stop(input.At(input.table->Line()) +
                     ": a quoted field opens here and does not close; the rest of the input "
                     "is not read");
            } else if (step == TableReader::Step::RowTooLong) {
                Stop(input.At(input.table->Lines().first) +
                     ": a row longer than 1 MiB; the rest is skipped");
            } else if (step == TableReader::Step::End && !input.headerRead) {
                Stop(input.name + ": no header row; a table starts with the names of its columns");
            }
            return;
        }
    }

    void OnRow(const Fields& row, TableReader::LineSpan lines) {
        if (!input.headerRead) {
            const bool blank = std::all_of(row.begin(), row.end(), [](const std::string& field) {
                return TrimBlanks(field).empty();
            });
            if (blank) return;
            input.headerRead = true;
            if (!ReadHeader(row)) input.phase = Phase::Done;
            return;
        }
        const std::string where = input.At(lines.first);
        const bool table = format == Format::Table;
        if (lines.last > lines.first) {
            Report(where + ": this row runs over lines " + std::to_string(lines.first) + "-" +
                       std::to_string(lines.last) + " (a quoted field holds a line break)",
                   table ? kConverted : kRefused);
        }
        const std::string_view leftOut = table ? "" : "; row left out";
        const IdReading reading =
            ReadId(FieldAt(row, columns.id), options.split, columns.id == columns.hex);
        if (!reading.id) {
            ++tally.refused;
            Report(where + ": " + reading.refusal + std::string(leftOut), kRefused);
        } else {
            CrossCheck(row, *reading.id, where);
        }
        if (table) return WriteTableRow(row, reading.id);
        if (!reading.id) {
            ++tally.leftOut;
        } else {
            WriteDecoderRow(row, *reading.id, where);
        }
    }

    bool ReadHeader(const Fields& names) {
        if (!header.empty()) {
            if (names == header) return true;
            Report(input.name + ": its header differs from the first input's; skipped", kFailed);
            return false;
        }
        const std::optional<std::size_t> id = FindIdColumn(names, options.column);
        if (!id) {
            Report(input.name + ": " + NoIdColumn(names, options.column), kFailed);
            return false;
        }
        Report(input.name + ": talk-group IDs read from column " + std::to_string(*id + 1) + ", '" +
               Printable(names[*id]) + "'");
        header = names;
        columns = ColumnsOf(header, *id);
        building.clear();
        if (format == Format::Dsd) {
            AppendDsdHeader(building);
        } else if (format == Format::RadioReference) {
            AppendRadioReferenceHeader(building);
        } else {
            shape = ShapeOf(header, columns, input.layout.delimiter, input.layout.lineEnd);
            if (input.layout.byteOrderMark) building = kUtf8ByteOrderMark;
            AppendTableHeader(building, header, shape);
        }
        Write();
        return true;
    }

    void CrossCheck(const Fields& row, int id, const std::string& where) {
        for (const std::size_t other : {columns.decimal, columns.afs, columns.hex}) {
            if (other == columns.id || TrimBlanks(FieldAt(row, other)).empty()) continue;
            const IdReading reading = ReadId(row[other], options.split, other == columns.hex);
            if (reading.id == id) continue;
            if (!reading.id) {
                Report(where + ": " + Printable(header[other]) + " " + reading.refusal, kRefused);
                continue;
            }
            Report(where + ": " + Printable(header[columns.id]) + " '" +
                       Printable(row[columns.id]) + "' and " + Printable(header[other]) + " '" +
                       Printable(row[other]) + "' name different talk groups (" +
                       std::to_string(id) + ", " + std::to_string(*reading.id) + ")",
                   kRefused);
        }
    }

    void WriteTableRow(const Fields& row, std::optional<int> id) {
        if (id) ++tally.converted;
        building.clear();
        AppendTableRow(building, row, shape, id, options.split);
        Write();
    }

    // Decoder lists and import files hold each talk group once.
    void WriteDecoderRow(const Fields& row, int id, const std::string& where) {
        std::string& first = firstAt[static_cast<std::size_t>(id)];
        if (!first.empty()) {
            ++tally.leftOut;
            return Report(where + ": talk group " + std::to_string(id) + " again (first at " +
                              first + "); row left out",
                          kRefused);
        }
        first = where;
        ++tally.converted;
        building.clear();
        const std::string notes = format == Format::Dsd
                                      ? AppendDsdRow(building, row, columns, id, options.split)
                                      : AppendRadioReferenceRow(building, row, columns, id);
        Write();
        if (!notes.empty()) Report(where + ": " + notes);
        if (format == Format::Dsd && ++decoderRows == kDecoderGroups + 1) {
            Report(where +
                       ": talk group 1,024 of the list; the decoders hold 1,023 and lose the "
                       "rows from here on",
                   kRefused);
        }
    }
};

Converter::Converter(Options options, std::ostream& out, std::ostream& messages)
    : m_state(std::make_unique<State>(std::move(options), out, messages)) {}

Converter::~Converter() = default;

void Converter::Convert(std::istream& in, std::string_view name) {
    Begin(name);
    std::string block(kBlockBytes, '\0');
    while (in.read(block.data(), static_cast<std::streamsize>(block.size())).gcount() > 0) {
        Feed(std::string_view(block).substr(0, static_cast<std::size_t>(in.gcount())));
    }
    if (in.bad()) return m_state->Stop(m_state->input.name + ": read error");
    End();
}

void Converter::Begin(std::string_view name) { m_state->Begin(name); }
void Converter::Feed(std::string_view bytes) { m_state->Feed(bytes); }
void Converter::End() { m_state->End(); }
void Converter::Fail(std::string_view message) { m_state->Report(message, kFailed); }
int Converter::Status() const { return m_state->status; }
const Tally& Converter::Counts() const { return m_state->tally; }
std::optional<Format> Converter::Written() const { return m_state->format; }

Result ConvertText(const Options& options, std::string_view text, std::string_view name) {
    std::ostringstream out, messages;
    Converter converter(options, out, messages);
    converter.Begin(name);
    converter.Feed(text);
    converter.End();
    Result result{out.str(), {}, converter.Status(), converter.Counts(), converter.Written()};
    std::istringstream lines(messages.str());
    for (std::string line; std::getline(lines, line);) result.messages.push_back(line);
    return result;
}

}  // namespace zembra::lists
