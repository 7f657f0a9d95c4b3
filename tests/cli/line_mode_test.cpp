// SPDX-License-Identifier: MIT
// Whole zembra-convert commands in line mode: the input forms, the refusals
// with their messages and exit statuses, hostile input, files and options.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "cli/line_converter.h"
#include "run_convert.h"

namespace zembra::cli::test {
namespace {

std::string NotAnId(const std::string& where, const std::string& text,
                    const std::string& pattern = "AA-FFS") {
    return where + ": '" + text + "' is not a talk-group ID (0-2047 or " + pattern + ")\n";
}

// As the system words it in the test's locale.
std::string Message(int error) { return std::generic_category().message(error); }

struct LineCase {
    const char* name;
    std::vector<std::string> args;
    std::string in;
    std::string out;
    std::string err;
    int status;
};

const std::string kLongLine(std::size_t{1} << 20, '7');
const std::string kBlanks(kMaxLineBytes - 1, ' ');

const LineCase kLineCases[] = {
    {"every form gives all three",
     {},
     "1234\n09-102\n0x4D2\n0x4d2\n",
     "1234\t09-102\t4D2\n1234\t09-102\t4D2\n1234\t09-102\t4D2\n1234\t09-102\t4D2\n",
     "",
     0},
    {"to afs", {"--to", "afs"}, "1234\n0\n2047\n", "09-102\n00-000\n15-157\n", "", 0},
    {"to dec", {"--to", "dec"}, "09-102\n00-010\n0x7FF\n", "1234\n8\n2047\n", "", 0},
    {"to hex", {"--to", "hex"}, "15-157\n255\n0\n", "7FF\nFF\n0\n", "", 0},
    {"blanks, CR LF, mark, no last line end",
     {},
     "\xEF\xBB\xBF 7 \r\n\t0x0\t\r\n0012\r\n2047",
     "7\t00-007\t7\n0\t00-000\t0\n12\t00-014\tC\n2047\t15-157\t7FF\n",
     "",
     0},
    {"refused lines stay in place",
     {},
     "16-000\n5\n00-008\n2048\n12abc\n9-102\n\n \n",
     "\t\t\n5\t00-005\t5\n\t\t\n\t\t\n\t\t\n\t\t\n\t\t\n\t\t\n",
     NotAnId("<stdin>:1", "16-000") + NotAnId("<stdin>:3", "00-008") +
         NotAnId("<stdin>:4", "2048") + NotAnId("<stdin>:5", "12abc") +
         NotAnId("<stdin>:6", "9-102") + NotAnId("<stdin>:7", "") + NotAnId("<stdin>:8", " "),
     1},
    {"refused with one column",
     {"--to", "afs"},
     "x\n1",
     "\n00-001\n",
     NotAnId("<stdin>:1", "x"),
     1},
    {"split 3:4:4",
     {"--split", "3:4:4"},
     "7-15-15\n15-157\n0x100\n",
     "2047\t7-15-15\t7FF\n\t\t\n256\t1-00-00\t100\n",
     NotAnId("<stdin>:2", "15-157", "A-FF-SS"),
     1},
    {"bad bytes are escaped",
     {},
     std::string("\xFF\xFE\n1\0\n\xC3\xA9\x1B\x7F\n", 10),
     "\t\t\n\t\t\n\t\t\n",
     NotAnId("<stdin>:1", "\\xFF\\xFE") + NotAnId("<stdin>:2", "1\\x00") +
         NotAnId("<stdin>:3", "\xC3\xA9\\x1B\\x7F"),
     1},
    {"last line cut by the end of the input",
     {},
     "12\n34",
     "12\t00-014\tC\n34\t00-042\t22\n",
     "",
     0},
    {"a megabyte line",
     {},
     "5\n" + kLongLine + "\n6\n",
     "5\t00-005\t5\n\t\t\n6\t00-006\t6\n",
     NotAnId("<stdin>:2", std::string(40, '7') + "..."),
     1},
    {"blanks up to the line limit",
     {},
     kBlanks + "5\n" + kBlanks + "5 \n" + kBlanks + "5\rx\n",
     "5\t00-005\t5\n\t\t\n\t\t\n",
     NotAnId("<stdin>:2", std::string(40, ' ') + "...") +
         NotAnId("<stdin>:3", std::string(40, ' ') + "..."),
     1},
};

class LineMode : public testing::TestWithParam<LineCase> {};

TEST_P(LineMode, ConvertsInAnyPieces) {
    const LineCase& c = GetParam();
    for (const std::size_t piece :
         {std::string::npos, std::size_t{1}, std::size_t{3}, std::size_t{7}}) {
        if (piece == 1 && c.in.size() > 100000) {
            continue;
        }
        SCOPED_TRACE(piece);
        const Result result = RunWith(c.args, c.in, piece);
        EXPECT_EQ(result.out, c.out);
        EXPECT_EQ(result.err, c.err);
        EXPECT_EQ(result.status, c.status);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, LineMode, testing::ValuesIn(kLineCases), CaseName<LineCase>);

TEST(Options, UsageErrorsGiveStatusTwoAndNoOutput) {
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"--to", "bogus"},
                                               {"--split", "4:4:4"},
                                               {"--split", "0:8:3"},
                                               {"--column", "TG"},
                                               {"--csv"},
                                               {"--nope"}}) {
        const Result result = RunWith(args, "1\n");
        EXPECT_EQ(result.status, 2) << args[0];
        EXPECT_EQ(result.out, "") << args[0];
        EXPECT_NE(result.err, "") << args[0];
    }
}

TEST(Options, HelpAndVersion) {
    const Result version = RunWith({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_TRUE(version.out.starts_with("zembra-convert (Zembra) 1.0.1\n")) << version.out;
    const Result help = RunWith({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("Usage: zembra-convert [OPTIONS] [FILE...]"), std::string::npos);
}

TEST(Files, ReadInOrderWithTheirOwnLineNumbers) {
    const auto dir =
        std::filesystem::temp_directory_path() /
        ("zembra-convert-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
    std::filesystem::create_directories(dir);
    const std::string a = (dir / "a.txt").string();
    const std::string b = (dir / "b.txt").string();
    const std::string missing = (dir / "missing.txt").string();
    std::ofstream(a) << "1\nx\n";
    std::ofstream(b) << "y\n2\n";
    const Result result = RunWith({a, missing, "-", b}, "3\nz");
    EXPECT_EQ(result.out, "1\t00-001\t1\n\t\t\n3\t00-003\t3\n\t\t\n\t\t\n2\t00-002\t2\n");
    EXPECT_EQ(result.err, NotAnId(a + ":2", "x") + "zembra-convert: " + missing + ": " +
                              Message(ENOENT) + "\n" + NotAnId("<stdin>:2", "z") +
                              NotAnId(b + ":1", "y"));
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(RunWith({dir.string()}).err,
              "zembra-convert: " + dir.string() + ": " + Message(EISDIR) + "\n");
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
    EXPECT_EQ(err.text, "zembra-convert: write error: " + Message(ENOSPC) + "\n");
}

}  // namespace
}  // namespace zembra::cli::test
