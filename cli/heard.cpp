// SPDX-License-Identifier: MIT
// The heard listing, the merge and the fleetmap report on the command line.
#include "cli/heard.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>

#include "lists/fleetmaps.h"
#include "lists/heard_listing.h"
#include "lists/text.h"

namespace zembra::cli {

namespace {

using namespace zembra::lists;

std::string Shown(const std::string& path) {
    return Printable(path == "-" ? "<stdin>" : path, kWhole);
}

std::vector<std::string> Inputs(const std::vector<std::string>& files) {
    return files.empty() ? std::vector<std::string>{"-"} : files;
}

// A listing is read whole: the merge and the weighing look at all its rows.
std::optional<ListingRead> ReadListingFile(const std::string& path, const Request& request,
                                           Converter& converter, std::ostream& messages) {
    std::ifstream file;
    std::istream* in = OpenInput(path, file, converter);
    if (!in) return std::nullopt;
    const std::string text{std::istreambuf_iterator<char>(*in), std::istreambuf_iterator<char>()};
    ListingRead read =
        ReadListing(text, path == "-" ? "<stdin>" : path, request.options.column,
                    request.options.split, request.options.addressing, request.options.names);
    // The reason a listing is not read fails the run.
    for (std::size_t i = 0; i < read.messages.size(); ++i) {
        const bool reason = read.status == kFailed && i + 1 == read.messages.size();
        if (reason) {
            converter.Fail(read.messages[i]);
        } else {
            messages << read.messages[i] << '\n';
        }
    }
    return read;
}

int Fleetmaps(const Request& request, const HeardGroups& heard, Converter& converter,
              std::ostream& out, std::ostream& messages) {
    if (request.log) {
        out << FleetmapReport(WeighSplits(FleetmapRows(heard, "log")), "log",
                              request.options.names.split);
        return kConverted;
    }
    std::vector<FleetmapRow> rows;
    int status = kConverted;
    for (const std::string& path : Inputs(request.files)) {
        const std::optional<ListingRead> read = ReadListingFile(path, request, converter, messages);
        if (!read) continue;
        status = std::max(status, read->status);
        std::vector<FleetmapRow> more = FleetmapRows(read->listing);
        rows.insert(rows.end(), more.begin(), more.end());
    }
    out << FleetmapReport(WeighSplits(std::move(rows)), "listing", request.options.names.split);
    return status;
}

}  // namespace

std::istream* OpenInput(const std::string& path, std::ifstream& file, Converter& converter) {
    if (path == "-") return &std::cin;
    std::error_code ignored;
    if (std::filesystem::is_directory(path, ignored)) {
        converter.Fail("zembra-convert: " + Shown(path) + ": " + std::strerror(EISDIR));
        return nullptr;
    }
    file.open(path, std::ios::binary);
    if (file) return &file;
    converter.Fail("zembra-convert: " + Shown(path) + ": " + std::strerror(errno));
    return nullptr;
}

int RunHeard(const Request& request, Converter& converter, std::ostream& out,
             std::ostream& messages) {
    LogOptions options{request.options.split, request.options.addressing, !request.fleetmaps,
                       request.options.names};
    LogReader reader(options, messages);
    for (const std::string& path :
         request.log ? Inputs(request.files) : std::vector<std::string>{}) {
        std::ifstream file;
        std::istream* in = OpenInput(path, file, converter);
        if (!in) continue;
        reader.Read(*in, Shown(path));
        // A log not read to its end fails the run, and leaves -o's file as it was.
        if (reader.Status() == kFailed && converter.Status() != kFailed) {
            converter.Fail("zembra-convert: " + Shown(path) + " not read to its end");
        }
    }
    if (request.fleetmaps) {
        return std::max(reader.Status(),
                        Fleetmaps(request, reader.Groups(), converter, out, messages));
    }
    int status = reader.Status();
    std::string listing = HeardListing(reader.Groups(), request.options.split);
    if (!request.merge.empty()) {
        const auto read = ReadListingFile(request.merge, request, converter, messages);
        if (!read || read->status == kFailed) return kFailed;
        status = std::max(status, read->status);
        Merged merged = MergedListing(read->listing, reader.Groups(), request.options.split);
        if (!merged.replaced.empty()) messages << merged.replaced << '\n';
        listing = std::move(merged.text);
    }
    if (request.options.format == Format::Table) {
        out << listing;
        return status;
    }
    // A decoder list is written from the listing as from any other.
    converter.Begin("heard talk groups");
    converter.Feed(listing);
    converter.End();
    return status;
}

}  // namespace zembra::cli
