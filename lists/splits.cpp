// SPDX-License-Identifier: MIT
// The splits a system may choose, and their names.
#include "lists/splits.h"

namespace zembra::lists {

const std::vector<Split>& AllSplits() {
    static const std::vector<Split> splits = [] {
        std::vector<Split> all;
        for (int agency = 1; agency <= 9; ++agency) {
            for (int fleet = 1; agency + fleet <= 10; ++fleet) {
                all.push_back(Split{{agency, fleet, 11 - agency - fleet}});
            }
        }
        return all;
    }();
    return splits;
}

std::string SplitName(const Split& split) {
    return std::to_string(split.bits[0]) + ":" + std::to_string(split.bits[1]) + ":" +
           std::to_string(split.bits[2]);
}

Place PlaceOf(int id, const Split& split) {
    const auto [a, f, s] = split.bits;
    return {id >> (f + s), (id >> s) & ((1 << f) - 1), id & ((1 << s) - 1)};
}

}  // namespace zembra::lists
