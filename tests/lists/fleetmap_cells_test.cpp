// SPDX-License-Identifier: MIT
// The page's map of talk groups: the texts of testdata/fleetmap_cells.txt
// read as a listing or a log under a split, and where their groups land.
#include "lists/fleetmap_cells.h"

#include <gtest/gtest.h>

#include "tests/core/case_file.h"

namespace zembra::lists {
namespace {

std::string Narrow(const std::u16string& text) { return std::string(text.begin(), text.end()); }

// The map as its case file words it.
std::string Shown(const FleetmapSource& source, const FleetmapPicture& picture) {
    const char* const calls[] = {"-", "agency", "fleet"};
    std::string shown = (source.kind.empty() ? "none" : source.kind) + " |";
    for (const MapCell& cell : picture.cells) {
        const Place& at = cell.place;
        shown += " " + std::to_string(cell.id) + " " + cell.afs + " " + std::to_string(at.agency) +
                 "." + std::to_string(at.fleet) + "." + std::to_string(at.subfleet) + " " +
                 calls[static_cast<int>(cell.call)] + " '" + cell.name + "';";
    }
    shown += " |";
    for (const FleetCount& fleet : picture.fleets) {
        shown += " " + std::to_string(fleet.agency) + "." + std::to_string(fleet.fleet) + ":" +
                 std::to_string(fleet.groups);
    }
    return shown;
}

TEST(FleetmapCells, MapTheTextsOfItsFile) {
    for (const tests::CaseRow& row : tests::ReadCases(ZEMBRA_LIST_CASES "/fleetmap_cells.txt", 3)) {
        const Split split = ParseSplit(Narrow(row.fields[0])).value();
        const FleetmapSource source =
            ReadFleetmapSource(Narrow(row.fields[1]), "pasted", "", split, Addressing::Standard);
        EXPECT_EQ(Shown(source, DrawFleetmap(source.rows, split)), Narrow(row.fields[2]))
            << row.where;
    }
}

}  // namespace
}  // namespace zembra::lists
