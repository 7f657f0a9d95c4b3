// SPDX-License-Identifier: MIT
// The list library for the page's list tool, through embind: the Output
// choices; ListConversion, fed in blocks so that the worker running it
// (list_worker.js) can report progress and stop between them; and the
// talk-group map of a listing or log with its fleetmap report.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>

#include "lists/convert.h"
#include "lists/fleetmap_cells.h"

namespace zembra::web {

namespace {

using emscripten::val;

// The Output choice: each format by its name, and line output of one form
// as "lines:afs", each with the words the command line's help uses.
val ListFormats() {
    using namespace lists;
    val choices = val::array();
    const auto add = [&choices](std::string value, std::string label) {
        val choice = val::object();
        choice.set("value", value);
        choice.set("label", label);
        choices.call<void>("push", choice);
    };
    for (const Named& format : kFormats) {
        add(std::string(format.name),
            std::string(format.name) + ": " + std::string(format.description));
    }
    const std::string_view lines = NameOf(Format::Lines);
    for (const Named& form : kForms) {
        const std::string value = std::string(lines) + ":" + std::string(form.name);
        add(value, value + ": " + std::string(form.description) + " only");
    }
    return choices;
}

// The words of the Extended Addressing choice.
std::string ExtendedAddressingLabel() {
    return std::string(lists::kExtendedAddressing.description);
}

// The options as the page names them, read once, with what is wrong with
// them ("" for nothing).
struct ListSettings {
    lists::Options options;
    std::string problem;
};

ListSettings ReadListSettings(const val& named) {
    using namespace lists;
    const auto option = [&named](const char* name, const char* fallback) {
        const val value = named[name];
        return value.isString() ? value.as<std::string>() : std::string(fallback);
    };
    ListSettings settings;
    Options& options = settings.options;
    options.format = FormatNamed(option("format", "auto")).value_or(Format::Automatic);
    if (const std::optional<IdForm> form = FormNamed(option("to", ""))) options.forms = {*form};
    options.column = option("column", "");
    if (named["ea"].isTrue()) options.addressing = Addressing::Extended;
    const std::optional<Split> split = ParseSplit(option("split", "4:4:3"));
    options.split = split.value_or(Split{});
    // The controls that the list library's messages point to, by their labels.
    options.names = {"Output: table", "the ID column field", "Extended Addressing",
                     "the Split field"};
    settings.problem = split ? OptionsProblem(options) : "Split: " + std::string(kSplitProblem);
    return settings;
}

// One list converted in blocks: Feed the input's bytes as they are read,
// take the output and messages written so far after each, then End. The
// options are named as on zembra-convert's command line: format as in
// ListFormats(), `to` a form's name or "" for all three, column and split as
// the options of those names, and `ea` true for Extended Addressing.
class ListConversion {
public:
    ListConversion(val options, const std::string& name)
        : ListConversion(ReadListSettings(options), name) {}

    void Feed(const std::string& bytes) {
        if (m_problem.empty()) m_converter.Feed(bytes);
    }
    void End() { m_converter.End(); }

    // The output written since the last call, as a Uint8Array of its own.
    val TakeOutput() {
        const std::string bytes = m_output.str();
        m_output.str({});
        return val::global("Uint8Array")
            .new_(emscripten::typed_memory_view(bytes.size(), bytes.data()));
    }

    // The complete messages written since the last call, one string each.
    val TakeMessages() {
        std::string text = m_messages.str();
        const std::size_t end = text.rfind('\n');
        if (end == std::string::npos) return val::array();
        m_messages.str(text.substr(end + 1));
        m_messages.seekp(0, std::ios::end);
        text.resize(end);
        val lines = val::array();
        std::istringstream reader(text);
        for (std::string line; std::getline(reader, line);) lines.call<void>("push", line);
        return lines;
    }

    int Status() const { return m_converter.Status(); }
    // The name of the format written ("table", "lines", ...), the
    // automatic format's choice included; "" while nothing has chosen.
    std::string Written() const {
        const std::optional<lists::Format> written = m_converter.Written();
        if (!written) return "";
        return std::string(lists::NameOf(*written));
    }
    std::string Outcome() const { return lists::Describe(m_converter.Counts()); }

private:
    ListConversion(ListSettings settings, const std::string& name)
        : m_problem(std::move(settings.problem)),
          m_converter(std::move(settings.options), m_output, m_messages) {
        m_converter.Begin(name);
        if (!m_problem.empty()) m_converter.Fail(m_problem);
    }

    std::ostringstream m_output;
    std::ostringstream m_messages;
    std::string m_problem;
    lists::Converter m_converter;
};

// The map of a listing or log under the options' split, as plain data
// that a worker can post: {kind: "listing", "log" or "" for neither,
// split, bits: [a, f, s], cells: [{id, agency, fleet, subfleet, afs, name,
// call: "agency", "fleet" or ""}], fleets: [{agency, fleet, groups}],
// report, best: the best split's name}.
val Fleetmap(val options, const std::string& text, const std::string& name) {
    using namespace lists;
    const ListSettings settings = ReadListSettings(options);
    val map = val::object();
    map.set("kind", "");
    if (!settings.problem.empty()) return map;
    const Split& split = settings.options.split;
    FleetmapSource source =
        ReadFleetmapSource(text, name, settings.options.column, split, settings.options.addressing);
    if (source.rows.empty()) return map;
    const FleetmapPicture picture = DrawFleetmap(source.rows, split);
    constexpr const char* kCalls[] = {"", "agency", "fleet"};
    val cells = val::array();
    for (const MapCell& cell : picture.cells) {
        val shown = val::object();
        shown.set("id", cell.id);
        shown.set("agency", cell.place.agency);
        shown.set("fleet", cell.place.fleet);
        shown.set("subfleet", cell.place.subfleet);
        shown.set("afs", cell.afs);
        shown.set("name", cell.name);
        shown.set("call", kCalls[static_cast<int>(cell.call)]);
        cells.call<void>("push", shown);
    }
    val fleets = val::array();
    for (const FleetCount& count : picture.fleets) {
        val fleet = val::object();
        fleet.set("agency", count.agency);
        fleet.set("fleet", count.fleet);
        fleet.set("groups", count.groups);
        fleets.call<void>("push", fleet);
    }
    const Fleetmaps weighed = WeighSplits(std::move(source.rows));
    map.set("kind", source.kind);
    map.set("split", SplitName(split));
    map.set("bits", val::array(split.bits.begin(), split.bits.end()));
    map.set("cells", cells);
    map.set("fleets", fleets);
    map.set("report", FleetmapReport(weighed, source.kind));
    map.set("best", SplitName(weighed.ranked.front().split));
    return map;
}

}  // namespace

}  // namespace zembra::web

EMSCRIPTEN_BINDINGS(zembra_lists) {
    using zembra::web::ListConversion;
    emscripten::function("ListFormats", &zembra::web::ListFormats);
    emscripten::function("ExtendedAddressingLabel", &zembra::web::ExtendedAddressingLabel);
    emscripten::function("Fleetmap", &zembra::web::Fleetmap);
    emscripten::class_<ListConversion>("ListConversion")
        .constructor<emscripten::val, std::string>()
        .function("Feed", &ListConversion::Feed)
        .function("End", &ListConversion::End)
        .function("TakeOutput", &ListConversion::TakeOutput)
        .function("TakeMessages", &ListConversion::TakeMessages)
        .function("Status", &ListConversion::Status)
        .function("Written", &ListConversion::Written)
        .function("Outcome", &ListConversion::Outcome);
}
