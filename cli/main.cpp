// SPDX-License-Identifier: MIT
// zembra-convert: the command line over the list library in lists/. Here is
// the run itself: the inputs opened in turn, the output written to standard
// output or saved to the file -o names, every message through one buffered
// stream, and the exit status.
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iostream>

#include "cli/fd_output.h"
#include "cli/heard.h"
#include "cli/options.h"
#include "cli/save_file.h"
#include "lists/convert.h"
#include "lists/text.h"

namespace {

using namespace zembra::cli;
using namespace zembra::lists;

std::string Failure(std::string_view what, int error) {
    return "zembra-convert: " + std::string(what) + ": " + std::strerror(error);
}

std::string Shown(const std::string& name) { return Printable(name, SIZE_MAX); }

std::string Cannot(const SaveError& error, const std::string& name) {
    return Failure("cannot " + std::string(error.action) + " " + Shown(name), error.number);
}

void ConvertInputs(Converter& converter, const std::vector<std::string>& files) {
    for (const std::string& path : files.empty() ? std::vector<std::string>{"-"} : files) {
        std::ifstream file;
        if (std::istream* in = OpenInput(path, file, converter)) {
            converter.Convert(*in, path == "-" ? "<stdin>" : path);
        }
    }
}

// The output file takes the output only when the run did not fail; else it
// stays as it was, and the messages say so.
void Save(SaveFile& file, const std::string& name, Converter& converter, FdOutput& messages) {
    // Messages that cannot be written are lost rows: the run has failed.
    if (messages.Flush() != 0) converter.Fail("zembra-convert: cannot write standard error");
    // What goes to a device or FIFO is gone already; the rest follows it.
    if (converter.Status() != kFailed || !file.Replaces()) {
        if (const SaveError error = file.Commit()) converter.Fail(Cannot(error, name));
    }
    if (converter.Status() != kFailed || !file.Replaces()) return;
    file.Discard();
    messages << "zembra-convert: " << Shown(name)
             << (file.TargetExisted() ? " left unchanged\n" : " not created\n");
}

int Run(const Request& request, FdOutput& standardOutput, FdOutput& messages) {
    std::unique_ptr<SaveFile> file;
    if (!request.output.empty()) {
        SaveFileOpening opening = SaveFile::Open(request.output);
        if (opening.error) {
            messages << Cannot(opening.error, request.output) << '\n';
            return kFailed;
        }
        file = std::move(opening.file);
    } else {
        // Output typed at a terminal shows before the next input is awaited.
        std::cin.tie(&standardOutput);
    }
    std::ostream& out = file ? file->Stream() : standardOutput;
    Converter converter(request.options, out, messages);
    int heard = kConverted;
    if (request.log || request.fleetmaps) {
        heard = RunHeard(request, converter, out, messages);
    } else {
        ConvertInputs(converter, request.files);
    }
    if (file) {
        Save(*file, request.output, converter, messages);
    } else if (const int error = standardOutput.Flush(); error != 0) {
        converter.Fail(Failure("cannot write standard output", error));
    }
    // After many messages, the last one says what they add up to.
    if (converter.Reported()) {
        messages << "zembra-convert: " << Describe(converter.Counts())
                 << (converter.Status() == kFailed ? "; the run failed\n" : "\n");
    }
    return std::max(converter.Status(), heard);
}

// Help, version or a usage error.
int Answer(const CommandLine& line, FdOutput& standardOutput, FdOutput& messages) {
    if (line.status != kConverted) {
        messages << line.answer;
        return line.status;
    }
    standardOutput << line.answer;
    if (const int error = standardOutput.Flush(); error != 0) {
        messages << Failure("cannot write standard output", error) << '\n';
        return kFailed;
    }
    return line.status;
}

}  // namespace

int main(int argc, char** argv) {
    UseBinaryStandardStreams();
    std::ios::sync_with_stdio(false);
    FdOutput standardOutput(1);
    FdOutput messages(2);
    int status = kFailed;
    // Caught so that the output file's new file is removed on the way out.
    try {
        const CommandLine line = ReadCommandLine(argc, argv);
        status = line.request ? Run(*line.request, standardOutput, messages)
                              : Answer(line, standardOutput, messages);
    } catch (const std::exception& error) {
        messages << "zembra-convert: " << error.what() << '\n';
    }
    // Messages that could not be written leave rows unaccounted for.
    return messages.Flush() == 0 ? status : kFailed;
}
