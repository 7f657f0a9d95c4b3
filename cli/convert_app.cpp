// SPDX-License-Identifier: MIT
#include "cli/convert_app.h"

#include <CLI/CLI.hpp>

#include <map>
#include <memory>
#include <sstream>

#include "app/version.h"
#include "cli/csv_converter.h"
#include "cli/diagnostics.h"
#include "cli/line_converter.h"
#include "cli/talk_group.h"

namespace zembra::cli {

namespace {

constexpr std::string_view kStandardInput = "-";

struct Settings {
    std::vector<std::string> files;
    bool csv = false;
    std::string column;
    std::string to;
    std::string split = "4:4:3";
};

void Describe(CLI::App& app, Settings& settings) {
    app.description(
        "Converts EDACS talk-group IDs between decimal (0-2047), AFS (agency-fleet-subfleet,\n"
        "AA-FFS) and hexadecimal (0x...), a whole list at a time. Reads the FILEs, or standard\n"
        "input when there are none or for \"-\", and writes to standard output.");
    app.add_option("FILE", settings.files, "Input files, read in order")->type_name("");
    CLI::Option* csv =
        app.add_flag("--csv", settings.csv,
                     "CSV with a header row in and out: adds Decimal, AFS and Hex columns");
    CLI::Option* column =
        app.add_option("--column", settings.column,
                       "With --csv: the ID column, by header name or by number from 1");
    column->type_name("NAME|N");
    csv->needs(column);
    column->needs(csv);
    app.add_option("--to", settings.to, "Write only this form")
        ->type_name("dec|afs|hex")
        ->check(CLI::IsMember({"dec", "afs", "hex"}).description(""));
    app.add_option("--split", settings.split,
                   "Agency, fleet and subfleet bits, adding up to 11, for AFS in and out")
        ->type_name("A:F:S")
        ->capture_default_str()
        ->check(CLI::Validator(
            [](const std::string& text) {
                return ParseFleetSplit(text) ? std::string()
                                             : "three bit counts of at least 1 adding up to "
                                               "11 are needed, such as 4:4:3";
            },
            ""));
    app.set_version_flag("--version", std::string("zembra-convert (") + version::kProductName +
                                          ") " + VersionText() + "\n" + version::kLegalCopyright);
    app.footer(
        "Each line that holds no talk-group ID is reported on standard error with its file and\n"
        "line number, and written with the converted texts empty.\n"
        "Exit status: 0 when every ID converted, 1 when some were refused, 2 for a usage error\n"
        "or an unreadable file.");
}

std::vector<IdForm> Forms(const std::string& to) {
    static const std::map<std::string, IdForm> kForms = {
        {"dec", IdForm::Decimal}, {"afs", IdForm::Afs}, {"hex", IdForm::Hex}};
    if (to.empty()) {
        return {IdForm::Decimal, IdForm::Afs, IdForm::Hex};
    }
    return {kForms.at(to)};
}

template <typename Converter>
void ConvertAll(Converter& converter, const Settings& settings, Streams& streams,
                Diagnostics& diagnostics) {
    for (const std::string& file : settings.files) {
        try {
            if (file == kStandardInput) {
                converter.Convert(streams.in, "<stdin>");
            } else {
                FileSource source(file);
                converter.Convert(source, file);
            }
        } catch (const ReadError& error) {
            diagnostics.Failed(file + ": " + error.code().message());
        }
    }
}

}  // namespace

int RunConvert(int argc, const char* const* argv, Streams& streams) {
    CLI::App app("", "zembra-convert");
    Settings settings;
    Describe(app, settings);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        std::ostringstream out;
        std::ostringstream err;
        app.exit(error, out, err);
        streams.out.Write(out.str());
        streams.err.Write(err.str());
        return error.get_exit_code() == 0 ? kExitConverted : kExitFailed;
    }
    if (settings.files.empty()) {
        settings.files.emplace_back(kStandardInput);
    }

    std::unique_ptr<TalkGroupTable> table;
    try {
        table = std::make_unique<TalkGroupTable>(*ParseFleetSplit(settings.split));
    } catch (const std::logic_error& error) {
        Diagnostics(streams.err, "").Failed(std::string("internal error: ") + error.what());
        return kExitFailed;
    }
    Diagnostics diagnostics(streams.err, table->Pattern());
    try {
        OutputBuffer out(streams.out, streams.outIsTerminal);
        if (settings.csv) {
            CsvConverter converter(*table, {settings.column, Forms(settings.to)}, out, diagnostics);
            ConvertAll(converter, settings, streams, diagnostics);
        } else {
            LineConverter converter(*table, Forms(settings.to), out, diagnostics);
            ConvertAll(converter, settings, streams, diagnostics);
        }
        out.Flush();
    } catch (const WriteError& error) {
        diagnostics.Failed("write error: " + error.code().message());
    }
    return diagnostics.ExitStatus();
}

}  // namespace zembra::cli
