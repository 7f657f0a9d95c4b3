// SPDX-License-Identifier: MIT
// Runs the cases in testdata/conversions and testdata/logs, one file each:
//   # comment lines
//   options: WORDS   a format name, ea, split=A:F:S, column=NAME
//   status: N        (0 when absent)
//   tally: TEXT      the tally in words
//   chose: FORMAT    what the automatic format chose ("none" for nothing)
//   name: TEXT       the input's name in messages ("input" when absent)
//   --- input [NAME] an input; several make one table, converted in order
//   --- log          a decoder log, read instead of the inputs, whose heard
//                    listing is the output
//   --- output, --- messages, --- reads
// A reads line is "ID absent", "ID allowed LABEL" or "ID locked LABEL": the
// talk group as the decoder's reader (decoder_models.h) takes it.
// Outside messages, \r stands for a carriage return, \xHH for a byte, \\ for
// a backslash, \{N}c for N times c, and a \ ending a line for no line end.
// Every case runs whole, a byte at a time and in blocks of random sizes, a
// log also with CR LF line ends, which must all give the same. The tables
// the cases expect are read back by a strict CSV reader in csv_test.py.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <sstream>

#include "decoder_models.h"
#include "lists/convert.h"
#include "lists/heard_listing.h"

namespace zembra::lists {
namespace {

namespace fs = std::filesystem;

struct Case {
    std::map<std::string, std::string> headers;
    std::vector<std::pair<std::string, std::string>> sections;  // in order
    std::optional<Format> format;
    Split split;
    Addressing addressing = Addressing::Standard;
    std::string column;
    std::string inputName = "input";  // in messages

    std::string Section(std::string_view name) const {
        for (const auto& [key, text] : sections)
            if (key == name) return text;
        return "";
    }
    bool Has(std::string_view name) const {
        return std::any_of(sections.begin(), sections.end(),
                           [&](const auto& s) { return s.first == name; });
    }
};

std::string Unescaped(std::string_view text) {
    std::string bytes;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text[at] != '\\' || at + 1 == text.size()) {
            bytes += text[at];
        } else if (const char next = text[++at]; next == 'r') {
            bytes += '\r';
        } else if (next == 'x') {
            bytes += static_cast<char>(std::stoi(std::string(text.substr(at + 1, 2)), nullptr, 16));
            at += 2;
        } else if (next == '{') {
            const std::size_t close = text.find('}', at);
            bytes.append(std::stoul(std::string(text.substr(at + 1, close - at - 1))),
                         text[close + 1]);
            at = close + 1;
        } else if (next != '\n') {
            bytes += next;
        }
    }
    return bytes;
}

void ReadOptions(Case& c, std::istringstream words) {
    for (std::string word; words >> word;) {
        if (word == "ea") c.addressing = Addressing::Extended;
        if (word.starts_with("split=")) c.split = ParseSplit(word.substr(6)).value();
        if (word.starts_with("column=")) c.column = word.substr(7);
        if (const auto format = FormatNamed(word)) c.format = format;
    }
}

Case Read(const fs::path& path) {
    Case c;
    std::ifstream in(path, std::ios::binary);
    for (std::string line; std::getline(in, line);) {
        if (line.starts_with("--- ")) {
            c.sections.emplace_back(line.substr(4), "");
        } else if (!c.sections.empty()) {
            c.sections.back().second += line + "\n";
        } else if (const std::size_t colon = line.find(": "); !line.starts_with("#")) {
            c.headers[line.substr(0, colon)] = line.substr(colon + 2);
        }
    }
    for (auto& [name, text] : c.sections)
        if (name != "messages") text = Unescaped(text);
    ReadOptions(c, std::istringstream(c.headers["options"]));
    if (c.headers.contains("name")) c.inputName = Unescaped(c.headers.at("name"));
    return c;
}

// A run's outcome, and the status and the tally as the case file words them.
struct Outcome {
    std::string output, messages, status, tally, chose;
};

void ExpectSame(const Outcome& got, const Outcome& expected, std::string_view how) {
    EXPECT_EQ(got.output, expected.output) << how;
    EXPECT_EQ(got.messages, expected.messages) << how;
    EXPECT_EQ(got.status, expected.status) << how;
}

// Feeds the text whole (cut 0), in blocks of `cut` bytes, or of random
// sizes (cut SIZE_MAX).
template <typename Feed>
void InBlocks(std::string_view text, std::size_t cut, Feed feed) {
    std::mt19937 random(7);
    if (cut == 0) cut = text.size() + 1;
    while (!text.empty()) {
        const std::size_t size = cut == SIZE_MAX ? 1 + random() % 200 : cut;
        feed(text.substr(0, size));
        text.remove_prefix(std::min(size, text.size()));
    }
}

