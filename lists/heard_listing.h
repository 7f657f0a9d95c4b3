// SPDX-License-Identifier: MIT
// What a decoder heard, written as a listing the rest of the list library
// reads: one row per talk group in decimal order, or a listing's own rows
// with what was heard of each added and the groups it lacks after them.
#pragma once

#include <string>

#include "lists/decoder_log.h"
#include "lists/listing.h"

namespace zembra::lists {

// The columns added to each row.
inline constexpr std::array<std::string_view, 5> kHeardColumns = {"Heard", "First heard",
                                                                  "Last heard", "Radios", "Calls"};

// A heard talk group's stub name: "TG 1234 (09-102)", "TG 40000" above 2047.
std::string StubName(int id, const Split& split);

// Decimal,AFS,Hex,Alpha Tag and the heard columns, comma-separated.
std::string HeardListing(const HeardGroups& groups, const Split& split);

// A merged listing, and the message naming the heard columns the listing
// already had (from an earlier merge), whose values are replaced.
struct Merged {
    std::string text;
    std::string replaced;  // empty when the listing had none
};

// The listing's rows in their order, each with the heard columns (0 and
// empty where never heard), then stub rows for the groups heard that no row
// names. Its empty lines keep their place. A heard column the listing has
// holds what these logs say; nothing else a row holds is changed.
Merged MergedListing(const Listing& listing, const HeardGroups& groups, const Split& split);

}  // namespace zembra::lists
