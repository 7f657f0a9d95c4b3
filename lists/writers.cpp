// SPDX-License-Identifier: MIT
// The writers of lines, listing tables, decoder lists and import files.
#include "lists/writers.h"
#include "lists/text.h"

#include <algorithm>
#include <array>
#include <initializer_list>

namespace zembra::lists {

namespace {

constexpr std::array<std::string_view, 3> kAddedTitles = {"Decimal", "AFS", "Hex"};
constexpr std::array<std::string_view, 4> kDsdHeader = {"DEC", "Mode", "Name", "Tag"};
constexpr std::array<std::string_view, 7> kRadioReferenceHeader = {
    "Decimal", "Hex", "Alpha Tag", "Mode", "Description", "Tag", "Category"};
// The decoders cut names there and overflow past it; tags are cut alike.
constexpr std::size_t kDecoderFieldBytes = 49;
// The import file's fields are not cut.
constexpr std::size_t kUncut = std::string_view::npos;

// Fields are quoted only when they must be (RFC 4180): between quotes, each
// quote doubled.
void AppendField(std::string& out, std::string_view field, char delimiter) {
    const char special[] = {delimiter, '"', '\r', '\n'};
    if (field.find_first_of(std::string_view(special, sizeof special)) == std::string::npos) {
        out += field;
        return;
    }
    out += '"';
    for (const char c : field) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
}

template <std::size_t N>
void AppendTitles(std::string& out, const std::array<std::string_view, N>& titles) {
    for (std::size_t i = 0; i < N; ++i) {
        if (i > 0) out += ',';
        out += titles[i];
    }
    out += '\n';
}

std::string_view FirstNonBlank(const Fields& row, std::initializer_list<std::size_t> columns) {
    for (const std::size_t column : columns) {
        if (!TrimBlanks(FieldAt(row, column)).empty()) return FieldAt(row, column);
    }
    return {};
}

// The decoders split on every comma and know no quotes, the listing site's
// import splits on commas with quotes around them, and a line break would
// end the row: what they cannot take is replaced, what is no text dropped.
std::string_view Replacement(std::string_view character) {
    if (character == ",") return ";";
    if (character == "\"") return "'";
    if (character == "\r" || character == "\n" || character == "\t") return " ";
    const auto first = static_cast<unsigned char>(character[0]);
    const bool c0 = character.size() == 1 && (first < 0x20 || first == 0x7F);
    const bool c1 =
        character.size() == 2 && first == 0xC2 && static_cast<unsigned char>(character[1]) < 0xA0;
    if (c0 || c1) return "";
    return character;
}

struct Written {
    std::string text;
    std::string note;  // "Name 'x' written as 'y'", or "" when written as read
};

// A blank text becomes the fallback as it is; one that cleaning leaves
// blank becomes it with a note, as does one cut to `bytes`.
Written Cleaned(std::string_view title, std::string_view text, std::string_view fallback,
                std::size_t bytes) {
    if (TrimBlanks(text).empty()) return {std::string(fallback), ""};
    std::string cleaned = CleanForDecoders(text);
    if (TrimBlanks(cleaned).empty()) cleaned = fallback;
    Written written{std::string(CutBetweenCharacters(cleaned, bytes)), std::string(title)};
    if (cleaned != text)
        written.note += " '" + Printable(text) + "' written as '" + Printable(cleaned) + "'";
    if (written.text.size() < cleaned.size()) {
        written.note += std::string(cleaned != text ? " and" : "") + " cut at " +
                        std::to_string(bytes) + " bytes, '" +
                        Printable(std::string_view(cleaned).substr(written.text.size())) +
                        "' left out";
    }
    if (written.text == text) written.note.clear();
    return written;
}

std::string Notes(const std::vector<Written>& fields) {
    std::string notes;
    for (const Written& field : fields) {
        if (field.note.empty()) continue;
        if (!notes.empty()) notes += ", ";
        notes += field.note;
    }
    return notes;
}

}  // namespace

void AppendForms(std::string& out, std::optional<int> id, const std::vector<IdForm>& forms,
                 const Split& split, Addressing addressing) {
    for (std::size_t i = 0; i < forms.size(); ++i) {
        if (i > 0) out += '\t';
        if (id) AppendId(out, *id, forms[i], split, addressing);
    }
    out += '\n';
}

void AppendFields(std::string& out, const Fields& fields, char delimiter) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) out += delimiter;
        AppendField(out, fields[i], delimiter);
    }
}

