// SPDX-License-Identifier: MIT
// zembra-convert itself, run as a user runs it: options and their conflicts,
// files, the output file as a save-file, the exit status, and streams that
// cannot be written.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "lists/vocabulary.h"

namespace {

namespace fs = std::filesystem;

const fs::path kDir = fs::temp_directory_path() / ("zembra-convert-" + std::to_string(getpid()));

std::string Read(const std::string& name) {
    std::ostringstream text;
    text << std::ifstream(kDir / name).rdbuf();
    return text.str();
}

// The shell's exit status: a program killed by SIGTERM comes out as 143.
int Shell(const std::string& command) {
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// In a fresh kDir: `setup`, then the program with standard input, output and
// error as files there, set up before `args` so that redirections in `args`
// win.
int Start(const std::string& args, const std::string& in = "", const std::string& setup = "true") {
    fs::remove_all(kDir);
    fs::create_directories(kDir);
    std::ofstream(kDir / "in") << in;
    return Shell("cd " + kDir.string() + " || exit 99; " + setup +
                 " || exit 98; " ZEMBRA_CONVERT " <in >out 2>err " + args);
}

std::string Listing() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(kDir)) names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    std::string text;
    for (const std::string& name : names) text += name + " ";
    return text;
}

std::string Repeated(std::string_view text, int times) {
    std::string all;
    for (int i = 0; i < times; ++i) all += text;
    return all;
}

// The last message: the outcome in words.
std::string Outcome(const std::string& words) { return "zembra-convert: " + words + "\n"; }
std::string Failed(const std::string& ids) {
    return Outcome(ids + " ID" + (ids == "1" ? "" : "s") + " converted; the run failed");
}

std::string Usage(const std::string& problem) {
    return "zembra-convert: " + problem + "\nTry 'zembra-convert --help' for more information.\n";
}

const std::string kLogLine =
    "2026/08/22 14:53:31 EDACS/PV AFS: 09-102 (1234); LID: 00123; LCN: 02; Site: 1; Analog Group "
    "Voice Call;\n";

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
    {"OutputToAFullDisk", "--to afs >/dev/full", "1\n", 2, "",
     "zembra-convert: cannot write standard output: No space left on device\n" + Failed("1")},
    {"UsageErrorToAFullDisk", "--nope 2>/dev/full", "", 2, "", ""},
    {"RefusalsToAFullDisk", "2>/dev/full", "x\n", 2, "\t\t\n", ""},
    {"HelpWinsOverOtherErrors", "--to bogus --nope --help", "", 0, "Converts EDACS talk-group IDs",
     ""},
    {"VersionWinsAsV", "--split 5:5:5 -V", "", 0, "zembra-convert (Zembra) 1.0.1\nCopyright", ""},
    {"UsageErrorsNameTheProgram", "--to bogus", "", 2, "",
     Usage("--to: bogus not in {dec,afs,hex}")},
    {"ColumnWithoutTable", "--column 1", "", 2, "",
     Usage("--column requires --csv, --auto, --merge or --fleetmaps")},
    {"FormatWithoutCsv", "--format dsd", "", 2, "", Usage("--format requires --csv or --log")},
    {"MergeWithoutLog", "--merge in", "", 2, "", Usage("--merge requires --log")},
    {"FleetmapsWithFormat", "--fleetmaps --format dsd", "", 2, "",
     Usage("--fleetmaps excludes --format")},
    {"ToWithCsv", "--csv --to afs", "", 2, "", Usage("--to excludes --csv")},
    {"AutoWithCsv", "--csv --auto", "", 2, "", Usage("--auto excludes --csv")},
    {"AutoWithFormat", "--format dsd --auto", "", 2, "", Usage("--auto excludes --format")},
    {"AutoReadsLines", "--auto --to afs", "1234\n", 0, "09-102\n", ""},
    {"AutoReadsTables", "--auto --column ID", "ID\n5\n", 0, "ID,Decimal,AFS,Hex\n5,5,00-005,5\n",
     "<stdin>: talk-group IDs read from column 1, 'ID'\n" + Outcome("1 ID converted")},
    {"StandardInputNamedAlike", "- missing .", "x\n", 2, "\t\t\n",
     "<stdin>:1: 'x' is not a talk-group ID (0-2047, AA-FFS or 0x0-0x7FF)\n"
     "zembra-convert: missing: No such file or directory\nzembra-convert: .: Is a directory\n" +
         Outcome("no IDs converted, 1 refused; the run failed")},
    {"FileNamesEscaped", R"x("$(printf 'a\033[1mb\nc')")x", "", 2, "",
     "zembra-convert: a\\x1b[1mb\\x0ac: No such file or directory\n" + Failed("no")},
    {"SplitAsTheDecodersWriteIt", "--split 344 --to afs", "1234\n", 0, "4:13:02\n", ""},
    {"DsdByColumnNumber", "--csv --format DSD --column 1", "x\n5\n", 0,
     "DEC,Mode,Name,Tag\n5,A,00-005,EDACS\n",
     "<stdin>: talk-group IDs read from column 1, 'x'\n" + Outcome("1 ID converted")},
    {"ColumnTrimmedAsHeaders", "--csv --column ' Dec '", " Dec ,N\n5,a\n", 0,
     " Dec ,N,AFS,Hex\n5,a,00-005,5\n",
     "<stdin>: talk-group IDs read from column 1, ' Dec '\n" + Outcome("1 ID converted")},
    {"ExtendedAddressingHasNoAfs", "--ea --to afs", "", 2, "",
     Usage("Extended Addressing IDs have no AFS form; write them in decimal or hexadecimal")},
    {"ExtendedAddressingLines", "--ea", "40000\n", 0, "40000\t\t9C40\n", ""},
    {"DsdFmeNamesWhatItLeavesOut", "--csv --format dsd-fme", "DEC\n05-\n5\n", 1,
     "DEC,Mode,Name,Tag\n5,A,00-005,EDACS\n",
     "<stdin>: talk-group IDs read from column 1, 'DEC'\n<stdin>:2: '05-' is a partial AFS ID "
     "(talk groups 640-767); dsd-fme reads no ranges (dsd-neo does); row left out\n" +
         Outcome("1 ID converted, 1 refused, 1 row left out")},
    // Decoder logs: what was heard, as a listing or a decoder list, and the fleetmap report.
    {"LogHeard", "--log", kLogLine, 0,
     "Decimal,AFS,Hex,Alpha Tag,Heard,First heard,Last heard,Radios,Calls\n"
     "1234,09-102,4D2,TG 1234 (09-102),1,2026/08/22 14:53:31,2026/08/22 14:53:31,1,Analog Group "
     "Voice\n",
     ""},
    {"LogAsDecoderList", "--log --format dsd-neo", kLogLine, 0,
     "DEC,Mode,Name,Tag\n1234,A,TG 1234 (09-102),EDACS\n",
     "heard talk groups: talk-group IDs read from column 1, 'Decimal'\n" +
         Outcome("1 ID converted")},
    {"LogMergedIntoAMissingListing", "--log --merge missing -o out2", kLogLine, 2, "",
     "zembra-convert: missing: No such file or directory\nzembra-convert: out2 not created\n" +
         Failed("no")},
    {"LogOfADirectory", "--log . -o out2", "", 2, "",
     "zembra-convert: .: Is a directory\nzembra-convert: out2 not created\n" + Failed("no")},
    {"FleetmapsOfALog", "--fleetmaps --log", kLogLine, 0,
     "Splits ranked by how well the log fits them:\n", ""},
};

