// SPDX-License-Identifier: MIT
// Every agency-fleet-subfleet split a system may choose, and a split's
// name as the decoders' options and Zembra's --split write it.
#pragma once

#include <string>
#include <vector>

#include "lists/id_grammar.h"

namespace zembra::lists {

// The 45 splits a:f:s with a + f + s = 11 and each at least 1, agency bits
// ascending, then fleet bits.
const std::vector<Split>& AllSplits();

// "3:4:4".
std::string SplitName(const Split& split);

}  // namespace zembra::lists
