// SPDX-License-Identifier: MIT
// The batch converter's reading and writing of IDs: against the conversion
// core for all 2,048 IDs, against a reference for other fleet maps, and the
// texts it must refuse.
#include "cli/talk_group.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "core/afs_codec.h"
#include "core/memory_fields.h"

namespace zembra::cli {
namespace {

std::string Narrow(const Text& text) { return {text.begin(), text.end()}; }

TEST(TalkGroupTable, AgreesWithTheCoreForEveryId) {
    const TalkGroupTable table;
    for (int id = 0; id < kIdCount; ++id) {
        SCOPED_TRACE(id);
        MemoryFields fields;
        fields.decimalText = FormatDecimal(id);
        EncodeAfs(fields);
        const std::string afs = Narrow(fields.afsText);
        const std::string hex = Narrow(fields.hexText);
        EXPECT_EQ(table.Decimal(id), std::to_string(id));
        EXPECT_EQ(table.Afs(id), afs);
        EXPECT_EQ(table.Hex(id), hex);
        for (const std::string& text :
             {std::to_string(id), afs, "0x" + hex, " \t" + afs + "  ", "0x00" + hex}) {
            EXPECT_EQ(table.Parse(text), id) << text;
        }
    }
}

TEST(TalkGroupTable, RefusesWhatIsNotAnId) {
    const TalkGroupTable table;
    for (const char* text :
         {"16-000", "00-160",   "00-008", "2048",   "12abc",     "9-102", "",
          "   ",    "09-1020",  "09-10",  "09--02", "09_102",    "+5",    "-1",
          "1.0",    "1e3",      "0x",     "0x800",  "0xG",       "&H7FF", "09-10 2",
          "1 234",  "\xD9\xA1", "5\r",    "0x-1",   "4294967301"}) {
        EXPECT_EQ(table.Parse(text), std::nullopt) << '\'' << text << '\'';
    }
    EXPECT_EQ(table.Parse(std::string("5\0", 2)), std::nullopt);
    EXPECT_EQ(table.Parse("0000000000012"), 12);
}

TEST(FleetSplit, ReadsThreeBitCountsThatMakeEleven) {
    EXPECT_EQ(ParseFleetSplit("4:4:3"), (FleetSplit{4, 4, 3}));
    EXPECT_EQ(ParseFleetSplit("9:1:1"), (FleetSplit{9, 1, 1}));
    for (const char* text : {"", "4:4:4", "0:8:3", "11:0:0", "4:4", "4:4:3:0", "4::7", ":4:4:3",
                             "a:b:c", "4:4:3 ", "-1:8:4", "99999999999:1:1"}) {
        EXPECT_EQ(ParseFleetSplit(text), std::nullopt) << text;
    }
}

// Each group as wide as its largest value, "-" between all groups except
// 4:4:3's fleet and subfleet.
std::string Reference(const FleetSplit& s, int agency, int fleet, int subfleet) {
    const auto width = [](int bits) {
        return static_cast<int>(std::to_string((1 << bits) - 1).size());
    };
    const bool standard = s.agencyBits == 4 && s.fleetBits == 4 && s.subfleetBits == 3;
    char text[32];
    std::snprintf(text, sizeof text, "%0*d-%0*d%s%0*d", width(s.agencyBits), agency,
                  width(s.fleetBits), fleet, standard ? "" : "-", width(s.subfleetBits), subfleet);
    return text;
}

class EverySplit : public testing::TestWithParam<FleetSplit> {};

// The groups worked out by division; a group one past its largest value is
// refused.
TEST_P(EverySplit, WritesAndReadsTheReferenceForm) {
    const FleetSplit s = GetParam();
    const TalkGroupTable table(s);
    const int fleets = 1 << s.fleetBits;
    const int subfleets = 1 << s.subfleetBits;
    for (int id = 0; id < kIdCount; ++id) {
        const std::string afs =
            Reference(s, id / (fleets * subfleets), id / subfleets % fleets, id % subfleets);
        ASSERT_EQ(table.Afs(id), afs) << id;
        ASSERT_EQ(table.Parse(afs), id) << afs;
    }
    for (const std::string& text : {Reference(s, 1 << s.agencyBits, 0, 0),
                                    Reference(s, 0, fleets, 0), Reference(s, 0, 0, subfleets)}) {
        EXPECT_EQ(table.Parse(text), std::nullopt) << text;
    }
}

INSTANTIATE_TEST_SUITE_P(Splits, EverySplit,
                         testing::Values(FleetSplit{4, 4, 3}, FleetSplit{3, 4, 4},
                                         FleetSplit{4, 3, 4}, FleetSplit{5, 5, 1},
                                         FleetSplit{7, 2, 2}, FleetSplit{1, 1, 9}),
                         [](const testing::TestParamInfo<FleetSplit>& split) {
                             const FleetSplit& s = split.param;
                             return "Split" + std::to_string(s.agencyBits * 100 + s.fleetBits * 10 +
                                                             s.subfleetBits);
                         });

}  // namespace
}  // namespace zembra::cli
