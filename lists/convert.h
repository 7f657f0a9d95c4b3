// SPDX-License-Identifier: MIT
// Converting talk-group lists: plain lists of IDs line by line, and listing
// tables (CSV or tab-separated, with a header row) into a table with the
// three forms, the decoders' group list, or the listing site's CSV layout.
// Works on any streams and keeps no state outside a Converter, so that the
// program and an in-memory caller run the same code.
#pragma once

#include <array>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "lists/talk_groups.h"

namespace zembra::lists {

// Lines: one ID per line, the chosen forms tab-separated. The others read a
// table: Table writes it back with Decimal, AFS and Hex; Dsd writes the
// decoders' DEC,Mode,Name,Tag list; RadioReference the listing site's CSV.
enum class Format { Table, Dsd, RadioReference, Lines };

struct Options {
    Format format = Format::Lines;
    std::vector<IdForm> forms = {IdForm::Decimal, IdForm::Afs, IdForm::Hex};  // Lines only
    // The ID column of a table: a header name, else a number from 1; when
    // empty, the first of the usual header names.
    std::string column;
    Split split;
};

// Exit statuses: every ID converted; some rows refused, left out or
// inconsistent; an input or the run failed.
inline constexpr int kConverted = 0;
inline constexpr int kRefused = 1;
inline constexpr int kFailed = 2;

class Converter {
public:
    // Output goes to `out`, one message a line to `messages`.
    Converter(Options options, std::ostream& out, std::ostream& messages);
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts one input to its end; `name` stands for it in messages.
    // Inputs of a table format make one table and must share one header.
    void Convert(std::istream& in, const std::string& name);
    // Reports a failure of the caller's, such as a file that did not open.
    void Fail(const std::string& message);
    int Status() const { return m_status; }

private:
    struct Input;
    // Columns of the table by their header names; kNone where absent.
    struct Columns {
        std::size_t id, decimal, afs, hex, mode, alphaTag, description, tag, category;
    };
    static void OnField(void* data, std::size_t size, void* self);
    static void OnRowEnd(int end, void* self);
    void ConvertLines(std::string_view bytes, Input& input);
    void ConvertLine(std::string_view line, Input& input);
    void ConvertTable(std::string_view bytes, Input& input);
    void OnRow(std::vector<std::string>& row, Input& input, long line);
    bool ReadHeader(const std::vector<std::string>& header, Input& input);
    void CrossCheck(const std::vector<std::string>& row, int id, const std::string& where);
    void WriteRow(std::vector<std::string>& row, std::optional<int> id, const std::string& where);
    void WriteCleaned(std::vector<std::string> fields, const std::vector<std::string>& names,
                      const std::string& where);
    void WriteLine(const std::vector<std::string>& fields, char delimiter,
                   std::string_view lineEnd);
    // The column that holds each form, with kNone for a form the table lacks.
    std::array<std::pair<IdForm, std::size_t>, 3> FormColumns() const;
    IdColumn KindOf(std::size_t column) const;
    void Note(const std::string& message);
    void Refuse(const std::string& message);

    Options m_options;
    TalkGroups m_groups;
    std::ostream& m_out;
    std::ostream& m_messages;
    int m_status = kConverted;
    std::vector<std::string> m_header;  // of the first table; empty until read
    Columns m_columns{};
    std::vector<IdForm> m_added;  // the forms the table gets as new columns
    char m_delimiter = ',';
    std::string m_lineEnd = "\n";
    std::array<std::string, kIdCount> m_seenAt;  // where each ID was written first
    Input* m_input = nullptr;
    std::string m_line;  // the output line being built
};

struct Result {
    std::string output;
    std::vector<std::string> messages;
    int status;
};

// One input held in memory, for callers without files.
Result ConvertText(const Options& options, std::string_view text,
                   const std::string& name = "input");

}  // namespace zembra::lists
