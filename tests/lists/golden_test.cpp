// SPDX-License-Identifier: MIT
// The cases in testdata/conversions/, one file each: the options, the input, and the
// output, messages and status expected; for a decoder's list also what the
// decoder reads from it, talk group by talk group, through the model of
// its reader (decoder_models.h). A file reads:
//   options: dsd-neo ea split=344 column=NAME    (the format first)
//   status: 1
//   --- input / --- output / --- messages / --- reads
// In input and output, \r stands for a carriage return. A reads line is
// "ID absent", "ID allowed LABEL" or "ID locked LABEL" (the label may be
// empty).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "decoder_models.h"
#include "lists/convert.h"

namespace zembra::lists {
namespace {

namespace fs = std::filesystem;

struct Golden {
    Options options;
    int status = 0;
    std::map<std::string, std::string> sections;
};

std::string Unescaped(std::string text) {
    for (std::size_t at = 0; (at = text.find("\\r", at)) != std::string::npos;) {
        text.replace(at, 2, "\r");
    }
    return text;
}

Options OptionsOf(const std::string& words) {
    Options options;
    std::istringstream in(words);
    std::string word;
    in >> word;
    options.format = FormatNamed(word).value();
    while (in >> word) {
        if (word == "ea") options.addressing = Addressing::Extended;
        if (word.starts_with("split=")) options.split = ParseSplit(word.substr(6)).value();
        if (word.starts_with("column=")) options.column = word.substr(7);
    }
    return options;
}

Golden Read(const fs::path& path) {
    Golden golden;
    std::ifstream in(path, std::ios::binary);
    std::string* section = nullptr;
    for (std::string line; std::getline(in, line);) {
        if (line.starts_with("--- ")) {
            section = &golden.sections[line.substr(4)];
        } else if (section) {
            *section += line + "\n";
        } else if (line.starts_with("options: ")) {
            golden.options = OptionsOf(line.substr(9));
        } else if (line.starts_with("status: ")) {
            golden.status = std::stoi(line.substr(8));
        }
    }
    return golden;
}

// The decoder's view of each talk group that the reads section names.
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

class GoldenFile : public testing::TestWithParam<fs::path> {};

TEST_P(GoldenFile, WritesWhatTheDecoderReads) {
    Golden golden = Read(GetParam());
    const Result result =
        ConvertText(golden.options, Unescaped(golden.sections.at("input")), "input");
    EXPECT_EQ(result.output, Unescaped(golden.sections["output"]));
    std::string messages;
    for (const std::string& message : result.messages) messages += message + "\n";
    EXPECT_EQ(messages, golden.sections["messages"]);
    EXPECT_EQ(result.status, golden.status);
    if (golden.sections.contains("reads")) {
        ExpectReads(golden.options.format, result.output, golden.sections["reads"]);
    }
}

std::vector<fs::path> Cases() {
    std::vector<fs::path> paths;
    for (const auto& entry : fs::directory_iterator(ZEMBRA_CONVERSION_CASES))
        paths.push_back(entry.path());
    std::sort(paths.begin(), paths.end());
    return paths;
}

INSTANTIATE_TEST_SUITE_P(Testdata, GoldenFile, testing::ValuesIn(Cases()),
                         [](const testing::TestParamInfo<fs::path>& file) {
                             std::string name = file.param.stem().string();
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

}  // namespace
}  // namespace zembra::lists
