// SPDX-License-Identifier: MIT
// zembra-convert itself, run as a user runs it: options, files, the output
// file, the exit status, and streams that cannot be written.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

namespace fs = std::filesystem;

const fs::path kDir = fs::temp_directory_path() / ("zembra-convert-" + std::to_string(getpid()));

std::string Read(const std::string& name) {
    std::ostringstream text;
    text << std::ifstream(kDir / name).rdbuf();
    return text.str();
}

// Standard input, output and error are files in kDir, set up before `args`
// so that redirections in `args` win.
int Start(const std::string& args, const std::string& in = "") {
    fs::create_directories(kDir);
    std::ofstream(kDir / "in") << in;
    const std::string command =
        "cd " + kDir.string() + " && " ZEMBRA_CONVERT " <in >out 2>err " + args;
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

struct Case {
    const char* name;
    const char* args;
    std::string in;
    int status;
    std::string outStart;
    std::string err;
};

const Case kCases[] = {
    {"HelpToAFullDisk", "--help >/dev/full", "", 2, "",
     "zembra-convert: cannot write standard output: No space left on device\n"},
    {"UsageErrorToAFullDisk", "--nope 2>/dev/full", "", 2, "", ""},
    {"HelpWinsOverOtherErrors", "--to bogus --nope --help", "", 0, "Converts EDACS talk-group IDs",
     ""},
    {"VersionWinsAsV", "--split 5:5:5 -V", "", 0, "zembra-convert (Zembra) 1.0.1\nCopyright", ""},
    {"UsageErrorsNameTheProgram", "--to bogus", "", 2, "",
     "zembra-convert: --to: bogus not in {dec,afs,hex}\n"
     "Try 'zembra-convert --help' for more information.\n"},
    {"StandardInputNamedAlike", "- missing .", "x\n", 2, "\t\t\n",
     "<stdin>:1: 'x' is not a talk-group ID (0-2047, AA-FFS or 0x0-0x7FF)\n"
     "zembra-convert: missing: No such file or directory\n.: read error\n"},
    {"SplitAsTheDecodersWriteIt", "--split 344 --to afs", "1234\n", 0, "4:13:02\n", ""},
    {"DsdByColumnNumber", "--csv --format DSD --column 1", "x\n5\n", 0,
     "DEC,Mode,Name,Tag\n5,A,00-005,EDACS\n", "<stdin>: talk-group IDs read from column 1, 'x'\n"},
};

class Command : public testing::TestWithParam<Case> {};

TEST_P(Command, StatusOutputAndMessages) {
    const Case& c = GetParam();
    EXPECT_EQ(Start(c.args, c.in), c.status);
    EXPECT_EQ(Read("out").substr(0, c.outStart.size()), c.outStart);
    EXPECT_EQ(Read("err"), c.err);
    fs::remove_all(kDir);
}

INSTANTIATE_TEST_SUITE_P(Cases, Command, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<Case>& row) { return row.param.name; });

TEST(Program, HelpNamesEveryOptionAndFormat) {
    EXPECT_EQ(Start("--help"), 0);
    for (const char* word : {"FILE", "--csv", "--column", "--to", "{dec,afs,hex}", "--format",
                             "{table,dsd,radioreference}", "--split", "3:4:4 or 344", "-o,--output",
                             "-V,--version", "-h,--help", "0X4d2", "DEC,Mode,Name,Tag"}) {
        EXPECT_NE(Read("out").find(word), std::string::npos) << word;
    }
    fs::remove_all(kDir);
}

// The output file is replaced whole when the run ends with 0 or 1 (also when
// it is the input), and left as it was, with nothing beside it, with 2.
TEST(Program, OutputFileReplacedOnlyWhenTheRunCompletes) {
    const struct {
        const char* args;
        const char* in;
        int status;
        std::string list;
    } runs[] = {
        {"-o list.txt", "1\n", 0, "1\t00-001\t1\n"},
        {"--output list.txt --to afs", "2\nx\n", 1, "00-002\n\n"},
        {"-o list.txt - missing", "3\n", 2, "00-002\n\n"},
        {"-o list.txt --csv", "ID\n", 0, "ID,Decimal,AFS,Hex\n"},
        {"-o list.txt --csv list.txt", "", 0, "ID,Decimal,AFS,Hex\n"},
    };
    for (const auto& run : runs) {
        EXPECT_EQ(Start(run.args, run.in), run.status) << run.args;
        EXPECT_EQ(Read("list.txt"), run.list) << run.args;
        EXPECT_EQ(std::distance(fs::directory_iterator(kDir), fs::directory_iterator()), 4);
    }
    fs::remove_all(kDir);
}

}  // namespace
