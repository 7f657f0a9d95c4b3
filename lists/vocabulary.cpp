// SPDX-License-Identifier: MIT
// The words of the list library: looking up the forms and formats by the
// names that the command line and the web page give them, and the outcome
// of a conversion in words.
#include "lists/vocabulary.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

#include "lists/convert.h"

namespace zembra::lists {

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    const auto lower = [](char c) {
        if (c >= 'A' && c <= 'Z') return static_cast<char>(c - 'A' + 'a');
        return c;
    };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [&lower](char x, char y) { return lower(x) == lower(y); });
}

namespace {

template <std::size_t N>
std::optional<std::size_t> IndexNamed(const std::array<Named, N>& table, std::string_view name) {
    for (std::size_t i = 0; i < N; ++i) {
        if (SameIgnoringCase(table[i].name, name)) return i;
    }
    return std::nullopt;
}

std::string Counted(std::int64_t count, std::string_view one, std::string_view many) {
    return std::to_string(count) + " " + std::string(count == 1 ? one : many);
}

}  // namespace

std::string Describe(const Tally& tally) {
    std::string words = Counted(tally.converted, "ID converted", "IDs converted");
    if (tally.converted == 0) words = "no IDs converted";
    if (tally.refused > 0) words += ", " + std::to_string(tally.refused) + " refused";
    if (tally.leftOut > 0) words += ", " + Counted(tally.leftOut, "row left out", "rows left out");
    return words;
}

std::optional<IdForm> FormNamed(std::string_view name) {
    const auto index = IndexNamed(kForms, name);
    if (!index) return std::nullopt;
    return static_cast<IdForm>(*index);
}

std::optional<Format> FormatNamed(std::string_view name) {
    const auto index = IndexNamed(kFormats, name);
    if (!index) return std::nullopt;
    return static_cast<Format>(*index);
}

}  // namespace zembra::lists
