// SPDX-License-Identifier: MIT
// The words the list library shares with its front ends: the names and
// descriptions of the ID forms and of the output formats, and the column
// names that mark a table's ID column. zembra-convert's options and help and
// the web page's choices are built from these tables, so that each word is
// written once.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "lists/text.h"

namespace zembra::lists {

enum class IdForm { Decimal, Afs, Hex };

// Automatic: a table when the first non-blank line names an ID column,
// otherwise one ID a line. Table: the input table with Decimal, AFS and Hex
// added or filled. Dsd: the DEC,Mode,Name,Tag list as both decoders read it
// before they parted. DsdNeo: dsd-neo's list, with partial IDs as ranges.
// DsdFme: dsd-fme's list, within the kDsdFmeGroups it holds. RadioReference: the
// listing site's CSV layout. Lines: one ID a line, the forms tab-separated.
enum class Format { Automatic, Table, Dsd, DsdNeo, DsdFme, RadioReference, Lines };

struct Named {
    std::string_view name;
    std::string_view description;
};

// In the order of IdForm.
inline constexpr std::array<Named, 3> kForms = {{
    {"dec", "decimal"},
    {"afs", "AFS"},
    {"hex", "hexadecimal"},
}};

// dsd-fme holds this many groups in a fixed array and writes past its end;
// the earlier decoders read no further, without a word.
inline constexpr int kDsdFmeGroups = 1023;
inline constexpr ShortText kDsdFmeDescription = [] {
    ShortText text;
    text += "dsd-fme's group list, at most its ";
    text += WithThousands(kDsdFmeGroups).View();
    text += " groups";
    return text;
}();

// In the order of Format.
inline constexpr std::array<Named, 7> kFormats = {{
    {"auto", "a table when the first line names an ID column, else one ID a line"},
    {"table", "the listing with Decimal, AFS and Hex added or filled"},
    {"dsd", "the DEC,Mode,Name,Tag list both decoders read before they parted"},
    {"dsd-neo", "dsd-neo's group list, partial IDs as ranges of talk groups"},
    {"dsd-fme", kDsdFmeDescription.View()},
    {"radioreference", "the listing site's CSV layout"},
    {"lines", "one ID a line, the forms tab-separated"},
}};

// A table's ID column, when none is given: the first of these that its
// header names, whatever the case and blanks around it.
inline constexpr std::array<std::string_view, 7> kIdColumns = {
    "DEC", "Decimal", "TGID", "Talkgroup", "ID", "AFS", "Hex"};

// The IDs of a system: 11-bit ones with their AFS form, or the 16-bit IDs
// of Extended Addressing, which have none and are written in decimal.
enum class Addressing { Standard, Extended };
inline constexpr int kStandardIds = 2048, kExtendedIds = 65536;
constexpr int IdCount(Addressing addressing) {
    return addressing == Addressing::Extended ? kExtendedIds : kStandardIds;
}

// The words of the Extended Addressing choice: 16-bit IDs, no AFS form.
inline constexpr ShortText kExtendedAddressingDescription = [] {
    ShortText text;
    text += "Extended Addressing: IDs 0-";
    text += Digits(kExtendedIds - 1, false).View();
    text += ", which have no AFS form";
    return text;
}();
inline constexpr Named kExtendedAddressing = {"ea", kExtendedAddressingDescription.View()};

// How a front end names the settings that a message may point to: the
// command line by its options, the page by its controls. A message names
// the setting that would help, in these words; where a name is empty it
// says what would be accepted without one.
struct SettingNames {
    std::string table;     // read the input as a table
    std::string idColumn;  // the table's ID column
    std::string extended;  // Extended Addressing
    std::string split;     // the split of the IDs
};

// Whether two names are the same, ASCII letters compared in either case.
bool SameIgnoringCase(std::string_view a, std::string_view b);

// The form or format of that name, in any case; nullopt for none.
std::optional<IdForm> FormNamed(std::string_view name);
std::optional<Format> FormatNamed(std::string_view name);

// A format's name and description, as kFormats words them.
constexpr std::string_view NameOf(Format format) {
    return kFormats[static_cast<std::size_t>(format)].name;
}
constexpr std::string_view DescriptionOf(Format format) {
    return kFormats[static_cast<std::size_t>(format)].description;
}

}  // namespace zembra::lists
