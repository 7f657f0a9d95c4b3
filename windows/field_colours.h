// SPDX-License-Identifier: MIT
// The fields' colours on Win32. A BackColor (0x00BBGGRR) is a COLORREF as it
// stands; its brushes are made once for the window's life. The text colour
// is chosen by the readable-text rule for the background it is drawn on, so
// that it reads at 4.5:1 or better on white and on red alike, disabled
// fields included (the EDIT control's own disabled grey reads at 1.6:1 on
// red).
#pragma once

#include <windows.h>

#include <optional>

#include "core/converter_fields.h"
#include "ui/design/readable_text.h"

namespace zembra::win {

// A COLORREF as the readable-text rule's colour.
design::Rgb ToRgb(COLORREF colour);

class FieldColours {
public:
    FieldColours();
    ~FieldColours();
    FieldColours(const FieldColours&) = delete;
    FieldColours& operator=(const FieldColours&) = delete;

    // The answer to WM_CTLCOLOREDIT or WM_CTLCOLORSTATIC for a field whose
    // background is `back` (none: the system's own for its state): sets
    // the DC's colours and returns the background brush.
    HBRUSH Paint(HDC dc, std::optional<BackColor> back, bool enabled) const;

private:
    HBRUSH m_valid;
    HBRUSH m_invalid;
};

}  // namespace zembra::win
