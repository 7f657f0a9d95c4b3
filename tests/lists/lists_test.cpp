// SPDX-License-Identifier: MIT
// The list library on texts in memory: IDs against the conversion core,
// line mode, tables and the automatic choice between them, the quote rule,
// what the decoder lists may hold, the earlier converter's defects, and one
// listing in both layouts, read back as the decoders and a strict CSV
// reader read it.
#include <csv.h>
#include <gtest/gtest.h>

#include <sstream>

#include "core/afs_codec.h"
#include "core/memory_fields.h"
#include "lists/convert.h"

namespace zembra::lists {
namespace {

using Rows = std::vector<std::vector<std::string>>;

Options With(Format format, const std::string& split = "443") {
    return {format, {IdForm::Decimal, IdForm::Afs, IdForm::Hex}, "", *ParseSplit(split)};
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string joined;
    for (const std::string& line : lines) joined += line + "\n";
    return joined;
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

const std::string kNotAnId = " is not a talk-group ID (0-2047, AA-FFS or 0x0-0x7FF)\n";
const std::string kFromDec = "input: talk-group IDs read from column 1, 'DEC'\n";

struct Case {
    const char* name;
    Format format;
    std::string in;
    std::string out;
    std::string messages;
    int status;
    std::string split = "443";
};

const Case kCases[] = {
    // Line mode: a line out for each line in, refusals explained.
    {"LinesAnyForm", Format::Lines, "\xEF\xBB\xBF 1234 \r\n09-102\r\n\t0x000\t",
     "1234\t09-102\t4D2\n1234\t09-102\t4D2\n0\t00-000\t0\n", "", 0},
    {"LinesRefusalsExplained", Format::Lines, "09-10-\n09-\n0xFFFF\n65536\n16-000\n00-008\n",
     "\t\t\n\t\t\n\t\t\n\t\t\n\t\t\n\t\t\n",
     "input:1: '09-10-' is a partial AFS ID (talk groups 1232-1239)\n"
     "input:2: '09-' is a partial AFS ID (talk groups 1152-1279)\n"
     "input:3: '0xFFFF' is above 2047: an Extended Addressing ID has no AFS form\n"
     "input:4: '65536'" +
         kNotAnId +
         "input:5: '16-000' is not a talk-group ID: agency 16 is "
         "beyond 15\ninput:6: '00-008' is not a talk-group ID: subfleet 8 is beyond 7\n",
     1},
    // Other splits in the decoders' colon form, each group as wide as its bits
    // need.
    {"LinesColonForm", Format::Lines, "1234\n4:13:02\n4:13:\n8:00:00\n",
     "1234\t4:13:02\t4D2\n1234\t4:13:02\t4D2\n\t\t\n\t\t\n",
     "input:3: '4:13:' is a partial AFS ID (talk groups 1232-1247)\n"
     "input:4: '8:00:00' is not a talk-group ID: agency 8 is beyond 7\n",
     1, "344"},
    {"LinesWideGroups", Format::Lines, "0\n2047\n001:1:1\n",
     "0\t000:0:0\t0\n2047\t511:1:1\t7FF\n7\t001:1:1\t7\n", "", 0, "9:1:1"},
    {"LinesLongerThanTheLimit", Format::Lines, std::string(5000, '0') + "5\n5",
     "\t\t\n5\t00-005\t5\n",
     "input:1: '" + std::string(40, '0') + "...' is longer than 4096 bytes\n", 1},
    // Tables: the forms added, or filled where empty; quoting minimal.
    {"TableFilledAndAdded", Format::Table, "Note,AFS,ID\n\"a,\"\"b\"\"\",,7\nc\n",
     "Note,AFS,ID,Decimal,Hex\n\"a,\"\"b\"\"\",00-007,7,7,7\nc,,,,\n",
     "input: talk-group IDs read from column 3, 'ID'\ninput:3: ''" + kNotAnId, 1},
    {"TableCrLineEnds", Format::Table, "DEC\r5\r\r7ff\r", "DEC,AFS,Hex\r5,00-005,5\r\r7ff,,\r",
     kFromDec + "input:4: '7ff'" + kNotAnId, 1},
    {"TableWithoutIdColumn", Format::Table, "Name,Mode\nx,A\n", "",
     "input: no column DEC, Decimal, TGID, Talkgroup, ID, AFS or Hex among 'Name', 'Mode'; "
     "name the ID column\n",
     2},
    // The decoders' list: refused and repeated IDs left out and named, names
    // cut at 49 bytes between characters, the mode from its last letter.
    {"DsdLeavesOutAndCuts", Format::Dsd,
     "DEC,Mode,Alpha Tag\n5,Me,\n5,A,b\nx,A,\n6, D ," + std::string(48, 'n') + "\xC3\xA9\n",
     "DEC,Mode,Name,Tag\n5,DE,00-005,EDACS\n6,A," + std::string(48, 'n') + ",EDACS\n",
     kFromDec + "input:3: talk group 5 again (first at input:2); row left out\ninput:4: 'x'" +
         kNotAnId.substr(0, kNotAnId.size() - 1) +
         "; row left out\ninput:5: Name cut at 49 bytes, '\xC3\xA9' left out\n",
     1},
    // The earlier converter's defects, one case each; the others are the
    // program's and Inputs.MakeOneTableUnderOneHeader.
    {"BlankCsvRowIsRefused", Format::Table, "DEC\n \t\n", "DEC,AFS,Hex\n \t,,\n",
     kFromDec + "input:2: ' \\x09'" + kNotAnId, 1},
    {"BareCrInAQuotedFieldIsNoLine", Format::Table, "DEC,N\n1,\"a\rb\"\nx,\"c\nd\"\ny\n",
     "DEC,N,AFS,Hex\n1,\"a\rb\",00-001,1\nx,\"c\nd\",,\ny,,,\n",
     kFromDec + "input:3: 'x'" + kNotAnId +
         "input:3: this row runs over lines 3-4 (a quoted field holds a line break)\n" +
         "input:5: 'y'" + kNotAnId,
     1},
    {"EmptyTableIsAnError", Format::Table, "", "",
     "input: no header row; a table starts with the names of its columns\n", 2},
    {"ControlsInMessagesEscaped", Format::Lines,
     "\xC2\x85\xC2\x9B\xE2\x80\xAE\xE2\x81\xA6\x1B\xFF\xC3\xA9", "\t\t\n",
     "input:1: '\\xc2\\x85\\xc2\\x9b\\xe2\\x80\\xae\\xe2\\x81\\xa6\\x1b\\xff\xC3\xA9'" + kNotAnId,
     1},
    {"CrOnlyLinesAnyCaseHex", Format::Lines, "0X4d2\r2047\rx\r",
     "1234\t09-102\t4D2\n2047\t15-157\t7FF\n\t\t\n", "input:3: 'x'" + kNotAnId, 1},
    {"EmptyQuotedFieldFilled", Format::Table, "DEC,AFS,Hex\n5,\"\",\" \"\n",
     "DEC,AFS,Hex\n5,00-005,5\n", kFromDec, 0},
    // Faults that once passed every test, one row each.
    {"PastTheRangeOrNoDigits", Format::Lines, "4294967297\n2048\n&5\n", "\t\t\n\t\t\n\t\t\n",
     "input:1: '4294967297'" + kNotAnId +
         "input:2: '2048' is above 2047: an Extended Addressing ID has no AFS form\ninput:3: '&5'" +
         kNotAnId,
     1},
    {"BadAfsCellReported", Format::Table, "DEC,AFS\n5,zz\n", "DEC,AFS,Hex\n5,zz,5\n",
     kFromDec + "input:2: AFS 'zz'" + kNotAnId, 1},
    {"LowerCaseDecimalHeader", Format::Table, "decimal\n5\n", "decimal,AFS,Hex\n5,00-005,5\n",
     "input: talk-group IDs read from column 1, 'decimal'\n", 0},
    {"DsdModeNameAndLineBreak", Format::Dsd,
     "DEC,Mode,Name\n5,DE ,\"a\nb\"\n6,A," + std::string(49, 'n') + "\n",
     "DEC,Mode,Name,Tag\n5,DE,a b,EDACS\n6,A," + std::string(49, 'n') + ",EDACS\n",
     kFromDec + "input:2: this row runs over lines 2-3 (a quoted field holds a line break); Name "
                "'a\\x0ab' written as 'a b'\n",
     0},
    {"RadioReferenceHexPadded", Format::RadioReference, "DEC\n16\n",
     "Decimal,Hex,Alpha Tag,Mode,Description,Tag,Category\n16,010,,,,,\n", kFromDec, 0},
    // The quote rule: quoted only when the closing quote ends the field.
    {"StrayQuotesAreText", Format::Dsd,
     "DEC,Mode,Alpha Tag\n1,D,\"Fire\" Dept\n2,D,Tac \"2\"\n3,D,\"\"x\n",
     "DEC,Mode,Name,Tag\n1,A,'Fire' Dept,EDACS\n2,A,Tac '2',EDACS\n3,A,''x,EDACS\n",
     kFromDec + "input:2: Name '\"Fire\" Dept' written as ''Fire' Dept'\n" +
         "input:3: Name 'Tac \"2\"' written as 'Tac '2''\n" +
         "input:4: Name '\"\"x' written as '''x'\n",
     0},
    {"UnclosedQuoteFails", Format::Dsd, "DEC,Mode,Alpha Tag\n1,D,Fire\n2,D,\"Law\n3,D,EMS\n",
     "DEC,Mode,Name,Tag\n1,A,Fire,EDACS\n",
     kFromDec + "input:3: a quoted field opens here and does not close; the rest of the input "
                "is not read\n",
     2},
    {"QuoteClosingLinesLater", Format::Table, "DEC\tN\r\n1\t\"a\r\n2\"\tb\r\n3\t\"c\"\r\n",
     "DEC\tN\tAFS\tHex\r\n1\t\"a\r\n2\"\t00-001\t1\tb\r\n3\tc\t00-003\t3\r\n",
     kFromDec + "input:2: this row runs over lines 2-3 (a quoted field holds a line break)\n", 0},
    // Pasted tables and decoder files.
    {"BlankLinesBeforeATabHeader", Format::Table, "\n \nDEC\tMode\n5\tD\n",
     "DEC\tMode\tAFS\tHex\n5\tD\t00-005\t5\n", kFromDec, 0},
    {"WebBlanksTrimmedElseShown", Format::Table,
     "\xE2\x80\x8B"
     "DEC\xC2\xA0\n1234\xC2\xA0\n12\xC2\xA0"
     "34\n",
     "\xE2\x80\x8B"
     "DEC\xC2\xA0,AFS,Hex\n1234\xC2\xA0,09-102,4D2\n12\xC2\xA0"
     "34,,\n",
     "input: talk-group IDs read from column 1, '\\xe2\\x80\\x8bDEC\\xc2\\xa0'\n"
     "input:3: '12\\xc2\\xa034'" +
         kNotAnId,
     1},
    {"Utf16Refused", Format::Table,
     std::string("\xFF\xFE"
                 "D\0E\0C\0",
                 8),
     "",
     "input: UTF-16 text, which is not read; convert it to UTF-8 first, e.g. with iconv -f "
     "UTF-16 -t UTF-8\n",
     2},
    {"TableInLineMode", Format::Lines, "\nDEC,Mode\n5,D\n", "",
     "input:2: 'DEC,Mode' is a table's header, not a talk-group ID; read the input as a table "
     "or in the automatic format\n",
     2},
    {"AutomaticReadsATable", Format::Automatic, "TGID\n5\n", "TGID,Decimal,AFS,Hex\n5,5,00-005,5\n",
     "input: talk-group IDs read from column 1, 'TGID'\n", 0},
    {"AutomaticReadsLines", Format::Automatic, "5\n09-102\n", "5\t00-005\t5\n1234\t09-102\t4D2\n",
     "", 0},
    {"AutomaticTableWithoutIds", Format::Automatic, "Name,Mode\nx,A\n", "",
     "input:1: a table without its ID column: no column DEC, Decimal, TGID, Talkgroup, ID, AFS "
     "or Hex among 'Name', 'Mode'; name the ID column\n",
     2},
    {"DsdFieldsCleaned", Format::Dsd, std::string("DEC,Name,Tag\n5,\xFF\xFE,a\0b\x1B\n", 23),
     "DEC,Mode,Name,Tag\n5,A,00-005,ab\n",
     kFromDec +
         "input:2: Name '\\xff\\xfe' written as '00-005', Tag 'a\\x00b\\x1b' written as 'ab'\n",
     0},
    {"RowOverTheLimit", Format::Table, "DEC\n5\n\"" + std::string(1 << 20, 'x') + "\n6\n",
     "DEC,AFS,Hex\n5,00-005,5\n",
     kFromDec + "input:3: a row longer than 1 MiB; the rest is skipped\n", 2},
    {"LongHeaderKeepsCrLf", Format::Table, "DEC," + std::string(70000, 'x') + "\r\n5,\r\n",
     "DEC," + std::string(70000, 'x') + ",AFS,Hex\r\n5,,00-005,5\r\n", kFromDec, 0},
};

class Convert : public testing::TestWithParam<Case> {};

TEST_P(Convert, OutputMessagesAndStatus) {
    const Result result = ConvertText(With(GetParam().format, GetParam().split), GetParam().in);
    EXPECT_EQ(result.output, GetParam().out);
    EXPECT_EQ(Joined(result.messages), GetParam().messages);
    EXPECT_EQ(result.status, GetParam().status);
}

INSTANTIATE_TEST_SUITE_P(Cases, Convert, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<Case>& row) { return row.param.name; });

// What the automatic format chose, for a front end to name the file it saves.
TEST(Automatic, SaysWhatItChose) {
    for (const auto& [text, chosen] :
         {std::pair<const char*, std::optional<Format>>{"TGID\n5\n", Format::Table},
          {"\n5\n", Format::Lines},
          {"", std::nullopt}}) {
        EXPECT_EQ(ConvertText(With(Format::Automatic), text).written, chosen) << text;
    }
}

// Several inputs make one table: one header, every row ended, a header that
// differs refused with its input's name.
TEST(Inputs, MakeOneTableUnderOneHeader) {
    std::ostringstream out, messages;
    Converter converter(With(Format::Table), out, messages);
    for (const auto& [name, text] :
         {std::pair{"a", "ID\n1"}, {"b", "ID\r\n2\r\n"}, {"c", "TG\n3\n"}}) {
        std::istringstream in(text);
        converter.Convert(in, name);
    }
    EXPECT_EQ(out.str(), "ID,Decimal,AFS,Hex\n1,1,00-001,1\n2,2,00-002,2\n");
    EXPECT_EQ(messages.str(),
              "a: talk-group IDs read from column 1, 'ID'\n"
              "c: its header differs from the first input's; skipped\n");
    EXPECT_EQ(converter.Status(), kFailed);
}

// As the decoders read their list: the first line skipped, every comma a
// split, empty pieces dropped, pieces 1 to 3 taken.
Rows ReadAsDecoders(const std::string& text) {
    Rows rows;
    std::istringstream lines(text);
    std::string line;
    std::getline(lines, line);
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        rows.emplace_back();
        for (std::string piece; std::getline(fields, piece, ',');) {
            if (!piece.empty() && rows.back().size() < 3) rows.back().push_back(piece);
        }
    }
    return rows;
}

// As a strict CSV reader reads it; nothing at all when it is not valid.
Rows ReadStrictCsv(const std::string& text) {
    Rows rows{{}};
    csv_parser parser;
    csv_init(&parser, CSV_STRICT | CSV_STRICT_FINI);
    const auto field = [](void* data, std::size_t size, void* to) {
        static_cast<Rows*>(to)->back().emplace_back(static_cast<char*>(data), size);
    };
    const auto row = [](int, void* to) { static_cast<Rows*>(to)->emplace_back(); };
    const bool valid =
        csv_parse(&parser, text.data(), text.size(), field, row, &rows) == text.size() &&
        csv_fini(&parser, field, row, &rows) == 0;
    csv_free(&parser);
    rows.pop_back();
    return valid ? rows : Rows{};
}

// One listing in the web table's layout (pasted: tab-separated, CR LF) and
// the download's (byte order mark, lower-case hex): quoted commas and
// quotes, encrypted modes, and a row whose forms disagree.
struct Layout {
    const char* name;
    std::string idColumn;
    std::string listing;
    std::string table;
    std::string disagreement;
};

const Layout kLayouts[] = {
    {"WebTable", "DEC",
     "DEC\tAFS\tMode\tAlpha Tag\tDescription\tTag\r\n"
     "1234\t09-102\tD\tFD Disp\t\"Fire Dispatch, North\"\tFire Dispatch\r\n"
     "1235\t09-103\tDE\t\"PD Tac \"\"1\"\"\"\tPolice, tactical\tLaw Tac\r\n"
     "586\t04-093\tTe\t\tEMS, county\tEMS Dispatch\r\n2047\t15-157\tA\tAll Call\t\t\r\n",
     "DEC\tAFS\tMode\tAlpha Tag\tDescription\tTag\tHex\r\n"
     "1234\t09-102\tD\tFD Disp\tFire Dispatch, North\tFire Dispatch\t4D2\r\n"
     "1235\t09-103\tDE\t\"PD Tac \"\"1\"\"\"\tPolice, tactical\tLaw Tac\t4D3\r\n"
     "586\t04-093\tTe\t\tEMS, county\tEMS Dispatch\t24A\r\n2047\t15-157\tA\tAll Call\t\t\t7FF\r\n",
     "input:4: DEC '586' and AFS '04-093' name different talk groups (586, 587)"},
    {"Download", "Decimal",
     "\xEF\xBB\xBF"
     "Decimal,Hex,Alpha Tag,Mode,Description,Tag,Category\n"
     "1234,4d2,FD Disp,D,\"Fire Dispatch, North\",Fire Dispatch,Fire\n"
     "1235,4d3,\"PD Tac \"\"1\"\"\",DE,\"Police, tactical\",Law Tac,Law\n"
     "586,24b,,Te,\"EMS, county\",EMS Dispatch,EMS\n2047,7ff,All Call,A,,,\n",
     "\xEF\xBB\xBF"
     "Decimal,Hex,Alpha Tag,Mode,Description,Tag,Category,AFS\n"
     "1234,4d2,FD Disp,D,\"Fire Dispatch, North\",Fire Dispatch,Fire,09-102\n"
     "1235,4d3,\"PD Tac \"\"1\"\"\",DE,\"Police, tactical\",Law Tac,Law,09-103\n"
     "586,24b,,Te,\"EMS, county\",EMS Dispatch,EMS,04-092\n2047,7ff,All Call,A,,,,15-157\n",
     "input:4: Decimal '586' and Hex '24b' name different talk groups (586, 587)"},
};

class Listing : public testing::TestWithParam<Layout> {};

TEST_P(Listing, BecomesTheTableAndTheSameDecoderLists) {
    const Result table = ConvertText(With(Format::Table), GetParam().listing);
    EXPECT_EQ(table.output, GetParam().table);
    const std::string idsFrom =
        "input: talk-group IDs read from column 1, '" + GetParam().idColumn + "'\n";
    const std::string disagreement = GetParam().disagreement + "\n";
    EXPECT_EQ(Joined(table.messages), idsFrom + disagreement);
    const Result dsd = ConvertText(With(Format::Dsd), GetParam().listing);
    EXPECT_EQ(ReadAsDecoders(dsd.output), (Rows{{"1234", "A", "FD Disp"},
                                                {"1235", "DE", "PD Tac '1'"},
                                                {"586", "DE", "EMS; county"},
                                                {"2047", "A", "All Call"}}));
    EXPECT_EQ(Joined(dsd.messages),
              idsFrom + "input:3: Name 'PD Tac \"1\"' written as 'PD Tac '1''\n" + disagreement +
                  "input:4: Name 'EMS, county' written as 'EMS; county'\n");
    Rows rows = ReadStrictCsv(ConvertText(With(Format::RadioReference), GetParam().listing).output);
    for (auto& row : rows) row.resize(row.size() == 7 ? 6 : 0);  // Category differs by layout
    EXPECT_EQ(rows, (Rows{{"Decimal", "Hex", "Alpha Tag", "Mode", "Description", "Tag"},
                          {"1234", "4d2", "FD Disp", "D", "Fire Dispatch; North", "Fire Dispatch"},
                          {"1235", "4d3", "PD Tac '1'", "DE", "Police; tactical", "Law Tac"},
                          {"586", "24a", "", "Te", "EMS; county", "EMS Dispatch"},
                          {"2047", "7ff", "All Call", "A", "", ""}}));
}

INSTANTIATE_TEST_SUITE_P(Layouts, Listing, testing::ValuesIn(kLayouts),
                         [](const testing::TestParamInfo<Layout>& row) { return row.param.name; });

}  // namespace
}  // namespace zembra::lists
