// SPDX-License-Identifier: MIT
// A listing read whole into memory, for the tools that look at all of its
// rows at once: merging what a decoder heard into it, and weighing which
// split fits it. Each row keeps its fields, its line and the ID it names.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lists/columns.h"
#include "lists/input_start.h"

namespace zembra::lists {

struct ListingRow {
    Fields fields;
    LineNumber line = 0;
    std::optional<int> id;   // empty where the row's ID was refused or the line is empty
    bool emptyLine = false;  // an empty line inside the table, kept for its place
};

struct Listing {
    std::string name;  // as messages show it
    Fields header;
    Columns columns;
    Layout layout;
    std::vector<ListingRow> rows;
};

struct ListingRead {
    Listing listing;
    std::vector<std::string> messages;  // refused IDs, and why a listing is not read
    int status = 0;                     // kConverted, kRefused or kFailed (nothing read)
};

// Reads a listing table as the converter does: the ID column as `column`
// names it (or found by its name), each row's ID read under `split`, 16-bit
// ones too for Extended Addressing; a message's hint in the words of `names`.
ListingRead ReadListing(std::string_view text, std::string_view name, std::string_view column,
                        const Split& split, Addressing addressing = Addressing::Standard,
                        const SettingNames& names = {});

}  // namespace zembra::lists
