// SPDX-License-Identifier: MIT
// zembra-convert's runs over what decoders heard: decoder event logs to a
// heard listing (merged into a listing with --merge, or written as a
// decoder list), and the fleetmap report of a listing or of logs.
#pragma once

#include <iosfwd>

#include "cli/options.h"
#include "lists/convert.h"

namespace zembra::cli {

// Reads the request's files as logs or, for the fleetmap report without
// --log, as listings, and writes to `out`. Files that do not open and a
// decoder list are reported and written through `converter`. Returns the
// status of the logs and listings read.
int RunHeard(const Request& request, lists::Converter& converter, std::ostream& out,
             std::ostream& messages);

}  // namespace zembra::cli
