// SPDX-License-Identifier: MIT
// CSV mode of the batch converter: reads RFC 4180 CSV with libcsv, takes the
// talk-group ID from one column and writes the same CSV with Decimal, AFS and
// Hex columns added, or filled where they exist and are empty. The output is
// the input's own bytes (quoting, blanks, line ends, byte order mark, blank
// lines) with only the new texts put in, so that removing the added columns
// gives back the input exactly.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "cli/byte_stream.h"
#include "cli/diagnostics.h"
#include "cli/talk_group.h"

namespace zembra::cli {

// A row past this size is refused and copied through without being held in
// memory; a single field may grow to kMaxCsvFieldBytes inside the parser.
inline constexpr std::size_t kMaxCsvRowBytes = std::size_t{1} << 20;
inline constexpr std::size_t kMaxCsvFieldBytes = std::size_t{16} << 20;

struct CsvOptions {
    // A header name, or a column number counted from 1 when no header field
    // has that name.
    std::string column;
    std::vector<IdForm> forms;
};

class CsvConverter {
public:
    CsvConverter(const TalkGroupTable& table, CsvOptions options, OutputBuffer& out,
                 Diagnostics& diagnostics)
        : m_table(table), m_options(std::move(options)), m_out(out), m_diagnostics(diagnostics) {}

    // Converts one input to its end; `source` names it in messages.
    void Convert(ByteSource& in, std::string_view source);

private:
    const TalkGroupTable& m_table;
    CsvOptions m_options;
    OutputBuffer& m_out;
    Diagnostics& m_diagnostics;
};

// The header name of the column that holds a form: "Decimal", "AFS", "Hex".
std::string_view CsvColumnName(IdForm form);

}  // namespace zembra::cli
