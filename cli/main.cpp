// SPDX-License-Identifier: MIT
// zembra-convert: the command line over the list library in lists/. Only
// the options, the input and output files and the exit status are here.
#include <sys/stat.h>
#include <unistd.h>
#include <CLI/CLI.hpp>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>

#include "app/version.h"
#include "lists/convert.h"

namespace {

using namespace zembra;
using namespace zembra::lists;

int IndexOf(const std::vector<std::string>& names, const std::string& name) {
    return static_cast<int>(std::find(names.begin(), names.end(), name) - names.begin());
}

std::string Failure(const std::string& what) {
    return "zembra-convert: " + what + ": " + std::strerror(errno);
}

std::string SplitProblem(const std::string& text) {
    return ParseSplit(text) ? "" : "needs three bit counts adding up to 11";
}

// A new file beside `path`, with the mode of `path` or of a new file; "" on failure.
std::string CreateBeside(const std::string& path) {
    std::string temporary = path + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    const mode_t mask = ::umask(0);
    ::umask(mask);
    struct stat existing {};
    const mode_t mode = ::stat(path.c_str(), &existing) == 0 ? existing.st_mode & 07777 : 0666;
    return fd >= 0 && ::fchmod(fd, mode & ~mask) == 0 && ::close(fd) == 0 ? temporary : "";
}

}  // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    CLI::App app(
        "Converts EDACS talk-group IDs between decimal, AFS and hexadecimal, and listing tables\n"
        "into decoder group lists. Reads the FILEs, or standard input, writes standard output.",
        "zembra-convert");
    Options options;
    std::vector<std::string> files;
    bool csv = false;
    std::string to, format = "table", split = "4:4:3", output;
    const std::string versionText = std::string("zembra-convert (") + version::kProductName + ") " +
                                    VersionText() + "\n" + version::kLegalCopyright + "\n";
    app.set_version_flag("-V,--version", versionText, "Show the version and exit");
    app.add_option("FILE", files, "Input files (\"-\": standard input)")->type_name("");
    CLI::Option* table =
        app.add_flag("--csv", csv, "Read a table with a header row, comma- or tab-separated");
    app.add_option("--column", options.column, "With --csv: the ID column, by name or number")
        ->type_name("NAME|N")
        ->needs(table);
    app.add_option("--to", to, "Line mode: write only this form")
        ->transform(CLI::IsMember(kFormNames, CLI::ignore_case))
        ->excludes(table);
    app.add_option("--format", format, "With --csv: what to write (table by default)")
        ->transform(CLI::IsMember(kTableFormatNames, CLI::ignore_case))
        ->needs(table);
    app.add_option("--split", split, "Agency, fleet and subfleet bits: 3:4:4 or 344")
        ->type_name("A:F:S")
        ->capture_default_str()
        ->check(CLI::Validator(SplitProblem, ""));
    app.add_option("-o,--output", output, "Write to FILE, replaced only at status 0 or 1")
        ->type_name("FILE");
    app.footer(
        "Line mode reads one ID a line: decimal 0-2047, AFS (09-102, or 4:13:02 under splits\n"
        "other than 4:4:3) or hexadecimal 0x4D2 (also 0X4d2), and writes the forms tab-separated.\n"
        "--csv finds the ID column among DEC, Decimal, TGID, Talkgroup, ID, AFS and Hex.\n"
        "Formats: table, the input with Decimal, AFS and Hex added or filled; dsd, the decoders'\n"
        "DEC,Mode,Name,Tag list; radioreference, the listing site's CSV layout. Refused IDs are\n"
        "named on standard error; dsd and radioreference leave them and repeated IDs out.\n"
        "Exit status: 0 all converted, 1 rows refused, left out or inconsistent, 2 an error.");

    // Help and version answer whatever else the command line holds.
    for (int i = 1; i < argc && std::string_view(argv[i]) != "--"; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "-h" || arg == "--help" || arg == "-V" || arg == "--version") {
            std::cout << (arg == "-h" || arg == "--help" ? app.help() : versionText) << std::flush;
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
    options.format = csv ? Format(IndexOf(kTableFormatNames, format)) : Format::Lines;
    options.forms = to.empty() ? options.forms : std::vector{IdForm(IndexOf(kFormNames, to))};
    options.split = *ParseSplit(split);

    const std::string temporary = output.empty() ? "" : CreateBeside(output);
    std::ofstream file =
        temporary.empty() ? std::ofstream() : std::ofstream(temporary, std::ios::binary);
    if (!output.empty() && !file.is_open()) {
        std::cerr << Failure("cannot write " + output) << std::endl;
        return kFailed;
    }
    std::ostream& out = output.empty() ? std::cout : file;
    Converter converter(options, out, std::cerr);
    for (const std::string& path : files.empty() ? std::vector<std::string>{"-"} : files) {
        if (path == "-") {
            converter.Convert(std::cin, "<stdin>");
            continue;
        }
        std::ifstream in(path, std::ios::binary);
        if (in) {
            converter.Convert(in, path);
        } else {
            converter.Fail(Failure(path));
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
