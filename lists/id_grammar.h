// SPDX-License-Identifier: MIT
// The grammar of one talk-group ID in a list: reading decimal, AFS and
// hexadecimal texts under any agency-fleet-subfleet split, and writing each
// form.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "lists/vocabulary.h"

namespace zembra::lists {

// Bit counts of agency, fleet and subfleet. 4:4:3 is written AA-FFS, other
// splits in the decoders' colon form, each group with 1 digit up to 3 bits,
// 2 up to 6 and 3 above: 1234 under 3:4:4 is 4:13:02.
struct Split {
    std::array<int, 3> bits = {4, 4, 3};
    friend bool operator==(const Split&, const Split&) = default;
};

// "3:4:4" or "344": three counts of at least 1 that add up to 11.
std::optional<Split> ParseSplit(std::string_view text);
// What is wrong with a split that ParseSplit does not read.
inline constexpr std::string_view kSplitProblem = "needs three bit counts adding up to 11";

// The talk groups from `first` to `last`, both included.
struct IdRange {
    int first = 0;
    int last = 0;
    friend bool operator==(const IdRange&, const IdRange&) = default;
    friend bool operator<(const IdRange& a, const IdRange& b) {
        return a.first < b.first || (a.first == b.first && a.last < b.last);
    }
};

// An ID read from a text, or why the text names none.
struct IdReading {
    std::optional<int> id;
    std::string refusal;  // set when id is empty: "'x' is not a talk-group ID (...)"
    // A partial AFS ID, refused as one ID: the talk groups it stands for.
    std::optional<IdRange> partial;
};

// Reads the ID a text names, blanks around it ignored: decimal, AFS, or
// hexadecimal after 0x or 0X (in a hex column also without the prefix).
// Extended Addressing reads numbers only, up to 65535 (0xFFFF).
IdReading ReadId(std::string_view text, const Split& split, bool hexColumn = false,
                 Addressing addressing = Addressing::Standard);

// Appends `id` in `form`: decimal, AFS under `split` (nothing for an
// Extended Addressing ID, which has no AFS form), or upper-case hex.
void AppendId(std::string& out, int id, IdForm form, const Split& split,
              Addressing addressing = Addressing::Standard);

// The longest IDs and lines read; a longer one is refused unread.
inline constexpr std::size_t kMaxIdBytes = 4096;

}  // namespace zembra::lists
