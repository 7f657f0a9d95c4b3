// SPDX-License-Identifier: MIT
// Converting talk-group lists, plain or as listing tables, on any streams or
// byte blocks and with no state outside a Converter: the program, the web
// page and callers with texts in memory run the same code.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lists/id_grammar.h"
#include "lists/text.h"
#include "lists/vocabulary.h"

namespace zembra::lists {

struct Options {
    Format format = Format::Lines;
    // Line output (Lines, and Automatic when the input is no table).
    std::vector<IdForm> forms = {IdForm::Decimal, IdForm::Afs, IdForm::Hex};
    // A table's ID column: a header name, else a number from 1; when empty,
    // the first of kIdColumns that the header names.
    std::string column;
    Split split;
    Addressing addressing = Addressing::Standard;
    SettingNames names{};  // for the hints in messages
};

// What is wrong with options that cannot go together, "" for nothing.
std::string OptionsProblem(const Options& options);

// Every ID converted; rows refused, left out or inconsistent; a failure.
inline constexpr int kConverted = 0, kRefused = 1, kFailed = 2;

// What became of the data rows or lines read.
struct Tally {
    std::int64_t converted = 0;  // rows or lines written with their ID converted
    std::int64_t refused = 0;    // IDs that could not be read
    std::int64_t leftOut = 0;    // rows not written (refused or repeated IDs in a decoder list)
};

// The outcome in words, as "12 IDs converted, 1 refused, 2 rows left out".
std::string Describe(const Tally& tally);

class Converter {
public:
    // Output goes to `out`, messages one a line to `messages`.
    Converter(Options options, std::ostream& out, std::ostream& messages);
    ~Converter();
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts one input to its end; `name` stands for it in messages,
    // escaped as Printable does. The inputs of a table format make one
    // table and must share one header.
    void Convert(std::istream& in, std::string_view name);
    // The same in steps, for callers that report progress: Begin, Feed the
    // input's bytes in blocks of any size, End.
    void Begin(std::string_view name);
    void Feed(std::string_view bytes);
    void End();

    // Reports a failure of the caller's, such as a file that does not open.
    void Fail(std::string_view message);
    int Status() const;
    const Tally& Counts() const;
    // Whether any message was written.
    bool Reported() const;
    // The format written: the options' own or, for Automatic, what the
    // first input's start chose; nullopt while nothing has chosen.
    std::optional<Format> Written() const;

private:
    struct State;
    std::unique_ptr<State> m_state;
};

// One input held in memory, for callers without files.
struct Result {
    std::string output;
    std::vector<std::string> messages;
    int status;
    Tally tally;
    std::optional<Format> written;
};
Result ConvertText(const Options& options, std::string_view text, std::string_view name = "input");

}  // namespace zembra::lists
