// SPDX-License-Identifier: MIT
// The list library over generated inputs: every ID against the conversion
// core, and decoder lists read as the decoders read them. The cases one by
// one are the files of testdata/, run by cases_test.cpp.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "core/afs_codec.h"
#include "core/memory_fields.h"
#include "decoder_models.h"
#include "lists/convert.h"

namespace zembra::lists {
namespace {

Options With(Format format) {
    return {format, {IdForm::Decimal, IdForm::Afs, IdForm::Hex}, "", Split{}};
}

// Every ID in its three forms, each read back, as the core converts it.
TEST(Ids, AgreeWithTheCore) {
    std::string in, expected;
    for (int id = 0; id < 2048; ++id) {
        MemoryFields fields;
        fields.decimalText = FormatDecimal(id);
        EncodeAfs(fields);
        const std::string afs(fields.afsText.begin(), fields.afsText.end());
        const std::string hex(fields.hexText.begin(), fields.hexText.end());
        in += std::to_string(id) + "\n" + afs + "\n0x" + hex + "\n";
        for (int i = 0; i < 3; ++i) expected += std::to_string(id) + "\t" + afs + "\t" + hex + "\n";
    }
    EXPECT_EQ(ConvertText(With(Format::Lines), in).output, expected);
    for (const char* bad : {"4:4:4", "0:8:3", "34", "3:4:4:", "3-4-4"}) {
        EXPECT_EQ(ParseSplit(bad), std::nullopt) << bad;
    }
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
