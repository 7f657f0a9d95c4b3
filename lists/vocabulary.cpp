// SPDX-License-Identifier: MIT
// The words of the list library: looking up the forms and formats by the
// names that the command line and the web page give them.
#include "lists/vocabulary.h"

#include <algorithm>
#include <cstddef>

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

}  // namespace

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
