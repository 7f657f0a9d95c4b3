// SPDX-License-Identifier: MIT
// Whole zembra-convert commands in CSV mode: RFC 4180 edge cases, the
// columns added or filled, ragged and refused rows, broken files, and the
// input's bytes kept around the new texts.
#include <gtest/gtest.h>

#include "run_convert.h"

namespace zembra::cli::test {
namespace {

struct CsvCase {
    const char* name;
    std::vector<std::string> args;  // after --csv
    std::string in;
    std::string out;
    std::string err;
    int status;
};

const std::string kHugeField(std::size_t{2} << 20, 'x');

const CsvCase kCsvCases[] = {
    {"quoted header",
     {"--column", "TG"},
     "\"TG\",\"Name, full\"\n1234,\"a\"\n",
     "\"TG\",\"Name, full\",Decimal,AFS,Hex\n1234,\"a\",1234,09-102,4D2\n",
     "",
     0},
    {"comma, quotes and line break in a field, CR LF, mark",
     {"--column", "TG"},
     "\xEF\xBB\xBFName,TG\r\n\"Fire, \"\"north\"\"\r\nstation\",09-102\r\nx,9-102\r\n",
     "\xEF\xBB\xBFName,TG,Decimal,AFS,Hex\r\n\"Fire, \"\"north\"\"\r\nstation\",09-102,1234,09-"
     "102,4D2\r\nx,9-102,,,\r\n",
     "<stdin>:4: '9-102' is not a talk-group ID (0-2047 or AA-FFS)\n",
     1},
    {"column by number, quoted ID with blanks",
     {"--column", "2"},
     "a,b\nx, \" 0x7ff \" \n",
     "a,b,Decimal,AFS,Hex\nx, \" 0x7ff \" ,2047,15-157,7FF\n",
     "",
     0},
    {"missing column",
     {"--column", "TG"},
     "a,b\n1,2\n",
     "",
     "zembra-convert: <stdin>: no column 'TG' in the header; nothing converted\n",
     2},
    {"column number past the header",
     {"--column", "3"},
     "a,b\n1,2\n",
     "",
     "zembra-convert: <stdin>: no column '3' in the header; nothing converted\n",
     2},
    {"ragged rows",
     {"--column", "TG"},
     "TG,Name,Note\n5\n6,a,b,c,d\n",
     "TG,Name,Note,Decimal,AFS,Hex\n5,,,5,00-005,5\n6,a,b,6,00-006,6,c,d\n",
     "",
     0},
    {"row ends before the ID",
     {"--column", "Name"},
     "TG,Name\n7\n",
     "TG,Name,Decimal,AFS,Hex\n7,,,,\n",
     "<stdin>:2: the row ends before field 2, the talk-group ID\n",
     1},
    {"refused rows keep their lines",
     {"--column", "TG"},
     "TG,N\n\"1\n2\",x\n\n16-000,y\n",
     "TG,N,Decimal,AFS,Hex\n\"1\n2\",x,,,\n\n16-000,y,,,\n",
     "<stdin>:2: '1\\x0A2' is not a talk-group ID (0-2047 or AA-FFS)\n<stdin>:5: '16-000' is not "
     "a talk-group ID (0-2047 or AA-FFS)\n",
     1},
    {"existing columns filled where empty",
     {"--column", "TG"},
     "TG,AFS,Decimal\n5,,\n6,keep,\"\"\n7\n8,\" \"\n",
     "TG,AFS,Decimal,Hex\n5,00-005,5,5\n6,keep,6,6\n7,00-007,7,7\n8,00-010,8,8\n",
     "",
     0},
    {"one added column",
     {"--column", "TG", "--to", "afs", "--split", "3:4:4"},
     "TG\n2047\n",
     "TG,AFS\n2047,7-15-15\n",
     "",
     0},
    {"a quote out of place",
     {"--column", "TG"},
     "TG,N\n5,\"a\"b\n6,x\n",
     "TG,N,Decimal,AFS,Hex\n5,\"a\"b\n6,x\n",
     "zembra-convert: <stdin>:2: not valid CSV (a quote out of place); the rest is copied "
     "unchanged\n",
     2},
    {"a quoted field that does not end",
     {"--column", "TG"},
     "TG\n5\n\"6\n7\n",
     "TG,Decimal,AFS,Hex\n5,5,00-005,5\n\"6\n7\n",
     "zembra-convert: <stdin>:3: not valid CSV (a quoted field that does not end); the rest is "
     "copied unchanged\n",
     2},
    {"header only, no line end", {"--column", "TG"}, "TG", "TG,Decimal,AFS,Hex", "", 0},
    {"empty input", {"--column", "TG"}, "", "", "", 0},
    {"blanks after the last row",
     {"--column", "TG"},
     "\n\nTG\n5\n\n  ",
     "\n\nTG,Decimal,AFS,Hex\n5,5,00-005,5\n\n  ",
     "",
     0},
    {"a row past a megabyte",
     {"--column", "TG"},
     "TG,N\n5," + kHugeField + "\n6,y\n",
     "TG,N,Decimal,AFS,Hex\n5," + kHugeField + ",,,\n6,y,6,00-006,6\n",
     "<stdin>:2: the row is longer than 1 MiB; not converted\n",
     1},
};

class CsvMode : public testing::TestWithParam<CsvCase> {};

TEST_P(CsvMode, ConvertsInAnyPieces) {
    const CsvCase& c = GetParam();
    std::vector<std::string> args = c.args;
    args.insert(args.begin(), "--csv");
    for (const std::size_t piece :
         {std::string::npos, std::size_t{1}, std::size_t{2}, std::size_t{5}}) {
        if (piece < 10 && c.in.size() > 100000) {
            continue;
        }
        SCOPED_TRACE(piece);
        const Result result = RunWith(args, c.in, piece);
        EXPECT_EQ(result.out, c.out);
        EXPECT_EQ(result.err, c.err);
        EXPECT_EQ(result.status, c.status);
    }
    // Converting the output again finds every column filled and changes
    // nothing.
    if (c.status == 0) {
        EXPECT_EQ(RunWith(args, c.out).out, c.out);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, CsvMode, testing::ValuesIn(kCsvCases), CaseName<CsvCase>);

// Rows written every way RFC 4180 allows: the output is each input row,
// byte for byte, with the three texts put in before its line end.
TEST(CsvMode, KeepsEveryByteAroundTheNewTexts) {
    struct Row {
        std::string raw;
        std::string added;
        std::string end;
    };
    const Row rows[] = {
        {"\"ID\",Note", ",Decimal,AFS,Hex", "\r\n"},
        {"1234,plain", ",1234,09-102,4D2", "\n"},
        {"  \"09-102\"  ,\"\"\"quoted\"\", with, commas\"", ",1234,09-102,4D2", "\r\n"},
        {"0x7FF,\"two\r\nlines\n\"", ",2047,15-157,7FF", "\r"},
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
        const Result result = RunWith({"--csv", "--column", "ID"}, in, piece);
        EXPECT_EQ(result.out, expected) << piece;
        EXPECT_EQ(result.err, "");
        EXPECT_EQ(result.status, 0);
    }
}

}  // namespace
}  // namespace zembra::cli::test
