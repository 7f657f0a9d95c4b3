// SPDX-License-Identifier: MIT
// Writing heard talk groups as a listing, alone or merged into one.
#include "lists/heard_listing.h"

#include <algorithm>
#include <set>

#include "lists/text.h"
#include "lists/writers.h"

namespace zembra::lists {

namespace {

std::string Form(int id, IdForm form, const Split& split) {
    std::string text;
    if (form == IdForm::Afs && id >= kStandardIds) return text;  // Extended Addressing has no AFS
    AppendId(text, id, form, split);
    return text;
}

// Where each heard column is in a listing merged before, if it is.
using OwnColumns = std::array<std::optional<std::size_t>, kHeardColumns.size()>;

OwnColumns OwnHeardColumns(const Fields& header) {
    OwnColumns own;
    for (std::size_t column = 0; column < own.size(); ++column) {
        const auto named = std::find_if(header.begin(), header.end(), [&](const std::string& name) {
            return TrimBlanks(name) == kHeardColumns[column];
        });
        if (named != header.end()) own[column] = static_cast<std::size_t>(named - header.begin());
    }
    return own;
}

// The heard columns the listing has hold what was heard; the others go after
// the header's columns, at `at`, before any extra field.
void AddHeard(Fields& row, std::size_t at, const OwnColumns& own, const Heard* heard) {
    Fields values = {"0", "", "", "0", ""};
    if (heard) {
        values = {std::to_string(heard->lines), heard->first, heard->last,
                  std::to_string(heard->radios), KindWords(heard->kinds)};
    }
    if (row.size() < at) row.resize(at);
    Fields added;
    for (std::size_t column = 0; column < own.size(); ++column) {
        if (own[column]) {
            row[*own[column]] = std::move(values[column]);
        } else {
            added.push_back(std::move(values[column]));
        }
    }
    row.insert(row.begin() + static_cast<std::ptrdiff_t>(at), added.begin(), added.end());
}

std::string Replaced(const Listing& listing, const OwnColumns& own) {
    std::string names;
    for (std::size_t column = 0; column < own.size(); ++column) {
        if (own[column]) names.append(names.empty() ? "" : ", ").append(kHeardColumns[column]);
    }
    if (names.empty()) return names;
    return listing.name + ": its columns " + names +
           " (from an earlier merge) now hold what these logs say; what they held is replaced";
}

// A row of the listing's shape for a group it lacks: its ID in each ID
// column's form, its stub name where the listing keeps names.
Fields StubRow(const Listing& listing, int id, const Split& split) {
    const Columns& columns = listing.columns;
    Fields row(listing.header.size());
    const auto put = [&row](std::size_t column, std::string text) {
        if (column < row.size()) row[column] = std::move(text);
    };
    put(columns.id, Form(id, columns.id == columns.hex ? IdForm::Hex : IdForm::Decimal, split));
    if (columns.id == columns.afs && id < kStandardIds) {
        put(columns.id, Form(id, IdForm::Afs, split));
    }
    if (columns.id != columns.decimal) put(columns.decimal, Form(id, IdForm::Decimal, split));
    if (columns.id != columns.afs) put(columns.afs, Form(id, IdForm::Afs, split));
    if (columns.id != columns.hex) put(columns.hex, Form(id, IdForm::Hex, split));
    for (const std::size_t name : {columns.alphaTag, columns.name, columns.description}) {
        if (name >= row.size()) continue;
        row[name] = StubName(id, split);
        break;
    }
    return row;
}

void AppendRow(std::string& out, const Fields& row, const Layout& layout) {
    AppendFields(out, row, layout.delimiter);
    out += layout.lineEnd;
}

}  // namespace

std::string StubName(int id, const Split& split) {
    if (id >= kStandardIds) return "TG " + std::to_string(id);
    return "TG " + std::to_string(id) + " (" + Form(id, IdForm::Afs, split) + ")";
}

std::string HeardListing(const HeardGroups& groups, const Split& split) {
    std::string out = "Decimal,AFS,Hex,Alpha Tag";
    for (const std::string_view column : kHeardColumns) out.append(",").append(column);
    out += '\n';
    for (const auto& [id, heard] : groups) {
        Fields row = {Form(id, IdForm::Decimal, split), Form(id, IdForm::Afs, split),
                      Form(id, IdForm::Hex, split), StubName(id, split)};
        AddHeard(row, row.size(), {}, &heard);
        AppendRow(out, row, Layout{});
    }
    return out;
}

Merged MergedListing(const Listing& listing, const HeardGroups& groups, const Split& split) {
    const OwnColumns own = OwnHeardColumns(listing.header);
    Merged merged{listing.layout.byteOrderMark ? std::string(kUtf8ByteOrderMark) : "",
                  Replaced(listing, own)};
    std::string& out = merged.text;
    Fields header = listing.header;
    for (std::size_t column = 0; column < own.size(); ++column) {
        if (!own[column]) header.emplace_back(kHeardColumns[column]);
    }
    AppendRow(out, header, listing.layout);
    std::set<int> listed;
    for (const ListingRow& row : listing.rows) {
        if (row.emptyLine) {
            out += listing.layout.lineEnd;
            continue;
        }
        Fields fields = row.fields;
        const auto heard = row.id ? groups.find(*row.id) : groups.end();
        AddHeard(fields, listing.header.size(), own,
                 heard == groups.end() ? nullptr : &heard->second);
        AppendRow(out, fields, listing.layout);
        if (row.id) listed.insert(*row.id);
    }
    for (const auto& [id, heard] : groups) {
        if (listed.contains(id)) continue;
        Fields stub = StubRow(listing, id, split);
        AddHeard(stub, stub.size(), own, &heard);
        AppendRow(out, stub, listing.layout);
    }
    return merged;
}

}  // namespace zembra::lists
