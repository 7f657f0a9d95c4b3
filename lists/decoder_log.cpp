// SPDX-License-Identifier: MIT
// The decoder event log reader: one line's fields (date, time, system, the
// AFS or TGT talk group, the radio and the call's kind), checked against the
// split the decoder was set to, and added to what was heard.
#include "lists/decoder_log.h"

#include <algorithm>
#include <istream>
#include <optional>
#include <ostream>
#include <utility>

#include "lists/convert.h"
#include "lists/input_start.h"
#include "lists/line_reader.h"
#include "lists/splits.h"
#include "lists/text.h"

namespace zembra::lists {

namespace {

constexpr std::size_t kBlockBytes = std::size_t{1} << 16;
// A radio is numbered in at most this many digits.
constexpr long kRadioLimit = 100000000;
constexpr long kLidCount = 16384;

std::string_view NextWord(std::string_view& text) {
    const std::size_t start = std::min(text.find_first_not_of(' '), text.size());
    text.remove_prefix(start);
    const std::size_t end = std::min(text.find(' '), text.size());
    const std::string_view word = text.substr(0, end);
    text.remove_prefix(end);
    return word;
}

// Digits where the pattern has 'd', the pattern's other characters as they are.
bool Matches(std::string_view text, std::string_view pattern) {
    return text.size() == pattern.size() &&
           std::equal(pattern.begin(), pattern.end(), text.begin(),
                      [](char p, char c) { return p == 'd' ? c >= '0' && c <= '9' : p == c; });
}

bool IsDate(std::string_view word) {
    return Matches(word, "dddd/dd/dd") || Matches(word, "dddd-dd-dd");
}

bool IsTime(std::string_view word) { return Matches(word.substr(0, 8), "dd:dd:dd"); }

// A run of decimal digits whose value is below `limit`.
std::optional<long> Decimal(std::string_view digits, long limit) {
    if (digits.empty() || digits.size() > 9) return std::nullopt;
    long value = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value >= limit) return std::nullopt;
    return value;
}

// What one line's fields say, the first of each kind.
struct LineFields {
    std::string_view when;  // date and time
    std::string_view system;
    std::optional<std::string_view> afs, target, lid, source;
    unsigned kinds = 0;
};

unsigned KindsOf(std::string_view field) {
    unsigned kinds = 0;
    for (std::string_view word = NextWord(field); !word.empty(); word = NextWord(field)) {
        const auto found = std::find(kCallWords.begin(), kCallWords.end(), word);
        if (found != kCallWords.end()) kinds |= 1u << (found - kCallWords.begin());
    }
    return kinds;
}

void ReadField(std::string_view field, LineFields& fields) {
    field = TrimBlanks(field);
    const auto value = [field](std::string_view key) -> std::optional<std::string_view> {
        if (!field.starts_with(key)) return std::nullopt;
        return TrimBlanks(field.substr(key.size()));
    };
    constexpr std::pair<std::string_view, std::optional<std::string_view> LineFields::*> kKeys[] = {
        {"AFS:", &LineFields::afs},
        {"TGT:", &LineFields::target},
        {"LID:", &LineFields::lid},
        {"SRC:", &LineFields::source}};
    for (const auto& [key, member] : kKeys) {
        if (const auto found = value(key); found && !(fields.*member)) fields.*member = found;
    }
    if (field.ends_with(" Call")) fields.kinds |= KindsOf(field);
}

// The fields of a line of an EDACS system; nullopt for any other line. A
// line whose system comes first or second lacks its date or time.
std::optional<LineFields> FieldsOf(std::string_view line) {
    std::string_view rest = line;
    std::array<std::string_view, 3> words;
    for (std::string_view& word : words) word = NextWord(rest);
    const auto system = std::find_if(words.begin(), words.end(), [](std::string_view word) {
        return word.starts_with("EDACS");
    });
    if (system == words.end()) return std::nullopt;
    LineFields fields;
    fields.system = *system;
    rest = line.substr(static_cast<std::size_t>(system->data() + system->size() - line.data()));
    if (system == words.begin() + 2 && IsDate(words[0]) && IsTime(words[1])) {
        fields.when = line.substr(
            0, static_cast<std::size_t>(words[1].data() + words[1].size() - line.data()));
    }
    while (!rest.empty()) {
        const std::size_t end = std::min(rest.find(';'), rest.size());
        ReadField(rest.substr(0, end), fields);
        rest.remove_prefix(std::min(end + 1, rest.size()));
    }
    return fields;
}

// ProVoice's "9-82": the agency, then fleet and subfleet as one number.
std::optional<int> ProVoiceId(std::string_view text) {
    const std::size_t dash = text.find('-');
    if (dash == std::string_view::npos || dash > 2) return std::nullopt;
    const auto agency = Decimal(text.substr(0, dash), 16);
    const auto rest = text.substr(dash + 1);
    const auto within = rest.size() <= 3 ? Decimal(rest, 128) : std::nullopt;
    if (!agency || !within) return std::nullopt;
    return static_cast<int>(*agency * 128 + *within);
}

// The splits under which an AFS text names the talk group.
std::string SplitsNaming(std::string_view afs, int id) {
    std::string names;
    for (const Split& split : AllSplits()) {
        if (ReadId(afs, split).id != id) continue;
        names += (names.empty() ? "" : ", ") + SplitName(split);
    }
    return names;
}

}  // namespace

