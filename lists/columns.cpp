// SPDX-License-Identifier: MIT
// Finding a table's columns by their names in the header row.
#include "lists/columns.h"

#include <algorithm>
#include <charconv>

#include "lists/id_grammar.h"
#include "lists/text.h"
#include "lists/vocabulary.h"

namespace zembra::lists {

namespace {

// A longer header is named in part in a message.
constexpr std::size_t kNamedColumns = 20;

bool SameName(std::string_view header, std::string_view name) {
    return SameIgnoringCase(TrimBlanks(header), name);
}

std::string IdColumnNames() {
    std::string names;
    for (std::size_t i = 0; i < kIdColumns.size(); ++i) {
        if (i > 0) names += i + 1 < kIdColumns.size() ? ", " : " or ";
        names += kIdColumns[i];
    }
    return names;
}

}  // namespace

std::size_t FindColumn(const Fields& header, std::string_view name) {
    const auto found = std::find_if(header.begin(), header.end(),
                                    [name](const std::string& h) { return SameName(h, name); });
    if (found == header.end()) return kNoColumn;
    return static_cast<std::size_t>(found - header.begin());
}

bool IsColumnNumber(std::string_view wanted) {
    return !wanted.empty() && wanted.size() < 10 && wanted[0] != '0' &&
           std::all_of(wanted.begin(), wanted.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::optional<std::size_t> FindIdColumn(const Fields& header, std::string_view wanted) {
    if (wanted.empty()) {
        for (const std::string_view name : kIdColumns) {
            const std::size_t column = FindColumn(header, name);
            if (column != kNoColumn) return column;
        }
        return std::nullopt;
    }
    if (const std::size_t column = FindColumn(header, wanted); column != kNoColumn) return column;
    std::size_t number = 0;
    std::from_chars(wanted.data(), wanted.data() + wanted.size(), number);
    if (!IsColumnNumber(wanted) || number > header.size()) return std::nullopt;
    return number - 1;
}

bool NamesIdColumn(const Fields& header, std::string_view wanted, const Split& split) {
    const auto id = FindIdColumn(header, wanted);
    if (!id) return false;
    if (!IsColumnNumber(wanted) || FindColumn(header, wanted) != kNoColumn) return true;
    return header.size() > 1 && !ReadId(header[*id], split).id;
}

Columns ColumnsOf(const Fields& header, std::size_t id) {
    const auto find = [&header](std::string_view name) { return FindColumn(header, name); };
    Columns columns{id,           find("DEC"),     find("AFS"),       find("Hex"),
                    find("Mode"), find("Name"),    find("Alpha Tag"), find("Description"),
                    find("Tag"),  find("Category")};
    if (columns.decimal == kNoColumn) columns.decimal = find("Decimal");
    return columns;
}

std::size_t IdCell(const Fields& row, const Columns& columns) {
    if (!TrimBlanks(FieldAt(row, columns.id)).empty()) return columns.id;
    for (const std::size_t other : {columns.decimal, columns.afs, columns.hex}) {
        if (!TrimBlanks(FieldAt(row, other)).empty()) return other;
    }
    return columns.id;
}

std::vector<std::string> Disagreements(const Fields& header, const Fields& row, CellId read,
                                       const Columns& columns, const Split& split,
                                       Addressing addressing) {
    std::vector<std::string> problems;
    for (const std::size_t other : {columns.decimal, columns.afs, columns.hex}) {
        if (other == read.cell || TrimBlanks(FieldAt(row, other)).empty()) continue;
        const IdReading reading = ReadId(row[other], split, other == columns.hex, addressing);
        if (reading.id == read.id) continue;
        if (!reading.id) {
            problems.push_back(Printable(header[other]) + " " + reading.refusal);
            continue;
        }
        problems.push_back(Printable(header[read.cell]) + " '" + Printable(row[read.cell]) +
                           "' and " + Printable(header[other]) + " '" + Printable(row[other]) +
                           "' name different talk groups (" + std::to_string(read.id) + ", " +
                           std::to_string(*reading.id) + ")");
    }
    return problems;
}

std::string HeaderInLineMode(const Fields& fields, std::string_view line, bool automatic,
                             std::string_view wanted, const Split& split,
                             const SettingNames& names) {
    line = TrimBlanks(line);
    if (line.find_first_of(",\t") == std::string_view::npos || ReadId(line, split).id) return "";
    if (automatic) return "a table without its ID column: " + NoIdColumn(fields, wanted, names);
    const std::string hint = names.table.empty() ? "" : " (" + names.table + ")";
    return "'" + Printable(line) +
           "' is a table's header, not a talk-group ID; read the input as a table" + hint +
           " or in the automatic format";
}

std::string NoIdColumn(const Fields& header, std::string_view wanted, const SettingNames& names) {
    std::string message = "no column ";
    if (wanted.empty()) {
        message += IdColumnNames();
    } else {
        message += "'" + Printable(wanted) + "'";
    }
    message += " among ";
    for (std::size_t i = 0; i < header.size() && i < kNamedColumns; ++i) {
        if (i > 0) message += ", ";
        message += "'" + Printable(header[i]) + "'";
    }
    if (header.size() > kNamedColumns) message += ", ...";
    message += "; name the ID column";
    return names.idColumn.empty() ? message : message + " with " + names.idColumn;
}

}  // namespace zembra::lists
