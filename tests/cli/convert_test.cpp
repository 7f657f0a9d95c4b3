// SPDX-License-Identifier: MIT
// Whole zembra-convert commands run in memory, their input handed out in
// pieces of several sizes: line and CSV mode, the refusals with their
// messages and exit statuses, hostile input, files, options, a failed write.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "cli/convert_app.h"
#include "cli/line_converter.h"

namespace zembra::cli {
namespace {

struct Result {
    std::string out;
    std::string err;
    int status;
};

Result Convert(const std::vector<std::string>& args, std::string in = {},
               std::size_t piece = std::string::npos) {
    std::vector<const char*> argv{"zembra-convert"};
    for (const std::string& arg : args) {
        argv.push_back(arg.c_str());
    }
    StringSource source(std::move(in), piece);
    StringSink out;
    StringSink err;
    Streams streams{source, out, err};
    const int status = RunConvert(static_cast<int>(argv.size()), argv.data(), streams);
    return {out.text, err.text, status};
}

std::string NotAnId(const std::string& text, int line, const std::string& source = "<stdin>",
                    const std::string& pattern = "AA-FFS") {
    return source + ":" + std::to_string(line) + ": '" + text +
           "' is not a talk-group ID (0-2047 or " + pattern + ")\n";
}

std::string Failed(const std::string& what) { return "zembra-convert: " + what + "\n"; }

std::vector<std::string> Words(const char* text) {
    std::istringstream words(text);
    return {std::istream_iterator<std::string>(words), std::istream_iterator<std::string>()};
}

// As the system words it in the test's locale.
std::string Message(int error) { return std::generic_category().message(error); }

struct Case {
    const char* name;
    const char* args;  // split at blanks
    std::string in;
    std::string out;
    std::string err;
    int status;
};

const std::string k1234 = "1234\t09-102\t4D2\n";
const std::string kRefused = "\t\t\n";
const std::string kLongLine(std::size_t{1} << 20, '7');
const std::string kBlanks(kMaxLineBytes - 1, ' ');
const std::string kHugeField(std::size_t{2} << 20, 'x');
const std::string kCsvHeader = "TG,N,Decimal,AFS,Hex\n";

const Case kCases[] = {
    {"EveryFormGivesAllThree", "", "1234\n09-102\n0x4d2\n", k1234 + k1234 + k1234, "", 0},
    {"ToAfs", "--to afs", "1234\n0\n2047\nx\n", "09-102\n00-000\n15-157\n\n", NotAnId("x", 4), 1},
    {"ToDec", "--to dec", "09-102\n00-010\n0X7ff\n", "1234\n8\n2047\n", "", 0},
    {"ToHex", "--to hex", "15-157\n255\n0\n", "7FF\nFF\n0\n", "", 0},
    {"BlanksCrLfMarkNoLastLineEnd", "", "\xEF\xBB\xBF 7 \r\n\t0x0\t\r\n0012\r\n2047",
     "7\t00-007\t7\n0\t00-000\t0\n12\t00-014\tC\n2047\t15-157\t7FF\n", "", 0},
    {"RefusedLinesStayInPlace", "", "16-000\n5\n\n \n",
     kRefused + "5\t00-005\t5\n" + kRefused + kRefused,
     NotAnId("16-000", 1) + NotAnId("", 3) + NotAnId(" ", 4), 1},
    {"Split344", "--split 3:4:4", "7-15-15\n15-157\n0x100\n",
     "2047\t7-15-15\t7FF\n" + kRefused + "256\t1-00-00\t100\n",
     NotAnId("15-157", 2, "<stdin>", "A-FF-SS"), 1},
    {"BadBytesEscaped", "", std::string("\xFF\xFE\n1\0\n\xC3\xA9\x1B\x7F\n", 10),
     kRefused + kRefused + kRefused,
     NotAnId("\\xFF\\xFE", 1) + NotAnId("1\\x00", 2) + NotAnId("\xC3\xA9\\x1B\\x7F", 3), 1},
    // In pieces of 3 the last piece is "1" and the byte behind it in the
    // buffer an old line end.
    {"LastLineCutByTheEndOfTheInput", "", "x\n\n1", kRefused + kRefused + "1\t00-001\t1\n",
     NotAnId("x", 1) + NotAnId("", 2), 1},
    {"MegabyteLine", "", "5\n" + kLongLine + "\n6\n",
     "5\t00-005\t5\n" + kRefused + "6\t00-006\t6\n", NotAnId(std::string(40, '7') + "...", 2), 1},
    {"BlanksUpToTheLineLimit", "", kBlanks + "5\n" + kBlanks + "5 \n" + kBlanks + "5\rx\n",
     "5\t00-005\t5\n" + kRefused + kRefused,
     NotAnId(std::string(40, ' ') + "...", 2) + NotAnId(std::string(40, ' ') + "...", 3), 1},

    {"CsvColumnByNumberQuotedIdWithBlanks", "--csv --column 2", "a,b\nx, \" 0x7ff \" \n",
     "a,b,Decimal,AFS,Hex\nx, \" 0x7ff \" ,2047,15-157,7FF\n", "", 0},
    {"CsvMissingColumn", "--csv --column TG", "a,b\n1,2\n", "",
     Failed("<stdin>: no column 'TG' in the header; nothing converted"), 2},
    {"CsvColumnNumberPastTheHeader", "--csv --column 3", "a,b\n1,2\n", "",
     Failed("<stdin>: no column '3' in the header; nothing converted"), 2},
    {"CsvRaggedRows", "--csv --column TG", "TG,N,Note\n5\n6,a,b,c,d\n",
     "TG,N,Note,Decimal,AFS,Hex\n5,,,5,00-005,5\n6,a,b,6,00-006,6,c,d\n", "", 0},
    {"CsvRowEndsBeforeTheId", "--csv --column N", "TG,N\n7\n", kCsvHeader + "7,,,,\n",
     "<stdin>:2: the row ends before field 2, the talk-group ID\n", 1},
    {"CsvRefusedRowsKeepTheirLines", "--csv --column TG", "TG,N\r\n\"1\r\n2\",x\r\n\r\n16-000,y\n",
     "TG,N,Decimal,AFS,Hex\r\n\"1\r\n2\",x,,,\r\n\r\n16-000,y,,,\n",
     NotAnId("1\\x0D\\x0A2", 2) + NotAnId("16-000", 5), 1},
    {"CsvExistingColumnsFilledWhereEmpty", "--csv --column TG",
     "TG,AFS,Decimal\n5,,\n6,keep,\"\"\n7\n8,\" \"\n",
     "TG,AFS,Decimal,Hex\n5,00-005,5,5\n6,keep,6,6\n7,00-007,7,7\n8,00-010,8,8\n", "", 0},
    {"CsvOneAddedColumn", "--csv --column TG --to afs --split 3:4:4", "TG\n2047\n",
     "TG,AFS\n2047,7-15-15\n", "", 0},
    {"CsvQuoteOutOfPlace", "--csv --column TG", "TG,N\n5,\"a\"b\n6,x\n",
     kCsvHeader + "5,\"a\"b\n6,x\n",
     Failed("<stdin>:2: not valid CSV (a quote out of place); the rest is copied unchanged"), 2},
    {"CsvQuotedFieldDoesNotEnd", "--csv --column TG", "TG\n5\n\"6\n7\n",
     "TG,Decimal,AFS,Hex\n5,5,00-005,5\n\"6\n7\n",
     Failed("<stdin>:3: not valid CSV (a quoted field that does not end); the rest is copied "
            "unchanged"),
     2},
    {"CsvHeaderOnlyNoLineEnd", "--csv --column TG", "TG", "TG,Decimal,AFS,Hex", "", 0},
    {"CsvEmptyInput", "--csv --column TG", "", "", "", 0},
    {"CsvBlanksAfterTheLastRow", "--csv --column TG", "\n\nTG\n5\n\n  ",
     "\n\nTG,Decimal,AFS,Hex\n5,5,00-005,5\n\n  ", "", 0},
    {"CsvRowPastAMegabyte", "--csv --column TG", "TG,N\n5," + kHugeField + "\n6,y\n",
     kCsvHeader + "5," + kHugeField + ",,,\n6,y,6,00-006,6\n",
     "<stdin>:2: the row is longer than 1 MiB; not converted\n", 1},
};

class Command : public testing::TestWithParam<Case> {};

TEST_P(Command, ConvertsInAnyPieces) {
    const Case& c = GetParam();
    const std::vector<std::string> args = Words(c.args);
    for (const std::size_t piece :
         {std::string::npos, std::size_t{1}, std::size_t{3}, std::size_t{7}}) {
        if (piece < 7 && c.in.size() > 100000) {
            continue;
        }
        SCOPED_TRACE(piece);
        const Result result = Convert(args, c.in, piece);
        EXPECT_EQ(result.out, c.out);
        EXPECT_EQ(result.err, c.err);
        EXPECT_EQ(result.status, c.status);
    }
    // Converting CSV output again finds every column filled and changes
    // nothing.
    if (c.status == 0 && std::string_view(c.args).starts_with("--csv")) {
        EXPECT_EQ(Convert(args, c.out).out, c.out);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, Command, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<Case>& row) { return row.param.name; });

// Rows written every way CSV allows: the output is each input row, byte for
// byte, with the three texts put in before its line end.
TEST(Csv, KeepsEveryByteAroundTheNewTexts) {
    struct Row {
        std::string raw;
        std::string added;
        std::string end;
    };
    const Row rows[] = {
        {"\"ID\",\"Name, full\"", ",Decimal,AFS,Hex", "\r\n"},
        {"1234,plain", ",1234,09-102,4D2", "\n"},
        {"  \"09-102\"  ,\"\"\"quoted\"\", with, commas\"", ",1234,09-102,4D2", "\r\n"},
        {"0x7FF,\"two,\r\nlines\n\"", ",2047,15-157,7FF", "\r"},
        {"\t0\t,caf\xC3\xA9 \xE2\x80\x94 \xF0\x9F\x93\xBB", ",0,00-000,0", "\n\n\r\n"},
        {"8,", ",8,00-010,8", ""},
    };
    std::string in = "\xEF\xBB\xBF";
    std::string expected = in;
    for (const Row& row : rows) {
        in += row.raw + row.end;
        expected += row.raw + row.added + row.end;
    }
    for (const std::size_t piece : {std::string::npos, std::size_t{1}, std::size_t{3}}) {
        const Result result = Convert({"--csv", "--column", "ID"}, in, piece);
        EXPECT_EQ(result.out, expected) << piece;
        EXPECT_EQ(result.err, "");
        EXPECT_EQ(result.status, 0);
    }
}

TEST(Options, UsageErrorsGiveStatusTwoAndNoOutput) {
    for (const char* args : {"--to bogus", "--split 4:4:4", "--column TG", "--csv", "--nope"}) {
        const Result result = Convert(Words(args), "1\n");
        EXPECT_EQ(result.status, 2) << args;
        EXPECT_EQ(result.out, "") << args;
        EXPECT_NE(result.err, "") << args;
    }
}

TEST(Options, HelpAndVersion) {
    const Result version = Convert({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_TRUE(version.out.starts_with("zembra-convert (Zembra) 1.0.1\n")) << version.out;
    const Result help = Convert({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("Usage: zembra-convert [OPTIONS] [FILE...]"), std::string::npos);
}

TEST(Files, ReadInOrderWithTheirOwnLineNumbers) {
    const auto dir =
        std::filesystem::temp_directory_path() /
        ("zembra-convert-" + std::to_string(testing::UnitTest::GetInstance()->random_seed()));
    std::filesystem::create_directories(dir);
    const std::string a = (dir / "a.txt").string();
    const std::string b = (dir / "b.txt").string();
    const std::string missing = (dir / "missing.txt").string();
    std::ofstream(a) << "1\nx\n";
    std::ofstream(b) << "y\n2\n";
    const Result result = Convert({a, missing, "-", b}, "3\nz");
    EXPECT_EQ(result.out, "1\t00-001\t1\n\t\t\n3\t00-003\t3\n\t\t\n\t\t\n2\t00-002\t2\n");
    EXPECT_EQ(result.err, NotAnId("x", 2, a) + Failed(missing + ": " + Message(ENOENT)) +
                              NotAnId("z", 2) + NotAnId("y", 1, b));
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(Convert({dir.string()}).err, Failed(dir.string() + ": " + Message(EISDIR)));
    std::filesystem::remove_all(dir);
}

TEST(Output, AFailedWriteEndsTheRunWithStatusTwo) {
    struct FullSink : ByteSink {
        void Write(std::string_view) override { throw WriteError(ENOSPC, std::generic_category()); }
    };
    StringSource in("1\n2\n");
    FullSink out;
    StringSink err;
    Streams streams{in, out, err};
    const char* argv[] = {"zembra-convert"};
    EXPECT_EQ(RunConvert(1, argv, streams), 2);
    EXPECT_EQ(err.text, Failed("write error: " + Message(ENOSPC)));
}

}  // namespace
}  // namespace zembra::cli
