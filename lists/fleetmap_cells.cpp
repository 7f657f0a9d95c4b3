// SPDX-License-Identifier: MIT
// The talk groups of a listing or log placed on the map of a split.
#include "lists/fleetmap_cells.h"

#include <algorithm>
#include <sstream>

#include "lists/convert.h"
#include "lists/decoder_log.h"
#include "lists/listing.h"

namespace zembra::lists {

FleetmapPicture DrawFleetmap(const std::vector<FleetmapRow>& rows, const Split& split) {
    std::vector<const FleetmapRow*> sorted;
    sorted.reserve(rows.size());
    for (const FleetmapRow& row : rows) sorted.push_back(&row);
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const FleetmapRow* a, const FleetmapRow* b) { return a->id < b->id; });
    FleetmapPicture picture{split, {}, {}};
    for (const FleetmapRow* row : sorted) {
        if (!picture.cells.empty() && picture.cells.back().id == row->id) continue;
        MapCell cell{row->id, PlaceOf(row->id, split), "", row->name, MapCell::Call::None};
        AppendId(cell.afs, row->id, IdForm::Afs, split);
        if (cell.place.AgencyCall()) {
            cell.call = MapCell::Call::Agency;
        } else if (cell.place.FleetCall()) {
            cell.call = MapCell::Call::Fleet;
        }
        std::vector<FleetCount>& fleets = picture.fleets;
        if (fleets.empty() || fleets.back().agency != cell.place.agency ||
            fleets.back().fleet != cell.place.fleet) {
            fleets.push_back({cell.place.agency, cell.place.fleet, 0});
        }
        ++fleets.back().groups;
        picture.cells.push_back(std::move(cell));
    }
    return picture;
}

FleetmapSource ReadFleetmapSource(std::string_view text, std::string_view name,
                                  std::string_view column, const Split& split,
                                  Addressing addressing) {
    const ListingRead read = ReadListing(text, name, column, split, addressing);
    if (read.status != kFailed) return {"listing", FleetmapRows(read.listing)};
    std::ostringstream messages;  // the conversion beside the map names the lines
    LogReader reader({split, addressing, false}, messages);
    reader.Begin(name);
    reader.Feed(text);
    reader.End();
    if (reader.Counted() == 0) return {};
    return {"log", FleetmapRows(reader.Groups(), name)};
}

}  // namespace zembra::lists
