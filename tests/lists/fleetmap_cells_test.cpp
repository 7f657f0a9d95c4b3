// SPDX-License-Identifier: MIT
// The page's map of talk groups: where a few IDs land under two splits,
// which are calls, the fleets counted, and what the map is read from.
#include <gtest/gtest.h>

#include "lists/fleetmap_cells.h"

namespace zembra::lists {
namespace {

using Call = MapCell::Call;

struct Placed {
    int id;
    int agency, fleet, subfleet;
    const char* afs;
    Call call;
};

struct SplitCase {
    Split split;
    std::vector<Placed> cells;
    std::vector<std::array<int, 3>> fleets;  // agency, fleet, groups
};

const std::vector<FleetmapRow> kRows = {
    {1234, "FD Disp", "", "a:2"}, {128, "PD All", "", "a:3"}, {136, "PD Fleet", "", "a:4"},
    {16, "SO", "", "a:5"},        {256, "EMS", "", "a:6"},    {1234, "again", "", "a:7"},
};

const SplitCase kCases[] = {
    {{{4, 4, 3}},
     {{16, 0, 2, 0, "00-020", Call::Fleet},
      {128, 1, 0, 0, "01-000", Call::Agency},
      {136, 1, 1, 0, "01-010", Call::Fleet},
      {256, 2, 0, 0, "02-000", Call::Agency},
      {1234, 9, 10, 2, "09-102", Call::None}},
     {{0, 2, 1}, {1, 0, 1}, {1, 1, 1}, {2, 0, 1}, {9, 10, 1}}},
    {{{3, 4, 4}},
     {{16, 0, 1, 0, "0:01:00", Call::Fleet},
      {128, 0, 8, 0, "0:08:00", Call::Fleet},
      {136, 0, 8, 8, "0:08:08", Call::None},
      {256, 1, 0, 0, "1:00:00", Call::Agency},
      {1234, 4, 13, 2, "4:13:02", Call::None}},
     {{0, 1, 1}, {0, 8, 2}, {1, 0, 1}, {4, 13, 1}}},
};

TEST(FleetmapCells, PlacesEachGroupOnceWithItsCall) {
    for (const SplitCase& test : kCases) {
        SCOPED_TRACE(SplitName(test.split));
        const FleetmapPicture picture = DrawFleetmap(kRows, test.split);
        ASSERT_EQ(picture.cells.size(), test.cells.size());
        for (std::size_t i = 0; i < test.cells.size(); ++i) {
            const MapCell& cell = picture.cells[i];
            const Placed& want = test.cells[i];
            EXPECT_EQ(cell.id, want.id);
            EXPECT_EQ((std::array{cell.place.agency, cell.place.fleet, cell.place.subfleet}),
                      (std::array{want.agency, want.fleet, want.subfleet}))
                << want.id;
            EXPECT_EQ(cell.afs, want.afs);
            EXPECT_EQ(cell.call, want.call) << want.id;
        }
        EXPECT_EQ(picture.cells.back().name, "FD Disp");  // the first row of 1234
        std::vector<std::array<int, 3>> fleets;
        for (const FleetCount& count : picture.fleets) {
            fleets.push_back({count.agency, count.fleet, count.groups});
        }
        EXPECT_EQ(fleets, test.fleets);
    }
}

TEST(FleetmapCells, ReadsAListingElseALog) {
    const Split split{{4, 4, 3}};
    const struct {
        const char* text;
        const char* kind;
        std::vector<int> ids;
    } cases[] = {
        {"Decimal,Alpha Tag\n1234,FD Disp\n16,SO\n", "listing", {1234, 16}},
        {"2026/08/22 14:53:31 EDACS/PV AFS: 4:13:02 (1234); LID: 00123; LCN: 02; Site: 1; "
         "Analog Group Voice Call;\n",
         "log",
         {1234}},
        {"hello\nworld\n", "", {}},
    };
    for (const auto& test : cases) {
        const FleetmapSource source =
            ReadFleetmapSource(test.text, "pasted", "", split, Addressing::Standard);
        EXPECT_EQ(source.kind, test.kind) << test.text;
        std::vector<int> ids;
        for (const FleetmapRow& row : source.rows) ids.push_back(row.id);
        EXPECT_EQ(ids, test.ids) << test.text;
    }
}

}  // namespace
}  // namespace zembra::lists
