// SPDX-License-Identifier: MIT
// Locale-free number reading and writing on 16-bit texts. Decimal numbers are
// converted with std::from_chars, which ignores the locale; hexadecimal and
// octal prefixes are read by hand with two's-complement folding.
#include "core/text_rules.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace zembra {
namespace {

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

int DigitValue(char16_t c, int base) {
    int v = -1;
    if (IsDigit(c)) {
        v = c - u'0';
    } else if (c >= u'A' && c <= u'F') {
        v = c - u'A' + 10;
    } else if (c >= u'a' && c <= u'f') {
        v = c - u'a' + 10;
    }
    return v < base ? v : -1;
}

// Digits after "&H" or "&O". Up to 16 bits they are a signed 16-bit value,
// up to 32 bits a signed 32-bit value; longer values stay unsigned and are
// accumulated as a double, which may reach infinity but never overflows.
double ReadPrefixed(TextView digits, int base) {
    std::uint64_t exact = 0;
    double wide = 0;
    bool isWide = false;
    for (char16_t c : digits) {
        const int d = DigitValue(c, base);
        if (d < 0) {
            break;
        }
        if (isWide) {
            wide = wide * base + d;
        } else {
            exact = exact * static_cast<unsigned>(base) + static_cast<unsigned>(d);
            if (exact > 0xFFFFFFFFu) {
                isWide = true;
                wide = static_cast<double>(exact);
            }
        }
    }
    if (isWide) {
        return wide;
    }
    if (exact <= 0xFFFFu) {
        return static_cast<std::int16_t>(static_cast<std::uint16_t>(exact));
    }
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(exact));
}

// Appends the run of decimal digits at text[pos...] to out; returns the new position.
std::size_t TakeDigits(TextView text, std::size_t pos, std::string& out) {
    while (pos < text.size() && IsDigit(text[pos])) {
        out.push_back(static_cast<char>(text[pos]));
        ++pos;
    }
    return pos;
}

// Sign, digits, optional fraction and optional exponent (E, e, D or d);
// whatever cannot continue the pattern ends the number.
double ReadDecimal(TextView text) {
    std::size_t pos = 0;
    bool negative = false;
    if (pos < text.size() && (text[pos] == u'+' || text[pos] == u'-')) {
        negative = text[pos] == u'-';
        ++pos;
    }
    std::string whole;
    std::string fraction;
    pos = TakeDigits(text, pos, whole);
    if (pos < text.size() && text[pos] == u'.') {
        pos = TakeDigits(text, pos + 1, fraction);
    }
    if (whole.empty() && fraction.empty()) {
        return 0;
    }

    // The exponent saturates far beyond any double's range, so a text of
    // thousands of exponent digits neither overflows nor takes long.
    constexpr long kExponentLimit = 1'000'000;
    long exponent = 0;
    if (pos < text.size() &&
        (text[pos] == u'E' || text[pos] == u'e' || text[pos] == u'D' || text[pos] == u'd')) {
        std::size_t p = pos + 1;
        bool exponentNegative = false;
        if (p < text.size() && (text[p] == u'+' || text[p] == u'-')) {
            exponentNegative = text[p] == u'-';
            ++p;
        }
        for (; p < text.size() && IsDigit(text[p]); ++p) {
            exponent = std::min(kExponentLimit, exponent * 10 + (text[p] - u'0'));
        }
        if (exponentNegative) {
            exponent = -exponent;
        }
    }

    std::string number = whole.empty() ? "0" : whole;
    if (!fraction.empty()) {
        number += '.';
        number += fraction;
    }
    number += 'e';
    number += std::to_string(exponent);

    double value = 0;
    const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    (void)end;
    if (ec == std::errc::result_out_of_range) {
        // Too large or too small for a double: the magnitude decides which.
        const std::size_t significant = whole.find_first_not_of('0');
        long magnitude = exponent;
        if (significant != std::string::npos) {
            magnitude += static_cast<long>(whole.size() - significant);
        } else {
            magnitude -= static_cast<long>(fraction.find_first_not_of('0'));
        }
        value = magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return negative ? -value : value;
}

}  // namespace

double ParseNumber(TextView text) {
    Text packed;
    packed.reserve(text.size());
    for (char16_t c : text) {
        if (c != u' ' && c != u'\t' && c != u'\n') {
            packed.push_back(c);
        }
    }
    if (packed.size() >= 2 && packed[0] == u'&') {
        if (packed[1] == u'H' || packed[1] == u'h') {
            return ReadPrefixed(TextView(packed).substr(2), 16);
        }
        if (packed[1] == u'O' || packed[1] == u'o') {
            return ReadPrefixed(TextView(packed).substr(2), 8);
        }
    }
    return ReadDecimal(packed);
}

Text TrimSpaces(TextView text) {
    const std::size_t first = text.find_first_not_of(u' ');
    if (first == TextView::npos) {
        return {};
    }
    const std::size_t last = text.find_last_not_of(u' ');
    return Text(text.substr(first, last - first + 1));
}

Text LeftChars(TextView text, std::size_t count) { return Text(text.substr(0, count)); }

Text MidChars(TextView text, std::size_t start, std::size_t count) {
    const std::size_t offset = start == 0 ? 0 : start - 1;
    if (offset >= text.size()) {
        return {};
    }
    return Text(text.substr(offset, count));
}

Text RightChars(TextView text, std::size_t count) {
    if (count >= text.size()) {
        return Text(text);
    }
    return Text(text.substr(text.size() - count));
}

std::optional<Text> FormatHex(double value) {
    // rint rounds halfway values to even under the default rounding mode.
    const double whole = std::rint(value);
    if (!(whole >= -2147483648.0 && whole <= 2147483647.0)) {
        return std::nullopt;
    }
    auto bits = static_cast<std::uint32_t>(static_cast<std::int64_t>(whole));
    static constexpr char16_t kDigits[] = u"0123456789ABCDEF";
    char16_t buffer[8];
    std::size_t used = 0;
    do {
        buffer[7 - used++] = kDigits[bits & 0xFu];
        bits >>= 4;
    } while (bits != 0);
    return Text(buffer + 8 - used, used);
}

Text FormatDecimal(std::optional<int> total) {
    if (!total) {
        return {};
    }
    const std::string digits = std::to_string(*total);
    return Text(digits.begin(), digits.end());
}

bool TextEquals(TextView a, TextView b) { return a == b; }

}  // namespace zembra