TableShape ShapeOf(const Fields& header, const Columns& columns, const Layout& layout,
                   Addressing addressing) {
    TableShape shape{header.size(),
                     {columns.decimal, columns.afs, columns.hex},
                     {},
                     layout.delimiter,
                     layout.lineEnd,
                     addressing};
    for (std::size_t form = 0; form < shape.formColumns.size(); ++form) {
        if (shape.formColumns[form] == kNoColumn) shape.added.push_back(static_cast<IdForm>(form));
    }
    return shape;
}

void AppendTableHeader(std::string& out, const Fields& header, const TableShape& shape) {
    AppendFields(out, header, shape.delimiter);
    for (const IdForm form : shape.added) {
        out += shape.delimiter;
        out += kAddedTitles[static_cast<std::size_t>(form)];
    }
    out += shape.lineEnd;
}

void AppendTableRow(std::string& out, const Fields& row, const TableShape& shape,
                    std::optional<int> id, const Split& split) {
    const std::size_t size = std::max(row.size(), shape.headerSize);
    for (std::size_t i = 0; i < size; ++i) {
        // The added forms stand after the header's columns, before any extra field.
        for (std::size_t j = 0; i == shape.headerSize && j < shape.added.size(); ++j) {
            out += shape.delimiter;
            if (id) AppendId(out, *id, shape.added[j], split, shape.addressing);
        }
        if (i > 0) out += shape.delimiter;
        const std::string_view field = FieldAt(row, i);
        const auto form = std::find(shape.formColumns.begin(), shape.formColumns.end(), i);
        if (id && form != shape.formColumns.end() && TrimBlanks(field).empty()) {
            AppendId(out, *id, static_cast<IdForm>(form - shape.formColumns.begin()), split,
                     shape.addressing);
        } else {
            AppendField(out, field, shape.delimiter);
        }
    }
    for (std::size_t i = 0; size == shape.headerSize && i < shape.added.size(); ++i) {
        out += shape.delimiter;
        if (id) AppendId(out, *id, shape.added[i], split, shape.addressing);
    }
    out += shape.lineEnd;
}

void AppendDsdHeader(std::string& out) { AppendTitles(out, kDsdHeader); }

ListRow DsdRow(const Fields& row, const Columns& columns, std::string_view id,
               std::string_view fallbackName) {
    const std::string_view mode = TrimBlanks(FieldAt(row, columns.mode));
    const bool encrypted = mode.ends_with('E') || mode.ends_with('e');
    const std::vector<Written> names = {
        Cleaned("Name", FirstNonBlank(row, {columns.name, columns.alphaTag, columns.description}),
                fallbackName, kDecoderFieldBytes),
        Cleaned("Tag", FirstNonBlank(row, {columns.tag, columns.category}), "EDACS",
                kDecoderFieldBytes)};
    ListRow written{std::string(id), Notes(names)};
    written.text.append(encrypted ? ",DE," : ",A,");
    written.text.append(names[0].text).append(",").append(names[1].text) += '\n';
    return written;
}

void AppendRadioReferenceHeader(std::string& out) { AppendTitles(out, kRadioReferenceHeader); }

ListRow RadioReferenceRow(const Fields& row, const Columns& columns, int id) {
    std::string out = std::to_string(id) + ",";
    AppendPadded(out, id, 3, 16);  // three lower-case digits, as the listing site writes them
    const std::array<std::size_t, 5> sources = {columns.alphaTag, columns.mode, columns.description,
                                                columns.tag, columns.category};
    std::vector<Written> fields;
    for (std::size_t i = 0; i < sources.size(); ++i) {
        fields.push_back(
            Cleaned(kRadioReferenceHeader[i + 2], FieldAt(row, sources[i]), "", kUncut));
        out.append(",").append(fields.back().text);
    }
    out += '\n';
    return {out, Notes(fields)};
}

std::string CleanForDecoders(std::string_view text) {
    const bool plain = std::all_of(text.begin(), text.end(), [](char c) {
        return c >= 0x20 && c < 0x7F && c != ',' && c != '"';
    });
    if (plain) return std::string(text);
    std::string cleaned;
    while (!text.empty()) {
        // A line break is one blank, whether it is written LF or CR LF.
        if (text.starts_with("\r\n")) text.remove_prefix(1);
        const std::size_t length = CharacterLength(text);
        if (length > 0) cleaned += Replacement(text.substr(0, length));
        text.remove_prefix(std::max<std::size_t>(length, 1));
    }
    return cleaned;
}

std::string_view CutBetweenCharacters(std::string_view text, std::size_t bytes) {
    if (text.size() <= bytes) return text;
    // A cut before a UTF-8 continuation byte would split a character.
    while (bytes > 0 && (static_cast<unsigned char>(text[bytes]) & 0xC0u) == 0x80u) --bytes;
    return text.substr(0, bytes);
}

}  // namespace zembra::lists
