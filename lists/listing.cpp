// SPDX-License-Identifier: MIT
// Reading a whole listing with the table reader and the ID grammar.
#include "lists/listing.h"

#include <algorithm>

#include "lists/convert.h"
#include "lists/table_reader.h"
#include "lists/text.h"

namespace zembra::lists {

namespace {

bool Blank(const Fields& row) {
    return std::all_of(row.begin(), row.end(),
                       [](const std::string& field) { return TrimBlanks(field).empty(); });
}

}  // namespace

ListingRead ReadListing(std::string_view text, std::string_view name, std::string_view column,
                        const Split& split, Addressing addressing, const SettingNames& names) {
    ListingRead read;
    Listing& listing = read.listing;
    listing.name = Printable(name, kWhole);
    const auto fail = [&read](std::string message) {
        read.messages.push_back(std::move(message));
        read.status = kFailed;
        return read;
    };
    const std::optional<InputStart> start = ReadInputStart(text, true);
    if (!start || start->utf16) return fail(listing.name + ": UTF-16 text, which is not read");
    listing.layout = start->layout;
    if (listing.layout.byteOrderMark) text.remove_prefix(kUtf8ByteOrderMark.size());
    TableReader table(listing.layout);
    table.Append(text);
    for (TableReader::Step step = table.Next(true);; step = table.Next(true)) {
        if (step == TableReader::Step::UnclosedQuote) {
            return fail(listing.name + ":" + std::to_string(table.Line()) +
                        ": a quoted field opens here and does not close");
        }
        if (step == TableReader::Step::RowTooLong) {
            return fail(listing.name + ":" + std::to_string(table.Lines().first) +
                        ": a row longer than " + InMebibytes(kMaxRowBytes));
        }
        if (step == TableReader::Step::BlankLine) {
            // Inside the table an empty line keeps its place, as in the converter's tables.
            if (!listing.header.empty()) {
                listing.rows.push_back({{}, table.Lines().first, std::nullopt, true});
            }
            continue;
        }
        if (step != TableReader::Step::Row) break;
        if (listing.header.empty() && Blank(table.Fields())) continue;
        if (listing.header.empty()) {
            const std::optional<std::size_t> id = FindIdColumn(table.Fields(), column);
            if (!id) return fail(listing.name + ": " + NoIdColumn(table.Fields(), column, names));
            listing.header = table.Fields();
            listing.columns = ColumnsOf(listing.header, *id);
            continue;
        }
        ListingRow row{table.Fields(), table.Lines().first, std::nullopt};
        const std::size_t id = listing.columns.id;
        const IdReading reading =
            ReadId(FieldAt(row.fields, id), split, id == listing.columns.hex, addressing);
        row.id = reading.id;
        if (!row.id) {
            read.messages.push_back(listing.name + ":" + std::to_string(row.line) + ": " +
                                    reading.refusal);
            read.status = kRefused;
        }
        listing.rows.push_back(std::move(row));
    }
    if (listing.header.empty()) return fail(listing.name + ": no header row");
    return read;
}

}  // namespace zembra::lists
