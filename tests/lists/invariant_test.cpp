// SPDX-License-Identifier: MIT
// Properties over generated listings with quoting faults injected: every
// data line gives a row or is named in a message (or the input fails), and
// nothing depends on where the input is cut into blocks. Also the tally,
// its words, escaped input names and what the decoder lists may hold.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <sstream>

#include "decoder_models.h"
#include "lists/convert.h"

namespace zembra::lists {
namespace {

Options With(Format format) {
    return {format, {IdForm::Decimal, IdForm::Afs, IdForm::Hex}, "", Split{}};
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

// Line k's row has ID k and the tag Lk.
std::string Generate(unsigned seed, char delimiter, std::string_view lineEnd) {
    std::mt19937 random(seed);
    const std::string d(1, delimiter);
    std::string listing = "DEC" + d + "Mode" + d + "Alpha Tag" + d + "Tag" + std::string(lineEnd);
    for (long line = 2; line < 32; ++line) {
        const std::string name = Name(static_cast<int>(random() % 12), delimiter, lineEnd);
        listing += std::to_string(line) + d + "D" + d + name + d + "L" + std::to_string(line) +
                   std::string(lineEnd);
        line += static_cast<long>(name.find(lineEnd) != std::string::npos);
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

// A row tagged with the line is written: its tag ends the decoder list's
// rows, and comes before the empty category in the import file's.
bool Written(const std::string& output, long line, std::string_view after) {
    return output.find(",L" + std::to_string(line) + std::string(after)) != std::string::npos;
}

Result InBlocks(const Options& options, std::string_view text, unsigned seed) {
    std::ostringstream out, messages;
    Converter converter(options, out, messages);
    converter.Begin("input");
    std::mt19937 random(seed);
    while (!text.empty()) {
        const std::size_t size = seed == 0 ? 1 : random() % 97;
        converter.Feed(text.substr(0, size));
        text.remove_prefix(std::min(size, text.size()));
    }
    converter.End();
    Result result{out.str(), {}, converter.Status(), converter.Counts(), converter.Written()};
    std::istringstream lines(messages.str());
    for (std::string line; std::getline(lines, line);) result.messages.push_back(line);
    return result;
}

constexpr Format kFormats[] = {Format::Automatic, Format::Table,  Format::Dsd,
                               Format::DsdNeo,    Format::DsdFme, Format::RadioReference,
                               Format::Lines};

// The same result fed whole, a byte at a time and in blocks of random sizes.
void ExpectAlikeWhereverCut(std::string_view text, unsigned seed) {
    for (const Format format : kFormats) {
        const Result whole = ConvertText(With(format), text);
        for (const unsigned cut : {0u, seed + 1}) {
            const Result blocks = InBlocks(With(format), text, cut);
            EXPECT_EQ(blocks.output, whole.output);
            EXPECT_EQ(blocks.messages, whole.messages);
            EXPECT_EQ(blocks.status, whole.status);
        }
    }
}

TEST(Listings, EveryLineWrittenOrNamedWhereverCut) {
    constexpr std::pair<char, std::string_view> kVariants[] = {
        {',', "\n"}, {'\t', "\r\n"}, {',', "\r"}, {'\t', "\n"}};
    int failed = 0;
    for (unsigned seed = 0; seed < 60; ++seed) {
        const auto [delimiter, lineEnd] = kVariants[seed % 4];
        const std::string listing = Generate(seed, delimiter, lineEnd);
        const long lines = static_cast<long>(std::ranges::count(listing, lineEnd.back()));
        SCOPED_TRACE(listing);
        ExpectAlikeWhereverCut(listing, seed);
        for (const auto& [format, after] : {std::pair{Format::Dsd, "\n"},
                                            {Format::DsdNeo, "\n"},
                                            {Format::DsdFme, "\n"},
                                            {Format::RadioReference, ",\n"}}) {
            const Result result = ConvertText(With(format), listing);
            failed += result.status == kFailed;
            for (long line = 2; line <= lines && result.status != kFailed; ++line) {
                EXPECT_TRUE(Written(result.output, line, after) || Named(result, line))
                    << "line " << line << " is lost";
            }
        }
    }
    // Were every listing to fail, the check above would check nothing: fewer
    // than half of the 60 listings' runs in four formats may.
    EXPECT_LT(failed, 4 * 60 / 2);
}

// The limits of rows, lines and the first line, wherever they fall in the blocks.
TEST(Limits, AlikeWhereverCut) {
    const std::string big(1 << 20, 'x');
    for (const std::string& text :
         {"DEC,N\n5,\"" + big + "\"\n6\n", "DEC,N\n5," + big + "\n",
          "DEC," + big.substr(0, 70000) + "\r\n5\r\n", big.substr(0, 5000) + "\r\n5\r\n"}) {
        ExpectAlikeWhereverCut(text, 7);
    }
}

TEST(Tally, CountsAndWords) {
    const Result dsd = ConvertText(With(Format::Dsd), "DEC\n1\n1\nx\n2\n3\n");
    EXPECT_EQ(Describe(dsd.tally), "3 IDs converted, 1 refused, 2 rows left out");
    EXPECT_EQ(Describe({1, 0, 1}), "1 ID converted, 1 row left out");
    EXPECT_EQ(Describe({0, 2, 0}), "no IDs converted, 2 refused");
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

// A listing of 1,200 rows as people fill them: IDs repeated, partial IDs,
// modes, and names empty, long, with commas and quotes. Row k is on line k.
struct Row {
    std::string id;
    std::string mode;
    std::string name;
};
std::vector<Row> GeneratedRows(unsigned seed) {
    std::mt19937 random(seed);
    const std::array<std::string, 5> modes = {"D", "DE", "A", "TE", ""};
    const std::array<std::string, 5> names = {"Unit", "", "Tac, 2", "\"Big\" One",
                                              std::string(60, 'n')};
    std::vector<Row> rows;
    for (int i = 0; i < 1200; ++i) {
        // Mostly new IDs, so that dsd-fme's 1,023 groups fill; every 13th repeated.
        std::string id = std::to_string((i - (i % 13 == 12 ? 5 : 0)) * 37 % 2048);
        if (i % 40 == 7) id = "0" + std::to_string(random() % 10) + "-";
        if (i % 40 == 9)
            id = "1" + std::to_string(random() % 6) + "-0" + std::to_string(i % 10) + "-";
        rows.push_back({id, modes[random() % 5], names[random() % 5] + std::to_string(i % 3)});
    }
    return rows;
}

std::string Quoted(const std::string& field) {
    if (field.find_first_of(",\"") == std::string::npos) return field;
    std::string quoted = "\"";
    for (const char c : field) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

bool LeftOut(const Result& result, long line) {
    const std::string at = "input:" + std::to_string(line) + ":";
    return std::ranges::any_of(result.messages, [&at](const std::string& message) {
        return message.starts_with(at) && message.ends_with("row left out");
    });
}

// Every row of the listing is read by the decoder with its mode and label,
// or named in a message, and the decoder misreads nothing.
TEST(DecoderLists, EveryRowReadAsTheDecoderReadsIt) {
    const std::vector<Row> rows = GeneratedRows(3);
    std::string listing = "DEC,Mode,Alpha Tag\n";
    for (const Row& row : rows) listing += row.id + "," + row.mode + "," + Quoted(row.name) + "\n";
    for (const Format format : {Format::DsdNeo, Format::DsdFme}) {
        const Result result = ConvertText(With(format), listing);
        const bool neo = format == Format::DsdNeo;
        const model::DecoderRead read =
            neo ? model::ReadAsDsdNeo(result.output) : model::ReadAsDsdFme(result.output);
        EXPECT_EQ(read.problems, std::vector<std::string>{});
        int checked = 0;
        for (std::size_t k = 0; k < rows.size(); ++k) {
            const auto line = static_cast<long>(k + 2);
            if (LeftOut(result, line)) continue;
            const Row& row = rows[k];
            const IdReading reading = ReadId(row.id, Split{});
            const bool locked = row.mode.ends_with('E');
            if (reading.partial) {
                const auto range =
                    std::find_if(read.groups.begin(), read.groups.end(), [&](auto& g) {
                        return g.first == reading.partial->first && g.last == reading.partial->last;
                    });
                ASSERT_NE(range, read.groups.end()) << "line " << line;
                EXPECT_EQ(range->mode == "DE", locked) << "line " << line;
            } else {
                const model::View view = neo ? model::LookUpAsDsdNeo(read.groups, *reading.id)
                                             : model::LookUpAsDsdFme(read.groups, *reading.id);
                const std::string name = row.name.size() > 49 ? row.name.substr(0, 49) : row.name;
                const bool plain = name.find_first_of(",\"") == std::string::npos;
                EXPECT_TRUE(view.found && view.lockedOut == locked && !view.label.empty() &&
                            (!plain || view.label == name))
                    << "line " << line << " read as " << view.label;
            }
            ++checked;
        }
        // Past dsd-fme's 1,023 groups the rest are named, not read.
        EXPECT_EQ(checked, neo ? result.tally.converted : 1023);
    }
}

}  // namespace
}  // namespace zembra::lists
