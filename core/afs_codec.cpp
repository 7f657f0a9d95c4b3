// SPDX-License-Identifier: MIT
// The encoder, the decoder and the two field change reactions. Each works
// only through ConverterFields, and the order of its field operations is
// part of its contract: a text write may run the other field's reaction
// nested inside it.
#include "core/afs_codec.h"

#include <cmath>

namespace zembra {

const std::array<GroupCode, 16> AgencyFleetCodes = {{
    {u"0000", u"00"},
    {u"0001", u"01"},
    {u"0010", u"02"},
    {u"0011", u"03"},
    {u"0100", u"04"},
    {u"0101", u"05"},
    {u"0110", u"06"},
    {u"0111", u"07"},
    {u"1000", u"08"},
    {u"1001", u"09"},
    {u"1010", u"10"},
    {u"1011", u"11"},
    {u"1100", u"12"},
    {u"1101", u"13"},
    {u"1110", u"14"},
    {u"1111", u"15"},
}};

const std::array<GroupCode, 8> SubfleetCodes = {{
    {u"000", u"0"},
    {u"001", u"1"},
    {u"010", u"2"},
    {u"011", u"3"},
    {u"100", u"4"},
    {u"101", u"5"},
    {u"110", u"6"},
    {u"111", u"7"},
}};

namespace {

constexpr double kHighestId = 2047;
constexpr double kLowestId = 0;
constexpr int kBitWidth = 11;
constexpr TextView kZeroRun = u"0000000000000000000";
constexpr TextView kOutOfRange = u"Out of Range";

enum class Direction { BitsToDigits, DigitsToBits };

// A text that matches no row is left as it is.
template <std::size_t N>
Text Translate(Text group, const std::array<GroupCode, N>& table, Direction direction) {
    for (const GroupCode& row : table) {
        const TextView from = direction == Direction::BitsToDigits ? row.bits : row.digits;
        const TextView to = direction == Direction::BitsToDigits ? row.digits : row.bits;
        if (TextEquals(group, from)) {
            return Text(to);
        }
    }
    return group;
}

// An echo that does not fit 32 bits empties the field rather than leaving
// the hexadecimal form of an earlier number beside the new one.
void WriteHexEcho(ConverterFields& fields) {
    fields.SetHexText(FormatHex(ParseNumber(fields.GetDecimalText())).value_or(Text()));
}

// 2^0 to 2^32, exact as doubles.
constexpr std::array<double, 33> kPowersOfTwo = [] {
    std::array<double, 33> powers{};
    double p = 1;
    for (double& power : powers) {
        power = p;
        p *= 2;
    }
    return powers;
}();

// Base-2 digits of the whole part of n (0 <= n < 2^32), most significant
// first, without leading zeros: "0" for n below 1.
Text BitText(double n) {
    std::size_t length = 1;
    while (length < 32 && kPowersOfTwo[length] <= n) {
        ++length;
    }
    Text bits;
    bits.reserve(length);
    for (std::size_t j = length; j-- > 0;) {
        const double weight = kPowersOfTwo[j];
        if (std::floor(n / weight) == 1) {
            n -= weight;
            bits += u'1';
        } else {
            bits += u'0';
        }
    }
    return bits;
}

}  // namespace

void EncodeAfs(ConverterFields& fields) {
    if (fields.IsActionItemChecked(kDecimalToAfsItem)) {
        // The range check reads the field twice, as the bounds are tested apart.
        if (ParseNumber(fields.GetDecimalText()) > kHighestId ||
            ParseNumber(fields.GetDecimalText()) < kLowestId) {
            fields.SetAfsBackColor(kInvalidColor);
        } else {
            fields.SetAfsBackColor(kValidColor);
            const Text bits = BitText(ParseNumber(fields.GetDecimalText()));
            Text padded = LeftChars(kZeroRun, static_cast<std::size_t>(kBitWidth) - bits.size());
            padded += bits;
            Text afs = Translate(LeftChars(padded, 4), AgencyFleetCodes, Direction::BitsToDigits);
            afs += u'-';
            afs += Translate(MidChars(padded, 5, 4), AgencyFleetCodes, Direction::BitsToDigits);
            afs += Translate(RightChars(padded, 3), SubfleetCodes, Direction::BitsToDigits);
            fields.SetAfsText(afs);
        }
    }
    WriteHexEcho(fields);
}

void DecodeAfs(ConverterFields& fields) {
    if (!fields.IsActionItemChecked(kAfsToDecimalItem)) {
        return;
    }
    if (TextEquals(fields.GetDecimalText(), kOutOfRange)) {
        return;
    }
    const Text agency = TrimSpaces(LeftChars(fields.GetAfsText(), 2));
    const Text fleet = TrimSpaces(MidChars(fields.GetAfsText(), 4, 2));
    const Text subfleet = TrimSpaces(RightChars(fields.GetAfsText(), 1));
    const Text bits = Translate(agency, AgencyFleetCodes, Direction::DigitsToBits) +
                      Translate(fleet, AgencyFleetCodes, Direction::DigitsToBits) +
                      Translate(subfleet, SubfleetCodes, Direction::DigitsToBits);

    // A character other than "0" or "1" repeats the bit before it (0 at the
    // start) but still takes a position and a weight. At most 11 characters.
    std::optional<int> total;
    int bit = 0;
    const std::size_t length = bits.size();
    for (std::size_t i = 0; i < length; ++i) {
        if (bits[i] == u'0') {
            bit = 0;
        } else if (bits[i] == u'1') {
            bit = 1;
        }
        total = total.value_or(0) + (bit << (length - 1 - i));
    }
    fields.SetDecimalText(FormatDecimal(total));
    WriteHexEcho(fields);
}

void ReactToDecimalChange(ConverterFields& fields) {
    if (fields.IsActionItemChecked(kDecimalToAfsItem)) {
        EncodeAfs(fields);
    } else {
        DecodeAfs(fields);
    }
}

BackColor ReactToAfsChange(ConverterFields& fields) {
    const Text afs = fields.GetAfsText();
    if (afs.size() != 6) {
        return kInvalidColor;
    }
    if (!fields.IsActionItemChecked(kAfsToDecimalItem)) {
        return kValidColor;
    }
    // Ranges, not digits: a piece without a leading number reads as 0.
    const double agency = ParseNumber(LeftChars(afs, 2));
    const double fleet = ParseNumber(MidChars(afs, 4, 2));
    const double subfleet = ParseNumber(RightChars(afs, 1));
    const bool accepted = agency >= 0 && agency <= 15 && fleet >= 0 && fleet <= 15 &&
                          subfleet >= 0 && subfleet <= 7 && TextEquals(MidChars(afs, 3, 1), u"-");
    if (!accepted) {
        return kInvalidColor;
    }
    DecodeAfs(fields);
    return kValidColor;
}

}  // namespace zembra
