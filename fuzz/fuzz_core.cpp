// SPDX-License-Identifier: MIT
// Feeds arbitrary 16-bit texts to the number reader and to both converters
// and checks what may come out: a decimal result that is empty or a plain
// whole number 0 to 2047, a hexadecimal echo of 1 to 8 upper-case digits or
// empty, an AFS text that is unchanged or canonical.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "core/afs_codec.h"
#include "core/memory_fields.h"

namespace {

using zembra::Text;

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

bool IsHexEcho(const Text& hex) {
    if (hex.size() > 8) {
        return false;
    }
    for (char16_t c : hex) {
        if (!((c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F'))) {
            return false;
        }
    }
    return true;
}

bool IsDecimalResult(const Text& text) {
    if (text.empty()) {
        return true;
    }
    if (text.size() > 4 || (text.size() > 1 && text[0] == u'0')) {
        return false;
    }
    int value = 0;
    for (char16_t c : text) {
        if (c < u'0' || c > u'9') {
            return false;
        }
        value = value * 10 + (c - u'0');
    }
    return value <= 2047;
}

bool IsCanonicalAfs(const Text& afs) {
    if (afs.size() != 6 || afs[2] != u'-') {
        return false;
    }
    for (std::size_t i : {0u, 1u, 3u, 4u, 5u}) {
        if (afs[i] < u'0' || afs[i] > u'9') {
            return false;
        }
    }
    const int agency = (afs[0] - u'0') * 10 + (afs[1] - u'0');
    const int fleet = (afs[3] - u'0') * 10 + (afs[4] - u'0');
    return agency <= 15 && fleet <= 15 && afs[5] <= u'7';
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Text text(size / 2, u'\0');
    std::memcpy(text.data(), data, text.size() * sizeof(char16_t));

    (void)zembra::ParseNumber(text);

    zembra::MemoryFields encoded;
    encoded.AttachFieldReactions();
    encoded.afsText = u"unchanged";
    encoded.SetDecimalText(text);
    Check(encoded.decimalText == text);
    Check(encoded.afsText == u"unchanged" || IsCanonicalAfs(encoded.afsText));
    Check(IsHexEcho(encoded.hexText));

    zembra::MemoryFields decoded;
    decoded.AttachFieldReactions();
    decoded.SetDecimalToAfs(false);
    decoded.decimalText = u"unchanged";
    decoded.SetAfsText(text);
    Check(decoded.decimalText == u"unchanged" || IsDecimalResult(decoded.decimalText));
    Check(decoded.hexText == u"0" || IsHexEcho(decoded.hexText));

    // The decoder alone, on any text, whatever the checks would say.
    zembra::MemoryFields direct;
    direct.SetDecimalToAfs(false);
    direct.afsText = text;
    zembra::DecodeAfs(direct);
    Check(IsDecimalResult(direct.decimalText));
    Check(!direct.hexText.empty() && IsHexEcho(direct.hexText));
    return 0;
}
