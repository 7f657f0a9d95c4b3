// SPDX-License-Identifier: MIT
// The decoder lists' and the import file's rows, each talk group once, as
// their readers take them.
#include "lists/decoder_list.h"

#include "lists/text.h"
#include "lists/writers.h"

namespace zembra::lists {

namespace {

constexpr std::int32_t kNowhere = -1;

std::string RangeText(const IdRange& range) {
    return std::to_string(range.first) + "-" + std::to_string(range.last);
}

}  // namespace

DecoderList::DecoderList(Format format, const Split& split, Addressing addressing)
    : m_format(format),
      m_split(split),
      m_addressing(addressing),
      m_firstAt(static_cast<std::size_t>(IdCount(addressing)), kNowhere) {}

void DecoderList::Begin(std::string& out) const {
    if (m_format == Format::RadioReference) return AppendRadioReferenceHeader(out);
    AppendDsdHeader(out);
}

DecoderList::Added DecoderList::Add(std::string& out, const Fields& row, const Columns& columns,
                                    const IdReading& reading, const std::string& where) {
    if (!reading.id && reading.partial && m_format == Format::DsdNeo) {
        return AddRange(out, row, columns, reading, where);
    }
    if (!reading.id && reading.partial && m_format == Format::DsdFme) {
        return {false, reading.refusal + "; dsd-fme reads no ranges (dsd-neo does); row left out",
                ""};
    }
    if (!reading.id) return {false, reading.refusal + "; row left out", ""};
    std::int32_t& first = m_firstAt[static_cast<std::size_t>(*reading.id)];
    if (first != kNowhere) {
        return {false,
                "talk group " + std::to_string(*reading.id) + " again (first at " +
                    m_places[static_cast<std::size_t>(first)] + "); row left out",
                ""};
    }
    if (m_format == Format::DsdFme && m_groups == kDsdFmeGroups) {
        return {false,
                "talk group " + std::to_string(*reading.id) + " is beyond the " +
                    WithThousands(kDsdFmeGroups).String() +
                    " groups that dsd-fme holds; row left out",
                ""};
    }
    first = static_cast<std::int32_t>(m_places.size());
    m_places.push_back(where);
    Added added{true, "", WriteRow(out, row, columns, *reading.id)};
    if (m_format == Format::Dsd && m_groups == kDsdFmeGroups + 1) {
        added.problem = "talk group " + WithThousands(kDsdFmeGroups + 1).String() +
                        " of the list; the decoders hold " + WithThousands(kDsdFmeGroups).String() +
                        " and lose the rows from here on";
    }
    return added;
}

// dsd-neo carries a range row's mode to every talk group in it, and takes
// labels only from exact rows.
DecoderList::Added DecoderList::AddRange(std::string& out, const Fields& row,
                                         const Columns& columns, const IdReading& reading,
                                         const std::string& where) {
    const IdRange range = *reading.partial;
    const auto [first, added] = m_rangeFirstAt.try_emplace(range, where);
    if (!added) {
        return {false,
                "talk groups " + RangeText(range) + " again (first at " + first->second +
                    "); row left out",
                ""};
    }
    ++m_groups;
    std::string note = reading.refusal +
                       ", written as a range: dsd-neo gives its mode to every talk group in "
                       "it but labels only exact rows";
    const ListRow written =
        DsdRow(row, columns, RangeText(range), "talk groups " + RangeText(range));
    out += written.text;
    if (!written.note.empty()) note += "; " + written.note;
    return {true, "", note};
}

std::string DecoderList::WriteRow(std::string& out, const Fields& row, const Columns& columns,
                                  int id) {
    ++m_groups;
    ListRow written;
    if (m_format == Format::RadioReference) {
        written = RadioReferenceRow(row, columns, id);
    } else {
        std::string decimal, name;
        AppendId(decimal, id, IdForm::Decimal, m_split);
        AppendId(name, id, IdForm::Afs, m_split, m_addressing);
        // An Extended Addressing ID has no AFS form to name it by.
        written = DsdRow(row, columns, decimal, name.empty() ? decimal : name);
    }
    out += written.text;
    return written.note;
}

}  // namespace zembra::lists
