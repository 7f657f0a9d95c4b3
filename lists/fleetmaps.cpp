// SPDX-License-Identifier: MIT
// Weighing the splits: each row's call words and department, the evidence
// that rows and neighbouring rows give, and each split's score from it.
#include "lists/fleetmaps.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <optional>

#include "lists/splits.h"
#include "lists/text.h"

namespace zembra::lists {

namespace {

// A split is told from another when it scores this much more, and the
// points against it are at most a quarter of those for it.
constexpr long kLeastMargin = 3;
constexpr long kMostAgainst = 4;
constexpr long kLeastUncalledRows = 5;

bool WordCharacter(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
           byte >= 0x80;
}

std::string Upper(std::string_view word) {
    std::string upper(word);
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return upper;
}

std::vector<std::string> Words(std::string_view text) {
    std::vector<std::string> words;
    for (std::size_t i = 0; i < text.size();) {
        if (!WordCharacter(text[i])) {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < text.size() && WordCharacter(text[end])) ++end;
        words.push_back(Upper(text.substr(i, end - i)));
        i = end;
    }
    return words;
}

enum class Call { None, Agency, Fleet };

// What a row's words say: whether it is a call, its department and unit.
struct Labels {
    Call call = Call::None;
    std::string department;  // empty for a row without a name
    std::string unit;        // the department and its second word without digits
};

bool Has(const std::vector<std::string>& words, std::initializer_list<std::string_view> wanted) {
    return std::any_of(words.begin(), words.end(), [wanted](const std::string& word) {
        return std::find(wanted.begin(), wanted.end(), word) != wanted.end();
    });
}

Labels LabelsOf(const FleetmapRow& row) {
    Labels labels;
    const std::vector<std::string> name = Words(row.name);
    std::vector<std::string> all = Words(row.description);
    all.insert(all.end(), name.begin(), name.end());
    if (Has(all, {"ALL", "AGENCY"})) labels.call = Call::Agency;
    if (labels.call == Call::None && Has(all, {"FLEET", "COMMON"})) labels.call = Call::Fleet;
    // Stub names ("TG 1234 (09-102)") name no department.
    if (name.empty() || (name[0] == "TG" && row.name.starts_with("TG "))) return labels;
    labels.department = name[0];
    if (name.size() < 2 || labels.call == Call::Agency) return labels;
    const std::size_t digits = name[1].find_last_not_of("0123456789");
    labels.unit = name[0] + " " + name[1].substr(0, digits == std::string::npos ? 0 : digits + 1);
    return labels;
}

// Departments whose rows are evidence: those that name a call, their rows
// together in ID order (in runs of three rows or more, on the whole), and
// those of five rows or more in one run; all within 1,024 IDs, as no
// agency under any split is larger. Stray rows that share a word
// ("Unknown", "Data") are no department.
std::vector<bool> Established(const std::vector<FleetmapRow>& rows,
                              const std::vector<Labels>& labels) {
    struct Seen {
        long rows = 0, runs = 0;
        bool call = false;
        int first = kStandardIds, last = 0;
    };
    std::map<std::string, Seen> departments;
    const std::string* before = nullptr;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const std::string& department = labels[i].department;
        if (department.empty()) continue;
        Seen& seen = departments[department];
        ++seen.rows;
        seen.runs += before == nullptr || *before != department;
        seen.call = seen.call || labels[i].call != Call::None;
        seen.first = std::min(seen.first, rows[i].id);
        seen.last = std::max(seen.last, rows[i].id);
        before = &department;
    }
    std::vector<bool> established;
    for (const Labels& label : labels) {
        const Seen& seen = departments[label.department];
        const bool together = seen.call ? seen.runs * 3 <= seen.rows + 2
                                        : seen.runs == 1 && seen.rows >= kLeastUncalledRows;
        established.push_back(!label.department.empty() && together &&
                              seen.last - seen.first < kStandardIds / 2);
    }
    return established;
}

// Each row of a department or unit that names its call lies in that call's
// agency or fleet.
void AddMembers(const std::vector<Labels>& labels, const std::vector<bool>& established,
                std::vector<Evidence>& evidence) {
    std::map<std::string, std::size_t> agencyCalls, fleetCalls;
    for (std::size_t i = 0; i < labels.size(); ++i) {
        if (labels[i].call == Call::Agency) agencyCalls.try_emplace(labels[i].department, i);
        if (labels[i].call == Call::Fleet) fleetCalls.try_emplace(labels[i].unit, i);
    }
    for (std::size_t i = 0; i < labels.size(); ++i) {
        if (!established[i] || labels[i].call == Call::Agency) continue;
        const auto agency = agencyCalls.find(labels[i].department);
        if (agency != agencyCalls.end()) {
            evidence.push_back({Evidence::Kind::AgencyMember, i, agency->second, true});
        }
        const auto fleet = fleetCalls.find(labels[i].unit);
        if (labels[i].call == Call::None && fleet != fleetCalls.end()) {
            evidence.push_back({Evidence::Kind::FleetMember, i, fleet->second, true});
        }
    }
}

std::vector<Evidence> EvidenceOf(const std::vector<FleetmapRow>& rows) {
    std::vector<Labels> labels;
    labels.reserve(rows.size());
    for (const FleetmapRow& row : rows) labels.push_back(LabelsOf(row));
    const std::vector<bool> established = Established(rows, labels);
    std::vector<Evidence> evidence;
    std::optional<std::size_t> previous;  // the row of a department before, in ID order
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (!established[i]) continue;
        using Kind = Evidence::Kind;
        constexpr std::array<Kind, 3> kKinds = {Kind::Ordinary, Kind::AgencyCall, Kind::FleetCall};
        evidence.push_back({kKinds[static_cast<std::size_t>(labels[i].call)], i});
        if (previous && rows[*previous].id != rows[i].id) {
            const Labels& before = labels[*previous];
            const bool sameDepartment = before.department == labels[i].department;
            evidence.push_back({Kind::Department, *previous, i, sameDepartment});
            if (sameDepartment && !before.unit.empty() && !labels[i].unit.empty()) {
                evidence.push_back({Kind::Unit, *previous, i, before.unit == labels[i].unit});
            }
        }
        previous = i;
    }
    AddMembers(labels, established, evidence);
    return evidence;
}

