// SPDX-License-Identifier: MIT
// A table's header: which of its columns holds the IDs, and which hold the
// forms, mode, names and tags that the output formats take over.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lists/id_grammar.h"

namespace zembra::lists {

using Fields = std::vector<std::string>;

inline constexpr std::size_t kNoColumn = std::string_view::npos;

// Each column's index in the header, kNoColumn where it has none.
struct Columns {
    std::size_t id = kNoColumn;
    std::size_t decimal = kNoColumn;
    std::size_t afs = kNoColumn;
    std::size_t hex = kNoColumn;
    std::size_t mode = kNoColumn;
    std::size_t name = kNoColumn;
    std::size_t alphaTag = kNoColumn;
    std::size_t description = kNoColumn;
    std::size_t tag = kNoColumn;
    std::size_t category = kNoColumn;
};

// The first column named `name`, whatever the case and blanks around it.
std::size_t FindColumn(const Fields& header, std::string_view name);

// The column that `wanted` names: a header name, else a number from 1; when
// it is empty, the first of kIdColumns that the header names.
std::optional<std::size_t> FindIdColumn(const Fields& header, std::string_view wanted);

// Whether `wanted` names a column by its number.
bool IsColumnNumber(std::string_view wanted);

// Whether a table's first line names its ID column as FindIdColumn finds
// it; by number only when the field there is no talk-group ID.
bool NamesIdColumn(const Fields& header, std::string_view wanted, const Split& split);

Columns ColumnsOf(const Fields& header, std::size_t id);

// The row's ID cell: the ID column's, or where that is empty the first
// other column of an ID form that is not, as people fill listings in.
std::size_t IdCell(const Fields& row, const Columns& columns);

// Where the other ID form columns of a row name other talk groups than the
// ID read from `cell`, or hold no ID: one problem each.
struct CellId {
    std::size_t cell;
    int id;
};
std::vector<std::string> Disagreements(const Fields& header, const Fields& row, CellId read,
                                       const Columns& columns, const Split& split,
                                       Addressing addressing);

// Why a first line with delimiters and no ID, read in line mode, is a
// table's header rather than a refused ID; "" when it is none. `automatic`
// when line mode was chosen for it, as the ID column is not among its names.
std::string HeaderInLineMode(const Fields& fields, std::string_view line, bool automatic,
                             std::string_view wanted, const Split& split,
                             const SettingNames& names);

// Why no ID column was found: what was looked for, the columns there are,
// and how to name one.
std::string NoIdColumn(const Fields& header, std::string_view wanted, const SettingNames& names);

// A field of a row, empty where the row is too short or the column missing.
inline std::string_view FieldAt(const Fields& row, std::size_t column) {
    if (column >= row.size()) return {};
    return row[column];
}

}  // namespace zembra::lists
