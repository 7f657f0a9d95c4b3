// SPDX-License-Identifier: MIT
// zembra-convert: the command line over the list library in lists/. Only
// the options, the input and output files and the exit status are here.
#include <sys/stat.h>
#include <unistd.h>
#include <CLI/CLI.hpp>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "app/version.h"
#include "lists/convert.h"

namespace {

using namespace zembra::lists;

const std::vector<std::string> kForms = {"dec", "afs", "hex"};                 // as IdForm
const std::vector<std::string> kFormats = {"table", "dsd", "radioreference"};  // as Format

int IndexOf(const std::vector<std::string>& names, const std::string& name) {
    return static_cast<int>(std::find(names.begin(), names.end(), name) - names.begin());
}

std::string Failure(const std::string& what) {
    return "zembra-convert: " + what + ": " + std::strerror(errno);
}

// A new file beside `path`, with the mode that `path` has or a new file gets.
std::string CreateBeside(const std::string& path) {
    std::string temporary = path + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) return {};
    const mode_t mask = ::umask(0);
    ::umask(mask);
    struct stat existing {};
    ::fchmod(fd, ::stat(path.c_str(), &existing) == 0 ? existing.st_mode & 07777 : 0666 & ~mask);
    ::close(fd);
    return temporary;
}

}  // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    CLI::App app(
        "Converts EDACS talk-group IDs between decimal (0-2047), AFS (agency-fleet-subfleet,\n"
        "AA-FFS) and hexadecimal (0x4D2, also 0X4d2), and turns listing tables into decoder\n"
        "group lists. Reads the FILEs in order, or standard input when there are none or for\n"
        "\"-\"; writes to standard output.",
        "zembra-convert");
    Options options;
    std::vector<std::string> files;
    bool csv = false;
    std::string to;
    std::string format = "table";
    std::string split = "4:4:3";
    std::string output;
    const std::string version = std::string("zembra-convert (") + zembra::version::kProductName +
                                ") " + zembra::VersionText() + "\n" +
                                zembra::version::kLegalCopyright + "\n";
    app.set_help_flag("-h,--help", "Show this help and exit");
    app.set_version_flag("-V,--version", version, "Show the version and exit");
    app.add_option("FILE", files, "Input files (\"-\": standard input)")->type_name("");
    CLI::Option* table = app.add_flag(
        "--csv", csv, "Read a table with a header row, comma- or tab-separated as its header is");
    app.add_option("--column", options.column,
                   "With --csv, the ID column: a header name, or a number from 1. Default: the "
                   "first of DEC, Decimal, TGID, Talkgroup, ID, AFS, Hex")
        ->type_name("NAME|N")
        ->needs(table);
    app.add_option("--to", to, "Line mode: write only this form")
        ->check(CLI::IsMember(kForms, CLI::ignore_case))
        ->excludes(table);
    app.add_option("--format", format,
                   "With --csv: table (the input with Decimal, AFS and Hex; the default), dsd "
                   "(the decoders' DEC,Mode,Name,Tag list) or radioreference (the listing site's "
                   "CSV layout)")
        ->check(CLI::IsMember(kFormats, CLI::ignore_case))
        ->needs(table);
    app.add_option("--split", split,
                   "Agency, fleet and subfleet bits adding up to 11, as 3:4:4 or 344. Other splits "
                   "than 4:4:3 read and write the colon form, such as 4:13:02")
        ->type_name("A:F:S")
        ->capture_default_str()
        ->check(CLI::Validator(
            [](const std::string& text) {
                return ParseSplit(text) ? ""
                                        : "three bit counts of at least 1 adding up to 11 "
                                          "are needed, such as 3:4:4 or 344";
            },
            ""));
    app.add_option("-o,--output", output,
                   "Write to FILE, replacing it only when the run ends with status 0 or 1")
        ->type_name("FILE");
    app.footer(
        "Refused IDs are named on standard error with file and line. Line mode and the table\n"
        "keep their rows with the new texts empty; dsd and radioreference leave them out, and\n"
        "repeated IDs too. Rows whose DEC, AFS and Hex disagree are named and kept.\n"
        "Exit status: 0 when every ID converted, 1 when rows were refused, left out or\n"
        "disagree, 2 for a usage error, an unreadable input or a failed write.");

    // Help and version answer whatever else the command line holds.
    for (int i = 1; i < argc && std::string_view(argv[i]) != "--"; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "-h" || arg == "--help" || arg == "-V" || arg == "--version") {
            std::cout << (arg == "-h" || arg == "--help" ? app.help() : version) << std::flush;
            std::cerr << (std::cout ? "" : Failure("cannot write standard output") + "\n");
            return std::cout ? kConverted : kFailed;
        }
    }
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        std::cerr << "zembra-convert: " << error.what()
                  << "\nTry 'zembra-convert --help' for more information." << std::endl;
        return kFailed;
    }
    options.format = csv ? Format(IndexOf(kFormats, format)) : Format::Lines;
    options.forms = to.empty() ? options.forms : std::vector{IdForm(IndexOf(kForms, to))};
    options.split = *ParseSplit(split);

    const std::string temporary = output.empty() ? "" : CreateBeside(output);
    if (!output.empty() && temporary.empty()) {
        std::cerr << Failure(output) << std::endl;
        return kFailed;
    }
    std::ofstream file;
    if (!temporary.empty()) file.open(temporary, std::ios::binary | std::ios::trunc);
    std::ostream& out = temporary.empty() ? std::cout : file;
    Converter converter(options, out, std::cerr);
    for (const std::string& path : files.empty() ? std::vector<std::string>{"-"} : files) {
        std::ifstream in;
        std::error_code error;
        if (path == "-") {
            converter.Convert(std::cin, "<stdin>");
        } else if (in.open(path, std::ios::binary); !in) {
            converter.Fail(Failure(path));
        } else if (std::filesystem::is_directory(path, error)) {
            converter.Fail("zembra-convert: " + path + ": " + std::strerror(EISDIR));
        } else {
            converter.Convert(in, path);
        }
    }
    if (!(out << std::flush) || (file.is_open() && (file.close(), file.fail()))) {
        converter.Fail(Failure("cannot write " + (output.empty() ? "standard output" : output)));
    }
    if (!temporary.empty() && converter.Status() != kFailed &&
        std::rename(temporary.c_str(), output.c_str()) != 0) {
        converter.Fail(Failure("cannot replace " + output));
    }
    if (!temporary.empty() && converter.Status() == kFailed) std::remove(temporary.c_str());
    return converter.Status();
}
