// SPDX-License-Identifier: MIT
// Writing what a list becomes: the ID forms of a line, the listing table
// with its forms added or filled, the decoders' group list and the listing
// site's import file. Each appends one line to a buffer that the caller
// writes out, and says in a note what it had to change in a field.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lists/columns.h"
#include "lists/id_grammar.h"
#include "lists/input_start.h"

namespace zembra::lists {

// The forms of an ID, tab-separated, or empty fields for none.
void AppendForms(std::string& out, std::optional<int> id, const std::vector<IdForm>& forms,
                 const Split& split, Addressing addressing);

// Fields joined by `delimiter`, each quoted only when it must be (RFC 4180).
void AppendFields(std::string& out, const Fields& fields, char delimiter);

// The listing table's shape, as its first header sets it up.
struct TableShape {
    std::size_t headerSize = 0;
    std::array<std::size_t, 3> formColumns{};  // the columns of each IdForm
    std::vector<IdForm> added;                 // forms the header lacks, in columns of their own
    char delimiter = ',';
    std::string_view lineEnd = "\n";
    Addressing addressing = Addressing::Standard;
};
TableShape ShapeOf(const Fields& header, const Columns& columns, const Layout& layout,
                   Addressing addressing);
void AppendTableHeader(std::string& out, const Fields& header, const TableShape& shape);
// The row as read, with the forms filled where empty and added after.
void AppendTableRow(std::string& out, const Fields& row, const TableShape& shape,
                    std::optional<int> id, const Split& split);

// The decoders' DEC,Mode,Name,Tag list and the listing site's CSV layout.
// A decoder row's ID is a decimal ID or a range ("640-767"), its Name
// `fallbackName` when the listing row has none.
void AppendDsdHeader(std::string& out);
void AppendRadioReferenceHeader(std::string& out);
// A row of either list, its line end included, and a note of what was
// changed to fit the list, "" for nothing.
struct ListRow {
    std::string text;
    std::string note;
};
ListRow DsdRow(const Fields& row, const Columns& columns, std::string_view id,
               std::string_view fallbackName);
ListRow RadioReferenceRow(const Fields& row, const Columns& columns, int id);

// A text as the decoders can take it: no comma, quote, control or malformed
// UTF-8; and the first bytes of a text, cut between characters.
std::string CleanForDecoders(std::string_view text);
std::string_view CutBetweenCharacters(std::string_view text, std::size_t bytes);

}  // namespace zembra::lists
