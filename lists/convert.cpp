// SPDX-License-Identifier: MIT
// The converter: takes an input's bytes in blocks, chooses from its start
// how to read it, hands its lines or rows to the ID grammar and the
// writers, and accounts for every row in the output or in a message.
#include "lists/convert.h"

#include <algorithm>
#include <istream>
#include <ostream>

#include "lists/columns.h"
#include "lists/decoder_list.h"
#include "lists/input_start.h"
#include "lists/line_reader.h"
#include "lists/table_reader.h"
#include "lists/text.h"
#include "lists/writers.h"

namespace zembra::lists {

namespace {

constexpr std::size_t kBlockBytes = std::size_t{1} << 16;

// One text of what was changed in a row, its parts joined by "; ".
void Join(std::string& notes, std::string_view note) {
    if (note.empty()) return;
    if (!notes.empty()) notes += "; ";
    notes += note;
}

}  // namespace

struct Converter::State {
    State(Options from, std::ostream& output, std::ostream& messageStream)
        : options(std::move(from)), out(output), messages(messageStream) {
        if (options.format != Format::Automatic) format = options.format;
        // Column names are matched as headers are, blanks around them aside.
        options.column = std::string(TrimBlanks(options.column));
    }

    Options options;
    std::ostream& out;
    std::ostream& messages;
    int status = kConverted;
    std::int64_t reported = 0;  // messages written
    Tally tally;
    std::optional<Format> format;  // for Automatic, once the first input has chosen
    std::string building;          // the output line

    // The table, as the first input's header sets it up.
    Fields header;
    Columns columns;
    TableShape shape;
    std::optional<DecoderList> decoderList;  // for the decoder lists and the import file

    // The input being read.
    enum class Phase { Start, Lines, Table, Done };
    struct Input {
        std::string name;  // as messages show it
        Phase phase = Phase::Start;
        std::string start;  // the first bytes, until they say how to read the rest
        Layout layout;
        std::optional<LineReader> lines;
        std::optional<TableReader> table;
        LineNumber line = 0;  // lines read in line mode
        bool headerRead = false;
        LineNumber blankLines = 0, firstBlankLine = 0;  // in a table, after its header
        std::string At(LineNumber number) const { return name + ":" + std::to_string(number); }
    } input;

    void Report(std::string_view message, int atLeast = kConverted) {
        messages.write(message.data(), static_cast<std::streamsize>(message.size())).put('\n');
        ++reported;
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
        ReportBlankLines();
    }

    // A decoder list has no place for an empty line: one message for all.
    void ReportBlankLines() {
        if (input.blankLines == 0) return;
        Report(input.At(input.firstBlankLine) +
               (input.blankLines == 1 ? ": an empty line, left out"
                                      : ": the first of " + std::to_string(input.blankLines) +
                                            " empty lines, all left out"));
        input.blankLines = 0;
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
        } else if (const std::string refusal =
                       HeaderInLineMode(FieldsOfLine(start->firstLine, start->layout),
                                        start->firstLine, options.format == Format::Automatic,
                                        options.column, options.split, options.names);
                   !refusal.empty()) {
            Stop(input.At(start->firstLineNumber) + ": " + refusal);
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

    void ReadLines(bool complete) {
        while (const std::optional<std::string_view> line = input.lines->Next(complete)) {
            ++input.line;
            const IdReading reading = ReadId(*line, options.split, false, options.addressing);
            if (reading.id) {
                ++tally.converted;
            } else {
                ++tally.refused;
                Report(input.At(input.line) + ": " + reading.refusal, kRefused);
            }
            building.clear();
            AppendForms(building, reading.id, options.forms, options.split, options.addressing);
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
            if (step == TableReader::Step::BlankLine) {
                OnBlankLine(input.table->Lines().first);
                continue;
            }
            if (step == TableReader::Step::UnclosedQuote) {
                Stop(input.At(input.table->Line()) +
                     ": a quoted field opens here and does not close; the rest of the input "
                     "is not read");
            } else if (step == TableReader::Step::RowTooLong) {
                Stop(input.At(input.table->Lines().first) + ": a row longer than " +
                     InMebibytes(kMaxRowBytes) + "; the rest is skipped");
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
        // What was changed in the row is named once, and is no problem.
        std::string changes;
        if (lines.last > lines.first) {
            changes = "this row runs over lines " + std::to_string(lines.first) + "-" +
                      std::to_string(lines.last) + " (a quoted field holds a line break)";
        }
        const std::size_t idColumn = IdCell(row, columns);
        const IdReading reading = ReadId(FieldAt(row, idColumn), options.split,
                                         idColumn == columns.hex, options.addressing);
        if (reading.id) {
            for (const std::string& problem :
                 Disagreements(header, row, {idColumn, *reading.id}, columns, options.split,
                               options.addressing)) {
                Report(where + ": " + problem, kRefused);
            }
        }
        if (format == Format::Table) {
            if (!reading.id) {
                ++tally.refused;
                Report(where + ": " + reading.refusal, kRefused);
            }
            WriteTableRow(row, reading.id);
        } else {
            building.clear();
            const DecoderList::Added added =
                decoderList->Add(building, row, columns, reading, where);
            CountDecoderRow(reading, added, where);
            Join(changes, added.note);
        }
        if (!changes.empty()) Report(where + ": " + changes);
    }

    void OnBlankLine(LineNumber line) {
        if (!input.headerRead) return;
        if (format == Format::Table) {
            building = shape.lineEnd;
            return Write();
        }
        if (input.blankLines++ == 0) input.firstBlankLine = line;
    }

    bool ReadHeader(const Fields& names) {
        if (!header.empty()) {
            if (names == header) return true;
            Report(input.name + ": its header differs from the first input's; skipped", kFailed);
            return false;
        }
        const std::optional<std::size_t> id = FindIdColumn(names, options.column);
        if (!id) {
            Report(input.name + ": " + NoIdColumn(names, options.column, options.names), kFailed);
            return false;
        }
        Report(input.name + ": talk-group IDs read from column " + std::to_string(*id + 1) + ", '" +
               Printable(names[*id]) + "'");
        header = names;
        columns = ColumnsOf(header, *id);
        building.clear();
        if (format != Format::Table) {
            decoderList.emplace(*format, options.split, options.addressing);
            decoderList->Begin(building);
        } else {
            shape = ShapeOf(header, columns, input.layout, options.addressing);
            if (input.layout.byteOrderMark) building = kUtf8ByteOrderMark;
            AppendTableHeader(building, header, shape);
        }
        Write();
        return true;
    }

    void WriteTableRow(const Fields& row, std::optional<int> id) {
        if (id) ++tally.converted;
        building.clear();
        AppendTableRow(building, row, shape, id, options.split);
        Write();
    }

    void CountDecoderRow(const IdReading& reading, const DecoderList::Added& added,
                         const std::string& where) {
        if (!reading.id && !added.written) ++tally.refused;
        if (added.written) {
            ++tally.converted;
            Write();
        } else {
            ++tally.leftOut;
        }
        if (!added.problem.empty()) Report(where + ": " + added.problem, kRefused);
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
bool Converter::Reported() const { return m_state->reported > 0; }
std::optional<Format> Converter::Written() const { return m_state->format; }

}  // namespace zembra::lists
