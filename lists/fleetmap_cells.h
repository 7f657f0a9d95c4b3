// SPDX-License-Identifier: MIT
// A listing or a decoder log as the page's map draws it under one split:
// each talk group in its agency, fleet and subfleet, with its AFS form, its
// name and whether it lies on an agency or fleet call; the count of each
// fleet for the map's text alternative; and the fleetmap report with the
// split it ranks best.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "lists/fleetmaps.h"
#include "lists/splits.h"

namespace zembra::lists {

struct MapCell {
    int id = 0;
    Place place{};
    std::string afs;
    std::string name;
    enum class Call { None, Agency, Fleet } call = Call::None;
};

struct FleetCount {
    int agency = 0, fleet = 0;
    int groups = 0;
};

struct FleetmapPicture {
    Split split;
    std::vector<MapCell> cells;      // one per talk group, in ID order
    std::vector<FleetCount> fleets;  // the fleets that hold any, in ID order
};

// The rows' talk groups under `split`; a group listed twice keeps its
// first row's name.
FleetmapPicture DrawFleetmap(const std::vector<FleetmapRow>& rows, const Split& split);

// What the map is drawn from: a listing's rows, or else a log's heard
// groups; no rows when the text is neither.
struct FleetmapSource {
    std::string kind;  // "listing", "log" or ""
    std::vector<FleetmapRow> rows;
};

// Reads `text` as a listing with its ID column as `column` names it, under
// `split`; a text that is no listing is read as a decoder log, whatever
// split its decoder was set to.
FleetmapSource ReadFleetmapSource(std::string_view text, std::string_view name,
                                  std::string_view column, const Split& split,
                                  Addressing addressing);

}  // namespace zembra::lists
