// SPDX-License-Identifier: MIT
// Properties over generated listings with quoting faults injected: every
// data line gives a row or is named in a message (or the input fails), and
// nothing depends on where the input is cut into blocks. Also the tally,
// its words, escaped input names and what the decoder lists may hold.
#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "lists/convert.h"

namespace zembra::lists {
namespace {

Options With(Format format) {
    Options options;
    options.format = format;
    return options;
}

// Names as pasted tables write them, stray and unbalanced quotes included.
std::string Name(int kind, char delimiter, std::string_view lineEnd) {
    const std::string d(1, delimiter);
    const std::array<std::string, 9> names = {
        "Unit",      "\"Fire\" Dept",   "\"Law",
        "Tac \"2\"", "\"a" + d + "b\"", "\"two" + std::string(lineEnd) + "lines\"",
        "\"\"",      "\"x\"\"y\"",      "Tac 2\""};
    return names[static_cast<std::size_t>(kind) % names.size()];
}

struct Listing {
    std::string text;
    long lines = 0;  // the number of the last line
};

// Line k's row has ID k and the tag Lk.
Listing Generate(unsigned seed, char delimiter, std::string_view lineEnd) {
    std::mt19937 random(seed);
    const std::string d(1, delimiter);
    Listing listing{"DEC" + d + "Mode" + d + "Alpha Tag" + d + "Tag" + std::string(lineEnd), 1};
    for (int row = 0; row < 30; ++row) {
        const long line = listing.lines + 1;
        const std::string name = Name(static_cast<int>(random() % 12), delimiter, lineEnd);
        listing.text += std::to_string(line) + d + "D" + d + name + d + "L" + std::to_string(line) +
                        std::string(lineEnd);
        listing.lines += 1 + static_cast<long>(name.find(lineEnd) != std::string::npos);
    }
    return listing;
}

bool Named(const Result& result, long line) {
    const std::string at = "input:" + std::to_string(line) + ":";
    for (const std::string& message : result.messages) {
        if (message.starts_with(at)) return true;
        const std::size_t span = message.find("runs over lines ");
        if (span == std::string::npos) continue;
        long first = 0, last = 0;
        std::sscanf(message.c_str() + span, "runs over lines %ld-%ld", &first, &last);
        if (line >= first && line <= last) return true;
    }
    return false;
}

// The tags of the decoder list's rows or the import file's, one a line.
bool Written(const std::string& output, long line, std::size_t tagField) {
    std::istringstream rows(output);
    for (std::string row; std::getline(rows, row);) {
        std::size_t start = 0;
        for (std::size_t i = 0; i < tagField; ++i) start = row.find(',', start) + 1;
        if (start > 0 &&
            row.substr(start, row.find(',', start) - start) == "L" + std::to_string(line)) {
            return true;
        }
    }
    return false;
}

Result InBlocks(const Options& options, std::string_view text, unsigned seed) {
    std::ostringstream out, messages;
    Converter converter(options, out, messages);
    converter.Begin("input");
    std::mt19937 random(seed);
    while (!text.empty()) {
        const std::size_t size = seed == 0 ? 1 : random() % 7;
        converter.Feed(text.substr(0, size));
        text.remove_prefix(std::min(size, text.size()));
    }
    converter.End();
    Result result{out.str(), {}, converter.Status(), converter.Counts()};
    std::istringstream lines(messages.str());
    for (std::string line; std::getline(lines, line);) result.messages.push_back(line);
    return result;
}

struct Variant {
    char delimiter;
    std::string_view lineEnd;
};

TEST(Listings, EveryLineWrittenOrNamedWhereverCut) {
    constexpr Variant kVariants[] = {{',', "\n"}, {'\t', "\r\n"}, {',', "\r"}, {'\t', "\n"}};
    constexpr Format kFormats[] = {Format::Automatic, Format::Table, Format::Dsd,
                                   Format::RadioReference, Format::Lines};
    int failed = 0;
    for (unsigned seed = 0; seed < 60; ++seed) {
        const Variant variant = kVariants[seed % 4];
        const Listing listing = Generate(seed, variant.delimiter, variant.lineEnd);
        SCOPED_TRACE(listing.text);
        for (const Format format : kFormats) {
            const Result whole = ConvertText(With(format), listing.text);
            for (const unsigned cut : {0u, seed + 1}) {
                const Result blocks = InBlocks(With(format), listing.text, cut);
                EXPECT_EQ(blocks.output, whole.output);
                EXPECT_EQ(blocks.messages, whole.messages);
                EXPECT_EQ(blocks.status, whole.status);
            }
        }
        failed += ConvertText(With(Format::Dsd), listing.text).status == kFailed;
        for (const auto& [format, tagField] :
             {std::pair{Format::Dsd, 3u}, {Format::RadioReference, 5u}}) {
            const Result result = ConvertText(With(format), listing.text);
            for (long line = 2; line <= listing.lines && result.status != kFailed; ++line) {
                EXPECT_TRUE(Written(result.output, line, tagField) || Named(result, line))
                    << "line " << line << " is lost";
            }
        }
    }
    // The injected faults must not all end in a failure, or the check above checks nothing.
    EXPECT_LT(failed, 30);
}

TEST(Tally, CountsAndWords) {
    const Result dsd = ConvertText(With(Format::Dsd), "DEC\n1\n1\nx\n2\n3\n");
    EXPECT_EQ(dsd.tally.converted, 3);
    EXPECT_EQ(dsd.tally.refused, 1);
    EXPECT_EQ(dsd.tally.leftOut, 2);
    const struct {
        Tally tally;
        const char* words;
    } kCases[] = {
        {{3, 1, 2}, "3 IDs converted, 1 refused, 2 rows left out"},
        {{1, 0, 1}, "1 ID converted, 1 row left out"},
        {{0, 2, 0}, "no IDs converted, 2 refused"},
    };
    for (const auto& row : kCases) EXPECT_EQ(Describe(row.tally), row.words);
}

TEST(Names, EscapedInMessages) {
    const Result result = ConvertText(With(Format::Lines), "x", "a\x1B[2J\nb");
    ASSERT_EQ(result.messages.size(), 1u);
    EXPECT_TRUE(result.messages[0].starts_with("a\\x1b[2J\\x0ab:1: 'x'")) << result.messages[0];
}

// A decoder list read again as a table gives itself back.
TEST(DecoderList, RoundTripsAndWarnsPastItsSize) {
    std::string listing = "DEC,Mode,Alpha Tag,Tag\n";
    for (int id = 0; id < 1025; ++id) {
        listing += std::to_string(id) + ",DE,\"Unit, " + std::to_string(id) + "\",T\xC3\xA9\n";
    }
    const Result once = ConvertText(With(Format::Dsd), listing);
    const Result again = ConvertText(With(Format::Dsd), once.output);
    EXPECT_EQ(again.output, once.output);
    EXPECT_EQ(again.status, kRefused);
    ASSERT_EQ(again.messages.size(), 2u);
    EXPECT_EQ(again.messages[1],
              "input:1025: talk group 1,024 of the list; the decoders hold 1,023 and lose the "
              "rows from here on");
}

}  // namespace
}  // namespace zembra::lists
