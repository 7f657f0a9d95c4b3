// SPDX-License-Identifier: MIT
// The converter's options checked as a whole, and one input held in memory
// converted, for callers without streams.
#include <sstream>

#include "lists/convert.h"

namespace zembra::lists {

std::string OptionsProblem(const Options& options) {
    const bool afsOnly = options.forms == std::vector<IdForm>{IdForm::Afs};
    if (afsOnly && options.addressing == Addressing::Extended) {
        return "Extended Addressing IDs have no AFS form; write them in decimal or hexadecimal";
    }
    return "";
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
