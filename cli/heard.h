// SPDX-License-Identifier: MIT
// zembra-convert's runs over what decoders heard: decoder event logs to a
// heard listing (merged into a listing with --merge, or written as a
// decoder list), and the fleetmap report of a listing or of logs.
#pragma once

#include <fstream>
#include <string>

#include "cli/options.h"
#include "lists/convert.h"

namespace zembra::cli {

// Opens an input for any run: standard input for "-", else the file, whose
// stream `file` holds. A directory or a file that does not open is reported
// through `converter`, and gives nullptr.
std::istream* OpenInput(const std::string& path, std::ifstream& file, lists::Converter& converter);

// Reads the request's files as logs or, for the fleetmap report without
// --log, as listings, and writes to `out`. Files that do not open and a
// decoder list are reported and written through `converter`. Returns the
// status of the logs and listings read.
int RunHeard(const Request& request, lists::Converter& converter, std::ostream& out,
             std::ostream& messages);

}  // namespace zembra::cli
