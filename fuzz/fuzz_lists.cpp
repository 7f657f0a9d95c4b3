// SPDX-License-Identifier: MIT
// Feeds arbitrary bytes to the list library in every format, with standard
// or Extended Addressing as the first byte says: as one input,
// as two inputs through one Converter, through ConvertText, and in blocks
// cut where the fuzzer's first bytes say. Beyond not crashing it checks
// that no line of the input is lost without a word (every line's row is
// written, or the line is named in a message, or the status is a failure)
// and that the output does not depend on where the blocks are cut; the
// same for the decoder log reader.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "lists/convert.h"
#include "lists/heard_listing.h"

namespace {

using namespace zembra::lists;

void Check(bool condition) {
    if (!condition) std::abort();
}

struct Run {
    std::string output;
    std::string messages;
    int status = kConverted;
};

// One input fed in blocks whose sizes the cuts give (all of it when none).
Run Feed(const Options& options, std::string_view text, std::string_view cuts) {
    std::ostringstream out, messages;
    Converter converter(options, out, messages);
    converter.Begin("input");
    for (std::size_t i = 0; !text.empty(); ++i) {
        const std::size_t size = cuts.empty()
                                     ? text.size()
                                     : 1 + static_cast<unsigned char>(cuts[i % cuts.size()]) % 64u;
        converter.Feed(text.substr(0, size));
        text.remove_prefix(std::min(size, text.size()));
    }
    converter.End();
    return {out.str(), messages.str(), converter.Status()};
}

// Whether a message names the line: "input:N:" or a row over "lines F-L".
bool Named(const std::string& messages, std::int64_t line) {
    std::istringstream lines(messages);
    for (std::string message; std::getline(lines, message);) {
        if (message.starts_with("input:" + std::to_string(line) + ":")) return true;
        const std::size_t span = message.find("runs over lines ");
        if (span == std::string::npos) continue;
        long first = 0, last = 0;
        std::sscanf(message.c_str() + span, "runs over lines %ld-%ld", &first, &last);
        if (line >= first && line <= last) return true;
    }
    return false;
}

// Line mode writes one line for each line read, or fails.
void CheckLines(std::string_view text, const Run& run) {
    if (run.status == kFailed || text.empty()) return;
    const std::size_t end = text.find_first_of("\r\n");
    const bool crOnly = end != std::string_view::npos && text[end] == '\r' &&
                        (end + 1 == text.size() || text[end + 1] != '\n');
    const char counted = crOnly ? '\r' : '\n';
    const auto lines = std::count(text.begin(), text.end(), counted);
    const auto written = std::count(run.output.begin(), run.output.end(), '\n');
    Check(written == lines + (text.back() == counted ? 0 : 1));
}

// Each line of the text as a row of a decoder list, its ID its line number
// and the line its name, with the delimiter and line end the second cut
// byte chooses: every row's line is written, or named in a message, or the
// status is a failure.
void CheckEveryLineAccounted(std::string_view text, std::string_view cuts, Format format) {
    constexpr std::string_view kLineEnds[] = {"\n", "\r\n", "\r"};
    const auto choice = static_cast<unsigned char>(cuts.size() > 1 ? cuts[1] : 0);
    const std::string d(1, (choice & 1) != 0 ? '\t' : ',');
    const std::string_view end = kLineEnds[(choice >> 1) % 3];
    std::string table = "DEC" + d + "Name" + std::string(end);
    std::int64_t line = 1;
    // Fewer rows than dsd-fme holds, which names only the first it loses.
    for (std::size_t start = 0; start < text.size() && line < 1000;) {
        const std::size_t stop = std::min(text.find('\n', start), text.size());
        std::string name(text.substr(start, stop - start));
        if (end != "\n") std::erase(name, '\r');  // a CR would end the row early
        table += std::to_string(++line) + d + name + std::string(end);
        start = stop + 1;
    }
    Options dsd;
    dsd.format = format;
    Run run = Feed(dsd, table, cuts);
    std::ranges::replace(run.output, '\r', '\n');
    for (std::int64_t row = 2; row <= line && run.status != kFailed; ++row) {
        const bool written = run.output.find("\n" + std::to_string(row) + ",") != std::string::npos;
        Check(written || Named(run.messages, row));
    }
}

// The decoder log reader: the same heard listing and messages wherever the
// blocks are cut, and every line counted in the listing's Heard column.
struct LogRun {
    std::string output;
    std::string messages;
    friend bool operator==(const LogRun&, const LogRun&) = default;
};

LogRun ReadLog(std::string_view text, std::string_view cuts, bool extended) {
    std::ostringstream messages;
    const Addressing addressing = extended ? Addressing::Extended : Addressing::Standard;
    LogReader reader(LogOptions{Split{}, addressing, true}, messages);
    reader.Begin("log");
    for (std::size_t i = 0; !text.empty(); ++i) {
        const std::size_t size = cuts.empty()
                                     ? text.size()
                                     : 1 + static_cast<unsigned char>(cuts[i % cuts.size()]) % 64u;
        reader.Feed(text.substr(0, size));
        text.remove_prefix(std::min(size, text.size()));
    }
    reader.End();
    std::int64_t heard = 0;
    for (const auto& [id, group] : reader.Groups()) heard += group.lines;
    Check(heard == reader.Counted());
    return {HeardListing(reader.Groups(), Split{}), messages.str()};
}

void CheckLog(std::string_view text, std::string_view cuts) {
    for (const bool extended : {false, true}) {
        Check(ReadLog(text, "", extended) == ReadLog(text, cuts, extended));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::size_t cutBytes = std::min<std::size_t>(bytes.size(), 8);
    const std::string_view cuts = bytes.substr(0, cutBytes);
    const std::string_view text = bytes.substr(cutBytes);
    const Addressing addressing =
        !cuts.empty() && (cuts[0] & 1) != 0 ? Addressing::Extended : Addressing::Standard;
    for (const Format format : {Format::Automatic, Format::Table, Format::Dsd, Format::DsdNeo,
                                Format::DsdFme, Format::RadioReference, Format::Lines}) {
        Options options;
        options.format = format;
        options.addressing = addressing;
        const Run whole = Feed(options, text, "");
        const Run cut = Feed(options, text, cuts);
        Check(whole.output == cut.output && whole.messages == cut.messages &&
              whole.status == cut.status);
        const Result result = ConvertText(options, text);
        Check(result.output == whole.output && result.status == whole.status);
        if (format == Format::Lines) CheckLines(text, whole);
        std::ostringstream out, messages;
        Converter twice(options, out, messages);
        std::istringstream first{std::string(text)}, second{std::string(text)};
        twice.Convert(first, "a");
        twice.Convert(second, "b");
        Check(twice.Status() >= whole.status);
    }
    for (const Format format :
         {Format::Dsd, Format::DsdNeo, Format::DsdFme, Format::RadioReference}) {
        CheckEveryLineAccounted(text, cuts, format);
    }
    CheckLog(text, cuts);
    return 0;
}