void Heard::AddRadio(long radio) {
    if (radio >= kLidCount) {
        radios += m_wider.insert(radio).second ? 1 : 0;
        return;
    }
    if (m_lids.empty()) m_lids.resize(kLidCount);
    auto lid = m_lids[static_cast<std::size_t>(radio)];
    radios += lid ? 0 : 1;
    lid = true;
}

std::string KindWords(unsigned kinds) {
    std::string words;
    for (std::size_t i = 0; i < kCallWords.size(); ++i) {
        if ((kinds & (1u << i)) == 0) continue;
        if (!words.empty()) words += ' ';
        words += kCallWords[i];
    }
    return words;
}

struct LogReader::State {
    State(LogOptions from, std::ostream& messageStream)
        : options(std::move(from)), messages(messageStream) {}

    LogOptions options;
    std::ostream& messages;
    HeardGroups groups;
    int status = kConverted;
    std::int64_t counted = 0;

    // The log being read.
    std::string name;
    std::optional<LineReader> lines;
    // Counted in 64 bits, as long has 32 on Windows.
    std::int64_t line = 0;
    std::int64_t withoutGroup = 0;
    std::int64_t extendedLines = 0;
    std::int64_t firstExtended = 0;

    std::string At(std::int64_t number) const { return name + ":" + std::to_string(number); }

    void Report(std::string_view message, int atLeast) {
        messages.write(message.data(), static_cast<std::streamsize>(message.size())).put('\n');
        status = std::max(status, atLeast);
    }

    void Begin(std::string_view logName) {
        name = Printable(logName, kWhole);
        lines.emplace('\n');
        line = withoutGroup = extendedLines = firstExtended = 0;
    }

    void ReadLines(bool complete) {
        while (const std::optional<std::string_view> next = lines->Next(complete)) {
            ++line;
            std::string_view text = *next;
            if (line == 1 && text.starts_with(kUtf8ByteOrderMark)) {
                text.remove_prefix(kUtf8ByteOrderMark.size());
            }
            OnLine(text);
        }
    }

    void End() {
        ReadLines(true);
        if (extendedLines > 0) {
            Report(At(firstExtended) + ": an Extended Addressing call (TGT:); " +
                       std::to_string(extendedLines) +
                       (extendedLines == 1 ? " such line is" : " such lines are") +
                       " not read without " +
                       (options.names.extended.empty() ? "Extended Addressing"
                                                       : options.names.extended),
                   kRefused);
        }
        if (withoutGroup > 0) {
            Report(name + ": " + std::to_string(withoutGroup) +
                       (withoutGroup == 1 ? " line names" : " lines name") +
                       " no EDACS talk group (other systems, status lines)",
                   kConverted);
        }
    }