Outcome Converted(const Case& c, std::size_t cut) {
    Options options;
    options.format = c.format.value_or(Format::Lines);
    options.split = c.split;
    options.addressing = c.addressing;
    options.column = c.column;
    std::ostringstream out, messages;
    Converter converter(options, out, messages);
    for (const auto& [section, text] : c.sections) {
        if (section != "input" && !section.starts_with("input ")) continue;
        const std::string named = section.size() > 6 ? section.substr(6) : "";
        converter.Begin(named.empty() ? c.inputName : named);
        InBlocks(text, cut, [&](std::string_view block) { converter.Feed(block); });
        converter.End();
    }
    const std::optional<Format> chose = converter.Written();
    return {out.str(), messages.str(), std::to_string(converter.Status()),
            Describe(converter.Counts()), chose ? std::string(NameOf(*chose)) : "none"};
}

// The log read in blocks, and its heard listing.
Outcome LogRead(const Case& c, std::string_view log, std::size_t cut) {
    LogOptions options;
    options.split = c.split;
    options.addressing = c.addressing;
    std::ostringstream messages;
    LogReader reader(options, messages);
    reader.Begin("log");
    InBlocks(log, cut, [&](std::string_view block) { reader.Feed(block); });
    reader.End();
    return {HeardListing(reader.Groups(), c.split), messages.str(), std::to_string(reader.Status()),
            "", ""};
}

Outcome Ran(const Case& c, std::size_t cut, bool crlf = false) {
    if (!c.Has("log")) return Converted(c, cut);
    std::string log = c.Section("log");
    if (crlf) {
        for (std::size_t at = 0; (at = log.find('\n', at)) != std::string::npos; at += 2)
            log.insert(at, "\r");
    }
    return LogRead(c, log, cut);
}

// The talk groups of the reads section, as the decoder takes them.
void ExpectReads(Format format, const std::string& output, const std::string& reads) {
    const bool neo = format == Format::DsdNeo;
    const model::DecoderRead read = neo ? model::ReadAsDsdNeo(output) : model::ReadAsDsdFme(output);
    EXPECT_EQ(read.problems, std::vector<std::string>{});
    std::istringstream lines(reads);
    for (std::string line; std::getline(lines, line);) {
        std::istringstream words(line);
        int id = 0;
        std::string state, label;
        words >> id >> state;
        std::getline(words >> std::ws, label);
        const model::View expected{state != "absent", state == "locked", label};
        const model::View got =
            neo ? model::LookUpAsDsdNeo(read.groups, id) : model::LookUpAsDsdFme(read.groups, id);
        EXPECT_EQ(got, expected) << "talk group " << id << ": found " << got.found << ", locked "
                                 << got.lockedOut << ", '" << got.label << "'";
    }
}

class CaseFile : public testing::TestWithParam<fs::path> {};

TEST_P(CaseFile, GivesWhatItExpects) {
    const Case c = Read(GetParam());
    const Outcome whole = Ran(c, 0);
    const Outcome expected{c.Section("output"), c.Section("messages"),
                           c.headers.contains("status") ? c.headers.at("status") : "0", "", ""};
    ExpectSame(whole, expected, "whole");
    ExpectSame(Ran(c, 1), whole, "a byte at a time");
    ExpectSame(Ran(c, SIZE_MAX), whole, "in blocks");
    if (c.Has("log")) ExpectSame(Ran(c, SIZE_MAX, true), whole, "with CR LF");
    for (const auto& [header, got] : {std::pair{"tally", whole.tally}, {"chose", whole.chose}}) {
        if (c.headers.contains(header)) {
            EXPECT_EQ(got, c.headers.at(header));
        }
    }
    const Format written = c.format.value_or(Format::Lines);
    if (written == Format::DsdNeo || written == Format::DsdFme) {
        ExpectReads(written, whole.output, c.Section("reads"));
    }
}

std::vector<fs::path> Cases() {
    std::vector<fs::path> paths;
    for (const char* folder : {ZEMBRA_LIST_CASES "/conversions", ZEMBRA_LIST_CASES "/logs"}) {
        for (const auto& entry : fs::directory_iterator(folder))
            if (entry.path().extension() == ".case") paths.push_back(entry.path());
    }
    std::sort(paths.begin(), paths.end());
    return paths;
}

INSTANTIATE_TEST_SUITE_P(Testdata, CaseFile, testing::ValuesIn(Cases()),
                         [](const testing::TestParamInfo<fs::path>& file) {
                             std::string name = file.param.parent_path().filename().string() + "_" +
                                                file.param.stem().string();
                             std::ranges::replace(name, '-', '_');
                             return name;
                         });

}  // namespace
}  // namespace zembra::lists
