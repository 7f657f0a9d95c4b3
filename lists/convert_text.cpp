// SPDX-License-Identifier: MIT
// The converter's options checked as a whole, its outcome in words, and one
// input held in memory converted, for callers without streams.
#include <cstdint>
#include <sstream>

#include "lists/convert.h"

namespace zembra::lists {

namespace {

std::string Counted(std::int64_t count, std::string_view one, std::string_view many) {
    return std::to_string(count) + " " + std::string(count == 1 ? one : many);
}

}  // namespace

std::string OptionsProblem(const Options& options) {
    const bool afsOnly = options.forms == std::vector<IdForm>{IdForm::Afs};
    if (afsOnly && options.addressing == Addressing::Extended) {
        return "Extended Addressing IDs have no AFS form; write them in decimal or hexadecimal";
    }
    return "";
}

std::string Describe(const Tally& tally) {
    std::string words = Counted(tally.converted, "ID converted", "IDs converted");
    if (tally.converted == 0) words = "no IDs converted";
    if (tally.refused > 0) words += ", " + std::to_string(tally.refused) + " refused";
    if (tally.leftOut > 0) words += ", " + Counted(tally.leftOut, "row left out", "rows left out");
    return words;
}

Result ConvertText(const Options& options, std::string_view text, std::string_view name) {
    std::ostringstream out, messages;
    Converter converter(options, out, messages);
    converter.Begin(name);
    converter.Feed(text);
    converter.End();
    Result result{out.str(), {}, converter.Status(), converter.Counts(), converter.Written()};
    std::istringstream lines(messages.str());
    for (std::string line; std::getline(lines, line);) result.messages.push_back(line);
    return result;
}

}  // namespace zembra::lists
