// SPDX-License-Identifier: MIT
// The rows of the decoders' group lists and of the listing site's import
// file, as each reader takes them: every talk group once, dsd-neo's ranges
// for partial IDs, dsd-fme's 1,023 groups and no ranges, and the earlier
// dsd list as it always was.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "lists/columns.h"
#include "lists/id_grammar.h"
#include "lists/vocabulary.h"

namespace zembra::lists {

class DecoderList {
public:
    // `format` is one of Dsd, DsdNeo, DsdFme and RadioReference.
    DecoderList(Format format, const Split& split, Addressing addressing);

    // What became of a row: written or left out, a problem that leaves the
    // run at status 1 ("" for none), and a note of what was changed to fit
    // the list, which leaves the status as it is.
    struct Added {
        bool written = false;
        std::string problem;
        std::string note;
    };
    // Appends the header to `out`.
    void Begin(std::string& out) const;
    // Appends the row for an ID as read to `out`; `where` names the row's
    // place for a later row with the same talk group.
    Added Add(std::string& out, const Fields& row, const Columns& columns, const IdReading& reading,
              const std::string& where);

private:
    Added AddRange(std::string& out, const Fields& row, const Columns& columns,
                   const IdReading& reading, const std::string& where);
    std::string WriteRow(std::string& out, const Fields& row, const Columns& columns, int id);

    Format m_format;
    Split m_split;
    Addressing m_addressing;
    // Where each talk group was written, as an index into m_places: a
    // small table for every Extended Addressing ID, places only for those seen.
    std::vector<std::int32_t> m_firstAt;
    std::vector<std::string> m_places;
    std::map<IdRange, std::string> m_rangeFirstAt;  // where each range was written
    std::int64_t m_groups = 0;                      // the rows written
};

}  // namespace zembra::lists
