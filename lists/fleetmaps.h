// SPDX-License-Identifier: MIT
// Which agency-fleet-subfleet split fits a system, weighed from its listing
// or what a decoder heard of it. Under the split a system was planned with,
// EDACS puts each agency's call at fleet 0, subfleet 0 and each fleet's call
// at subfleet 0, and ordinary groups elsewhere; the groups of one department
// (one tag prefix) share an agency, and those of one unit ("TPD D1", "TPD
// D2") share a fleet. Each split is scored by how many rows and neighbouring
// rows agree with that, and the ranking says when the evidence is too thin
// to tell splits apart.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "lists/decoder_log.h"
#include "lists/listing.h"

namespace zembra::lists {

// A talk group as the weighing sees it: its ID, its name and description,
// and where it was read ("listing.csv:12").
struct FleetmapRow {
    int id = 0;
    std::string name;
    std::string description;
    std::string where;
};

// A listing's rows with an ID below 2048; a name is the Alpha Tag, else the
// Name, else the Description column. Heard groups have no names.
std::vector<FleetmapRow> FleetmapRows(const Listing& listing);
std::vector<FleetmapRow> FleetmapRows(const HeardGroups& groups, std::string_view logName);

// What one row or pair of neighbouring rows says about a split.
struct Evidence {
    enum class Kind {
        AgencyCall,    // a row that names an agency call
        FleetCall,     // a row that names a fleet call
        Ordinary,      // a row of a department that names no call
        Department,    // two neighbouring rows, of one department or not
        Unit,          // two neighbouring rows of one department, of one unit or not
        AgencyMember,  // a row of a department, and its agency call
        FleetMember,   // a row of a unit, and its fleet call
    } kind;
    std::size_t row = 0;    // into the rows weighed
    std::size_t other = 0;  // the pair's second row, or the call
    bool same = false;      // the pair shares its department or unit
};

struct SplitFit {
    Split split;
    long score = 0;
    long callsPlaced = 0, callsMisplaced = 0, ordinaryOnCalls = 0;
    long pairsTogether = 0, pairsApart = 0;  // department and unit pairs agreeing, or not
    long outsideCalls = 0;                   // rows outside their call's agency or fleet
    std::vector<signed char> verdicts;       // of each piece of evidence, as Verdict gives it
};

struct Fleetmaps {
    std::vector<FleetmapRow> rows;
    std::vector<Evidence> evidence;
    // All 45, best first, then those the evidence cannot tell from it,
    // then the others, each by score.
    std::vector<SplitFit> ranked;
    std::size_t alike = 0;  // the best and those it cannot be told from
};

Fleetmaps WeighSplits(std::vector<FleetmapRow> rows);

// +1 where the evidence supports the split, -1 where it contradicts it, 0 for neither.
int Verdict(const Fleetmaps& weighed, const Evidence& evidence, const Split& split);

// The report: a line per split, the rows that decided the best three, the
// best split's options, and how sure the ranking is. `source` is "listing"
// or "log"; `splitSetting` names the front end's setting of the split, when
// the report is to say how to choose the best one there.
std::string FleetmapReport(const Fleetmaps& weighed, std::string_view source,
                           std::string_view splitSetting = "");

}  // namespace zembra::lists
