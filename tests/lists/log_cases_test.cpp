// SPDX-License-Identifier: MIT
// The decoder log reader and the heard listing on the cases in
// testdata/logs: each case file holds a log, optionally a listing to merge
// it into (or, with the option fleetmaps, to weigh the splits of) and
// options (ea, split=A:F:S, fleetmaps, format=NAME for a decoder list), and
// the output, messages and status expected. Each
// runs whole, a byte at a time, in blocks of random sizes and with CR LF
// line ends, which must all give the same.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <sstream>

#include "lists/convert.h"
#include "lists/fleetmaps.h"
#include "lists/heard_listing.h"

namespace zembra::lists {
namespace {

using Sections = std::map<std::string, std::string>;

// "=== name" starts a section; lines before the first are comments.
Sections ReadCase(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    Sections sections;
    std::string* section = nullptr;
    for (std::string line; std::getline(in, line);) {
        if (line.starts_with("=== ")) {
            section = &sections[line.substr(4)];
        } else if (section) {
            *section += line + "\n";
        }
    }
    return sections;
}

struct LogRun {
    std::string output;
    std::string messages;
    int status = 0;
};

// A decoder list is written from the listing, as zembra-convert does.
void WriteDecoderList(LogRun& run, Format format, const Split& split) {
    std::ostringstream out, messages;
    Options options;
    options.format = format;
    options.split = split;
    Converter converter(options, out, messages);
    converter.Begin("heard talk groups");
    converter.Feed(run.output);
    converter.End();
    run.output = out.str();
    run.messages += messages.str();
    run.status = std::max(run.status, converter.Status());
}

LogRun Read(const Sections& sections, std::string_view log, std::size_t cut, unsigned seed) {
    LogOptions options;
    const std::string given = sections.contains("options") ? sections.at("options") : "";
    if (given.find("ea\n") != std::string::npos) options.addressing = Addressing::Extended;
    if (const std::size_t split = given.find("split="); split != std::string::npos) {
        options.split = *ParseSplit(given.substr(split + 6, 5));
    }
    const bool fleetmaps = given.find("fleetmaps\n") != std::string::npos;
    options.splitKnown = !fleetmaps;
    std::ostringstream messages;
    LogReader reader(options, messages);
    reader.Begin("log");
    std::mt19937 random(seed);
    while (!log.empty()) {
        const std::size_t size = cut > 0 ? cut : 1 + random() % 200;
        reader.Feed(log.substr(0, size));
        log.remove_prefix(std::min(size, log.size()));
    }
    reader.End();
    LogRun run{HeardListing(reader.Groups(), options.split), messages.str(), reader.Status()};
    if (fleetmaps)
        run.output = FleetmapReport(WeighSplits(FleetmapRows(reader.Groups(), "log")), "log");
    if (sections.contains("listing")) {
        const ListingRead read = ReadListing(sections.at("listing"), "listing", "", options.split);
        for (const std::string& message : read.messages) run.messages += message + "\n";
        run.status = std::max(run.status, read.status);
        if (read.status == kFailed) {
            run.output.clear();  // as zembra-convert writes nothing then
        } else if (fleetmaps) {
            run.output = FleetmapReport(WeighSplits(FleetmapRows(read.listing)), "listing");
        } else {
            const Merged merged = MergedListing(read.listing, reader.Groups(), options.split);
            run.output = merged.text;
            if (!merged.replaced.empty()) run.messages += merged.replaced + "\n";
        }
    }
    if (const std::size_t format = given.find("format="); format != std::string::npos) {
        const std::string name = given.substr(format + 7, given.find('\n', format) - format - 7);
        WriteDecoderList(run, *FormatNamed(name), options.split);
    }
    return run;
}

class LogCase : public testing::TestWithParam<std::filesystem::path> {};

TEST_P(LogCase, GivesWhatItExpects) {
    const Sections sections = ReadCase(GetParam());
    const std::string& log = sections.at("log");
    std::string crlf;
    for (const char c : log) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    const LogRun whole = Read(sections, log, log.size() + 1, 0);
    EXPECT_EQ(whole.output, sections.at("output"));
    EXPECT_EQ(whole.messages, sections.contains("messages") ? sections.at("messages") : "");
    EXPECT_EQ(std::to_string(whole.status) + "\n", sections.at("status"));
    for (const auto& [text, cut] : {std::pair{log, std::size_t{1}}, {log, 0}, {crlf, 0}}) {
        const LogRun again = Read(sections, text, cut, 7);
        EXPECT_EQ(again.output, whole.output);
        EXPECT_EQ(again.messages, whole.messages);
        EXPECT_EQ(again.status, whole.status);
    }
}

std::vector<std::filesystem::path> Cases() {
    std::vector<std::filesystem::path> cases;
    for (const auto& entry : std::filesystem::directory_iterator(ZEMBRA_LOG_CASES)) {
        if (entry.path().extension() == ".case") cases.push_back(entry.path());
    }
    std::sort(cases.begin(), cases.end());
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Logs, LogCase, testing::ValuesIn(Cases()),
                         [](const testing::TestParamInfo<std::filesystem::path>& param) {
                             return param.param.stem().string();
                         });

}  // namespace
}  // namespace zembra::lists