    void OnLine(std::string_view text) {
        text = TrimBlanks(text);
        if (text.empty()) return;
        const std::optional<LineFields> fields = FieldsOf(text);
        if (!fields || (!fields->afs && !fields->target)) {
            ++withoutGroup;
            return;
        }
        if (fields->when.empty()) {
            return Report(At(line) + ": '" + Printable(text) +
                              "' names a talk group but starts with no date and time",
                          kRefused);
        }
        if (fields->afs) return OnAfs(*fields);
        if (options.addressing != Addressing::Extended) {
            if (extendedLines++ == 0) firstExtended = line;
            return;
        }
        const auto id = Decimal(*fields->target, kExtendedIds);
        if (!id) return Named("TGT '" + Printable(*fields->target) + "' is not a talk group");
        Add(static_cast<int>(*id), *fields, fields->source);
    }

    void OnAfs(const LineFields& fields) {
        std::string_view afs = *fields.afs;
        std::optional<long> id;
        if (const std::size_t open = afs.find(" ("); open != std::string_view::npos) {
            id = afs.ends_with(")")
                     ? Decimal(afs.substr(open + 2, afs.size() - open - 3), kStandardIds)
                     : std::nullopt;
            if (!id) return Named("AFS '" + Printable(afs) + "' names no talk group");
            afs = afs.substr(0, open);
        } else if (const auto proVoice = ProVoiceId(afs)) {
            id = *proVoice;
        } else {
            return Named("AFS '" + Printable(afs) + "' names no talk group");
        }
        const int group = static_cast<int>(*id);
        const bool named = ReadId(afs, options.split).id == group || ProVoiceId(afs) == group;
        if (options.splitKnown && !named) {
            const std::string under = SplitsNaming(afs, group);
            const std::string what = "AFS '" + Printable(afs) + "' is not talk group " +
                                     std::to_string(group) + " under ";
            if (under.empty()) return Named(what + "any split");
            return Named(what + SplitName(options.split) + " but under " + under +
                         ": the log was written under another split" +
                         (options.names.split.empty() ? "" : " (" + options.names.split + ")"));
        }
        Add(group, fields, fields.lid);
    }

    void Named(const std::string& why) { Report(At(line) + ": " + why, kRefused); }

    void Add(int id, const LineFields& fields, std::optional<std::string_view> radio) {
        Heard& heard = groups[id];
        if (heard.lines++ == 0) heard.first = fields.when;
        heard.last.assign(fields.when);
        if (const auto known = radio ? Decimal(*radio, kRadioLimit) : std::nullopt) {
            heard.AddRadio(*known);
        }
        heard.kinds |= fields.kinds;
        ++counted;
    }
};

LogReader::LogReader(LogOptions options, std::ostream& messages)
    : m_state(std::make_unique<State>(std::move(options), messages)) {}

LogReader::~LogReader() = default;

void LogReader::Begin(std::string_view name) { m_state->Begin(name); }

void LogReader::Feed(std::string_view bytes) {
    m_state->lines->Append(bytes);
    m_state->ReadLines(false);
}

void LogReader::End() { m_state->End(); }

void LogReader::Read(std::istream& in, std::string_view name) {
    Begin(name);
    std::string block(kBlockBytes, '\0');
    while (in.read(block.data(), static_cast<std::streamsize>(block.size())).gcount() > 0) {
        Feed(std::string_view(block).substr(0, static_cast<std::size_t>(in.gcount())));
    }
    if (in.bad()) return m_state->Report(m_state->name + ": read error", kFailed);
    End();
}

const HeardGroups& LogReader::Groups() const { return m_state->groups; }
int LogReader::Status() const { return m_state->status; }
std::int64_t LogReader::Counted() const { return m_state->counted; }

}  // namespace zembra::lists
