// SPDX-License-Identifier: MIT
// zembra-convert itself, run as a user runs it: options, files, the output
// file, the exit status and streams that cannot be written.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

namespace fs = std::filesystem;

class Program : public testing::Test {
protected:
    void SetUp() override { fs::create_directories(m_dir); }
    void TearDown() override { fs::remove_all(m_dir); }

    std::string Read(const std::string& name) const {
        std::ostringstream text;
        text << std::ifstream(m_dir / name).rdbuf();
        return text.str();
    }
    void Write(const std::string& name, const std::string& text) const {
        std::ofstream(m_dir / name) << text;
    }
    // The streams go to files first, so that redirections in `args` win.
    int Run(const std::string& args, const std::string& in = "") const {
        Write("in", in);
        const std::string command =
            "cd '" + m_dir.string() + "' && '" ZEMBRA_CONVERT "' <in >out 2>err " + args;
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    const fs::path m_dir =
        fs::temp_directory_path() / ("zembra-convert-" + std::to_string(getpid()));
};

struct Case {
    const char* name;
    const char* args;
    std::string in;
    int status;
    std::string outStart;
    std::string err;
};

const std::string kHelp = "Converts EDACS talk-group IDs";
const std::string kVersion = "zembra-convert (Zembra) 1.0.1\nCopyright";

const Case kCases[] = {
    {"HelpToAFullDisk", "--help >/dev/full", "", 2, "",
     "zembra-convert: cannot write standard output: No space left on device\n"},
    {"UsageErrorToAFullDisk", "--nope 2>/dev/full", "", 2, "", ""},
    {"HelpWinsOverOtherErrors", "--to bogus --nope --help", "", 0, kHelp, ""},
    {"VersionWinsAsV", "--split 5:5:5 -V", "", 0, kVersion, ""},
    {"UsageErrorsNameTheProgram", "--to bogus", "", 2, "",
     "zembra-convert: --to: bogus not in {dec,afs,hex}\nTry 'zembra-convert --help' for more "
     "information.\n"},
    {"StandardInputNamedAlike", "- missing", "x", 2, "\t\t\n",
     "<stdin>:1: 'x' is not a talk-group ID (0-2047, AA-FFS or 0x0-0x7FF)\n"
     "zembra-convert: missing: No such file or directory\n"},
    {"DirectoryIsNoInput", ".", "", 2, "", ".: read error\n"},
    {"SplitAsTheDecodersWriteIt", "--split 344 --to afs", "1234\n", 0, "4:13:02\n", ""},
    {"DsdFromAPastedTable", "--csv --format dsd", "DEC\tMode\n5\tDE\n", 0,
     "DEC,Mode,Name,Tag\n5,DE,00-005,EDACS\n",
     "<stdin>: talk-group IDs read from column 1, 'DEC'\n"},
};

class Command : public Program, public testing::WithParamInterface<Case> {};

TEST_P(Command, StatusOutputAndMessages) {
    const Case& c = GetParam();
    EXPECT_EQ(Run(c.args, c.in), c.status);
    EXPECT_EQ(Read("out").substr(0, c.outStart.size()), c.outStart);
    EXPECT_EQ(Read("err"), c.err);
}

INSTANTIATE_TEST_SUITE_P(Cases, Command, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<Case>& row) { return row.param.name; });

TEST_F(Program, HelpNamesEveryOptionAndFormat) {
    EXPECT_EQ(Run("--help"), 0);
    for (const char* word : {"FILE", "--csv", "--column", "--to", "{dec,afs,hex}", "--format",
                             "table", "dsd", "radioreference", "--split", "3:4:4 or 344",
                             "-o,--output", "-V,--version", "-h,--help", "0X"}) {
        EXPECT_NE(Read("out").find(word), std::string::npos) << word;
    }
}

// The output file is replaced whole when the run ends with 0 or 1, and left
// as it was, with no temporary file beside it, when it ends with 2.
TEST_F(Program, OutputFileReplacedOnlyWhenTheRunCompletes) {
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
        SCOPED_TRACE(run.args);
        EXPECT_EQ(Run(run.args, run.in), run.status);
        EXPECT_EQ(Read("list.txt"), run.list);
        EXPECT_EQ(std::distance(fs::directory_iterator(m_dir), fs::directory_iterator()), 4);
    }
}

}  // namespace
