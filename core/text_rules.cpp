// SPDX-License-Identifier: MIT
// Locale-free number reading and writing on 16-bit texts. Decimal numbers are
// converted with fast_float, which ignores the locale; hexadecimal and octal
// prefixes are read by hand with two's-complement folding.
#include "core/text_rules.h"

#include <fast_float/fast_float.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

namespace zembra {

namespace {

// Walks a text, stepping over the blanks, tabs and line feeds that number
// reading ignores wherever they stand. Peek gives u'\0' at the end, which
// continues no number.
class Cursor {
public:
    explicit Cursor(TextView text) : text_(text) { SkipIgnored(); }

    char16_t Peek() const { return pos_ < text_.size() ? text_[pos_] : u'\0'; }
    void Next() {
        ++pos_;
        SkipIgnored();
    }
    // Steps over the next character when it is one of the two given.
    bool Take(char16_t a, char16_t b) {
        const char16_t c = Peek();
        if (c != u'\0' && (c == a || c == b)) {
            Next();
            return true;
        }
        return false;
    }

private:
    void SkipIgnored() {
        while (pos_ < text_.size() &&
               (text_[pos_] == u' ' || text_[pos_] == u'\t' || text_[pos_] == u'\n')) {
            ++pos_;
        }
    }

    TextView text_;
    std::size_t pos_ = 0;
};

// Digits after "&H" or "&O". Up to 16 bits they are a signed 16-bit value,
// up to 32 bits a signed 32-bit value; longer values stay unsigned and are
// accumulated as a double, which may reach infinity but never overflows.
double ReadPrefixed(Cursor& cursor, int base) {
    std::uint64_t exact = 0;
    double wide = 0;
    bool isWide = false;
    for (int d = DigitValue(cursor.Peek(), base); d >= 0; d = DigitValue(cursor.Peek(), base)) {
        cursor.Next();
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

std::string TakeDigits(Cursor& cursor) {
    std::string digits;
    while (IsDigit(cursor.Peek())) {
        digits.push_back(static_cast<char>(cursor.Peek()));
        cursor.Next();
    }
    return digits;
}

// Sign, digits, optional fraction and optional exponent (E, e, D or d);
// whatever cannot continue the pattern ends the number.
double ReadDecimal(Cursor& cursor) {
    const bool negative = cursor.Peek() == u'-';
    cursor.Take(u'+', u'-');
    const std::string whole = TakeDigits(cursor);
    const std::string fraction = cursor.Take(u'.', u'.') ? TakeDigits(cursor) : std::string();
    if (whole.empty() && fraction.empty()) {
        return 0;
    }

    // The exponent saturates far beyond any double's range, so a text of
    // thousands of exponent digits neither overflows nor takes long. An
    // exponent letter without digits leaves the number as it is.
    constexpr long kExponentLimit = 1'000'000;
    long exponent = 0;
    if (cursor.Take(u'E', u'e') || cursor.Take(u'D', u'd')) {
        const bool exponentNegative = cursor.Peek() == u'-';
        cursor.Take(u'+', u'-');
        for (; IsDigit(cursor.Peek()); cursor.Next()) {
            exponent = std::min(kExponentLimit, exponent * 10 + (cursor.Peek() - u'0'));
        }
        if (exponentNegative) {
            exponent = -exponent;
        }
    }

    // Whole numbers of up to 15 digits are exact in a double: no conversion needed.
    if (fraction.empty() && exponent == 0 && whole.size() <= 15) {
        double value = 0;
        for (char digit : whole) {
            value = value * 10 + (digit - '0');
        }
        return negative ? -value : value;
    }

    std::string number = whole.empty() ? "0" : whole;
    if (!fraction.empty()) {
        number += '.';
        number += fraction;
    }
    number += 'e';
    number += std::to_string(exponent);

    // fast_float rounds exactly as the C++ library's from_chars does, on every
    // compiler; out of a double's range it gives infinity or zero.
    double value = 0;
    fast_float::from_chars(number.data(), number.data() + number.size(), value);
    return negative ? -value : value;
}

}  // namespace

double ParseNumber(TextView text) {
    Cursor cursor(text);
    if (cursor.Take(u'&', u'&')) {
        if (cursor.Take(u'H', u'h')) {
            return ReadPrefixed(cursor, 16);
        }
        if (cursor.Take(u'O', u'o')) {
            return ReadPrefixed(cursor, 8);
        }
        return 0;  // "&" continues no decimal number
    }
    return ReadDecimal(cursor);
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

}  // namespace zembra
