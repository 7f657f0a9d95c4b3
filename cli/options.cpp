// SPDX-License-Identifier: MIT
// The options of zembra-convert. Names of forms, formats and ID columns and
// the words that describe them come from lists/vocabulary.h.
#include "cli/options.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <array>
#include <span>
#include <string_view>

#include "version/version.h"

namespace zembra::cli {

namespace {

using lists::Format;

constexpr std::string_view kProgram = "zembra-convert";
constexpr std::array kTableFormats = {Format::Table, Format::DsdNeo, Format::DsdFme, Format::Dsd,
                                      Format::RadioReference};

// The raw choices, before they become the converter's options.
struct Choices {
    bool csv = false;
    bool automatic = false;
    bool extended = false;
    std::string to;
    std::string format{NameOf(Format::Table)};
    std::string split = "4:4:3";
    Request request;
};

std::string VersionAnswer() {
    return std::string(kProgram) + " (" + version::kProductName + ") " + zembra::VersionText() +
           "\n" + version::kLegalCopyright + "\n";
}

std::string Entry(std::string_view name, std::string_view description) {
    const std::string padding(name.size() < 16 ? 16 - name.size() : 1, ' ');
    return "  " + std::string(name) + padding + std::string(description) + "\n";
}

std::string Footer() {
    std::string text =
        "Line mode reads one ID a line: decimal 0-" + std::to_string(lists::kStandardIds - 1) +
        ", AFS (09-102, or 4:13:02 under splits\n"
        "other than 4:4:3) or hexadecimal 0x4D2 (also 0X4d2), and writes the forms tab-separated.\n"
        "Forms (--to):\n";
    for (const auto& form : lists::kForms) text += Entry(form.name, form.description);
    text += "Formats (--format):\n";
    for (const Format format : kTableFormats) text += Entry(NameOf(format), DescriptionOf(format));
    text += "Without --column, a table's ID column is the first of:\n ";
    for (const std::string_view column : lists::kIdColumns) {
        text += std::string(column == lists::kIdColumns.front() ? " " : ", ") + std::string(column);
    }
    return text +
           ".\n"
           "dsd-neo suits dsd-neo, dsd-fme suits dsd-fme. The group lists and radioreference\n"
           "leave refused and repeated IDs out. Messages go to standard error, the outcome in\n"
           "words last.\n"
           "Exit status: 0 all converted, 1 rows refused, left out or inconsistent, 2 an error.";
}

std::string SplitProblem(const std::string& text) {
    if (lists::ParseSplit(text)) return "";
    return std::string(lists::kSplitProblem);
}

void AddOptions(CLI::App& app, Choices& choices) {
    app.set_version_flag("-V,--version", VersionAnswer(), "Show the version and exit");
    app.add_option("FILE", choices.request.files, "Input files (\"-\": standard input)")
        ->type_name("");
    app.add_flag("--csv", choices.csv, "Read a table with a header row, comma- or tab-separated");
    app.add_flag("--auto", choices.automatic,
                 "Read " + std::string(DescriptionOf(Format::Automatic)));
    app.add_flag("--ea", choices.extended, std::string(lists::kExtendedAddressing.description));
    app.add_option("--column", choices.request.options.column,
                   "With --csv, --auto, --merge or --fleetmaps: the ID column, by name or number")
        ->type_name("NAME|N");
    std::vector<std::string> forms, formats;
    for (const auto& form : lists::kForms) forms.emplace_back(form.name);
    for (const Format format : kTableFormats) formats.emplace_back(NameOf(format));
    app.add_option("--to", choices.to, "Line mode: write only this form")
        ->transform(CLI::IsMember(forms, CLI::ignore_case));
    app.add_option("--format", choices.format, "With --csv: what to write (table by default)")
        ->transform(CLI::IsMember(formats, CLI::ignore_case));
    app.add_option("--split", choices.split, "Agency, fleet and subfleet bits: 3:4:4 or 344")
        ->type_name("A:F:S")
        ->capture_default_str()
        ->check(CLI::Validator(SplitProblem, ""));
    app.add_flag("--log", choices.request.log,
                 "Read the FILEs as decoder event logs and write the talk groups heard");
    app.add_option("--merge", choices.request.merge,
                   "With --log: add what was heard to this listing's rows")
        ->type_name("LISTING");
    app.add_flag("--fleetmaps", choices.request.fleetmaps,
                 "Rank the splits that fit the FILE's listing (with --log, the logs)");
    app.add_option("-o,--output", choices.request.output,
                   "Write to FILE, replaced only at status 0 or 1")
        ->type_name("FILE");
    app.footer(Footer());
}

std::string UsageError(std::string_view what) {
    return std::string(kProgram) + ": " + std::string(what) + "\nTry '" + std::string(kProgram) +
           " --help' for more information.\n";
}

// Options that cannot go together, and options that need another (either
// of two); the first broken rule is reported.
constexpr std::array<std::array<std::string_view, 2>, 10> kExclusive = {{
    {"--auto", "--csv"},
    {"--auto", "--format"},
    {"--to", "--csv"},
    {"--log", "--csv"},
    {"--log", "--auto"},
    {"--log", "--to"},
    {"--fleetmaps", "--csv"},
    {"--fleetmaps", "--auto"},
    {"--fleetmaps", "--format"},
    {"--fleetmaps", "--merge"},
}};
// An option and the options it needs one of.
constexpr std::array<std::array<std::string_view, 5>, 3> kNeeds = {{
    {"--format", "--csv", "--log"},
    {"--column", "--csv", "--auto", "--merge", "--fleetmaps"},
    {"--merge", "--log"},
}};

bool Given(const CLI::App& app, std::string_view option) {
    return !option.empty() && app.count(std::string(option)) > 0;
}

std::string Conflict(const CLI::App& app) {
    for (const auto& [option, other] : kExclusive) {
        if (Given(app, option) && Given(app, other)) {
            return std::string(option) + " excludes " + std::string(other);
        }
    }
    for (const auto& row : kNeeds) {
        const auto needed = std::span(row).subspan(1);
        const auto given = [&app](std::string_view other) { return Given(app, other); };
        if (!Given(app, row[0]) || std::any_of(needed.begin(), needed.end(), given)) continue;
        const auto count = std::count_if(needed.begin(), needed.end(),
                                         [](std::string_view other) { return !other.empty(); });
        std::string names(needed[0]);
        for (std::ptrdiff_t i = 1; i < count; ++i) {
            names += i + 1 == count ? " or " : ", ";
            names += needed[static_cast<std::size_t>(i)];
        }
        return std::string(row[0]) + " requires " + names;
    }
    return "";
}

Format FormatOf(const Choices& choices) {
    if (choices.automatic) return Format::Automatic;
    if (!choices.csv && !choices.request.log) return Format::Lines;
    return lists::FormatNamed(choices.format).value_or(Format::Table);
}

}  // namespace

CommandLine ReadCommandLine(int argc, const char* const* argv) {
    CLI::App app(
        "Converts EDACS talk-group IDs between decimal, AFS and hexadecimal, and listing tables\n"
        "into decoder group lists. Reads the FILEs, or standard input, writes standard output.",
        std::string(kProgram));
    Choices choices;
    AddOptions(app, choices);
    // Help and version answer whatever else the command line holds.
    for (int i = 1; i < argc && std::string_view(argv[i]) != "--"; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "-h" || arg == "--help") return {std::nullopt, app.help(), lists::kConverted};
        if (arg == "-V" || arg == "--version")
            return {std::nullopt, VersionAnswer(), lists::kConverted};
    }
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        return {std::nullopt, UsageError(error.what()), lists::kFailed};
    }
    if (const std::string conflict = Conflict(app); !conflict.empty()) {
        return {std::nullopt, UsageError(conflict), lists::kFailed};
    }
    Request request = std::move(choices.request);
    request.options.format = FormatOf(choices);
    if (const auto form = lists::FormNamed(choices.to)) request.options.forms = {*form};
    request.options.split = *lists::ParseSplit(choices.split);
    if (choices.extended) request.options.addressing = lists::Addressing::Extended;
    // The options that the list library's messages point to.
    request.options.names = {"--csv", "--column", "--ea", "--split"};
    if (const std::string problem = lists::OptionsProblem(request.options); !problem.empty()) {
        return {std::nullopt, UsageError(problem), lists::kFailed};
    }
    return {std::move(request), "", lists::kConverted};
}

}  // namespace zembra::cli
