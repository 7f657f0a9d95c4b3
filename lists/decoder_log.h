// SPDX-License-Identifier: MIT
// Reading the event logs that EDACS decoders write: each line that carries
// a talk group adds to what was heard of it (lines, first and last time,
// radios, kinds of call), each line that names one but cannot be read is
// named in a message, and the lines without one are counted in a closing
// message. Bytes arrive in blocks cut anywhere, as for the converter.
#pragma once

#include <array>
#include <cstdint>
#include <iosfwd>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "lists/id_grammar.h"
#include "lists/text.h"

namespace zembra::lists {

// The words of a call's kind, in the order a listing writes them.
inline constexpr std::array<std::string_view, 11> kCallWords = {
    "Analog", "Digital", "Emergency", "Group", "I",    "ALL",
    "INTER",  "TEST",    "AGENCY",    "FLEET", "Voice"};

// What was heard of one talk group.
struct Heard {
    std::int64_t lines = 0;
    std::string first;  // the first line's date and time, as written
    std::string last;
    long radios = 0;     // the distinct known radios (LID or SRC)
    unsigned kinds = 0;  // bit i: kCallWords[i] was seen

    // Counts a radio once. The 14-bit LIDs of EDACS are marked in a bitmap,
    // so that time and memory stay flat however many radios talk; the wider
    // radio IDs of Extended Addressing go in a set.
    void AddRadio(long radio);

private:
    std::vector<bool> m_lids;
    std::unordered_set<long> m_wider;
};

// The talk groups heard, in decimal order.
using HeardGroups = std::map<int, Heard>;

struct LogOptions {
    Split split;  // the split the decoder was set to
    // Extended Addressing reads the TGT calls' 16-bit talk groups too.
    Addressing addressing = Addressing::Standard;
    // Whether each AFS text must name its talk group under `split`; not
    // when the split is what the log is read to find.
    bool splitKnown = true;
    SettingNames names{};  // for the hints in messages
};

class LogReader {
public:
    // Messages go to `messages`, one a line.
    LogReader(LogOptions options, std::ostream& messages);
    ~LogReader();
    LogReader(const LogReader&) = delete;
    LogReader& operator=(const LogReader&) = delete;

    // One log: Begin, Feed its bytes in blocks of any size, End. `name`
    // stands for it in messages, escaped as Printable does.
    void Begin(std::string_view name);
    void Feed(std::string_view bytes);
    void End();
    void Read(std::istream& in, std::string_view name);

    // The groups heard in every log read so far.
    const HeardGroups& Groups() const;
    // kConverted, kRefused when a line was named, kFailed for a read error.
    int Status() const;
    std::int64_t Counted() const;  // lines counted as heard

private:
    struct State;
    std::unique_ptr<State> m_state;
};

// The kinds seen, each word once in kCallWords' order, blank-separated.
std::string KindWords(unsigned kinds);

}  // namespace zembra::lists
