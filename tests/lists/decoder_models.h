// SPDX-License-Identifier: MIT
// The two decoders' group-list readers, modelled on how each reads its
// file, so that a written list can be checked as the decoder will take it:
// dsd-neo skips line 1, splits on every comma with no quoting (at most 32
// fields, lines of at most 998 bytes), reads a decimal ID or a range
// START-END, locks out modes B and DE and cuts names at 49 bytes; an exact
// row beats a range, the narrowest range wins and a later row wins a tie.
// dsd-fme skips line 1, splits with strtok (empty fields collapse), reads
// the ID with atol, holds 1,023 groups and overflows past them, past 7
// bytes of mode and past 49 of name.
#pragma once

#include <cstdlib>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace zembra::lists::model {

struct Group {
    int first = 0;
    int last = 0;  // first for an exact row
    bool exact = true;
    std::string mode;
    std::string name;
};

struct DecoderRead {
    std::vector<Group> groups;
    std::vector<std::string> problems;  // what the decoder misreads or overflows on
};

// What the decoder makes of one talk group: absent, or locked out or not,
// with the label it shows ("" for none).
struct View {
    bool found = false;
    bool lockedOut = false;
    std::string label;
    friend bool operator==(const View&, const View&) = default;
};

inline std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (line.ends_with('\r')) line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

inline std::optional<int> Decimal(const std::string& text) {
    if (text.empty() || text.size() > 9 || text.find_first_not_of("0123456789") != text.npos) {
        return std::nullopt;
    }
    return std::atoi(text.c_str());
}

inline DecoderRead ReadAsDsdNeo(const std::string& text) {
    DecoderRead read;
    const std::vector<std::string> lines = Lines(text);
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        const std::string where = "line " + std::to_string(i + 1) + ": ";
        if (line.size() > 998) read.problems.push_back(where + "longer than 998 bytes");
        std::vector<std::string> fields(1);
        for (const char c : line) {
            if (c == ',') {
                fields.emplace_back();
            } else {
                fields.back() += c;
            }
        }
        if (fields.size() > 32) read.problems.push_back(where + "more than 32 fields");
        fields.resize(std::max<std::size_t>(fields.size(), 3));
        Group group;
        const std::size_t dash = fields[0].find('-');
        const auto first = Decimal(fields[0].substr(0, dash));
        const auto last = dash == std::string::npos ? first : Decimal(fields[0].substr(dash + 1));
        if (!first || !last || *first > *last) {
            read.problems.push_back(where + "no ID in '" + fields[0] + "'");
            continue;
        }
        group = {*first, *last, dash == std::string::npos || *first == *last, fields[1],
                 fields[2].substr(0, 49)};
        read.groups.push_back(group);
    }
    return read;
}

inline View LookUpAsDsdNeo(const std::vector<Group>& groups, int id) {
    const Group* exact = nullptr;
    const Group* range = nullptr;
    for (const Group& group : groups) {
        if (id < group.first || id > group.last) continue;
        if (group.exact) {
            exact = &group;
        } else if (!range || group.last - group.first <= range->last - range->first) {
            range = &group;
        }
    }
    const Group* chosen = exact ? exact : range;
    if (!chosen) return {};
    return {true, chosen->mode == "B" || chosen->mode == "DE", exact ? exact->name : ""};
}

inline DecoderRead ReadAsDsdFme(const std::string& text) {
    DecoderRead read;
    const std::vector<std::string> lines = Lines(text);
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::string where = "line " + std::to_string(i + 1) + ": ";
        std::vector<std::string> tokens;  // as strtok gives them: no empty one
        std::istringstream in(lines[i]);
        for (std::string token; std::getline(in, token, ',');) {
            if (!token.empty()) tokens.push_back(token);
        }
        if (tokens.empty()) continue;
        tokens.resize(std::max<std::size_t>(tokens.size(), 3));
        if (read.groups.size() == 1023) read.problems.push_back(where + "past the 1,023 groups");
        if (tokens[1].size() > 7) read.problems.push_back(where + "mode past 7 bytes");
        if (tokens[2].size() > 49) read.problems.push_back(where + "name past 49 bytes");
        const int id = std::atoi(tokens[0].c_str());
        if (std::to_string(id) != tokens[0]) {
            read.problems.push_back(where + "'" + tokens[0] + "' read as " + std::to_string(id));
        }
        read.groups.push_back({id, id, true, tokens[1], tokens[2]});
    }
    return read;
}

// dsd-fme takes the first group of the ID.
inline View LookUpAsDsdFme(const std::vector<Group>& groups, int id) {
    for (const Group& group : groups) {
        if (group.first == id) return {true, group.mode == "B" || group.mode == "DE", group.name};
    }
    return {};
}

}  // namespace zembra::lists::model
