// SPDX-License-Identifier: MIT
// The fleetmap report in words: a line per split, the rows that decided the
// best three, the options of the best one, and how sure the ranking is.
#include <algorithm>

#include "lists/fleetmaps.h"
#include "lists/splits.h"
#include "lists/text.h"

namespace zembra::lists {

namespace {

// Rows named for each of the best splits.
constexpr std::size_t kDecidingRows = 3;
constexpr std::size_t kDecidedSplits = 3;

std::string Counted(long count, std::string_view one, std::string_view many) {
    return std::to_string(count) + " " + std::string(count == 1 ? one : many);
}

std::string FitLine(const SplitFit& fit) {
    std::string line = SplitName(fit.split) + "  " + (fit.score > 0 ? "+" : "") +
                       std::to_string(fit.score) + "  for: ";
    const long calls = fit.callsPlaced + fit.callsMisplaced;
    line += std::to_string(fit.callsPlaced) + " of " + Counted(calls, "call", "calls") +
            " in place, " + Counted(fit.pairsTogether, "neighbour agrees", "neighbours agree");
    const std::pair<long, std::string> against[] = {
        {fit.callsMisplaced, Counted(fit.callsMisplaced, "call", "calls") + " out of place"},
        {fit.pairsApart, Counted(fit.pairsApart, "neighbour disagrees", "neighbours disagree")},
        {fit.ordinaryOnCalls,
         Counted(fit.ordinaryOnCalls, "group", "groups") + " on a call's place"},
        {fit.outsideCalls,
         Counted(fit.outsideCalls, "row", "rows") + " outside their call's agency or fleet"}};
    std::string said;
    for (const auto& [count, words] : against) {
        if (count > 0) said += (said.empty() ? "" : ", ") + words;
    }
    return line + "; against: " + (said.empty() ? "nothing" : said);
}

std::string Row(const Fleetmaps& weighed, std::size_t index, const Split& split) {
    const FleetmapRow& row = weighed.rows[index];
    std::string text = "'" + Printable(row.name) + "' (" + std::to_string(row.id) + ", ";
    AppendId(text, row.id, IdForm::Afs, split);
    return text + ")";
}

std::string Said(const Fleetmaps& weighed, const Evidence& evidence, const Split& split) {
    const bool holds = Verdict(weighed, evidence, split) > 0;
    const std::string row =
        weighed.rows[evidence.row].where + ": " + Row(weighed, evidence.row, split);
    switch (evidence.kind) {
        case Evidence::Kind::AgencyCall:
            return row + (holds ? " is an agency call at fleet 0, subfleet 0"
                                : " is an agency call off fleet 0, subfleet 0");
        case Evidence::Kind::FleetCall:
            return row +
                   (holds ? " is a fleet call at subfleet 0" : " is a fleet call off subfleet 0");
        case Evidence::Kind::Ordinary:
            return row + " is an ordinary group at subfleet 0, a fleet call's place";
        case Evidence::Kind::AgencyMember:
        case Evidence::Kind::FleetMember:
            return row +
                   (Verdict(weighed, evidence, split) == 0 ? " lies in the "
                                                           : " lies outside the ") +
                   (evidence.kind == Evidence::Kind::AgencyMember ? "agency" : "fleet") +
                   " of its call " + Row(weighed, evidence.other, split);
        case Evidence::Kind::Department:
        case Evidence::Kind::Unit:
            break;
    }
    const std::string_view level =
        evidence.kind == Evidence::Kind::Department ? "department" : "unit";
    const std::string_view block = evidence.kind == Evidence::Kind::Department ? "agency" : "fleet";
    const std::string pair = row + " and " + Row(weighed, evidence.other, split);
    if (evidence.same) {
        return pair + ", of one " + std::string(level) +
               (holds ? ", share an " : ", lie across more than one ") + std::string(block);
    }
    return pair + ", of different " + std::string(level) + "s, " +
           (holds ? "lie in different " : "share an ") + std::string(block) + (holds ? "s" : "");
}

// Why a split ranks where it does: for the best, the rows that support it
// and not the runner-up; for the others, the rows that speak against it
// and for the best.
std::string Deciding(const Fleetmaps& weighed, std::size_t rank) {
    const Split& split = weighed.ranked[rank].split;
    const Split& other = weighed.ranked[rank == 0 ? 1 : 0].split;
    std::string text = "The rows that decided " + SplitName(split) + ":\n";
    std::size_t named = 0;
    for (const Evidence& evidence : weighed.evidence) {
        const int here = Verdict(weighed, evidence, split);
        const int there = Verdict(weighed, evidence, other);
        if (rank == 0 ? here <= there : here >= there) continue;
        if (named++ == kDecidingRows) break;
        text += "  " + Said(weighed, evidence, split) + "\n";
    }
    if (named == 0) text += "  none tells it from " + SplitName(other) + "\n";
    return text;
}

std::string Alike(const Fleetmaps& weighed) {
    std::string names;
    for (std::size_t i = 0; i < weighed.alike; ++i) {
        if (i > 0) names += i + 1 < weighed.alike ? ", " : " and ";
        names += SplitName(weighed.ranked[i].split);
    }
    return names;
}

}  // namespace

std::string FleetmapReport(const Fleetmaps& weighed, std::string_view source,
                           std::string_view splitSetting) {
    std::string report = "Splits ranked by how well the " + std::string(source) + " fits them:\n";
    for (const SplitFit& fit : weighed.ranked) report += FitLine(fit) + "\n";
    const std::string best = SplitName(weighed.ranked[0].split);
    if (weighed.evidence.empty()) {
        return report + "The " + std::string(source) +
               " names no calls and no departments, so it does not decide between any of the " +
               std::to_string(weighed.ranked.size()) + " splits.\n";
    }
    for (std::size_t rank = 0; rank < kDecidedSplits; ++rank) report += Deciding(weighed, rank);
    std::string digits = best;
    std::erase(digits, ':');
    const std::string_view lead = weighed.alike > 1 ? "Highest score " : "Best fit ";
    report += std::string(lead) + best + ": -fh" + digits + " for the decoders";
    if (!splitSetting.empty())
        report += ", " + std::string(splitSetting) + " " + best + " for Zembra";
    report += ".\n";
    if (weighed.alike > 1) {
        return report + "The " + std::string(source) + " does not decide between " +
               Alike(weighed) + ".\n";
    }
    return report + best + " fits clearly better than " + SplitName(weighed.ranked[1].split) +
           ".\n";
}

}  // namespace zembra::lists