void PrintTo(const Case& c, std::ostream* out) { *out << c.name; }

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

TEST(Program, HelpNamesEveryOptionFormFormatAndColumn) {
    EXPECT_EQ(Start("--help"), 0);
    std::vector<std::string_view> words = {
        "FILE",         "--csv",
        "--auto",       "--column",
        "--to",         "{dec,afs,hex}",
        "--format",     "{table,dsd-neo,dsd-fme,dsd,radioreference}",
        "--ea",         "--split",
        "3:4:4 or 344", "-o,--output",
        "-V,--version", "-h,--help",
        "0X4d2"};
    for (const auto& form : zembra::lists::kForms) words.push_back(form.description);
    for (const auto& format : zembra::lists::kFormats) {
        if (format.name != "lines") words.push_back(format.description);
    }
    words.insert(words.end(), zembra::lists::kIdColumns.begin(), zembra::lists::kIdColumns.end());
    for (const std::string_view word : words) {
        EXPECT_NE(Read("out").find(word), std::string::npos) << word;
    }
    fs::remove_all(kDir);
}

struct SaveCase {
    const char* name;
    const char* setup;  // shell commands in kDir before the run, in the same shell
    const char* args;
    std::string in;
    int status;
    std::string err;
    const char* check;  // shell commands in kDir after the run that must succeed
    const char* listing;
};

// A FIFO that never ends while the shell holds it open; the program is
// stopped by SIGTERM once its new file exists under its hidden name (97 when
// it never does).
constexpr const char* kStopWhileReading =
    "-o list.txt fifo & i=0; while ! ls .list.txt.?????? >/dev/null 2>&1 && [ $i -lt 200 ]; "
    "do sleep 0.05; i=$((i+1)); done; kill -TERM $!; wait $!; s=$?; [ $i -lt 200 ] || s=97; "
    "exit $s";