// Whether the evidence tells one split clearly from another: it gains by
// a few points, and few rows speak the other way.
bool ClearlyBetter(const SplitFit& better, const SplitFit& worse) {
    long gained = 0, lost = 0;
    for (std::size_t i = 0; i < better.verdicts.size(); ++i) {
        const int difference = better.verdicts[i] - worse.verdicts[i];
        (difference > 0 ? gained : lost) += std::abs(difference);
    }
    return gained - lost >= kLeastMargin && lost * kMostAgainst <= gained;
}

SplitFit Fit(const Fleetmaps& weighed, const Split& split) {
    SplitFit fit;
    fit.split = split;
    fit.verdicts.reserve(weighed.evidence.size());
    for (const Evidence& evidence : weighed.evidence) {
        const int verdict = Verdict(weighed, evidence, split);
        fit.verdicts.push_back(static_cast<signed char>(verdict));
        fit.score += verdict;
        const bool pair =
            evidence.kind == Evidence::Kind::Department || evidence.kind == Evidence::Kind::Unit;
        const bool member = evidence.kind == Evidence::Kind::AgencyMember ||
                            evidence.kind == Evidence::Kind::FleetMember;
        if (member) {
            fit.outsideCalls += verdict < 0;
        } else if (pair) {
            (verdict > 0 ? fit.pairsTogether : fit.pairsApart) += 1;
        } else if (evidence.kind == Evidence::Kind::Ordinary) {
            fit.ordinaryOnCalls += verdict < 0;
        } else {
            (verdict > 0 ? fit.callsPlaced : fit.callsMisplaced) += 1;
        }
    }
    return fit;
}

}  // namespace

std::vector<FleetmapRow> FleetmapRows(const Listing& listing) {
    std::vector<FleetmapRow> rows;
    const Columns& columns = listing.columns;
    for (const ListingRow& row : listing.rows) {
        if (!row.id || *row.id >= kStandardIds) continue;
        std::string_view name;
        for (const std::size_t column : {columns.alphaTag, columns.name, columns.description}) {
            name = TrimBlanks(FieldAt(row.fields, column));
            if (!name.empty()) break;
        }
        rows.push_back({*row.id, std::string(name),
                        std::string(TrimBlanks(FieldAt(row.fields, columns.description))),
                        listing.name + ":" + std::to_string(row.line)});
    }
    return rows;
}

std::vector<FleetmapRow> FleetmapRows(const HeardGroups& groups, std::string_view logName) {
    std::vector<FleetmapRow> rows;
    for (const auto& [id, heard] : groups) {
        if (id < kStandardIds) rows.push_back({id, "", "", Printable(logName, kWhole)});
    }
    return rows;
}

int Verdict(const Fleetmaps& weighed, const Evidence& evidence, const Split& split) {
    const Place place = PlaceOf(weighed.rows[evidence.row].id, split);
    const auto agrees = [&evidence](bool together) { return together == evidence.same ? 1 : -1; };
    switch (evidence.kind) {
        case Evidence::Kind::AgencyCall:
            return place.AgencyCall() ? 1 : -1;
        case Evidence::Kind::FleetCall:
            return place.FleetCall() ? 1 : -1;
        case Evidence::Kind::Ordinary:
            return place.FleetCall() ? -1 : 0;
        case Evidence::Kind::Department:
            return agrees(place.agency == PlaceOf(weighed.rows[evidence.other].id, split).agency);
        case Evidence::Kind::Unit:
        case Evidence::Kind::FleetMember: {
            const Place other = PlaceOf(weighed.rows[evidence.other].id, split);
            const bool together = place.agency == other.agency && place.fleet == other.fleet;
            if (evidence.kind == Evidence::Kind::FleetMember) return together ? 0 : -1;
            return agrees(together);
        }
        case Evidence::Kind::AgencyMember:
            return place.agency == PlaceOf(weighed.rows[evidence.other].id, split).agency ? 0 : -1;
    }
    return 0;
}

Fleetmaps WeighSplits(std::vector<FleetmapRow> rows) {
    Fleetmaps weighed;
    std::stable_sort(rows.begin(), rows.end(),
                     [](const FleetmapRow& a, const FleetmapRow& b) { return a.id < b.id; });
    weighed.rows = std::move(rows);
    weighed.evidence = EvidenceOf(weighed.rows);
    for (const Split& split : AllSplits()) weighed.ranked.push_back(Fit(weighed, split));
    std::stable_sort(weighed.ranked.begin(), weighed.ranked.end(),
                     [](const SplitFit& a, const SplitFit& b) { return a.score > b.score; });
    // The splits the evidence cannot tell from the best come right after it.
    const SplitFit& best = weighed.ranked.front();
    const auto told =
        std::stable_partition(weighed.ranked.begin() + 1, weighed.ranked.end(),
                              [&best](const SplitFit& fit) { return !ClearlyBetter(best, fit); });
    weighed.alike = static_cast<std::size_t>(told - weighed.ranked.begin());
    return weighed;
}

}  // namespace zembra::lists
