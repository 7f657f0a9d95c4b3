// SPDX-License-Identifier: MIT
// Converting talk-group lists, plain or as listing tables, on any streams and
// with no state outside a Converter: the program and callers with texts in
// memory run the same code.
#pragma once

#include <array>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zembra::lists {

enum class IdForm { Decimal, Afs, Hex };

// What comes out of a table (comma- or tab-separated, with a header row): the
// table with Decimal, AFS and Hex; the decoders' DEC,Mode,Name,Tag list; the
// listing site's CSV layout. Lines: one ID a line, the forms tab-separated.
enum class Format { Table, Dsd, RadioReference, Lines };

// What the command line and the web page call the forms and the table
// formats, in the order of IdForm and Format.
inline const std::vector<std::string> kFormNames = {"dec", "afs", "hex"};
inline const std::vector<std::string> kTableFormatNames = {"table", "dsd", "radioreference"};

// Bit counts of agency, fleet and subfleet. 4:4:3 is written AA-FFS, other
// splits in the decoders' colon form, each group with 1 digit up to 3 bits,
// 2 up to 6 and 3 above: 1234 under 3:4:4 is 4:13:02.
struct Split {
    std::array<int, 3> bits = {4, 4, 3};
    friend bool operator==(const Split&, const Split&) = default;
};

// "3:4:4" or "344": three counts of at least 1 that add up to 11.
std::optional<Split> ParseSplit(std::string_view text);

struct Options {
    Format format = Format::Lines;
    std::vector<IdForm> forms = {IdForm::Decimal, IdForm::Afs, IdForm::Hex};  // Lines only
    // A table's ID column: a header name, else a number from 1; when empty,
    // the first of the names that listings and decoders use.
    std::string column;
    Split split;
};

// Every ID converted; rows refused, left out or inconsistent; a failure.
inline constexpr int kConverted = 0, kRefused = 1, kFailed = 2;

class Converter {
public:
    // Output goes to `out`, messages one a line to `messages`.
    Converter(Options options, std::ostream& out, std::ostream& messages);
    ~Converter();
    // Converts one input to its end; `name` stands for it in messages. The
    // inputs of a table format make one table and must share one header.
    void Convert(std::istream& in, const std::string& name);
    // Reports a failure of the caller's, such as a file that does not open.
    void Fail(const std::string& message);
    int Status() const;

private:
    struct State;
    std::unique_ptr<State> m_state;
};

// One input held in memory, for callers without files.
struct Result {
    std::string output;
    std::vector<std::string> messages;
    int status;
};
Result ConvertText(const Options& options, std::string_view text,
                   const std::string& name = "input");

}  // namespace zembra::lists