const SaveCase kSaves[] = {
    {"NewFileWithTheUmask", "umask 027", "-o list.txt", "1\n", 0, "",
     "[ \"$(stat -c %a list.txt)\" = 640 ] && [ \"$(cat list.txt)\" = \"$(printf "
     "'1\\t00-001\\t1')\" ]",
     "err in list.txt out "},
    {"RefusalsStillWritten", "true", "--output list.txt --to afs", "2\nx\n", 1,
     "<stdin>:2: 'x' is not a talk-group ID (0-2047, AA-FFS or 0x0-0x7FF)\n" +
         Outcome("1 ID converted, 1 refused"),
     "[ \"$(cat list.txt)\" = 00-002 ]", "err in list.txt out "},
    {"ModeAndOwnerKept",
     "echo old >list.txt && chmod 604 list.txt && (chown 65534 list.txt 2>/dev/null || true)",
     "--to afs -o list.txt", "3\n", 0, "",
     "[ \"$(stat -c %a list.txt)\" = 604 ] && [ \"$(cat list.txt)\" = 00-003 ] && "
     "{ [ \"$(id -u)\" != 0 ] || [ \"$(stat -c %u list.txt)\" = 65534 ]; }",
     "err in list.txt out "},
    {"OutputAlsoInput", "printf 'ID\\n4\\n' >list.txt", "-o list.txt --csv list.txt", "", 0,
     "list.txt: talk-group IDs read from column 1, 'ID'\n" + Outcome("1 ID converted"),
     "[ \"$(cat list.txt)\" = \"$(printf 'ID,Decimal,AFS,Hex\\n4,4,00-004,4')\" ]",
     "err in list.txt out "},
    {"LinkChainKeptTargetReplaced",
     "echo old >real.txt && ln -s real.txt link && mkdir sub && ln -s ../link sub/link",
     "--to afs -o sub/link", "1\n", 0, "",
     "test -L link && test -L sub/link && [ \"$(cat real.txt)\" = 00-001 ]",
     "err in link out real.txt sub "},
    {"DanglingLinkCreatesItsTarget", "ln -s new.txt link", "--to afs -o link", "1\n", 0, "",
     "test -L link && [ \"$(cat new.txt)\" = 00-001 ]", "err in link new.txt out "},
    {"FifoWrittenDirectly", "mkfifo fifo", "--to afs -o fifo & timeout 10 cat fifo >got; wait $!",
     "5\n", 0, "", "test -p fifo && [ \"$(cat got)\" = 00-005 ]", "err fifo got in out "},
    {"DeviceWrittenDirectly", "true", "-o /dev/full", "1\n", 2,
     "zembra-convert: cannot write /dev/full: No space left on device\n" + Failed("1"),
     "test -c /dev/full", "err in out "},
    {"FailedRunLeavesTheFile", "echo old >list.txt", "-o list.txt - missing", "3\n", 2,
     "zembra-convert: missing: No such file or directory\nzembra-convert: list.txt left "
     "unchanged\n" +
         Failed("1"),
     "[ \"$(cat list.txt)\" = old ]", "err in list.txt out "},
    {"FailedRunCreatesNothing", "true", "-o list.txt missing", "", 2,
     "zembra-convert: missing: No such file or directory\nzembra-convert: list.txt not created\n" +
         Failed("no"),
     "true", "err in out "},
    {"FailedWriteLeavesTheFile", "echo old >list.txt && trap '' XFSZ && ulimit -f 1", "-o list.txt",
     Repeated("7\n", 2000), 2,
     "zembra-convert: cannot write list.txt: File too large\n"
     "zembra-convert: list.txt left unchanged\n" +
         Failed("2000"),
     "[ \"$(cat list.txt)\" = old ]", "err in list.txt out "},
    {"SignalRemovesTheNewFile", "mkfifo fifo && exec 3<>fifo", kStopWhileReading, "", 143, "",
     "true", "err fifo in out "},
    {"MissingFolderNamed", "true", "-o nowhere/list.txt", "", 2,
     "zembra-convert: cannot write nowhere/list.txt: No such file or directory\n", "true",
     "err in out "},
    {"FolderNamed", "true", "-o .", "", 2, "zembra-convert: cannot write .: Is a directory\n",
     "true", "err in out "},
    {"OutputNameEscaped", "true", R"x(-o "$(printf 'a\033[1mb\nc')/x")x", "", 2,
     "zembra-convert: cannot write a\\x1b[1mb\\x0ac/x: No such file or directory\n", "true",
     "err in out "},
};

void PrintTo(const SaveCase& c, std::ostream* out) { *out << c.name; }

class OutputFile : public testing::TestWithParam<SaveCase> {};

TEST_P(OutputFile, ReplacedOnlyWhenTheRunCompletes) {
    const SaveCase& c = GetParam();
    EXPECT_EQ(Start(c.args, c.in, c.setup), c.status);
    EXPECT_EQ(Read("err"), c.err);
    EXPECT_EQ(Shell("cd " + kDir.string() + " && " + c.check), 0) << c.check;
    EXPECT_EQ(Listing(), c.listing);
    fs::remove_all(kDir);
}

INSTANTIATE_TEST_SUITE_P(Cases, OutputFile, testing::ValuesIn(kSaves),
                         [](const testing::TestParamInfo<SaveCase>& row) {
                             return row.param.name;
                         });

}  // namespace
