// SPDX-License-Identifier: MIT
#include "cli/line_converter.h"

#include <algorithm>
#include <bit>
#include <stdexcept>

namespace zembra::cli {

namespace {

constexpr std::size_t kChunkBytes = std::size_t{1} << 18;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

}  // namespace

LineConverter::LineConverter(const TalkGroupTable& table, const std::vector<IdForm>& forms,
                             OutputBuffer& out, Diagnostics& diagnostics)
    : m_table(table),
      m_out(out),
      m_diagnostics(diagnostics),
      m_slots(kIdCount * kSlotBytes),
      m_refusedLine(forms.size() - 1, '\t'),
      m_afsDash(table.Pattern().find('-')),
      m_buffer(kChunkBytes + sizeof(std::uint64_t)) {
    m_refusedLine += '\n';
    for (int id = 0; id < kIdCount; ++id) {
        std::string line;
        for (const IdForm form : forms) {
            line += (line.empty() ? "" : "\t") + table.Text(id, form);
        }
        line += '\n';
        if (line.size() > kSlotBytes) {
            throw std::logic_error("output line longer than its slot");
        }
        const auto index = static_cast<std::size_t>(id);
        line.copy(m_slots.data() + index * kSlotBytes, line.size());
        m_lengths[index] = static_cast<std::uint8_t>(line.size());
        m_decimalKeys[index] = Key(table.Decimal(id));
        m_afsKeys[index] = Key(table.Afs(id));
    }
    for (std::size_t length = 1; length <= kWordText; ++length) {
        int place = 1;
        for (std::size_t i = length; i-- > 0;) {
            m_decimalWeights[length][i] = place;
            place *= 10;
        }
    }
    const std::vector<int>& weights = table.AfsWeights();
    std::copy_n(weights.begin(), std::min(weights.size(), kWordText), m_afsWeights.begin());
}

// A text too long for a word gets a length byte that no line's key has.
std::uint64_t LineConverter::Key(std::string_view text) {
    if (text.size() > kWordText) {
        return ~std::uint64_t{0};
    }
    std::uint64_t key = std::uint64_t{text.size()} << 56U;
    for (std::size_t i = 0; i < text.size(); ++i) {
        key |= std::uint64_t{static_cast<unsigned char>(text[i])} << (8 * i);
    }
    return key;
}

void LineConverter::Convert(ByteSource& in, std::string_view source) {
    long number = 0;
    // A line cut by the end of a chunk, kept only up to two bytes past the
    // limit: enough to refuse it even when a carriage return is cut off.
    std::string pending;
    const auto keep = [&pending](const char* begin, const char* end) {
        const std::size_t room = kMaxLineBytes + 2 - pending.size();
        pending.append(begin, std::min(room, static_cast<std::size_t>(end - begin)));
    };
    for (;;) {
        const std::size_t count = in.Read(m_buffer.data(), kChunkBytes);
        if (count == 0) {
            break;
        }
        const char* position = m_buffer.data();
        const char* const end = position + count;
        if (!pending.empty()) {
            const auto* newline = static_cast<const char*>(std::memchr(position, '\n', count));
            if (newline == nullptr) {
                keep(position, end);
                continue;
            }
            keep(position, newline);
            ConvertLine(pending, source, ++number);
            pending.clear();
            position = newline + 1;
        }
        keep(ConvertLines(position, end, source, number), end);
    }
    if (!pending.empty()) {
        ConvertLine(pending, source, ++number);
    }
}

// Lines that hold exactly a decimal or AFS text of the table, the bulk of
// any list, are read as one word: eight bytes at once, the line end found
// among them, the ID that the bytes before it would name worked out from
// their digits, and the line taken only when it is that ID's text in the
// table. The buffer has eight bytes to spare behind the chunk, so the read
// never leaves it. Gives the ID, or -1 for a line to read the general way.
[[gnu::always_inline]] inline int LineConverter::PlainLineId(const char* position,
                                                             std::size_t available,
                                                             std::size_t& consumed) const {
    if constexpr (std::endian::native != std::endian::little) {
        return -1;
    }
    constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
    constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;
    constexpr std::uint64_t kLineFeeds = 0x0A0A0A0A0A0A0A0AULL;
    std::uint64_t word = 0;
    std::memcpy(&word, position, sizeof word);
    const std::uint64_t zeroed = word ^ kLineFeeds;
    const std::uint64_t found = (zeroed - kOnes) & ~zeroed & kHighBits;
    const auto length = static_cast<std::size_t>(std::countr_zero(found) / 8);
    if (found == 0 || length >= available) {
        return -1;
    }
    std::size_t textLength = length;
    if (textLength > 0 && position[textLength - 1] == '\r') {
        --textLength;
    }
    const std::uint64_t mask = (std::uint64_t{1} << (8 * textLength)) - 1;
    const std::uint64_t key = (word & mask) | (std::uint64_t{textLength} << 56U);
    const bool afs = position[m_afsDash] == '-';
    const Weights& weights = afs ? m_afsWeights : m_decimalWeights[textLength];
    int id = 0;
    for (std::size_t i = 0; i < kWordText; ++i) {
        id += (static_cast<int>((word >> (8 * i)) & 0xFFU) - '0') * weights[i];
    }
    if (static_cast<unsigned>(id) >= unsigned{kIdCount} ||
        (afs ? m_afsKeys : m_decimalKeys)[static_cast<std::size_t>(id)] != key) {
        return -1;
    }
    consumed = length + 1;
    return id;
}

// Plain lines are copied in batches straight into the output buffer; every
// other line goes through ConvertLine. Gives the start of the line that the
// chunk's end cuts off.
const char* LineConverter::ConvertLines(const char* position, const char* end,
                                        std::string_view source, long& number) {
    const std::size_t batch = m_out.FlushesLines() ? 1 : kBatchLines;
    const char* const slots = m_slots.data();
    const std::uint8_t* const lengths = m_lengths.data();
    while (position < end) {
        char* const begin = m_out.Reserve(batch * kSlotBytes);
        char* cursor = begin;
        std::size_t converted = 0;
        std::size_t consumed = 0;
        int id = 0;
        while (converted < batch && position < end &&
               (id = PlainLineId(position, static_cast<std::size_t>(end - position), consumed)) >=
                   0) {
            const auto index = static_cast<std::size_t>(id);
            std::memcpy(cursor, slots + index * kSlotBytes, kSlotBytes);
            cursor += lengths[index];
            position += consumed;
            ++converted;
        }
        number += static_cast<long>(converted);
        m_out.Commit(static_cast<std::size_t>(cursor - begin));
        m_out.EndLine();
        if (converted == batch || position == end) {
            continue;
        }
        const auto* newline = static_cast<const char*>(
            std::memchr(position, '\n', static_cast<std::size_t>(end - position)));
        if (newline == nullptr) {
            break;
        }
        ConvertLine({position, newline}, source, ++number);
        position = newline + 1;
    }
    return position;
}

void LineConverter::ConvertLine(std::string_view line, std::string_view source, long number) {
    if (number == 1 && line.starts_with(kByteOrderMark)) {
        line.remove_prefix(kByteOrderMark.size());
    }
    if (line.ends_with('\r')) {
        line.remove_suffix(1);
    }
    if (line.size() <= kMaxLineBytes) {
        if (const auto id = m_table.Parse(line)) {
            const auto index = static_cast<std::size_t>(*id);
            std::memcpy(m_out.Reserve(kSlotBytes), m_slots.data() + index * kSlotBytes, kSlotBytes);
            m_out.Commit(m_lengths[index]);
            m_out.EndLine();
            return;
        }
    }
    m_diagnostics.NotAnId(source, number, line);
    m_out.Append(m_refusedLine);
    m_out.EndLine();
}

}  // namespace zembra::cli
