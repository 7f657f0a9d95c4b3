// SPDX-License-Identifier: MIT
// Every agency-fleet-subfleet split a system may choose, and a split's
// name as the decoders' options and Zembra's --split write it.
#pragma once

#include <string>
#include <vector>

#include "lists/id_grammar.h"

namespace zembra::lists {

// The 45 splits a:f:s with a + f + s = 11 and each at least 1, agency bits
// ascending, then fleet bits.
const std::vector<Split>& AllSplits();

// "3:4:4".
std::string SplitName(const Split& split);

// Where an ID lies under a split. EDACS keeps fleet 0, subfleet 0 of each
// agency for the agency call and subfleet 0 of each fleet for the fleet call.
struct Place {
    int agency, fleet, subfleet;
    bool AgencyCall() const { return fleet == 0 && subfleet == 0; }
    bool FleetCall() const { return subfleet == 0; }
};
Place PlaceOf(int id, const Split& split);

}  // namespace zembra::lists
